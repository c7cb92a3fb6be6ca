#include "measures/Measures.h"

#include <stdexcept>

namespace quorvane {

int SpecNumInterOfCodeArr(const TCodeRedArr& a, int lo, int hi)
{
    if (lo < 1 || hi > 33 || lo > hi) {
        throw std::invalid_argument(kSpecNumInterError);
    }
    int n = 0;
    for (const auto v : a) {
        n += v >= lo && v <= hi;
    }
    return n;
}

} // namespace quorvane
