#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/DrawHistory.h"

namespace quorvane {

// The data page: the caret display of the editor, the question asked before unsaved edits are
// lost, and the online update of the history from the update server.

// "第" + line + "行" + column + "列", both counted from 1: (3, 1) -> "第3行1列".
std::string CaretPositionText(long long line, long long column);

// Asked on closing the program while the editor differs from what was last loaded or saved.
inline constexpr const char* kSaveChangesQuestion = "开奖数据已经修改，还没有保存。是否保存到数据文件？";
// Asked before a save would replace a data file that holds draws with an empty one.
inline constexpr const char* kEmptySaveQuestion =
    "编辑框中没有任何开奖数据。\r\n保存会清空数据文件，文件中原有的全部开奖数据都将被删除。\r\n"
    "确实要清空数据文件吗？";

// True when saving these editor lines would replace a data file that has text with nothing: every
// line is blank while the file at path exists and holds a line that is not blank. A file that cannot
// be read counts as holding lines.
bool SaveWouldEmptyDataFile(const std::string& path, const std::vector<std::string>& lines);

// The online update.
inline constexpr const char* kUpdateSuccessMessage = "Quorvane在线更新开奖数据 成功!";
inline constexpr const char* kUpdateFailureMessage = "Quorvane在线更新开奖数据 失败!";
inline constexpr const char* kUpdateProgressText = "正在下载开奖数据...";
// The file the update downloads into, in the program's folder; left on disk afterwards.
inline constexpr const char* kUpdateTargetName = "tmp.txt";
// The update file's path on the server.
inline constexpr const char* kUpdateFilePath = "/gx.txt";
// The update server; the environment variable of kUpdateUrlVariable replaces it.
inline constexpr const char* kDefaultUpdateServer = "https://quorvane.example.org";
inline constexpr const char* kUpdateUrlVariable = "QUORVANE_UPDATE_URL";
// A download that receives nothing for this long is abandoned.
inline constexpr int kUpdateTimeoutMs = 30000;
// A larger update file is refused (the whole history of decades of draws is below 1 MB).
inline constexpr std::int64_t kUpdateMaxBytes = 16 * 1024 * 1024;

// The setting (in the settings file) that names the update server; the environment variable
// kUpdateUrlVariable wins over it.
inline constexpr const char* kUpdateServerSetting = "OnlineUpdate/Server";

// The address of the update file from the variable's value and the setting's: the first that is
// set and not blank, else kDefaultUpdateServer; followed by kUpdateFilePath.
std::string UpdateFileUrl(const char* variableValue, const std::string& settingValue = {});

// The texts that explain an update that changed nothing.
inline constexpr const char* kUpdateCancelledMessage = "Quorvane在线更新开奖数据 已取消，开奖数据没有改变。";
inline constexpr const char* kUpdateAddressText = "下载地址: ";
inline constexpr const char* kDownloadBadLinesText = "下载的开奖数据中下列行有错误：";
inline constexpr const char* kDownloadKeptText = "下载的数据保存在: ";
inline constexpr const char* kDownloadEmptyText = "下载的文件中没有开奖数据。";

// How a download of the update file ended.
enum class DownloadEnd
{
    Received,    // the whole file arrived
    Cancelled,   // the user cancelled
    TimedOut,    // nothing arrived for the time-out
    TooLarge,    // the file is larger than kUpdateMaxBytes
    HttpError,   // the server answered with an error status
    Unreachable  // no connection to the server
};

struct UpdateDownload
{
    DownloadEnd End = DownloadEnd::Unreachable;
    std::string Bytes;  // when Received
    std::string Url;    // the address tried
    int HttpStatus = 0; // when HttpError
};

// The failure message of an update that reached no file: kUpdateFailureMessage, then the address
// tried and the reason in plain words, each on a line of its own.
std::string UpdateFailureText(const UpdateDownload& download);

// What an online update ends with.
struct UpdateOutcome
{
    bool Ok = false;
    std::vector<std::string> Lines;    // the new editor text (when Ok)
    DrawHistory History;               // the new history (when Ok)
    std::vector<std::string> Messages; // to show, in order
};

// Finishes an online update. A received file is written to targetPath, read back as a text file and
// parsed. Ok only when the file arrived, was stored, reads back and parses to at least one draw; then
// the messages are kUpdateSuccessMessage alone. Otherwise the editor and the history must stay as
// they were, and one message says why: a cancel says it was cancelled; a failed download names the
// address and the reason; a file with bad lines lists them as lines of the downloaded data and says
// where the download was kept; a file that cannot be stored gives the write error first.
UpdateOutcome FinishOnlineUpdate(const std::string& targetPath, const UpdateDownload& download);

} // namespace quorvane
