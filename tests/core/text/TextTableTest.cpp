#include "text/TextTable.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(TextTable, WideCharactersTakeTwoColumns)
{
    EXPECT_EQ(DisplayWidth(""), 0);
    EXPECT_EQ(DisplayWidth("ab 12"), 5);
    EXPECT_EQ(DisplayWidth("条件一·奇偶比设定"), 17); // the middle dot is narrow
    EXPECT_EQ(DisplayWidth("≤ＡＣ 值≤"), 9);          // full-width letters are wide, ≤ is not
}

TEST(TextTable, ColumnsAlignAndNoLineEndsInSpaces)
{
    EXPECT_EQ(FormatTable({{"序号", "名"}, {"12", "长名字"}, {"3"}}, {Align::Right, Align::Left}),
              (std::vector<std::string>{"序号  名", "  12  长名字", "   3"}));
    EXPECT_EQ(FormatTable({{"a", "bb", "c"}, {"ccc", "d"}}, {Align::Left, Align::Left, Align::Left}),
              (std::vector<std::string>{"a    bb  c", "ccc  d"}));
    EXPECT_TRUE(FormatTable({}, {}).empty());
}
