#include <gtest/gtest.h>

#include "text/SplitText.h"

using namespace quorvane;
using Pieces = std::vector<std::string>;

TEST(SplitText, RunsAndEndsOfDelimitersGiveNoEmptyPieces)
{
    EXPECT_EQ(SplitText(" ", "2005013 03  08   14"), (Pieces{"2005013", "03", "08", "14"}));
    EXPECT_EQ(SplitText(",", ",,1,,2,"), (Pieces{"1", "2"}));
    EXPECT_EQ(SplitText("#", "#"), Pieces{});
    EXPECT_EQ(SplitText(",", ""), Pieces{});
    EXPECT_EQ(SplitText(",", "  \t\r\n "), Pieces{});
}

TEST(SplitText, TrimsTheWholeTextButNotThePieces)
{
    EXPECT_EQ(SplitText(",", "  1, 2 ,3\r\n"), (Pieces{"1", " 2 ", "3"}));
    // A tab inside the text is not a separator for the space delimiter.
    EXPECT_EQ(SplitText(" ", "2005013\t03 08"), (Pieces{"2005013\t03", "08"}));
}

TEST(SplitText, LongDelimitersAndTheEmptyDelimiter)
{
    EXPECT_EQ(SplitText("ab", "xabab yab"), (Pieces{"x", " y"}));
    EXPECT_EQ(SplitText("", "  a,b  "), (Pieces{"a,b"}));
    EXPECT_EQ(SplitText("", "   "), Pieces{});
}

TEST(SplitText, ForEachPieceStopsWhenAsked)
{
    int seen = 0;
    ForEachPiece(" ", "1 2 3 4 5", [&](std::string_view) { return ++seen < 2; });
    EXPECT_EQ(seen, 2);
}

TEST(SplitLines, AcceptsEveryLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Pieces{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Pieces{"a"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\r"), (Pieces{"a", "", "b", ""}));
    EXPECT_EQ(SplitLines(""), Pieces{});
    EXPECT_EQ(SplitLines("\r\n"), (Pieces{""}));
}

TEST(TrimText, RemovesEverythingAtOrBelowTheSpace)
{
    EXPECT_EQ(TrimText(std::string_view("\0 \x01x y\x1f\x7f ", 9)), "x y\x1f\x7f");
    EXPECT_EQ(JoinText({"01", "05", "33"}, ","), "01,05,33");
    EXPECT_EQ(JoinText({}, ","), "");
}

TEST(EscapeControlBytes, WritesControlBytesAsHexAndKeepsTheRest)
{
    EXPECT_EQ(EscapeControlBytes(std::string("a\0b\tc\r\n\x7f\x1b[31m", 13)), "a\\x00b\\x09c\\x0D\\x0A\\x7F\\x1B[31m");
    EXPECT_EQ(EscapeControlBytes("红 01#02\\"), "红 01#02\\");
    EXPECT_EQ(EscapeControlBytes(""), "");
}
