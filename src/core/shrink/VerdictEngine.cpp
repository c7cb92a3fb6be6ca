#include "shrink/VerdictEngine.h"

#include <algorithm>

#include "shrink/EngineParts.h"
#include "shrink/LineTickets.h"

namespace quorvane {

using namespace engine;

namespace {

// The tests of the plans, sorted by kind so that each kind is applied in a loop of its own; Plan is
// the index of the plan a test belongs to. A plan fails a ticket when any of its tests does.

// Positions, single gaps and head and tail: the first five numbers and the first four gaps are
// decided on the way down (PositionDead, GapDead); the sixth number and the last gap here.
struct ShapeTest
{
    std::size_t Plan;
    std::uint64_t Sixth;
    std::uint64_t LastGap;
    std::uint64_t HeadTailDiffs;
    std::uint64_t HeadTailSums;
};

struct SumTest
{
    std::size_t Plan;
    const SumSet* Sums;
};

struct TailDigitTest
{
    std::size_t Plan;
    TailTest Test;
};

struct GapMeasureTest
{
    std::size_t Plan;
    GapTest Test;
};

struct AcTest
{
    std::size_t Plan;
    std::uint32_t Values;
};

struct ChainTest
{
    std::size_t Plan;
    unsigned Odd;
    unsigned Even;
};

struct RunsTest
{
    std::size_t Plan;
    const std::array<bool, 128>* Allowed;
};

struct CountTest
{
    std::size_t Plan;
    std::size_t Word;                    // the counter's word and
    unsigned Shift;                      // bit offset in the packed counts
    std::array<std::uint64_t, 8> Select; // the sixth numbers allowed with c of the first five in the set
};

struct PartTest
{
    std::size_t Plan;
    ActivePartition Test;
};

struct PartHitTest
{
    std::size_t Plan;
    std::size_t Kind;
    ActiveHit Test;
};

struct ReferenceLineTest
{
    std::size_t Plan;
    const ShrinkPlan* Source;
    PoolBits Marked; // the tickets that pass, one bit per ordinal, when marking them was cheaper
};

struct ExcludedTest
{
    std::size_t Plan;
    const std::vector<std::int32_t>* Ordinals;
};

// Counted sets: 3-bit counts, 21 to a word.
constexpr std::size_t kCountsPerWord = 21;

// The bits from `first` on of a pool bit set, `block` (<= 33) of them, as bits 0..block-1.
std::uint64_t PoolBitsAt(const PoolBits& bits, std::int32_t first, int block)
{
    const auto w = static_cast<std::size_t>(first) / 64;
    const int shift = first % 64;
    std::uint64_t v = bits[w] >> shift;
    if (shift != 0 && w + 1 < bits.size()) {
        v |= bits[w + 1] << (64 - shift);
    }
    return v & LowBits(block);
}

} // namespace

struct VerdictEngine::Impl
{
    explicit Impl(const std::vector<const ShrinkPlan*>& plans);

    void AddPlan(std::size_t index, const ShrinkPlan& plan);
    std::size_t Counter(std::uint64_t numbers);

    // The prefix with n placed at the given position (0..4); the level states follow.
    template <int Position> Prefix Enter(const Prefix& s, int n)
    {
        Prefix t = ExtendCommon<Position>(s, n);
        for (std::size_t k = 0; k < kHitKinds; ++k) {
            t.Hits[k] |= static_cast<std::uint16_t>(1u << HitLayouts[k]->PartOf[static_cast<std::size_t>(n)]);
        }
        Dead[Position + 1] = Dead[Position] | PositionDead[Position][static_cast<std::size_t>(n)];
        if constexpr (Position > 0) {
            Dead[Position + 1] |= GapDead[Position - 1][static_cast<std::size_t>(n - s.Last)];
        }
        const std::uint64_t* contrib = Contrib.data() + static_cast<std::size_t>(n) * CounterWords;
        const std::uint64_t* before = Counts[Position].data();
        std::uint64_t* after = Counts[Position + 1].data();
        for (std::size_t w = 0; w < CounterWords; ++w) {
            after[w] = before[w] + contrib[w];
        }
        const PartitionState* from = PartStates[Position].data();
        PartitionState* to = PartStates[Position + 1].data();
        for (std::size_t i = 0; i < Parts.size(); ++i) {
            const ActivePartition& a = Parts[i].Test;
            to[i] = AddToPartition(from[i], a, a.Layout->PartOf[static_cast<std::size_t>(n)]);
        }
        return t;
    }

