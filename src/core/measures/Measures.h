#pragma once

#include <array>
#include <cstdint>

#include "base/CodeRedArr.h"

// The measures of one red set. Each takes a TCodeRedArr that satisfies its invariant (six distinct
// ascending numbers 1..33), makes one pass over the six bytes with fixed tables, allocates nothing
// and throws nothing, except SpecNumInterOfCodeArr on a bad interval.

namespace quorvane {

namespace detail {
// Bit n set for every prime n in 1..33, counting 1 as prime.
inline constexpr std::uint64_t kPrimeMask = (1ull << 1) | (1ull << 2) | (1ull << 3) | (1ull << 5) |
                                            (1ull << 7) | (1ull << 11) | (1ull << 13) | (1ull << 17) |
                                            (1ull << 19) | (1ull << 23) | (1ull << 29) | (1ull << 31);

inline std::uint64_t MaskOf(const TCodeRedArr& a)
{
    return (1ull << a[0]) | (1ull << a[1]) | (1ull << a[2]) | (1ull << a[3]) | (1ull << a[4]) |
           (1ull << a[5]);
}

// Bit count without relying on a POPCNT instruction (the build targets plain x86-64).
inline int PopCount(std::uint64_t v)
{
    v = v - ((v >> 1) & 0x5555555555555555ull);
    v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((v * 0x0101010101010101ull) >> 56);
}

// Bits n of the odd numbers 1..33.
inline constexpr std::uint64_t kOddMask = 0x2AAAAAAAAull;

// Per-number facts for n = 0..33, so the hot measures need no division.
struct NumberFacts
{
    std::uint8_t Tail[34];     // n mod 10
    std::uint8_t Zone3[34];    // three-zone 1..3
    std::uint8_t Zone6Bit[34]; // 1 << ((n - 1) div 6)
    std::uint8_t Mod6Bit[34];  // 1 << (n mod 6)
    std::uint8_t Pair5Bit[34]; // 1 << (tail mod 5)
    std::uint64_t Mod3Mask[3]; // bit n set for every n with n mod 3 = r
};

constexpr NumberFacts MakeNumberFacts()
{
    NumberFacts f{};
    for (int n = 1; n <= 33; ++n) {
        f.Tail[n] = static_cast<std::uint8_t>(n % 10);
        f.Zone3[n] = static_cast<std::uint8_t>((n - 1) / 11 + 1);
        f.Zone6Bit[n] = static_cast<std::uint8_t>(1u << ((n - 1) / 6));
        f.Mod6Bit[n] = static_cast<std::uint8_t>(1u << (n % 6));
        f.Pair5Bit[n] = static_cast<std::uint8_t>(1u << (n % 10 % 5));
        f.Mod3Mask[n % 3] |= 1ull << n;
    }
    return f;
}

inline constexpr NumberFacts kFacts = MakeNumberFacts();

inline std::uint32_t TailBit(std::uint8_t n)
{
    return 1u << kFacts.Tail[n];
}
} // namespace detail

// "和值": red[1] + ... + red[6]; 21..183.
inline int SumOfCodeArr(const TCodeRedArr& a)
{
    return a[0] + a[1] + a[2] + a[3] + a[4] + a[5];
}

// "平均\r\n值": the sum div 6; 3..30.
inline int AverageOfCodeArr(const TCodeRedArr& a)
{
    return SumOfCodeArr(a) / 6;
}

// "尾数\r\n和值": sum of the six last digits; 3..51.
inline int TailSumOfCodeArr(const TCodeRedArr& a)
{
    const auto& t = detail::kFacts.Tail;
    return t[a[0]] + t[a[1]] + t[a[2]] + t[a[3]] + t[a[4]] + t[a[5]];
}

// "奇号\r\n个数": odd reds; 0..6.
inline int OddNumOfCodeArr(const TCodeRedArr& a)
{
    return (a[0] & 1) + (a[1] & 1) + (a[2] & 1) + (a[3] & 1) + (a[4] & 1) + (a[5] & 1);
}

// "偶号\r\n个数": 6 - odd count.
inline int EvenNumOfCodeArr(const TCodeRedArr& a)
{
    return 6 - OddNumOfCodeArr(a);
}

// "奇偶\r\n偏差": |odd - even| = |2 * odd - 6|; 0, 2, 4 or 6.
inline int OddEvenDevOfCodeArr(const TCodeRedArr& a)
{
    const int d = 2 * OddNumOfCodeArr(a) - 6;
    return d < 0 ? -d : d;
}

// "大号\r\n个数": reds above 17 (18..33 are big); 0..6.
inline int BigNumOfCodeArr(const TCodeRedArr& a)
{
    return (a[0] > 17) + (a[1] > 17) + (a[2] > 17) + (a[3] > 17) + (a[4] > 17) + (a[5] > 17);
}

// "小号\r\n个数": 6 - big count (01..17 are small).
inline int SmallNumOfCodeArr(const TCodeRedArr& a)
{
    return 6 - BigNumOfCodeArr(a);
}

// "大小\r\n偏差": |2 * big - 6|.
inline int BigSmallDevOfCodeArr(const TCodeRedArr& a)
{
    const int d = 2 * BigNumOfCodeArr(a) - 6;
    return d < 0 ? -d : d;
}

// Reds whose last digit is 5..9 (the high part of the high/low tail ratio).
inline int BigTailNumOfCodeArr(const TCodeRedArr& a)
{
    int n = 0;
    for (const auto v : a) {
        n += detail::kFacts.Tail[v] >= 5;
    }
    return n;
}

// "奇号\r\n连续": neighbouring positions that are both odd and two apart.
inline int OddChainOfCodeArr(const TCodeRedArr& a)
{
    // n and n + 2 are neighbours in the set exactly when n + 1 is not in it.
    const std::uint64_t m = detail::MaskOf(a);
    const std::uint64_t odd = m & detail::kOddMask;
    return detail::PopCount(odd & (odd >> 2) & ~(m >> 1));
}

// "偶号\r\n连续": neighbouring positions that are both even and two apart.
inline int EvenChainOfCodeArr(const TCodeRedArr& a)
{
    const std::uint64_t m = detail::MaskOf(a);
    const std::uint64_t even = m & ~detail::kOddMask;
    return detail::PopCount(even & (even >> 2) & ~(m >> 1));
}

// "AC\r\n值": distinct values among the 15 differences red[j] - red[i] (i < j), minus 5; 0..10.
inline int ACOfCodeArr(const TCodeRedArr& a)
{
    // Shifting the set's mask down by red[i] leaves bit d for every red[i] + d in the set; bit 0 is
    // red[i] itself.
    const std::uint64_t m = detail::MaskOf(a);
    const std::uint64_t diffs = ((m >> a[0]) | (m >> a[1]) | (m >> a[2]) | (m >> a[3]) | (m >> a[4])) & ~1ull;
    return detail::PopCount(diffs) - 5;
}

// "质号\r\n个数": reds in {01, 02, 03, 05, 07, 11, 13, 17, 19, 23, 29, 31} (1 counts as prime).
inline int PrimeNumOfCodeArr(const TCodeRedArr& a)
{
    return detail::PopCount(detail::MaskOf(a) & detail::kPrimeMask);
}

// Runs of consecutive numbers: a run is a maximal stretch of two or more consecutive reds.
struct ConsecRuns
{
    // Hist[k] (k = 1..5) = runs of exactly k + 1 numbers; Hist[0] is always 0.
    std::array<int, 6> Hist{};
    int Longest = 0; // longest run length, 0 when there is no run
    int Count = 0;   // number of runs
};

inline ConsecRuns ConsecRunsOfCodeArr(const TCodeRedArr& a)
{
    ConsecRuns r;
    int i = 0;
    while (i < 5) {
        if (a[i + 1] == a[i] + 1) {
            int j = i + 1;
            while (j < 5 && a[j + 1] == a[j] + 1) {
                ++j;
            }
            const int len = j - i + 1;
            ++r.Hist[len - 1];
            ++r.Count;
            if (len > r.Longest) {
                r.Longest = len;
            }
            i = j + 1;
        } else {
            ++i;
        }
    }
    return r;
}

// "连号\r\n个数": reds that belong to a run; 0, 2..6.
inline int ConsecNumOfCodeArr(const TCodeRedArr& a)
{
    const std::uint64_t m = detail::MaskOf(a);
    return detail::PopCount(m & ((m << 1) | (m >> 1)));
}

// "连号\r\n组数": number of runs; 0..3.
inline int ConsecGroupOfCodeArr(const TCodeRedArr& a)
{
    // A run starts at n when n + 1 is in the set and n - 1 is not.
    const std::uint64_t m = detail::MaskOf(a);
    return detail::PopCount(m & (m >> 1) & ~(m << 1));
}

// "首尾\r\n差": red[6] - red[1]; 5..32.
inline int HeadTailDiffOfCodeArr(const TCodeRedArr& a)
{
    return a[5] - a[0];
}

// "最大\r\n间距": the largest of the five gaps red[i+1] - red[i]; 1..28.
inline int MaxGapOfCodeArr(const TCodeRedArr& a)
{
    int m = 0;
    for (int i = 0; i < 5; ++i) {
        const int g = a[i + 1] - a[i];
        m = g > m ? g : m;
    }
    return m;
}

// The smallest of the five gaps.
inline int MinGapOfCodeArr(const TCodeRedArr& a)
{
    int m = 33;
    for (int i = 0; i < 5; ++i) {
        const int g = a[i + 1] - a[i];
        m = g < m ? g : m;
    }
    return m;
}

// "间距设定：": gap 1-2, 2-3, 3-4, 4-5, 5-6, head-tail gap, largest gap, head-tail sum.
inline std::array<int, 8> GapVectorOfCodeArr(const TCodeRedArr& a)
{
    return {a[1] - a[0], a[2] - a[1], a[3] - a[2],        a[4] - a[3],
            a[5] - a[4], a[5] - a[0], MaxGapOfCodeArr(a), a[5] + a[0]};
}

// Histogram of the five gaps: entry g (0..30) = how many gaps equal g.
inline std::array<int, 31> GapHistOfCodeArr(const TCodeRedArr& a)
{
    std::array<int, 31> h{};
    for (int i = 0; i < 5; ++i) {
        ++h[a[i + 1] - a[i]];
    }
    return h;
}

// "尾数设定：": entry t = how many reds have last digit t.
inline std::array<int, 10> TailHistOfCodeArr(const TCodeRedArr& a)
{
    std::array<int, 10> h{};
    for (const auto v : a) {
        ++h[detail::kFacts.Tail[v]];
    }
    return h;
}

// "同尾码对数设定：": last digits that two or more reds share; 0..3.
inline int SameTailGroupOfCodeArr(const TCodeRedArr& a)
{
    std::uint32_t seen = 0;
    std::uint32_t shared = 0;
    for (const auto v : a) {
        const std::uint32_t bit = detail::TailBit(v);
        shared |= seen & bit;
        seen |= bit;
    }
    return detail::PopCount(shared);
}

// "尾号\r\n组数": 6 - SameTailGroupOfCodeArr (tails 1,1,1,2,3,4 give 5).
inline int TailGroupNumOfCodeArr(const TCodeRedArr& a)
{
    return 6 - SameTailGroupOfCodeArr(a);
}

// "尾数相同个数：": the largest number of reds sharing one last digit; 1..4.
inline int MaxTailRepeatOfCodeArr(const TCodeRedArr& a)
{
    // seenK holds the last digits met at least K times.
    std::uint32_t seen1 = 0;
    std::uint32_t seen2 = 0;
    std::uint32_t seen3 = 0;
    std::uint32_t seen4 = 0;
    for (const auto v : a) {
        const std::uint32_t bit = detail::TailBit(v);
        seen4 |= seen3 & bit;
        seen3 |= seen2 & bit;
        seen2 |= seen1 & bit;
        seen1 |= bit;
    }
    return seen4 != 0 ? 4 : seen3 != 0 ? 3 : seen2 != 0 ? 2 : 1;
}

// "尾数除5余分组出现的组数": distinct values of (tail mod 5); 1..5.
inline int TailMod5GroupOfCodeArr(const TCodeRedArr& a)
{
    const auto& b = detail::kFacts.Pair5Bit;
    return detail::PopCount(b[a[0]] | b[a[1]] | b[a[2]] | b[a[3]] | b[a[4]] | b[a[5]]);
}

// "除3余类型：": reds with n mod 3 = r (r = 0, 1, 2).
inline int Mod3NumOfCodeArr(const TCodeRedArr& a, int r)
{
    if (r < 0 || r > 2) {
        return 0;
    }
    return detail::PopCount(detail::MaskOf(a) & detail::kFacts.Mod3Mask[r]);
}

// "除6余分组出现的组数": distinct values of n mod 6; 1..6.
inline int Mod6GroupOfCodeArr(const TCodeRedArr& a)
{
    const auto& b = detail::kFacts.Mod6Bit;
    return detail::PopCount(b[a[0]] | b[a[1]] | b[a[2]] | b[a[3]] | b[a[4]] | b[a[5]]);
}

// "6区间分段出现区间数": distinct six-zones hit, six-zone of n = (n - 1) div 6; 1..6.
inline int Zone6GroupOfCodeArr(const TCodeRedArr& a)
{
    const auto& b = detail::kFacts.Zone6Bit;
    return detail::PopCount(b[a[0]] | b[a[1]] | b[a[2]] | b[a[3]] | b[a[4]] | b[a[5]]);
}

// Reds with lo <= n <= hi. Requires 1 <= lo <= hi <= 33, else throws std::invalid_argument
// with the text kSpecNumInterError.
inline constexpr const char* kSpecNumInterError = "SpecNumInterOfCodeArr Error!!";
int SpecNumInterOfCodeArr(const TCodeRedArr& a, int lo, int hi);

// Reds in three-zone z (1..3): 11z - 10 .. 11z.
inline int ZoneNumOfCodeArr(const TCodeRedArr& a, int z)
{
    int n = 0;
    for (const auto v : a) {
        n += detail::kFacts.Zone3[v] == z;
    }
    return n;
}

// Sum of the reds in three-zone z (0 when the zone is empty).
inline int ZoneSumOfCodeArr(const TCodeRedArr& a, int z)
{
    int s = 0;
    for (const auto v : a) {
        s += detail::kFacts.Zone3[v] == z ? v : 0;
    }
    return s;
}

// True when n is one of the six reds.
inline bool ContainsCode(const TCodeRedArr& a, int n)
{
    return a[0] == n || a[1] == n || a[2] == n || a[3] == n || a[4] == n || a[5] == n;
}

// Reds whose number is flagged in a 34-entry number-flag table.
inline int NumInSetOfCodeArr(const TCodeRedArr& a, const TNumFlags& flags)
{
    return flags[a[0]] + flags[a[1]] + flags[a[2]] + flags[a[3]] + flags[a[4]] + flags[a[5]];
}

// Reds whose last digit is flagged in a 10-entry tail-flag table.
inline int TailInSetOfCodeArr(const TCodeRedArr& a, const TTailFlags& flags)
{
    const auto& t = detail::kFacts.Tail;
    return flags[t[a[0]]] + flags[t[a[1]]] + flags[t[a[2]]] + flags[t[a[3]]] + flags[t[a[4]]] +
           flags[t[a[5]]];
}

// "同位\r\n相同": positions i with red[i] = prev[i].
inline int SamePosOfCodeArr(const TCodeRedArr& a, const TCodeRedArr& prev)
{
    int n = 0;
    for (int i = 0; i < 6; ++i) {
        n += a[i] == prev[i];
    }
    return n;
}

// "重号\r\n个数": numbers present in both sets; 0..6.
inline int RepeatOfCodeArr(const TCodeRedArr& a, const TCodeRedArr& prev)
{
    return detail::PopCount(detail::MaskOf(a) & detail::MaskOf(prev));
}

// "斜号\r\n个数": reds n of this set for which n - 1 or n + 1 (within 1..33) is a red of prev; each
// red counts once.
inline int DiagonalOfCodeArr(const TCodeRedArr& a, const TCodeRedArr& prev)
{
    const std::uint64_t p = detail::MaskOf(prev);
    // Bit n of the neighbours mask: n - 1 or n + 1 is a previous red. Bits 0 and 34 fall outside
    // 1..33 and never match a red.
    const std::uint64_t neighbours = (p << 1) | (p >> 1);
    return detail::PopCount(detail::MaskOf(a) & neighbours);
}

// "尾数与上期相同个数：": how many of the six numbers of ref have a last digit that occurs among the
// last digits of this set (counted on the side of ref, with repetition).
inline int SameTailWithOfCodeArr(const TCodeRedArr& a, const TCodeRedArr& ref)
{
    std::uint32_t tails = 0;
    for (const auto v : a) {
        tails |= detail::TailBit(v);
    }
    int n = 0;
    for (const auto v : ref) {
        n += (tails >> detail::kFacts.Tail[v]) & 1u;
    }
    return n;
}

} // namespace quorvane
