// Inputs far larger than a user's: a condition file of many sections, a section of many keys being
// saved into, and a code-set list of many entries. Each must take time linear in its size.
#include <benchmark/benchmark.h>

#include <string>

#include "history/DrawHistory.h"
#include "shrink/ConditionFile.h"
#include "shrink/ShrinkPlan.h"
#include "text/IniFile.h"

using namespace quorvane;

static void BM_ParseIniOfManySections(benchmark::State& state)
{
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += "[s" + std::to_string(i) + "]\nk=v\n";
    }
    for (auto _ : state) {
        ShrinkConditions c;
        ReadConditionSection(IniFile::Parse(text), c);
        benchmark::DoNotOptimize(c);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseIniOfManySections)->Arg(80000)->Arg(800000)->Unit(benchmark::kMillisecond);

// Saving the conditions into a file whose condition section already holds many other keys.
static void BM_SaveIntoSectionOfManyKeys(benchmark::State& state)
{
    std::string text = std::string("[") + kConditionSection + "]\n";
    for (int i = 0; i < state.range(0); ++i) {
        text += "other" + std::to_string(i) + "=1\n";
    }
    const IniFile read = IniFile::Parse(text);
    const auto entries = ConditionFileEntries(ShrinkConditions{});
    for (auto _ : state) {
        IniFile ini = read;
        for (const IniFile::Entry& e : entries) {
            ini.Set(kConditionSection, e.Key, e.Value);
        }
        benchmark::DoNotOptimize(ini);
    }
}
BENCHMARK(BM_SaveIntoSectionOfManyKeys)->Arg(200000)->Unit(benchmark::kMillisecond);

static void BM_PlanOfManyCodeSetEntries(benchmark::State& state)
{
    ShrinkConditions c;
    for (int i = 0; i < state.range(0); ++i) {
        // Distinct sets of numbers: the bits of i spread over 01..33.
        std::string entry;
        for (int n = 1; n <= 33; ++n) {
            if (((static_cast<unsigned>(i) * 2654435761u) >> (n % 32)) & 1u) {
                entry += std::to_string(n) + ",";
            }
        }
        c.CodeSelLbx1ssTb3Gbx1Lbx.push_back(entry + std::to_string(1 + i % 33) + "&0,1,2");
    }
    const DrawHistory history;
    for (auto _ : state) {
        ShrinkPlan plan = CompileShrinkPlan(c, history);
        benchmark::DoNotOptimize(plan.Groups.data());
    }
}
BENCHMARK(BM_PlanOfManyCodeSetEntries)->Arg(160000)->Unit(benchmark::kMillisecond);
