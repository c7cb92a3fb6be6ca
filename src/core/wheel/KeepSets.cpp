#include "wheel/KeepSets.h"

#include "base/TicketPool.h"

namespace quorvane {

KeepSets::KeepSets(int keep)
    : m_keep(keep)
    , m_bits((static_cast<std::size_t>(Binomial(33, keep)) + 63) / 64, 0)
{
}

void KeepSets::Add(PointMask ticket)
{
    ForEachSubset(ticket, m_keep, [this](PointMask s) {
        const auto r = static_cast<std::size_t>(ColexRank(s));
        m_bits[r / 64] |= std::uint64_t{1} << (r % 64);
    });
}

bool KeepSets::Hits(PointMask set) const
{
    return !ForEachSubset(set, m_keep, [this](PointMask s) { return !Has(ColexRank(s)); });
}

} // namespace quorvane
