#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "TestSupport.h"
#include "history/DataFile.h"
#include "text/Encoding.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::ReadBytes;
using quorvane::test::RunInChild;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;
using Lines = std::vector<std::string>;

TEST(DataFile, LoadsLinesWithAnyLineEndAndEitherEncoding)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "2005013 03 08 14 21 27 30 09\r\n" + Utf8ToGbk("备注") + "\rlast\n");
    EXPECT_EQ(LoadDataFile(path), (Lines{"2005013 03 08 14 21 27 30 09", "备注", "last"}));
    WriteBytes(path, "\xEF\xBB\xBF" "备注\r\n");
    EXPECT_EQ(LoadDataFile(path), (Lines{"备注"}));
}

TEST(DataFile, AnEmptyFileLeavesTheEditorAndAMissingOneNamesTheFile)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "");
    EXPECT_FALSE(LoadDataFile(path).has_value());
    EXPECT_EQ(LoadTextFile(path), Lines{});
    const std::string missing = dir.File("missing.dxt");
    EXPECT_EQ(ErrorText([&] { LoadDataFile(missing); }), "无法打开文件 \"" + missing + "\"");
}

TEST(DataFile, SaveWritesEveryLineWithCrLfInGbk)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    SaveDataFile(path, {"2005013 03 08 14 21 27 30 09", "", "备注"});
    EXPECT_EQ(ReadBytes(path), "2005013 03 08 14 21 27 30 09\r\n\r\n" + Utf8ToGbk("备注") + "\r\n");
    SaveDataFile(path, {});
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(DataFile, AFailedSaveKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "old\r\n");
    // A read-only folder refuses the temporary file. The save runs as an unprivileged user, so the
    // check holds when the tests run as root too.
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                 std::filesystem::perms::others_read |
                                                 std::filesystem::perms::others_exec);
    const auto child = RunInChild([&] { return ErrorText([&] { SaveDataFile(path, {"new"}); }); }, true);
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(child.Text, "无法写入文件 \"" + path + "\"：没有写入权限");
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    // A target that is a folder fails for every user.
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ErrorText([&] { SaveDataFile(folder, {"x"}); }), "无法写入文件 \"" + folder + "\"：这是一个文件夹");
}

TEST(DataFile, ReadingStopsAtTheSizeLimit)
{
    TempDir dir;
    const std::string path = dir.File("huge.dxt");
    WriteBytes(path, "");
    std::filesystem::resize_file(path, kDataFileLimit + 1); // sparse: no disk space used
    const std::string message = "无法打开文件 \"" + path + "\"：文件大于 64 MB 的上限";
    EXPECT_EQ(ErrorText([&] { LoadDataFile(path); }), message);
    EXPECT_EQ(ErrorText([&] { LoadTextFile(path); }), message);
    EXPECT_EQ(ErrorText([&] { LoadDataFile("/dev/zero"); }), "无法打开文件 \"/dev/zero\"：文件大于 64 MB 的上限");
}
