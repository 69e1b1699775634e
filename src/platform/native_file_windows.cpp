#include "platform/native_file.h"

#include <windows.h>

#include <algorithm>

namespace orvanta::native {
namespace fs = std::filesystem;

namespace {

/// The system's text for an error code, in UTF-8 on one line.
Reason errorText(DWORD code)
{
    wchar_t* wide = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&wide), 0, nullptr);
    std::string text;
    if (length > 0) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    }
    LocalFree(wide);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty())
        return "Windows error " + std::to_string(code);
    return text;
}

Reason lastError() { return errorText(GetLastError()); }

/// Why `target` cannot be replaced, said more plainly than the system's
/// "access denied" or "sharing violation" where the cause is known.
Reason replaceFailure(const fs::path& target, DWORD code)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return "the file is read-only";
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION)
        return "another program holds the file open";
    return errorText(code);
}

std::optional<Reason> writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastError();
        bytes.remove_prefix(written);
    }
    return std::nullopt;
}

} // namespace

std::wstring wideFromWindows1252(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(1252, 0, text.data(), length, nullptr, 0)), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::optional<std::string> windows1252FromWide(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    BOOL lost = FALSE;
    std::string bytes(static_cast<std::size_t>(
                          WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &lost)),
                      '\0');
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), static_cast<int>(bytes.size()),
                        nullptr, &lost);
    if (lost)
        return std::nullopt;
    return bytes;
}

std::optional<Reason> writeNewFile(const fs::path& file, std::string_view bytes, const fs::path&)
{
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    std::optional<Reason> reason = writeAll(handle, bytes);
    if (!CloseHandle(handle) && !reason)
        reason = lastError();
    return reason;
}

std::optional<Reason> replaceKeepingBackup(const fs::path& from, const fs::path& to, const fs::path& backup,
                                           bool& keptBackup)
{
    keptBackup = false;
    if (GetFileAttributesW(to.c_str()) == INVALID_FILE_ATTRIBUTES)
        return moveOver(from, to);
    if (ReplaceFileW(to.c_str(), from.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        keptBackup = true;
        return std::nullopt;
    }
    const DWORD code = GetLastError();
    // The old file went to the backup name but the new one did not follow.
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        (void)moveOver(backup, to);
    return replaceFailure(to, code);
}

std::optional<Reason> moveOver(const fs::path& from, const fs::path& to)
{
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return replaceFailure(to, GetLastError());
    return std::nullopt;
}

std::optional<Reason> readAll(const fs::path& file, std::string& bytes)
{
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
            const Reason reason = lastError();
            CloseHandle(handle);
            return reason;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    CloseHandle(handle);
    return std::nullopt;
}

unsigned long processId() { return GetCurrentProcessId(); }

} // namespace orvanta::native
