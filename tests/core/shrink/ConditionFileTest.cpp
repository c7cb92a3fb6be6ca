#include "shrink/ConditionFile.h"

#include <gtest/gtest.h>

#include "RandomConditions.h"
#include "TestSupport.h"
#include "shrink/ConditionClear.h"
#include "shrink/ConditionKeys.h"
#include "text/Encoding.h"

using namespace quorvane;
using quorvane::test::ConditionText;
using quorvane::test::ErrorText;
using quorvane::test::RandomConditionFiller;
using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

namespace {

// A condition file in GBK holding the given lines below the section header.
std::string GbkFile(const std::string& body)
{
    return Utf8ToGbk("[条件设置]\r\n" + body);
}

ShrinkConditions Loaded(const std::string& path, ShrinkConditions start = {})
{
    LoadConditionFile(path, start);
    return start;
}

} // namespace

TEST(ConditionFile, SaveThenLoadReproducesRandomModels)
{
    RandomConditionFiller filler(20240611);
    for (int i = 0; i < 300; ++i) {
        const ShrinkConditions saved = filler.Make();
        // Load into another random model: the stored keys come from the file, the rest stay.
        ShrinkConditions target = filler.Make();
        const std::string unstoredBefore = ConditionText(target);
        IniFile ini;
        for (const IniFile::Entry& e : ConditionFileEntries(saved)) {
            ini.Set(kConditionSection, e.Key, e.Value);
        }
        ReadConditionSection(IniFile::Parse(ini.ToText()), target);
        ASSERT_EQ(ConditionText(target, true), ConditionText(saved, true)) << "model " << i;
        for (const ConditionKey& k : ConditionKeys()) {
            if (!k.Stored) {
                ASSERT_NE(unstoredBefore.find(k.Name + "=" + k.Get(target) + "\n"), std::string::npos)
                    << k.Name;
            }
        }
    }
}

TEST(ConditionFile, FileRoundTripInGbkKeepsOtherSections)
{
    TempDir dir;
    const std::string path = dir.File("条件.ini");
    WriteBytes(path, "[Other]\r\nkeep=1\r\n" + GbkFile("tj1HeZhiChk=0\r\nExtra=yes\r\n"));
    RandomConditionFiller filler(7);
    for (int i = 0; i < 5; ++i) {
        const ShrinkConditions saved = filler.Make();
        SaveConditionFile(path, saved);
        EXPECT_EQ(ConditionText(Loaded(path), true), ConditionText(saved, true));
    }
    const IniFile ini = IniFile::Load(path);
    EXPECT_EQ(ini.Get("Other", "keep"), "1");
    EXPECT_EQ(ini.Get(kConditionSection, "Extra"), "yes");
    const std::string bytes = ReadBytes(path);
    EXPECT_NE(bytes.find(Utf8ToGbk("[条件设置]\r\n")), std::string::npos);

    // A fresh file lists the keys in table order, starting with the hidden page's edits.
    const std::string fresh = dir.File("fresh.ini");
    SaveConditionFile(fresh, ShrinkConditions{});
    const std::string text = GbkToUtf8(ReadBytes(fresh));
    EXPECT_EQ(text.rfind("[条件设置]\r\nEdit51=123\r\nEdit52=123\r\nEdit53=123\r\nFwshlRowCbbArr0=0\r\n", 0),
              0u);
    EXPECT_LT(text.find("ssTb8Gbx1SeArr00=0\r\nssTb8Gbx1SeArr10=6\r\nssTb8Gbx1SeArr01=0"),
              text.find("tj1QiOuBiChk="));
    const std::string tail = "\r\nCodeSelLbx1ssTb3Gbx1Lbx=\r\nssTb3Gbx2Num=\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(ConditionFileCaption(fresh), "Quorvane v2010 - fresh.ini");
}

TEST(ConditionFile, StartStateSurvivesARoundTrip)
{
    TempDir dir;
    const std::string path = dir.File("start.ini");
    SaveConditionFile(path, ShrinkConditions{});
    RandomConditionFiller filler(3);
    ShrinkConditions c = filler.Make();
    ClearAllConditions(c);
    LoadConditionFile(path, c);
    // The controls that neither the file nor a clear touches keep their values; everything else
    // is back at its start value.
    ShrinkConditions expected;
    expected.tj1LianGeShuCbb = c.tj1LianGeShuCbb;
    expected.RowCbb = c.RowCbb;
    expected.ColCbb = c.ColCbb;
    expected.ssTb3SheetGbx1Sp1 = c.ssTb3SheetGbx1Sp1;
    expected.ssTb3SheetGbx1Sp2 = c.ssTb3SheetGbx1Sp2;
    expected.ssTb4SheetGbx1Memo = c.ssTb4SheetGbx1Memo;
    expected.ssTb4Gbx1MChk = c.ssTb4Gbx1MChk;
    EXPECT_EQ(ConditionText(c), ConditionText(expected));
}

