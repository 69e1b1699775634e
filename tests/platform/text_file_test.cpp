#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "support/files.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;
#ifndef _WIN32
TEST(TextFile, ReplacesTheWholeFileKeepingItsPermissionsAndLinks)
{
    test::TempFolder folder;
    const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    test::writeBytes(folder / "real.txt", std::string(10000, 'x'));
    fs::permissions(folder / "real.txt", permissions);
    fs::create_symlink("real.txt", folder / "link.txt");
    const std::string bytes("short\r\n\0\xFF", 9);
    ASSERT_FALSE(replaceFile((folder / "link.txt").string(), bytes));
    EXPECT_EQ(readBytes(folder / "real.txt"), bytes);
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(fs::status(folder / "real.txt").permissions(), permissions);
    EXPECT_EQ(test::entryCount(folder.path()), 2U);
}

TEST(TextFile, AFailedWriteNamesThePathAndLeavesTheOldFileWhole)
{
    test::TempFolder folder;
    test::writeBytes(folder / "keep.txt", "old content");
    fs::create_directory(folder / "a folder.txt");
    const std::string keep = (folder / "keep.txt").string();
    const std::pair<std::string, std::string> cases[] = {
        {(folder / "a folder.txt").string(), "write|a folder of that name is in the way"},
        {(folder / "gone" / "x.txt").string(), "write|No such file or directory"},
        {(folder / std::string(300, 'n')).string(), "replace|File name too long"},
        {(folder / "keep.txt" / "under a file.txt").string(), "write|Not a directory"},
        {"/dev/null", "write|it is not a regular file"},  // renaming over a device as root would destroy it
        {keep, "write|File too large"},                   // a full disk
    };
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    for (auto [target, message] : cases) {
        const rlimit full{target == keep ? 64 * 1024 : unlimited.rlim_cur, unlimited.rlim_max};  // EFBIG past it
        setrlimit(RLIMIT_FSIZE, &full);
        const auto error = replaceFile(target, std::string(100'000, 'n'));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_TRUE(error) << target;
        EXPECT_EQ(error->message, "Cannot " + message.replace(message.find('|'), 1, " \"" + target + "\": "));
    }
    EXPECT_EQ(readBytes(keep), "old content");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(test::entryCount(folder.path()), 2U) << "no temporary file is left behind";
}

TEST(TextFile, ReadingGivesTheExactBytesOrNamesThePath)
{
    test::TempFolder folder;
    test::writeBytes(folder / "data.txt", std::string("a\0b\r\n", 5));
    EXPECT_EQ(readFileBytes((folder / "data.txt").string()).value(), std::string("a\0b\r\n", 5));
    for (const auto& [path, reason] : {std::pair{folder / "missing.txt", "No such file or directory"},
                                       std::pair{folder.path(), "it is a folder, not a file"},
                                       std::pair{fs::path("/proc/self/mem"), "Input/output error"}}) {  // read fails
        const auto failed = readFileBytes(path.string());
        ASSERT_FALSE(failed);
        EXPECT_EQ(failed.error().message, "Cannot read \"" + path.string() + "\": " + reason);
    }
}

#else
TEST(TextFile, PosixCases)
{
    GTEST_SKIP() << "permission bits, symbolic links, rlimit and /dev stage these cases on Linux; "
                    "tests/windows holds the Windows ones";
}
#endif

TEST(TextLines, SplitAtCrLfOrBareLfOnly)
{
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n"), Lines{""});
}

} // namespace
} // namespace orvanta::test
