// Replacing files on Windows when something stands in the way: the failure
// names the file and its cause, and neither file of the pair changes.
#include "model/project_state.h"
#include "script/script_files.h"
#include "support/files.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

/// Runs file_holder.exe (beside this program), which opens `file` without
/// sharing and creates `signal`, and closes the file once `signal` is gone.
PROCESS_INFORMATION holdOpen(const fs::path& file, const fs::path& signal)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + (fs::path(self).parent_path() / "file_holder.exe").wstring() + L"\" \"" +
                           file.wstring() + L"\" \"" + signal.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    for (int waited = 0; waited < 200 && !fs::exists(signal); ++waited)
        Sleep(50);
    EXPECT_TRUE(fs::exists(signal)) << "the holder did not open " << file;
    return process;
}

TEST(WindowsReplace, AnObstacleOnEnglishTxtLeavesBothFilesAsTheyWere)
{
    for (const std::string reason :
         {"the file is read-only", "another program holds the file open", "a folder of that name is in the way"}) {
        SCOPED_TRACE(reason);
        test::TempFolder folder;
        const fs::path english = folder / "English.txt";
        const fs::path signal = folder.path().string() + ".held";  // outside the folder, whose entries count
        test::writeBytes(folder / "Script.txt", "old script");
        if (reason.ends_with("way"))
            fs::create_directory(english);
        else
            test::writeBytes(english, "old english");
        if (reason.ends_with("read-only"))
            fs::permissions(english, fs::perms::all, fs::perm_options::remove);
        const PROCESS_INFORMATION holder = reason.ends_with("open") ? holdOpen(english, signal) : PROCESS_INFORMATION{};

        const auto error = writeScriptFiles(ProjectState::withDefaults(), folder.text());
        fs::remove(signal);
        if (holder.hProcess != nullptr) {
            WaitForSingleObject(holder.hProcess, 10000);
            CloseHandle(holder.hProcess);
            CloseHandle(holder.hThread);
        }
        ASSERT_TRUE(error);
        EXPECT_NE(error->message.find(folder.text() + "\\English.txt\": " + reason), std::string::npos)
            << error->message;
        EXPECT_EQ(readBytes(folder / "Script.txt"), "old script");
        if (!reason.ends_with("way")) {
            EXPECT_EQ(readBytes(english), "old english");
        }
        EXPECT_EQ(test::entryCount(folder.path()), 2U) << "no temporary file is left behind";
        fs::permissions(english, fs::perms::owner_write, fs::perm_options::add);
    }
}

}  // namespace
}  // namespace orvanta
