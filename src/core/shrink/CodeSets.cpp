#include "shrink/CodeSets.h"

#include <algorithm>

#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

bool NothingChecked(std::string_view text)
{
    return TrimText(text).empty();
}

std::string Join(std::string_view members, std::string_view counts)
{
    return std::string(members) + "&" + std::string(counts);
}

} // namespace

const std::array<CodeSetGroup, 2>& CodeSetGroups()
{
    static const std::array<CodeSetGroup, 2> groups{{
        {"RcmSheet2Gbx1", "选号匹配：1-33个,匹配个数0-6个", 6, "CodeSelLbx1", "Sheet2NumClearBt1",
         "Sheet2AddSetBt1", "Sheet2DelSetBt1", "Sheet2CodeStatBt1"},
        {"RcmSheet2Gbx2", "选号匹配：1-11个,匹配个数1-4个", 4, "CodeSelLbx2", "Sheet2NumClearBt2",
         "Sheet2AddSetBt2", "Sheet2DelSetBt2", "Sheet2CodeStatBt2"},
    }};
    return groups;
}

std::string MakeCodeSetEntry(std::string_view members, std::string_view counts)
{
    if (NothingChecked(members) || NothingChecked(counts)) {
        throw UserError(kCodeSetEntryMessage);
    }
    return Join(members, counts);
}

std::string MakeTailSetEntry(std::string_view digits, std::string_view counts)
{
    if (NothingChecked(digits)) {
        throw UserError(kTailSetNoDigitMessage);
    }
    if (NothingChecked(counts)) {
        throw UserError(kTailSetNoCountMessage);
    }
    return Join(digits, counts);
}

CodeSetParts SplitCodeSetEntry(std::string_view entry)
{
    const std::size_t amp = entry.find('&');
    if (amp == std::string_view::npos) {
        return {std::string(entry), std::string()};
    }
    return {std::string(entry.substr(0, amp)), std::string(entry.substr(amp + 1))};
}

void RemoveEntries(std::vector<std::string>& entries, std::vector<std::size_t> selected)
{
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        if (*it < entries.size()) {
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*it));
        }
    }
}

} // namespace quorvane
