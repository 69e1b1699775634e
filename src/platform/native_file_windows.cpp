#include "platform/native_file.h"

#include <algorithm>
#include <utility>
#include <windows.h>

namespace orvanta::native {
namespace fs = std::filesystem;

namespace {

/// The system's text for an error code, in UTF-8 on one line.
std::string errorText(DWORD code)
{
    wchar_t* wide = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&wide), 0, nullptr);
    std::string text;
    if (length > 0) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    }
    LocalFree(wide);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty())
        return "Windows error " + std::to_string(code);
    return text;
}

/// Why `target` cannot be replaced, said more plainly than the system's
/// "access denied" or "sharing violation" where the cause is known.
std::string replaceFailure(const fs::path& target, DWORD code)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return "the file is read-only";
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION)
        return "another program holds the file open";
    return errorText(code);
}

Failure failure(DWORD code, const fs::path& target = {})
{
    using Cause = Failure::Cause;
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
        return {Cause::NameTaken, errorText(code)};
    if (code == ERROR_ACCESS_DENIED && target.empty())
        return {Cause::NotPermitted, errorText(code)};
    return {Cause::Other, target.empty() ? errorText(code) : replaceFailure(target, code)};
}

Failure lastFailure() { return failure(GetLastError()); }

/// Closes a handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    /// Closes now, for the close's own failure to count.
    Outcome close()
    {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        if (!CloseHandle(handle))
            return lastFailure();
        return std::nullopt;
    }

private:
    HANDLE handle_;
};

Outcome writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastFailure();
        bytes.remove_prefix(written);
    }
    return std::nullopt;
}

bool setLength(HANDLE file, std::uint64_t length)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

}  // namespace

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
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                                                   nullptr, 0, nullptr, &lost)),
                      '\0');
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), static_cast<int>(bytes.size()),
                        nullptr, &lost);
    if (lost)
        return std::nullopt;
    return bytes;
}

Outcome writeNewFile(const fs::path& file, std::string_view bytes, const fs::path&)
{
    Handle handle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid())
        return lastFailure();
    Outcome outcome = writeAll(handle.get(), bytes);
    Outcome closed = handle.close();
    if (!outcome)
        outcome = closed;
    if (outcome)
        (void)DeleteFileW(file.c_str());
    return outcome;
}

Outcome replaceKeepingBackup(const fs::path& from, const fs::path& to, const fs::path& backup)
{
    // ReplaceFileW keeps the replaced file's attributes and access rights.
    if (ReplaceFileW(to.c_str(), from.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return std::nullopt;
    const DWORD code = GetLastError();
    // The old file went to the backup name but the new one did not follow.
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        (void)moveOver(backup, to);
    return failure(code, to);
}

Outcome moveOver(const fs::path& from, const fs::path& to)
{
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failure(GetLastError(), to);
    return std::nullopt;
}

Outcome overwrite(const fs::path& file, std::string_view bytes)
{
    Handle handle(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid())
        return failure(GetLastError(), file);
    // Room first: a full disk then fails before anything is written.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle.get(), &size) ||
        (static_cast<std::uint64_t>(size.QuadPart) < bytes.size() && !setLength(handle.get(), bytes.size())) ||
        !SetFilePointerEx(handle.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN))
        return lastFailure();
    if (Outcome written = writeAll(handle.get(), bytes))
        return written;
    if (!SetEndOfFile(handle.get()))
        return lastFailure();
    return handle.close();
}

std::optional<std::string> unwritable(const fs::path& file)
{
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return errorText(GetLastError());
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return "the file is read-only";
    return std::nullopt;
}

std::uintmax_t linkCount(const fs::path& file)
{
    Handle handle(CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!handle.valid() || !GetFileInformationByHandle(handle.get(), &information))
        return 1;
    return information.nNumberOfLinks;
}

Outcome readAll(const fs::path& file, std::string& bytes, std::uintmax_t limit)
{
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Failure{Failure::Cause::Other, notAFile(fs::file_type::directory)};
    Handle handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid())
        return lastFailure();
    if (const DWORD type = GetFileType(handle.get()); type != FILE_TYPE_DISK)
        return Failure{Failure::Cause::Other,
                       notAFile(type == FILE_TYPE_PIPE ? fs::file_type::fifo : fs::file_type::character)};
    const Failure tooLarge{Failure::Cause::Other,
                           "it holds more than " + std::to_string(limit) + " bytes, too many to read"};
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle.get(), &size) && static_cast<std::uintmax_t>(size.QuadPart) > limit)
        return tooLarge;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle.get(), buffer, sizeof buffer, &got, nullptr))
            return lastFailure();
        if (got == 0)
            return std::nullopt;
        if (bytes.size() + got > limit)
            return tooLarge;
        bytes.append(buffer, got);
    }
}

}  // namespace orvanta::native
