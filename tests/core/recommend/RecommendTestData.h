#pragma once

#include <algorithm>
#include <initializer_list>

#include "history/DrawHistory.h"

// Small histories built in the tests, so every count and ranking can be worked out by hand.

namespace quorvane::test {

// One draw of six reds (any order; stored ascending) and a blue.
inline TBeenCodesRec Draw(std::initializer_list<int> reds, int blue = 16)
{
    TBeenCodesRec draw;
    draw.Year = 2010;
    std::size_t i = 0;
    for (const int red : reds) {
        draw.Reds[i++] = static_cast<std::uint8_t>(red);
    }
    std::sort(draw.Reds.begin(), draw.Reds.end());
    draw.Blue = blue;
    return draw;
}

// A draw of big numbers only (18..23): it adds nothing to the counts of 1..17.
inline TBeenCodesRec BigDraw(int blue = 16)
{
    return Draw({18, 19, 20, 21, 22, 23}, blue);
}

// count draws of big numbers only, numbered 1.. in order.
inline DrawHistory BigHistory(int count)
{
    DrawHistory history(static_cast<std::size_t>(count), BigDraw());
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i].Number = static_cast<int>(i) + 1;
    }
    return history;
}

// 40 draws whose red ranking (counts of the last 40, boosted, 18..33 excluded) is, from position 1:
// 2 3 6 7 10 11 (boosted) 13 (3 times) 14 (twice) 1 4 5 8 9 12 15 16 (once) 17 (never) 18 .. 33.
// Index 3 (37 back) is 1 3 5 7 9 11, index 4 (36 back) is 2 4 6 8 10 12, the last three draws hold
// 13-16; the others are BigDraw. Unexcluded counts: 18..23: 35, 24..26: 3, 27: 2, boosted: 36.
inline DrawHistory RankedHistory()
{
    DrawHistory history = BigHistory(40);
    history[3] = Draw({1, 3, 5, 7, 9, 11});
    history[4] = Draw({2, 4, 6, 8, 10, 12});
    history[37] = Draw({13, 16, 24, 25, 26, 27});
    history[38] = Draw({13, 14, 24, 25, 26, 27});
    history[39] = Draw({13, 14, 15, 24, 25, 26});
    return history;
}

} // namespace quorvane::test
