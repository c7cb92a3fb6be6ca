// The condition pages against core: whatever is set through the controls runs, saves, loads and
// clears exactly as the same settings do through the condition keys.
#include <gtest/gtest.h>

#include <QWidget>

#include "ShrinkTestSupport.h"
#include "app/QtText.h"
#include "shrink/ConditionClear.h"
#include "shrink/ConditionFile.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ShrinkCaptions.h"
#include "shrink/ShrinkRun.h"
#include "text/SplitText.h"
#include "text/UserError.h"
#include "views/ConditionBinder.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;
using quorvane::test::TempDir;

// Conditions in which every stored key holds a value of its own, different from its neighbours',
// so a control bound to the wrong key or a picker with the wrong captions changes the saved file.
ShrinkConditions EveryKeySet()
{
    std::vector<std::string> pickerCaptions = RatioCaptions();
    for (const auto& more : {NumberCaptions(0, 33), PairCaptions(6), TwoDigitCaptions(33)}) {
        pickerCaptions.insert(pickerCaptions.end(), more.begin(), more.end());
    }
    ShrinkConditions m;
    int i = 0;
    for (const ConditionKey& key : ConditionKeys()) {
        if (!key.Stored) {
            continue;
        }
        ++i;
        std::string value;
        switch (key.Encoding) {
        case ConditionEncoding::Bool:
            value = i % 2 == 0 ? "1" : "0";
            break;
        case ConditionEncoding::Integer:
            value = std::to_string(i % 3 + 1);
            break;
        case ConditionEncoding::Range:
            value = std::to_string(i % 5) + "," + std::to_string(i % 11 + 10);
            break;
        case ConditionEncoding::PickerList:
        case ConditionEncoding::SelectorList: {
            std::vector<std::string> chosen;
            for (std::size_t j = 0; j < pickerCaptions.size(); ++j) {
                if ((j + static_cast<std::size_t>(i)) % 3 == 0) {
                    chosen.push_back(pickerCaptions[j]);
                }
            }
            value = JoinText(chosen, key.Encoding == ConditionEncoding::PickerList ? "," : "#");
            break;
        }
        case ConditionEncoding::EntryList:
            value = "1,2&" + std::to_string(i % 4) + "#3,4&1";
            break;
        case ConditionEncoding::Text:
            value = std::to_string(i) + " " + std::to_string(i + 1);
            break;
        }
        try {
            EXPECT_TRUE(ApplyConditionSetting(m, key.Name, value));
        } catch (const UserError&) {
            EXPECT_TRUE(ApplyConditionSetting(m, key.Name, "1")) << key.Name; // a short drop-down list
        }
    }
    return m;
}

class ConditionPages : public ShrinkPanelFixture
{
protected:
    TempDir dir;
};

TEST_F(ConditionPages, EveryConditionKeyHasItsControl)
{
    Start();
    // The analysis settings (tolerance, exclusion of past draws) have no page of their own yet.
    for (const ConditionKey& key : ConditionKeys()) {
        EXPECT_EQ(Panel().Binder().IsBound(key.Name), !key.Analysis) << key.Name;
    }
}

TEST_F(ConditionPages, SaveLoadAndClearAllRoundTripEveryControl)
{
    Start();
    const std::string written = dir.File("written.ini");
    SaveConditionFile(written, EveryKeySet());

    LoadThroughButton(written);
    EXPECT_EQ(program.Form().windowTitle(), QStringLiteral("Quorvane v2010 - written.ini"));
    const std::string saved = dir.File("saved.ini");
    SaveThroughButton(saved);
    EXPECT_EQ(ReadBytes(saved), ReadBytes(written));
    EXPECT_EQ(program.Form().windowTitle(), QStringLiteral("Quorvane v2010 - saved.ini"));

    // No leaves everything; Yes clears every page as core's clear-all does.
    program.Dialogs().ExpectAsk(TAnswer::No, ToQ(kClearAllQuestion));
    Click("RcmPanelClearBindsBt");
    // Enter keeps the conditions: clearing them all takes a deliberate 是.
    EXPECT_EQ(program.Dialogs().Log().back().Default, TAnswer::No);
    const std::string unchanged = dir.File("unchanged.ini");
    SaveThroughButton(unchanged);
    EXPECT_EQ(ReadBytes(unchanged), ReadBytes(written));

    program.Dialogs().ExpectAsk(TAnswer::Yes, ToQ(kClearAllQuestion));
    Click("RcmPanelClearBindsBt");
    const std::string cleared = dir.File("cleared.ini");
    SaveThroughButton(cleared);
    ShrinkConditions expected = EveryKeySet();
    ClearAllConditions(expected);
    const std::string expectedFile = dir.File("expected.ini");
    SaveConditionFile(expectedFile, expected);
    EXPECT_EQ(ReadBytes(cleared), ReadBytes(expectedFile));
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ConditionPages, EachPageClearResetsExactlyItsOwnControls)
{
    Start();
    const std::string written = dir.File("written.ini");
    SaveConditionFile(written, EveryKeySet());
    for (const ConditionClearButton& button : ConditionClearButtons()) {
        SCOPED_TRACE(button.Name);
        LoadThroughButton(written);
        ClickButton(button.Name);
        ShrinkConditions expected = EveryKeySet();
        ClearConditionPage(expected, button.Page);
        const std::string expectedFile = dir.File("expected.ini");
        const std::string cleared = dir.File("cleared.ini");
        SaveConditionFile(expectedFile, expected);
        SaveThroughButton(cleared);
        EXPECT_EQ(ReadBytes(cleared), ReadBytes(expectedFile));
    }
}

TEST_F(ConditionPages, AFileThatDoesNotLoadLeavesEveryControlAsItWas)
{
    Start();
    SetControl("tj1HeZhiChk", "1");
    SetControl("ssTb0MChk", "01#02#03#04#05#06#07");
    const std::string before = dir.File("before.ini");
    SaveThroughButton(before);
    const QString caption = program.Form().windowTitle();

    const std::string bad = dir.File("bad.ini");
    quorvane::test::WriteBytes(bad, "[条件设置]\r\ntj1QiOuBiChk=1\r\ntj1HeZhiSpEd=30,x\r\n");
    program.Dialogs().ExpectOpenFile(ToQ(bad)).ExpectError(QStringLiteral("'x' is not a valid integer value"));
    Click("RcmPanelImportBindsBt");
    program.Dialogs().ExpectOpenFile(ToQ(dir.File("missing.ini"))).ExpectError();
    Click("RcmPanelImportBindsBt");
    // A cancelled dialog changes nothing either.
    program.Dialogs().ExpectOpenFile(std::nullopt);
    Click("RcmPanelImportBindsBt");
    EXPECT_EQ(program.Form().windowTitle(), caption);

    const std::string after = dir.File("after.ini");
    SaveThroughButton(after);
    EXPECT_EQ(ReadBytes(after), ReadBytes(before));
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

} // namespace
} // namespace quorvane::gui::test
