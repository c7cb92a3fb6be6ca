#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Reads a whole file. Throws UserError(FileOpenErrorText(path)) when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the target's folder and renames it over the target, so
// the old file stays intact unless the new one was written completely. Throws UserError with
// FileWriteErrorText(path) on failure (the temporary file is removed).
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Writes text lines as a text file of the program: GBK, each line followed by CR LF (so an empty last
// line is kept as an empty line), through WriteFileAtomic. No lines give an empty file.
void SaveTextLines(const std::string& path, const std::vector<std::string>& lines);

// The messages of a file that cannot be opened or written; both name the file.
std::string FileOpenErrorText(const std::string& path);
std::string FileWriteErrorText(const std::string& path);

} // namespace quorvane
