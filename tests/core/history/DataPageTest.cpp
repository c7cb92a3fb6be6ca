#include "history/DataPage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "text/Encoding.h"

namespace quorvane {
namespace {

using test::ReadBytes;
using test::TempDir;

// A download that brought the whole file.
UpdateDownload Received(std::string bytes)
{
    UpdateDownload download;
    download.End = DownloadEnd::Received;
    download.Bytes = std::move(bytes);
    return download;
}

TEST(DataPage, CaretPositionCountsFromOne)
{
    EXPECT_EQ(CaretPositionText(3, 1), "第3行1列");
    EXPECT_EQ(CaretPositionText(1, 1), "第1行1列");
    EXPECT_EQ(CaretPositionText(3001, 29), "第3001行29列");
}

TEST(DataPage, UpdateUrlUsesTheVariableWhenSet)
{
    EXPECT_EQ(UpdateFileUrl(nullptr), std::string(kDefaultUpdateServer) + "/gx.txt");
    EXPECT_EQ(UpdateFileUrl("   "), std::string(kDefaultUpdateServer) + "/gx.txt");
    EXPECT_EQ(UpdateFileUrl("http://127.0.0.1:8000"), "http://127.0.0.1:8000/gx.txt");
    EXPECT_EQ(UpdateFileUrl(" http://127.0.0.1:8000// "), "http://127.0.0.1:8000/gx.txt");
    EXPECT_EQ(UpdateFileUrl("http://mirror.test/ssq"), "http://mirror.test/ssq/gx.txt");
}

TEST(DataPage, UpdateSucceedsOnlyWithAFileThatParses)
{
    TempDir dir;
    const std::string target = dir.File("tmp.txt");
    const std::string good = "2005012 01 02 03 04 05 06 07\r\n2005013 03 08 14 21 27 30 09\r\n";
    const UpdateOutcome ok = FinishOnlineUpdate(target, Received(good));
    ASSERT_TRUE(ok.Ok);
    EXPECT_EQ(ok.Messages, std::vector<std::string>{kUpdateSuccessMessage});
    EXPECT_EQ(ok.Lines.size(), 2u);
    ASSERT_EQ(ok.History.size(), 2u);
    EXPECT_EQ(ok.History[1].Issue(), 2005013);
    EXPECT_EQ(ReadBytes(target), good); // the download stays on disk as it came

    // Lines that do not parse: one failure message that says they are lines of the downloaded data
    // and where the download was kept; nothing to apply.
    const UpdateOutcome bad = FinishOnlineUpdate(target, Received("2005013 03 08 14 21 27 30\r\n"));
    EXPECT_FALSE(bad.Ok);
    EXPECT_EQ(bad.Messages, std::vector<std::string>{std::string(kUpdateFailureMessage) +
                                                     "\r\n下载的开奖数据中下列行有错误：\r\n1,\r\n"
                                                     "下载的数据保存在: " + target});
    EXPECT_TRUE(bad.Lines.empty());
    EXPECT_TRUE(bad.History.empty());

    // An empty or blank file would wipe the history: it is a failure, not an update.
    for (const std::string& empty : {std::string(), std::string("\r\n  \r\n")}) {
        const UpdateOutcome none = FinishOnlineUpdate(target, Received(empty));
        EXPECT_FALSE(none.Ok);
        EXPECT_EQ(none.Messages,
                  std::vector<std::string>{std::string(kUpdateFailureMessage) + "\r\n下载的文件中没有开奖数据。"});
    }
}

TEST(DataPage, UpdateReadsGbkAndReportsAnUnwritableTarget)
{
    TempDir dir;
    const std::string gbk = Utf8ToGbk("2005013 03 08 14 21 27 30 09 备注\r\n");
    const UpdateOutcome ok = FinishOnlineUpdate(dir.File("tmp.txt"), Received(gbk));
    ASSERT_TRUE(ok.Ok);
    EXPECT_EQ(ok.Lines, std::vector<std::string>{"2005013 03 08 14 21 27 30 09 备注"});

    const UpdateOutcome unwritable = FinishOnlineUpdate(dir.File("missing/tmp.txt"), Received("x"));
    EXPECT_FALSE(unwritable.Ok);
    ASSERT_EQ(unwritable.Messages.size(), 2u);
    EXPECT_NE(unwritable.Messages[0].find("tmp.txt"), std::string::npos);
    EXPECT_EQ(unwritable.Messages[1], kUpdateFailureMessage);
}

TEST(DataPage, AnUpdateThatReachedNoFileSaysWhyAndWhere)
{
    TempDir dir;
    const std::string target = dir.File("tmp.txt");
    UpdateDownload download;
    download.Url = "http://127.0.0.1:9/gx.txt";

    download.End = DownloadEnd::Cancelled;
    EXPECT_EQ(FinishOnlineUpdate(target, download).Messages, std::vector<std::string>{kUpdateCancelledMessage});

    const std::pair<DownloadEnd, const char*> reasons[] = {
        {DownloadEnd::Unreachable, "无法连接到服务器"},
        {DownloadEnd::TimedOut, "长时间没有回应"},
        {DownloadEnd::TooLarge, "文件太大"},
        {DownloadEnd::HttpError, "服务器回答错误 404"},
    };
    download.HttpStatus = 404;
    for (const auto& [end, reason] : reasons) {
        download.End = end;
        const UpdateOutcome outcome = FinishOnlineUpdate(target, download);
        EXPECT_FALSE(outcome.Ok);
        ASSERT_EQ(outcome.Messages.size(), 1u);
        const std::string& text = outcome.Messages[0];
        EXPECT_EQ(text.rfind(std::string(kUpdateFailureMessage) + "\r\n下载地址: http://127.0.0.1:9/gx.txt\r\n", 0),
                  0u)
            << text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
    }
    EXPECT_FALSE(std::filesystem::exists(target)); // nothing arrived, nothing written
}

TEST(DataPage, TheUpdateServerComesFromTheVariableThenTheSetting)
{
    EXPECT_EQ(UpdateFileUrl(nullptr, "http://mine.test/"), "http://mine.test/gx.txt");
    EXPECT_EQ(UpdateFileUrl("http://env.test", "http://mine.test"), "http://env.test/gx.txt");
    EXPECT_EQ(UpdateFileUrl("  ", "  http://mine.test "), "http://mine.test/gx.txt");
    EXPECT_EQ(UpdateFileUrl(nullptr, " "), std::string(kDefaultUpdateServer) + "/gx.txt");
}

} // namespace
} // namespace quorvane
