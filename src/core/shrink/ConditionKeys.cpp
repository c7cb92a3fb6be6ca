#include "shrink/ConditionKeys.h"

#include <type_traits>
#include <utility>

#include "shrink/ShrinkCaptions.h"
#include "text/CheckedText.h"
#include "text/IniFile.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

using Model = ShrinkConditions;

// Each builder takes an accessor `[](auto& m) -> auto& { return m.field; }` that works on both a
// const and a mutable model, so one lambda serves the reader and the writer.

template <typename Access> ConditionKey BoolKey(std::string name, Access access)
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = ConditionEncoding::Bool;
    k.MissingValue = "0";
    k.Get = [access](const Model& m) { return std::string(access(m) ? "1" : "0"); };
    k.Set = [access](Model& m, std::string_view value) {
        auto& field = access(m);
        field = static_cast<std::remove_reference_t<decltype(field)>>(StrToInt(value) != 0 ? 1 : 0);
    };
    return k;
}

// itemCount > 0: a drop-down list whose index must lie in 0..itemCount-1; 0: any integer.
template <typename Access>
ConditionKey IntegerKey(std::string name, Access access, int itemCount, std::string missing = "0")
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = ConditionEncoding::Integer;
    k.MissingValue = std::move(missing);
    k.Get = [access](const Model& m) { return std::to_string(access(m)); };
    k.Set = [access, itemCount, key = k.Name](Model& m, std::string_view value) {
        const std::int32_t v = StrToInt(value);
        if (itemCount > 0 && (v < 0 || v >= itemCount)) {
            throw UserError(ItemIndexErrorText(value, key));
        }
        access(m) = v;
    };
    return k;
}

template <typename Access> ConditionKey RangeKey(std::string name, Access access, std::string missing = "")
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = ConditionEncoding::Range;
    k.MissingValue = std::move(missing);
    k.Get = [access](const Model& m) { return ValuesToText({access(m).Min, access(m).Max}, ","); };
    k.Set = [access](Model& m, std::string_view value) {
        TRangePair& range = access(m);
        std::vector<int> values{range.Min, range.Max};
        try {
            ValuesFromText(",", value, values);
        } catch (...) {
            range = {values[0], values[1]}; // the pieces before the bad one stay set
            throw;
        }
        range = {values[0], values[1]};
    };
    return k;
}

std::string CellDelimiter(ConditionEncoding encoding)
{
    return encoding == ConditionEncoding::SelectorList ? "#" : ",";
}

CaptionTrim CellTrim(ConditionEncoding encoding)
{
    return encoding == ConditionEncoding::SelectorList ? CaptionTrim::Trim : CaptionTrim::None;
}

template <typename Access>
ConditionKey CellsKey(std::string name, ConditionEncoding encoding, Access access,
                      std::vector<std::string> captions)
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = encoding;
    k.Captions = captions;
    const std::string delimiter = CellDelimiter(encoding);
    const CaptionTrim trim = CellTrim(encoding);
    k.Get = [access, captions, delimiter, trim](const Model& m) {
        const auto& cells = access(m);
        return CheckedToText(captions, std::vector<std::uint8_t>(cells.begin(), cells.end()), delimiter,
                             trim);
    };
    k.Set = [access, captions, delimiter, trim](Model& m, std::string_view value) {
        auto& cells = access(m);
        const std::vector<std::uint8_t> checked = CheckedFromText(captions, delimiter, value, trim);
        for (std::size_t i = 0; i < cells.size() && i < checked.size(); ++i) {
            cells[i] = checked[i];
        }
    };
    return k;
}

template <typename Access>
ConditionKey PickerKey(std::string name, Access access, std::vector<std::string> captions)
{
    return CellsKey(std::move(name), ConditionEncoding::PickerList, access, std::move(captions));
}

template <typename Access> ConditionKey EntryKey(std::string name, Access access)
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = ConditionEncoding::EntryList;
    k.Get = [access](const Model& m) { return JoinText(access(m), "#"); };
    k.Set = [access](Model& m, std::string_view value) { access(m) = SplitText("#", value); };
    return k;
}

template <typename Access> ConditionKey TextKey(std::string name, Access access)
{
    ConditionKey k;
    k.Name = std::move(name);
    k.Encoding = ConditionEncoding::Text;
    k.Get = [access](const Model& m) { return std::string(access(m)); };
    k.Set = [access](Model& m, std::string_view value) { access(m) = std::string(value); };
    return k;
}

std::string Idx(const std::string& base, std::size_t i)
{
    return base + std::to_string(i);
}

