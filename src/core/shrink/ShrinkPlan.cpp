#include "shrink/ShrinkPlan.h"

#include <string>

#include "measures/Layouts.h"
#include "shrink/NumberLists.h"
#include "shrink/ShrinkPlanBuilder.h"

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

} // namespace

namespace planning {

ShrinkPlan PlanBuilder::Build()
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
    ExcludeDrawnStage();
    return std::move(m_plan);
}

void PlanBuilder::Activate(int sweeps)
{
    m_plan.Inactive = false;
    m_plan.Sweeps += sweeps;
}

PartitionTest& PlanBuilder::Partition(PartitionKind kind)
{
    PartitionTest& p = m_plan.Partitions[static_cast<std::size_t>(kind)];
    if (!p.Active) {
        p.Active = true;
        p.Allowed.fill(0x7F);
    }
    return p;
}

void PlanBuilder::AddGroup(std::uint64_t numbers, std::uint8_t allowed)
{
    const auto [found, added] = m_groupIndex.emplace(numbers, m_plan.Groups.size());
    if (added) {
        m_plan.Groups.push_back({numbers, allowed});
    } else {
        m_plan.Groups[found->second].Allowed &= allowed;
    }
}

void PlanBuilder::AndSums(std::int64_t min, std::int64_t max)
{
    m_plan.SumActive = true;
    for (std::size_t w = 0; w < m_plan.Sums.size(); ++w) {
        m_plan.Sums[w] &=
            RangeBits(min - static_cast<std::int64_t>(w) * 64, max - static_cast<std::int64_t>(w) * 64);
    }
}

void PlanBuilder::HitDemand(HitKind kind, std::uint8_t allowed)
{
    HitTest& h = m_plan.Hits[static_cast<std::size_t>(kind)];
    h.Active = true;
    h.Allowed &= allowed;
}

void PlanBuilder::SelectorStages()
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

void PlanBuilder::ZoneAndSelectionStages()
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

void PlanBuilder::ConditionShrinkStages()
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

void PlanBuilder::HiddenListStages()
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

} // namespace planning

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
        MakeLayout(6, [](int n) { return ZoneOf(6, n) - 1; }),
        MakeLayout(6, [](int n) { return n % 6; }),
        MakeLayout(5, [](int n) { return n % 10 % 5; }),
    };
    return layouts[static_cast<std::size_t>(kind)];
}

ShrinkPlan CompileShrinkPlan(const ShrinkConditions& conditions, const DrawHistory& history)
{
    return planning::PlanBuilder(conditions, history).Build();
}

} // namespace quorvane
