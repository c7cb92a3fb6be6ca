#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

// A colour of the chart models: 24-bit RGB held as 0x00BBGGRR (red in the low byte), or the
// sentinel NoColor.
using TColor = std::uint32_t;

// "Not filled": a trend-grid cell or header span with this colour shows the system window colour.
// It lies outside the 24-bit range, so no real colour equals it.
inline constexpr TColor NoColor = 0xFF000000u;

// A colour from its red, green and blue parts (0..255 each).
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr std::uint8_t RedOf(TColor c)
{
    return static_cast<std::uint8_t>(c & 0xFFu);
}
constexpr std::uint8_t GreenOf(TColor c)
{
    return static_cast<std::uint8_t>((c >> 8) & 0xFFu);
}
constexpr std::uint8_t BlueOf(TColor c)
{
    return static_cast<std::uint8_t>((c >> 16) & 0xFFu);
}

inline constexpr TColor kBlack = RGB(0, 0, 0);
inline constexpr TColor kWhite = RGB(255, 255, 255);

// "#RRGGBB" in upper-case hex, or "-" for NoColor.
std::string ColorText(TColor c);

} // namespace quorvane
