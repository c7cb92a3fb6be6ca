// The carried draw history, the start from it, and where the program keeps its data.
#include "history/BuiltinHistory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

#include "TestSupport.h"
#include "history/DataPage.h"
#include "history/ProgramFolders.h"
#include "text/AtomicFile.h"
#include "text/UserError.h"

namespace quorvane {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

namespace fs = std::filesystem;

TEST(BuiltinHistory, HoldsEveryDrawFrom2003001To2026096)
{
    const std::string_view bytes = BuiltinHistoryBytes();
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(0, 30), "2003001 10 11 12 13 26 28 11\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 30), "2026096 01 04 16 22 26 31 04\r\n");
    EXPECT_EQ(bytes.find('\0'), std::string_view::npos); // nothing after the last line

    const std::vector<std::string> lines = BuiltinHistoryLines();
    EXPECT_EQ(lines.size(), 3493u);
    const ParseResult parsed = ParseDrawText(lines);
    ASSERT_TRUE(parsed.Ok) << parsed.Message;
    ASSERT_EQ(parsed.History.size(), 3493u);
    EXPECT_EQ(parsed.History.front().Issue(), 2003001);
    EXPECT_EQ(parsed.History.back().Issue(), 2026096);
    // Issues only ever increase: no draw twice, none out of order.
    for (std::size_t i = 1; i < parsed.History.size(); ++i) {
        ASSERT_LT(parsed.History[i - 1].Issue(), parsed.History[i].Issue()) << i;
    }
    EXPECT_EQ(BuiltinHistoryStatus(parsed.History), "已载入内置开奖数据，截至第2026096期");
}

TEST(StartupData, WithoutADataFileTheCarriedHistoryIsWrittenThere)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    const StartupData data = LoadStartupData(path);
    EXPECT_TRUE(data.Builtin);
    EXPECT_EQ(data.WriteError, "");
    EXPECT_EQ(data.Lines.size(), 3493u);
    EXPECT_EQ(data.Lines.back(), "2026096 01 04 16 22 26 31 04");
    EXPECT_EQ(ReadBytes(path), std::string(BuiltinHistoryBytes())); // byte for byte

    // The next start reads that file and writes nothing.
    WriteBytes(path, "2005013 03 08 14 21 27 30 09\r\n");
    const StartupData again = LoadStartupData(path);
    EXPECT_FALSE(again.Builtin);
    EXPECT_EQ(again.Lines, std::vector<std::string>{"2005013 03 08 14 21 27 30 09"});
}

TEST(StartupData, AnExistingFileIsNeverReplaced)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    // An empty file is the user's too.
    WriteBytes(path, "");
    EXPECT_FALSE(LoadStartupData(path).Builtin);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_TRUE(LoadStartupData(path).Lines.empty());

    // So is a link to nowhere: it is reported as unreadable, not written through.
    const std::string link = dir.File("link.dxt");
    fs::create_symlink(dir.File("gone.dxt"), link);
    EXPECT_THROW(LoadStartupData(link), UserError);
    EXPECT_FALSE(fs::exists(dir.File("gone.dxt")));
}

TEST(StartupData, AFolderThatCannotBeWrittenStillGivesTheHistory)
{
    TempDir dir;
    // A "folder" that is a file: no one can create anything inside it.
    WriteBytes(dir.File("plain"), "x");
    const std::string path = dir.File("plain") + "/ssq.dxt";
    const StartupData data = LoadStartupData(path);
    EXPECT_TRUE(data.Builtin);
    EXPECT_EQ(data.Lines.size(), 3493u);
    EXPECT_EQ(data.WriteError, FileWriteErrorText(path, WriteFailureReason(ENOTDIR)));
}

TEST(ProgramFolders, UserDataFolderFollowsXdgDataHomeThenHome)
{
    EXPECT_EQ(UserDataFolder("/x/data", "/home/u"), "/x/data/Quorvane");
    EXPECT_EQ(UserDataFolder(nullptr, "/home/u"), "/home/u/.local/share/Quorvane");
    EXPECT_EQ(UserDataFolder("", "/home/u"), "/home/u/.local/share/Quorvane");
    EXPECT_EQ(UserDataFolder("relative", "/home/u"), "/home/u/.local/share/Quorvane");
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
}

