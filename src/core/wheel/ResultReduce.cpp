#include "wheel/ResultReduce.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include <queue>

#include "text/UserError.h"
#include "wheel/Annealing.h"
#include "wheel/KeepSets.h"
#include "wheel/SurvivorGraph.h"
#include "wheel/WheelInput.h"

namespace quorvane {

namespace {

// The survivor graph costs 8 bytes per survivor and keep-set. Above this many entries, or more than
// the budget allows building, none is built and the survivors are taken by the first-fit rule alone.
constexpr std::int64_t kMostGraphEntries = 8000000;
constexpr double kGraphEntriesPerSecond = 2e7;
// The ticket to give up is the weakest of all chosen ones, or of this many random ones when there are
// more: scanning hundreds of tickets per step costs more than it finds.
constexpr std::size_t kWeakestSample = 64;
// The greedy choice stops at this share of the budget, leaving the rest to complete the cover.
constexpr double kGreedyShare = 0.9;
// Steps per temperature window of the local search.
constexpr std::uint64_t kReduceWindow = 2000;

// A list with O(1) insert, erase and random pick, of the numbers 0..size-1.
class IndexSet final
{
public:
    explicit IndexSet(std::size_t size)
        : m_at(size, -1)
    {
    }
    bool Has(std::int32_t i) const { return m_at[static_cast<std::size_t>(i)] >= 0; }
    std::size_t Size() const { return m_items.size(); }
    std::int32_t operator[](std::size_t k) const { return m_items[k]; }
    const std::vector<std::int32_t>& Items() const { return m_items; }
    void Insert(std::int32_t i)
    {
        m_at[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(m_items.size());
        m_items.push_back(i);
    }
    void Erase(std::int32_t i)
    {
        const std::int32_t at = m_at[static_cast<std::size_t>(i)];
        const std::int32_t last = m_items.back();
        m_items[static_cast<std::size_t>(at)] = last;
        m_at[static_cast<std::size_t>(last)] = at;
        m_items.pop_back();
        m_at[static_cast<std::size_t>(i)] = -1;
    }

private:
    std::vector<std::int32_t> m_items;
    std::vector<std::int32_t> m_at;
};

class Reducer final
{
public:
    Reducer(const std::vector<PointMask>& sets, int keep, const SearchOptions& options, ReducedResult& result)
        : m_sets(sets)
        , m_keep(keep)
        , m_deadline(options)
        , m_random(options.Seed)
        , m_result(result)
        , m_chosen(sets.size())
        , m_open(sets.size())
    {
        const std::int64_t entries = static_cast<std::int64_t>(sets.size()) * Binomial(6, keep);
        if (entries <= kMostGraphEntries && entries <= kGraphEntriesPerSecond * options.Seconds) {
            m_graph.emplace(sets, keep);
        }
    }

    std::vector<std::int32_t> Run()
    {
        if (!m_graph || !Greedy()) {
            m_result.StoppedEarly = true;
            FirstFit();
            m_result.FoundSeconds = m_deadline.Elapsed();
            return m_chosen.Items();
        }
        DropRedundant();
        LocalSearch();
        return m_best;
    }

private:
    // Takes the survivor that covers most uncovered ones, again and again. Counts only fall as
    // survivors get covered, so a stale count is an upper bound: a survivor is re-counted when it
    // comes to the top, and taken when it stays there. False when its share of the time ran out first.
    bool Greedy()
    {
        m_count.assign(m_sets.size(), 0);
        m_coverers.assign(m_sets.size(), 0);
        m_loss.assign(m_sets.size(), 0);
        m_spared.assign(m_sets.size(), 0);
        for (std::int32_t s = 0; s < m_graph->Size(); ++s) {
            m_open.Insert(s);
        }
        std::priority_queue<std::pair<std::int64_t, std::int32_t>> heap; // (bound, -survivor)
        for (std::int32_t s = 0; s < m_graph->Size(); ++s) {
            heap.emplace(m_graph->NeighbourBound(s), -s);
        }
        for (std::uint32_t pops = 0; m_open.Size() > 0; ++pops) {
            if (pops % 16 == 0 && m_deadline.PastShare(kGreedyShare)) {
                return false;
            }
            const std::int32_t s = -heap.top().second;
            heap.pop();
            std::int64_t gain = 0;
            m_graph->ForEachNeighbour(s, [this, &gain](std::int32_t n) { gain += m_open.Has(n) ? 1 : 0; });
            if (heap.empty() || gain >= heap.top().first) {
                Take(s);
            } else {
                heap.emplace(gain, -s);
            }
        }
        return true;
    }

