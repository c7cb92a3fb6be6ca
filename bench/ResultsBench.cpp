// Speed of the result commands and the condition file: the prize check over every ticket of the
// pool, the export of every ticket, and a save and load of a condition file.
#include <benchmark/benchmark.h>
#include <filesystem>

#include "base/TicketPool.h"
#include "shrink/ConditionFile.h"
#include "shrink/PrizeCheck.h"
#include "shrink/ResultExport.h"

using namespace quorvane;

namespace {

const TicketPool& Pool()
{
    static const TicketPool pool = [] {
        TicketPool p;
        BuildTicketPool(p);
        return p;
    }();
    return pool;
}

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

} // namespace

static void BM_PrizeCheckAllTicketsThreeBlues(benchmark::State& state)
{
    const SurvivorFlags flags(Pool().size(), 1);
    TCheckCells<16> blues{};
    blues[0] = blues[4] = blues[15] = 1;
    for (auto _ : state) {
        PrizeCheckResult r = CheckPrizes("01 02 09 21 30 32+05", blues, Pool(), flags, true);
        benchmark::DoNotOptimize(r.Lines.data());
    }
}
BENCHMARK(BM_PrizeCheckAllTicketsThreeBlues)->Unit(benchmark::kMillisecond);

static void BM_ExportAllSurvivors(benchmark::State& state)
{
    const SurvivorFlags flags(Pool().size(), 1);
    const std::string path = TempPath("quorvane-bench-export.txt");
    for (auto _ : state) {
        ExportSurvivors(path, Pool(), flags);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportAllSurvivors)->Unit(benchmark::kMillisecond);

static void BM_ConditionFileRoundTrip(benchmark::State& state)
{
    ShrinkConditions c;
    c.ssTb0MChk.fill(1);
    c.tj1HeZhiChk = true;
    c.tj1PaiChuHeZhiEd = "50 60 70 80";
    c.CodeSelLbx1ssTb3Gbx1Lbx = {"1,2,3,4,5&0,1", "6,7,8&1,2"};
    for (auto& row : c.tj6JianJuMChkArr) {
        row.fill(1);
    }
    const std::string path = TempPath("quorvane-bench-conditions.ini");
    std::filesystem::remove(path);
    for (auto _ : state) {
        SaveConditionFile(path, c);
        ShrinkConditions back;
        LoadConditionFile(path, back);
        benchmark::DoNotOptimize(back.tj1HeZhiChk);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ConditionFileRoundTrip)->Unit(benchmark::kMillisecond);
