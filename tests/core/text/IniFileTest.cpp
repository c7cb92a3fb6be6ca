#include <gtest/gtest.h>

#include "TestSupport.h"
#include "text/Encoding.h"
#include "text/IniFile.h"

using namespace quorvane;
using quorvane::test::ReadBytes;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

TEST(IniFile, KeysAndSectionsIgnoreLetterCaseAndValuesStayText)
{
    const IniFile ini = IniFile::Parse("; comment\r\n[条件设置]\r\ntj1HeZhiChk = 1 \r\nssTb0MChk=01#02\r\n"
                                       "TJ1HEZHICHK=0\r\n[Other]\nkey=a=b\n");
    EXPECT_EQ(ini.Get("条件设置", "TJ1HEZHICHK"), "1"); // the first of duplicated keys wins
    EXPECT_EQ(ini.Get("条件设置", "ssTb0MChk"), "01#02");
    EXPECT_EQ(ini.Get("other", "KEY"), "a=b");
    EXPECT_FALSE(ini.Get("条件设置", "missing").has_value());
    EXPECT_FALSE(ini.Get("missing", "key").has_value());
}

TEST(IniFile, IgnoresLinesOutsideSectionsAndGarbage)
{
    const IniFile ini = IniFile::Parse("x=1\n[s\n\x01\xff\n=3\n[s]\nnoequals\nk=\n");
    EXPECT_EQ(ini.Sections().size(), 1u);
    EXPECT_EQ(ini.Get("s", "k"), "");
    EXPECT_FALSE(ini.Get("s", "").has_value());
}

TEST(IniFile, WritingKeepsOtherSectionsAndKeysAndStoresGbk)
{
    TempDir dir;
    const std::string path = dir.File("c.ini");
    WriteBytes(path, "[Other]\r\nkeep=yes\r\n[" + Utf8ToGbk("条件设置") + "]\r\nold=1\r\nA=2\r\n");
    WriteIniKeys(path, "条件设置", {{"a", "3"}, {"new", "红"}});

    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, "[Other]\r\nkeep=yes\r\n\r\n[" + Utf8ToGbk("条件设置") + "]\r\nold=1\r\nA=3\r\nnew=" +
                         Utf8ToGbk("红") + "\r\n");
    const IniFile back = IniFile::Load(path);
    EXPECT_EQ(back.Get("条件设置", "new"), "红");
    EXPECT_EQ(back.Get("other", "keep"), "yes");
}

TEST(IniFile, WritingANewFileCreatesTheSection)
{
    TempDir dir;
    const std::string path = dir.File("new.ini");
    WriteIniKeys(path, "条件设置", {{"k", "v"}});
    EXPECT_EQ(IniFile::Load(path).Get("条件设置", "K"), "v");
}

TEST(IniFile, RepeatedSectionsMergeAndSetUpdatesTheFirstOfRepeatedKeys)
{
    // Many sections, each named twice in another letter case: every one is found and merged.
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        text += "[Sec" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    }
    for (int i = 0; i < 2000; ++i) {
        text += "[SEC" + std::to_string(i) + "]\nK=late\nextra=" + std::to_string(i) + "\n";
    }
    IniFile ini = IniFile::Parse(text);
    ASSERT_EQ(ini.Sections().size(), 2000u);
    EXPECT_EQ(ini.Sections()[1999].Name, "Sec1999");
    EXPECT_EQ(ini.Get("sec1234", "K"), "1234");
    EXPECT_EQ(ini.Get("sec1234", "EXTRA"), "1234");

    // Set writes the first entry of a repeated key, appends a new key once, and Get then sees both.
    ini.Set("SEC7", "k", "new");
    ini.Set("sec7", "Added", "a");
    ini.Set("Sec7", "ADDED", "b");
    EXPECT_EQ(ini.Get("sec7", "k"), "new");
    EXPECT_EQ(ini.Get("sec7", "added"), "b");
    ASSERT_EQ(ini.Sections()[7].Entries.size(), 4u);
    EXPECT_EQ(ini.Sections()[7].Entries[1].Value, "late"); // the repeated key is kept as it was
    EXPECT_EQ(ini.Sections()[7].Entries[3].Key, "Added");
    ini.Set("New Section", "x", "1");
    EXPECT_EQ(ini.Sections().back().Name, "New Section");
    EXPECT_EQ(ini.Get("new section", "X"), "1");
}

TEST(IniFile, ReadingStopsAtTheSizeLimit)
{
    TempDir dir;
    const std::string path = dir.File("huge.ini");
    WriteBytes(path, "");
    std::filesystem::resize_file(path, kIniFileLimit + 1);
    EXPECT_EQ(quorvane::test::ErrorText([&] { IniFile::Load(path); }),
              "无法打开文件 \"" + path + "\"：文件大于 16 MB 的上限");
}