    void ResetLevels()
    {
        Dead[0] = StartDead;
        std::fill(Counts[0].begin(), Counts[0].end(), 0);
        for (std::size_t i = 0; i < Parts.size(); ++i) {
            PartStates[0][i] = StartPartitionState(Parts[i].Test);
        }
    }

    // Writes the failures of the tickets that share the five placed numbers into the pool sets.
    struct PoolSink
    {
        static constexpr bool kPool = true;
        PoolBitSets& Fails;
        std::int32_t Ordinal; // the ticket of the sixth number Last + 1
        int Shift;            // Last + 1

        void Fail(std::size_t plan, std::uint64_t fail) const
        {
            if (fail == 0) {
                return;
            }
            const std::uint64_t bits = fail >> Shift;
            std::uint64_t* out = Fails[plan];
            const auto w = static_cast<std::size_t>(Ordinal) / 64;
            const int at = Ordinal % 64;
            out[w] |= bits << at;
            if (at != 0 && (bits >> (64 - at)) != 0) {
                out[w + 1] |= bits >> (64 - at);
            }
        }
    };

    // Collects the failures of one ticket.
    struct TicketSink
    {
        static constexpr bool kPool = false;
        std::uint64_t Failed = 0;
        std::int32_t Ordinal = 0; // the ticket's

        void Fail(std::size_t plan, std::uint64_t fail) { Failed |= fail != 0 ? 1ull << plan : 0; }
    };

    // Five numbers are placed; cand holds the sixth numbers to decide.
    template <typename Sink> void Leaf(const Prefix& s, std::uint64_t cand, Sink& sink)
    {
        for (std::uint64_t dead = Dead[5]; dead != 0; dead &= dead - 1) {
            sink.Fail(static_cast<std::size_t>(__builtin_ctzll(dead)), cand);
        }
        for (const ShapeTest& t : Shapes) {
            const std::uint64_t pass =
                t.Sixth & (t.LastGap << s.Last) & (t.HeadTailDiffs << s.First) & (t.HeadTailSums >> s.First);
            sink.Fail(t.Plan, cand & ~pass);
        }
        for (const SumTest& t : Sums) {
            sink.Fail(t.Plan, cand & ~SumCandidates(*t.Sums, s.Sum));
        }
        const std::uint64_t* counts = Counts[5].data();
        for (const CountTest& t : Groups) {
            sink.Fail(t.Plan, cand & ~t.Select[(counts[t.Word] >> t.Shift) & 7u]);
        }
        const PartitionState* states = PartStates[5].data();
        for (std::size_t i = 0; i < Parts.size(); ++i) {
            sink.Fail(Parts[i].Plan, cand & ~PartitionCandidates(states[i], Parts[i].Test));
        }
        for (const PartHitTest& t : Hits) {
            sink.Fail(t.Plan, cand & ~HitCandidates(s.Hits[t.Kind], t.Test));
        }
        for (const TailDigitTest& t : Tails) {
            sink.Fail(t.Plan, cand & ~Digits[t.Test.Digits(s)]);
        }
        for (const GapMeasureTest& t : Gaps) {
            sink.Fail(t.Plan, cand & ~(t.Test.Values(s) << s.Last));
        }
        for (const RunsTest& t : Runs) {
            sink.Fail(t.Plan, cand & ~RunCandidates(s, *t.Allowed));
        }
        for (const ChainTest& t : Chains) {
            sink.Fail(t.Plan, cand & ~ChainCandidates(s, t.Odd, t.Even));
        }
        for (const AcTest& t : Acs) {
            sink.Fail(t.Plan, cand & ~AcCandidates(s, t.Values));
        }
        const int block = 33 - s.Last;
        for (const ReferenceLineTest& t : Lines) {
            std::uint64_t pass = 0;
            if (Sink::kPool && !t.Marked.empty()) {
                pass = PoolBitsAt(t.Marked, s.Ordinal, block) << (s.Last + 1);
            } else {
                pass = LineCandidates(t.Source->Lines, t.Source->LineCounts, cand,
                                      [&s](std::size_t, std::uint64_t line) {
                                          return static_cast<unsigned>(detail::PopCount(s.Mask & line));
                                      });
            }
            sink.Fail(t.Plan, cand & ~pass);
        }
        for (std::size_t i = 0; i < Excluded.size(); ++i) {
            std::uint64_t excluded = 0;
            if constexpr (Sink::kPool) {
                excluded = Cursors[i].Block(s.Ordinal, block) << (s.Last + 1);
            } else {
                const auto& ordinals = *Excluded[i].Ordinals;
                excluded = std::binary_search(ordinals.begin(), ordinals.end(), sink.Ordinal) ? cand : 0;
            }
            sink.Fail(Excluded[i].Plan, cand & excluded);
        }
    }

