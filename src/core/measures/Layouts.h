#pragma once

#include <array>
#include <cstdint>

#include "base/CodeRedArr.h"
#include "measures/Measures.h"

// Number layouts (a red number's row and column in a board) and zone partitions.

namespace quorvane {

// Six-by-six layout ("各行出球", "各列出球"): row (n - 1) div 6 (0..5; row 5 holds only 31-33),
// column (n - 1) mod 6.
inline int SixRowOf(int n)
{
    return (n - 1) / 6;
}
inline int SixColOf(int n)
{
    return (n - 1) % 6;
}

// Tail-digit 3D layout ("3D各行出球", "3D各列出球"): row tail div 3 (0..3), column tail mod 3 (0..2).
inline int Tail3DRowOf(int n)
{
    return n % 10 / 3;
}
inline int Tail3DColOf(int n)
{
    return n % 10 % 3;
}

// Tail row-column layout ("尾数行列"), rows and columns 0..5:
//   row 0: 01 11 21 02 12 22     row 3: 07 17 27 08 18 28
//   row 1: 03 13 23 04 14 24     row 4: 09 19 29 10 20 30
//   row 2: 05 15 25 06 16 26     row 5: 31 32 33
int TailRowOf(int n);
int TailColOf(int n);
// The number at a row and column of that layout, 0 where the board has no number.
int TailLayoutNumberAt(int row, int col);

namespace detail {
// Bit n set for every number n in a row (column) of the tail row-column layout.
extern const std::array<std::uint64_t, 6> kTailRowMasks;
extern const std::array<std::uint64_t, 6> kTailColMasks;
} // namespace detail

// Reds in row r (column c) of the tail row-column layout; 0 for r (c) outside 0..5.
inline int TailRowNumOfCodeArr(const TCodeRedArr& a, int r)
{
    if (r < 0 || r > 5) {
        return 0;
    }
    return detail::PopCount(detail::MaskOf(a) & detail::kTailRowMasks[static_cast<std::size_t>(r)]);
}
inline int TailColNumOfCodeArr(const TCodeRedArr& a, int c)
{
    if (c < 0 || c > 5) {
        return 0;
    }
    return detail::PopCount(detail::MaskOf(a) & detail::kTailColMasks[static_cast<std::size_t>(c)]);
}

// Zone partitions of the red numbers: 3 zones (01-11, 12-22, 23-33), 4 zones (01-08, 09-16, 17-24,
// 25-33), 5 zones (01-07, 08-14, 15-21, 22-28, 29-33), 6 zones (01-06, ..., 31-33), 11 zones
// (three numbers each). ZoneOf gives the zone of n, counted from 1; parts is 3, 4, 5, 6 or 11.
int ZoneOf(int parts, int n);
// Reds in zone z (1..parts) of a partition.
int ZoneCountOfCodeArr(const TCodeRedArr& a, int parts, int z);

// Blue measures (b = 1..16).
inline bool BlueIsOdd(int b)
{
    return b % 2 != 0;
}
inline int BlueMod3(int b)
{
    return b % 3;
}
// Half: 0 for "1-8", 1 for "9-16".
inline int BlueHalfOf(int b)
{
    return b <= 8 ? 0 : 1;
}
// Quarter: 0 "1-4", 1 "5-8", 2 "9-12", 3 ">=13".
inline int BlueQuarterOf(int b)
{
    return b <= 4 ? 0 : b <= 8 ? 1 : b <= 12 ? 2 : 3;
}

} // namespace quorvane
