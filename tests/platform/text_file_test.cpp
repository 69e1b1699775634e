#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "support/files.h"
#include "support/locked_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;
#ifndef _WIN32
TEST(TextFile, ReplacingKeepsWhatTheUserHad)
{
    test::TempFolder folder;
    const auto replace = [](const fs::path& file, std::string_view bytes = "new") {
        return replaceFile(FileLocation::fromHostPath(file), bytes);
    };
    const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    test::writeBytes(folder / "real.txt", std::string(10000, 'x'));
    fs::permissions(folder / "real.txt", permissions);
    fs::create_symlink("real.txt", folder / "link.txt");
    const std::string bytes("short\r\n\0\xFF", 9);
    ASSERT_FALSE(replace(folder / "link.txt", bytes));
    EXPECT_EQ(readBytes(folder / "real.txt"), bytes);
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(fs::status(folder / "real.txt").permissions(), permissions);
    fs::create_symlink("made.txt", folder / "dangling.txt");                // the file it names is made
    fs::create_hard_link(folder / "real.txt", folder / "second name.txt");  // both names see the new content
    test::writeBytes(folder / "owned.txt", "old");
    ASSERT_EQ(::chown((folder / "owned.txt").c_str(), 1234, 5678) == 0, ::geteuid() == 0);  // root only
    ::chmod((folder / "owned.txt").c_str(), 06755);  // set-id bits are not carried over
    fs::create_directory(folder / "reused");         // names a killed process of this id used
    for (int n = 0; n < 200; ++n)
        test::writeBytes(
            folder / "reused" / (".orvanta-" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp"), "");
    for (const char* file : {"dangling.txt", "real.txt", "owned.txt", "reused/p.txt"})
        ASSERT_FALSE(replace(folder / file)) << file;
    EXPECT_EQ(readBytes(folder / "made.txt") + readBytes(folder / "second name.txt"), "newnew");
    struct stat owned {};
    EXPECT_EQ(::stat((folder / "owned.txt").c_str(), &owned), 0);
    EXPECT_EQ(owned.st_mode & 07777, 0755U);
    if (::geteuid() == 0) {
        EXPECT_EQ(std::pair(owned.st_uid, owned.st_gid), std::pair(1234U, 5678U));
    }
    EXPECT_EQ(test::entryCount(folder.path()), 7U);
}

TEST(TextFile, AFailedWriteNamesThePathAndLeavesTheOldFileWhole)
{
    test::TempFolder folder;
    test::writeBytes(folder / "keep.txt", "old content");
    test::writeBytes(folder / "read-only.txt", "old content");
    fs::permissions(folder / "read-only.txt", fs::perms::owner_read);
    fs::create_directory(folder / "a folder.txt");
    fs::create_directory(folder / "locked");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const test::LockedFile locked(folder / "locked");  // root writes there all the same
    fs::create_symlink("loop.txt", folder / "loop.txt");
    const std::string keep = (folder / "keep.txt").string();
    const std::pair<std::string, std::string> cases[] = {
        {(folder / "a folder.txt").string(), "write|a folder of that name is in the way"},
        {(folder / "gone" / "x.txt").string(), "write|No such file or directory"},
        {(folder / std::string(300, 'n')).string(), "replace|File name too long"},
        {(folder / "keep.txt" / "under a file.txt").string(), "write|Not a directory"},
        {"/dev/null", "write|it is a device, not a file"},  // renaming over a device as root would destroy it
        {keep, "write|File too large"},                     // a full disk
        {(folder / "read-only.txt").string(), "write|the file is read-only"},  // for root too
        {(folder / "locked" / "x.txt").string(),
         "write|the folder \"" + folder.text() + "/locked\" cannot be written to (" +
             (locked.locked() ? "Operation not permitted)" : "Permission denied)")},
        {(folder / "loop.txt").string(), "write|its symbolic links go round in a loop"},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    for (auto [target, message] : cases) {
        const rlimit full{target == keep ? 64 * 1024 : unlimited.rlim_cur, unlimited.rlim_max};  // EFBIG past it
        setrlimit(RLIMIT_FSIZE, &full);
        const auto error = replaceFile(FileLocation::fromHostPath(target), std::string(100'000, 'n'));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_TRUE(error) << target;
        EXPECT_EQ(error->message, "Cannot " + message.replace(message.find('|'), 1, " \"" + target + "\": "));
    }
    EXPECT_EQ(readBytes(keep) + readBytes(folder / "read-only.txt"), "old contentold content");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(test::entryCount(folder.path()), 5U) << "no temporary file is left behind";
}

TEST(TextFile, ReadingGivesTheExactBytesOfARegularFileOrNamesThePath)
{
    test::TempFolder folder;
    const auto read = [](const fs::path& file) { return readFileBytes(FileLocation::fromHostPath(file)); };
    test::writeBytes(folder / "data.txt", std::string("a\0b\r\n", 5));
    EXPECT_EQ(read(folder / "data.txt").value(), std::string("a\0b\r\n", 5));
    test::writeBytes(folder / "huge.txt", "");
    fs::resize_file(folder / "huge.txt", kMaxReadBytes + 1);
    ::mkfifo((folder / "pipe").c_str(), 0600);
    // Refused at once: a device or a pipe is not read until it ends.
    for (const auto& [path, reason] :
         {std::pair{fs::path("/dev/null"), "it is a device, not a file"},
          std::pair{folder / "pipe", "it is a pipe, not a file"},
          std::pair{fs::path("/dev/zero"), "it is a device, not a file"},
          std::pair{folder / "huge.txt", "it holds more than 268435456 bytes, too many to read"},
          std::pair{folder / "missing.txt", "No such file or directory"},
          std::pair{folder.path(), "it is a folder, not a file"},
          std::pair{fs::path("/proc/self/mem"), "Input/output error"}}) {  // read fails
        const auto failed = read(path);
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
    EXPECT_EQ(splitLines("a\r\nC:\\x\r"), (Lines{"a", "C:\\x"}));  // cut between CR and LF
}

}  // namespace
}  // namespace orvanta::test