    // Completes the cover: every survivor not yet covered, in pool order, is taken unless a survivor
    // taken before covers it.
    void FirstFit()
    {
        KeepSets held(m_keep);
        for (const std::int32_t c : m_chosen.Items()) {
            held.Add(m_sets[static_cast<std::size_t>(c)]);
        }
        for (std::int32_t s = 0; s < static_cast<std::int32_t>(m_sets.size()); ++s) {
            const bool covered = m_graph && !m_count.empty() && m_count[static_cast<std::size_t>(s)] > 0;
            if (!covered && !held.Hits(m_sets[static_cast<std::size_t>(s)])) {
                m_chosen.Insert(s);
                held.Add(m_sets[static_cast<std::size_t>(s)]);
            }
        }
    }

    // A survivor covered once knows its one coverer: the sum of the ids of its coverers is that id.
    // So each chosen ticket's loss (the survivors only it covers) is kept up to date as tickets come
    // and go, and no neighbourhood has to be walked to find the ticket to give up.
    void Take(std::int32_t s)
    {
        m_chosen.Insert(s);
        m_graph->ForEachNeighbour(s, [this, s](std::int32_t n) {
            const auto i = static_cast<std::size_t>(n);
            if (m_count[i] == 0) {
                m_open.Erase(n);
                ++m_loss[static_cast<std::size_t>(s)];
            } else if (m_count[i] == 1) {
                --m_loss[static_cast<std::size_t>(m_coverers[i])];
            }
            ++m_count[i];
            m_coverers[i] += s;
        });
    }

    void Leave(std::int32_t s)
    {
        m_chosen.Erase(s);
        m_graph->ForEachNeighbour(s, [this, s](std::int32_t n) {
            const auto i = static_cast<std::size_t>(n);
            --m_count[i];
            m_coverers[i] -= s;
            if (m_count[i] == 0) {
                m_open.Insert(n);
            } else if (m_count[i] == 1) {
                ++m_loss[static_cast<std::size_t>(m_coverers[i])];
            }
        });
        m_loss[static_cast<std::size_t>(s)] = 0;
    }

    void DropRedundant()
    {
        const std::vector<std::int32_t> chosen = m_chosen.Items();
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
            if (m_loss[static_cast<std::size_t>(*it)] == 0) {
                Leave(*it);
            }
        }
    }

    // The chosen ticket whose removal uncovers fewest survivors (the first of equals; among
    // kWeakestSample random ones when there are more), where m_spared counts, per ticket, the
    // survivors that a newcomer would cover in its place.
    std::int32_t Weakest(std::int64_t& least)
    {
        const bool all = m_chosen.Size() <= kWeakestSample;
        const std::size_t looks = all ? m_chosen.Size() : kWeakestSample;
        std::int32_t weakest = -1;
        for (std::size_t k = 0; k < looks; ++k) {
            const auto at =
                all ? k : static_cast<std::size_t>(m_random.Next(static_cast<std::int32_t>(m_chosen.Size())));
            const std::int32_t c = m_chosen[at];
            const std::int64_t loss =
                m_loss[static_cast<std::size_t>(c)] - m_spared[static_cast<std::size_t>(c)];
            if (weakest < 0 || loss < least) {
                weakest = c;
                least = loss;
            }
        }
        return weakest;
    }

