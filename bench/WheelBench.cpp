// Wheels and the guaranteed reduction at their default budgets, one run per case: the sizes reached
// are the counters (tickets; record = best published size of the covering design where there is
// one; found_ms = when the search found that size), the time is the whole build. The checker is timed on its
// largest cases.
//
// The reduction runs on the survivors of the heavy configuration. Its stage that compares with the
// latest draw keeps every tail count, so the survivors are the same for every history; set
// QUORVANE_HISTORY to a data file (the real draw history) to run it on those draws anyway.
// Run with --benchmark_filter=... to pick cases; all of them take about two minutes.

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <vector>

#include "ShrinkBenchConfigs.h"
#include "history/DataFile.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ShrinkRun.h"
#include "wheel/ResultReduce.h"
#include "wheel/WheelBuilder.h"
#include "wheel/WheelCheck.h"

namespace {

using namespace quorvane;

std::vector<int> FirstNumbers(int count)
{
    std::vector<int> numbers;
    for (int n = 1; n <= count; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// Best published sizes of C(v, 6, 5), v = 7..16.
constexpr int kFiveRecords[] = {6, 12, 30, 50, 100, 132, 245, 371, 578, 808};

void BuildCase(benchmark::State& state, WheelGuarantee guarantee)
{
    const auto v = static_cast<int>(state.range(0));
    const std::vector<int> numbers = FirstNumbers(v);
    Wheel wheel;
    for (auto _ : state) {
        SearchOptions options; // the command line's budget: 2 s, seed 1
        options.Seconds = 2.0;
        wheel = BuildWheel(numbers, guarantee, options);
    }
    if (!CheckWheel(numbers, wheel.Tickets, guarantee).Holds) {
        state.SkipWithError("the checker rejects the wheel");
        return;
    }
    state.counters["tickets"] = static_cast<double>(wheel.Tickets.size());
    state.counters["steps"] = static_cast<double>(wheel.Steps);
    state.counters["found_ms"] = wheel.FoundSeconds * 1000;
    if (guarantee == WheelGuarantee{5, 5} && v <= 16) {
        state.counters["record"] = kFiveRecords[v - 7];
    }
}

void BM_Wheel55(benchmark::State& state)
{
    BuildCase(state, {5, 5});
}
void BM_Wheel65(benchmark::State& state)
{
    BuildCase(state, {6, 5});
}
void BM_Wheel44(benchmark::State& state)
{
    BuildCase(state, {4, 4});
}
void BM_Wheel64(benchmark::State& state)
{
    BuildCase(state, {6, 4});
}

DrawHistory BenchHistory(std::string& label)
{
    if (const char* path = std::getenv("QUORVANE_HISTORY")) {
        if (const auto lines = LoadDataFile(path)) {
            ParseResult parsed = ParseDrawText(*lines);
            if (parsed.Ok) {
                label = "draws from QUORVANE_HISTORY";
                return parsed.History;
            }
        }
    }
    label = "the benchmark's latest draw";
    return benchconfig::History();
}

// The heavy configuration's survivors; `narrow` also keeps only the sums 96..108 (2,626 survivors).
TCodeRedArrArr HeavySurvivors(bool narrow, std::string& label)
{
    ShrinkConditions conditions = benchconfig::Heavy();
    if (narrow && !ApplyConditionSetting(conditions, "总和值", "96,108")) {
        return {};
    }
    TicketPool pool;
    BuildTicketPool(pool);
    return SurvivorTickets(pool, ShrinkSurvivors(conditions, BenchHistory(label)));
}

void ReduceCase(benchmark::State& state, bool narrow)
{
    std::string label;
    const TCodeRedArrArr survivors = HeavySurvivors(narrow, label);
    if (survivors.empty()) {
        state.SkipWithError("the configuration keeps no survivor");
        return;
    }
    const auto keep = static_cast<int>(state.range(0));
    ReducedResult reduced;
    for (auto _ : state) {
        SearchOptions options;
        options.Seconds = kReduceSeconds;
        reduced = ReduceSurvivors(survivors, keep, options);
    }
    if (!CheckReduction(survivors, reduced.Tickets, keep).Holds) {
        state.SkipWithError("the checker rejects the reduced list");
        return;
    }
    state.SetLabel(label);
    state.counters["survivors"] = static_cast<double>(survivors.size());
    state.counters["tickets"] = static_cast<double>(reduced.Tickets.size());
    state.counters["found_ms"] = reduced.FoundSeconds * 1000;
    state.counters["early"] = reduced.StoppedEarly ? 1 : 0;
}

void BM_ReduceHeavy(benchmark::State& state)
{
    ReduceCase(state, false);
}
void BM_ReduceHeavyNarrowSum(benchmark::State& state)
{
    ReduceCase(state, true);
}

// The whole pool: the budget runs out and the list is completed by the first-fit rule.
void BM_ReduceWholePool(benchmark::State& state)
{
    const TCodeRedArrArr& pool = PoolEntries();
    const auto keep = static_cast<int>(state.range(0));
    ReducedResult reduced;
    for (auto _ : state) {
        SearchOptions options;
        options.Seconds = kReduceSeconds;
        reduced = ReduceSurvivors(pool, keep, options);
    }
    state.counters["tickets"] = static_cast<double>(reduced.Tickets.size());
    state.counters["early"] = reduced.StoppedEarly ? 1 : 0;
}

// The checker on its largest cases: all 33 numbers (every one of the 1,107,568 draws), and the
// whole pool as a result.
void BM_CheckWheelAll33(benchmark::State& state)
{
    const std::vector<int> numbers = FirstNumbers(33);
    SearchOptions options;
    options.Seconds = 0.5;
    const Wheel wheel = BuildWheel(numbers, {6, 3}, options);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckWheel(numbers, wheel.Tickets, {6, 3}));
    }
    state.counters["tickets"] = static_cast<double>(wheel.Tickets.size());
}

void BM_CheckReductionWholePool(benchmark::State& state)
{
    const TCodeRedArrArr& pool = PoolEntries();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckReduction(pool, pool, 3));
    }
}

} // namespace

BENCHMARK(BM_Wheel55)->DenseRange(7, 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wheel65)->DenseRange(7, 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wheel44)->DenseRange(7, 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wheel64)->DenseRange(7, 20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceHeavy)->DenseRange(3, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceHeavyNarrowSum)->DenseRange(3, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceWholePool)->DenseRange(3, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWheelAll33)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckReductionWholePool)->Unit(benchmark::kMillisecond);
