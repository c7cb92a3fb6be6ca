#include "wheel/WheelReport.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace quorvane;
using quorvane::test::ErrorText;

// A list the checker rejects is never written: the report throws with the counterexample instead.
TEST(WheelReport, WritesOnlyVerifiedLists)
{
    Wheel wheel;
    wheel.Numbers = {1, 2, 3, 4, 5, 6, 7};
    wheel.Guarantee = {6, 5};
    wheel.Tickets = {{1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(WheelReportLines(wheel),
              (std::vector<std::string>{
                  "旋转矩阵 中6保5，选号7个：01 02 03 04 05 06 07", "01 02 03 04 05 06", "共1注",
                  "校验通过：开奖红球至少有6个在所选号码中时，必有一注至少中5个红球。"}));
    wheel.Guarantee = {5, 5};
    EXPECT_EQ(ErrorText([&] { WheelReportLines(wheel); }),
              "校验失败：开奖红球为01 02 03 04 07 08时没有一注达到保证。");

    const TCodeRedArrArr survivors = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 8, 9}};
    ReducedResult reduced;
    reduced.Keep = 4;
    reduced.Tickets = {survivors[1]};
    reduced.StoppedEarly = true;
    EXPECT_EQ(ReductionReportLines(reduced, survivors),
              (std::vector<std::string>{"保证缩水 保4个红球，从3注中选出1注：", "01 02 03 04 05 07", "共1注",
                                        "缩水结果太大，保证缩水在时限内提前停止，注数未经充分缩减。",
                                        "校验通过：开奖红球是缩水结果中的一注时，必有一注至少中4个红球。"}));
    reduced.Keep = 5;
    EXPECT_EQ(ErrorText([&] { ReductionReportLines(reduced, survivors); }),
              "校验失败：开奖红球为01 02 03 04 08 09时没有一注达到保证。");
    reduced.Keep = 4;
    reduced.Tickets = {{1, 2, 3, 4, 10, 11}};
    EXPECT_EQ(ErrorText([&] { ReductionReportLines(reduced, survivors); }),
              "校验失败：不是缩水结果中的号码：01 02 03 04 10 11");
}
