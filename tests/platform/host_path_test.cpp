#include "platform/file_location.h"
#include "platform/host_path.h"
#include "platform/text_file.h"
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
    test::writeBytes(wine.driveC() / "Q.txt", "x");
    const fs::path drive = wine.path() / "dosdevices/c:";
    const std::pair<std::string, fs::path> cases[] = {
        {joinPathText("c:\\program files\\core design\\TRLE\\Script", "Script.txt"),
         drive / test::kScriptFolder / "SCRIPT.TXT"},
        {joinPathText("C:\\Program Files\\Core Design\\trle\\script", "English.txt"),
         drive / test::kScriptFolder / "English.txt"},
        {"C:\\missing\\deeper\\File.txt", drive / "missing/deeper/File.txt"},
        {"c:/Program Files\\\\core design/", drive / "Program Files/Core Design/"},
        {joinPathText("C:", ""), drive / ""},
        {"d:\\games\\x.txt", wine.path() / "dosdevices/d:/games/x.txt"},
        {"C:\\..\\..\\..\\tmp\\.\\x", drive / "tmp/x"},  // ".." stops at the drive's root
        {"C:\\missing\\..\\Q.txt", drive / "Q.txt"},
        {"/home/user\\Script.txt", "/home/user/Script.txt"},
        {(wine.driveC() / "q.txt").string(), wine.driveC() / "q.txt"},  // not Q.txt: only a drive path is Windows's
        {"relative\\file.txt", "relative/file.txt"},
        {"CC:\\x", "CC:/x"},                 // not a drive
        {"caf\xE9.txt", "caf\xC3\xA9.txt"},  // Windows-1252 to UTF-8
    };
    for (const auto& [text, host] : cases)
        EXPECT_EQ(hostPath(text), host) << text;
}

TEST(HostPath, FileLocationsKeepHostPathsAndShowThemAsTheHostHasThem)
{
    const test::FakeWinePrefix wine(test::kScriptFolder);
    const fs::path exact = wine.driveC() / "Q.TXT";
    EXPECT_EQ(FileLocation::fromHostPath(exact).host(), exact);
    EXPECT_EQ(FileLocation::fromTypedPath(exact).child("x").host(), exact / "x");
    EXPECT_EQ(FileLocation::fromPathText("/tmp/out").child("Script.txt").shown(), "\"/tmp/out/Script.txt\"");
    EXPECT_EQ(FileLocation::fromTypedPath("c:\\program files\\core design").child("Script.txt").shown(),
              "\"c:\\program files\\core design\\Script.txt\" (" +
                  (wine.path() / "dosdevices/c:/Program Files/Core Design/Script.txt").string() + ")");
}

TEST(HostPath, ThePrefixIsWinePrefixOrTheHomeFoldersWine)
{
    const test::ScopedVariable prefix("WINEPREFIX", "/opt/prefix");
    EXPECT_EQ(defaultWinePrefix(), fs::path("/opt/prefix"));
    setenv("WINEPREFIX", "", 1);
    EXPECT_EQ(defaultWinePrefix(), fs::path(std::getenv("HOME")) / ".wine");
    unsetenv("WINEPREFIX");
    EXPECT_EQ(defaultWinePrefix(), fs::path(std::getenv("HOME")) / ".wine");
    const test::ScopedVariable home("HOME", "");
    unsetenv("HOME");
    const FileLocation file = FileLocation::fromPathText("C:\\x\\Script.txt");
    EXPECT_EQ(file.shown(), "\"C:\\x\\Script.txt\" (no Wine prefix: neither WINEPREFIX nor HOME is set)");
    EXPECT_EQ(replaceFile(file, "x")->message,
              "Cannot write " + file.shown() + ": no Wine prefix: neither WINEPREFIX nor HOME is set");
}

#else
TEST(HostPath, WinePrefixMapping)
{
    GTEST_SKIP() << "Windows opens drive paths itself; the Wine-prefix mapping is for Linux";
}
#endif

}  // namespace
}  // namespace orvanta
