#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvane::cli {

// Exit codes: 0 success, 1 a user error (the program's own message on err), 2 a usage error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUserError = 1;
inline constexpr int kExitUsage = 2;

// The message (after "quorvane-cli: ") when the output could not be written in full; the reason
// follows it where the system gave one.
inline constexpr const char* kOutputWriteError = "无法写入标准输出";

// Runs one command line (without the program name). Output is UTF-8, one line per output line.
// The output is flushed at the end; when it could not be written in full, the message goes to
// err and the exit code is 1 (or the command's own failure code).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands; args excludes the command name. Each is declared in the file that defines it.
using CommandFn = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunParseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunQueryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDemoDataCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMeasuresCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPrizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunLevelCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunBacktestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunHealthCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRecommendCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunWheelCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quorvane::cli