// Bool keys "<base><i>" for every cell of a picker stored cell by cell.
template <std::size_t N, typename Access>
void AddCellKeys(std::vector<ConditionKey>& keys, const std::string& base, Access access)
{
    for (std::size_t j = 0; j < N; ++j) {
        keys.push_back(BoolKey(
            Idx(base, j), [ access, j ](auto& m) -> auto& { return access(m)[j]; }));
    }
}

std::vector<ConditionKey> MakeKeys()
{
    const int selectorItems = static_cast<int>(RowColSelectorItems().size());
    const int parityItems = static_cast<int>(ParityItems().size());
    const int heightItems = static_cast<int>(TailHeightItems().size());
    std::vector<ConditionKey> keys;

    keys.push_back(TextKey(
        "Edit51", [](auto& m) -> auto& { return m.Edit51; }));
    keys.push_back(TextKey(
        "Edit52", [](auto& m) -> auto& { return m.Edit52; }));
    keys.push_back(TextKey(
        "Edit53", [](auto& m) -> auto& { return m.Edit53; }));
    for (std::size_t i = 0; i < 6; ++i) {
        keys.push_back(IntegerKey(
            Idx("FwshlRowCbbArr", i), [i](auto& m) -> auto& { return m.wshlRowcbb[i]; }, selectorItems));
    }
    for (std::size_t i = 0; i < 6; ++i) {
        keys.push_back(IntegerKey(
            Idx("FwshlColCbbArr", i), [i](auto& m) -> auto& { return m.wshlColcbb[i]; }, selectorItems));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        keys.push_back(TextKey(
            Idx("zqjqEd", i + 1), [i](auto& m) -> auto& { return m.zqjqEd[i]; }));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        keys.push_back(IntegerKey(
            Idx("FzqjqRowCbbArr", i), [i](auto& m) -> auto& { return m.zqjqRowCbb[i]; }, selectorItems));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        keys.push_back(IntegerKey(
            Idx("FzqjqColCbbArr", i), [i](auto& m) -> auto& { return m.zqjqColCbb[i]; }, selectorItems));
    }
    keys.push_back(EntryKey(
        "3D匹配", [](auto& m) -> auto& { return m.Sel3DCodeLbx; }));
    keys.push_back(EntryKey(
        "选号匹配", [](auto& m) -> auto& { return m.CodeSelLbx1; }));
    for (std::size_t p = 0; p < 3; ++p) {
        AddCellKeys<7>(
            keys, Idx("3区间", p), [p](auto& m) -> auto& { return m.ssTb2GBX1Num1[p]; });
    }
    for (std::size_t p = 0; p < 3; ++p) {
        AddCellKeys<6>(
            keys, Idx("除3余", p), [p](auto& m) -> auto& { return m.Mod3NumChk[p]; });
    }
    AddCellKeys<6>(
        keys, "除6余分组出现组数", [](auto& m) -> auto& { return m.Mod6GroupChk; });
    keys.push_back(RangeKey(
        "AC值设计", [](auto& m) -> auto& { return m.AcDesignSpEd; }));
    keys.push_back(RangeKey(
        "最大间隔", [](auto& m) -> auto& { return m.MaxGapSpEd; }));
    AddCellKeys<7>(
        keys, "奇偶设计", [](auto& m) -> auto& { return m.OddEvenDesignChk; });
    AddCellKeys<7>(
        keys, "号码大小比", [](auto& m) -> auto& { return m.BigSmallRatioChk; });
    AddCellKeys<6>(
        keys, "连号", [](auto& m) -> auto& { return m.RunLengthChk; });
    AddCellKeys<4>(
        keys, "连号组数", [](auto& m) -> auto& { return m.RunCountChk; });
    keys.push_back(RangeKey(
        "总和值", [](auto& m) -> auto& { return m.TotalSumSpEd; }));
    AddCellKeys<5>(
        keys, "尾数相同个数", [](auto& m) -> auto& { return m.TailRepeatChk; });
    AddCellKeys<7>(
        keys, "尾数与上期相同个数", [](auto& m) -> auto& { return m.SameTailCountChk; });
    keys.push_back(RangeKey(
        "尾数和", [](auto& m) -> auto& { return m.TailSumSpEd; }));
    AddCellKeys<5>(
        keys, "尾数分组组合", [](auto& m) -> auto& { return m.TailMod5GroupChk; });
    AddCellKeys<7>(
        keys, "尾数大小比", [](auto& m) -> auto& { return m.TailBigSmallChk; });
    keys.push_back(CellsKey(
        "ssTb0MChk", ConditionEncoding::SelectorList, [](auto& m) -> auto& { return m.ssTb0MChk; },
        TwoDigitCaptions(33)));
    keys.push_back(CellsKey(
        "ssTb0BChk", ConditionEncoding::SelectorList, [](auto& m) -> auto& { return m.ssTb0BChk; },
        TwoDigitCaptions(16)));
    for (std::size_t i = 0; i < kRegularItemCount; ++i) {
        keys.push_back(IntegerKey(
            Idx("ssTb8Gbx1SeArr0", i), [i](auto& m) -> auto& { return m.ssTb8Gbx1SeArr[i].Min; }, 0,
            std::to_string(kRegularStartRanges[i].Min)));
        keys.push_back(IntegerKey(
            Idx("ssTb8Gbx1SeArr1", i), [i](auto& m) -> auto& { return m.ssTb8Gbx1SeArr[i].Max; }, 0,
            std::to_string(kRegularStartRanges[i].Max)));
    }

    keys.push_back(BoolKey(
        "tj1QiOuBiChk", [](auto& m) -> auto& { return m.tj1QiOuBiChk; }));
    keys.push_back(PickerKey(
        "tj1QiOuBiMChk", [](auto& m) -> auto& { return m.tj1QiOuBiMChk; }, RatioCaptions()));
    keys.push_back(BoolKey(
        "tj1HeZhiChk", [](auto& m) -> auto& { return m.tj1HeZhiChk; }));
    keys.push_back(RangeKey(
        "tj1HeZhiSpEd", [](auto& m) -> auto& { return m.tj1HeZhiSpEd; }));
    keys.push_back(TextKey(
        "tj1PaiChuHeZhiEd", [](auto& m) -> auto& { return m.tj1PaiChuHeZhiEd; }));
    keys.push_back(BoolKey(
        "tj1AcZhiChk", [](auto& m) -> auto& { return m.tj1AcZhiChk; }));
    keys.push_back(RangeKey(
        "tj1AcZhiSpEd", [](auto& m) -> auto& { return m.tj1AcZhiSpEd; }));
    keys.push_back(TextKey(
        "tj1PaiChuAcZhiEd", [](auto& m) -> auto& { return m.tj1PaiChuAcZhiEd; }));
    keys.push_back(BoolKey(
        "tj1LainHaoChk", [](auto& m) -> auto& { return m.tj1LainHaoChk; }));
    keys.push_back(PickerKey(
        "tj1LianHaoMChk", [](auto& m) -> auto& { return m.tj1LianHaoMChk; }, PairCaptions(4)));
    keys.push_back(BoolKey(
        "tj1FenDuanChk", [](auto& m) -> auto& { return m.tj1FenDuanChk; }));
    for (std::size_t i = 0; i < 3; ++i) {
        keys.push_back(RangeKey(
            Idx("tj1FenDuanArr", i), [i](auto& m) -> auto& { return m.tj1FenDuanArr[i]; }));
    }

    keys.push_back(BoolKey(
        "tj2DaXiaoBiChk", [](auto& m) -> auto& { return m.tj2DaXiaoBiChk; }));
    keys.push_back(PickerKey(
        "tj2DaXiaoBiMChk", [](auto& m) -> auto& { return m.tj2DaXiaoBiMChk; }, RatioCaptions()));
    keys.push_back(BoolKey(
        "tj2GaoDiWeiChk", [](auto& m) -> auto& { return m.tj2GaoDiWeiChk; }));
    keys.push_back(PickerKey(
        "tj2GaoDiWeiMChk", [](auto& m) -> auto& { return m.tj2GaoDiWeiMChk; }, RatioCaptions()));
    keys.push_back(BoolKey(
        "tj2TongWeiDuiChk", [](auto& m) -> auto& { return m.tj2TongWeiDuiChk; }));
    keys.push_back(PickerKey(
        "tj2TongWeiDuiMChk", [](auto& m) -> auto& { return m.tj2TongWeiDuiMChk; }, PairCaptions(4)));
    keys.push_back(BoolKey(
        "tj2BiXuanHaoChk", [](auto& m) -> auto& { return m.tj2BiXuanHaoChk; }));
    keys.push_back(TextKey(
        "tj2BiXuanHaoEd", [](auto& m) -> auto& { return m.tj2BiXuanHaoEd; }));
    keys.push_back(BoolKey(
        "tj2BiBuTongChk", [](auto& m) -> auto& { return m.tj2BiBuTongChk; }));
    for (std::size_t i = 0; i < 4; ++i) {
        keys.push_back(TextKey(
            Idx("tj2BiBuTongEdArr", i), [i](auto& m) -> auto& { return m.tj2BiBuTongEdArr[i]; }));
    }

    keys.push_back(BoolKey(
        "tj3AnWeiChk", [](auto& m) -> auto& { return m.tj3AnWeiChk; }));
    for (std::size_t p = 0; p < 6; ++p) {
        keys.push_back(IntegerKey(
            Idx("tj4AnWeiQoArr", p), [p](auto& m) -> auto& { return m.tj4AnWeiQoArr[p]; }, parityItems));
        keys.push_back(IntegerKey(
            Idx("tj4AnWeiWsArr", p), [p](auto& m) -> auto& { return m.tj4AnWeiWsArr[p]; }, heightItems));
        keys.push_back(TextKey(
            Idx("tj4AnWeiC3EdArr", p), [p](auto& m) -> auto& { return m.tj4AnWeiC3EdArr[p]; }));
        keys.push_back(TextKey(
            Idx("tj4AnWeiZdEdArr", p), [p](auto& m) -> auto& { return m.tj4AnWeiZdEdArr[p]; }));
    }
    keys.push_back(BoolKey(
        "tj3JianJuChk", [](auto& m) -> auto& { return m.tj3JianJuChk; }));
    for (std::size_t r = 0; r < 8; ++r) {
        keys.push_back(IntegerKey(
            Idx("tj4JianJuQoArr", r), [r](auto& m) -> auto& { return m.tj4JianJuQoArr[r]; }, parityItems));
        keys.push_back(RangeKey(
            Idx("tj4JianJuSeArr", r), [r](auto& m) -> auto& { return m.tj4JianJuSeArr[r]; }, "0,0"));
        keys.push_back(TextKey(
            Idx("tj4JianJuEdArr", r), [r](auto& m) -> auto& { return m.tj4JianJuEdArr[r]; }));
    }

    keys.push_back(BoolKey(
        "tj4WeiShuChk", [](auto& m) -> auto& { return m.tj4WeiShuChk; }));
    for (std::size_t i = 0; i < 10; ++i) {
        keys.push_back(RangeKey(
            Idx("tj4WeiShuArr", i), [i](auto& m) -> auto& { return m.tj4WeiShuArr[i]; }, "0,0"));
    }
    keys.push_back(BoolKey(
        "tj4FenZuChk", [](auto& m) -> auto& { return m.tj4FenZuChk; }));
    for (std::size_t r = 0; r < 10; ++r) {
        keys.push_back(TextKey(
            Idx("tj4FenZuEdArr", r), [r](auto& m) -> auto& { return m.tj4FenZuEdArr[r]; }));
        keys.push_back(PickerKey(
            Idx("tj4FenZuMChkArr", r), [r](auto& m) -> auto& { return m.tj4FenZuMChkArr[r]; },
            NumberCaptions(0, 5)));
    }

    for (std::size_t i = 0; i < 4; ++i) {
        keys.push_back(PickerKey(
            Idx("ssTb2GBX1Num2", i), [i](auto& m) -> auto& { return m.ssTb2GBX1Num2[i]; },
            NumberCaptions(0, 6)));
    }
    for (std::size_t i = 0; i < 5; ++i) {
        keys.push_back(PickerKey(
            Idx("ssTb2GBX1Num3", i), [i](auto& m) -> auto& { return m.ssTb2GBX1Num3[i]; },
            NumberCaptions(0, 6)));
    }
    for (std::size_t i = 0; i < 6; ++i) {
        keys.push_back(PickerKey(
            Idx("ssTb2GBX1Num4", i), [i](auto& m) -> auto& { return m.ssTb2GBX1Num4[i]; },
            NumberCaptions(0, 6)));
    }
    keys.push_back(PickerKey(
        "ssTb2GBX1NumX", [](auto& m) -> auto& { return m.ssTb2GBX1NumX; }, NumberCaptions(1, 6)));
    for (std::size_t r = 0; r < 10; ++r) {
        keys.push_back(BoolKey(
            Idx("tj6JianJuCheckArr", r), [r](auto& m) -> auto& { return m.tj6JianJuCheckArr[r]; }));
        keys.push_back(PickerKey(
            Idx("tj6JianJuMChkArr", r), [r](auto& m) -> auto& { return m.tj6JianJuMChkArr[r]; },
            PairCaptions(6)));
    }
    keys.push_back(EntryKey(
        "CodeSelLbx1ssTb3Gbx1Lbx", [](auto& m) -> auto& { return m.CodeSelLbx1ssTb3Gbx1Lbx; }));
    keys.push_back(PickerKey(
        "ssTb3Gbx2Num", [](auto& m) -> auto& { return m.ssTb3Gbx2Num; }, NumberCaptions(1, 33)));

    // Controls that the condition file does not store.
    const std::size_t firstUnstored = keys.size();
    keys.push_back(IntegerKey(
        "tj1LianGeShuCbb", [](auto& m) -> auto& { return m.tj1LianGeShuCbb; },
        static_cast<int>(LongestRunItems().size())));
    for (std::size_t i = 0; i < 6; ++i) {
        keys.push_back(IntegerKey(
            Idx("RowCbb", i + 1), [i](auto& m) -> auto& { return m.RowCbb[i]; }, selectorItems));
    }
    for (std::size_t i = 0; i < 6; ++i) {
        keys.push_back(IntegerKey(
            Idx("ColCbb", i + 1), [i](auto& m) -> auto& { return m.ColCbb[i]; }, selectorItems));
    }
    keys.push_back(IntegerKey(
        "ssTb3SheetGbx1Sp1", [](auto& m) -> auto& { return m.ssTb3SheetGbx1Sp1; }, 0));
    keys.push_back(IntegerKey(
        "ssTb3SheetGbx1Sp2", [](auto& m) -> auto& { return m.ssTb3SheetGbx1Sp2; }, 0, "183"));
    keys.push_back(BoolKey(
        "ssTb4Gbx1Chk", [](auto& m) -> auto& { return m.ssTb4Gbx1Chk; }));
    keys.push_back(EntryKey(
        "ssTb4SheetGbx1Memo", [](auto& m) -> auto& { return m.ssTb4SheetGbx1Memo; }));
    keys.push_back(PickerKey(
        "ssTb4Gbx1MChk", [](auto& m) -> auto& { return m.ssTb4Gbx1MChk; }, NumberCaptions(0, 6)));
    for (std::size_t i = firstUnstored; i < keys.size(); ++i) {
        keys[i].Stored = false;
    }

    // The analysis settings, which the condition file keeps in a section of their own.
    const std::size_t firstAnalysis = keys.size();
    keys.push_back(RangeKey(
        "ToleranceSpEd", [](auto& m) -> auto& { return m.ToleranceSpEd; }, "0,0"));
    keys.push_back(BoolKey(
        "ExcludeDrawnChk", [](auto& m) -> auto& { return m.ExcludeDrawnChk; }));
    keys.push_back(IntegerKey(
        "ExcludeDrawnSp", [](auto& m) -> auto& { return m.ExcludeDrawnSp; }, 0));
    for (std::size_t i = firstAnalysis; i < keys.size(); ++i) {
        keys[i].Stored = false;
        keys[i].Analysis = true;
    }
    return keys;
}

} // namespace

