#include "ShrinkReference.h"

#include <array>
#include <set>
#include <string>
#include <vector>

#include "measures/Layouts.h"
#include "measures/Measures.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"

namespace quorvane::reference {

namespace {

// One sweep: clears the flag of every surviving ticket that fails the test.
template <typename Test> void Sweep(const TicketPool& pool, SurvivorFlags& flags, Test test)
{
    for (std::size_t i = 0; i < pool.size(); ++i) {
        if (flags[i] == 1 && !test(pool[i])) {
            flags[i] = 0;
        }
    }
}

template <std::size_t N> bool AnyChecked(const TCheckCells<N>& cells)
{
    for (const auto c : cells) {
        if (c != 0) {
            return true;
        }
    }
    return false;
}

// The cell of value v is checked; a value without a cell fails.
template <std::size_t N> bool CellChecked(const TCheckCells<N>& cells, int v)
{
    return v >= 0 && v < static_cast<int>(N) && cells[static_cast<std::size_t>(v)] != 0;
}

bool InRange(const TRangePair& r, int v)
{
    return r.Min <= v && v <= r.Max;
}

// The pieces of a space-separated number list, each converted (a bad piece throws).
std::vector<int> NumberList(const std::string& text)
{
    std::vector<int> values;
    for (const std::string& piece : SplitText(" ", text)) {
        values.push_back(StrToInt(piece));
    }
    return values;
}

// A flag table of the given size from a list; values outside it are ignored.
std::vector<bool> FlagTable(const std::vector<int>& values, int size)
{
    std::vector<bool> flags(static_cast<std::size_t>(size), false);
    for (const int v : values) {
        if (v >= 0 && v < size) {
            flags[static_cast<std::size_t>(v)] = true;
        }
    }
    return flags;
}

TNumFlags NumFlags(const std::vector<int>& values)
{
    TNumFlags flags{};
    for (const int v : values) {
        if (v >= 0 && v <= 33) {
            flags[static_cast<std::size_t>(v)] = true;
        }
    }
    return flags;
}

// Stages 1, 2, 4, 5, 6, 7: each selector that is not "N" demands exactly (index - 1) numbers in its
// row or column. One sweep per such selector.
template <std::size_t N, typename CountFn>
void SelectorStage(const std::array<std::int32_t, N>& selectors, const TicketPool& pool, SurvivorFlags& flags,
                   CountFn count)
{
    for (std::size_t i = 0; i < N; ++i) {
        const int item = selectors[i];
        if (item < 1 || item > 4) {
            continue;
        }
        Sweep(pool, flags, [&](const TCodeRedArr& t) { return count(t, static_cast<int>(i)) == item - 1; });
    }
}

template <typename CellFn> int CountWhere(const TCodeRedArr& t, CellFn inCell)
{
    int n = 0;
    for (const auto v : t) {
        n += inCell(v) ? 1 : 0;
    }
    return n;
}

// Zone bounds of the 3-, 4-, 5- and 6-zone partitions.
const std::vector<std::pair<int, int>>& ZoneBounds(int parts)
{
    static const std::vector<std::pair<int, int>> z3{{1, 11}, {12, 22}, {23, 33}};
    static const std::vector<std::pair<int, int>> z4{{1, 8}, {9, 16}, {17, 24}, {25, 33}};
    static const std::vector<std::pair<int, int>> z5{{1, 7}, {8, 14}, {15, 21}, {22, 28}, {29, 33}};
    static const std::vector<std::pair<int, int>> z6{{1, 6}, {7, 12}, {13, 18}, {19, 24}, {25, 30}, {31, 33}};
    return parts == 3 ? z3 : parts == 4 ? z4 : parts == 5 ? z5 : z6;
}

template <std::size_t Z>
void ZoneStage(const std::array<TCheckCells<7>, Z>& pickers, const TicketPool& pool, SurvivorFlags& flags)
{
    bool active = false;
    for (const auto& p : pickers) {
        active = active || AnyChecked(p);
    }
    if (!active) {
        return;
    }
    const auto& bounds = ZoneBounds(static_cast<int>(Z));
    Sweep(pool, flags, [&](const TCodeRedArr& t) {
        for (std::size_t z = 0; z < Z; ++z) {
            if (AnyChecked(pickers[z]) &&
                !CellChecked(pickers[z], SpecNumInterOfCodeArr(t, bounds[z].first, bounds[z].second))) {
                return false;
            }
        }
        return true;
    });
}

// A coded entry "a,b,c&x,y": member flags (size members) and count flags (size 10).
struct CodedEntry
{
    std::vector<bool> Members;
    std::vector<bool> Counts;
};

CodedEntry ParseCoded(const std::string& entry, int members)
{
    const std::vector<std::string> parts = SplitText("&", entry);
    std::vector<int> first;
    std::vector<int> second;
    if (!parts.empty()) {
        for (const std::string& piece : SplitText(",", parts[0])) {
            first.push_back(StrToInt(piece));
        }
    }
    if (parts.size() > 1) {
        for (const std::string& piece : SplitText(",", parts[1])) {
            second.push_back(StrToInt(piece));
        }
    }
    return {FlagTable(first, members), FlagTable(second, 10)};
}

// Stage 41 and 42 count a listed number once.
int DistinctCount(const std::vector<int>& values)
{
    return static_cast<int>(std::set<int>(values.begin(), values.end()).size());
}

int RegularMeasure(int item, const TCodeRedArr& t)
{
    switch (item) {
    case 0:
        return OddNumOfCodeArr(t);
    case 1:
        return BigNumOfCodeArr(t);
    case 2:
        return SumOfCodeArr(t);
    case 3:
        return TailSumOfCodeArr(t);
    case 4:
        return t[5];
    case 5:
        return t[0];
    case 6:
        return OddChainOfCodeArr(t);
    case 7:
        return EvenChainOfCodeArr(t);
    case 8:
        return t[5] - t[0];
    case 9:
        return ACOfCodeArr(t);
    case 10:
        return ConsecNumOfCodeArr(t);
    case 11:
        return ConsecGroupOfCodeArr(t);
    case 12:
        return PrimeNumOfCodeArr(t);
    case 13:
        return SameTailGroupOfCodeArr(t);
    case 14:
        return MaxGapOfCodeArr(t);
    default:
        return MinGapOfCodeArr(t);
    }
}

// The characters of a text (UTF-8), each as its own piece.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        len = len > text.size() - i ? text.size() - i : len;
        out.push_back(text.substr(i, len));
        i += len;
    }
    return out;
}

} // namespace

