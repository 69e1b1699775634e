#include "platform/program_launch.h"
#include "support/system.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace orvanta::platform {
namespace {

TEST(ProgramLaunch, WindowsHandsBatchFilesToTheCommandInterpreter)
{
    if (!test::kOnWindows)
        GTEST_SKIP() << "cmd.exe is Windows' own; elsewhere wine starts batch files (program starter tests)";
    test::TempFolder folder;
    for (const char* name : {"Easylife.bat", "build.CMD", "tool.exe", "100%.bat"})
        test::writeBytes(folder / name, "");
    const std::string base = folder.text() + "\\";

    const auto batch = programLaunch(base + "Easylife.bat");
    ASSERT_TRUE(batch) << batch.error().message;
    EXPECT_TRUE(batch.value().program.ends_with("cmd.exe")) << batch.value().program;
    EXPECT_EQ(batch.value().arguments, (std::vector<std::string>{"/c", base + "Easylife.bat"}));
    EXPECT_EQ(batch.value().folder, folder.text());
    EXPECT_EQ(programLaunch(base + "build.CMD").value().arguments.at(1), base + "build.CMD");

    const auto program = programLaunch(base + "tool.exe");
    ASSERT_TRUE(program);
    EXPECT_EQ(program.value().program, base + "tool.exe");
    EXPECT_TRUE(program.value().arguments.empty());
    EXPECT_FALSE(programLaunch(base + "100%.bat"));
}

} // namespace
} // namespace orvanta::platform
