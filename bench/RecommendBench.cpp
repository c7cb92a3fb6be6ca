#include <benchmark/benchmark.h>

#include "history/BuiltinHistory.h"
#include "recommend/NumberRecommend.h"
#include "recommend/PropertyRecommend.h"
#include "recommend/QuickPicks.h"
#include "recommend/TicketForecast.h"

using namespace quorvane;

namespace {

const DrawHistory& RealHistory()
{
    // The real draws the program carries: 3,493, the most a user has before updating.
    static const DrawHistory history = BuiltinHistory();
    return history;
}

template <typename F> void RunRecommendation(benchmark::State& state, F&& command)
{
    const DrawHistory& history = RealHistory();
    for (auto _ : state) {
        benchmark::DoNotOptimize(command(history));
    }
}

} // namespace

static void BM_SingleTicketForecast(benchmark::State& s)
{
    RunRecommendation(s, SingleTicketForecast);
}
BENCHMARK(BM_SingleTicketForecast)->Unit(benchmark::kMillisecond);

static void BM_ColdNumbers(benchmark::State& s)
{
    RunRecommendation(s, ColdNumberRecommend);
}
static void BM_HotNumbers(benchmark::State& s)
{
    RunRecommendation(s, HotNumberRecommend);
}
static void BM_MustNumbers(benchmark::State& s)
{
    RunRecommendation(s, MustNumberRecommend);
}
static void BM_BankerNumbers(benchmark::State& s)
{
    RunRecommendation(s, BankerNumberRecommend);
}
static void BM_Compound22(benchmark::State& s)
{
    RunRecommendation(s,
                      [](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds22Groups2); });
}
static void BM_Compound15(benchmark::State& s)
{
    RunRecommendation(s,
                      [](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds15Groups20); });
}
static void BM_Compound12(benchmark::State& s)
{
    RunRecommendation(s,
                      [](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds12Groups30); });
}
static void BM_Tail(benchmark::State& s)
{
    RunRecommendation(s, TailRecommend);
}
static void BM_OddEven(benchmark::State& s)
{
    RunRecommendation(s, OddEvenRecommend);
}
static void BM_ZoneSum1(benchmark::State& s)
{
    RunRecommendation(s, [](const DrawHistory& h) { return ZoneSumRecommend(h, 1); });
}
static void BM_ZoneSum2(benchmark::State& s)
{
    RunRecommendation(s, [](const DrawHistory& h) { return ZoneSumRecommend(h, 2); });
}
static void BM_ZoneSum3(benchmark::State& s)
{
    RunRecommendation(s, [](const DrawHistory& h) { return ZoneSumRecommend(h, 3); });
}
static void BM_ExpertRed(benchmark::State& s)
{
    RunRecommendation(s, ExpertRedPick);
}
static void BM_ExpertBlue(benchmark::State& s)
{
    RunRecommendation(s, ExpertBluePick);
}
static void BM_RandomRed(benchmark::State& s)
{
    Random random;
    for (auto _ : s) {
        benchmark::DoNotOptimize(RandomRedPick(random));
    }
}
static void BM_RandomBlue(benchmark::State& s)
{
    Random random;
    for (auto _ : s) {
        benchmark::DoNotOptimize(RandomBluePick(random));
    }
}

BENCHMARK(BM_ColdNumbers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HotNumbers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MustNumbers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BankerNumbers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compound22)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compound15)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Compound12)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tail)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OddEven)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoneSum1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoneSum2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoneSum3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpertRed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpertBlue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomRed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomBlue)->Unit(benchmark::kMicrosecond);
