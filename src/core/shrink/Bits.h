#pragma once

#include <array>
#include <cstdint>

// Bit counting by table: without a POPCNT instruction in the target, __builtin_popcountll is a
// library call, several times slower than these lookups in the shrink's inner loops.

namespace quorvane {

namespace detail {
constexpr std::array<std::uint8_t, 256> MakeBitCounts()
{
    std::array<std::uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((i & 1) + t[static_cast<std::size_t>(i / 2)]);
    }
    return t;
}
inline constexpr std::array<std::uint8_t, 256> kBitCounts = MakeBitCounts();
} // namespace detail

// Set bits among bits 0..39 (a number mask, a set of differences).
inline int PopCountOf(std::uint64_t v)
{
    return detail::kBitCounts[v & 0xFF] + detail::kBitCounts[(v >> 8) & 0xFF] +
           detail::kBitCounts[(v >> 16) & 0xFF] + detail::kBitCounts[(v >> 24) & 0xFF] +
           detail::kBitCounts[(v >> 32) & 0xFF];
}

// Set bits of a small mask (bits 0..15).
inline int PopCount16(unsigned v)
{
    return detail::kBitCounts[v & 0xFF] + detail::kBitCounts[(v >> 8) & 0xFF];
}

} // namespace quorvane
