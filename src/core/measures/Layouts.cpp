#include "measures/Layouts.h"

#include <array>

namespace quorvane {

namespace {

// Row of each last digit 0..9 in the tail row-column layout: 1,2 -> 0; 3,4 -> 1; 5,6 -> 2;
// 7,8 -> 3; 9,0 -> 4.
constexpr std::array<int, 10> kTailRowOfDigit = {4, 0, 0, 1, 1, 2, 2, 3, 3, 4};

constexpr std::array<std::array<int, 6>, 6> kTailLayout = {{
    {1, 11, 21, 2, 12, 22},
    {3, 13, 23, 4, 14, 24},
    {5, 15, 25, 6, 16, 26},
    {7, 17, 27, 8, 18, 28},
    {9, 19, 29, 10, 20, 30},
    {31, 32, 33, 0, 0, 0},
}};

template <bool Rows>
std::array<std::uint64_t, 6> MakeTailMasks()
{
    std::array<std::uint64_t, 6> masks{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            const int n = kTailLayout[r][c];
            if (n != 0) {
                masks[Rows ? r : c] |= 1ull << n;
            }
        }
    }
    return masks;
}

} // namespace

namespace detail {
const std::array<std::uint64_t, 6> kTailRowMasks = MakeTailMasks<true>();
const std::array<std::uint64_t, 6> kTailColMasks = MakeTailMasks<false>();
} // namespace detail

int TailRowOf(int n)
{
    return n > 30 ? 5 : kTailRowOfDigit[static_cast<std::size_t>(n % 10)];
}

int TailColOf(int n)
{
    if (n > 30) {
        return n - 31;
    }
    // Decade 0 holds 01..10, decade 1 holds 11..20, decade 2 holds 21..30.
    const int decade = (n - 1) / 10;
    return n % 2 != 0 ? decade : 3 + decade;
}

int TailLayoutNumberAt(int row, int col)
{
    if (row < 0 || row > 5 || col < 0 || col > 5) {
        return 0;
    }
    return kTailLayout[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}


int ZoneOf(int parts, int n)
{
    switch (parts) {
    case 3:
        return (n - 1) / 11 + 1;
    case 4:
        return n >= 25 ? 4 : (n - 1) / 8 + 1;
    case 5:
        return n >= 29 ? 5 : (n - 1) / 7 + 1;
    case 6:
        return (n - 1) / 6 + 1;
    case 11:
        return (n - 1) / 3 + 1;
    default:
        return 0;
    }
}

int ZoneCountOfCodeArr(const TCodeRedArr& a, int parts, int z)
{
    int n = 0;
    for (const auto v : a) {
        n += ZoneOf(parts, v) == z;
    }
    return n;
}

} // namespace quorvane
