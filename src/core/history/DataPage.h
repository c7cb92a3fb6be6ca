#pragma once

#include <cstdint>
#include <optional>
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

// The address of the update file: the server (the variable's value when it is set and not blank,
// otherwise kDefaultUpdateServer) followed by kUpdateFilePath.
std::string UpdateFileUrl(const char* variableValue);

// What an online update ends with.
struct UpdateOutcome
{
    bool Ok = false;
    std::vector<std::string> Lines;    // the new editor text (when Ok)
    DrawHistory History;               // the new history (when Ok)
    std::vector<std::string> Messages; // to show, in order
};

// Finishes an online update. downloaded holds the file's bytes, or nothing when the download
// failed (refused, timed out, cancelled, too large). The bytes are written to targetPath, read back
// as a text file and parsed. Ok only when the file arrived, was stored, reads back and parses to at
// least one draw; then the messages are kUpdateSuccessMessage alone. Otherwise the editor and the
// history must stay as they were, and the messages explain why and end with
// kUpdateFailureMessage (a file with bad lines first shows the parse message).
UpdateOutcome FinishOnlineUpdate(const std::string& targetPath, const std::optional<std::string>& downloaded);

} // namespace quorvane
