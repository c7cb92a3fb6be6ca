#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "measures/Measures.h"
#include "shrink/ShrinkPlan.h"

// The compiler of the shrink plan, shared by its two source files: ShrinkPlan.cpp holds the
// building blocks and the stages up to 30, ShrinkPlanPages.cpp the stages 31 to 49.

namespace quorvane::planning {

// Bits of the values min..max within 0..width-1.
inline std::uint64_t RangeBits(std::int64_t min, std::int64_t max, int width = 64)
{
    std::uint64_t bits = 0;
    for (int v = 0; v < width; ++v) {
        if (min <= v && v <= max) {
            bits |= 1ull << v;
        }
    }
    return bits;
}

inline std::uint8_t CountRange(const TRangePair& r)
{
    return static_cast<std::uint8_t>(RangeBits(r.Min, r.Max, 8));
}

// Cell k stands for the value k + first.
template <std::size_t N> inline std::uint64_t CellBits(const TCheckCells<N>& cells, int first = 0)
{
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < N; ++k) {
        if (cells[k] != 0) {
            bits |= 1ull << (static_cast<int>(k) + first);
        }
    }
    return bits;
}

template <std::size_t N> inline bool AnyChecked(const TCheckCells<N>& cells)
{
    return CellBits(cells) != 0;
}

// Parity (0 any, 1 odd, 2 even) of values 0..63.
inline std::uint64_t ParityBits(int item)
{
    constexpr std::uint64_t odd = 0xAAAAAAAAAAAAAAAAull;
    return item == 1 ? odd : item == 2 ? ~odd : ~0ull;
}

inline std::uint64_t NumbersWhere(bool (*pred)(int))
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= 33; ++n) {
        if (pred(n)) {
            mask |= 1ull << n;
        }
    }
    return mask;
}

inline std::uint64_t NumberMaskOf(const std::vector<int>& values)
{
    std::uint64_t mask = 0;
    for (const int v : values) {
        if (v >= 1 && v <= 33) {
            mask |= 1ull << v;
        }
    }
    return mask;
}

// Runs summary of a run-histogram index.
struct RunsOf
{
    std::array<int, 6> Hist{}; // Hist[k]: runs of exactly k + 1 numbers
    int Groups = 0;
    int Numbers = 0;
    int Longest = 0;
};

inline RunsOf DecodeRuns(int index)
{
    RunsOf r;
    const int h[7] = {
        0, 0, index & 3, (index >> 2) & 3, (index >> 4) & 1, (index >> 5) & 1, (index >> 6) & 1};
    for (int len = 2; len <= 6; ++len) {
        r.Hist[static_cast<std::size_t>(len - 1)] = h[len];
        r.Groups += h[len];
        r.Numbers += len * h[len];
        if (h[len] > 0) {
            r.Longest = len;
        }
    }
    return r;
}

class PlanBuilder
{
public:
    PlanBuilder(const ShrinkConditions& c, const DrawHistory& history)
        : m_c(c)
        , m_history(history)
    {
        m_plan.Sums.fill(~0ull);
        m_plan.RunsAllowed.fill(true);
    }

    ShrinkPlan Build();

private:
    void Activate(int sweeps = 1);

    PartitionTest& Partition(PartitionKind kind);

    void AddGroup(std::uint64_t numbers, std::uint8_t allowed);

    void AndSums(std::int64_t min, std::int64_t max);

    void HitDemand(HitKind kind, std::uint8_t allowed);

    template <typename Pred> void RunDemand(Pred pred);

    // Stages 1-7: a selector at item k (1..4) demands exactly k - 1 numbers in its row or column.
    template <std::size_t N> void Selectors(const std::array<std::int32_t, N>& items, PartitionKind kind);

    void SelectorStages();

    template <std::size_t Z> void Zones(const std::array<TCheckCells<7>, Z>& pickers, PartitionKind kind);

    void ZoneAndSelectionStages();

    void ConditionShrinkStages();

    void HiddenListStages();

    void PageOneStages();

    void PageTwoStages();

    void PageThreeStages();

    void PageFourAndSixStages();

    void RegularStage();

    void FaultTolerantStage();

    void ExcludeDrawnStage();

    static std::uint64_t OddNumbers() { return detail::kOddMask; }
    static std::uint64_t BigNumbers()
    {
        return NumbersWhere([](int n) { return n > 17; });
    }
    static std::uint64_t BigTailNumbers() { return NumbersWithTails(0x3E0); }
    static std::uint64_t PrimeNumbers() { return detail::kPrimeMask; }

    const ShrinkConditions& m_c;
    const DrawHistory& m_history;
    ShrinkPlan m_plan;
    // Numbers of a group -> its index in m_plan.Groups: a group named twice is one test.
    std::unordered_map<std::uint64_t, std::size_t> m_groupIndex;
};

template <typename Pred> void PlanBuilder::RunDemand(Pred pred)
{
    m_plan.RunsActive = true;
    for (int i = 0; i < 128; ++i) {
        m_plan.RunsAllowed[static_cast<std::size_t>(i)] =
            m_plan.RunsAllowed[static_cast<std::size_t>(i)] && pred(DecodeRuns(i));
    }
}

template <std::size_t N>
void PlanBuilder::Selectors(const std::array<std::int32_t, N>& items, PartitionKind kind)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (items[i] >= 1 && items[i] <= 4) {
            Partition(kind).Allowed[i] &= static_cast<std::uint8_t>(1u << (items[i] - 1));
            Activate();
        }
    }
}

template <std::size_t Z>
void PlanBuilder::Zones(const std::array<TCheckCells<7>, Z>& pickers, PartitionKind kind)
{
    bool active = false;
    for (std::size_t z = 0; z < Z; ++z) {
        if (AnyChecked(pickers[z])) {
            Partition(kind).Allowed[z] &= static_cast<std::uint8_t>(CellBits(pickers[z]));
            active = true;
        }
    }
    if (active) {
        Activate();
    }
}

} // namespace quorvane::planning
