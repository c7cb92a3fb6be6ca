#pragma once

#include <random>
#include <string>
#include <vector>

#include "shrink/ConditionKeys.h"
#include "shrink/ShrinkConditions.h"
#include "text/SplitText.h"

// Randomly filled condition models, as the condition pages can produce them: every field set, list
// indices inside their lists, picker cells 0 or 1, edits holding single-line text in GBK's range.

namespace quorvane::test {

class RandomConditionFiller
{
public:
    explicit RandomConditionFiller(unsigned seed)
        : m_rng(seed)
    {
    }

    ShrinkConditions Make()
    {
        ShrinkConditions c;
        c.Edit51 = Text();
        c.Edit52 = Text();
        c.Edit53 = Text();
        Ints(c.wshlRowcbb, 4);
        Ints(c.wshlColcbb, 4);
        Texts(c.zqjqEd);
        Ints(c.zqjqRowCbb, 4);
        Ints(c.zqjqColCbb, 4);
        Ints(c.RowCbb, 4);
        Ints(c.ColCbb, 4);
        Cells(c.ssTb0MChk);
        Cells(c.ssTb0BChk);
        CellRows(c.ssTb2GBX1Num1);
        CellRows(c.ssTb2GBX1Num2);
        CellRows(c.ssTb2GBX1Num3);
        CellRows(c.ssTb2GBX1Num4);
        Cells(c.ssTb2GBX1NumX);
        CellRows(c.Mod3NumChk);
        Cells(c.Mod6GroupChk);
        c.AcDesignSpEd = Range();
        c.MaxGapSpEd = Range();
        Cells(c.OddEvenDesignChk);
        Cells(c.BigSmallRatioChk);
        Cells(c.RunLengthChk);
        Cells(c.RunCountChk);
        c.TotalSumSpEd = Range();
        Cells(c.TailRepeatChk);
        Cells(c.SameTailCountChk);
        c.TailSumSpEd = Range();
        Cells(c.TailMod5GroupChk);
        Cells(c.TailBigSmallChk);
        c.Sel3DCodeLbx = Entries(9);
        c.CodeSelLbx1 = Entries(33);
        c.CodeSelLbx1ssTb3Gbx1Lbx = Entries(33);
        Cells(c.ssTb3Gbx2Num);
        c.ssTb3SheetGbx1Sp1 = Int(0, 183);
        c.ssTb3SheetGbx1Sp2 = Int(0, 183);
        c.tj1QiOuBiChk = Bool();
        Cells(c.tj1QiOuBiMChk);
        c.tj1HeZhiChk = Bool();
        c.tj1HeZhiSpEd = Range();
        c.tj1PaiChuHeZhiEd = Text();
        c.tj1AcZhiChk = Bool();
        c.tj1AcZhiSpEd = Range();
        c.tj1PaiChuAcZhiEd = Text();
        c.tj1LainHaoChk = Bool();
        Cells(c.tj1LianHaoMChk);
        c.tj1LianGeShuCbb = Int(0, 4);
        c.tj1FenDuanChk = Bool();
        for (TRangePair& r : c.tj1FenDuanArr) {
            r = Range();
        }
        c.tj2DaXiaoBiChk = Bool();
        Cells(c.tj2DaXiaoBiMChk);
        c.tj2GaoDiWeiChk = Bool();
        Cells(c.tj2GaoDiWeiMChk);
        c.tj2TongWeiDuiChk = Bool();
        Cells(c.tj2TongWeiDuiMChk);
        c.tj2BiXuanHaoChk = Bool();
        c.tj2BiXuanHaoEd = Text();
        c.tj2BiBuTongChk = Bool();
        Texts(c.tj2BiBuTongEdArr);
        c.tj3AnWeiChk = Bool();
        Ints(c.tj4AnWeiQoArr, 2);
        Ints(c.tj4AnWeiWsArr, 2);
        Texts(c.tj4AnWeiC3EdArr);
        Texts(c.tj4AnWeiZdEdArr);
        c.tj3JianJuChk = Bool();
        Ints(c.tj4JianJuQoArr, 2);
        for (TRangePair& r : c.tj4JianJuSeArr) {
            r = Range();
        }
        Texts(c.tj4JianJuEdArr);
        c.tj4WeiShuChk = Bool();
        for (TRangePair& r : c.tj4WeiShuArr) {
            r = Range();
        }
        c.tj4FenZuChk = Bool();
        Texts(c.tj4FenZuEdArr);
        CellRows(c.tj4FenZuMChkArr);
        for (bool& b : c.tj6JianJuCheckArr) {
            b = Bool();
        }
        CellRows(c.tj6JianJuMChkArr);
        for (TRangePair& r : c.ssTb8Gbx1SeArr) {
            r = Range();
        }
        c.ssTb4Gbx1Chk = Bool();
        c.ssTb4SheetGbx1Memo = Entries(33);
        Cells(c.ssTb4Gbx1MChk);
        return c;
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Bool() { return Int(0, 1) == 1; }
    TRangePair Range() { return {Int(-300, 300), Int(-300, 300)}; }

    template <typename A> void Ints(A& items, int last)
    {
        for (auto& v : items) {
            v = Int(0, last);
        }
    }
    template <typename A> void Cells(A& cells)
    {
        const int density = Int(0, 3); // some pickers empty, some full
        for (auto& v : cells) {
            v = static_cast<std::uint8_t>(density == 0 ? 0 : density == 3 ? 1 : Int(0, 1));
        }
    }
    template <typename A> void CellRows(A& rows)
    {
        for (auto& row : rows) {
            Cells(row);
        }
    }
    template <typename A> void Texts(A& texts)
    {
        for (auto& t : texts) {
            t = Text();
        }
    }
    // Single-line text of digits, separators, Chinese and ASCII letters; its ends are not blank
    // (an INI value keeps no surrounding spaces).
    std::string Text()
    {
        static const char* const kPieces[] = {"0", "7",  "12", "33", " ", ",", "#",
                                              "&", "红", "球", "-",  "x", "=", ";"};
        std::string t;
        const int n = Int(0, 12);
        for (int i = 0; i < n; ++i) {
            t += kPieces[Int(0, static_cast<int>(std::size(kPieces)) - 1)];
        }
        return std::string(TrimText(t));
    }
    // Entries as the pickers build them: members 1..last (or 0..last) joined by ",", "&", counts.
    std::vector<std::string> Entries(int last)
    {
        std::vector<std::string> entries(static_cast<std::size_t>(Int(0, 4)));
        for (std::string& e : entries) {
            std::string members;
            std::string counts;
            for (int m = last == 9 ? 0 : 1; m <= last; ++m) {
                if (Int(0, 3) == 0 || (m == last && members.empty())) {
                    members += (members.empty() ? "" : ",") + std::to_string(m);
                }
            }
            for (int k = 0; k <= 6; ++k) {
                if (Int(0, 2) == 0 || (k == 6 && counts.empty())) {
                    counts += (counts.empty() ? "" : ",") + std::to_string(k);
                }
            }
            e = members + "&" + counts;
        }
        return entries;
    }

    std::mt19937 m_rng;
};

// Every condition in its text form ("key=value" lines in table order), for comparing models.
inline std::string ConditionText(const ShrinkConditions& c, bool storedOnly = false)
{
    std::string text;
    for (const ConditionKey& k : ConditionKeys()) {
        if (k.Stored || !storedOnly) {
            text += k.Name + "=" + k.Get(c) + "\n";
        }
    }
    return text;
}

} // namespace quorvane::test
