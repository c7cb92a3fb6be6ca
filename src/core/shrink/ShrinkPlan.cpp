#include "shrink/ShrinkPlan.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "measures/Layouts.h"
#include "shrink/Bits.h"
#include "shrink/NumberLists.h"

namespace quorvane {

namespace {

PartitionLayout MakeLayout(int parts, int (*partOf)(int))
{
    PartitionLayout layout;
    layout.Parts = parts;
    std::vector<std::uint64_t> numbersOfPart(static_cast<std::size_t>(parts), 0);
    for (int n = 1; n <= 33; ++n) {
        const int p = partOf(n);
        layout.PartOf[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(p);
        numbersOfPart[static_cast<std::size_t>(p)] |= 1ull << n;
    }
    layout.NumbersOf.assign(std::size_t{1} << parts, 0);
    for (std::size_t bits = 1; bits < layout.NumbersOf.size(); ++bits) {
        const std::size_t low = bits & (~bits + 1);
        const std::size_t part = static_cast<std::size_t>(__builtin_ctzll(low));
        layout.NumbersOf[bits] = layout.NumbersOf[bits ^ low] | numbersOfPart[part];
    }
    return layout;
}

// Bits of the values min..max within 0..width-1.
std::uint64_t RangeBits(std::int64_t min, std::int64_t max, int width = 64)
{
    std::uint64_t bits = 0;
    for (int v = 0; v < width; ++v) {
        if (min <= v && v <= max) {
            bits |= 1ull << v;
        }
    }
    return bits;
}

std::uint8_t CountRange(const TRangePair& r)
{
    return static_cast<std::uint8_t>(RangeBits(r.Min, r.Max, 8));
}

// Cell k stands for the value k + first.
template <std::size_t N> std::uint64_t CellBits(const TCheckCells<N>& cells, int first = 0)
{
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < N; ++k) {
        if (cells[k] != 0) {
            bits |= 1ull << (static_cast<int>(k) + first);
        }
    }
    return bits;
}

template <std::size_t N> bool AnyChecked(const TCheckCells<N>& cells)
{
    return CellBits(cells) != 0;
}

// Parity (0 any, 1 odd, 2 even) of values 0..63.
std::uint64_t ParityBits(int item)
{
    constexpr std::uint64_t odd = 0xAAAAAAAAAAAAAAAAull;
    return item == 1 ? odd : item == 2 ? ~odd : ~0ull;
}

// The numbers whose tail is in the digit set.
std::uint64_t NumbersWithTails(unsigned digits)
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= 33; ++n) {
        if ((digits >> (n % 10)) & 1u) {
            mask |= 1ull << n;
        }
    }
    return mask;
}

std::uint64_t NumbersWhere(bool (*pred)(int))
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= 33; ++n) {
        if (pred(n)) {
            mask |= 1ull << n;
        }
    }
    return mask;
}

std::uint64_t NumberMaskOf(const std::vector<int>& values)
{
    std::uint64_t mask = 0;
    for (const int v : values) {
        if (v >= 1 && v <= 33) {
            mask |= 1ull << v;
        }
    }
    return mask;
}

// Runs summary of a run-histogram index.
struct RunsOf
{
    std::array<int, 6> Hist{}; // Hist[k]: runs of exactly k + 1 numbers
    int Groups = 0;
    int Numbers = 0;
    int Longest = 0;
};

RunsOf DecodeRuns(int index)
{
    RunsOf r;
    const int h[7] = {
        0, 0, index & 3, (index >> 2) & 3, (index >> 4) & 1, (index >> 5) & 1, (index >> 6) & 1};
    for (int len = 2; len <= 6; ++len) {
        r.Hist[static_cast<std::size_t>(len - 1)] = h[len];
        r.Groups += h[len];
        r.Numbers += len * h[len];
        if (h[len] > 0) {
            r.Longest = len;
        }
    }
    return r;
}

class PlanBuilder
{
public:
    PlanBuilder(const ShrinkConditions& c, const DrawHistory& history)
        : m_c(c)
        , m_history(history)
    {
        m_plan.Sums.fill(~0ull);
        m_plan.RunsAllowed.fill(true);
    }

    ShrinkPlan Build()
    {
        SelectorStages();
        ZoneAndSelectionStages();
        ConditionShrinkStages();
        HiddenListStages();
        PageOneStages();
        PageTwoStages();
        PageThreeStages();
        PageFourAndSixStages();
        RegularStage();
        FaultTolerantStage();
        return std::move(m_plan);
    }

private:
    void Activate(int sweeps = 1)
    {
        m_plan.Inactive = false;
        m_plan.Sweeps += sweeps;
    }

