#include "shrink/SelectorChecks.h"

namespace quorvane {

namespace {

struct GroupTexts
{
    const char* Exceeds;
    const char* Complete;
};

GroupTexts TextsOf(SelectorGroup group)
{
    switch (group) {
    case SelectorGroup::SixRows:
        return {"6行选择的出球总数超过6个，请重新选择!", "6行全部选择以后，选择的出球总数应该是6个！现在是"};
    case SelectorGroup::SixCols:
        return {"6列选择的出球总数超过6个，请重新选择!", "6列全部选择以后，各列选择的出球总数应该是6个！现在是"};
    case SelectorGroup::FourRows:
        return {"4行选择的出球总数超过6个，请重新选择!", "4行全部选择以后，选择的出球总数应该是6个！现在是"};
    case SelectorGroup::ThreeCols:
        break;
    }
    return {"3列选择的出球总数超过6个，请重新选择!", "3列全部选择以后，选择的出球总数应该是6个！现在是"};
}

} // namespace

SelectorCheck CheckSelectorGroup(SelectorGroup group, const std::vector<int>& items)
{
    const GroupTexts texts = TextsOf(group);
    int total = 0;
    bool allChosen = true;
    for (const int item : items) {
        if (item > 0) {
            total += item - 1;
        } else {
            allChosen = false;
        }
    }
    SelectorCheck check;
    if (total > 6) {
        check.Messages.emplace_back(texts.Exceeds);
        check.ResetChanged = true;
    }
    // Judged on the counts as they were before any reset.
    if (allChosen && total != 6) {
        check.Messages.push_back(texts.Complete + std::to_string(total) + "个，请重新选择!");
        check.ResetChanged = true;
    }
    return check;
}

} // namespace quorvane
