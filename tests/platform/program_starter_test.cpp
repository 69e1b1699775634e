#include "platform/program_starter.h"

#include "support/path_variable.h"
#include "support/stand_in_program.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramStarter, StartsTheProgramAloneWithoutArgumentsOrShell)
{
    TempFolder temp;
    // Spaces and shell characters in the path are part of the name, never interpreted.
    fs::create_directory(temp / "a folder; $(touch x)");
    const fs::path program = writeStandInProgram(temp / "a folder; $(touch x)" / "easy life.sh", temp / "ran");
    EXPECT_FALSE(platform::startProgram(program.string()).has_value());
    ASSERT_TRUE(waitForRecord(temp / "ran"));
    EXPECT_EQ(readBytes(temp / "ran"), "0\n");
    EXPECT_FALSE(fs::exists(temp / "x"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "x"));
}

TEST(ProgramStarter, ARelativePathNamesAFileOfTheCurrentFolder)
{
    TempFolder temp;
    fs::create_directory(temp / "bin");
    writeStandInProgram(temp / "bin" / "easy.sh", temp / "from-path");
    writeStandInProgram(temp / "easy.sh", temp / "from-folder");
    const PathVariable path((temp / "bin").string());
    const fs::path saved = fs::current_path();
    fs::current_path(temp.path());
    const auto error = platform::startProgram("easy.sh");
    fs::current_path(saved);
    EXPECT_FALSE(error.has_value());
    ASSERT_TRUE(waitForRecord(temp / "from-folder"));
    EXPECT_FALSE(fs::exists(temp / "from-path"));
}

TEST(ProgramStarter, NamesThePathOfWhatCannotBeStarted)
{
    TempFolder temp;
    writeBytes(temp / "plain.sh", "#!/bin/sh\n");
    struct Case {
        fs::path path;
        const char* reason;
    };
    for (const Case& c : {Case{temp / "missing.sh", "does not exist"}, Case{temp.path(), "folder"},
                          Case{temp / "plain.sh", "not executable"}, Case{fs::path(), "no program path"}}) {
        SCOPED_TRACE(c.path.string());
        const auto error = platform::startProgram(c.path.string());
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->message.find("\"" + c.path.string() + "\""), std::string::npos) << error->message;
        EXPECT_NE(error->message.find(c.reason), std::string::npos) << error->message;
    }
}

TEST(ProgramStarter, WindowsProgramsAreStartedWithWineFromThePath)
{
    TempFolder temp;
    fs::create_directory(temp / "bin");
    writeStandInProgram(temp / "bin" / "wine", temp / "wine-ran");
    const fs::path batch = temp / "Easy Life.BAT";
    writeBytes(batch, "@echo off\r\n");  // not executable itself: wine runs it
    {
        const PathVariable path((temp / "bin").string());
        EXPECT_FALSE(platform::startProgram(batch.string()).has_value());
    }
    ASSERT_TRUE(waitForRecord(temp / "wine-ran"));
    EXPECT_EQ(readBytes(temp / "wine-ran"), "1\n" + batch.string() + "\n");

    const PathVariable emptyPath((temp / "no-bin").string());
    const auto error = platform::startProgram(batch.string());
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->message.find("wine"), std::string::npos);
    EXPECT_NE(error->message.find(batch.string()), std::string::npos);
}

} // namespace
} // namespace orvanta::test
