#include "shrink/AnalysisSettings.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "shrink/ConditionFile.h"
#include "shrink/ConditionKeys.h"
#include "text/Encoding.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

TEST(AnalysisSettings, ToleranceIsMinDotDotMaxWithinZeroToSixty)
{
    EXPECT_EQ(ParseTolerance("0..2"), (TRangePair{0, 2}));
    EXPECT_EQ(ParseTolerance(" 3 .. 3 "), (TRangePair{3, 3}));
    EXPECT_EQ(ParseTolerance("0..60"), (TRangePair{0, 60}));
    for (const char* bad : {"", "2", "0..", "..2", "0-2", "0,2", "2..1", "-1..2", "0..61", "a..b", "0...2"}) {
        EXPECT_EQ(ErrorText([&] { ParseTolerance(bad); }), kToleranceMessage) << bad;
    }
    EXPECT_EQ(FormatTolerance({1, 4}), "1..4");
    EXPECT_TRUE(IsPlainTolerance({0, 0}));
    EXPECT_FALSE(IsPlainTolerance({0, 1}));
}

TEST(AnalysisSettings, KeysReachTheFieldsAndStartValuesAreNoSettings)
{
    ShrinkConditions c;
    EXPECT_FALSE(HasAnalysisSettings(c));
    ASSERT_TRUE(ApplyConditionSetting(c, "tolerancesped", "1,2"));
    ASSERT_TRUE(ApplyConditionSetting(c, "ExcludeDrawnChk", "1"));
    ASSERT_TRUE(ApplyConditionSetting(c, "ExcludeDrawnSp", "30"));
    EXPECT_EQ(c.ToleranceSpEd, (TRangePair{1, 2}));
    EXPECT_TRUE(c.ExcludeDrawnChk);
    EXPECT_EQ(c.ExcludeDrawnSp, 30);
    EXPECT_TRUE(HasAnalysisSettings(c));
    const ConditionKey* key = FindConditionKey("ToleranceSpEd");
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->Analysis);
    EXPECT_FALSE(key->Stored);

    c.ToleranceSpEd = {3, 2};
    EXPECT_EQ(ErrorText([&] { CheckAnalysisSettings(c); }), kToleranceMessage);
    c.ToleranceSpEd = {0, 0};
    c.ExcludeDrawnSp = -1;
    EXPECT_EQ(ErrorText([&] { CheckAnalysisSettings(c); }), kExcludeDrawnCountMessage);
}

TEST(AnalysisSettings, ConditionFileWritesTheSectionOnlyWhenSettingsDiffer)
{
    TempDir dir;
    const std::string plain = dir.File("plain.ini");
    const std::string analysed = dir.File("analysed.ini");
    ShrinkConditions c;
    c.tj1HeZhiChk = true;
    SaveConditionFile(plain, c);
    // At the start values the file holds the one section the condition pages write, nothing more.
    IniFile expected;
    for (const IniFile::Entry& e : ConditionFileEntries(c)) {
        expected.Set(kConditionSection, e.Key, e.Value);
    }
    EXPECT_EQ(ReadBytes(plain), Utf8ToGbk(expected.ToText()));

    c.ToleranceSpEd = {0, 2};
    c.ExcludeDrawnChk = true;
    c.ExcludeDrawnSp = 100;
    SaveConditionFile(analysed, c);
    const IniFile ini = IniFile::Load(analysed);
    EXPECT_EQ(ini.Get(kAnalysisSection, "ToleranceSpEd"), "0,2");
    EXPECT_EQ(ini.Get(kAnalysisSection, "ExcludeDrawnChk"), "1");
    EXPECT_EQ(ini.Get(kAnalysisSection, "ExcludeDrawnSp"), "100");
    ShrinkConditions loaded;
    LoadConditionFile(analysed, loaded);
    EXPECT_EQ(loaded.ToleranceSpEd, (TRangePair{0, 2}));
    EXPECT_TRUE(loaded.ExcludeDrawnChk);
    EXPECT_EQ(loaded.ExcludeDrawnSp, 100);

    // A file without the section loads as 0..0 without exclusion, whatever was set before.
    LoadConditionFile(plain, loaded);
    EXPECT_EQ(loaded.ToleranceSpEd, (TRangePair{0, 0}));
    EXPECT_FALSE(loaded.ExcludeDrawnChk);
    EXPECT_EQ(loaded.ExcludeDrawnSp, 0);
    EXPECT_TRUE(loaded.tj1HeZhiChk);

    // Saving the start values over a file that has the section resets it rather than leaving it.
    SaveConditionFile(analysed, ShrinkConditions{});
    LoadConditionFile(analysed, loaded);
    EXPECT_EQ(loaded.ToleranceSpEd, (TRangePair{0, 0}));
    EXPECT_FALSE(loaded.ExcludeDrawnChk);
}

TEST(AnalysisSettings, ASettingOutOfRangeRefusesTheWholeFile)
{
    TempDir dir;
    const std::string path = dir.File("bad.ini");
    ShrinkConditions c;
    c.tj1QiOuBiChk = true;
    for (const auto& [body, message] :
         {std::pair<std::string, const char*>{"ToleranceSpEd=2,1", kToleranceMessage},
          {"ToleranceSpEd=0,61", kToleranceMessage},
          {"ExcludeDrawnSp=-5", kExcludeDrawnCountMessage}}) {
        WriteBytes(path, Utf8ToGbk("[条件设置]\r\ntj1HeZhiChk=1\r\n[容错与查重]\r\n" + body + "\r\n"));
        EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), message) << body;
        EXPECT_TRUE(c.tj1QiOuBiChk);
        EXPECT_FALSE(c.tj1HeZhiChk);
    }
}
