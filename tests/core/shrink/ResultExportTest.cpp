#include "shrink/ResultExport.h"

#include <gtest/gtest.h>

#include "ResultTestSupport.h"
#include "TestSupport.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::FlagsOf;
using quorvane::test::ReadBytes;
using quorvane::test::SharedPool;
using quorvane::test::SpreadFlags;
using quorvane::test::TempDir;

TEST(ResultExport, WritesTheCountLineAndFiveTicketsToALineInGbk)
{
    TempDir dir;
    const std::string path = dir.File("结果.txt");
    const SurvivorFlags seven = SpreadFlags(7, 1);
    ExportSurvivors(path, SharedPool(), seven);
    EXPECT_EQ(ReadBytes(path),
              Utf8ToGbk("缩水结果有7注号码") +
                  "\r\n01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 05 08, 01 02 03 04 05 09, "
                  "01 02 03 04 05 10, \r\n01 02 03 04 05 11, 01 02 03 04 05 12, \r\n\r\n");

    // No cap: 25,000 survivors are all written, although the memo would show none of them.
    ExportSurvivors(path, SharedPool(), SpreadFlags(25000, 44));
    const std::vector<std::string> lines = SplitLines(GbkToUtf8(ReadBytes(path)));
    ASSERT_EQ(lines.size(), 5002u);
    EXPECT_EQ(lines.front(), "缩水结果有25000注号码");
    EXPECT_EQ(lines[5000].substr(lines[5000].size() - 19), FormatTicket(SharedPool()[24999 * 44]) + ", ");
    EXPECT_EQ(lines.back(), "");

    ExportSurvivors(path, SharedPool(), SurvivorFlags(static_cast<std::size_t>(kPoolCount), 0));
    EXPECT_EQ(ReadBytes(path), Utf8ToGbk("缩水结果有0注号码") + "\r\n\r\n");
}

TEST(ResultExport, OnlyFlagsWithAPoolEntryCountAndFailuresLeaveTheFile)
{
    const SurvivorFlags all(static_cast<std::size_t>(kPoolCount), 1);
    EXPECT_EQ(ExportLines(SharedPool(), SurvivorFlags(3, 1)),
              (std::vector<std::string>{"缩水结果有3注号码",
                                        "01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 05 08, ", ""}));
    EXPECT_EQ(ExportLines(TicketPool{}, all), (std::vector<std::string>{"缩水结果有0注号码", ""}));

    TempDir dir;
    const std::string missing = dir.File("no/such/folder.txt");
    EXPECT_EQ(ErrorText([&] { ExportSurvivors(missing, SharedPool(), FlagsOf({"01 02 03 04 05 06"})); }),
              "无法写入文件 \"" + missing + "\"：文件夹不存在");
}

TEST(ResultExport, SearchStatusTexts)
{
    EXPECT_EQ(ResultSearchStatus(true, "01 02"), "恭喜，找到号码01 02");
    EXPECT_EQ(ResultSearchStatus(false, "33"), "抱歉，没有找到号码33");
}
