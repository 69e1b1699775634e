#include "platform/text_file.h"
#include "platform/windows1252.h"
#include "support/files.h"
#include "support/system.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

std::wstring wideOf(std::string_view text)
{
    std::wstring wide;
    for (const char c : text)
        wide += static_cast<wchar_t>(windows1252::toUnicode(static_cast<unsigned char>(c)));
    return wide;
}

TEST(WindowsPath, DrivePathTextsReachTheFilesTheyMean)
{
    if (!test::kOnWindows)
        GTEST_SKIP() << "drive paths name Windows drives; on Linux they map into the Wine prefix (HostPath tests)";
    test::TempFolder folder;
    ASSERT_EQ(folder.text().substr(1, 2), ":\\");
    std::string everyHighByte;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        everyHighByte += static_cast<char>(byte);
    for (const std::string& name : {std::string("caf\xE9.txt"), std::string("\x80 100.txt"), everyHighByte}) {
        const std::string text = folder.text() + "\\" + name;
        ASSERT_FALSE(replaceFile(FileLocation::fromPathText(text), name));
        EXPECT_EQ(test::readBytes(folder.path() / wideOf(name)), name);
        const auto bytes = readFileBytes(FileLocation::fromPathText(text));
        ASSERT_TRUE(bytes) << bytes.error().message;
        EXPECT_EQ(bytes.value(), name);
    }
    EXPECT_EQ(test::entryCount(folder.path()), 3U);

    // The system's own text for the failure follows the path as typed, on one line.
    const std::string missing = folder.text() + "\\missing\xE9.txt";
    const auto failed = readFileBytes(FileLocation::fromPathText(missing));
    ASSERT_FALSE(failed);
    const std::string prefix = "Cannot read \"" + windows1252::toUtf8(missing) + "\": ";
    const std::string& message = failed.error().message;
    ASSERT_TRUE(message.starts_with(prefix)) << message;
    const std::string reason = message.substr(prefix.size());
    EXPECT_NE(reason, "");
    EXPECT_TRUE(std::none_of(reason.begin(), reason.end(), [](char c) { return std::iscntrl(c); })) << reason;
    EXPECT_FALSE(reason.starts_with("Windows error")) << reason;
}

}  // namespace
}  // namespace orvanta
