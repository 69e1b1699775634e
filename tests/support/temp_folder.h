#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta::test {

/// A fresh folder under the system's temporary folder, removed with its
/// content when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// The folder as a path text, as a project field would hold it.
    std::string text() const { return path_.string(); }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

/// A file's exact bytes; fails the test when it cannot be read.
std::string readBytes(const std::filesystem::path& file);
/// Writes exact bytes to a file.
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
/// How many entries a folder holds (temporary files left behind show here).
std::size_t entryCount(const std::filesystem::path& folder);
/// A file of the test data folder (tests/...).
std::filesystem::path testData(std::string_view relative);

} // namespace orvanta::test
