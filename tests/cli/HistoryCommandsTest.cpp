#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <ostream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CliTestSupport.h"
#include "OutputBuffer.h"
#include "TestSupport.h"

using quorvane::test::RunCliInProcess;
using quorvane::test::RunShell;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

TEST(CliHistory, ParseCountsTheDrawsOrGivesTheParseMessage)
{
    TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    WriteBytes(data, "2005013 03 08 14 21 27 30 09\r\n\r\n2005014 01 02 03 04 05 06 16\r\n");
    auto r = RunCliInProcess({"parse", "--data", data});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "draws: 2\n");

    WriteBytes(data, "2005013 03 08 14 21 27 30 09\r\nbad\r\n");
    r = RunCliInProcess({"parse", "--data", data});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, "文本内容中下列行的数据有错误，请纠正再保存！！\r\n2,\n");

    WriteBytes(data, "");
    EXPECT_EQ(RunCliInProcess({"parse", "--data", data}).Out, "draws: 0\n");

    r = RunCliInProcess({"parse", "--data", dir.File("none.dxt")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "无法打开文件 \"" + dir.File("none.dxt") + "\"\n");
}

TEST(CliHistory, QueryPrintsTheQueryLines)
{
    TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    WriteBytes(data, "2005013 03 08 14 21 27 30 09\r\n2005014 01 02 03 04 05 06 16\r\n");
    auto r = RunCliInProcess({"query", "--data", data, "--from", "2005013", "--count", "1"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "第2005013期,开奖号:03 08 14 21 27 30 09\n");
    r = RunCliInProcess({"query", "--data", data, "--from", "x1"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "'x1' is not a valid integer value\n");
}

TEST(CliHistory, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(RunCliInProcess({}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"nonsense"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"parse", "--bogus"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"parse", "--data"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"query", "--data", "x", "--from", "1", "--from", "2"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"demo-data", "--draws", "-1"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"--help"}).Code, 0);
}

TEST(CliHistory, DemoDataRoundTripsThroughTheBinary)
{
    TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    const std::string cli = QUORVANE_CLI_PATH;
    int status = -1;
    RunShell(cli + " demo-data --draws 3000 > " + data, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(RunShell(cli + " parse --data " + data), "draws: 3000\n");

    const auto demo = RunCliInProcess({"demo-data", "--draws", "2", "--seed", "5"});
    EXPECT_EQ(demo.Code, 0);
    EXPECT_EQ(demo.Out.size(), 2u * 30u);
    EXPECT_EQ(demo.Out.substr(0, 8), "2003001 ");
}

TEST(CliHistory, OutputToATerminalIsNotHeldBack)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        GTEST_SKIP() << "no pseudo-terminal";
    }
    const int terminal = ::open(::ptsname(master), O_WRONLY | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    // What the terminal shows so far (its own line ends, CR LF, aside).
    const auto shown = [master] {
        std::string text;
        pollfd ready{master, POLLIN, 0};
        char chunk[256];
        while (::poll(&ready, 1, 200) > 0) {
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            text.append(chunk, static_cast<std::size_t>(n));
        }
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    };
    {
        quorvane::cli::OutputBuffer buffer(terminal);
        std::ostream out(&buffer);
        // A line ended by a single character, as most lines are, shows before anything is flushed;
        // so does a piece of a line.
        out << "draws: " << 3 << '\n';
        EXPECT_EQ(shown(), "draws: 3\n");
        out << "no line end";
        EXPECT_EQ(shown(), "no line end");
        EXPECT_TRUE(out.good());
    }
    ::close(terminal);
    ::close(master);
}

TEST(CliHistory, OutputThatCannotBeWrittenIsAFailureWithItsReason)
{
    // A full disk: nothing of the history may pass for success.
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    {
        quorvane::cli::OutputBuffer buffer(full);
        std::ostream out(&buffer);
        std::ostringstream err;
        EXPECT_EQ(quorvane::cli::RunCli({"demo-data", "--draws", "10"}, out, err), 1);
        EXPECT_EQ(err.str(), "quorvane-cli: 无法写入标准输出：磁盘已满\n");
        // A command that failed already keeps its own exit code.
        err.str("");
        EXPECT_EQ(quorvane::cli::RunCli({"demo-data", "--draws", "-1"}, out, err), 2);
        EXPECT_NE(err.str().find("quorvane-cli: 无法写入标准输出：磁盘已满\n"), std::string::npos);
    }
    ::close(full);

    // The same through the binary, as the README's "demo-data > file" runs it.
    int status = -1;
    const std::string err = RunShell(std::string(QUORVANE_CLI_PATH) + " demo-data 2>&1 >/dev/full", &status);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(err, "quorvane-cli: 无法写入标准输出：磁盘已满\n");
    // A stream that fails without a reason still fails.
    std::ostringstream bad;
    bad.setstate(std::ios::badbit);
    std::ostringstream err2;
    EXPECT_EQ(quorvane::cli::RunCli({"parse", "--data", "/dev/null"}, bad, err2), 1);
    EXPECT_EQ(err2.str(), "quorvane-cli: 无法写入标准输出\n");
}

TEST(CliHistory, BuiltinNamesTheCarriedHistory)
{
    auto r = RunCliInProcess({"parse", "--data", "builtin"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "draws: 3493\n");
    // The last draw carried; a count past it stops there.
    r = RunCliInProcess({"query", "--data", "builtin", "--from", "2026096", "--count", "5"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "第2026096期,开奖号:01 04 16 22 26 31 04\n");
}

TEST(CliHistory, WithoutDataTheCurrentFoldersFileComesFirst)
{
    TempDir dir;
    WriteBytes(dir.File("ssq.dxt"), "2005013 03 08 14 21 27 30 09\r\n");
    const std::string cli = QUORVANE_CLI_PATH;
    EXPECT_EQ(RunShell("cd " + dir.Path().string() + " && " + cli + " parse"), "draws: 1\n");
    // A file named builtin is reached by its path.
    WriteBytes(dir.File("builtin"), "");
    EXPECT_EQ(RunShell("cd " + dir.Path().string() + " && " + cli + " parse --data ./builtin"), "draws: 0\n");
}
