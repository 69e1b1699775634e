#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif

namespace orvanta::test {

/// A file that nothing may change while this lives: immutable on Linux (which
/// takes root; locked() tells), held open without sharing on Windows.
class LockedFile {
public:
#ifdef _WIN32
    explicit LockedFile(const std::filesystem::path& file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~LockedFile() { CloseHandle(handle_); }
    bool locked() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
#else
    explicit LockedFile(const std::filesystem::path& file) : file_(file), locked_(chattr("+i")) {}
    ~LockedFile() { (void)(locked_ && chattr("-i")); }
    bool locked() const { return locked_; }

private:
    bool chattr(const char* flag) const
    {
        return std::system(("chattr " + std::string(flag) + " '" + file_.string() + "' 2>/dev/null").c_str()) == 0;
    }
    std::filesystem::path file_;
    bool locked_;
#endif
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
};

}  // namespace orvanta::test
