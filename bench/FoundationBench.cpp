// Speed of the foundation: the parse of a long history and every red-number measure over the
// whole ticket pool.
#include <benchmark/benchmark.h>

#include "base/TicketPool.h"
#include "history/DemoHistory.h"
#include "history/DrawHistory.h"
#include "measures/Layouts.h"
#include "measures/Measures.h"

using namespace quorvane;

static void BM_ParseDrawText10000(benchmark::State& state)
{
    const auto lines = MakeDemoHistoryLines(10000, 1);
    for (auto _ : state) {
        ParseResult r = ParseDrawText(lines);
        benchmark::DoNotOptimize(r.History.data());
    }
}
BENCHMARK(BM_ParseDrawText10000)->Unit(benchmark::kMillisecond);

static void BM_AllMeasuresOverThePool(benchmark::State& state)
{
    TicketPool pool;
    BuildTicketPool(pool);
    const TCodeRedArr prev{3, 8, 14, 21, 27, 30};
    TNumFlags nums{};
    nums[5] = nums[17] = nums[29] = true;
    TTailFlags tails{};
    tails[3] = tails[7] = true;
    for (auto _ : state) {
        long long acc = 0;
        for (const TCodeRedArr& a : pool) {
            acc += SumOfCodeArr(a) + AverageOfCodeArr(a) + TailSumOfCodeArr(a) + OddNumOfCodeArr(a) +
                   EvenNumOfCodeArr(a) + OddEvenDevOfCodeArr(a) + BigNumOfCodeArr(a) + SmallNumOfCodeArr(a) +
                   BigSmallDevOfCodeArr(a) + BigTailNumOfCodeArr(a) + OddChainOfCodeArr(a) +
                   EvenChainOfCodeArr(a) + ACOfCodeArr(a) + PrimeNumOfCodeArr(a) + ConsecNumOfCodeArr(a) +
                   ConsecGroupOfCodeArr(a) + ConsecRunsOfCodeArr(a).Longest + HeadTailDiffOfCodeArr(a) +
                   MaxGapOfCodeArr(a) + MinGapOfCodeArr(a) + GapVectorOfCodeArr(a)[7] +
                   GapHistOfCodeArr(a)[1] + SameTailGroupOfCodeArr(a) + TailGroupNumOfCodeArr(a) +
                   MaxTailRepeatOfCodeArr(a) + TailHistOfCodeArr(a)[3] + TailMod5GroupOfCodeArr(a) +
                   Mod3NumOfCodeArr(a, 0) + Mod3NumOfCodeArr(a, 1) + Mod3NumOfCodeArr(a, 2) +
                   Mod6GroupOfCodeArr(a) + Zone6GroupOfCodeArr(a) + SpecNumInterOfCodeArr(a, 5, 20) +
                   ZoneNumOfCodeArr(a, 2) + ZoneSumOfCodeArr(a, 3) + ContainsCode(a, 7) +
                   NumInSetOfCodeArr(a, nums) + TailInSetOfCodeArr(a, tails) + SamePosOfCodeArr(a, prev) +
                   RepeatOfCodeArr(a, prev) + DiagonalOfCodeArr(a, prev) + SameTailWithOfCodeArr(a, prev) +
                   TailRowNumOfCodeArr(a, 2) + TailColNumOfCodeArr(a, 4);
        }
        benchmark::DoNotOptimize(acc);
    }
}
BENCHMARK(BM_AllMeasuresOverThePool)->Unit(benchmark::kMillisecond);
