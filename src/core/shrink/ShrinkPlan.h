#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"

// The active stages of one shrink run, compiled from the conditions into tests that the run can
// apply while it enumerates the red sets. Stages that test the same measure are merged into one set
// of allowed values (the sum of stages 21, 30, 32, 33 and 48, the odd count of stages 18, 31 and
// 48, ...), stages on single positions and gaps become masks of allowed numbers, and every
// "count of the ticket's numbers in a set" test becomes a group or a partition test. A ticket
// survives the plan exactly when it passes every active stage.
//
// Bit conventions: in a number mask bit n stands for the red number n (1..33); in a value set bit
// v stands for the value v; a count set holds the allowed counts 0..6 in bits 0..6.

namespace quorvane {

// Bits 1..33.
inline constexpr std::uint64_t kAllNumbers = 0x3FFFFFFFEull;

// The numbers 1..33 whose tail (n mod 10) is in the digit set (bit d).
inline std::uint64_t NumbersWithTails(unsigned digits)
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= 33; ++n) {
        if ((digits >> (n % 10)) & 1u) {
            mask |= 1ull << n;
        }
    }
    return mask;
}

// The ticket's count of numbers in Numbers must be in Allowed.
struct GroupTest
{
    std::uint64_t Numbers = 0;
    std::uint8_t Allowed = 0x7F;
};

// Partitions of 1..33 whose parts carry count tests (rows and columns of the layouts, zones,
// remainders, tail digits).
enum class PartitionKind
{
    TailRow,   // stage 1: rows of the tail row-column layout
    TailCol,   // stage 2
    Row3D,     // stage 4: tail div 3
    Col3D,     // stage 5: tail mod 3
    SixRow,    // stage 6: (n - 1) div 6
    SixCol,    // stage 7: (n - 1) mod 6
    Zone3,     // stages 9 and 37
    Zone4,     // stage 10
    Zone5,     // stage 11
    Zone6,     // stage 12
    Mod3,      // stage 14: n mod 3
    TailDigit, // stage 45: n mod 10
    Count
};

// Partitions whose number of distinct parts hit is tested.
enum class HitKind
{
    Zone6,    // stage 13
    Mod6,     // stage 15: n mod 6
    TailMod5, // stage 25: tail mod 5
    Count
};

// How many parts a partition has and the part of each number.
struct PartitionLayout
{
    int Parts = 0;
    std::array<std::uint8_t, 34> PartOf{};
    // NumbersOf[bits] = the numbers of the parts in bits (2^Parts entries).
    std::vector<std::uint64_t> NumbersOf;
};
const PartitionLayout& LayoutOf(PartitionKind kind);
const PartitionLayout& LayoutOf(HitKind kind);

struct PartitionTest
{
    bool Active = false;
    std::array<std::uint8_t, 10> Allowed{}; // per part, a count set
};

struct HitTest
{
    bool Active = false;
    std::uint8_t Allowed = 0xFF; // bit k: k parts hit
};

// Values 0..383 of a sum.
using SumSet = std::array<std::uint64_t, 6>;

struct ShrinkPlan
{
    // No stage is active: every ticket survives.
    bool Inactive = true;
    // A stage removes every ticket whatever it holds (a must-have list naming a number outside
    // 1..33, for example).
    bool Nothing = false;
    // Progress: the sweeps a stage-by-stage run would make (stages 1-7 one per selector or edit,
    // stage 48 one per item, the others one each).
    int Sweeps = 0;

    std::array<std::uint64_t, 6> Positions{kAllNumbers, kAllNumbers, kAllNumbers,
                                           kAllNumbers, kAllNumbers, kAllNumbers};
    // Allowed values of gap i (position i + 1 minus position i), bits 1..32.
    std::array<std::uint64_t, 5> Gaps{~0ull, ~0ull, ~0ull, ~0ull, ~0ull};

    bool SumActive = false;
    SumSet Sums{};
    std::uint64_t TailSums = ~0ull;      // values 0..63
    std::uint64_t HeadTailDiffs = ~0ull; // red[6] - red[1]
    std::uint64_t HeadTailSums = ~0ull;  // red[6] + red[1]
    std::uint64_t MaxGaps = ~0ull;
    std::uint64_t MinGaps = ~0ull;
    std::uint32_t AcValues = ~0u; // 0..10
    std::uint8_t OddChains = 0xFF;
    std::uint8_t EvenChains = 0xFF;
    std::uint8_t SameTailGroups = 0xFF; // tails shared by two or more numbers
    std::uint8_t MaxTailRepeats = 0xFF;

    // Stage 23: tails shared with the latest draw.
    bool RefTailActive = false;
    std::uint8_t RefTailCounts = 0xFF;
    std::array<std::uint8_t, 10> RefDigitCount{}; // numbers of the latest draw per tail digit

    // Runs (stages 20, 36, 48): allowed by the histogram of run lengths, indexed by RunIndex.
    bool RunsActive = false;
    std::array<bool, 128> RunsAllowed{};

    // Stage 47: count sets of the gaps equal to 2..11.
    bool GapCountsActive = false;
    std::array<std::uint8_t, 10> GapCounts{};

    std::vector<GroupTest> Groups;
    std::array<PartitionTest, static_cast<std::size_t>(PartitionKind::Count)> Partitions{};
    std::array<HitTest, static_cast<std::size_t>(HitKind::Count)> Hits{};

    // Stage 49: a ticket survives when some line shares a count of numbers in LineCounts with it.
    bool LinesActive = false;
    std::vector<std::uint64_t> Lines; // distinct number masks of the reference lines
    std::uint8_t LineCounts = 0;

    // Past draws excluded by "排除历史开奖号码": their pool ordinals, ascending, each once.
    std::vector<std::int32_t> ExcludedTickets;
};

// The index of a histogram of runs: h2 + 4 h3 + 16 h4 + 32 h5 + 64 h6 where hL counts the runs of
// exactly L numbers. kRunWeight[L] is the step for one more run of L numbers.
inline constexpr std::array<int, 7> kRunWeight{0, 0, 1, 4, 16, 32, 64};

// Compiles the conditions. The latest draw of the history is the reference of stage 23, which is
// skipped when the history is empty; the draws of the history are those that "排除历史开奖号码"
// excludes. Throws UserError with the integer message for a piece of a
// number list that is not a whole number, reading the stages in their order.
ShrinkPlan CompileShrinkPlan(const ShrinkConditions& conditions, const DrawHistory& history);

} // namespace quorvane