    template <int Placed> void Descend(const Prefix& s, std::uint64_t candidates, PoolVerdicts& out)
    {
        while (candidates != 0) {
            const int n = __builtin_ctzll(candidates);
            candidates &= candidates - 1;
            const Prefix next = Enter<Placed>(s, n);
            const std::uint64_t above = ~LowBits(n + 1);
            if constexpr (Placed < 4) {
                Descend<Placed + 1>(next, Room[4 - Placed] & above, out);
                if constexpr (Placed == 1) {
                    if (Progress != nullptr && *Progress) {
                        (*Progress)(next.Ordinal - kOrdinalOffsets[2][static_cast<std::size_t>(n + 1)] +
                                    kOrdinalOffsets[2][34]);
                    }
                }
            } else {
                const std::uint64_t cand = Base & above;
                const int shift = n + 1;
                const auto w = static_cast<std::size_t>(next.Ordinal) / 64;
                const int at = next.Ordinal % 64;
                const std::uint64_t bits = cand >> shift;
                out.Base[w] |= bits << at;
                if (at != 0 && (bits >> (64 - at)) != 0) {
                    out.Base[w + 1] |= bits >> (64 - at);
                }
                PoolSink sink{out.Fails, next.Ordinal, shift};
                Leaf(next, cand, sink);
            }
        }
    }

    std::size_t PlanCount = 0;
    std::array<std::array<std::uint64_t, 34>, 5> PositionDead{}; // [p][n]: plans that refuse n at p
    std::array<std::array<std::uint64_t, 34>, 4> GapDead{};      // [i][g]: plans that refuse gap i = g
    std::uint64_t StartDead = 0;                                 // plans that refuse every ticket
    std::vector<ShapeTest> Shapes;
    std::vector<SumTest> Sums;
    std::vector<TailDigitTest> Tails;
    std::vector<GapMeasureTest> Gaps;
    std::vector<AcTest> Acs;
    std::vector<ChainTest> Chains;
    std::vector<RunsTest> Runs;
    std::vector<CountTest> Groups;
    std::vector<PartTest> Parts;
    std::vector<PartHitTest> Hits;
    std::vector<ReferenceLineTest> Lines;
    std::vector<ExcludedTest> Excluded;
    std::vector<ExcludedCursor> Cursors;

    // The counted sets and, for each number, what it adds to their counts.
    std::vector<std::uint64_t> CounterNumbers;
    std::size_t CounterWords = 0;
    std::vector<std::uint64_t> Contrib;

