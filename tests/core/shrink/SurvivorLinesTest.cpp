#include "shrink/SurvivorLines.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(SurvivorLines, HoldFiveTicketsEachAndEndWithAnEmptyLine)
{
    TicketPool pool;
    BuildTicketPool(pool);
    SurvivorFlags flags(pool.size(), 0);
    for (std::size_t i = 0; i < 7; ++i) {
        flags[i * 3] = 1;
    }
    EXPECT_EQ(CountSurvivors(flags), 7);
    std::vector<std::string> lines{"header"};
    FormatSurvivorLines(pool, flags, lines);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "01 02 03 04 05 06, 01 02 03 04 05 09, 01 02 03 04 05 12, 01 02 03 04 05 15, "
                        "01 02 03 04 05 18, ");
    EXPECT_EQ(lines[2], "01 02 03 04 05 21, 01 02 03 04 05 24, ");
    EXPECT_EQ(lines[3], "");

    std::vector<std::string> none;
    FormatSurvivorLines(pool, SurvivorFlags(pool.size(), 0), none);
    EXPECT_EQ(none, std::vector<std::string>{""});
}
