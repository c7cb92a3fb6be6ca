#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Reads a whole file. Throws UserError(FileOpenErrorText(path)) when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the target's folder and renames it over the target, so
// the old file stays intact unless the new one was written completely. Throws UserError with
// FileWriteErrorText(path) on failure (the temporary file is removed).
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// The messages of a file that cannot be opened or written; both name the file.
std::string FileOpenErrorText(const std::string& path);
std::string FileWriteErrorText(const std::string& path);

} // namespace quorvane
