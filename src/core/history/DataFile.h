#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// The data file's name; it stands in the program's folder.
inline constexpr const char* kDataFileName = "ssq.dxt";
// Status text after a save.
inline constexpr const char* kSaveDoneStatus = "保存文档完毕";

// The most a data file (or an imported text file) may hold: the real history is under 200 KB.
inline constexpr std::size_t kDataFileLimit = std::size_t{64} << 20;

// Reads a text file (GBK or UTF-8) as editor lines. An empty file gives std::nullopt: the editor
// keeps what it held. Throws UserError(FileOpenErrorText(path)) when the file cannot be read or
// holds more than kDataFileLimit bytes.
std::optional<std::vector<std::string>> LoadDataFile(const std::string& path);

// As LoadDataFile, but an empty file gives no lines (used by import and the online update, which
// replace the editor's text).
std::vector<std::string> LoadTextFile(const std::string& path);

// Writes the editor's lines, each followed by CR LF, in GBK, atomically: a failed write throws
// UserError and leaves the old file as it was.
void SaveDataFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace quorvane
