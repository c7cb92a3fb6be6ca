// Speed of the shrink analysis: the verdicts of every active condition over the pool, the run with
// a tolerance, and the back-test, each with every one of the 49 stages active (the lenient
// configuration keeps 32 reds in the base, the heavy one 27). Run with --benchmark_repetitions=7
// --benchmark_report_aggregates_only for medians.

#include <benchmark/benchmark.h>

#include "ShrinkBenchConfigs.h"
#include "shrink/ConditionVerdicts.h"

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

} // namespace

BENCHMARK(BM_VerdictsAllLenient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdictsHeavy)->Unit(benchmark::kMillisecond);
