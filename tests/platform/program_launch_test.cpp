#include "platform/program_launch.h"
#include "support/system.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta::platform {
namespace {

TEST(ProgramLaunch, WindowsHandsBatchFilesToTheCommandInterpreter)
{
    if (!test::kOnWindows)
        GTEST_SKIP() << "cmd.exe is Windows' own; elsewhere wine starts batch files (program starter tests)";
    test::TempFolder folder;
    const std::string base = folder.text() + "\\";
    for (const char* name : {"Easylife.bat", "my build.CMD", "tool.exe", "100%.bat"})
        test::writeBytes(folder / name, "");
    for (const std::string name : {"Easylife.bat", "my build.CMD"}) {
        const auto batch = programLaunch(base + name);
        ASSERT_TRUE(batch) << batch.error().message;
        EXPECT_TRUE(batch.value().program.ends_with("cmd.exe")) << batch.value().program;
        EXPECT_EQ(batch.value().arguments, (std::vector<std::string>{"/c", base + name}));
        EXPECT_EQ(batch.value().folder, folder.text());
    }
    EXPECT_EQ(programLaunch(base + "tool.exe").value().program, base + "tool.exe");
    EXPECT_TRUE(programLaunch(base + "tool.exe").value().arguments.empty());
    EXPECT_FALSE(programLaunch(base + "100%.bat"));
}

} // namespace
} // namespace orvanta::platform
