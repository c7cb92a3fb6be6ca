#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Code sets: list entries that pair a set of numbers (or tail digits) with the hit counts a ticket
// may have in it, written as the checked captions of the two pickers joined by ",", an "&" between
// them (03,08,16&1,2). The pages "自选号码x", "自选号码" and "匹配" build them from their pickers
// and load a selected entry back into the pickers.

namespace quorvane {

inline constexpr const char* kCodeSetEntryMessage = "请勾选若干个自选号码以及最少一个入奖数目！！";
inline constexpr const char* kTailSetNoDigitMessage = "请选择最少一个号码数目！！";
inline constexpr const char* kTailSetNoCountMessage = "请选择最少一个入奖数目！！";

// The groups of the hidden page "自选号码x": a number picker (cells "1".."33", eleven per row), a
// count picker (cells "0".."CountLast", CountLast + 1 per row), a list and four buttons
// ("清除号码", "增加", "删除", "号码体检").
struct CodeSetGroup
{
    const char* GroupName;
    const char* Caption;
    int CountLast;
    const char* ListName;
    const char* ClearButton;
    const char* AddButton;
    const char* DeleteButton;
    const char* HealthButton;
};
const std::array<CodeSetGroup, 2>& CodeSetGroups();

// The entry of a number set: members and counts are the checked texts of the two pickers (captions
// joined by ","). Throws UserError(kCodeSetEntryMessage) when either picker has nothing checked.
std::string MakeCodeSetEntry(std::string_view members, std::string_view counts);

// The entry of a tail-digit set (page "匹配"): throws UserError(kTailSetNoDigitMessage) without a
// digit, UserError(kTailSetNoCountMessage) without a count.
std::string MakeTailSetEntry(std::string_view digits, std::string_view counts);

// An entry split for loading back into its pickers: the text before the first "&" and the text
// after it (an entry without "&" is all members, no counts).
struct CodeSetParts
{
    std::string Members;
    std::string Counts;
};
CodeSetParts SplitCodeSetEntry(std::string_view entry);

// Removes the selected entries (indices into the list; duplicates and indices past the end are
// ignored), from the last to the first.
void RemoveEntries(std::vector<std::string>& entries, std::vector<std::size_t> selected);

} // namespace quorvane