TEST(ProgramFolders, APortableCopyKeepsItsDataBesideItselfAnInstallationDoesNot)
{
    TempDir dir;
    const std::string user = dir.File("user");
    // A build or unpacked copy: writable, no share/quorvane beside it.
    fs::create_directories(dir.File("build/src"));
    EXPECT_EQ(ChooseDataFolder(dir.File("build/src"), user), dir.File("build/src"));
    // A folder named bin without an installation beside it is still a portable copy.
    fs::create_directories(dir.File("portable/bin"));
    EXPECT_FALSE(IsInstalledProgramFolder(dir.File("portable/bin")));
    EXPECT_EQ(ChooseDataFolder(dir.File("portable/bin"), user), dir.File("portable/bin"));

    // An installation: <prefix>/bin with <prefix>/share/quorvane, even when writable (root).
    fs::create_directories(dir.File("usr/bin"));
    fs::create_directories(dir.File("usr/share/quorvane"));
    EXPECT_TRUE(IsInstalledProgramFolder(dir.File("usr/bin")));
    EXPECT_TRUE(IsInstalledProgramFolder(dir.File("usr/bin") + "/"));
    EXPECT_EQ(ChooseDataFolder(dir.File("usr/bin"), user), user);
    // A folder the program cannot write (here: one that does not exist).
    EXPECT_EQ(ChooseDataFolder(dir.File("nowhere/bin"), user), user);
    // Without a user folder the program folder is the only choice.
    EXPECT_EQ(ChooseDataFolder(dir.File("usr/bin"), ""), dir.File("usr/bin"));

    EXPECT_TRUE(MakeFolder(user + "/deeper"));
    EXPECT_TRUE(fs::is_directory(user + "/deeper"));
    EXPECT_FALSE(ExecutableFolder().empty());
}

TEST(ProgramFolders, TheHelpTextIsFoundBesideTheProgramOrInTheInstalledDocs)
{
    TempDir dir;
    fs::create_directories(dir.File("usr/bin"));
    EXPECT_EQ(HelpFilePath(dir.File("usr/bin")), dir.File("usr/bin") + "/readme.txt"); // neither
    fs::create_directories(dir.File("usr/share/doc/quorvane"));
    WriteBytes(dir.File("usr/share/doc/quorvane/readme.txt"), "help");
    EXPECT_EQ(HelpFilePath(dir.File("usr/bin")), dir.File("usr/share/doc/quorvane/readme.txt"));
    WriteBytes(dir.File("usr/bin/readme.txt"), "help");
    EXPECT_EQ(HelpFilePath(dir.File("usr/bin")), dir.File("usr/bin/readme.txt"));
}

TEST(ProgramFolders, ShortPathAbbreviatesTheHomeFolder)
{
    EXPECT_EQ(ShortPath("/home/u/.local/share/Quorvane/ssq.dxt", "/home/u"), "~/.local/share/Quorvane/ssq.dxt");
    EXPECT_EQ(ShortPath("/home/u/.local/x", "/home/u/"), "~/.local/x");
    EXPECT_EQ(ShortPath("/home/user2/x", "/home/u"), "/home/user2/x");
    EXPECT_EQ(ShortPath("/opt/q/ssq.dxt", nullptr), "/opt/q/ssq.dxt");
    EXPECT_EQ(ShortPath("/x", "/"), "/x");
}

TEST(DataPage, SavingBlankTextOverAFileWithLinesIsFlagged)
{
    TempDir dir;
    const std::string path = dir.File("ssq.dxt");
    EXPECT_FALSE(SaveWouldEmptyDataFile(path, {})); // no file: nothing to lose
    WriteBytes(path, "\r\n  \r\n");
    EXPECT_FALSE(SaveWouldEmptyDataFile(path, {})); // a blank file: nothing to lose
    WriteBytes(path, "2005013 03 08 14 21 27 30 09\r\n");
    EXPECT_TRUE(SaveWouldEmptyDataFile(path, {}));
    EXPECT_TRUE(SaveWouldEmptyDataFile(path, {"", "   "}));
    EXPECT_FALSE(SaveWouldEmptyDataFile(path, {"x"}));
    fs::remove(path);
    fs::create_directory(path); // cannot be read: counts as holding lines
    EXPECT_TRUE(SaveWouldEmptyDataFile(path, {}));
}

} // namespace
} // namespace quorvane
