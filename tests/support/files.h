#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace orvanta::test {

/// A fresh folder under the system's temporary folder, removed with its content when the test ends.
class TempFolder {
public:
    TempFolder() { std::filesystem::create_directories(path_); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    /// The folder as a path text, as a project field would hold it.
    std::string text() const { return path_.string(); }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("orvanta-test-" + std::to_string(std::random_device()()));
};

/// A file's exact bytes; fails the test when it cannot be read.
inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << file;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << file;
}

/// How many entries a folder holds (temporary files left behind show here).
inline std::size_t entryCount(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

/// A file of the test data folder (tests/...).
inline std::filesystem::path testData(std::string_view relative)
{
    return std::filesystem::path(ORVANTA_TEST_DATA) / relative;
}

/// Whether a CR LF text holds these consecutive whole lines.
inline bool hasLines(std::string_view text, std::initializer_list<std::string_view> lines)
{
    std::string run = "\n";
    for (std::string_view line : lines)
        run.append(line).append("\r\n");
    return text.find(run) != std::string_view::npos;
}

}  // namespace orvanta::test
