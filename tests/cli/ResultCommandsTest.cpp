#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "TestSupport.h"

using quorvane::test::RunCliInProcess;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

namespace {

// A data file of three draws.
std::string ThreeDraws(const TempDir& dir)
{
    const std::string data = dir.File("ssq.dxt");
    WriteBytes(data, "2024001 01 02 03 04 05 06 01\r\n2024002 01 05 10 15 20 25 02\r\n"
                     "2024003 03 13 23 30 31 33 03\r\n");
    return data;
}

} // namespace

TEST(CliHealth, ReportsOverNumbersOrTails)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    auto r = RunCliInProcess({"health", "--data", data, "--numbers", "01,2,3,4,5,6"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "开奖号码总共3期\n1,2,3,4,5,6出现3个号总共0期\n1,2,3,4,5,6出现4个号总共0期\n"
                     "1,2,3,4,5,6出现5个号总共0期\n1,2,3,4,5,6出现6个号总共1期\n");
    r = RunCliInProcess({"health", "--data", data, "--tails", "3"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out,
              "开奖号码总共3期\n3出现1个号总共1期\n3出现2个号总共0期\n3出现3个号总共0期\n3出现4个号总共1期\n"
              "3出现5个号总共0期\n3出现6个号总共0期\n");

    r = RunCliInProcess({"health", "--data", data, "--numbers", ","});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "请勾选自选号码若干个！！\r\n这样才能进行号码体检!!\n");
    r = RunCliInProcess({"health", "--data", data, "--tails", "1,x"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "'x' is not a valid integer value\n");
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--numbers", "34"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--tails", "10"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--numbers", "1", "--tails", "1"}).Code, 2);
}