    PartitionTest& Partition(PartitionKind kind)
    {
        PartitionTest& p = m_plan.Partitions[static_cast<std::size_t>(kind)];
        if (!p.Active) {
            p.Active = true;
            p.Allowed.fill(0x7F);
        }
        return p;
    }

    void AddGroup(std::uint64_t numbers, std::uint8_t allowed)
    {
        for (GroupTest& g : m_plan.Groups) {
            if (g.Numbers == numbers) {
                g.Allowed &= allowed;
                return;
            }
        }
        m_plan.Groups.push_back({numbers, allowed});
    }

    void AndSums(std::int64_t min, std::int64_t max)
    {
        m_plan.SumActive = true;
        for (std::size_t w = 0; w < m_plan.Sums.size(); ++w) {
            m_plan.Sums[w] &=
                RangeBits(min - static_cast<std::int64_t>(w) * 64, max - static_cast<std::int64_t>(w) * 64);
        }
    }

    void HitDemand(HitKind kind, std::uint8_t allowed)
    {
        HitTest& h = m_plan.Hits[static_cast<std::size_t>(kind)];
        h.Active = true;
        h.Allowed &= allowed;
    }

    template <typename Pred> void RunDemand(Pred pred)
    {
        m_plan.RunsActive = true;
        for (int i = 0; i < 128; ++i) {
            m_plan.RunsAllowed[static_cast<std::size_t>(i)] =
                m_plan.RunsAllowed[static_cast<std::size_t>(i)] && pred(DecodeRuns(i));
        }
    }

