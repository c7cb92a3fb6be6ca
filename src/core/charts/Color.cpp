#include "charts/Color.h"

namespace quorvane {

std::string ColorText(TColor c)
{
    if (c == NoColor) {
        return "-";
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s = "#000000";
    const std::uint8_t parts[3] = {RedOf(c), GreenOf(c), BlueOf(c)};
    for (int i = 0; i < 3; ++i) {
        s[static_cast<std::size_t>(1 + 2 * i)] = kHex[parts[i] >> 4];
        s[static_cast<std::size_t>(2 + 2 * i)] = kHex[parts[i] & 0xF];
    }
    return s;
}

} // namespace quorvane
