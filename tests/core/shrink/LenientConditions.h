#pragma once

#include <random>
#include <string>

#include "shrink/ShrinkConditions.h"

// Random but mostly lenient condition settings for comparing the fast run (and the verdicts) with
// the stage-by-stage reference: every stage may be switched on, with tests that keep some tickets.

namespace quorvane::test {

// Random but mostly lenient settings, so that tickets remain after many stages.
class LenientConditions
{
public:
    explicit LenientConditions(unsigned seed)
        : m_rng(seed)
    {
    }

    ShrinkConditions Make(double share)
    {
        ShrinkConditions c;
        auto on = [&] { return Chance(share); };
        // The exact row and column counts, killed tails and the selection keep few tickets.
        auto rare = [&] { return Chance(share / 3); };
        if (rare()) {
            c.wshlRowcbb[Pick(0, 5)] = Pick(1, 3);
        }
        if (rare()) {
            c.wshlColcbb[Pick(0, 5)] = Pick(1, 3);
        }
        if (rare()) {
            c.zqjqEd[Pick(0, 2)] = std::to_string(Pick(0, 9));
        }
        if (rare()) {
            c.zqjqRowCbb[Pick(0, 3)] = Pick(1, 4);
        }
        if (rare()) {
            c.zqjqColCbb[Pick(0, 2)] = Pick(2, 4);
        }
        if (rare()) {
            c.RowCbb[Pick(0, 5)] = Pick(1, 3);
        }
        if (rare()) {
            c.ColCbb[Pick(0, 5)] = Pick(1, 3);
        }
        if (rare()) {
            Cells(c.ssTb0MChk, 0.9);
        }
        if (on()) {
            Cells(c.ssTb2GBX1Num1[Pick(0, 2)], 0.6);
        }
        if (on()) {
            Cells(c.ssTb2GBX1Num2[Pick(0, 3)], 0.6);
        }
        if (on()) {
            Cells(c.ssTb2GBX1Num3[Pick(0, 4)], 0.6);
        }
        if (on()) {
            Cells(c.ssTb2GBX1Num4[Pick(0, 5)], 0.6);
        }
        if (on()) {
            Cells(c.ssTb2GBX1NumX, 0.7);
        }
        if (on()) {
            Cells(c.Mod3NumChk[Pick(0, 2)], 0.7);
        }
        if (on()) {
            Cells(c.Mod6GroupChk, 0.7);
        }
        if (on()) {
            c.AcDesignSpEd = {Pick(0, 5), Pick(6, 10)};
        }
        if (on()) {
            c.MaxGapSpEd = {Pick(1, 6), Pick(12, 28)};
        }
        if (on()) {
            Cells(c.OddEvenDesignChk, 0.7);
        }
        if (on()) {
            Cells(c.BigSmallRatioChk, 0.7);
        }
        if (on()) {
            Cells(c.RunLengthChk, 0.5);
            Cells(c.RunCountChk, 0.6);
        }
        if (on()) {
            c.TotalSumSpEd = {Pick(21, 90), Pick(100, 183)};
        }
        if (on()) {
            Cells(c.TailRepeatChk, 0.7);
        }
        if (on()) {
            Cells(c.SameTailCountChk, 0.7);
        }
        if (on()) {
            c.TailSumSpEd = {Pick(0, 20), Pick(25, 54)};
        }
        if (on()) {
            Cells(c.TailMod5GroupChk, 0.7);
        }
        if (on()) {
            Cells(c.TailBigSmallChk, 0.7);
        }
        if (on()) {
            c.Sel3DCodeLbx = {List(Pick(1, 4), 0, 9, ",") + "&" + List(Pick(2, 5), 0, 6, ",")};
        }
        if (on()) {
            c.CodeSelLbx1ssTb3Gbx1Lbx = {List(Pick(3, 12), 1, 33, ",") + "&" + List(Pick(3, 5), 0, 6, ","),
                                         List(Pick(2, 6), 1, 33, ",") + "&0,1,2"};
        }
        if (on()) {
            Cells(c.ssTb3Gbx2Num, 0.5);
        }
        if (on()) {
            c.ssTb3SheetGbx1Sp1 = Pick(0, 90);
            c.ssTb3SheetGbx1Sp2 = Pick(100, 183);
        }
        c.tj1QiOuBiChk = on();
        Cells(c.tj1QiOuBiMChk, 0.7);
        c.tj1HeZhiChk = on();
        c.tj1HeZhiSpEd = {Pick(21, 80), Pick(110, 183)};
        c.tj1PaiChuHeZhiEd = List(Pick(0, 10), 60, 140, " ");
        c.tj1AcZhiChk = on();
        c.tj1AcZhiSpEd = {Pick(0, 4), Pick(7, 15)};
        c.tj1PaiChuAcZhiEd = List(Pick(0, 2), 0, 10, " ");
        c.tj1LainHaoChk = on();
        Cells(c.tj1LianHaoMChk, 0.7);
        c.tj1LianGeShuCbb = Pick(0, 4);
        c.tj1FenDuanChk = on();
        c.tj1FenDuanArr[static_cast<std::size_t>(Pick(0, 2))] = {Pick(0, 2), Pick(2, 6)};
        c.tj2DaXiaoBiChk = on();
        Cells(c.tj2DaXiaoBiMChk, 0.7);
        c.tj2GaoDiWeiChk = on();
        Cells(c.tj2GaoDiWeiMChk, 0.7);
        c.tj2TongWeiDuiChk = on();
        Cells(c.tj2TongWeiDuiMChk, 0.7);
        c.tj2BiXuanHaoChk = Chance(share / 3);
        c.tj2BiXuanHaoEd = List(Pick(1, 2), 1, 33, " ");
        c.tj2BiBuTongChk = on();
        c.tj2BiBuTongEdArr[static_cast<std::size_t>(Pick(0, 3))] = List(Pick(2, 3), 1, 33, " ");
        c.tj3AnWeiChk = on();
        const auto p = static_cast<std::size_t>(Pick(0, 5));
        c.tj4AnWeiQoArr[p] = Pick(0, 2);
        c.tj4AnWeiWsArr[static_cast<std::size_t>(Pick(0, 5))] = Pick(0, 2);
        c.tj4AnWeiC3EdArr[static_cast<std::size_t>(Pick(0, 5))] = List(Pick(0, 2), 0, 2, " ");
        c.tj4AnWeiZdEdArr[p] = List(Pick(0, 20), 1, 33, " ");
        c.tj3JianJuChk = on();
        const auto r = static_cast<std::size_t>(Pick(0, 7));
        c.tj4JianJuQoArr[r] = Pick(0, 2);
        c.tj4JianJuSeArr[static_cast<std::size_t>(Pick(0, 7))] = {Pick(1, 5), Pick(10, 66)};
        c.tj4JianJuEdArr[static_cast<std::size_t>(Pick(0, 7))] =
            Chance(0.3) ? List(Pick(8, 30), 1, 66, " ") : "";
        c.tj4WeiShuChk = on();
        c.tj4WeiShuArr[static_cast<std::size_t>(Pick(0, 9))] = {Pick(0, 1), Pick(1, 3)};
        c.tj4FenZuChk = on();
        const auto g = static_cast<std::size_t>(Pick(0, 9));
        c.tj4FenZuEdArr[g] = List(Pick(3, 10), 1, 33, " ");
        Cells(c.tj4FenZuMChkArr[g], 0.7);
        if (on()) {
            const auto k = static_cast<std::size_t>(Pick(0, 9));
            c.tj6JianJuCheckArr[k] = true;
            Cells(c.tj6JianJuMChkArr[k], 0.7);
        }
        for (std::size_t i = 0; i < kRegularItemCount; ++i) {
            if (Chance(share / 3)) {
                TRangePair& range = c.ssTb8Gbx1SeArr[i];
                const int width = range.Max - range.Min;
                range.Min += Pick(0, width / 3);
                range.Max -= Pick(0, width / 3);
            }
        }
        c.ssTb4Gbx1Chk = on();
        for (int i = Pick(1, 5); i > 0; --i) {
            c.ssTb4SheetGbx1Memo.push_back(List(Pick(6, 15), 1, 33, " "));
        }
        Cells(c.ssTb4Gbx1MChk, 0.6);
        return c;
    }

private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    template <std::size_t N> void Cells(TCheckCells<N>& cells, double p)
    {
        for (auto& cell : cells) {
            cell = Chance(p) ? 1 : 0;
        }
        cells[static_cast<std::size_t>(Pick(0, static_cast<int>(N) - 1))] = 1;
    }

    std::string List(int count, int lo, int hi, const char* separator)
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += (i > 0 ? separator : "") + std::to_string(Pick(lo, hi));
        }
        return text;
    }

    std::mt19937 m_rng;
};

} // namespace quorvane::test
