#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ArgReader.h"
#include "ConditionArgs.h"

// The commands on a shrink result (shrink, prize, level) take --reduce T [--seconds S]: the run's
// survivors are reduced to a short list that still guarantees T reds (see wheel/ResultReduce.h),
// and the command works on that list.

namespace quorvane::cli {

inline constexpr const char* kReduceArgsUsage = "[--reduce T [--seconds S]]";

// The option names to add to a command's reader.
std::set<std::string> WithReduceOptions(std::set<std::string> valueOptions);

struct ReduceArgs
{
    std::optional<int> Keep; // set when --reduce is given
    double Seconds = 0;
};

// Reads --reduce and --seconds before the run: a value out of range throws UserError; returns a
// usage problem ("" when there is none) for --seconds without --reduce.
std::string ReadReduceArgs(const ArgReader& reader, ReduceArgs& args);

// Reduces the survivors of the run and leaves only the chosen tickets in run.Flags; returns the
// lines of the reduced list (verified by the checker). An empty result throws UserError.
std::vector<std::string> ReduceRun(const ReduceArgs& args, ShrinkArgsRun& run);

} // namespace quorvane::cli
