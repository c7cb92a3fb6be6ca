#include <gtest/gtest.h>

#include "ShrinkTestSupport.h"
#include "shrink/ReferenceSets.h"
#include "text/UserError.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

std::tm AprilFirst()
{
    std::tm t{};
    t.tm_year = 110;
    t.tm_mon = 3;
    t.tm_mday = 1;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    return t;
}

std::vector<std::string> RunWithClock(const ShrinkConditions& c, TicketPool& pool, SurvivorFlags& flags,
                                      std::vector<int>* progress = nullptr)
{
    ShrinkRunOptions options;
    options.Clock = AprilFirst;
    if (progress != nullptr) {
        options.Progress = [progress](int position) { progress->push_back(position); };
    }
    return RunShrink(c, SmallHistory(), pool, flags, options);
}

// The first `count` tickets of the pool as reference lines, with only 6 shared numbers allowed:
// exactly those tickets survive.
ShrinkConditions FirstTickets(int count)
{
    ShrinkConditions c;
    c.ssTb4Gbx1Chk = true;
    c.ssTb4Gbx1MChk[6] = 1;
    for (int i = 0; i < count; ++i) {
        c.ssTb4SheetGbx1Memo.push_back(FormatTicket(TicketAt(i)));
    }
    return c;
}

} // namespace

TEST(ShrinkRun, ResultLinesListTheBluesTheCountAndTheTickets)
{
    TicketPool pool;
    SurvivorFlags flags;
    ShrinkConditions c = With({{"ssTb0MChk", "01#02#03#04#05#06#07"}, {"ssTb0BChk", "11#03"}});
    const std::vector<std::string> lines = RunWithClock(c, pool, flags);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Quorvane 2010.04.01 09:05:07");
    EXPECT_EQ(lines[1], "缩水基础号码总共1107568注号码");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "选择的蓝球：03,11");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "缩水结果为总共7注号码");
    EXPECT_EQ(lines[6], "01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 06 07, 01 02 03 05 06 07, "
                        "01 02 04 05 06 07, ");
    EXPECT_EQ(lines[7], "01 03 04 05 06 07, 02 03 04 05 06 07, ");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(pool.size(), static_cast<std::size_t>(kPoolCount));
    EXPECT_EQ(CountSurvivors(flags), 7);
}

TEST(ShrinkRun, NoConditionKeepsEveryTicketWithoutListingThem)
{
    TicketPool pool;
    SurvivorFlags flags;
    const std::vector<std::string> lines = RunWithClock(ShrinkConditions{}, pool, flags);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Quorvane 2010.04.01 09:05:07", "缩水基础号码总共1107568注号码", "", "选择的蓝球：",
                         "", "缩水结果为总共1107568注号码", "缩水结果超过20000注号码，忽略显示."}));
    EXPECT_EQ(flags.size(), static_cast<std::size_t>(kPoolCount));
}

TEST(ShrinkRun, ListsUpTo19999Tickets)
{
    TicketPool pool;
    SurvivorFlags flags;
    std::vector<std::string> lines = RunWithClock(FirstTickets(19999), pool, flags);
    EXPECT_EQ(lines[5], "缩水结果为总共19999注号码");
    ASSERT_EQ(lines.size(), 6u + 4000u + 1u);
    EXPECT_EQ(lines[6].substr(0, 19), "01 02 03 04 05 06, ");
    EXPECT_EQ(lines[6 + 3999], FormatTicket(TicketAt(19995)) + ", " + FormatTicket(TicketAt(19996)) + ", " +
                                   FormatTicket(TicketAt(19997)) + ", " + FormatTicket(TicketAt(19998)) +
                                   ", ");
    EXPECT_EQ(lines.back(), "");

    lines = RunWithClock(FirstTickets(20000), pool, flags);
    EXPECT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "缩水结果为总共20000注号码");
    EXPECT_EQ(lines[6], "缩水结果超过20000注号码，忽略显示.");
}

TEST(ShrinkRun, FewerThanSixRedsKeepNothing)
{
    TicketPool pool;
    SurvivorFlags flags;
    const std::vector<std::string> lines = RunWithClock(With({{"ssTb0MChk", "01#02#03#04#05"}}), pool, flags);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "缩水结果为总共0注号码");
    EXPECT_EQ(lines[6], "");
}

TEST(ShrinkRun, ProgressRisesToAbout110PerSweep)
{
    TicketPool pool;
    SurvivorFlags flags;
    std::vector<int> progress;
    // Five sweeps: two selectors of stage 1, two items of stage 48, stage 21.
    RunWithClock(With({{"FwshlRowCbbArr0", "2"},
                       {"FwshlRowCbbArr1", "2"},
                       {"ssTb8Gbx1SeArr02", "60"},
                       {"ssTb8Gbx1SeArr03", "5"},
                       {"总和值", "50,150"}}),
                 pool, flags, &progress);
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 550);
    for (std::size_t i = 1; i < progress.size(); ++i) {
        EXPECT_GT(progress[i], progress[i - 1]);
    }

    // Many sweeps: the bar stops at its maximum.
    progress.clear();
    ShrinkConditions many;
    for (std::size_t i = 0; i < kRegularItemCount; ++i) {
        many.ssTb8Gbx1SeArr[i].Max = 40;
    }
    many.wshlRowcbb = {1, 1, 1, 1, 1, 1};
    many.RowCbb = {1, 1, 1, 1, 1, 1};
    many.ColCbb = {1, 1, 1, 1, 1, 1};
    many.wshlColcbb = {1, 1, 1, 1, 1, 1};
    RunWithClock(many, pool, flags, &progress);
    EXPECT_EQ(progress.back(), kShrinkProgressMaximum);
}

