// The installation (cmake --install) and the Debian package, checked from outside as a user's
// system would run them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "CliTestSupport.h"
#include "TestSupport.h"

namespace quorvane::test {
namespace {

namespace fs = std::filesystem;

const std::string kBuild = QUORVANE_BUILD_DIR;
const std::string kSource = QUORVANE_SOURCE_DIR;

bool HaveCommand(const std::string& name)
{
    int status = -1;
    RunShell("command -v " + name + " >/dev/null 2>&1", &status);
    return status == 0;
}

// Runs a shell command line; its exit status is 0 when it succeeded.
int Shell(const std::string& command, std::string* output = nullptr)
{
    int status = -1;
    const std::string out = RunShell(command + " 2>&1", &status);
    if (output != nullptr) {
        *output = out;
    }
    return status;
}

std::string Installed(const TempDir& prefix)
{
    std::string log;
    EXPECT_EQ(Shell("cmake --install '" + kBuild + "' --prefix '" + prefix.Path().string() + "'", &log), 0) << log;
    return prefix.Path().string();
}

TEST(Install, PutsTheProgramsTheirDesktopFilesAndTheHistoryInPlace)
{
    TempDir prefix;
    const std::string root = Installed(prefix);
    const char* files[] = {
        "bin/quorvane",
        "bin/quorvane-cli",
        "share/applications/org.example.quorvane.desktop",
        "share/metainfo/org.example.quorvane.metainfo.xml",
        "share/icons/hicolor/scalable/apps/quorvane.svg",
        "share/icons/hicolor/48x48/apps/quorvane.png",
        "share/icons/hicolor/128x128/apps/quorvane.png",
        "share/icons/hicolor/256x256/apps/quorvane.png",
        "share/doc/quorvane/readme.txt",
        "share/doc/quorvane/README.md",
        "share/quorvane/ssq.dxt",
    };
    for (const char* file : files) {
        EXPECT_TRUE(fs::is_regular_file(root + "/" + file)) << file;
    }
    // The carried history, byte for byte and read-only.
    EXPECT_EQ(ReadBytes(root + "/share/quorvane/ssq.dxt"), ReadBytes(kSource + "/data/ssq.dxt"));
    EXPECT_EQ(fs::status(root + "/share/quorvane/ssq.dxt").permissions() & fs::perms::owner_write, fs::perms::none);
    // The desktop entry starts the program with its icon and has a Chinese name.
    const std::string entry = ReadBytes(root + "/share/applications/org.example.quorvane.desktop");
    for (const char* line : {"\nExec=quorvane\n", "\nIcon=quorvane\n", "\nName=Quorvane\n", "\nName[zh_CN]="}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(ReadBytes(root + "/share/icons/hicolor/256x256/apps/quorvane.png").substr(1, 3), "PNG");
    EXPECT_NE(ReadBytes(root + "/share/icons/hicolor/scalable/apps/quorvane.svg").find("<svg"), std::string::npos);
}

TEST(Install, TheDesktopEntryAndTheMetainfoValidate)
{
    TempDir prefix;
    const std::string root = Installed(prefix);
    bool checked = false;
    std::string log;
    if (HaveCommand("desktop-file-validate")) {
        EXPECT_EQ(Shell("desktop-file-validate '" + root + "/share/applications/org.example.quorvane.desktop'", &log), 0)
            << log;
        checked = true;
    }
    if (HaveCommand("appstreamcli")) {
        EXPECT_EQ(Shell("appstreamcli validate --no-net '" + root + "/share/metainfo/org.example.quorvane.metainfo.xml'",
                      &log),
                  0)
            << log;
        checked = true;
    }
    if (!checked) {
        GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
    }
}

TEST(Install, TheInstalledProgramsKeepTheirDataInTheUsersFolder)
{
    TempDir prefix;
    const std::string root = Installed(prefix);
    TempDir home;
    const std::string userData = home.File(".local/share/Quorvane");
    const std::string env = "cd '" + home.Path().string() + "' && env -u XDG_DATA_HOME HOME='" +
                            home.Path().string() + "' ";

    // The desktop program's first start stores the carried history in the user's folder, not in bin.
    const std::string start = "{ " + env + "QT_QPA_PLATFORM=offscreen '" + root + "/bin/quorvane' >/dev/null 2>&1 & pid=$!; " +
                              "for i in $(seq 1 300); do [ -s '" + userData + "/ssq.dxt' ] && break; sleep 0.1; done; " +
                              "sleep 0.5; kill $pid; wait $pid; } 2>/dev/null; true";
    Shell(start);
    EXPECT_EQ(ReadBytes(userData + "/ssq.dxt"), ReadBytes(kSource + "/data/ssq.dxt"));
    EXPECT_FALSE(fs::exists(root + "/bin/ssq.dxt"));
    EXPECT_FALSE(fs::exists(root + "/bin/quorvane.ini"));

    // The command line without --data reads the same file (the current folder has none).
    std::string out;
    WriteBytes(userData + "/ssq.dxt", "2005013 03 08 14 21 27 30 09\r\n");
    EXPECT_EQ(Shell(env + "'" + root + "/bin/quorvane-cli' parse", &out), 0) << out;
    EXPECT_EQ(out, "draws: 1\n");
    // A file in the current folder comes first.
    WriteBytes(home.File("ssq.dxt"), "");
    EXPECT_EQ(Shell(env + "'" + root + "/bin/quorvane-cli' parse", &out), 0) << out;
    EXPECT_EQ(out, "draws: 0\n");
}

TEST(Package, TheDebianPackageInstallsAndRuns)
{
    if (!HaveCommand("cpack") || !HaveCommand("dpkg-deb") || !HaveCommand("dpkg-shlibdeps")) {
        GTEST_SKIP() << "cpack, dpkg-deb or dpkg-shlibdeps is missing";
    }
    TempDir out;
    std::string log;
    ASSERT_EQ(Shell("cpack -G DEB --config '" + kBuild + "/CPackConfig.cmake' -B '" + out.Path().string() + "'", &log),
              0)
        << log;
    std::string deb;
    for (const auto& entry : fs::directory_iterator(out.Path())) {
        if (entry.path().extension() == ".deb") {
            deb = entry.path().string();
        }
    }
    ASSERT_FALSE(deb.empty()) << log;

    std::string control;
    ASSERT_EQ(Shell("dpkg-deb -f '" + deb + "' Package Depends", &control), 0) << control;
    EXPECT_NE(control.find("Package: quorvane"), std::string::npos) << control;
    EXPECT_NE(control.find("libc6"), std::string::npos) << control;
    EXPECT_NE(control.find("libqt6widgets6"), std::string::npos) << control;

    const std::string root = out.File("root");
    ASSERT_EQ(Shell("dpkg -x '" + deb + "' '" + root + "'", &log), 0) << log;
    EXPECT_TRUE(fs::exists(root + "/usr/share/applications/org.example.quorvane.desktop"));
    EXPECT_TRUE(fs::exists(root + "/usr/bin/quorvane"));
    const std::string cli = root + "/usr/bin/quorvane-cli";
    EXPECT_EQ(Shell("'" + cli + "' demo-data --draws 20 > '" + out.File("demo.dxt") + "'"), 0);
    std::string parsed;
    EXPECT_EQ(Shell("'" + cli + "' parse --data '" + out.File("demo.dxt") + "'", &parsed), 0);
    EXPECT_EQ(parsed, "draws: 20\n");
    EXPECT_EQ(Shell("'" + cli + "' parse --data builtin", &parsed), 0);
    EXPECT_EQ(parsed, "draws: 3493\n");
}

} // namespace
} // namespace quorvane::test
