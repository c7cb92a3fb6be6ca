#include <gtest/gtest.h>

#include "history/DemoHistory.h"
#include "history/DrawHistory.h"

using namespace quorvane;

TEST(DemoHistory, ParsesWithIncreasingIssuesAndRepeatsForASeed)
{
    const auto lines = MakeDemoHistoryLines(3000, 7);
    const ParseResult r = ParseDrawText(lines);
    ASSERT_TRUE(r.Ok) << r.Message;
    ASSERT_EQ(r.History.size(), 3000u);
    EXPECT_EQ(r.History.front().Issue(), 2003001);
    for (std::size_t i = 1; i < r.History.size(); ++i) {
        ASSERT_GT(r.History[i].Issue(), r.History[i - 1].Issue());
        ASSERT_LE(r.History[i].Number, 154);
    }
    EXPECT_EQ(MakeDemoHistoryLines(50, 7), std::vector<std::string>(lines.begin(), lines.begin() + 50));
    EXPECT_NE(MakeDemoHistoryLines(50, 8), MakeDemoHistoryLines(50, 7));
    EXPECT_TRUE(MakeDemoHistoryLines(0, 1).empty());
}
