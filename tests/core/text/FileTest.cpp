#include <filesystem>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/AtomicFile.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

TEST(AtomicFile, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "old");
    WriteFileAtomic(path, "new\r\n");
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    // The target is a folder, so the rename fails after the temporary file was written.
    const std::string target = dir.File("folder");
    std::filesystem::create_directory(target);
    WriteBytes(dir.File("folder/inner"), "keep");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(target, "x"); }), "无法写入文件 \"" + target + "\"");
    EXPECT_EQ(ReadBytes(dir.File("folder/inner")), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    const std::string missingFolder = dir.File("no/such/file.txt");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(missingFolder, "x"); }), "无法写入文件 \"" + missingFolder + "\"");
}

TEST(AtomicFile, ReadingAMissingFileOrAFolderNamesTheFile)
{
    TempDir dir;
    EXPECT_EQ(ErrorText([&] { ReadFileBytes(dir.File("none")); }), "无法打开文件 \"" + dir.File("none") + "\"");
    EXPECT_EQ(ErrorText([&] { ReadFileBytes(dir.Path().string()); }),
              "无法打开文件 \"" + dir.Path().string() + "\"");
}
