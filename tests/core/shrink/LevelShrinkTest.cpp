#include "shrink/LevelShrink.h"

#include <gtest/gtest.h>

#include "ResultTestSupport.h"
#include "TestSupport.h"
#include "text/FormatNumbers.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::SharedPool;
using quorvane::test::SpreadFlags;

namespace {

std::string Ticket(std::int32_t ordinal)
{
    return FormatTicket(SharedPool()[static_cast<std::size_t>(ordinal)]);
}

} // namespace

TEST(LevelShrink, SingleAccumulatorPicksAsTheFactorAddsUp)
{
    // Ten survivors at level 1: the 2nd, 3rd, 4th, 5th, 7th, 8th, 9th and 10th are chosen.
    const SurvivorFlags ten = SpreadFlags(10, 1000);
    const std::vector<std::string> lines = LevelShrinkLines(SharedPool(), ten, 1);
    std::vector<std::string> expected{"第1级智能预测(8注):"};
    for (const int k : {2, 3, 4, 5, 7, 8, 9, 10}) {
        expected.push_back(Ticket((k - 1) * 1000));
    }
    expected.emplace_back();
    EXPECT_EQ(lines, expected);

    // Level 20 needs 87 survivors for its first ticket.
    EXPECT_EQ(LevelShrinkLines(SharedPool(), SpreadFlags(86, 7), 20),
              (std::vector<std::string>{"第20级智能预测(0注):", ""}));
    EXPECT_EQ(LevelShrinkLines(SharedPool(), SpreadFlags(87, 7), 20),
              (std::vector<std::string>{"第20级智能预测(1注):", Ticket(86 * 7), ""}));
    EXPECT_FLOAT_EQ(LevelFactor(1), 0.8f);
    EXPECT_NEAR(LevelFactor(20), 0.0115292, 1e-7);
}

TEST(LevelShrink, LargeResultsAreThinnedToEveryStepthSurvivor)
{
    // 25,000 survivors: step 3, so 8,333 candidates (running numbers 3, 6, ..., 24999).
    const SurvivorFlags flags = SpreadFlags(25000, 40);
    const std::vector<std::string> lines = LevelShrinkLines(SharedPool(), flags, 1);
    const std::size_t chosen = lines.size() - 2;
    EXPECT_EQ(lines.front(), "第1级智能预测(" + std::to_string(chosen) + "注):");
    EXPECT_NEAR(static_cast<double>(chosen), 8333 * 0.8, 2.0);
    // Every chosen ticket is a candidate: its running number (ordinal / 40 + 1) is a multiple of 3.
    std::size_t next = 1;
    for (std::int32_t run = 1; run <= 25000 && next <= chosen; ++run) {
        if (lines[next] == Ticket((run - 1) * 40)) {
            EXPECT_EQ(run % 3, 0) << run;
            ++next;
        }
    }
    EXPECT_EQ(next, chosen + 1);

    // Every survivor of the pool at level 20.
    const SurvivorFlags all(static_cast<std::size_t>(kPoolCount), 1);
    const std::vector<std::string> top = LevelShrinkLines(SharedPool(), all, 20);
    EXPECT_EQ(top.front(), "第20级智能预测(" + std::to_string(top.size() - 2) + "注):");
    EXPECT_NEAR(static_cast<double>(top.size() - 2), 1107568 / 111 * 0.0115292, 1.0);
}

TEST(LevelShrink, NeedsAShrinkRunFirst)
{
    const SurvivorFlags all(static_cast<std::size_t>(kPoolCount), 1);
    EXPECT_EQ(ErrorText([&] { LevelShrinkLines(TicketPool{}, all, 5); }),
              "先执行缩水命令，得到若干注号码，然后才能执行级别缩水！");
    EXPECT_EQ(LevelMenuCaption(12), "第12级智能缩水号码");
    EXPECT_EQ(LevelShrinkStatus(3), "完成 第3级智能预测");
}
