#pragma once

#include <iosfwd>
#include <string>

#include "ArgReader.h"
#include "history/DrawHistory.h"

namespace quorvane::cli {

// The data file named by --data (default "ssq.dxt" in the current folder), loaded and parsed.
// Throws UserError with the file error or the parse message.
DrawHistory LoadHistoryArg(const ArgReader& reader);

// As LoadHistoryArg, for commands that can do without draws: when --data is not given and the
// default file does not exist, the history is empty.
DrawHistory LoadOptionalHistoryArg(const ArgReader& reader);

// Prints "quorvane-cli: <problem>" and the usage text on err; returns the usage exit code.
int UsageError(std::ostream& err, const std::string& problem, const char* usage);

// Parses a whole-number argument of an option; throws UserError with the integer message.
int IntArg(const std::string& text);

} // namespace quorvane::cli
