#include <algorithm>
#include <string>
#include <unordered_set>

#include "measures/Measures.h"
#include "shrink/DrawnTickets.h"
#include "shrink/NumberLists.h"
#include "shrink/ShrinkPlanBuilder.h"

// The stages of the pages 条件一 to 条件六, 常规缩水 and 其他设置 (31 to 49), and the exclusion
// of past draws after them.

namespace quorvane::planning {

void PlanBuilder::PageOneStages()
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
        RunDemand([&](const RunsOf& r) { return ((groups >> r.Groups) & 1u) != 0 && r.Longest <= item + 2; });
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

void PlanBuilder::PageTwoStages()
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
            const int size = detail::PopCount(mask);
            if (outside || size > 6) {
                m_plan.Nothing = true;
            } else {
                AddGroup(mask, static_cast<std::uint8_t>(1u << size));
            }
            Activate();
        }
    }
    if (m_c.tj2BiBuTongChk) { // 42: the ticket does not hold a whole group; a repeated number counts once
        bool any = false;
        for (const std::string& text : m_c.tj2BiBuTongEdArr) {
            const std::vector<int> listed = NumberList(text);
            if (listed.empty()) {
                continue;
            }
            const bool outside =
                std::any_of(listed.begin(), listed.end(), [](int v) { return v < 1 || v > 33; });
            const int size = detail::PopCount(NumberMaskOf(listed));
            if (!outside && size <= 6) {
                AddGroup(NumberMaskOf(listed), static_cast<std::uint8_t>(0x7F & ~(1u << size)));
            }
            any = true;
        }
        if (any) {
            Activate();
        }
    }
}

void PlanBuilder::PageThreeStages()
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

void PlanBuilder::PageFourAndSixStages()
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
                AddGroup(NumberMaskOf(listed), static_cast<std::uint8_t>(CellBits(m_c.tj4FenZuMChkArr[r])));
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

void PlanBuilder::RegularStage()
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

void PlanBuilder::FaultTolerantStage()
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

void PlanBuilder::ExcludeDrawnStage()
{
    if (m_c.ExcludeDrawnChk) {
        m_plan.ExcludedTickets = DrawnTicketOrdinals(m_history, m_history.size(), m_c.ExcludeDrawnSp);
        Activate();
    }
}

} // namespace quorvane::planning