    // Stages 1-7: a selector at item k (1..4) demands exactly k - 1 numbers in its row or column.
    template <std::size_t N> void Selectors(const std::array<std::int32_t, N>& items, PartitionKind kind)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (items[i] >= 1 && items[i] <= 4) {
                Partition(kind).Allowed[i] &= static_cast<std::uint8_t>(1u << (items[i] - 1));
                Activate();
            }
        }
    }

    void SelectorStages()
    {
        Selectors(m_c.wshlRowcbb, PartitionKind::TailRow);
        Selectors(m_c.wshlColcbb, PartitionKind::TailCol);
        for (const std::string& text : m_c.zqjqEd) {
            if (text.empty()) {
                continue;
            }
            const std::uint64_t killed = NumbersWithTails(DigitsOfText(text));
            for (auto& p : m_plan.Positions) {
                p &= ~killed;
            }
            Activate();
        }
        Selectors(m_c.zqjqRowCbb, PartitionKind::Row3D);
        Selectors(m_c.zqjqColCbb, PartitionKind::Col3D);
        Selectors(m_c.RowCbb, PartitionKind::SixRow);
        Selectors(m_c.ColCbb, PartitionKind::SixCol);
    }

    template <std::size_t Z> void Zones(const std::array<TCheckCells<7>, Z>& pickers, PartitionKind kind)
    {
        bool active = false;
        for (std::size_t z = 0; z < Z; ++z) {
            if (AnyChecked(pickers[z])) {
                Partition(kind).Allowed[z] &= static_cast<std::uint8_t>(CellBits(pickers[z]));
                active = true;
            }
        }
        if (active) {
            Activate();
        }
    }

    void ZoneAndSelectionStages()
    {
        if (AnyChecked(m_c.ssTb0MChk)) { // stage 8
            const std::uint64_t selected = CellBits(m_c.ssTb0MChk, 1);
            for (auto& p : m_plan.Positions) {
                p &= selected;
            }
            Activate();
        }
        Zones(m_c.ssTb2GBX1Num1, PartitionKind::Zone3);
        Zones(m_c.ssTb2GBX1Num2, PartitionKind::Zone4);
        Zones(m_c.ssTb2GBX1Num3, PartitionKind::Zone5);
        Zones(m_c.ssTb2GBX1Num4, PartitionKind::Zone6);
        if (AnyChecked(m_c.ssTb2GBX1NumX)) { // stage 13
            HitDemand(HitKind::Zone6, static_cast<std::uint8_t>(CellBits(m_c.ssTb2GBX1NumX, 1)));
            Activate();
        }
    }

    void ConditionShrinkStages()
    {
        bool mod3 = false; // stage 14
        for (std::size_t r = 0; r < 3; ++r) {
            if (AnyChecked(m_c.Mod3NumChk[r])) {
                Partition(PartitionKind::Mod3).Allowed[r] &=
                    static_cast<std::uint8_t>(CellBits(m_c.Mod3NumChk[r]));
                mod3 = true;
            }
        }
        if (mod3) {
            Activate();
        }
        if (AnyChecked(m_c.Mod6GroupChk)) { // 15
            HitDemand(HitKind::Mod6, static_cast<std::uint8_t>(CellBits(m_c.Mod6GroupChk, 1)));
            Activate();
        }
        if (m_c.AcDesignSpEd.Min > 3 || m_c.AcDesignSpEd.Max < 10) { // 16
            m_plan.AcValues &=
                static_cast<std::uint32_t>(RangeBits(m_c.AcDesignSpEd.Min, m_c.AcDesignSpEd.Max, 32));
            Activate();
        }
        if (m_c.MaxGapSpEd.Min > 1 || m_c.MaxGapSpEd.Max < 28) { // 17
            m_plan.MaxGaps &= RangeBits(m_c.MaxGapSpEd.Min, m_c.MaxGapSpEd.Max);
            Activate();
        }
        if (AnyChecked(m_c.OddEvenDesignChk)) { // 18
            AddGroup(OddNumbers(), static_cast<std::uint8_t>(CellBits(m_c.OddEvenDesignChk)));
            Activate();
        }
        if (AnyChecked(m_c.BigSmallRatioChk)) { // 19
            AddGroup(BigNumbers(), static_cast<std::uint8_t>(CellBits(m_c.BigSmallRatioChk)));
            Activate();
        }
        if (AnyChecked(m_c.RunLengthChk) && AnyChecked(m_c.RunCountChk)) { // 20
            const std::uint64_t lengths = CellBits(m_c.RunLengthChk);
            const std::uint64_t counts = CellBits(m_c.RunCountChk);
            RunDemand([&](const RunsOf& r) {
                for (std::size_t k = 0; k < 6; ++k) {
                    if (((lengths >> k) & 1u) != 0 && ((counts >> r.Hist[k]) & 1u) != 0) {
                        return true;
                    }
                }
                return false;
            });
            Activate();
        }
        if (m_c.TotalSumSpEd.Min > 21 || m_c.TotalSumSpEd.Max < 183) { // 21
            AndSums(m_c.TotalSumSpEd.Min, m_c.TotalSumSpEd.Max);
            Activate();
        }
        if (AnyChecked(m_c.TailRepeatChk)) { // 22
            m_plan.MaxTailRepeats &= static_cast<std::uint8_t>(CellBits(m_c.TailRepeatChk));
            Activate();
        }
        if (AnyChecked(m_c.SameTailCountChk) && !m_history.empty()) { // 23
            m_plan.RefTailActive = true;
            m_plan.RefTailCounts &= static_cast<std::uint8_t>(CellBits(m_c.SameTailCountChk));
            m_plan.RefDigitCount.fill(0);
            for (const auto v : m_history.back().Reds) {
                ++m_plan.RefDigitCount[v % 10];
            }
            Activate();
        }
        if (m_c.TailSumSpEd.Min > 3 || m_c.TailSumSpEd.Max < 51) { // 24
            m_plan.TailSums &= RangeBits(m_c.TailSumSpEd.Min, m_c.TailSumSpEd.Max);
            Activate();
        }
        if (AnyChecked(m_c.TailMod5GroupChk)) { // 25
            HitDemand(HitKind::TailMod5, static_cast<std::uint8_t>(CellBits(m_c.TailMod5GroupChk, 1)));
            Activate();
        }
        if (AnyChecked(m_c.TailBigSmallChk)) { // 26
            AddGroup(BigTailNumbers(), static_cast<std::uint8_t>(CellBits(m_c.TailBigSmallChk)));
            Activate();
        }
    }

    void HiddenListStages()
    {
        if (!m_c.Sel3DCodeLbx.empty()) { // 27
            for (const std::string& entry : m_c.Sel3DCodeLbx) {
                const CodedEntry e = ParseCodedEntry(entry, 10);
                AddGroup(NumbersWithTails(static_cast<unsigned>(e.Members)), e.Counts);
            }
            Activate();
        }
        if (!m_c.CodeSelLbx1ssTb3Gbx1Lbx.empty()) { // 28
            for (const std::string& entry : m_c.CodeSelLbx1ssTb3Gbx1Lbx) {
                const CodedEntry e = ParseCodedEntry(entry, 34);
                AddGroup(e.Members & kAllNumbers, e.Counts);
            }
            Activate();
        }
        if (AnyChecked(m_c.ssTb3Gbx2Num)) { // 29: at least one banker number
            AddGroup(CellBits(m_c.ssTb3Gbx2Num, 1), 0x7E);
            Activate();
        }
        if (m_c.ssTb3SheetGbx1Sp1 > 21 || m_c.ssTb3SheetGbx1Sp2 < 183) { // 30
            AndSums(m_c.ssTb3SheetGbx1Sp1, m_c.ssTb3SheetGbx1Sp2);
            Activate();
        }
    }

    void PageOneStages()
    {
        if (m_c.tj1QiOuBiChk) { // 31
            AddGroup(OddNumbers(), static_cast<std::uint8_t>(CellBits(m_c.tj1QiOuBiMChk)));
            Activate();
        }
        if (m_c.tj1HeZhiChk) { // 32, 33
            AndSums(m_c.tj1HeZhiSpEd.Min, m_c.tj1HeZhiSpEd.Max);
            Activate();
            for (const int v : NumberList(m_c.tj1PaiChuHeZhiEd)) {
                if (v >= 0 && v < 300) {
                    m_plan.Sums[static_cast<std::size_t>(v / 64)] &= ~(1ull << (v % 64));
                }
            }
            Activate();
        }
        if (m_c.tj1AcZhiChk) { // 34, 35
            m_plan.AcValues &=
                static_cast<std::uint32_t>(RangeBits(m_c.tj1AcZhiSpEd.Min, m_c.tj1AcZhiSpEd.Max, 32));
            Activate();
            for (const int v : NumberList(m_c.tj1PaiChuAcZhiEd)) {
                if (v >= 0 && v < 32) {
                    m_plan.AcValues &= ~(1u << v);
                }
            }
            Activate();
        }
        if (m_c.tj1LainHaoChk) { // 36
            const std::uint64_t groups = CellBits(m_c.tj1LianHaoMChk);
            const int item = m_c.tj1LianGeShuCbb >= 0 && m_c.tj1LianGeShuCbb <= 4 ? m_c.tj1LianGeShuCbb : 0;
            RunDemand(
                [&](const RunsOf& r) { return ((groups >> r.Groups) & 1u) != 0 && r.Longest <= item + 2; });
            Activate();
        }
        if (m_c.tj1FenDuanChk) { // 37
            PartitionTest& zones = Partition(PartitionKind::Zone3);
            for (std::size_t s = 0; s < 3; ++s) {
                zones.Allowed[s] &= CountRange(m_c.tj1FenDuanArr[s]);
            }
            Activate();
        }
    }

    void PageTwoStages()
    {
        if (m_c.tj2DaXiaoBiChk) { // 38
            AddGroup(BigNumbers(), static_cast<std::uint8_t>(CellBits(m_c.tj2DaXiaoBiMChk)));
            Activate();
        }
        if (m_c.tj2GaoDiWeiChk) { // 39
            AddGroup(BigTailNumbers(), static_cast<std::uint8_t>(CellBits(m_c.tj2GaoDiWeiMChk)));
            Activate();
        }
        if (m_c.tj2TongWeiDuiChk) { // 40
            m_plan.SameTailGroups &= static_cast<std::uint8_t>(CellBits(m_c.tj2TongWeiDuiMChk));
            Activate();
        }
        if (m_c.tj2BiXuanHaoChk) { // 41: the ticket holds every listed number
            const std::vector<int> listed = NumberList(m_c.tj2BiXuanHaoEd);
            if (!listed.empty()) {
                const std::uint64_t mask = NumberMaskOf(listed);
                // Each number counts once; a listed number outside 1..33 can never be held.
                const bool outside =
                    std::any_of(listed.begin(), listed.end(), [](int v) { return v < 1 || v > 33; });
                const int size = PopCountOf(mask);
                if (outside || size > 6) {
                    m_plan.Nothing = true;
                } else {
                    AddGroup(mask, static_cast<std::uint8_t>(1u << size));
                }
                Activate();
            }
        }
        if (m_c.tj2BiBuTongChk) { // 42: the ticket does not hold a whole group
            for (const std::string& text : m_c.tj2BiBuTongEdArr) {
                const std::vector<int> listed = NumberList(text);
                if (listed.empty()) {
                    continue;
                }
                const bool outside =
                    std::any_of(listed.begin(), listed.end(), [](int v) { return v < 1 || v > 33; });
                const int size = PopCountOf(NumberMaskOf(listed));
                if (!outside && size <= 6) {
                    AddGroup(NumberMaskOf(listed), static_cast<std::uint8_t>(0x7F & ~(1u << size)));
                }
                Activate();
            }
        }
    }

    void PageThreeStages()
    {
        if (m_c.tj3AnWeiChk) { // 43
            for (std::size_t p = 0; p < 6; ++p) {
                std::uint64_t allowed = kAllNumbers;
                const int parity = m_c.tj4AnWeiQoArr[p];
                allowed &= ParityBits(parity >= 0 && parity <= 2 ? parity : 0);
                const int height = m_c.tj4AnWeiWsArr[p];
                if (height == 1) {
                    allowed &= NumbersWithTails(0x3E0); // tails 5..9
                } else if (height == 2) {
                    allowed &= NumbersWithTails(0x01F); // tails 0..4
                }
                unsigned remainders = 0;
                for (const int r : NumberList(m_c.tj4AnWeiC3EdArr[p])) {
                    if (r >= 0 && r <= 2) {
                        remainders |= 1u << r;
                    }
                }
                if (remainders != 0) {
                    unsigned digits = 0;
                    for (unsigned d = 0; d < 10; ++d) {
                        digits |= ((remainders >> (d % 3)) & 1u) << d;
                    }
                    allowed &= NumbersWithTails(digits);
                }
                const std::uint64_t numbers = NumberMaskOf(NumberList(m_c.tj4AnWeiZdEdArr[p]));
                if (numbers != 0) {
                    allowed &= numbers;
                }
                m_plan.Positions[p] &= allowed;
            }
            Activate();
        }
        if (m_c.tj3JianJuChk) { // 44
            for (std::size_t r = 0; r < 8; ++r) {
                const int parity = m_c.tj4JianJuQoArr[r];
                std::uint64_t allowed = ParityBits(parity >= 0 && parity <= 2 ? parity : 0);
                allowed &= RangeBits(m_c.tj4JianJuSeArr[r].Min, m_c.tj4JianJuSeArr[r].Max);
                std::uint64_t listed = 0;
                bool any = false;
                for (const int v : NumberList(m_c.tj4JianJuEdArr[r])) {
                    if (v >= 1 && v <= 66) {
                        any = true;
                        listed |= v < 64 ? 1ull << v : 0;
                    }
                }
                if (any) {
                    allowed &= listed;
                }
                if (r < 5) {
                    m_plan.Gaps[r] &= allowed;
                } else if (r == 5) {
                    m_plan.HeadTailDiffs &= allowed;
                } else if (r == 6) {
                    m_plan.MaxGaps &= allowed;
                } else {
                    m_plan.HeadTailSums &= allowed;
                }
            }
            Activate();
        }
    }

    void PageFourAndSixStages()
    {
        if (m_c.tj4WeiShuChk) { // 45
            PartitionTest& tails = Partition(PartitionKind::TailDigit);
            for (std::size_t d = 0; d < 10; ++d) {
                tails.Allowed[d] &= CountRange(m_c.tj4WeiShuArr[d]);
            }
            Activate();
        }
        if (m_c.tj4FenZuChk) { // 46
            for (std::size_t r = 0; r < 10; ++r) {
                const std::vector<int> listed = NumberList(m_c.tj4FenZuEdArr[r]);
                if (!listed.empty()) {
                    AddGroup(NumberMaskOf(listed),
                             static_cast<std::uint8_t>(CellBits(m_c.tj4FenZuMChkArr[r])));
                }
            }
            Activate();
        }
        bool gaps = false; // 47
        for (std::size_t k = 0; k < 10; ++k) {
            m_plan.GapCounts[k] = 0x7F;
            if (m_c.tj6JianJuCheckArr[k]) {
                m_plan.GapCounts[k] = static_cast<std::uint8_t>(CellBits(m_c.tj6JianJuMChkArr[k]));
                gaps = true;
            }
        }
        if (gaps) {
            m_plan.GapCountsActive = true;
            Activate();
        }
    }

    void RegularStage()
    {
        for (std::size_t i = 0; i < kRegularItemCount; ++i) {
            const TRangePair r = m_c.ssTb8Gbx1SeArr[i];
            if (r == kRegularStartRanges[i]) {
                continue;
            }
            Activate();
            const std::uint64_t bits = RangeBits(r.Min, r.Max);
            const auto small = static_cast<std::uint8_t>(bits & 0xFF);
            switch (i) {
            case 0:
                AddGroup(OddNumbers(), small);
                break;
            case 1:
                AddGroup(BigNumbers(), small);
                break;
            case 2:
                AndSums(r.Min, r.Max);
                break;
            case 3:
                m_plan.TailSums &= bits;
                break;
            case 4:
                m_plan.Positions[5] &= bits;
                break;
            case 5:
                m_plan.Positions[0] &= bits;
                break;
            case 6:
                m_plan.OddChains &= small;
                break;
            case 7:
                m_plan.EvenChains &= small;
                break;
            case 8:
                m_plan.HeadTailDiffs &= bits;
                break;
            case 9:
                m_plan.AcValues &= static_cast<std::uint32_t>(bits);
                break;
            case 10:
                RunDemand([&](const RunsOf& runs) { return r.Min <= runs.Numbers && runs.Numbers <= r.Max; });
                break;
            case 11:
                RunDemand([&](const RunsOf& runs) { return r.Min <= runs.Groups && runs.Groups <= r.Max; });
                break;
            case 12:
                AddGroup(PrimeNumbers(), small);
                break;
            case 13:
                m_plan.SameTailGroups &= small;
                break;
            case 14:
                m_plan.MaxGaps &= bits;
                break;
            default:
                m_plan.MinGaps &= bits;
                break;
            }
        }
    }

    void FaultTolerantStage()
    {
        if (!m_c.ssTb4Gbx1Chk || m_c.ssTb4SheetGbx1Memo.empty() || !AnyChecked(m_c.ssTb4Gbx1MChk)) {
            return;
        }
        m_plan.LinesActive = true;
        m_plan.LineCounts = static_cast<std::uint8_t>(CellBits(m_c.ssTb4Gbx1MChk));
        // Lines with the same numbers decide alike: keep the first of each, in memo order.
        std::unordered_set<std::uint64_t> seen;
        for (const std::string& line : m_c.ssTb4SheetGbx1Memo) {
            const std::uint64_t mask = NumberMaskOf(NumberList(line));
            if (seen.insert(mask).second) {
                m_plan.Lines.push_back(mask);
            }
        }
        Activate();
    }

    static std::uint64_t OddNumbers()
    {
        return NumbersWhere([](int n) { return n % 2 != 0; });
    }
    static std::uint64_t BigNumbers()
    {
        return NumbersWhere([](int n) { return n > 17; });
    }
    static std::uint64_t BigTailNumbers() { return NumbersWithTails(0x3E0); }
    static std::uint64_t PrimeNumbers()
    {
        return NumbersWhere([](int n) {
            for (int d = 2; d < n; ++d) {
                if (n % d == 0) {
                    return false;
                }
            }
            return true;
        });
    }

    const ShrinkConditions& m_c;
    const DrawHistory& m_history;
    ShrinkPlan m_plan;
};

} // namespace