TEST(ConditionFile, MissingKeysReadTheirMissingValues)
{
    TempDir dir;
    const std::string path = dir.File("one.ini");
    WriteBytes(path, GbkFile("tj1HeZhiChk=1\r\n"));
    RandomConditionFiller filler(11);
    ShrinkConditions before = filler.Make();
    before.tj1HeZhiSpEd = {100, 120};
    before.tj4JianJuSeArr[3] = {5, 9};
    const ShrinkConditions c = Loaded(path, before);

    EXPECT_TRUE(c.tj1HeZhiChk);
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{100, 120})); // an absent range stays as it was
    EXPECT_EQ(c.AcDesignSpEd, before.AcDesignSpEd);
    for (const bool on : {c.tj1QiOuBiChk, c.tj1AcZhiChk, c.tj1LainHaoChk, c.tj1FenDuanChk, c.tj2DaXiaoBiChk,
                          c.tj2GaoDiWeiChk, c.tj2TongWeiDuiChk, c.tj2BiXuanHaoChk, c.tj2BiBuTongChk,
                          c.tj3AnWeiChk, c.tj3JianJuChk, c.tj4WeiShuChk, c.tj4FenZuChk}) {
        EXPECT_FALSE(on);
    }
    for (std::size_t r = 0; r < 10; ++r) {
        EXPECT_FALSE(c.tj6JianJuCheckArr[r]);
        EXPECT_EQ(c.tj4WeiShuArr[r], (TRangePair{0, 0})); // absent tail ranges read as 0,0
    }
    for (std::size_t r = 0; r < 8; ++r) {
        EXPECT_EQ(c.tj4JianJuSeArr[r], (TRangePair{0, 0}));
    }
    EXPECT_EQ(c.ssTb8Gbx1SeArr, kRegularStartRanges); // absent regular items read their start values
    EXPECT_EQ(c.Edit51, "");
    EXPECT_EQ(c.wshlRowcbb[2], 0);
    EXPECT_TRUE(c.Sel3DCodeLbx.empty());
    EXPECT_EQ(ConditionKeys().front().Get(c), "");
    EXPECT_EQ(FindConditionKey("ssTb0MChk")->Get(c), "");
    EXPECT_EQ(FindConditionKey("tj4FenZuMChkArr9")->Get(c), "");
    EXPECT_EQ(c.RowCbb, before.RowCbb); // not stored in the file
    EXPECT_EQ(c.ssTb4Gbx1Chk, before.ssTb4Gbx1Chk);

    // A file without the section reads every key as missing (the file describes no condition).
    WriteBytes(path, "[Other]\r\ntj1HeZhiChk=1\r\n");
    const ShrinkConditions none = Loaded(path, before);
    EXPECT_FALSE(none.tj1HeZhiChk);
    EXPECT_EQ(none.tj4WeiShuArr[0], (TRangePair{0, 0}));
}

TEST(ConditionFile, ValuesReadWithTheirEncodings)
{
    TempDir dir;
    const std::string path = dir.File("enc.ini");
    ShrinkConditions c;
    c.ssTb0MChk[0] = c.ssTb0MChk[4] = c.ssTb0MChk[11] = 1;
    c.tj1QiOuBiMChk[0] = c.tj1QiOuBiMChk[3] = 1;
    c.tj1HeZhiSpEd = {90, 140};
    c.ssTb2GBX1Num1[1][6] = 1;
    SaveConditionFile(path, c);
    const std::string text = GbkToUtf8(ReadBytes(path));
    EXPECT_NE(text.find("\r\nssTb0MChk=01#05#12\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ntj1QiOuBiMChk=0:6,3:3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ntj1HeZhiSpEd=90,140\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n3区间16=1\r\n3区间20=0\r\n"), std::string::npos);

    // Keys in another letter case, a UTF-8 file with BOM, spaces around "=", a bool of -3, a range
    // with one piece, extra pieces and pieces that match no caption.
    WriteBytes(path, "\xEF\xBB\xBF[条件设置]\nFZQJQROWCBBARR0 = 2\ntj1hezhichk=-3\nTJ1HEZHISPED=50\n"
                     "ssTb0MChk= 01# 33 ##99#x\ntj1QiOuBiMChk=3:3,0:6,9:9\nTJ4WEISHUARR2=1,2,3\n"
                     "3d匹配=1,2&0#3&1\n");
    const ShrinkConditions r = Loaded(path);
    EXPECT_EQ(r.zqjqRowCbb[0], 2);
    EXPECT_TRUE(r.tj1HeZhiChk);
    EXPECT_EQ(r.tj1HeZhiSpEd, (TRangePair{50, 183}));
    EXPECT_EQ(FindConditionKey("ssTb0MChk")->Get(r), "01#33");
    EXPECT_EQ(FindConditionKey("tj1QiOuBiMChk")->Get(r), "0:6,3:3");
    EXPECT_EQ(r.tj4WeiShuArr[2], (TRangePair{1, 2}));
    EXPECT_EQ(r.Sel3DCodeLbx, (std::vector<std::string>{"1,2&0", "3&1"}));
}

