#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/IntConvert.h"

using namespace quorvane;
using quorvane::test::ErrorText;

TEST(IntConvert, AcceptsSignDigitsAndSurroundingSpaces)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7 "), -7);
    EXPECT_EQ(StrToInt("+08"), 8);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt("0000000000000000000012"), 12);
}

TEST(IntConvert, RefusesEverythingElseWithTheProgramsText)
{
    for (const char* bad : {"", " ", "+", "-", "1a", "2 3", "- 3", "0x10", "1.5", "2147483648",
                            "-2147483649", "99999999999999999999", "\t5", "５"}) {
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << bad;
    }
    EXPECT_EQ(ErrorText([] { StrToInt("2a"); }), "'2a' is not a valid integer value");
    EXPECT_EQ(ErrorText([] { StrToInt(""); }), "'' is not a valid integer value");

    // The program's text is told apart from other messages, also for a piece that itself quotes it.
    EXPECT_TRUE(IsIntegerErrorText(ErrorText([] { StrToInt("2a"); })));
    EXPECT_TRUE(IsIntegerErrorText(IntegerErrorText("x' is not a valid integer value")));
    EXPECT_FALSE(IsIntegerErrorText("' is not a valid integer value"));
    EXPECT_FALSE(IsIntegerErrorText("开奖号码填写有错误"));
    EXPECT_FALSE(IsIntegerErrorText("'2a' is not a valid integer value."));
}
