#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ArgReader.h"
#include "history/DrawHistory.h"

namespace quorvane::cli {

// The --data value that names the real draw history the program carries, without a file.
inline constexpr const char* kBuiltinDataName = "builtin";

// The data file used without --data: "ssq.dxt" in the current folder when it exists, else the one
// in the program's data folder (DefaultDataFolder) when that exists, else "ssq.dxt".
std::string DefaultDataPath();

// The history named by --data (default DefaultDataPath(); "builtin" for the carried history),
// loaded and parsed. Throws UserError with the file error or the parse message.
DrawHistory LoadHistoryArg(const ArgReader& reader);

// As LoadHistoryArg, for commands that can do without draws: when --data is not given and the
// default file does not exist, the history is empty.
DrawHistory LoadOptionalHistoryArg(const ArgReader& reader);

// The usage problem of a command line that takes `words` positional words: the reader's error,
// else `missing` when there are fewer words, else "unexpected argument " and the first extra word;
// "" when there is none.
std::string ArgsProblem(const ArgReader& reader, std::size_t words = 0, const std::string& missing = {});

// Prints "quorvane-cli: <problem>" (its control bytes escaped, EscapeControlBytes) and the usage text
// on err; returns the usage exit code.
int UsageError(std::ostream& err, const std::string& problem, std::string_view usage);

// Parses a whole-number argument of an option; throws UserError with the integer message.
int IntArg(const std::string& text);

// The whole number of an option, or fallback when the option is not given; a value that is not a
// whole number throws UserError with the integer message.
int IntOption(const ArgReader& reader, const std::string& name, int fallback);

// Prints the lines, each followed by '\n', in one write.
void PrintLines(std::ostream& out, const std::vector<std::string>& lines);

} // namespace quorvane::cli
