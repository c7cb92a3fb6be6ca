#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "ChildProcess.h"
#include "TestSupport.h"
#include "text/AtomicFile.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::ReadBytes;
using quorvane::test::RunInChild;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;
namespace fs = std::filesystem;
using detail::TemporaryFile;

namespace {

constexpr TemporaryFile kBothKinds[] = {TemporaryFile::UnnamedWherePossible, TemporaryFile::Named};

std::vector<std::string> FolderNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct stat StatusOf(const std::string& path, bool follow = true)
{
    struct stat s
    {
    };
    EXPECT_EQ(follow ? ::stat(path.c_str(), &s) : ::lstat(path.c_str(), &s), 0) << path;
    return s;
}

mode_t ModeOf(const std::string& path)
{
    return StatusOf(path).st_mode & 07777;
}

std::string WriteError(const std::string& path, int error)
{
    return FileWriteErrorText(path, WriteFailureReason(error));
}

// A character device like /dev/null (major 1, minor 3) or /dev/full (1, 7). Root makes its own in
// the test folder, so that a fault could never replace the system's node; others use the system's,
// which they cannot replace anyway.
std::string CharDevice(const TempDir& dir, const char* name, unsigned minor)
{
    const std::string own = dir.File(name);
    if (::geteuid() == 0 && ::mknod(own.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0) {
        return own;
    }
    return std::string("/dev/") + name;
}

} // namespace

TEST(AtomicFile, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    for (const TemporaryFile kind : kBothKinds) {
        TempDir dir;
        const std::string path = dir.File("ssq.dxt");
        WriteBytes(path, "old");
        detail::WriteFileAtomic(path, "new\r\n", kind);
        EXPECT_EQ(ReadBytes(path), "new\r\n");
        detail::WriteFileAtomic(dir.File("fresh.txt"), "", kind);
        EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"fresh.txt", "ssq.dxt"}));

        // A name at the file-name limit: the temporary file's name must not be longer.
        const std::string longName = dir.File(std::string(255, 'n'));
        detail::WriteFileAtomic(longName, "long", kind);
        detail::WriteFileAtomic(longName, "longer", kind);
        EXPECT_EQ(ReadBytes(longName), "longer");
        EXPECT_EQ(ErrorText([&] { detail::WriteFileAtomic(longName + "n", "x", kind); }),
                  WriteError(longName + "n", ENAMETOOLONG));
        EXPECT_EQ(FolderNames(dir.Path()).size(), 3u);
    }
}

