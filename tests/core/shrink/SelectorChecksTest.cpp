#include "shrink/SelectorChecks.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using Messages = std::vector<std::string>;

TEST(SelectorChecks, MoreThanSixIsRefusedAndTheChangedSelectorGoesBack)
{
    // RowCbb1 = "3", RowCbb2 = "3", then RowCbb3 = "1": seven numbers in six rows.
    const SelectorCheck check = CheckSelectorGroup(SelectorGroup::SixRows, {4, 4, 2, 0, 0, 0});
    EXPECT_EQ(check.Messages, Messages{"6行选择的出球总数超过6个，请重新选择!"});
    EXPECT_TRUE(check.ResetChanged);
    // Six exactly, or fewer with some rows open, is fine.
    EXPECT_FALSE(CheckSelectorGroup(SelectorGroup::SixRows, {4, 4, 1, 0, 0, 0}).ResetChanged);
    EXPECT_TRUE(CheckSelectorGroup(SelectorGroup::SixRows, {4, 2, 0, 0, 0, 0}).Messages.empty());
}

TEST(SelectorChecks, AGroupWithEverySelectorChosenMustComeToSix)
{
    const SelectorCheck low = CheckSelectorGroup(SelectorGroup::ThreeCols, {2, 2, 3});
    EXPECT_EQ(low.Messages, Messages{"3列全部选择以后，选择的出球总数应该是6个！现在是4个，请重新选择!"});
    EXPECT_TRUE(low.ResetChanged);
    EXPECT_TRUE(CheckSelectorGroup(SelectorGroup::ThreeCols, {3, 3, 3}).Messages.empty());
    // Over six with every selector chosen: both messages, the second with the total before the reset.
    const SelectorCheck high = CheckSelectorGroup(SelectorGroup::FourRows, {4, 4, 2, 2});
    EXPECT_EQ(high.Messages, (Messages{"4行选择的出球总数超过6个，请重新选择!",
                                       "4行全部选择以后，选择的出球总数应该是6个！现在是8个，请重新选择!"}));
    EXPECT_EQ(CheckSelectorGroup(SelectorGroup::SixCols, {1, 1, 1, 1, 1, 1}).Messages,
              Messages{"6列全部选择以后，各列选择的出球总数应该是6个！现在是0个，请重新选择!"});
}

} // namespace
} // namespace quorvane

#include "shrink/ReferenceSets.h"
#include "text/UserError.h"

namespace quorvane {
namespace {

TEST(ReferenceLines, AcceptSetsOfSixOrMoreNumbersAndNameTheFirstBadLine)
{
    EXPECT_NO_THROW(CheckReferenceLines({"01 02 03 04 05 06", "", "03 08 14 21 27 33 01 02 09 10 11 12 "}));
    const std::vector<std::vector<std::string>> bad{
        {"01 02 03 04 05 06", "01 02 03 04 05"}, // five numbers
        {"01 02 03 04 05 06", "01 02 03 04 05 34"},
        {"01 02 03 04 05 06", "01 02 03 04 05 05"},
        {"01 02 03 04 05 06", "01,02,03,04,05,06"},
    };
    for (const auto& lines : bad) {
        try {
            CheckReferenceLines(lines);
            ADD_FAILURE() << lines[1];
        } catch (const UserError& e) {
            EXPECT_EQ(std::string(e.what()), ReferenceLineErrorText(2, lines[1]));
        }
    }
}

} // namespace
} // namespace quorvane
