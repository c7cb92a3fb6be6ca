#include <gtest/gtest.h>

#include "history/DrawHistory.h"
#include "history/IssueQuery.h"

using namespace quorvane;
using Lines = std::vector<std::string>;

namespace {

DrawHistory History(const Lines& lines)
{
    ParseResult r = ParseDrawText(lines);
    EXPECT_TRUE(r.Ok) << r.Message;
    return r.History;
}

} // namespace

TEST(IssueQuery, ListsForwardFromTheIssue)
{
    const DrawHistory h = History({"2005012 01 02 03 04 05 06 01", "2005013 03 08 14 21 27 30 09",
                                   "2005014 05 06 07 08 09 10 16"});
    EXPECT_EQ(QueryIssues(h, 2005013, 30),
              (Lines{"第2005013期,开奖号:03 08 14 21 27 30 09", "第2005014期,开奖号:05 06 07 08 09 10 16"}));
    EXPECT_EQ(QueryIssues(h, 2005012, 1), (Lines{"第2005012期,开奖号:01 02 03 04 05 06 01"}));
    EXPECT_EQ(QueryIssues(h, 2005014, 30).size(), 1u);
}

TEST(IssueQuery, UnknownIssueOrNoCountGivesNothing)
{
    const DrawHistory h = History({"2005013 03 08 14 21 27 30 09"});
    EXPECT_TRUE(QueryIssues(h, 2005013, 0).empty());
    EXPECT_TRUE(QueryIssues(h, 2005013, -5).empty());
    EXPECT_TRUE(QueryIssues(h, 2005015, 30).empty());
    EXPECT_TRUE(QueryIssues({}, 2005013, 30).empty());
}

TEST(IssueQuery, StartsAtTheLaterOfTwoEqualIssuesAndPadsTheNumber)
{
    const DrawHistory h = History({"2009007 01 02 03 04 05 06 01", "2009008 01 02 03 04 05 07 02",
                                   "2009007 01 02 03 04 05 08 03"});
    EXPECT_EQ(QueryIssues(h, 2009007, 30), (Lines{"第2009007期,开奖号:01 02 03 04 05 08 03"}));
}
