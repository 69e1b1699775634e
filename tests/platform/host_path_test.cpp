#include "platform/host_path.h"
#include "support/system.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

TEST(HostPath, JoiningKeepsTheFolderTextUnchanged)
{
    EXPECT_EQ(joinPathText("C:\\trle\\Script", "Script.txt"), "C:\\trle\\Script\\Script.txt");
    EXPECT_EQ(joinPathText("C:\\", "English.txt"), "C:\\\\English.txt");
    EXPECT_EQ(joinPathText("", "a.txt"), "\\a.txt");
}

constexpr const char* kLinuxOnly = "Windows opens drive paths itself; the Wine-prefix mapping is for Linux";

TEST(HostPath, DrivePathsMapIntoTheWinePrefix)
{
    if (test::kOnWindows)
        GTEST_SKIP() << kLinuxOnly;
    const fs::path prefix = "/nonexistent/prefix";
    EXPECT_EQ(hostPath("C:\\Program Files\\Core Design\\trle\\Script\\Script.txt", prefix),
              prefix / "dosdevices/c:/Program Files/Core Design/trle/Script/Script.txt");
    EXPECT_EQ(hostPath("d:/games\\\\x.txt", prefix), prefix / "dosdevices/d:/games/x.txt");
    EXPECT_EQ(hostPath("C:", prefix), prefix / "dosdevices/c:");
    EXPECT_EQ(hostPath("/home/user\\Script.txt", prefix), fs::path("/home/user/Script.txt"));
    EXPECT_EQ(hostPath("relative\\file.txt", prefix), fs::path("relative/file.txt"));
    EXPECT_EQ(hostPath("CC:\\x", prefix), fs::path("CC:/x"));  // not a drive
    EXPECT_EQ(hostPath("caf\xE9.txt", prefix), fs::path("caf\xC3\xA9.txt"));  // Windows-1252 to UTF-8
}

TEST(HostPath, ComponentsResolveInAnyLetterCaseAsOnWindows)
{
    if (test::kOnWindows)
        GTEST_SKIP() << kLinuxOnly;
    test::TempFolder wine;
    fs::create_directories(wine / "drive_c/Program Files/Core Design/trle/Script");
    fs::create_directories(wine / "dosdevices");
    fs::create_directory_symlink("../drive_c", wine / "dosdevices/c:");
    test::writeBytes(wine / "drive_c/Program Files/Core Design/trle/Script/SCRIPT.TXT", "x");

    const fs::path script = wine / "dosdevices/c:/Program Files/Core Design/trle/Script";
    EXPECT_EQ(hostPath("C:\\Program Files\\Core Design\\trle\\script", wine.path()), script);
    EXPECT_EQ(hostPath("c:\\program files\\core design\\TRLE\\Script\\Script.txt", wine.path()),
              script / "SCRIPT.TXT");
    EXPECT_EQ(hostPath("C:\\Program Files\\Core Design\\trle\\Script\\English.txt", wine.path()),
              script / "English.txt");
    EXPECT_EQ(hostPath("C:\\missing\\deeper\\File.txt", wine.path()),
              wine / "dosdevices/c:/missing/deeper/File.txt");
}

TEST(HostPath, PrefixComesFromTheEnvironment)
{
#ifdef _WIN32
    GTEST_SKIP() << kLinuxOnly;
#else
    const char* saved = std::getenv("WINEPREFIX");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("WINEPREFIX", "/opt/prefix", 1);
    EXPECT_EQ(defaultWinePrefix(), fs::path("/opt/prefix"));
    unsetenv("WINEPREFIX");
    EXPECT_EQ(defaultWinePrefix(), fs::path(std::getenv("HOME")) / ".wine");
    if (saved != nullptr)
        setenv("WINEPREFIX", restore.c_str(), 1);
#endif
}

} // namespace
} // namespace orvanta
