#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Reads a whole file of at most `limit` bytes. Throws UserError(FileOpenErrorText(path)) when it
// cannot be opened or read (or is a folder), and UserError(FileTooLargeText(path, limit)) when it
// holds more than `limit` bytes; an endless source such as /dev/zero stops at the limit.
std::string ReadFileBytes(const std::string& path, std::size_t limit);

// Writes the bytes so that the old file stays intact unless the new one was written completely:
// - a regular file (or a missing one) is replaced by a temporary file of the same folder, renamed
//   over it. On Linux the temporary file is made unnamed where the file system allows and is
//   linked into place once complete, so a write killed midway leaves nothing behind; elsewhere it
//   is a short hidden name (".quorvane-XXXXXX"), removed on failure.
// - a replaced file keeps its permission bits and, where the process may set them, its owner and
//   group; a new file gets the usual permissions (0666 less the umask).
// - a symbolic link is followed: its target is written (created when missing), the link stays.
// - a character device or a FIFO (/dev/null, /dev/stdout in a pipe) is written directly, since
//   there is no file to replace; a FIFO without a reader fails instead of waiting for one.
// - a folder, a block device or a socket is refused.
// Throws UserError(FileWriteErrorText(path, reason)) on failure.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Writes text lines as a text file of the program: GBK, each line followed by CR LF (so an empty last
// line is kept as an empty line), through WriteFileAtomic. No lines give an empty file.
void SaveTextLines(const std::string& path, const std::vector<std::string>& lines);

// The messages of a file that cannot be opened or written; all name the file, and a write
// failure says why after the message ("无法写入文件 \"PATH\"：REASON").
std::string FileOpenErrorText(const std::string& path);
std::string FileTooLargeText(const std::string& path, std::size_t limit);
std::string FileWriteErrorText(const std::string& path, std::string_view reason);

// The reason of a failed write in words, from an errno value (an unknown one by its number).
std::string WriteFailureReason(int error);
// The reason given for a target that is neither a regular file nor a stream that can be written.
inline constexpr const char* kNotAFileReason = "不是普通文件（块设备或套接字）";

namespace detail {

// How WriteFileAtomic makes its temporary file: unnamed where the file system allows (what
// WriteFileAtomic does), or always named (what it falls back to elsewhere).
enum class TemporaryFile
{
    UnnamedWherePossible,
    Named,
};
void WriteFileAtomic(const std::string& path, std::string_view bytes, TemporaryFile kind);

} // namespace detail

} // namespace quorvane
