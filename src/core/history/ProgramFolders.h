#pragma once

#include <string>

namespace quorvane {

// Where the program finds its files and keeps its data.
//
// A copy of the program run from a folder it may write to (a build, an unpacked portable copy) keeps
// its data file, the update download and its settings beside itself. An installed program (its
// folder is <prefix>/bin with <prefix>/share/quorvane beside it) or one in a folder it cannot write
// keeps them in the user's data folder instead.

// The folder name under the user's data home, as Qt names an application's data folder.
inline constexpr const char* kUserDataFolderName = "Quorvane";

// "<xdgDataHome>/Quorvane", or "<home>/.local/share/Quorvane" when xdgDataHome is null, empty or not
// absolute; "" when neither is usable.
std::string UserDataFolder(const char* xdgDataHome, const char* home);
// The same from the environment (XDG_DATA_HOME, HOME).
std::string UserDataFolder();

// True when programFolder is the bin folder of an installation: <programFolder>/../share/quorvane
// exists.
bool IsInstalledProgramFolder(const std::string& programFolder);

// The program folder when it is writable and not an installation, otherwise userFolder (when that
// is "", the program folder still).
std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder);

// The folder of the running executable ("." when it cannot be told).
std::string ExecutableFolder();

// The data folder of the running program: ChooseDataFolder(ExecutableFolder(), UserDataFolder()).
std::string DefaultDataFolder();

// Creates the folder and its parents; false when that fails. Nothing happens to an existing folder.
bool MakeFolder(const std::string& folder);

// The help text: "readme.txt" beside the program, else the installed one in
// <prefix>/share/doc/quorvane; the one beside the program when neither exists.
std::string HelpFilePath(const std::string& programFolder);

// "~/..." for a path under home, the path itself otherwise.
std::string ShortPath(const std::string& path, const char* home);

} // namespace quorvane