const PartitionLayout& LayoutOf(PartitionKind kind)
{
    static const std::array<PartitionLayout, static_cast<std::size_t>(PartitionKind::Count)> layouts{
        MakeLayout(6, TailRowOf),
        MakeLayout(6, TailColOf),
        MakeLayout(4, Tail3DRowOf),
        MakeLayout(3, Tail3DColOf),
        MakeLayout(6, SixRowOf),
        MakeLayout(6, SixColOf),
        MakeLayout(3, [](int n) { return ZoneOf(3, n) - 1; }),
        MakeLayout(4, [](int n) { return ZoneOf(4, n) - 1; }),
        MakeLayout(5, [](int n) { return ZoneOf(5, n) - 1; }),
        MakeLayout(6, [](int n) { return ZoneOf(6, n) - 1; }),
        MakeLayout(3, [](int n) { return n % 3; }),
        MakeLayout(10, [](int n) { return n % 10; }),
    };
    return layouts[static_cast<std::size_t>(kind)];
}

const PartitionLayout& LayoutOf(HitKind kind)
{
    static const std::array<PartitionLayout, static_cast<std::size_t>(HitKind::Count)> layouts{
        MakeLayout(6, [](int n) { return (n - 1) / 6; }),
        MakeLayout(6, [](int n) { return n % 6; }),
        MakeLayout(5, [](int n) { return n % 10 % 5; }),
    };
    return layouts[static_cast<std::size_t>(kind)];
}

ShrinkPlan CompileShrinkPlan(const ShrinkConditions& conditions, const DrawHistory& history)
{
    return PlanBuilder(conditions, history).Build();
}

} // namespace quorvane
