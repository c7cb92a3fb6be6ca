#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "TestSupport.h"

namespace quorvane::cli {
namespace {

struct ChartRun
{
    int Code;
    std::string Out;
    std::string Err;
};

ChartRun RunChart(std::vector<std::string> args)
{
    args.insert(args.begin(), "chart");
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(ChartCommandTest, PrintsTheModelOfAPage)
{
    test::TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    test::WriteBytes(data, "2010001 01 02 03 04 05 06 07\r\n2010002 01 12 23 24 32 33 16\r\n");

    const ChartRun r = RunChart({"zone-ratio", "--data", data, "-n", "1"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, "grid\t11\t2\t2\t11\n"
                     "widths\t86\t30\t30\t30\t30\t30\t30\t62\t72\t72\t72\n"
                     "span\t0\t0\t0\t1\t#E4E0F3\t期号\n"
                     "span\t1\t0\t6\t0\t#E4E0F3\t红球号码\n"
                     "span\t7\t0\t7\t1\t#E4E0F3\t蓝球\n"
                     "span\t8\t0\t8\t1\t#E4E0F3\t一区\\n个数\n"
                     "span\t9\t0\t9\t1\t#E4E0F3\t二区\\n个数\n"
                     "span\t10\t0\t10\t1\t#E4E0F3\t三区\\n个数\n"
                     "cell\t1\t1\t-\t1\n"
                     "cell\t1\t2\t-\t2\n"
                     "cell\t1\t3\t-\t3\n"
                     "cell\t1\t4\t-\t4\n"
                     "cell\t1\t5\t-\t5\n"
                     "cell\t1\t6\t-\t6\n"
                     "cell\t2\t0\t-\t2010002\n"
                     "cell\t2\t1\t-\t01\n"
                     "cell\t2\t2\t-\t12\n"
                     "cell\t2\t3\t-\t23\n"
                     "cell\t2\t4\t-\t24\n"
                     "cell\t2\t5\t-\t32\n"
                     "cell\t2\t6\t-\t33\n"
                     "cell\t2\t7\t-\t16\n"
                     "cell\t2\t8\t#E4E3FE\t1\n"
                     "cell\t2\t9\t#E4E3FE\t1\n"
                     "cell\t2\t10\t#F17564\t4\n"
                     "cell\t3\t0\t#CCCCCC\t合计\n"
                     "cell\t3\t1\t#CCCCCC\t\n"
                     "cell\t3\t2\t#CCCCCC\t\n"
                     "cell\t3\t3\t#CCCCCC\t\n"
                     "cell\t3\t4\t#CCCCCC\t\n"
                     "cell\t3\t5\t#CCCCCC\t\n"
                     "cell\t3\t6\t#CCCCCC\t\n"
                     "cell\t3\t7\t#CCCCCC\t\n"
                     "cell\t3\t8\t#CCCCCC\t1\n"
                     "cell\t3\t9\t#CCCCCC\t1\n"
                     "cell\t3\t10\t#CCCCCC\t4\n");

    // The object name works as well as the alias; the rotation start reaches the builder.
    const ChartRun rotated = RunChart({"ExTabSheet8", "--data", data, "-n", "2", "--start", "33"});
    EXPECT_EQ(rotated.Code, 0);
    EXPECT_NE(rotated.Out.find("cell\t1\t8\t-\t33\n"), std::string::npos);

    const ChartRun tooMany = RunChart({"red-trend", "--data", data, "-n", "3"});
    EXPECT_EQ(tooMany.Code, 1);
    EXPECT_EQ(tooMany.Out, "");
    EXPECT_EQ(tooMany.Err, "设置的查询期数超过总期数!!\n");

    EXPECT_EQ(RunChart({"no-such-chart", "--data", data}).Code, 2);
    EXPECT_EQ(RunChart({"--data", data}).Code, 2);
    EXPECT_EQ(RunChart({"rotation", "--data", data, "--start", "34"}).Code, 2);
    const ChartRun badN = RunChart({"rotation", "--data", data, "-n", "x"});
    EXPECT_EQ(badN.Code, 1);
    EXPECT_EQ(badN.Err, "'x' is not a valid integer value\n");
}

TEST(ChartCommandTest, CsvWritesTheTableFileBesideTheUnchangedDump)
{
    test::TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    test::WriteBytes(data, "2010001 01 02 03 04 05 06 07\r\n2010002 01 12 23 24 32 33 16\r\n");
    const std::string csv = dir.File("zone.csv");

    const ChartRun plain = RunChart({"zone-ratio", "--data", data, "-n", "1"});
    const ChartRun r = RunChart({"zone-ratio", "--data", data, "-n", "1", "--csv", csv});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, plain.Out);
    EXPECT_EQ(test::ReadBytes(csv), "\xEF\xBB\xBF"
                                    "期号,红球号码,,,,,,蓝球,一区个数,二区个数,三区个数\r\n"
                                    ",1,2,3,4,5,6,,,,\r\n"
                                    "2010002,01,12,23,24,32,33,16,1,1,4\r\n"
                                    "合计,,,,,,,,1,1,4\r\n");

    // A refused N writes nothing; an unwritable file is the user's error, not a crash.
    const std::string refused = dir.File("refused.csv");
    EXPECT_EQ(RunChart({"zone-ratio", "--data", data, "-n", "3", "--csv", refused}).Code, 1);
    EXPECT_FALSE(std::ifstream(refused).good());
    const ChartRun unwritable =
        RunChart({"zone-ratio", "--data", data, "--csv", dir.File("no/such/dir.csv"), "-n", "1"});
    EXPECT_EQ(unwritable.Code, 1);
    EXPECT_NE(unwritable.Err.find("no/such/dir.csv"), std::string::npos) << unwritable.Err;
}

TEST(ChartCommandTest, HelpListsTheThirtyFivePagesThroughTheProgram)
{
    std::FILE* pipe = ::popen(QUORVANE_CLI_PATH " chart --help", "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) {
        out.append(buf, n);
    }
    EXPECT_EQ(::pclose(pipe), 0);
    int pages = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        pages += line.rfind("  ExTabSheet", 0) == 0 || line.rfind("  TabSheet", 0) == 0;
    }
    EXPECT_EQ(pages, 35);
    EXPECT_NE(out.find("  ExTabSheet1\tred-trend\t红球走势图\n"), std::string::npos);
    EXPECT_NE(out.find("  TabSheet86\tzone3-omission\t三区和值遗漏图\n"), std::string::npos);
}

} // namespace
} // namespace quorvane::cli
