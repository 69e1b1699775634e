#pragma once

#include <windows.h>

#include <filesystem>

namespace orvanta::test {

/// A file held open, without sharing, by another process (file_holder.exe
/// beside the test program) for as long as this object lives.
class HeldFile {
public:
    explicit HeldFile(const std::filesystem::path& file);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    std::filesystem::path signal_;
    PROCESS_INFORMATION process_{};
};

} // namespace orvanta::test
