// The shrink run from start to result text: no condition, the heavy configuration, the
// most-survive configuration and all 49 stages at their most lenient, each also timed with the
// stage-by-stage reference. Run with --benchmark_repetitions=7 --benchmark_report_aggregates_only
// for medians.

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "ShrinkBenchConfigs.h"
#include "ShrinkReference.h"
#include "shrink/ShrinkRun.h"
#include "shrink/SurvivorLines.h"

namespace {

using namespace quorvane;

std::tm FixedTime()
{
    std::tm t{};
    t.tm_year = 110;
    t.tm_mon = 3;
    t.tm_mday = 1;
    return t;
}

// The reference run: the same pool, flags and result text around the stage-by-stage sweeps.
std::vector<std::string> ReferenceRun(const ShrinkConditions& c, const DrawHistory& history, TicketPool& pool,
                                      SurvivorFlags& flags)
{
    BuildTicketPool(pool);
    flags.assign(pool.size(), 1);
    reference::RunAllStages(c, history, pool, flags);
    std::vector<std::string> lines;
    if (CountSurvivors(flags) <= kShrinkListLimit) {
        FormatSurvivorLines(pool, flags, lines);
    }
    return lines;
}

void Fast(benchmark::State& state, const ShrinkConditions& c)
{
    const DrawHistory history = benchconfig::History();
    TicketPool pool;
    SurvivorFlags flags;
    ShrinkRunOptions options;
    options.Clock = FixedTime;
    // Both runs must keep the same tickets.
    RunShrink(c, history, pool, flags, options);
    TicketPool refPool;
    SurvivorFlags refFlags;
    ReferenceRun(c, history, refPool, refFlags);
    if (flags != refFlags) {
        state.SkipWithError("the fast run and the reference keep different tickets");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunShrink(c, history, pool, flags, options));
    }
    state.counters["survivors"] = CountSurvivors(flags);
}

void Reference(benchmark::State& state, const ShrinkConditions& c)
{
    const DrawHistory history = benchconfig::History();
    TicketPool pool;
    SurvivorFlags flags;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReferenceRun(c, history, pool, flags));
    }
    state.counters["survivors"] = CountSurvivors(flags);
}

void BM_ShrinkNoCondition(benchmark::State& state)
{
    Fast(state, ShrinkConditions{});
}
void BM_ShrinkHeavy(benchmark::State& state)
{
    Fast(state, benchconfig::Heavy());
}
void BM_ShrinkMostSurvive(benchmark::State& state)
{
    Fast(state, benchconfig::MostSurvive());
}
void BM_ShrinkAllLenient(benchmark::State& state)
{
    Fast(state, benchconfig::AllLenient());
}
void BM_ReferenceHeavy(benchmark::State& state)
{
    Reference(state, benchconfig::Heavy());
}
void BM_ReferenceMostSurvive(benchmark::State& state)
{
    Reference(state, benchconfig::MostSurvive());
}

} // namespace

BENCHMARK(BM_ShrinkNoCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShrinkHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShrinkMostSurvive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShrinkAllLenient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceMostSurvive)->Unit(benchmark::kMillisecond);