TEST(AtomicFile, KeepsTheModeAndOwnerOfTheReplacedFile)
{
    for (const TemporaryFile kind : kBothKinds) {
        TempDir dir;
        const std::string path = dir.File("ssq.dxt");
        for (const mode_t mode : {0600, 0640, 0755, 0604}) {
            WriteBytes(path, "old");
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            detail::WriteFileAtomic(path, "new", kind);
            EXPECT_EQ(ModeOf(path), mode);
        }
        // A new file gets the usual permissions: 0666 less the umask.
        const mode_t before = ::umask(027);
        detail::WriteFileAtomic(dir.File("new.txt"), "x", kind);
        ::umask(before);
        EXPECT_EQ(ModeOf(dir.File("new.txt")), 0640u);

        if (::geteuid() != 0) {
            continue;
        }
        // Root keeps another user's file theirs.
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        detail::WriteFileAtomic(path, "root wrote", kind);
        EXPECT_EQ(StatusOf(path).st_uid, 65534u);
        EXPECT_EQ(StatusOf(path).st_gid, 65534u);

        // A user who may write a root-owned file (and its folder) cannot give the new one to root:
        // it becomes theirs, with the old mode.
        ASSERT_EQ(::chown(path.c_str(), 0, 0), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
        const auto child = RunInChild(
            [&] { return ErrorText([&] { detail::WriteFileAtomic(path, "user wrote", kind); }); }, true);
        EXPECT_EQ(child.Text, "");
        EXPECT_EQ(ReadBytes(path), "user wrote");
        EXPECT_EQ(StatusOf(path).st_uid, 65534u);
        EXPECT_EQ(ModeOf(path), 0666u);
    }
}

TEST(AtomicFile, WritesThroughSymbolicLinksToTheirTargets)
{
    for (const TemporaryFile kind : kBothKinds) {
        TempDir dir;
        fs::create_directory(dir.Path() / "real");
        const std::string target = dir.File("real/ssq.dxt");
        WriteBytes(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
        fs::create_symlink("real/ssq.dxt", dir.Path() / "relative");
        fs::create_symlink(target, dir.Path() / "absolute");
        fs::create_symlink("relative", dir.Path() / "chain");

        for (const char* link : {"relative", "absolute", "chain"}) {
            detail::WriteFileAtomic(dir.File(link), link, kind);
            EXPECT_TRUE(fs::is_symlink(dir.Path() / link)) << link;
            EXPECT_EQ(ReadBytes(target), link);
            EXPECT_EQ(ModeOf(target), 0640u);
        }
        // A link whose target is missing creates the target; the link stays.
        fs::create_symlink("real/new.txt", dir.Path() / "dangling");
        detail::WriteFileAtomic(dir.File("dangling"), "created", kind);
        EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling"));
        EXPECT_EQ(ReadBytes(dir.File("real/new.txt")), "created");

        EXPECT_EQ(FolderNames(dir.Path()),
                  (std::vector<std::string>{"absolute", "chain", "dangling", "real", "relative"}));
        EXPECT_EQ(FolderNames(dir.Path() / "real"), (std::vector<std::string>{"new.txt", "ssq.dxt"}));

        fs::create_symlink("loop2", dir.Path() / "loop1");
        fs::create_symlink("loop1", dir.Path() / "loop2");
        EXPECT_EQ(ErrorText([&] { detail::WriteFileAtomic(dir.File("loop1"), "x", kind); }),
                  WriteError(dir.File("loop1"), ELOOP));
    }
}

TEST(AtomicFile, RefusesFoldersBlockDevicesAndSocketsAndChangesNothing)
{
    TempDir dir;
    const std::string folder = dir.File("folder");
    fs::create_directory(folder);
    WriteBytes(dir.File("folder/inner"), "keep");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(folder, "x"); }),
              "无法写入文件 \"" + folder + "\"：这是一个文件夹");
    fs::create_symlink("folder", dir.Path() / "to-folder");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(dir.File("to-folder"), "x"); }),
              WriteError(dir.File("to-folder"), EISDIR));
    EXPECT_EQ(ReadBytes(dir.File("folder/inner")), "keep");

    const std::string socketPath = dir.File("sock");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(socketPath, "x"); }),
              FileWriteErrorText(socketPath, kNotAFileReason));
    EXPECT_TRUE(S_ISSOCK(StatusOf(socketPath).st_mode));
    ::close(s);

    // A block device (root only may make one): a file written over a disk would destroy it.
    const std::string block = dir.File("block");
    const bool madeBlock = ::geteuid() == 0 && ::mknod(block.c_str(), S_IFBLK | 0600, makedev(7, 200)) == 0;
    if (madeBlock) {
        EXPECT_EQ(ErrorText([&] { WriteFileAtomic(block, "x"); }),
                  FileWriteErrorText(block, kNotAFileReason));
        EXPECT_TRUE(S_ISBLK(StatusOf(block).st_mode));
    }
    EXPECT_EQ(FolderNames(dir.Path()).size(), madeBlock ? 4u : 3u);
}

