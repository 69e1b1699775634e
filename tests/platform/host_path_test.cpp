#include "platform/host_path.h"
#ifndef _WIN32
#include "support/environment.h"
#endif

#include <gtest/gtest.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(HostPath, DrivePathsMapIntoTheWinePrefixInAnyLetterCaseOthersAsWritten)
{
    const test::FakeWinePrefix wine(test::kScriptFolder);
    test::writeBytes(wine.driveC(test::kScriptFolder) / "SCRIPT.TXT", "x");
    const fs::path drive = wine.path() / "dosdevices/c:";
    const std::pair<std::string, fs::path> cases[] = {
        {joinPathText("c:\\program files\\core design\\TRLE\\Script", "Script.txt"), drive / test::kScriptFolder / "SCRIPT.TXT"},
        {joinPathText("C:\\Program Files\\Core Design\\trle\\script", "English.txt"), drive / test::kScriptFolder / "English.txt"},
        {"C:\\missing\\deeper\\File.txt", drive / "missing/deeper/File.txt"},
        {"c:/Program Files\\\\core design/", drive / "Program Files/Core Design/"},
        {joinPathText("C:", ""), drive / ""},
        {"d:\\games\\x.txt", wine.path() / "dosdevices/d:/games/x.txt"},
        {"/home/user\\Script.txt", "/home/user/Script.txt"},
        {"relative\\file.txt", "relative/file.txt"},
        {"CC:\\x", "CC:/x"},                 // not a drive
        {"caf\xE9.txt", "caf\xC3\xA9.txt"},  // Windows-1252 to UTF-8
    };
    for (const auto& [text, host] : cases)
        EXPECT_EQ(hostPath(text), host) << text;
}

TEST(HostPath, ThePrefixIsWinePrefixOrTheHomeFoldersWine)
{
    const test::ScopedVariable prefix("WINEPREFIX", "/opt/prefix");
    EXPECT_EQ(defaultWinePrefix(), fs::path("/opt/prefix"));
    setenv("WINEPREFIX", "", 1);
    EXPECT_EQ(defaultWinePrefix(), fs::path(std::getenv("HOME")) / ".wine");
    unsetenv("WINEPREFIX");
    EXPECT_EQ(defaultWinePrefix(), fs::path(std::getenv("HOME")) / ".wine");
}

#else
TEST(HostPath, WinePrefixMapping)
{
    GTEST_SKIP() << "Windows opens drive paths itself; the Wine-prefix mapping is for Linux";
}
#endif

} // namespace
} // namespace orvanta