    // Whenever every survivor is covered, keeps the choice and gives up the weakest chosen ticket.
    // Each step takes a random uncovered survivor and a random ticket that would cover it, and swaps
    // it for the chosen ticket that then loses least, by the annealing rule.
    void LocalSearch()
    {
        AnnealTemperature temperature(kReduceWindow);
        std::uint64_t steps = 0;
        std::vector<std::int32_t> near;
        std::vector<std::int32_t> spared;
        for (;;) {
            if (m_open.Size() == 0) {
                if (m_best.empty() || m_chosen.Size() < m_best.size()) {
                    m_result.FoundSeconds = m_deadline.Elapsed();
                }
                m_best = m_chosen.Items();
                if (m_chosen.Size() <= 1 || m_deadline.TimeUp()) {
                    break;
                }
                std::int64_t least = 0;
                Leave(Weakest(least));
                continue;
            }
            if (m_deadline.StepsDone(steps)) {
                break;
            }
            ++steps;
            temperature.Observe(static_cast<std::int64_t>(m_open.Size()));
            const std::int32_t open =
                m_open[static_cast<std::size_t>(m_random.Next(static_cast<std::int32_t>(m_open.Size())))];
            near.clear();
            m_graph->ForEachNeighbour(open, [&near](std::int32_t n) { near.push_back(n); });
            const std::int32_t in =
                near[static_cast<std::size_t>(m_random.Next(static_cast<std::int32_t>(near.size())))];
            std::int64_t gained = 0;
            spared.clear();
            m_graph->ForEachNeighbour(in, [&](std::int32_t n) {
                const auto i = static_cast<std::size_t>(n);
                if (m_count[i] == 0) {
                    ++gained;
                } else if (m_count[i] == 1) {
                    spared.push_back(m_coverers[i]);
                    ++m_spared[static_cast<std::size_t>(m_coverers[i])];
                }
            });
            std::int64_t lost = 0;
            const std::int32_t out = Weakest(lost);
            for (const std::int32_t c : spared) {
                m_spared[static_cast<std::size_t>(c)] = 0;
            }
            if (temperature.Accept(lost - gained, m_random)) {
                Take(in);
                Leave(out);
            }
        }
        m_result.Steps = steps;
    }

    const std::vector<PointMask>& m_sets;
    int m_keep;
    SearchDeadline m_deadline;
    Random m_random;
    ReducedResult& m_result;
    std::optional<SurvivorGraph> m_graph;
    IndexSet m_chosen;
    IndexSet m_open;                      // survivors no chosen one covers (with a graph)
    std::vector<std::int32_t> m_count;    // per survivor: the chosen ones that cover it
    std::vector<std::int64_t> m_coverers; // per survivor: the sum of the ids of its coverers
    std::vector<std::int32_t> m_loss;     // per chosen ticket: the survivors only it covers
    std::vector<std::int32_t> m_spared;   // per chosen ticket: scratch of a swap
    std::vector<std::int32_t> m_best;
};

} // namespace

TCodeRedArrArr SurvivorTickets(const TicketPool& pool, const SurvivorFlags& flags)
{
    TCodeRedArrArr survivors;
    ForEachSurvivor(pool, flags, [&survivors](const TCodeRedArr& t) { survivors.push_back(t); });
    return survivors;
}

SurvivorFlags FlagsOfTickets(const TCodeRedArrArr& tickets)
{
    SurvivorFlags flags(static_cast<std::size_t>(kPoolCount), 0);
    for (const TCodeRedArr& t : tickets) {
        flags[static_cast<std::size_t>(OrdinalOfTicket(t))] = 1;
    }
    return flags;
}

ReducedResult ReduceSurvivors(const TCodeRedArrArr& survivors, int keep, const SearchOptions& options)
{
    if (keep < kReduceLeastKeep || keep > kReduceMostKeep) {
        throw std::invalid_argument("a reduction keeps 3..5 reds");
    }
    if (survivors.empty()) {
        throw UserError(kReduceEmptyMessage);
    }
    ReducedResult result;
    result.Keep = keep;
    result.Survivors = static_cast<std::int32_t>(survivors.size());
    std::vector<PointMask> sets;
    sets.reserve(survivors.size());
    for (const TCodeRedArr& t : survivors) {
        sets.push_back(MaskOfTicket(t));
    }
    std::vector<std::int32_t> chosen = Reducer(sets, keep, options, result).Run();
    std::sort(chosen.begin(), chosen.end());
    for (const std::int32_t c : chosen) {
        result.Tickets.push_back(survivors[static_cast<std::size_t>(c)]);
    }
    return result;
}

} // namespace quorvane
