#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/CheckedText.h"

using namespace quorvane;
using quorvane::test::ErrorText;

namespace {

std::vector<std::string> Captions(int first, int last, bool twoDigits)
{
    std::vector<std::string> c;
    for (int i = first; i <= last; ++i) {
        c.push_back(twoDigits && i < 10 ? "0" + std::to_string(i) : std::to_string(i));
    }
    return c;
}

} // namespace

TEST(CheckedText, NumberPickersTrimPiecesAndCaptions)
{
    const auto reds = Captions(1, 33, true);
    const auto checked = CheckedFromText(reds, ",", " 01, 05,,33 ,xx", CaptionTrim::Trim);
    std::vector<std::uint8_t> expected(33, 0);
    expected[0] = expected[4] = expected[32] = 1;
    EXPECT_EQ(checked, expected);
    EXPECT_EQ(CheckedToText(reds, checked, ",", CaptionTrim::Trim), "01,05,33");
}

TEST(CheckedText, PlainRowsKeepThePiecesAsTheyAre)
{
    const auto digits = Captions(0, 6, false);
    const auto checked = CheckedFromText(digits, ",", "1, 2", CaptionTrim::None);
    EXPECT_EQ(checked, (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CheckedToText(digits, std::vector<std::uint8_t>(7, 0), ",", CaptionTrim::None), "");
}

TEST(CheckedText, EqualCaptionsResolveToTheHighestIndex)
{
    const std::vector<std::string> captions{"a", "b", "a"};
    EXPECT_EQ(IndexOfCaption(captions, "a"), 2);
    EXPECT_EQ(IndexOfCaption(captions, "A"), -1);
    EXPECT_EQ(IndexOfCaption(captions, "a "), -1);
}

TEST(CheckedText, ValuesFillCellsInOrderAndStopAtABadPiece)
{
    std::vector<int> two{0, 0};
    ValuesFromText(",", "3,10,99", two);
    EXPECT_EQ(two, (std::vector<int>{3, 10}));
    ValuesFromText(",", "7", two);
    EXPECT_EQ(two, (std::vector<int>{7, 10}));

    std::vector<int> three{0, 0, 0};
    EXPECT_EQ(ErrorText([&] { ValuesFromText(",", "4,x,6", three); }), "'x' is not a valid integer value");
    EXPECT_EQ(three, (std::vector<int>{4, 0, 0}));

    EXPECT_EQ(ValuesToText({21, 183}, ","), "21,183");
    EXPECT_EQ(ValuesToText({5}, ","), "5");
    EXPECT_EQ(ValuesToText({}, ","), "");
    EXPECT_EQ(ValuesToText({-3, 0}, "#"), "-3#0");
}
