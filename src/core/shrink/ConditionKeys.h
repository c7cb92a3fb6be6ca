#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shrink/ShrinkConditions.h"

// The text form of every condition control: one key per control (or per cell of a picker that is
// stored cell by cell), in the order in which the condition file writes them, each with its
// encoding, its value for a file that lacks the key, and the reader and writer of its field.

namespace quorvane {

enum class ConditionEncoding
{
    Bool,         // "1" checked, "0" clear; reading takes any non-zero integer as checked
    Integer,      // decimal; for a drop-down list the item index
    Range,        // "min,max"; an empty value leaves the range unchanged
    PickerList,   // captions of the checked cells of a check row, joined by ","
    SelectorList, // captions of the checked cells of a coloured selector, joined by "#"
    EntryList,    // the entries of a list box (or the lines of a memo) joined by "#"
    Text,         // the edit's text, unchanged
};

struct ConditionKey
{
    std::string Name;
    ConditionEncoding Encoding = ConditionEncoding::Text;
    // True for the keys of the condition file's section "条件设置"; false for the controls that only
    // --set reaches and for the analysis keys.
    bool Stored = true;
    // True for the analysis settings (tolerance, exclusion of past draws), which the condition file
    // keeps in a section of their own.
    bool Analysis = false;
    // The value that a condition file without this key reads as.
    std::string MissingValue;
    // The captions of the cells, for a picker or selector list; empty for the other encodings.
    std::vector<std::string> Captions;
    // The field's value in its encoding.
    std::function<std::string(const ShrinkConditions&)> Get;
    // Sets the field from a value in its encoding. A value that does not convert throws UserError
    // (the integer message, or kItemIndexError for a drop-down index outside its list); a range
    // or picker text that fails part-way keeps the parts already set.
    std::function<void(ShrinkConditions&, std::string_view)> Set;
};

// Every key: the condition file's keys in the order they are written, then the controls that the
// file does not store (tj1LianGeShuCbb, RowCbb1..6, ColCbb1..6, ssTb3SheetGbx1Sp1/Sp2,
// ssTb4Gbx1Chk, ssTb4SheetGbx1Memo, ssTb4Gbx1MChk), then the analysis keys (ToleranceSpEd,
// ExcludeDrawnChk, ExcludeDrawnSp).
const std::vector<ConditionKey>& ConditionKeys();

// The key of that name, compared without regard to ASCII letter case; nullptr when there is none.
const ConditionKey* FindConditionKey(std::string_view name);

// Applies NAME=VALUE in the encoding of that key. Returns false, changing nothing, for an unknown
// name; throws UserError for a value that does not convert.
[[nodiscard]] bool ApplyConditionSetting(ShrinkConditions& conditions, std::string_view name,
                                         std::string_view value);

// The command line's stricter reading of NAME=VALUE for a known key, where the condition file
// stays lenient: a picker or selector value with a piece that names no cell (which the file's
// reading ignores) is refused. Returns the problem, naming the piece, the key and its valid
// captions, or "" when the value is acceptable (its conversion may still fail as for the file).
std::string StrictSettingProblem(const ConditionKey& key, std::string_view value);

// "'<value>' is not a valid item index of <key>": a drop-down index outside its list.
std::string ItemIndexErrorText(std::string_view value, std::string_view key);

} // namespace quorvane
