#include "wheel/WheelInput.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

using namespace quorvane;
using quorvane::test::ErrorText;

TEST(WheelInput, NumbersAreReadStrictly)
{
    EXPECT_EQ(ParseWheelNumbers("20,03, 01 ,5 7,9,11"), (std::vector<int>{1, 3, 5, 7, 9, 11, 20}));
    EXPECT_EQ(ParseWheelNumbers("01 02 03 04 05 06 07").size(), 7u);
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers("1,2,3,4,5,6"); }),
              "旋转矩阵需要7到33个红球号码，现在有6个。");
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers(""); }), "旋转矩阵需要7到33个红球号码，现在有0个。");
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers("1,2,3,4,5,6,34"); }), "红球号码必须在01到33之间：34");
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers("0,2,3,4,5,6,7"); }), "红球号码必须在01到33之间：0");
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers("1,2,3,4,5,6,06"); }), "红球号码重复：06");
    EXPECT_EQ(ErrorText([] { ParseWheelNumbers("1,2,3,4,5,6,七"); }), "'七' is not a valid integer value");
}

TEST(WheelInput, GuaranteesInBothSpellings)
{
    EXPECT_EQ(ParseWheelGuarantee("6:5"), (WheelGuarantee{6, 5}));
    EXPECT_EQ(ParseWheelGuarantee(" 中4保3 "), (WheelGuarantee{4, 3}));
    EXPECT_EQ(ParseWheelGuarantee("5：4"), (WheelGuarantee{5, 4}));
    const std::string choices = "。可选：中6保6(6:6)、中6保5(6:5)、中6保4(6:4)、中6保3(6:3)、中5保5(5:5)、"
                                "中5保4(5:4)、中4保4(4:4)、中4保3(4:3)、中3保3(3:3)";
    EXPECT_EQ(ErrorText([] { ParseWheelGuarantee("5:3"); }), "不支持的保证条件：5:3" + choices);
    EXPECT_EQ(ErrorText([] { ParseWheelGuarantee("中6"); }), "不支持的保证条件：中6" + choices);
    EXPECT_EQ(ErrorText([] { ParseWheelGuarantee("6:"); }), "不支持的保证条件：6:" + choices);
}

TEST(WheelInput, SearchSettings)
{
    EXPECT_EQ(ParseReduceKeep(" 4"), 4);
    EXPECT_EQ(ErrorText([] { ParseReduceKeep("6"); }), "保证缩水只能保3、4或5个红球：6");
    EXPECT_EQ(ErrorText([] { ParseReduceKeep("x"); }), "保证缩水只能保3、4或5个红球：x");
    EXPECT_DOUBLE_EQ(ParseSearchSeconds("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseSearchSeconds("3600"), 3600);
    for (const char* bad : {"0", "-1", "3601", "1e3", "nan", "", "2s"}) {
        EXPECT_EQ(ErrorText([bad] { ParseSearchSeconds(bad); }),
                  std::string("搜索时间必须是大于0、不超过3600的秒数：") + bad);
    }
    EXPECT_EQ(ParseSearchSeed("4294967295"), 4294967295u);
    EXPECT_FALSE(ErrorText([] { ParseSearchSeed("4294967296"); }).empty());
    EXPECT_FALSE(ErrorText([] { ParseSearchSeed("-1"); }).empty());
    EXPECT_EQ(ParseSearchSteps("1000"), 1000u);
    EXPECT_FALSE(ErrorText([] { ParseSearchSteps("0"); }).empty());
}
