#include "model/project_state.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_files.h"
#include "script/script_writer.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace orvanta::test {
namespace {

TEST(ScriptFiles, CompileAndRestoreReplaceBothFilesOrNeitherNamingThePath)
{
    test::TempFolder folder;
    test::writeBytes(folder / "Script.txt", std::string(20000, 'o'));
    ASSERT_FALSE(writeScriptFiles(ProjectState::withDefaults(), folder.text()));
    EXPECT_EQ(readBytes(folder / "Script.txt"), scriptText(ProjectState::withDefaults()));
    EXPECT_EQ(readBytes(folder / "English.txt"), englishText(ProjectState::withDefaults()));
    ASSERT_FALSE(restoreStockFiles(folder.text() + "\\"));  // a separator at the end still names the folder
    EXPECT_EQ(readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(folder / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");

    const std::string missing = (folder / "no such folder").string();
    EXPECT_NE(writeScriptFiles(ProjectState::withDefaults(), missing).value().message.find("\"" + missing + "\\Script.txt\""),
              std::string::npos);
    std::filesystem::remove(folder / "English.txt");
    std::filesystem::create_directory(folder / "English.txt");  // in the way of the second file
    const auto error = writeScriptFiles(ProjectState::withDefaults(), folder.text());
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("English.txt\""), std::string::npos) << error->message;
    EXPECT_EQ(readBytes(folder / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(test::entryCount(folder.path()), 2U) << "no temporary file is left behind";
}

} // namespace
} // namespace orvanta::test