// A malformed range piece refuses the whole file and leaves every condition as it was, even the
// keys read before it; malformed bools and list indices read as their missing-key values.
TEST(ConditionFile, MalformedValuesNeverHalfApplyAFile)
{
    TempDir dir;
    const std::string path = dir.File("bad.ini");
    RandomConditionFiller filler(5);
    const ShrinkConditions before = filler.Make();

    WriteBytes(path, GbkFile("tj1HeZhiChk=1\r\nEdit51=changed\r\nssTb0MChk=01#02\r\ntj1AcZhiSpEd=4,x\r\n"
                             "tj4WeiShuArr0=1,2\r\n"));
    ShrinkConditions c = before;
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), "'x' is not a valid integer value");
    EXPECT_EQ(ConditionText(c), ConditionText(before));

    WriteBytes(path, GbkFile("总和值=1 0,20\r\n"));
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), "'1 0' is not a valid integer value");
    WriteBytes(path, GbkFile("tj4JianJuSeArr7=99999999999\r\n"));
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), "'99999999999' is not a valid integer value");
    EXPECT_EQ(ConditionText(c), ConditionText(before));

    WriteBytes(path,
               GbkFile("tj1HeZhiChk=yes\r\nFwshlRowCbbArr0=7\r\ntj4AnWeiQoArr0=-1\r\nssTb8Gbx1SeArr02=abc\r\n"
                       "ssTb8Gbx1SeArr12=150\r\ntj1FenDuanChk=1\r\n"));
    LoadConditionFile(path, c);
    EXPECT_FALSE(c.tj1HeZhiChk);
    EXPECT_EQ(c.wshlRowcbb[0], 0);
    EXPECT_EQ(c.tj4AnWeiQoArr[0], 0);
    EXPECT_EQ(c.ssTb8Gbx1SeArr[2], (TRangePair{21, 150}));
    EXPECT_TRUE(c.tj1FenDuanChk);
}

TEST(ConditionFile, HostileFilesGiveAResultOrAMessage)
{
    TempDir dir;
    const std::string path = dir.File("hostile.ini");
    ShrinkConditions c;

    EXPECT_EQ(ErrorText([&] { LoadConditionFile(dir.File("none.ini"), c); }),
              "无法打开文件 \"" + dir.File("none.ini") + "\"");
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(dir.Path().string(), c); }),
              "无法打开文件 \"" + dir.Path().string() + "\"");

    // Binary garbage with a few good lines inside.
    std::string garbage;
    std::mt19937 rng(1);
    for (int i = 0; i < 200000; ++i) {
        garbage += static_cast<char>(rng() & 0xFF);
    }
    WriteBytes(path, garbage + "\r\n" + GbkFile("tj2BiXuanHaoChk=1\r\n") + garbage);
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), "");
    EXPECT_TRUE(c.tj2BiXuanHaoChk);

    // Ten megabytes: duplicated keys (the first counts) and values of 100,000 characters.
    const std::string longText(100000, '7');
    std::string big = GbkFile("tj1HeZhiChk=1\r\ntj2BiXuanHaoEd=" + longText + "\r\nssTb0MChk=" + longText +
                              "\r\nEdit51=a\r\n");
    while (big.size() < 10 * 1024 * 1024) {
        big += "TJ1HEZHICHK=0\r\nEdit51=b\r\nunknown" + std::to_string(big.size()) + "=" +
               longText.substr(0, 200) + "\r\n";
    }
    WriteBytes(path, big);
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }), "");
    EXPECT_TRUE(c.tj1HeZhiChk);
    EXPECT_EQ(c.tj2BiXuanHaoEd, longText);
    EXPECT_EQ(c.Edit51, "a");
    EXPECT_EQ(FindConditionKey("ssTb0MChk")->Get(c), "");

    WriteBytes(path, GbkFile("AC值设计=" + longText + "\r\n"));
    EXPECT_EQ(ErrorText([&] { LoadConditionFile(path, c); }),
              "'" + longText + "' is not a valid integer value");

    // A long text goes back out intact; line breaks inside a value cannot split the file.
    c.tj1PaiChuHeZhiEd = "50\r\ntj1HeZhiChk=0\n60";
    SaveConditionFile(path, c);
    const ShrinkConditions back = Loaded(path);
    EXPECT_EQ(back.tj2BiXuanHaoEd, longText);
    EXPECT_EQ(back.tj1PaiChuHeZhiEd, "50  tj1HeZhiChk=0 60");
    EXPECT_TRUE(back.tj1HeZhiChk);

    // A save into a missing folder reports the file and writes nothing.
    const std::string nowhere = dir.File("missing/c.ini");
    EXPECT_EQ(ErrorText([&] { SaveConditionFile(nowhere, c); }), "无法写入文件 \"" + nowhere + "\"：文件夹不存在");
}
