#include "history/ProgramFolders.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHelpFileName = "readme.txt";

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

// The folder without "." parts or a trailing separator ("usr/bin/" -> "usr/bin").
fs::path Clean(const std::string& folder)
{
    fs::path path = fs::path(folder).lexically_normal();
    if (path.filename().empty() && path.has_parent_path()) {
        path = path.parent_path();
    }
    return path;
}

// The installation prefix of a program folder: its parent.
fs::path PrefixOf(const std::string& programFolder)
{
    return Clean(programFolder).parent_path();
}

} // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home)
{
    fs::path base;
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
        base = xdgDataHome;
    } else if (home != nullptr && *home != '\0') {
        base = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return (base / kUserDataFolderName).string();
}

std::string UserDataFolder()
{
    return UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

bool IsInstalledProgramFolder(const std::string& programFolder)
{
    return Clean(programFolder).filename() == "bin" && Exists(PrefixOf(programFolder) / "share" / "quorvane");
}

std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder)
{
    const bool writable = ::access(programFolder.c_str(), W_OK) == 0;
    if ((writable && !IsInstalledProgramFolder(programFolder)) || userFolder.empty()) {
        return programFolder;
    }
    return userFolder;
}

std::string ExecutableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        return ".";
    }
    return exe.parent_path().string();
}

std::string DefaultDataFolder()
{
    return ChooseDataFolder(ExecutableFolder(), UserDataFolder());
}

bool MakeFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

std::string HelpFilePath(const std::string& programFolder)
{
    const fs::path beside = fs::path(programFolder) / kHelpFileName;
    if (Exists(beside)) {
        return beside.string();
    }
    const fs::path installed = PrefixOf(programFolder) / "share" / "doc" / "quorvane" / kHelpFileName;
    return Exists(installed) ? installed.string() : beside.string();
}

std::string ShortPath(const std::string& path, const char* home)
{
    if (home == nullptr || *home == '\0') {
        return path;
    }
    std::string prefix = home;
    while (prefix.size() > 1 && prefix.back() == '/') {
        prefix.pop_back();
    }
    if (prefix != "/" && path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
        path[prefix.size()] == '/') {
        return "~" + path.substr(prefix.size());
    }
    return path;
}

} // namespace quorvane
