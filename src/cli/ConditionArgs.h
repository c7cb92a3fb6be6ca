#pragma once

#include <set>
#include <string>
#include <vector>

#include "ArgReader.h"
#include "base/TicketPool.h"
#include "shrink/ShrinkConditions.h"
#include "shrink/ShrinkRun.h"

// The commands that run a shrink (shrink, prize, level) take --data and the CONDITIONS:
//   --conditions FILE       a condition file, read with the load rules of the condition file
//   --set NAME=VALUE        any number of times; NAME is a condition-file key or the name of a
//                           condition control the file does not store, VALUE in its encoding
//   --tolerance MIN..MAX    keep the tickets that fail MIN..MAX active conditions (0..0 by default)
// The conditions start at the state program start leaves them in, then the file is loaded, then
// each --set is applied in the order given, then --tolerance.

namespace quorvane::cli {

inline constexpr const char* kShrinkArgsUsage =
    "[--data FILE] [--conditions FILE] [--set NAME=VALUE]... [--tolerance MIN..MAX]";

// The reader of a command that runs a shrink: --data, the CONDITIONS and the command's own options
// and switches.
ArgReader ShrinkArgReader(const std::vector<std::string>& args, std::set<std::string> valueOptions,
                          std::set<std::string> flags = {});

// A shrink run made from the command line.
struct ShrinkArgsRun
{
    ShrinkConditions Conditions;
    TicketPool Pool;
    SurvivorFlags Flags;
    std::vector<std::string> Lines; // the result memo
};

// Builds the conditions from the options. Returns a usage problem ("" when there is none): an
// unknown NAME, a --set without "=", a picker or selector VALUE with a piece that names no cell
// (StrictSettingProblem). A VALUE that does not convert throws UserError, and so do a
// condition file that cannot be read or holds a malformed piece, a --tolerance that is not a
// valid MIN..MAX and, with the fault-tolerant filter on, a reference line that CheckReferenceLines
// refuses.
std::string ReadConditionArgs(const ArgReader& reader, ShrinkConditions& conditions);

// Builds the conditions as ReadConditionArgs does and runs the shrink over the draws of --data
// (none when --data is not given and the default data file does not exist); returns its usage
// problem. A data file that cannot be read or parsed throws UserError.
std::string RunShrinkFromArgs(const ArgReader& reader, ShrinkArgsRun& run,
                              const ShrinkRunOptions& options = {});

} // namespace quorvane::cli