TEST(ShrinkRun, BadNumberListStopsTheRunAndChangesNothing)
{
    TicketPool pool;
    SurvivorFlags flags;
    RunWithClock(With({{"ssTb0MChk", "01#02#03#04#05#06"}}), pool, flags);
    ASSERT_EQ(CountSurvivors(flags), 1);
    const auto bad = [&](const char* name, const char* value) {
        return ErrorText([&] {
            RunWithClock(With({{"tj2BiXuanHaoChk", "1"}, {"tj1HeZhiChk", "1"}, {name, value}}), pool, flags);
        });
    };
    EXPECT_EQ(bad("tj2BiXuanHaoEd", "21 2x"), "'2x' is not a valid integer value");
    EXPECT_EQ(bad("tj2BiXuanHaoEd", "21 99999999999"), "'99999999999' is not a valid integer value");
    EXPECT_EQ(bad("tj1PaiChuHeZhiEd", "29,55"), "'29,55' is not a valid integer value");
    // The first bad text in stage order is the one reported.
    EXPECT_EQ(ErrorText([&] {
                  RunWithClock(With({{"tj1HeZhiChk", "1"}, {"tj1PaiChuHeZhiEd", "b"}, {"3D匹配", "1,a&1"}}),
                               pool, flags);
              }),
              "'a' is not a valid integer value");
    EXPECT_EQ(CountSurvivors(flags), 1);
    EXPECT_EQ(pool.size(), static_cast<std::size_t>(kPoolCount));
}

TEST(ShrinkRun, LongAndOddNumberListsNeverReadOutsideATable)
{
    std::string many;
    for (int i = 0; i < 5000; ++i) {
        many += std::to_string(i % 400 - 50) + "   ";
    }
    ShrinkConditions c = With({{"tj1HeZhiChk", "1"}, {"tj1PaiChuHeZhiEd", many.c_str()}});
    c.tj4FenZuChk = true;
    c.tj4FenZuEdArr[0] = many;
    c.tj4FenZuMChkArr[0] = {0, 0, 0, 0, 0, 1};
    c.tj3JianJuChk = true;
    c.tj4JianJuEdArr[3] = many;
    c.tj4JianJuSeArr[3] = {50, -5};
    c.Sel3DCodeLbx = {"&&&", "-1,99,5&-3,8,2", ",,,&,,"};
    EXPECT_EQ(SameAsReference(c), 0); // a gap range with minimum above maximum keeps nothing
    c.tj4JianJuSeArr[3] = {-100, 100000};
    SameAsReference(c);
}

TEST(ShrinkRun, PositionEditsAreTrimmedOnlyWithTheirSwitchOn)
{
    ShrinkConditions c;
    c.tj4AnWeiZdEdArr[2] = "  03 08 \t";
    c.tj4AnWeiC3EdArr[5] = " 1 ";
    TrimPositionEdits(c);
    EXPECT_EQ(c.tj4AnWeiZdEdArr[2], "  03 08 \t");
    c.tj3AnWeiChk = true;
    TrimPositionEdits(c);
    EXPECT_EQ(c.tj4AnWeiZdEdArr[2], "03 08");
    EXPECT_EQ(c.tj4AnWeiC3EdArr[5], "1");
}

TEST(ReferenceSets, RandomSetsComeFromTheProgramsGenerator)
{
    Random random;
    Random copy;
    const std::string line = RandomReferenceLine(random, 6);
    // The same draws by hand: distinct numbers trunc(r * 33) + 1 until six are kept.
    std::vector<bool> kept(34, false);
    int count = 0;
    while (count < 6) {
        const int n = static_cast<int>(copy.NextReal() * 33) + 1;
        count += kept[static_cast<std::size_t>(n)] ? 0 : 1;
        kept[static_cast<std::size_t>(n)] = true;
    }
    std::string expected;
    for (int n = 1; n <= 33; ++n) {
        expected += kept[static_cast<std::size_t>(n)] ? Pad2(n) + " " : "";
    }
    EXPECT_EQ(line, expected);
    EXPECT_EQ(random.State(), copy.State());

    const std::vector<std::string> lines = RandomReferenceLines(random, 15, 3);
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string& l : lines) {
        EXPECT_EQ(l.size(), 15u * 3u);
    }
    EXPECT_EQ(RandomReferenceLine(random, 40).size(), 33u * 3u); // all 33 are drawn within 1001 draws
    EXPECT_TRUE(RandomReferenceLines(random, 6, -2).empty());
}

TEST(ReferenceSets, HistoryLinesAreTheLatestDrawsNewestFirst)
{
    EXPECT_EQ(HistoryReferenceLines(SmallHistory(), 10),
              (std::vector<std::string>{"03 08 14 21 27 33", "01 02 03 04 05 06"}));
    EXPECT_EQ(HistoryReferenceLines(SmallHistory(), 1), (std::vector<std::string>{"03 08 14 21 27 33"}));
    EXPECT_TRUE(HistoryReferenceLines(SmallHistory(), 0).empty());
    EXPECT_TRUE(HistoryReferenceLines({}, 5).empty());
}
