#include "shrink/ShrinkCaptions.h"

#include "text/FormatNumbers.h"

namespace quorvane {

std::vector<std::string> NumberCaptions(int first, int last)
{
    std::vector<std::string> captions;
    for (int i = first; i <= last; ++i) {
        captions.push_back(std::to_string(i));
    }
    return captions;
}

std::vector<std::string> TwoDigitCaptions(int last)
{
    std::vector<std::string> captions;
    for (int i = 1; i <= last; ++i) {
        captions.push_back(Pad2(i));
    }
    return captions;
}

const std::vector<std::string>& RatioCaptions()
{
    static const std::vector<std::string> captions{"0:6", "1:5", "2:4", "3:3", "4:2", "5:1", "6:0"};
    return captions;
}

std::vector<std::string> PairCaptions(int count)
{
    std::vector<std::string> captions;
    for (int i = 0; i < count; ++i) {
        captions.push_back(std::to_string(i) + "对");
    }
    return captions;
}

const std::vector<std::string>& RowColSelectorItems()
{
    static const std::vector<std::string> items{"N", "0", "1", "2", "3"};
    return items;
}

const std::vector<std::string>& LongestRunItems()
{
    static const std::vector<std::string> items{"2个", "3个", "4个", "5个", "6个"};
    return items;
}

const std::vector<std::string>& ParityItems()
{
    static const std::vector<std::string> items{"不确定", "奇数", "偶数"};
    return items;
}

const std::vector<std::string>& TailHeightItems()
{
    static const std::vector<std::string> items{"不确定", "高数", "低数"};
    return items;
}

const std::array<const char*, kRegularItemCount>& RegularItemLabels()
{
    static const std::array<const char*, kRegularItemCount> labels{
        "≤奇号个数≤", "≤大号个数≤", "≤号码和值≤",     "≤尾数和值≤",    "≤最大号码≤", "≤最小号码≤",
        "≤奇号连续≤", "≤偶号连续≤", "≤首尾间距≤",     "≤ＡＣ 值≤",     "≤连号个数≤", "≤连号组数≤",
        "≤质号个数≤", "≤尾数组数≤", "≤最大邻号间距≤", "≤最小邻号间距≤"};
    return labels;
}

} // namespace quorvane
