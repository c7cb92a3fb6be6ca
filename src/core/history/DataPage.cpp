#include "history/DataPage.h"

#include "history/DataFile.h"
#include "text/AtomicFile.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

std::string CaretPositionText(long long line, long long column)
{
    return "第" + std::to_string(line) + "行" + std::to_string(column) + "列";
}

std::string UpdateFileUrl(const char* variableValue)
{
    std::string server = variableValue != nullptr ? std::string(TrimText(variableValue)) : std::string();
    if (server.empty()) {
        server = kDefaultUpdateServer;
    }
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    return server + kUpdateFilePath;
}

UpdateOutcome FinishOnlineUpdate(const std::string& targetPath, const std::optional<std::string>& downloaded)
{
    UpdateOutcome outcome;
    if (downloaded) {
        try {
            WriteFileAtomic(targetPath, *downloaded);
            std::vector<std::string> lines = LoadTextFile(targetPath);
            ParseResult parsed = ParseDrawText(lines);
            if (!parsed.Ok) {
                outcome.Messages.push_back(parsed.Message);
            } else if (!parsed.History.empty()) {
                outcome.Ok = true;
                outcome.Lines = std::move(lines);
                outcome.History = std::move(parsed.History);
                outcome.Messages.push_back(kUpdateSuccessMessage);
                return outcome;
            }
        } catch (const UserError& e) {
            outcome.Messages.push_back(e.what());
        }
    }
    outcome.Messages.push_back(kUpdateFailureMessage);
    return outcome;
}

} // namespace quorvane
