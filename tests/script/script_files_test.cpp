#include "model/project_state.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_files.h"
#include "script/script_writer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

TEST(ScriptFiles, CompileWritesBothFilesIntoTheFolder)
{
    TempFolder folder;
    ProjectState project = ProjectState::withDefaults();
    project.level(1).levelName = "Renamed";
    ASSERT_FALSE(writeScriptFiles(project, folder.text()));
    EXPECT_EQ(readBytes(folder / "Script.txt"), scriptText(project));
    EXPECT_EQ(readBytes(folder / "English.txt"), englishText(project));

    // A folder text ending in a separator is joined unchanged and still found.
    ASSERT_FALSE(writeScriptFiles(ProjectState::withDefaults(), folder.text() + "\\"));
    EXPECT_EQ(readBytes(folder / "Script.txt"), scriptText(ProjectState::withDefaults()));
}

TEST(ScriptFiles, RestoreWritesTheStockFilesEachFollowedByALineEnd)
{
    TempFolder folder;
    test::writeBytes(folder / "Script.txt", "a much longer file than anything else in this test, to be replaced whole");
    ASSERT_FALSE(restoreStockFiles(folder.text()));
    EXPECT_EQ(readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(folder / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");
}

TEST(ScriptFiles, MissingFolderIsReportedByPathAndNothingIsWritten)
{
    TempFolder folder;
    const std::string missing = (folder / "no such folder").string();
    const auto error = writeScriptFiles(ProjectState::withDefaults(), missing);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find(missing + "\\Script.txt"), std::string::npos) << error->message;
    EXPECT_TRUE(restoreStockFiles(missing));
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
}

TEST(ScriptFiles, FailureOnTheSecondFileLeavesTheFirstUntouched)
{
    TempFolder folder;
    test::writeBytes(folder / "Script.txt", "old script");
    fs::create_directory(folder / "English.txt");  // in the way of the second file
    const auto error = writeScriptFiles(ProjectState::withDefaults(), folder.text());
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("English.txt"), std::string::npos) << error->message;
    EXPECT_EQ(readBytes(folder / "Script.txt"), "old script");
    EXPECT_EQ(test::entryCount(folder.path()), 2U)
        << "no temporary file is left behind";
}

} // namespace
} // namespace orvanta
