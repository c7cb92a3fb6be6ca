// Speed of the shrink analysis: the verdicts of every active condition over the pool, the run with
// a tolerance, and the back-test, each with every one of the 49 stages active. The lenient
// configuration keeps 32 reds in the base and has 51 conditions active, the heavy one 27 reds and
// 49 conditions; "every condition" adds all sixteen ranges of stage 48 and the exclusion of past
// draws (64). Run with --benchmark_repetitions=7 --benchmark_report_aggregates_only for medians.

#include <benchmark/benchmark.h>

#include "ShrinkBenchConfigs.h"
#include "history/BuiltinHistory.h"
#include "shrink/Backtest.h"
#include "shrink/ConditionVerdicts.h"
#include "shrink/ShrinkRun.h"

namespace {

using namespace quorvane;

void Verdicts(benchmark::State& state, const ShrinkConditions& c)
{
    const DrawHistory history = benchconfig::History();
    std::size_t conditions = 0;
    for (auto _ : state) {
        const ConditionVerdicts v = ComputeVerdicts(c, history);
        conditions = v.Conditions.size();
        benchmark::DoNotOptimize(v.Base.data());
    }
    state.counters["conditions"] = static_cast<double>(conditions);
}

void BM_VerdictsAllLenient(benchmark::State& state)
{
    Verdicts(state, benchconfig::AllLenient());
}
void BM_VerdictsHeavy(benchmark::State& state)
{
    Verdicts(state, benchconfig::Heavy());
}
void BM_VerdictsEveryCondition(benchmark::State& state)
{
    Verdicts(state, benchconfig::EveryCondition());
}

// The whole run with tolerance 0..2, result memo included.
void Tolerance(benchmark::State& state, ShrinkConditions c)
{
    c.ToleranceSpEd = {0, 2};
    const DrawHistory history = benchconfig::History();
    TicketPool pool;
    SurvivorFlags flags;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunShrink(c, history, pool, flags));
    }
    state.counters["survivors"] = CountSurvivors(flags);
}

void BM_ToleranceAllLenient(benchmark::State& state)
{
    Tolerance(state, benchconfig::AllLenient());
}
void BM_ToleranceEveryCondition(benchmark::State& state)
{
    Tolerance(state, benchconfig::EveryCondition());
}

// A back-test of the last 1,000 of the real draws the program carries, text included.
void Backtest(benchmark::State& state, const ShrinkConditions& c)
{
    const DrawHistory history = BuiltinHistory();
    std::int32_t kept = 0;
    for (auto _ : state) {
        const BacktestResult r = RunBacktest(c, history, 1000);
        benchmark::DoNotOptimize(BacktestLines(r));
        kept = r.WholeKept;
    }
    state.counters["kept"] = kept;
}

void BM_BacktestAllLenient(benchmark::State& state)
{
    Backtest(state, benchconfig::AllLenient());
}
void BM_BacktestEveryCondition(benchmark::State& state)
{
    Backtest(state, benchconfig::EveryCondition());
}

} // namespace

BENCHMARK(BM_VerdictsAllLenient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdictsHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdictsEveryCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranceAllLenient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToleranceEveryCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestAllLenient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BacktestEveryCondition)->Unit(benchmark::kMillisecond);
