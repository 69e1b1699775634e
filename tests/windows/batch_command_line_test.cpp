// The command line cmd is given for a batch file runs that file and nothing
// else, whatever blanks, "&", "^" or brackets its path holds.
#include "platform/program_launch.h"
#include "support/files.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

DWORD runBatch(const platform::ProgramLaunch& how)
{
    std::wstring command = fs::path(how.program).wstring() + L" " + fs::path(how.nativeArguments).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const std::wstring folder = fs::path(how.folder).wstring();
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                               &process));
    WaitForSingleObject(process.hProcess, 60000);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

TEST(BatchCommandLine, CmdRunsTheBatchFileAloneWithItsExitStatus)
{
    test::TempFolder temp;
    fs::create_directory(temp / "a b&c (d)");
    test::writeBytes(temp / "a b&c (d)" / "b.bat", "@exit /b 9\r\n");  // what a split command line would run
    for (const char* name : {"Easy Life&b.bat", "x^y(1);z.cmd"}) {
        SCOPED_TRACE(name);
        const fs::path batch = temp / "a b&c (d)" / name;
        test::writeBytes(batch, "@exit /b 7\r\n");
        const auto launch = platform::programLaunch(batch.string());
        ASSERT_TRUE(launch) << launch.error().message;
        EXPECT_EQ(runBatch(launch.value()), 7U);
    }
}

}  // namespace
}  // namespace orvanta
