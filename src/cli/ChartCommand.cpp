#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "charts/ChartCsv.h"
#include "charts/ChartDump.h"
#include "charts/ChartPages.h"
#include "text/UserError.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage = "quorvane-cli chart NAME --data FILE [-n N] [--start S] [--csv FILE]";

void PrintHelp(std::ostream& out)
{
    out << "usage: " << kUsage << "\n\n"
        << "NAME is a page's object name or alias; -n defaults to " << kDefaultChartN
        << ", --start (the rotation chart's first number, 1..33) to " << kDefaultRotationStart << ".\n"
        << "--csv FILE also writes the chart's cells as a table file (UTF-8 with a byte-order mark).\n\n"
        << "pages:\n";
    for (const ChartPage& p : ChartPages()) {
        out << "  " << p.ObjectName << '\t' << p.Alias << '\t' << p.Caption << '\n';
    }
}

} // namespace

int RunChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader(args, {"--data", "-n", "--start", "--csv"}, {"--help"});
    if (reader.Ok() && reader.Flag("--help")) {
        PrintHelp(out);
        return kExitOk;
    }
    if (const std::string problem = ArgsProblem(reader, 1, "a chart NAME is required"); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const std::string& name = reader.Positional().front();
    const ChartPage* page = FindChartPage(name);
    if (page == nullptr) {
        return UsageError(err, "unknown chart " + name + " (quorvane-cli chart --help lists them)", kUsage);
    }
    const int n = IntOption(reader, "-n", kDefaultChartN);
    const int start = IntOption(reader, "--start", kDefaultRotationStart);
    if (start < 1 || start > 33) {
        return UsageError(err, "--start must be between 1 and 33", kUsage);
    }
    const DrawHistory history = LoadHistoryArg(reader);
    ChartModels models;
    const BuildResult result = page->Build(models, history, n, start);
    if (!result.Ok()) {
        throw UserError(result.Message);
    }
    if (const auto path = reader.Value("--csv")) {
        WriteChartCsv(*path, ChartPageCsv(*page, models));
    }
    out << DumpChartPage(*page, models);
    return kExitOk;
}

} // namespace quorvane::cli
