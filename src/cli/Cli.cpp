#include "Cli.h"

#include <exception>
#include <ostream>

#include "OutputBuffer.h"
#include "text/AtomicFile.h"
#include "text/SplitText.h"

namespace quorvane::cli {

namespace {

struct Command
{
    const char* Name;
    CommandFn Run;
};

constexpr Command kCommands[] = {
    {"parse", RunParseCommand},         {"query", RunQueryCommand},       {"measures", RunMeasuresCommand},
    {"shrink", RunShrinkCommand},       {"prize", RunPrizeCommand},       {"level", RunLevelCommand},
    {"recommend", RunRecommendCommand}, {"chart", RunChartCommand},       {"health", RunHealthCommand},
    {"demo-data", RunDemoDataCommand},  {"backtest", RunBacktestCommand}, {"wheel", RunWheelCommand},
};

constexpr const char* kUsage = R"(usage: quorvane-cli COMMAND [OPTIONS]

  parse     --data FILE
  query     --data FILE --from ISSUE --count N
  measures  R1 R2 R3 R4 R5 R6 [--prev P1 P2 P3 P4 P5 P6]
  shrink    --data FILE [CONDITIONS] [--export FILE] [--list] [--steps]
  prize     --data FILE [CONDITIONS] --draw "01 02 09 21 30 32+05"
  level     --data FILE [CONDITIONS] --level L
  backtest  --data FILE --last N [CONDITIONS]
  recommend KIND --data FILE [--repeat K]
  chart     NAME --data FILE [-n N] [--start S]
  health    --data FILE (--numbers 1,2,3 | --tails 0,5)
  demo-data [--draws N] [--seed S]
  wheel     --numbers 01,02,... --guarantee M:T [--seconds S] [--seed N] [--iterations N]

shrink, prize and level also take --reduce T [--seconds S]: they work on a short list of the
survivors that keeps T reds (3, 4 or 5) whenever the winning reds are a survivor.

CONDITIONS: --conditions FILE.ini, any number of --set NAME=VALUE, and --tolerance MIN..MAX.
--data FILE: a data file, or "builtin" for the real draw history the program carries (up to
its last issue; use "./builtin" for a file of that name). Without --data: ssq.dxt in the current
folder, else the one in the program's data folder (beside the program, or ~/.local/share/Quorvane
for an installed program).)";

// Flushes the output at the end of a command: output that could not be written in full (a full
// disk, a closed pipe) is a failure, never a success with a file cut short.
int FinishOutput(int code, std::ostream& out, std::ostream& err)
{
    out.flush();
    if (out) {
        return code;
    }
    const auto* buffer = dynamic_cast<const OutputBuffer*>(out.rdbuf());
    const int error = buffer != nullptr ? buffer->Error() : 0;
    err << "quorvane-cli: " << kOutputWriteError;
    if (error != 0) {
        err << "：" << WriteFailureReason(error);
    }
    err << '\n';
    return code == kExitOk ? kExitUserError : code;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage << '\n';
        return FinishOutput(args.empty() ? kExitUsage : kExitOk, out, err);
    }
    for (const Command& c : kCommands) {
        if (args[0] == c.Name) {
            const std::vector<std::string> rest(args.begin() + 1, args.end());
            int code = kExitUserError;
            try {
                code = c.Run(rest, out, err);
            } catch (const std::exception& e) {
                // A UserError carries the program's message; any other failure is reported alike.
                err << e.what() << '\n';
            }
            return FinishOutput(code, out, err);
        }
    }
    err << "quorvane-cli: unknown command " << EscapeControlBytes(args[0]) << '\n' << kUsage << '\n';
    return kExitUsage;
}

} // namespace quorvane::cli
