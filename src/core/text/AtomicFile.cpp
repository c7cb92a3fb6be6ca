#include "text/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/Encoding.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

// A chain of symbolic links longer than this is taken for a loop, as the system does.
constexpr int kMostLinkHops = 40;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// A file descriptor, closed at the end of its scope unless closed before.
class FileHandle final
{
public:
    explicit FileHandle(int fd)
        : m_fd(fd)
    {
    }
    ~FileHandle()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closes now; 0, or -1 with errno set (a delayed write error shows here on some file systems).
    int Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int m_fd = -1;
};

[[noreturn]] void FailWrite(const std::string& path, int error)
{
    throw UserError(FileWriteErrorText(path, WriteFailureReason(error)));
}

// Writes every byte; 0, or the errno of the failure.
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), std::min(bytes.size(), std::size_t{1} << 30));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A short hidden name for a temporary file, whatever the target's name: a target name near the
// file-name limit must not fail only because the temporary name is longer.
std::string TemporaryName()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(::getpid()) << 40) ^
                      (++counter * 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    constexpr std::string_view kChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".quorvane-";
    for (int i = 0; i < 6; ++i) {
        name += kChars[x % kChars.size()];
        x /= kChars.size();
    }
    return name;
}

// What a write to a path is to do.
struct Target
{
    std::string Path;    // the file to replace: the path itself, or where its links lead
    bool Exists = false; // a regular file is there, whose mode and owner are kept
    bool Stream = false; // a character device or FIFO, written in place
    struct stat Status
    {
    };
};

std::string FollowLink(const std::string& link, const std::filesystem::path& text)
{
    if (text.is_absolute()) {
        return text.string();
    }
    return (std::filesystem::path(link).parent_path() / text).string();
}

Target FindTarget(const std::string& path)
{
    Target t;
    t.Path = path;
    if (::stat(path.c_str(), &t.Status) == 0) {
        if (S_ISREG(t.Status.st_mode)) {
            t.Exists = true;
            struct stat own
            {
            };
            if (::lstat(path.c_str(), &own) == 0 && S_ISLNK(own.st_mode)) {
                std::error_code ec;
                t.Path = std::filesystem::canonical(path, ec).string();
                if (ec) {
                    FailWrite(path, ec.value());
                }
            }
            return t;
        }
        if (S_ISDIR(t.Status.st_mode)) {
            FailWrite(path, EISDIR);
        }
        if (S_ISCHR(t.Status.st_mode) || S_ISFIFO(t.Status.st_mode)) {
            t.Stream = true;
            return t;
        }
        throw UserError(FileWriteErrorText(path, kNotAFileReason));
    }
    if (errno != ENOENT) {
        FailWrite(path, errno);
    }
    // Nothing is there: a new file, or a symbolic link (chain) whose last target is to be created.
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        struct stat own
        {
        };
        if (::lstat(t.Path.c_str(), &own) != 0 || !S_ISLNK(own.st_mode)) {
            return t;
        }
        std::error_code ec;
        const std::filesystem::path text = std::filesystem::read_symlink(t.Path, ec);
        if (ec) {
            FailWrite(path, ec.value());
        }
        t.Path = FollowLink(t.Path, text);
    }
    FailWrite(path, ELOOP);
}

void WriteStream(const std::string& path, std::string_view bytes)
{
    // Non-blocking open: a FIFO without a reader fails at once (ENXIO) instead of waiting forever.
    FileHandle file(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (!file.Valid()) {
        FailWrite(path, errno);
    }
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags >= 0) {
        ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK);
    }
    if (const int error = WriteAll(file.Get(), bytes)) {
        FailWrite(path, error);
    }
    if (file.Close() != 0) {
        FailWrite(path, errno);
    }
}

// Fills the new file and gives it the old file's owner and mode (owner first: a change of owner
// clears the set-user-ID bits). The owner is kept only where the process may set it; a mode that
// cannot be set leaves the file private (0600), never more open than the old one.
void FillFile(const std::string& path, int fd, const Target& t, std::string_view bytes)
{
    if (const int error = WriteAll(fd, bytes)) {
        FailWrite(path, error);
    }
    if (::fsync(fd) != 0) {
        FailWrite(path, errno);
    }
    if (!t.Exists) {
        return;
    }
    struct stat now
    {
    };
    if (::fstat(fd, &now) == 0 && (now.st_uid != t.Status.st_uid || now.st_gid != t.Status.st_gid)) {
        if (::fchown(fd, t.Status.st_uid, t.Status.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), t.Status.st_gid);
        }
    }
    [[maybe_unused]] const int modeSet = ::fchmod(fd, t.Status.st_mode & 07777);
}

void SyncFolder(int folder)
{
    [[maybe_unused]] const int synced = ::fsync(folder);
}

// Errors of linking an unnamed file that mean "this system cannot", not "this write failed".
bool LinkUnsupported(int error)
{
    return error == ENOENT || error == EPERM || error == EOPNOTSUPP || error == EXDEV || error == EINVAL;
}

#ifdef O_TMPFILE
// Links an unnamed file under the name; 0 or the errno. Through /proc where it is mounted, else by
// AT_EMPTY_PATH (which needs a privilege).
int LinkUnnamed(int folder, int fd, const std::string& name)
{
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, proc.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return 0;
    }
    if (errno != ENOENT) {
        return errno;
    }
    return ::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Writes through an unnamed temporary file and puts it in place. False when the file system
