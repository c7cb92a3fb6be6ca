#include "history/DataPage.h"

#include <filesystem>

#include "history/DataFile.h"
#include "text/AtomicFile.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

std::string CaretPositionText(long long line, long long column)
{
    return "第" + std::to_string(line) + "行" + std::to_string(column) + "列";
}

namespace {

bool AllBlank(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        if (!TrimText(line).empty()) {
            return false;
        }
    }
    return true;
}

} // namespace

bool SaveWouldEmptyDataFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::error_code ec;
    if (!AllBlank(lines) || !std::filesystem::exists(path, ec)) {
        return false;
    }
    try {
        return !AllBlank(LoadTextFile(path));
    } catch (const UserError&) {
        return true;
    }
}

std::string UpdateFileUrl(const char* variableValue, const std::string& settingValue)
{
    std::string server = variableValue != nullptr ? std::string(TrimText(variableValue)) : std::string();
    if (server.empty()) {
        server = TrimText(settingValue);
    }
    if (server.empty()) {
        server = kDefaultUpdateServer;
    }
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    return server + kUpdateFilePath;
}

std::string UpdateFailureText(const UpdateDownload& download)
{
    std::string text = kUpdateFailureMessage;
    if (!download.Url.empty()) {
        text += "\r\n";
        text += kUpdateAddressText;
        text += download.Url;
    }
    switch (download.End) {
    case DownloadEnd::TimedOut:
        text += "\r\n服务器长时间没有回应。";
        break;
    case DownloadEnd::TooLarge:
        text += "\r\n文件太大，不是开奖数据文件。";
        break;
    case DownloadEnd::HttpError:
        text += "\r\n服务器回答错误 " + std::to_string(download.HttpStatus) + "，没有找到开奖数据文件。";
        break;
    case DownloadEnd::Unreachable:
        text += "\r\n无法连接到服务器，请检查网络连接和服务器地址。";
        break;
    case DownloadEnd::Received:
    case DownloadEnd::Cancelled:
        break;
    }
    return text;
}

UpdateOutcome FinishOnlineUpdate(const std::string& targetPath, const UpdateDownload& download)
{
    UpdateOutcome outcome;
    if (download.End == DownloadEnd::Cancelled) {
        outcome.Messages.push_back(kUpdateCancelledMessage);
        return outcome;
    }
    if (download.End != DownloadEnd::Received) {
        outcome.Messages.push_back(UpdateFailureText(download));
        return outcome;
    }
    std::string failure = kUpdateFailureMessage;
    try {
        WriteFileAtomic(targetPath, download.Bytes);
        std::vector<std::string> lines = LoadTextFile(targetPath);
        ParseResult parsed = ParseDrawText(lines);
        if (!parsed.Ok) {
            // The parse message lists the bad lines after its first line.
            const std::size_t list = parsed.Message.find("\r\n");
            failure += "\r\n";
            failure += kDownloadBadLinesText;
            failure += list == std::string::npos ? std::string() : parsed.Message.substr(list);
            failure += "\r\n";
            failure += kDownloadKeptText;
            failure += targetPath;
        } else if (parsed.History.empty()) {
            failure += "\r\n";
            failure += kDownloadEmptyText;
        } else {
            outcome.Ok = true;
            outcome.Lines = std::move(lines);
            outcome.History = std::move(parsed.History);
            outcome.Messages.push_back(kUpdateSuccessMessage);
            return outcome;
        }
    } catch (const UserError& e) {
        outcome.Messages.push_back(e.what());
    }
    outcome.Messages.push_back(failure);
    return outcome;
}

} // namespace quorvane
