#include "ReduceArgs.h"

#include "wheel/ResultReduce.h"
#include "wheel/WheelInput.h"
#include "wheel/WheelReport.h"

namespace quorvane::cli {

namespace {

constexpr const char* kReduceOption = "--reduce";
constexpr const char* kSecondsOption = "--seconds";

} // namespace

std::set<std::string> WithReduceOptions(std::set<std::string> valueOptions)
{
    valueOptions.insert({kReduceOption, kSecondsOption});
    return valueOptions;
}

std::string ReadReduceArgs(const ArgReader& reader, ReduceArgs& args)
{
    const auto keep = reader.Value(kReduceOption);
    const auto seconds = reader.Value(kSecondsOption);
    if (seconds && !keep) {
        return std::string(kSecondsOption) + " needs " + kReduceOption;
    }
    if (keep) {
        args.Keep = ParseReduceKeep(*keep);
        args.Seconds = seconds ? ParseSearchSeconds(*seconds) : kReduceSeconds;
    }
    return {};
}

std::vector<std::string> ReduceRun(const ReduceArgs& args, ShrinkArgsRun& run)
{
    const TCodeRedArrArr survivors = SurvivorTickets(run.Pool, run.Flags);
    SearchOptions options;
    options.Seconds = args.Seconds;
    const ReducedResult reduced = ReduceSurvivors(survivors, args.Keep.value_or(kReduceLeastKeep), options);
    std::vector<std::string> lines = ReductionReportLines(reduced, survivors);
    run.Flags = FlagsOfTickets(reduced.Tickets);
    return lines;
}

} // namespace quorvane::cli
