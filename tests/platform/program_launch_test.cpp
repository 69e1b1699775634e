#include "platform/program_launch.h"
#include "support/files.h"
#include "support/system.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "support/environment.h"
#endif

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;

TEST(ProgramLaunch, BatchPathsCmdWouldReadAsMoreThanAPathAreRefused)
{
    const struct {
        const char* path;
        bool nameUnquoted;
        bool refused;
    } cases[] = {
        {"C:\\Easylife.bat", true, false},
        {"C:\\Program Files (x86)\\a&b;c\\Easy Life.bat", true, false},  // only the name reaches wine's cmd
        {"C:\\Program Files (x86)\\Easy&Life(1).bat", false, false},     // quoted by us on Windows
        {"C:\\Easy&Life.bat", true, true},
        {"C:\\Easylife(1).bat", true, true},
        {"C:\\a=b.bat", true, true},
        {"C:\\100%\\Easylife.bat", false, true},
        {"C:\\a!b\\Easylife.bat", true, true},
        {"C:\\a\"b.bat", false, true},
        {"C:\\a\tb.bat", false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(batchPathProblem(c.path, c.nameUnquoted).has_value(), c.refused) << c.path;
    EXPECT_EQ(commandInterpreterArguments("C:\\My Games\\a&b.bat"), "/d /s /c \"\"C:\\My Games\\a&b.bat\"\"");
}

#ifndef _WIN32  // wine's drives are for other systems
TEST(ProgramLaunch, WineShowsAFileUnderTheDriveThatHoldsItMostClosely)
{
    test::TempFolder temp;
    const fs::path prefix = temp / "we!rd %prefix%";  // the prefix's own folder is no part of a Windows path
    fs::create_directories(prefix / "drive_c" / "data");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    fs::create_directory_symlink("../drive_c/data", prefix / "dosdevices" / "d:");
    fs::create_directory_symlink(fs::canonical(temp.path()), prefix / "dosdevices" / "e:");
    fs::create_directory_symlink(fs::canonical(temp.path()), prefix / "dosdevices" / "f:");
    const fs::path drives = prefix / "drive_c";
    EXPECT_EQ(windowsPathUnderWine(drives / "Easylife.bat", prefix), "C:\\Easylife.bat");
    EXPECT_EQ(windowsPathUnderWine(prefix / "dosdevices/c:/data/x.bat", prefix), "D:\\x.bat");
    EXPECT_EQ(windowsPathUnderWine(temp / "y.bat", prefix), "E:\\y.bat");     // E and F tie: the first letter
    EXPECT_EQ(windowsPathUnderWine("/usr/bin/z.bat", prefix), std::nullopt);  // no Z: in this prefix
    EXPECT_EQ(windowsPathUnderWine("/usr/bin/z.bat", temp / "not made yet"), "Z:\\usr\\bin\\z.bat");

    test::writeBytes(drives / "Easylife.bat", "@echo off\r\n");
    const test::ScopedVariable winePrefix("WINEPREFIX", prefix.string());
    const auto launch = programLaunch("c:\\EASYLIFE.BAT");
    ASSERT_TRUE(launch) << launch.error().message;
    EXPECT_EQ(launch.value().seenAs, "C:\\Easylife.bat");
    EXPECT_EQ(launch.value().arguments, (std::vector<std::string>{"cmd.exe", "/d", "/c", ".\\Easylife.bat"}));
    EXPECT_EQ(fs::path(launch.value().folder), prefix / "dosdevices" / "c:");
}
#endif

TEST(ProgramLaunch, WindowsHandsBatchFilesToTheCommandInterpreter)
{
    if (!test::kOnWindows)
        GTEST_SKIP() << "cmd.exe is Windows' own; elsewhere wine starts batch files";
    test::TempFolder folder;
    const std::string base = folder.text() + "\\";
    for (const char* name : {"Easy Life&(1).bat", "my build.CMD", "tool.exe", "100%.bat"})
        test::writeBytes(folder / name, "");
    for (const std::string name : {"Easy Life&(1).bat", "my build.CMD"}) {
        const auto batch = programLaunch(base + name);
        ASSERT_TRUE(batch) << batch.error().message;
        EXPECT_TRUE(batch.value().program.ends_with("cmd.exe")) << batch.value().program;
        EXPECT_EQ(batch.value().nativeArguments, "/d /s /c \"\"" + base + name + "\"\"");
        EXPECT_EQ(batch.value().folder, folder.text());
    }
    EXPECT_EQ(programLaunch(base + "tool.exe").value().program, base + "tool.exe");
    EXPECT_TRUE(programLaunch(base + "tool.exe").value().nativeArguments.empty());
    EXPECT_FALSE(programLaunch(base + "100%.bat"));
}

}  // namespace
}  // namespace orvanta::platform