// cannot do that (the caller then uses a named temporary file); throws on a real failure.
bool ReplaceThroughUnnamed(const std::string& path, int folder, const Target& t, const std::string& name,
                           std::string_view bytes)
{
    FileHandle file(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, t.Exists ? 0600 : 0666));
    if (!file.Valid()) {
        // Kernels and file systems without O_TMPFILE answer with one of these.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL || errno == ENOENT) {
            return false;
        }
        FailWrite(path, errno);
    }
    FillFile(path, file.Get(), t, bytes);
    if (!t.Exists) {
        const int error = LinkUnnamed(folder, file.Get(), name);
        if (error == 0) {
            return true;
        }
        if (error != EEXIST) {
            if (LinkUnsupported(error)) {
                return false;
            }
            FailWrite(path, error);
        }
        // Someone created the file meanwhile: replace it as any existing file.
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName();
        const int error = LinkUnnamed(folder, file.Get(), temporary);
        if (error == EEXIST) {
            continue;
        }
        if (error != 0) {
            if (LinkUnsupported(error)) {
                return false;
            }
            FailWrite(path, error);
        }
        if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
            const int renameError = errno;
            ::unlinkat(folder, temporary.c_str(), 0);
            FailWrite(path, renameError);
        }
        return true;
    }
    FailWrite(path, EEXIST);
}
#endif

void ReplaceThroughNamed(const std::string& path, int folder, const Target& t, const std::string& name,
                         std::string_view bytes)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName();
        fd = ::openat(folder, temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, t.Exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            FailWrite(path, errno);
        }
    }
    if (fd < 0) {
        FailWrite(path, EEXIST);
    }
    FileHandle file(fd);
    try {
        FillFile(path, file.Get(), t, bytes);
        if (file.Close() != 0) {
            FailWrite(path, errno);
        }
        if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
            FailWrite(path, errno);
        }
    } catch (...) {
        ::unlinkat(folder, temporary.c_str(), 0);
        throw;
    }
}

void ReplaceFile(const std::string& path, const Target& t, std::string_view bytes, detail::TemporaryFile kind)
{
    const std::filesystem::path target(t.Path);
    const std::string name = target.filename().string();
    std::string folderPath = target.parent_path().string();
    if (folderPath.empty()) {
        folderPath = ".";
    }
    FileHandle folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.Valid()) {
        FailWrite(path, errno);
    }
    if (name.empty() || name == "." || name == "..") {
        FailWrite(path, EISDIR);
    }
    bool done = false;
#ifdef O_TMPFILE
    if (kind == detail::TemporaryFile::UnnamedWherePossible) {
        done = ReplaceThroughUnnamed(path, folder.Get(), t, name, bytes);
    }
#else
    (void)kind;
#endif
    if (!done) {
        ReplaceThroughNamed(path, folder.Get(), t, name, bytes);
    }
    SyncFolder(folder.Get());
}

} // namespace

std::string FileOpenErrorText(const std::string& path)
{
    return "无法打开文件 \"" + path + "\"";
}

std::string FileTooLargeText(const std::string& path, std::size_t limit)
{
    const std::string size =
        limit % kMiB == 0 ? std::to_string(limit / kMiB) + " MB " : std::to_string(limit) + " 字节";
    return FileOpenErrorText(path) + "：文件大于 " + size + "的上限";
}

std::string FileWriteErrorText(const std::string& path, std::string_view reason)
{
    return "无法写入文件 \"" + path + "\"：" + std::string(reason);
}

std::string WriteFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case EROFS:
        return "只读文件系统";
    case ENOSPC:
        return "磁盘已满";
#ifdef EDQUOT
    case EDQUOT:
        return "超出磁盘配额";
#endif
    case EISDIR:
        return "这是一个文件夹";
    case ENOENT:
        return "文件夹不存在";
    case ENOTDIR:
        return "路径中有一部分不是文件夹";
    case ENAMETOOLONG:
        return "文件名过长";
    case ELOOP:
        return "符号链接层数过多";
    case EFBIG:
        return "文件过大";
    case EIO:
        return "输入输出错误";
    case ENXIO:
        return "设备未就绪或管道没有读取方";
    case EBUSY:
    case ETXTBSY:
        return "文件正被使用";
    case EMFILE:
    case ENFILE:
        return "打开的文件过多";
    case EEXIST:
        return "无法创建临时文件";
    default:
        return "系统错误 " + std::to_string(error);
    }
}

std::string ReadFileBytes(const std::string& path, std::size_t limit)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    struct stat status
    {
    };
    if (!file.Valid() || ::fstat(file.Get(), &status) != 0 || S_ISDIR(status.st_mode)) {
        throw UserError(FileOpenErrorText(path));
    }
    std::string bytes;
    if (S_ISREG(status.st_mode)) {
        if (static_cast<std::uintmax_t>(status.st_size) > limit) {
            throw UserError(FileTooLargeText(path, limit));
        }
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    // Read to the end (a file may grow meanwhile, a device has no size), never past the limit.
    std::string chunk(std::size_t{1} << 16, '\0');
    for (;;) {
        const ssize_t n = ::read(file.Get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw UserError(FileOpenErrorText(path));
        }
        if (n == 0) {
            return bytes;
        }
        if (static_cast<std::size_t>(n) > limit - bytes.size()) {
            throw UserError(FileTooLargeText(path, limit));
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
}

void WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    detail::WriteFileAtomic(path, bytes, detail::TemporaryFile::UnnamedWherePossible);
}

void detail::WriteFileAtomic(const std::string& path, std::string_view bytes, TemporaryFile kind)
{
    if (path.empty()) {
        throw UserError(FileWriteErrorText(path, "没有给出文件名"));
    }
    const Target t = FindTarget(path);
    if (t.Stream) {
        WriteStream(path, bytes);
    } else {
        ReplaceFile(path, t, bytes, kind);
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