const std::vector<ConditionKey>& ConditionKeys()
{
    static const std::vector<ConditionKey> keys = MakeKeys();
    return keys;
}

const ConditionKey* FindConditionKey(std::string_view name)
{
    for (const ConditionKey& k : ConditionKeys()) {
        if (EqualsNoCase(k.Name, name)) {
            return &k;
        }
    }
    return nullptr;
}

bool ApplyConditionSetting(ShrinkConditions& conditions, std::string_view name, std::string_view value)
{
    const ConditionKey* key = FindConditionKey(name);
    if (key == nullptr) {
        return false;
    }
    key->Set(conditions, value);
    return true;
}

std::string StrictSettingProblem(const ConditionKey& key, std::string_view value)
{
    if (key.Encoding != ConditionEncoding::PickerList && key.Encoding != ConditionEncoding::SelectorList) {
        return {};
    }
    const std::string delimiter = CellDelimiter(key.Encoding);
    const std::vector<std::string> unknown = UnknownPieces(key.Captions, delimiter, value, CellTrim(key.Encoding));
    if (unknown.empty()) {
        return {};
    }
    std::vector<std::string> captions;
    for (const std::string& caption : key.Captions) {
        captions.emplace_back(TrimText(caption));
    }
    return "'" + EscapeControlBytes(unknown.front()) + "' names no cell of " + key.Name + "; the captions are " +
           JoinText(captions, delimiter);
}

std::string ItemIndexErrorText(std::string_view value, std::string_view key)
{
    return "'" + EscapeControlBytes(value) + "' is not a valid item index of " + std::string(key);
}

} // namespace quorvane
