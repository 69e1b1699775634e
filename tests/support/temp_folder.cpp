#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace orvanta::test {
namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = fs::temp_directory_path() / ("orvanta-test-" + std::to_string(random()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << file;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << file;
}

std::size_t entryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

fs::path testData(std::string_view relative) { return fs::path(ORVANTA_TEST_DATA) / relative; }

} // namespace orvanta::test