    // The state after each number of levels placed.
    std::array<std::uint64_t, 6> Dead{};
    std::array<std::vector<std::uint64_t>, 6> Counts;
    std::array<std::vector<PartitionState>, 6> PartStates;
    std::array<const PartitionLayout*, kHitKinds> HitLayouts{};
    const std::array<std::uint64_t, 1024>& Digits = DigitNumbers();

    // Of the run over the pool: the base and Room[k], the base numbers with k more above them.
    std::uint64_t Base = 0;
    std::array<std::uint64_t, 6> Room{};
    const ShrinkEngineProgress* Progress = nullptr;
};

VerdictEngine::Impl::Impl(const std::vector<const ShrinkPlan*>& plans)
    : PlanCount(std::min(plans.size(), kMaxVerdictPlans))
{
    for (std::size_t k = 0; k < kHitKinds; ++k) {
        HitLayouts[k] = &LayoutOf(static_cast<HitKind>(k));
    }
    for (std::size_t i = 0; i < PlanCount; ++i) {
        AddPlan(i, *plans[i]);
    }
    CounterWords = (CounterNumbers.size() + kCountsPerWord - 1) / kCountsPerWord;
    Contrib.assign(34 * CounterWords, 0);
    for (std::size_t i = 0; i < CounterNumbers.size(); ++i) {
        for (int n = 1; n <= 33; ++n) {
            if ((CounterNumbers[i] >> n) & 1u) {
                Contrib[static_cast<std::size_t>(n) * CounterWords + i / kCountsPerWord] |=
                    1ull << (3 * (i % kCountsPerWord));
            }
        }
    }
    for (std::size_t level = 0; level < 6; ++level) {
        Counts[level].assign(CounterWords, 0);
        PartStates[level].assign(Parts.size(), PartitionState{});
    }
}

std::size_t VerdictEngine::Impl::Counter(std::uint64_t numbers)
{
    const auto found = std::find(CounterNumbers.begin(), CounterNumbers.end(), numbers);
    if (found != CounterNumbers.end()) {
        return static_cast<std::size_t>(found - CounterNumbers.begin());
    }
    CounterNumbers.push_back(numbers);
    return CounterNumbers.size() - 1;
}

void VerdictEngine::Impl::AddPlan(std::size_t index, const ShrinkPlan& plan)
{
    const std::uint64_t bit = 1ull << index;
    if (plan.Inactive) {
        return;
    }
    if (plan.Nothing) {
        StartDead |= bit;
        return;
    }
    bool shape = plan.HeadTailDiffs != ~0ull || plan.HeadTailSums != ~0ull;
    for (std::size_t p = 0; p < 6; ++p) {
        shape = shape || (plan.Positions[p] & kAllNumbers) != kAllNumbers;
    }
    for (std::size_t i = 0; i < 5; ++i) {
        shape = shape || (plan.Gaps[i] & kAllNumbers) != kAllNumbers;
    }
    if (shape) {
        for (std::size_t p = 0; p < 5; ++p) {
            for (std::size_t n = 1; n <= 33; ++n) {
                PositionDead[p][n] |= ((plan.Positions[p] >> n) & 1u) != 0 ? 0 : bit;
            }
        }
        for (std::size_t i = 0; i < 4; ++i) {
            for (std::size_t g = 1; g <= 32; ++g) {
                GapDead[i][g] |= ((plan.Gaps[i] >> g) & 1u) != 0 ? 0 : bit;
            }
        }
        Shapes.push_back({index, plan.Positions[5], plan.Gaps[4], plan.HeadTailDiffs, plan.HeadTailSums});
    }
    if (plan.SumActive) {
        Sums.push_back({index, &plan.Sums});
    }
    if (TailTest tails(plan); tails.Active()) {
        Tails.push_back({index, std::move(tails)});
    }
    if (GapTest gaps(plan); gaps.Active()) {
        Gaps.push_back({index, std::move(gaps)});
    }
    if (AcActive(plan.AcValues)) {
        Acs.push_back({index, plan.AcValues});
    }
    if (plan.OddChains != 0xFF || plan.EvenChains != 0xFF) {
        Chains.push_back({index, plan.OddChains, plan.EvenChains});
    }
    if (plan.RunsActive) {
        Runs.push_back({index, &plan.RunsAllowed});
    }
    for (const GroupTest& g : plan.Groups) {
        const std::size_t counter = Counter(g.Numbers);
        CountTest t{
            index, counter / kCountsPerWord, static_cast<unsigned>(3 * (counter % kCountsPerWord)), {}};
        for (unsigned c = 0; c < 7; ++c) {
            t.Select[c] = CountCandidates(g.Numbers, g.Allowed, c);
        }
        Groups.push_back(t);
    }
    for (std::size_t k = 0; k < kPartitionKinds; ++k) {
        if (plan.Partitions[k].Active) {
            Parts.push_back(
                {index, MakeActivePartition(static_cast<PartitionKind>(k), plan.Partitions[k].Allowed)});
        }
    }
    for (std::size_t k = 0; k < kHitKinds; ++k) {
        if (plan.Hits[k].Active) {
            const ActiveHit h{HitLayouts[k], (1u << HitLayouts[k]->Parts) - 1, plan.Hits[k].Allowed};
            Hits.push_back({index, k, h});
        }
    }
    if (plan.LinesActive) {
        Lines.push_back({index, &plan, {}});
    }
    if (!plan.ExcludedTickets.empty()) {
        Excluded.push_back({index, &plan.ExcludedTickets});
    }
}

VerdictEngine::VerdictEngine(const std::vector<const ShrinkPlan*>& plans)
    : m_impl(std::make_unique<Impl>(plans))
{
}

VerdictEngine::~VerdictEngine() = default;

VerdictEngine::PoolVerdicts VerdictEngine::Run(std::uint64_t base, const ShrinkEngineProgress& progress)
{
    Impl& e = *m_impl;
    PoolVerdicts out;
    out.Base.assign(kPoolWords, 0);
    out.Fails = PoolBitSets(e.PlanCount);
    e.Base = base & kAllNumbers;
    // Room[k]: the base numbers with at least k base numbers above them.
    for (int k = 0; k < 6; ++k) {
        e.Room[static_cast<std::size_t>(k)] = 0;
        for (int n = 1; n <= 33; ++n) {
            if (((e.Base >> n) & 1u) != 0 && detail::PopCount(e.Base & ~LowBits(n + 1)) >= k) {
                e.Room[static_cast<std::size_t>(k)] |= 1ull << n;
            }
        }
    }
    for (ReferenceLineTest& t : e.Lines) {
        if (t.Marked.empty() && MarkingIsCheaper(t.Source->Lines, t.Source->LineCounts)) {
            t.Marked = MarkLineTickets(t.Source->Lines, t.Source->LineCounts);
        }
    }
    e.Cursors.clear();
    for (const ExcludedTest& t : e.Excluded) {
        e.Cursors.emplace_back(*t.Ordinals);
    }
    e.Progress = &progress;
    e.ResetLevels();
    e.Descend<0>(StartPrefix(), e.Room[5], out);
    if (progress) {
        progress(kPoolCount);
    }
    e.Progress = nullptr;
    return out;
}

std::uint64_t VerdictEngine::FailedPlans(const TCodeRedArr& ticket)
{
    Impl& e = *m_impl;
    e.ResetLevels();
    Prefix s = e.Enter<0>(StartPrefix(), ticket[0]);
    s = e.Enter<1>(s, ticket[1]);
    s = e.Enter<2>(s, ticket[2]);
    s = e.Enter<3>(s, ticket[3]);
    s = e.Enter<4>(s, ticket[4]);
    Impl::TicketSink sink;
    sink.Ordinal = OrdinalOfTicket(ticket);
    e.Leaf(s, 1ull << ticket[5], sink);
    return sink.Failed;
}

} // namespace quorvane
