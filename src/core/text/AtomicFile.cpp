#include "text/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "text/Encoding.h"
#include "text/UserError.h"

namespace quorvane {

std::string FileOpenErrorText(const std::string& path)
{
    return "无法打开文件 \"" + path + "\"";
}

std::string FileWriteErrorText(const std::string& path)
{
    return "无法写入文件 \"" + path + "\"";
}

std::string ReadFileBytes(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw UserError(FileOpenErrorText(path));
    }
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        throw UserError(FileOpenErrorText(path));
    }
    // One read of the whole size where the size is known; a stream without one is read to its end.
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        f.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(f.gcount()));
        if (f.eof()) {
            f.clear();
        }
    }
    bytes.append(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        throw UserError(FileOpenErrorText(path));
    }
    return bytes;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        throw UserError(FileWriteErrorText(path));
    }
    bool ok = true;
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        if (ok) {
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    ok = ok && ::fsync(fd) == 0;
    // New files get the usual permissions (the temporary file is created private).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(tmpl.c_str(), path.c_str()) != 0) {
        ok = false;
    }
    if (!ok) {
        std::remove(tmpl.c_str());
        throw UserError(FileWriteErrorText(path));
    }
}

void SaveTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteFileAtomic(path, Utf8ToGbk(text));
}

} // namespace quorvane