TEST(AtomicFile, WritesDevicesAndPipesInPlace)
{
    TempDir dir;
    const std::string null = CharDevice(dir, "null", 3);
    WriteFileAtomic(null, "gone");
    EXPECT_TRUE(S_ISCHR(StatusOf(null).st_mode));
    const std::string full = CharDevice(dir, "full", 7);
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(full, "x"); }), "无法写入文件 \"" + full + "\"：磁盘已满");
    EXPECT_TRUE(S_ISCHR(StatusOf(full).st_mode));

    // A FIFO with a reader gets the bytes; one without a reader fails at once instead of hanging.
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(fifo, "x"); }), WriteError(fifo, ENXIO));
    std::string received;
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    // A writer of the test's own keeps the reader from seeing the end of the stream before the
    // write under test has opened the FIFO; the reader sees the end once both are closed.
    const int keeper = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(keeper, 0);
    ASSERT_EQ(::fcntl(reader, F_SETFL, 0), 0);
    std::thread drain([&] {
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(reader, buffer, sizeof buffer)) > 0) {
            received.append(buffer, static_cast<std::size_t>(n));
        }
    });
    const std::string big(200000, 'p'); // more than a pipe holds at once
    const std::string error = ErrorText([&] { WriteFileAtomic(fifo, big); });
    ::close(keeper);
    drain.join();
    ::close(reader);
    EXPECT_EQ(error, "");
    EXPECT_EQ(received, big);
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
}

TEST(AtomicFile, FailuresNameTheirReasonAndKeepTheOldFile)
{
    TempDir dir;
    const std::string missingFolder = dir.File("no/such/file.txt");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(missingFolder, "x"); }),
              "无法写入文件 \"" + missingFolder + "\"：文件夹不存在");
    WriteBytes(dir.File("plain"), "");
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic(dir.File("plain/file.txt"), "x"); }),
              WriteError(dir.File("plain/file.txt"), ENOTDIR));
    EXPECT_EQ(ErrorText([&] { WriteFileAtomic("", "x"); }), "无法写入文件 \"\"：没有给出文件名");

    // A read-only folder refuses the temporary file, for root's tests too (the write runs as an
    // unprivileged user).
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    for (const TemporaryFile kind : kBothKinds) {
        const auto child =
            RunInChild([&] { return ErrorText([&] { detail::WriteFileAtomic(path, "new", kind); }); }, true);
        EXPECT_EQ(child.Text, "无法写入文件 \"" + path + "\"：没有写入权限");
    }
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"plain", "ssq.dxt"}));

    EXPECT_EQ(WriteFailureReason(EROFS), "只读文件系统");
    EXPECT_EQ(WriteFailureReason(12345), "系统错误 12345");
}

TEST(AtomicFile, AWriteKilledMidwayLeavesTheOldFileAndNothingElse)
{
    TempDir dir;
    // Only a file system with unnamed temporary files can promise to leave nothing.
    const int probe = ::open(dir.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) {
        GTEST_SKIP() << "no unnamed temporary files on this file system";
    }
    ::close(probe);
    const std::string path = dir.File("ssq.dxt");
    WriteBytes(path, "old");
    const std::string big(1 << 20, 'b');
    const auto child = RunInChild(
        [&] {
            WriteFileAtomic(path, big);
            return std::string("not killed");
        },
        false, 4096);
    EXPECT_EQ(child.Signal, SIGXFSZ);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FolderNames(dir.Path()), std::vector<std::string>{"ssq.dxt"});
}

TEST(AtomicFile, ReadingNamesTheFileAndStopsAtTheLimit)
{
    TempDir dir;
    EXPECT_EQ(ErrorText([&] { ReadFileBytes(dir.File("none"), 100); }),
              "无法打开文件 \"" + dir.File("none") + "\"");
    EXPECT_EQ(ErrorText([&] { ReadFileBytes(dir.Path().string(), 100); }),
              "无法打开文件 \"" + dir.Path().string() + "\"");

    const std::string path = dir.File("f");
    WriteBytes(path, std::string(100, 'x'));
    EXPECT_EQ(ReadFileBytes(path, 100).size(), 100u);
    EXPECT_EQ(ErrorText([&] { ReadFileBytes(path, 99); }),
              "无法打开文件 \"" + path + "\"：文件大于 99 字节的上限");
    // An endless device stops at the limit instead of filling the memory.
    EXPECT_EQ(ErrorText([&] { ReadFileBytes("/dev/zero", std::size_t{1} << 20); }),
              "无法打开文件 \"/dev/zero\"：文件大于 1 MB 的上限");
    EXPECT_EQ(ReadFileBytes("/dev/null", 10), "");
}
