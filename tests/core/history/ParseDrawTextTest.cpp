#include <gtest/gtest.h>

#include "history/DrawHistory.h"

using namespace quorvane;
using Lines = std::vector<std::string>;

namespace {

const std::string kGood = "2005013 03 08 14 21 27 30 09";

std::string BadMessage(const std::string& list)
{
    return std::string(kBadLinesMessage) + "\r\n" + list;
}

} // namespace

TEST(ParseDrawText, ReadsTheFieldsOfADrawLine)
{
    for (const std::string& line : Lines{kGood, "   2005013  03 08    14 21 27 30 09  ", kGood + " extra text",
                                    kGood + "\r"}) {
        const ParseResult r = ParseDrawText({line});
        ASSERT_TRUE(r.Ok) << line;
        ASSERT_EQ(r.History.size(), 1u);
        const TBeenCodesRec& d = r.History[0];
        EXPECT_EQ(d.Year, 2005);
        EXPECT_EQ(d.Number, 13);
        EXPECT_EQ(d.Reds, (TCodeRedArr{3, 8, 14, 21, 27, 30}));
        EXPECT_EQ(d.Blue, 9);
        EXPECT_EQ(d.Issue(), 2005013);
    }
}

TEST(ParseDrawText, KeepsLineOrderAndSkipsBlankLines)
{
    const ParseResult r = ParseDrawText({"", "2005001 01 02 03 04 05 06 01", " \t ", "2005002 07 08 09 10 11 12 16", ""});
    ASSERT_TRUE(r.Ok);
    ASSERT_EQ(r.History.size(), 2u);
    EXPECT_EQ(r.History[0].Number, 1);
    EXPECT_EQ(r.History[1].Number, 2);

    const ParseResult blank = ParseDrawText({"", "  ", "\t"});
    EXPECT_TRUE(blank.Ok);
    EXPECT_TRUE(blank.History.empty());
    EXPECT_TRUE(ParseDrawText({}).Ok);
}

TEST(ParseDrawText, LengthRulesMakeBadLines)
{
    for (const std::string& line : {std::string("2005013 3 08 14 21 27 30 09"), std::string("2005013\t03 08 14 21 27 30 09"),
                                    std::string("2005013 03 08 14 21 27 30"), std::string("200513 03 08 14 21 27 30 09"),
                                    std::string("2005013 03 08 14 21 27 30 009")}) {
        const ParseResult r = ParseDrawText({line});
        EXPECT_FALSE(r.Ok) << line;
        EXPECT_EQ(r.Message, BadMessage("1,")) << line;
    }
}

TEST(ParseDrawText, PiecesThatAreNotNumbersOrOutOfRangeAreBadLinesToo)
{
    for (const std::string& line :
         {std::string("2005013 03 08 1a 21 27 30 09"), std::string("20050X3 03 08 14 21 27 30 09"),
          std::string("2005013 35 08 14 21 27 30 09"), std::string("2005013 00 08 14 21 27 30 09"),
          std::string("2005013 03 08 14 21 27 30 17"), std::string("2005013 03 08 14 21 27 30 00"),
          std::string("2005013 03 03 14 21 27 30 09"), std::string("2005013 03 08 14 21 27 30 -1"),
          // Just past the edges: a red of 34 (in any place), a blue of 17.
          std::string("2005013 03 08 14 21 27 34 09"), std::string("2005013 34 08 14 21 27 30 09")}) {
        const ParseResult r = ParseDrawText({kGood, line});
        EXPECT_FALSE(r.Ok) << line;
        EXPECT_EQ(r.Message, BadMessage("2,")) << line;
        EXPECT_TRUE(r.History.empty());
    }
}

TEST(ParseDrawText, StoresRedsInAscendingOrder)
{
    const ParseResult r = ParseDrawText({"2005013 30 08 14 21 27 03 09"});
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.History[0].Reds, (TCodeRedArr{3, 8, 14, 21, 27, 30}));
}

TEST(ParseDrawText, CountsOnlyNonBlankLinesAndBreaksTheListAfterEveryTenth)
{
    EXPECT_EQ(ParseDrawText({kGood, "", "bad"}).Message, BadMessage("2,"));
    EXPECT_EQ(ParseDrawText({"x", kGood, kGood, kGood, kGood, kGood, "y"}).Message, BadMessage("1,7,"));

    const Lines eleven(11, "bad line");
    EXPECT_EQ(ParseDrawText(eleven).Message, BadMessage("1,2,3,4,5,6,7,8,9,10,\r\n11,"));
    const Lines twenty(20, "bad line");
    EXPECT_EQ(ParseDrawText(twenty).Message,
              BadMessage("1,2,3,4,5,6,7,8,9,10,\r\n11,12,13,14,15,16,17,18,19,20,\r\n"));
}

TEST(ParseDrawText, HugeAndBinaryLinesAreBadLinesNotCrashes)
{
    const std::string longLine(100000, '7');
    EXPECT_EQ(ParseDrawText({longLine}).Message, BadMessage("1,"));
    const std::string manyPieces = kGood + std::string(200000, ' ') + std::string(50000, 'x');
    EXPECT_TRUE(ParseDrawText({manyPieces}).Ok);
    EXPECT_EQ(ParseDrawText({std::string("2005013 03 08 14 21 27 30\0 09", 29)}).Message, BadMessage("1,"));
}
