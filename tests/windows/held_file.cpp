#include "windows/held_file.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta::test {
namespace fs = std::filesystem;

namespace {

fs::path holderProgram()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "file_holder.exe";
}

} // namespace

// The signal lies outside the file's folder, whose entries the tests count.
HeldFile::HeldFile(const fs::path& file)
    : signal_(file.parent_path().parent_path() /
              (file.parent_path().filename().wstring() + L"-" + file.filename().wstring() + L".held"))
{
    std::wstring command = L"\"" + holderProgram().wstring() + L"\" \"" + file.wstring() + L"\" \"" + signal_.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << holderProgram();
        return;
    }
    for (int waited = 0; waited < 200 && !fs::exists(signal_); ++waited)
        Sleep(50);
    EXPECT_TRUE(fs::exists(signal_)) << "the holder did not open " << file;
}

HeldFile::~HeldFile()
{
    std::error_code ignored;
    fs::remove(signal_, ignored);
    if (process_.hProcess != nullptr) {
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

} // namespace orvanta::test
