// Chart builders on a 3,000-draw history with N = 3,000: each page alone, and all 35 pages in turn.
// Each page keeps its models between builds, as the chart pages do.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

#include "charts/ChartPages.h"
#include "history/BuiltinHistory.h"

namespace {

using namespace quorvane;

constexpr int kDraws = 3000;

const DrawHistory& BenchHistory()
{
    // The real draws the program carries (3,493), of which the charts show the last kDraws.
    static const DrawHistory history = BuiltinHistory();
    return history;
}

void BM_ChartPage(benchmark::State& state)
{
    const ChartPage& page = ChartPages()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(page.Alias);
    const DrawHistory& history = BenchHistory();
    ChartModels models;
    for (auto _ : state) {
        const BuildResult r = page.Build(models, history, kDraws, 33);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ChartPage)->DenseRange(0, static_cast<int>(kChartPageCount) - 1)->Unit(benchmark::kMillisecond);

void BM_AllChartPages(benchmark::State& state)
{
    const DrawHistory& history = BenchHistory();
    std::vector<ChartModels> models(kChartPageCount);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kChartPageCount; ++i) {
            const BuildResult r = ChartPages()[i].Build(models[i], history, kDraws, 33);
            benchmark::DoNotOptimize(r);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AllChartPages)->Unit(benchmark::kMillisecond);

} // namespace
