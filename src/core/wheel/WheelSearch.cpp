#include "wheel/WheelSearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "base/Random.h"
#include "base/TicketPool.h"
#include "wheel/Annealing.h"
#include "wheel/NearBlocks.h"
#include "wheel/WheelCover.h"

namespace quorvane {

namespace {

// Work is measured in looked-up match-sets; this many fit in a second, roughly. It only divides
// the budget between the phases, so the phases depend on the seconds asked for, never on the clock.
constexpr double kLookupsPerSecond = 5e7;
// Each of the two searches over orbits gets this share of the budget.
constexpr double kOrbitShare = 0.25;
// The greedy start may use about this share of a search's budget for comparing candidate blocks.
constexpr double kGreedyWorkShare = 0.3;
constexpr std::int64_t kMostTries = 256;
// The greedy start stops comparing candidates at this share of the budget, leaving the rest of
// the time to complete the cover with one random block per open match-set.
constexpr double kGreedyTimeShare = 0.9;

// The clock is read after about this much work, and at least every 256 steps.
constexpr std::int64_t kClockWork = 100000;
// A window holds about this much work, and between 1,000 and 20,000 steps.
constexpr std::int64_t kWindowWork = 20000000;

// Above this much work, the block to drop is the weakest of kDropSample random ones.
constexpr std::int64_t kFullDropWork = 2000000;
constexpr int kDropSample = 32;

int RandomPoint(PointMask set, Random& random)
{
    std::array<std::int8_t, 33> points{};
    const int n = PointsOf(set, points);
    return points[static_cast<std::size_t>(random.Next(n))];
}

// `count` random points of the set.
PointMask RandomSubset(PointMask set, int count, Random& random)
{
    PointMask picked = 0;
    for (int i = 0; i < count; ++i) {
        picked |= PointBit(RandomPoint(set & ~picked, random));
    }
    return picked;
}

// A random block that covers the match-set: between `keep` and all of its points (as many as the
// points outside it allow), filled up with random points outside it.
PointMask RandomBlockCovering(const WheelCover& cover, PointMask target, Random& random)
{
    const int match = cover.Match();
    const int most = std::min(match, 6);
    const int least = std::max(cover.Keep(), match + 6 - cover.Points());
    const int inside = least + random.Next(most - least + 1);
    const PointMask block = RandomSubset(target, inside, random);
    return block | RandomSubset(cover.AllPoints() & ~target, 6 - inside, random);
}

// No cover can be smaller than this: the Schönheim bound when each match-set needs a block that
// holds all of it (match = keep), else 1.
std::size_t LowerBound(int points, int match, int keep)
{
    if (match != keep) {
        return 1;
    }
    // C(v, 6, t) >= ceil(v / 6 * C(v - 1, 5, t - 1)), down to C(v - t + 1, 7 - t, 1).
    std::int64_t bound = 1;
    for (int i = 0; i < keep; ++i) {
        const std::int64_t n = points - keep + 1 + i;
        const std::int64_t k = 6 - keep + 1 + i;
        bound = (n * bound + k - 1) / k;
    }
    return static_cast<std::size_t>(bound);
}

// A bound on the blocks counts orbits with a cycle: each block stands for up to `cycle` of them.
std::size_t OrbitBound(std::size_t bound, int cycle)
{
    const auto size = static_cast<std::size_t>(cycle > 0 ? cycle : 1);
    return (bound + size - 1) / size;
}

class Search final
{
public:
    Search(int points, int match, int keep, int cycle, const SearchOptions& options,
           WheelSearchResult& result)
        : m_cover(points, match, keep, cycle)
        , m_near(keep - 1)
        , m_random(options.Seed)
        , m_deadline(options)
        , m_seconds(options.Seconds)
        , m_bound(OrbitBound(LowerBound(points, match, keep), cycle))
        , m_result(result)
    {
    }

    // Searches from a greedy start.
    void Run()
    {
        GreedyStart();
        Improve();
    }

    // Searches from a complete cover.
    void RunFrom(std::vector<PointMask> blocks)
    {
        m_blocks = std::move(blocks);
        for (const PointMask b : m_blocks) {
            m_cover.Add(b);
        }
        Improve();
    }

private:
    void Improve()
    {
        KeepBlocks();
        if (m_result.StoppedEarly) {
            return;
        }
        DropRedundant();
        KeepBlocks();
        Anneal();
    }

