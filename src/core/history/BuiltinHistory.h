#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/DrawHistory.h"

namespace quorvane {

// The real draw history the program carries: every draw from 2003001 up to the last one known
// when it was built, in the data file's format (ASCII, CR LF), compiled in from data/ssq.dxt.
std::string_view BuiltinHistoryBytes();
// Its lines and its parse (it always parses: a test holds it to that).
std::vector<std::string> BuiltinHistoryLines();
DrawHistory BuiltinHistory();

// The status after a start from the carried history: "已载入内置开奖数据，截至第2026096期" with the
// issue of the history's last draw.
std::string BuiltinHistoryStatus(const DrawHistory& history);

// What the start-up loads into the data editor.
struct StartupData
{
    std::vector<std::string> Lines; // the editor's new text (nothing for an empty data file)
    bool Builtin = false;           // there was no data file: Lines are the carried history
    std::string WriteError;         // the carried history could not be stored as the data file
};

// The start-up's data: the data file's lines when it exists (an empty file gives none). When there
// is no file at path at all, the carried history, written there byte for byte through the atomic
// write; a failed write is told in WriteError and the history is still given. An existing file is
// never written. Throws UserError when an existing file cannot be read.
StartupData LoadStartupData(const std::string& path);

} // namespace quorvane
