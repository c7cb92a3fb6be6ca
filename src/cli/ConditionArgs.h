#pragma once

#include <set>
#include <string>

#include "ArgReader.h"
#include "shrink/ShrinkConditions.h"

// The CONDITIONS of the commands that run a shrink (shrink, prize, level):
//   --conditions FILE       a condition file, read with the load rules of the condition file
//   --set NAME=VALUE        any number of times; NAME is a condition-file key or the name of a
//                           condition control the file does not store, VALUE in its encoding
// The conditions start at the state program start leaves them in, then the file is loaded, then
// each --set is applied in the order given.

namespace quorvane::cli {

inline constexpr const char* kConditionsOption = "--conditions";
inline constexpr const char* kSetOption = "--set";
inline constexpr const char* kConditionsUsage = "[--conditions FILE] [--set NAME=VALUE]...";

// Adds the two options to the sets an ArgReader is built with.
void AddConditionOptions(std::set<std::string>& valueOptions, std::set<std::string>& repeatable);

// Builds the conditions from the options. Returns a usage problem ("" when there is none): an
// unknown NAME, a --set without "=". A VALUE that does not convert throws UserError, and so does a
// condition file that cannot be read or holds a malformed range piece.
std::string ReadConditionArgs(const ArgReader& reader, ShrinkConditions& conditions);

} // namespace quorvane::cli
