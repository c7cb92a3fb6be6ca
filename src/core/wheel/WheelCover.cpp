#include "wheel/WheelCover.h"

#include "base/TicketPool.h"

namespace quorvane {

WheelCover::WheelCover(int points, int match, int keep, int cycle)
    : m_points(points)
    , m_match(match)
    , m_keep(keep)
    , m_all((PointMask{1} << points) - 1)
    , m_cycle(cycle)
{
    std::size_t targets = static_cast<std::size_t>(Binomial(points, match));
    if (cycle > 0) {
        m_orbitOf.assign(targets, -1);
        for (std::size_t r = 0; r < targets; ++r) {
            if (m_orbitOf[r] >= 0) {
                continue;
            }
            const auto orbit = static_cast<std::int32_t>(m_reps.size());
            m_reps.push_back(static_cast<std::int32_t>(r));
            const PointMask set = ColexUnrank(static_cast<std::int32_t>(r), match, points);
            for (int by = 0; by < cycle; ++by) {
                m_orbitOf[static_cast<std::size_t>(ColexRank(TurnPoints(set, by, cycle)))] = orbit;
            }
        }
        targets = m_reps.size();
    }
    m_count.assign(targets, 0);
    m_uncovered.resize(targets);
    m_where.resize(targets);
    for (std::size_t r = 0; r < targets; ++r) {
        m_uncovered[r] = static_cast<std::int32_t>(r);
        m_where[r] = static_cast<std::int32_t>(r);
    }
    for (int inside = keep; inside <= 6 && inside <= match; ++inside) {
        m_perBlock += std::int64_t{Binomial(6, inside)} * Binomial(points - 6, match - inside);
    }
}

void WheelCover::Cover(std::int32_t rank)
{
    const std::size_t r = Target(rank);
    if (m_count[r]++ == 0) {
        // Move the last uncovered set into this one's place.
        const std::int32_t at = m_where[r];
        const std::int32_t last = m_uncovered.back();
        m_uncovered[static_cast<std::size_t>(at)] = last;
        m_where[static_cast<std::size_t>(last)] = at;
        m_uncovered.pop_back();
        m_where[r] = -1;
    }
}

void WheelCover::Uncover(std::int32_t rank)
{
    const std::size_t r = Target(rank);
    if (--m_count[r] == 0) {
        m_where[r] = static_cast<std::int32_t>(m_uncovered.size());
        m_uncovered.push_back(static_cast<std::int32_t>(r));
    }
}

void WheelCover::Add(PointMask block)
{
    ForEachCovered(block, [this](std::int32_t r) { Cover(r); });
}

void WheelCover::Remove(PointMask block)
{
    ForEachCovered(block, [this](std::int32_t r) { Uncover(r); });
}

std::int32_t WheelCover::Gain(PointMask block) const
{
    std::int32_t gain = 0;
    ForEachCovered(block, [this, &gain](std::int32_t r) { gain += m_count[Target(r)] == 0; });
    return gain;
}

std::int32_t WheelCover::Loss(PointMask block) const
{
    std::int32_t loss = 0;
    ForEachCovered(block, [this, &loss](std::int32_t r) { loss += m_count[Target(r)] == 1; });
    return loss;
}

std::int32_t WheelCover::MoveDelta(PointMask block, int out, int in)
{
    // Only match-sets that meet the block in exactly `keep` points, `out` among them, stop being
    // covered by it; only those that meet the changed block in exactly `keep` points, `in` among
    // them, start. Both kinds are (keep - 1 points of the rest of the block) + (match - keep
    // points outside both blocks) + `out` or `in`.
    m_leaving.clear();
    m_entering.clear();
    const PointMask rest = block & ~PointBit(out);
    const PointMask outside = m_all & ~block & ~PointBit(in);
    m_others.clear();
    ForEachSubset(outside, m_match - m_keep, [this](PointMask other) { m_others.push_back(other); });
    std::int32_t delta = 0;
    ForEachSubset(rest, m_keep - 1, [&](PointMask shared) {
        const PointMask withOut = shared | PointBit(out);
        const PointMask withIn = shared | PointBit(in);
        for (const PointMask other : m_others) {
            const std::int32_t leaving = ColexRank(withOut | other);
            const std::int32_t entering = ColexRank(withIn | other);
            delta += m_count[Target(leaving)] == 1;
            delta -= m_count[Target(entering)] == 0;
            m_leaving.push_back(leaving);
            m_entering.push_back(entering);
        }
    });
    return delta;
}

void WheelCover::ApplyMove()
{
    for (const std::int32_t r : m_entering) {
        Cover(r);
    }
    for (const std::int32_t r : m_leaving) {
        Uncover(r);
    }
}

} // namespace quorvane