void RunStage(int stage, const ShrinkConditions& c, const DrawHistory& history, const TicketPool& pool,
              SurvivorFlags& flags)
{
    switch (stage) {
    case 1:
        SelectorStage(c.wshlRowcbb, pool, flags,
                      [](const TCodeRedArr& t, int r) { return TailRowNumOfCodeArr(t, r); });
        break;
    case 2:
        SelectorStage(c.wshlColcbb, pool, flags,
                      [](const TCodeRedArr& t, int k) { return TailColNumOfCodeArr(t, k); });
        break;
    case 3:
        for (const std::string& text : c.zqjqEd) {
            if (text.empty()) {
                continue;
            }
            std::array<bool, 10> killed{};
            for (const std::string& ch : Characters(text)) {
                const int d = StrToInt(ch);
                if (d >= 0 && d <= 9) {
                    killed[static_cast<std::size_t>(d)] = true;
                }
            }
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                for (const auto v : t) {
                    if (killed[v % 10]) {
                        return false;
                    }
                }
                return true;
            });
        }
        break;
    case 4:
        SelectorStage(c.zqjqRowCbb, pool, flags, [](const TCodeRedArr& t, int r) {
            return CountWhere(t, [r](int v) { return (v % 10) / 3 == r; });
        });
        break;
    case 5:
        SelectorStage(c.zqjqColCbb, pool, flags, [](const TCodeRedArr& t, int k) {
            return CountWhere(t, [k](int v) { return (v % 10) % 3 == k; });
        });
        break;
    case 6:
        SelectorStage(c.RowCbb, pool, flags, [](const TCodeRedArr& t, int r) {
            return CountWhere(t, [r](int v) { return (v - 1) / 6 == r; });
        });
        break;
    case 7:
        SelectorStage(c.ColCbb, pool, flags, [](const TCodeRedArr& t, int k) {
            return CountWhere(t, [k](int v) { return (v - 1) % 6 == k; });
        });
        break;
    case 8:
        if (AnyChecked(c.ssTb0MChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CountWhere(
                           t, [&](int v) { return c.ssTb0MChk[static_cast<std::size_t>(v - 1)] != 0; }) == 6;
            });
        }
        break;
    case 9:
        ZoneStage(c.ssTb2GBX1Num1, pool, flags);
        break;
    case 10:
        ZoneStage(c.ssTb2GBX1Num2, pool, flags);
        break;
    case 11:
        ZoneStage(c.ssTb2GBX1Num3, pool, flags);
        break;
    case 12:
        ZoneStage(c.ssTb2GBX1Num4, pool, flags);
        break;
    case 13:
        if (AnyChecked(c.ssTb2GBX1NumX)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.ssTb2GBX1NumX, Zone6GroupOfCodeArr(t) - 1);
            });
        }
        break;
    case 14:
        if (AnyChecked(c.Mod3NumChk[0]) || AnyChecked(c.Mod3NumChk[1]) || AnyChecked(c.Mod3NumChk[2])) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                for (int r = 0; r < 3; ++r) {
                    const auto& cells = c.Mod3NumChk[static_cast<std::size_t>(r)];
                    if (AnyChecked(cells) && !CellChecked(cells, Mod3NumOfCodeArr(t, r))) {
                        return false;
                    }
                }
                return true;
            });
        }
        break;
    case 15:
        if (AnyChecked(c.Mod6GroupChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.Mod6GroupChk, Mod6GroupOfCodeArr(t) - 1);
            });
        }
        break;
    case 16:
        if (c.AcDesignSpEd.Min > 3 || c.AcDesignSpEd.Max < 10) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) { return InRange(c.AcDesignSpEd, ACOfCodeArr(t)); });
        }
        break;
    case 17:
        if (c.MaxGapSpEd.Min > 1 || c.MaxGapSpEd.Max < 28) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return InRange(c.MaxGapSpEd, MaxGapOfCodeArr(t)); });
        }
        break;
    case 18:
        if (AnyChecked(c.OddEvenDesignChk)) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return CellChecked(c.OddEvenDesignChk, OddNumOfCodeArr(t)); });
        }
        break;
    case 19:
        if (AnyChecked(c.BigSmallRatioChk)) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return CellChecked(c.BigSmallRatioChk, BigNumOfCodeArr(t)); });
        }
        break;
    case 20:
        if (AnyChecked(c.RunLengthChk) && AnyChecked(c.RunCountChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                const ConsecRuns runs = ConsecRunsOfCodeArr(t);
                for (int k = 0; k < 6; ++k) {
                    if (c.RunLengthChk[static_cast<std::size_t>(k)] != 0 &&
                        CellChecked(c.RunCountChk, runs.Hist[static_cast<std::size_t>(k)])) {
                        return true;
                    }
                }
                return false;
            });
        }
        break;
    case 21:
        if (c.TotalSumSpEd.Min > 21 || c.TotalSumSpEd.Max < 183) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return InRange(c.TotalSumSpEd, SumOfCodeArr(t)); });
        }
        break;
    case 22:
        if (AnyChecked(c.TailRepeatChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.TailRepeatChk, MaxTailRepeatOfCodeArr(t));
            });
        }
        break;
    case 23:
        if (AnyChecked(c.SameTailCountChk) && !history.empty()) {
            const TCodeRedArr ref = history.back().Reds;
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.SameTailCountChk, SameTailWithOfCodeArr(t, ref));
            });
        }
        break;
    case 24:
        if (c.TailSumSpEd.Min > 3 || c.TailSumSpEd.Max < 51) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return InRange(c.TailSumSpEd, TailSumOfCodeArr(t)); });
        }
        break;
    case 25:
        if (AnyChecked(c.TailMod5GroupChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.TailMod5GroupChk, TailMod5GroupOfCodeArr(t) - 1);
            });
        }
        break;
    case 26:
        if (AnyChecked(c.TailBigSmallChk)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.TailBigSmallChk, BigTailNumOfCodeArr(t));
            });
        }
        break;
    case 27:
    case 28: {
        const auto& list = stage == 27 ? c.Sel3DCodeLbx : c.CodeSelLbx1ssTb3Gbx1Lbx;
        if (list.empty()) {
            break;
        }
        std::vector<CodedEntry> entries;
        for (const std::string& e : list) {
            entries.push_back(ParseCoded(e, stage == 27 ? 10 : 34));
        }
        Sweep(pool, flags, [&](const TCodeRedArr& t) {
            for (const CodedEntry& e : entries) {
                int hits = 0;
                for (const auto v : t) {
                    hits += e.Members[stage == 27 ? v % 10 : v] ? 1 : 0;
                }
                if (!e.Counts[static_cast<std::size_t>(hits)]) {
                    return false;
                }
            }
            return true;
        });
        break;
    }
    case 29:
        if (AnyChecked(c.ssTb3Gbx2Num)) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CountWhere(t, [&](int v) {
                           return c.ssTb3Gbx2Num[static_cast<std::size_t>(v - 1)] != 0;
                       }) > 0;
            });
        }
        break;
    case 30:
        if (c.ssTb3SheetGbx1Sp1 > 21 || c.ssTb3SheetGbx1Sp2 < 183) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return c.ssTb3SheetGbx1Sp1 <= SumOfCodeArr(t) && SumOfCodeArr(t) <= c.ssTb3SheetGbx1Sp2;
            });
        }
        break;
    case 31:
        if (c.tj1QiOuBiChk) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return CellChecked(c.tj1QiOuBiMChk, OddNumOfCodeArr(t)); });
        }
        break;
    case 32:
        if (c.tj1HeZhiChk) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return InRange(c.tj1HeZhiSpEd, SumOfCodeArr(t)); });
        }
        break;
    case 33:
        if (c.tj1HeZhiChk) {
            const std::vector<bool> excluded = FlagTable(NumberList(c.tj1PaiChuHeZhiEd), 300);
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return !excluded[static_cast<std::size_t>(SumOfCodeArr(t))]; });
        }
        break;
    case 34:
        if (c.tj1AcZhiChk) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) { return InRange(c.tj1AcZhiSpEd, ACOfCodeArr(t)); });
        }
        break;
    case 35:
        if (c.tj1AcZhiChk) {
            const std::vector<bool> excluded = FlagTable(NumberList(c.tj1PaiChuAcZhiEd), 300);
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return !excluded[static_cast<std::size_t>(ACOfCodeArr(t))]; });
        }
        break;
    case 36:
        if (c.tj1LainHaoChk) {
            const int item = c.tj1LianGeShuCbb >= 0 && c.tj1LianGeShuCbb <= 4 ? c.tj1LianGeShuCbb : 0;
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                const ConsecRuns runs = ConsecRunsOfCodeArr(t);
                return CellChecked(c.tj1LianHaoMChk, ConsecGroupOfCodeArr(t)) && runs.Longest <= item + 2;
            });
        }
        break;
    case 37:
        if (c.tj1FenDuanChk) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return InRange(c.tj1FenDuanArr[0], SpecNumInterOfCodeArr(t, 1, 11)) &&
                       InRange(c.tj1FenDuanArr[1], SpecNumInterOfCodeArr(t, 12, 22)) &&
                       InRange(c.tj1FenDuanArr[2], SpecNumInterOfCodeArr(t, 23, 33));
            });
        }
        break;
    case 38:
        if (c.tj2DaXiaoBiChk) {
            Sweep(pool, flags,
                  [&](const TCodeRedArr& t) { return CellChecked(c.tj2DaXiaoBiMChk, BigNumOfCodeArr(t)); });
        }
        break;
    case 39:
        if (c.tj2GaoDiWeiChk) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.tj2GaoDiWeiMChk, BigTailNumOfCodeArr(t));
            });
        }
        break;
    case 40:
        if (c.tj2TongWeiDuiChk) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                return CellChecked(c.tj2TongWeiDuiMChk, SameTailGroupOfCodeArr(t));
            });
        }
        break;
    case 41:
        if (c.tj2BiXuanHaoChk) {
            const std::vector<int> listed = NumberList(c.tj2BiXuanHaoEd);
            if (!listed.empty()) {
                const TNumFlags f = NumFlags(listed);
                const int p = DistinctCount(listed);
                Sweep(pool, flags, [&](const TCodeRedArr& t) { return NumInSetOfCodeArr(t, f) == p; });
            }
        }
        break;
    case 42:
        if (c.tj2BiBuTongChk) {
            for (const std::string& text : c.tj2BiBuTongEdArr) {
                const std::vector<int> listed = NumberList(text);
                if (listed.empty()) {
                    continue;
                }
                const TNumFlags f = NumFlags(listed);
                const int p = DistinctCount(listed);
                Sweep(pool, flags, [&](const TCodeRedArr& t) { return NumInSetOfCodeArr(t, f) != p; });
            }
        }
        break;
    case 43:
        if (c.tj3AnWeiChk) {
            for (std::size_t p = 0; p < 6; ++p) {
                const int parity = c.tj4AnWeiQoArr[p];
                const int height = c.tj4AnWeiWsArr[p];
                const std::vector<int> remainders = NumberList(c.tj4AnWeiC3EdArr[p]);
                const std::vector<int> numbers = NumberList(c.tj4AnWeiZdEdArr[p]);
                std::array<bool, 3> keptRem{};
                bool anyRem = false;
                for (const int r : remainders) {
                    if (r >= 0 && r <= 2) {
                        keptRem[static_cast<std::size_t>(r)] = anyRem = true;
                    }
                }
                TNumFlags keptNum{};
                bool anyNum = false;
                for (const int n : numbers) {
                    if (n >= 1 && n <= 33) {
                        keptNum[static_cast<std::size_t>(n)] = anyNum = true;
                    }
                }
                Sweep(pool, flags, [&](const TCodeRedArr& t) {
                    const int n = t[p];
                    if ((parity == 1 && n % 2 == 0) || (parity == 2 && n % 2 != 0)) {
                        return false;
                    }
                    if ((height == 1 && n % 10 < 5) || (height == 2 && n % 10 >= 5)) {
                        return false;
                    }
                    if (anyRem && !keptRem[static_cast<std::size_t>(n % 10 % 3)]) {
                        return false;
                    }
                    return !anyNum || keptNum[static_cast<std::size_t>(n)];
                });
            }
        }
        break;
    case 44:
        if (c.tj3JianJuChk) {
            for (std::size_t r = 0; r < 8; ++r) {
                const int parity = c.tj4JianJuQoArr[r];
                const TRangePair range = c.tj4JianJuSeArr[r];
                std::vector<bool> kept(67, false);
                bool any = false;
                for (const int v : NumberList(c.tj4JianJuEdArr[r])) {
                    if (v >= 1 && v <= 66) {
                        kept[static_cast<std::size_t>(v)] = any = true;
                    }
                }
                Sweep(pool, flags, [&](const TCodeRedArr& t) {
                    const int v = GapVectorOfCodeArr(t)[r];
                    if ((parity == 1 && v % 2 == 0) || (parity == 2 && v % 2 != 0)) {
                        return false;
                    }
                    return InRange(range, v) && (!any || kept[static_cast<std::size_t>(v)]);
                });
            }
        }
        break;
    case 45:
        if (c.tj4WeiShuChk) {
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                const auto hist = TailHistOfCodeArr(t);
                for (std::size_t d = 0; d < 10; ++d) {
                    if (!InRange(c.tj4WeiShuArr[d], hist[d])) {
                        return false;
                    }
                }
                return true;
            });
        }
        break;
    case 46:
        if (c.tj4FenZuChk) {
            for (std::size_t r = 0; r < 10; ++r) {
                const std::vector<int> listed = NumberList(c.tj4FenZuEdArr[r]);
                if (listed.empty()) {
                    continue;
                }
                const TNumFlags f = NumFlags(listed);
                Sweep(pool, flags, [&](const TCodeRedArr& t) {
                    return CellChecked(c.tj4FenZuMChkArr[r], NumInSetOfCodeArr(t, f));
                });
            }
        }
        break;
    case 47:
        for (std::size_t k = 0; k < 10; ++k) {
            if (c.tj6JianJuCheckArr[k]) {
                Sweep(pool, flags, [&](const TCodeRedArr& t) {
                    return CellChecked(c.tj6JianJuMChkArr[k], GapHistOfCodeArr(t)[k + 2]);
                });
            }
        }
        break;
    case 48:
        for (std::size_t i = 0; i < kRegularItemCount; ++i) {
            const TRangePair range = c.ssTb8Gbx1SeArr[i];
            if (range != kRegularStartRanges[i]) {
                Sweep(pool, flags, [&](const TCodeRedArr& t) {
                    return InRange(range, RegularMeasure(static_cast<int>(i), t));
                });
            }
        }
        break;
    case 49:
        if (c.ssTb4Gbx1Chk && !c.ssTb4SheetGbx1Memo.empty() && AnyChecked(c.ssTb4Gbx1MChk)) {
            std::vector<TNumFlags> lines;
            for (const std::string& line : c.ssTb4SheetGbx1Memo) {
                lines.push_back(NumFlags(NumberList(line)));
            }
            Sweep(pool, flags, [&](const TCodeRedArr& t) {
                for (const TNumFlags& f : lines) {
                    if (CellChecked(c.ssTb4Gbx1MChk, NumInSetOfCodeArr(t, f))) {
                        return true;
                    }
                }
                return false;
            });
        }
        break;
    case 50:
        if (c.ExcludeDrawnChk) {
            const std::size_t count = history.size();
            const std::size_t lastN =
                c.ExcludeDrawnSp > 0 ? static_cast<std::size_t>(c.ExcludeDrawnSp) : count;
            const std::size_t first = lastN < count ? count - lastN : 0;
            std::set<TCodeRedArr> drawn;
            for (std::size_t i = first; i < count; ++i) {
                drawn.insert(history[i].Reds);
            }
            Sweep(pool, flags, [&](const TCodeRedArr& t) { return drawn.count(t) == 0; });
        }
        break;
    default:
        break;
    }
}

void RunAllStages(const ShrinkConditions& c, const DrawHistory& history, const TicketPool& pool,
                  SurvivorFlags& flags)
{
    for (int stage = 1; stage <= kStageCount; ++stage) {
        RunStage(stage, c, history, pool, flags);
    }
}

} // namespace quorvane::reference
