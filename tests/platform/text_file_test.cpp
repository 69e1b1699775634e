#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "support/system.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

TEST(TextFile, ReplacesWholeAndKeepsPermissions)
{
    if (test::kOnWindows)
        GTEST_SKIP() << "POSIX permission bits; Windows keeps file attributes";
    TempFolder folder;
    const fs::path file = folder / "a.txt";
    test::writeBytes(file, std::string(10000, 'x'));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(replaceFile(file.string(), std::string("short\r\n\0\xFF", 9)));
    EXPECT_EQ(readBytes(file), std::string("short\r\n\0\xFF", 9));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::entryCount(folder.path()), 1U);
}

TEST(TextFile, WritesThroughALinkAndKeepsTheLink)
{
    if (test::kOnWindows)
        GTEST_SKIP() << "symbolic links need a privilege on Windows";
    TempFolder folder;
    test::writeBytes(folder / "real.txt", "old");
    fs::create_symlink("real.txt", folder / "link.txt");
    ASSERT_FALSE(replaceFile((folder / "link.txt").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(readBytes(folder / "real.txt"), "new");
}

TEST(TextFile, FailuresNameThePathAndLeaveTheOldFileWhole)
{
    TempFolder folder;
    test::writeBytes(folder / "keep.txt", "old content");
    fs::create_directory(folder / "a folder.txt");
    const std::string tooLong = (folder / std::string(300, 'n')).string();
    for (const std::string& target : {(folder / "a folder.txt").string(), (folder / "gone" / "x.txt").string(),
                                      tooLong, (folder / "keep.txt" / "under a file.txt").string()}) {
        const auto error = replaceFile(target, "new content");
        ASSERT_TRUE(error) << target;
        EXPECT_NE(error->message.find(target), std::string::npos) << error->message;
    }
    EXPECT_EQ(readBytes(folder / "keep.txt"), "old content");
    EXPECT_EQ(test::entryCount(folder.path()), 2U) << "no temporary file is left behind";
}

TEST(TextFile, DeviceFilesAreNeverReplaced)
{
    if (test::kOnWindows)
        GTEST_SKIP() << "/dev/null is a POSIX device";
    // Renaming over a device as root would destroy it.
    const auto error = replaceFile("/dev/null", "text");
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("/dev/null"), std::string::npos);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(TextFile, ReadingReportsMissingFilesAndFolders)
{
    TempFolder folder;
    test::writeBytes(folder / "data.txt", std::string("a\0b\r\n", 5));
    const auto bytes = readFileBytes((folder / "data.txt").string());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes.value(), std::string("a\0b\r\n", 5));
    for (const fs::path& bad : {folder / "missing.txt", folder.path()}) {
        const auto failed = readFileBytes(bad.string());
        ASSERT_FALSE(failed);
        EXPECT_NE(failed.error().message.find(bad.string()), std::string::npos) << failed.error().message;
    }
}

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
} // namespace orvanta