    // Keeps the present blocks, a complete cover, as the result.
    void KeepBlocks()
    {
        if (m_result.Blocks.empty() || m_blocks.size() < m_result.Blocks.size()) {
            m_result.FoundSeconds = m_deadline.Elapsed();
        }
        m_result.Blocks = m_blocks;
    }

    // Walks the match-sets in rank order and, for each one still open, adds the best of some random
    // blocks that cover it. When the time runs out, each set still open gets one random block.
    void GreedyStart()
    {
        const double targets = m_cover.TargetCount();
        const auto tries = static_cast<int>(std::clamp<double>(
            std::floor(kLookupsPerSecond * m_seconds * kGreedyWorkShare / (2.0 * targets)), 1.0, kMostTries));
        for (std::int32_t next = 0; next < m_cover.TargetCount(); ++next) {
            if (m_cover.IsCovered(next)) {
                continue;
            }
            if (!m_result.StoppedEarly && m_deadline.PastShare(kGreedyTimeShare)) {
                m_result.StoppedEarly = true;
            }
            const PointMask target = m_cover.TargetSet(next);
            PointMask best = RandomBlockCovering(m_cover, target, m_random);
            if (!m_result.StoppedEarly) {
                std::int32_t bestGain = m_cover.Gain(best);
                for (int i = 1; i < tries; ++i) {
                    const PointMask candidate = RandomBlockCovering(m_cover, target, m_random);
                    const std::int32_t gain = m_cover.Gain(candidate);
                    if (gain > bestGain) {
                        best = candidate;
                        bestGain = gain;
                    }
                }
            }
            m_cover.Add(best);
            m_blocks.push_back(best);
        }
    }

    // Removes, in one pass, every block whose match-sets are all covered by others too.
    void DropRedundant()
    {
        for (std::size_t i = m_blocks.size(); i-- > 0 && !m_deadline.TimeUp();) {
            if (m_cover.Loss(m_blocks[i]) != 0) {
                continue;
            }
            // Counted by orbit, a block can cover one orbit twice and still be its only cover.
            m_cover.Remove(m_blocks[i]);
            if (m_cover.UncoveredCount() != 0) {
                m_cover.Add(m_blocks[i]);
                continue;
            }
            m_blocks[i] = m_blocks.back();
            m_blocks.pop_back();
        }
    }

    // Removes the block that leaves the fewest match-sets open (among a sample when that is cheaper).
    void DropWeakestBlock()
    {
        const bool sample =
            static_cast<std::int64_t>(m_blocks.size()) * m_cover.CoveredPerBlock() > kFullDropWork;
        const int looks = sample ? kDropSample : static_cast<int>(m_blocks.size());
        std::size_t weakest = 0;
        std::int32_t least = -1;
        for (int look = 0; look < looks && least != 0; ++look) {
            const auto i =
                sample ? static_cast<std::size_t>(m_random.Next(static_cast<std::int32_t>(m_blocks.size())))
                       : static_cast<std::size_t>(look);
            const std::int32_t loss = m_cover.Loss(m_blocks[i]);
            if (least < 0 || loss < least) {
                weakest = i;
                least = loss;
            }
        }
        m_cover.Remove(m_blocks[weakest]);
        m_blocks[weakest] = m_blocks.back();
        m_blocks.pop_back();
    }

    // A block to move towards the open match-set: a random one of those one move away from covering
    // it (meeting it in keep - 1 points), else the first of those that meet it most.
    std::size_t BlockNear(PointMask target)
    {
        const std::int32_t found = m_near.RandomNear(target, m_random);
        if (found >= 0) {
            return static_cast<std::size_t>(found);
        }
        std::size_t chosen = 0;
        int most = -1;
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            const int meet = PointCount(m_blocks[i] & target);
            if (meet > most) {
                most = meet;
                chosen = i;
            }
        }
        return chosen;
    }

    // Each step takes a random open match-set and moves one point of a block so that the block covers
    // it; the move is kept by the annealing rule. Whenever the cover is complete it is kept as the
    // best so far and the weakest block is dropped.
    void Anneal()
    {
        const int keep = m_cover.Keep();
        const std::int64_t moveWork =
            2 * std::int64_t{Binomial(5, keep - 1)} * Binomial(m_cover.Points() - 7, m_cover.Match() - keep);
        const auto window = static_cast<std::uint64_t>(
            std::clamp<std::int64_t>(kWindowWork / std::max<std::int64_t>(moveWork, 1), 1000, 20000));
        AnnealTemperature temperature(window);
        m_deadline.SetClockInterval(static_cast<std::uint64_t>(
            std::clamp<std::int64_t>(kClockWork / std::max<std::int64_t>(moveWork, 1), 1, 256)));
        std::uint64_t steps = 0;
        m_near.Build(m_blocks);
        for (;;) {
            if (m_cover.UncoveredCount() == 0) {
                KeepBlocks();
                if (m_blocks.size() <= m_bound || m_deadline.TimeUp()) {
                    break;
                }
                DropWeakestBlock();
                m_near.Build(m_blocks);
                continue;
            }
            if (m_deadline.StepsDone(steps)) {
                break;
            }
            ++steps;
            temperature.Observe(m_cover.UncoveredCount());
            const std::int32_t open =
                m_cover.Uncovered(static_cast<std::size_t>(m_random.Next(m_cover.UncoveredCount())));
            PointMask target = m_cover.TargetSet(open);
            if (m_cover.Cycle() > 0) {
                // Any set of the open orbit will do: turning the block that covers it covers the rest.
                target = TurnPoints(target, m_random.Next(m_cover.Cycle()), m_cover.Cycle());
            }
            const std::size_t index = BlockNear(target);
            const PointMask block = m_blocks[index];
            const int out = RandomPoint(block & ~target, m_random);
            const int in = RandomPoint(target & ~block, m_random);
            const std::int32_t delta = m_cover.MoveDelta(block, out, in);
            if (temperature.Accept(delta, m_random)) {
                m_cover.ApplyMove();
                m_blocks[index] = block ^ PointBit(out) ^ PointBit(in);
                m_near.Change(static_cast<std::int32_t>(index), block, m_blocks[index]);
            }
        }
        m_result.Steps = steps;
    }

    WheelCover m_cover;
    NearBlocks m_near;
    Random m_random;
    SearchDeadline m_deadline;
    double m_seconds;
    std::size_t m_bound;
    WheelSearchResult& m_result;
    std::vector<PointMask> m_blocks;
};

} // namespace

WheelSearchResult SearchWheel(int points, int match, int keep, const SearchOptions& options)
{
    // First the search over orbits, once for each cycle, each with a share of the budget (and of
    // the step limit); then the plain search from the better of the two, turned into whole orbits,
    // with what is left.
    const auto started = std::chrono::steady_clock::now();
    const auto since = [started] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    SearchOptions orbitOptions = options;
    orbitOptions.Seconds = options.Seconds * kOrbitShare;
    orbitOptions.MaxSteps = options.MaxSteps == 0 ? 0 : std::max<std::uint64_t>(1, options.MaxSteps / 4);
    std::vector<PointMask> start;
    double startFound = 0;
    std::uint64_t orbitSteps = 0;
    bool orbitsCut = true;
    for (const int cycle : {points - 1, points}) {
        if (!start.empty() && start.size() <= LowerBound(points, match, keep)) {
            break;
        }
        WheelSearchResult orbits;
        const double begun = since();
        Search(points, match, keep, cycle, orbitOptions, orbits).Run();
        std::vector<PointMask> blocks;
        for (const PointMask b : orbits.Blocks) {
            for (int by = 0; by < cycle; ++by) {
                blocks.push_back(TurnPoints(b, by, cycle));
            }
        }
        std::sort(blocks.begin(), blocks.end());
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
        if (start.empty() || blocks.size() < start.size()) {
            start = std::move(blocks);
            startFound = begun + orbits.FoundSeconds;
        }
        orbitSteps += orbits.Steps;
        orbitsCut = orbitsCut && orbits.StoppedEarly;
    }
    SearchOptions rest = options;
    const double spent = since();
    const std::size_t startSize = start.size();
    rest.Seconds = std::max(options.Seconds - spent, 0.0);
    rest.MaxSteps = options.MaxSteps == 0 ? 0 : options.MaxSteps - std::min(options.MaxSteps - 1, orbitSteps);
    WheelSearchResult result;
    Search(points, match, keep, 0, rest, result).RunFrom(std::move(start));
    result.StoppedEarly = orbitsCut && result.Steps == 0;
    result.FoundSeconds = result.Blocks.size() < startSize ? spent + result.FoundSeconds : startFound;
    result.Steps += orbitSteps;
    return result;
}

} // namespace quorvane
