#include "model/project_state.h"
#include "platform/text_file.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/line_diff.h"
#include "script/script_files.h"
#include "script/script_writer.h"
#include "support/files.h"
#include "support/locked_file.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

TEST(ScriptFiles, CompileAndRestoreReplaceBothFilesAndNameAMissingFolder)
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
    EXPECT_NE(
        writeScriptFiles(ProjectState::withDefaults(), missing)
            .value()
            .message.find("\"" + (folder / "no such folder" / "Script.txt").string() + "\""),  // as the host names it
        std::string::npos);
}

TEST(ScriptFiles, BothFilesOrNeither)
{
    // English.txt is in the way from the start, or only once Script.txt is
    // replaced (Script.txt being new, or a file of two names, or in the way of
    // its old content too).
    enum Obstacle { Folder, LockedFirst, LockedBetween, NewLockedBetween, LinkedLockedBetween, BothLockedBetween };
    for (const Obstacle obstacle :
         {Folder, LockedFirst, LockedBetween, NewLockedBetween, LinkedLockedBetween, BothLockedBetween}) {
        TempFolder folder;
        const fs::path script = folder / "Script.txt", english = folder / "English.txt";
        if (obstacle != NewLockedBetween)
            writeBytes(script, "old script");
        if (obstacle == LinkedLockedBetween)
            fs::create_hard_link(script, folder / "second name");
        obstacle == Folder ? (void)fs::create_directories(english / "in the way") : writeBytes(english, "old");
        std::optional<LockedFile> lockedEnglish, lockedScript;
        if (obstacle == LockedFirst)
            lockedEnglish.emplace(english);
        const std::array<FileContents, 2> files{
            {{FileLocation::fromHostPath(script), "new script"}, {FileLocation::fromHostPath(english), "new"}}};
        const auto error = replaceFiles(files, [&] {
            if (obstacle >= LockedBetween)
                lockedEnglish.emplace(english);
            if (obstacle == BothLockedBetween)
                lockedScript.emplace(script);
        });
        if (lockedEnglish && !lockedEnglish->locked())
            GTEST_SKIP() << "locking a file takes root";
        lockedEnglish.reset();
        lockedScript.reset();
        ASSERT_TRUE(error) << obstacle;
        EXPECT_NE(error->message.find(english.string() + "\": "), std::string::npos) << error->message;
        EXPECT_EQ(error->message.find("; \"" + script.string() + "\" was replaced all the same") != std::string::npos,
                  obstacle == BothLockedBetween)
            << error->message;
        const char* scriptAfter[] = {"old script", "old script", "old script", "none", "old script", "new script"};
        EXPECT_EQ(fs::exists(script) ? readBytes(script) : "none", scriptAfter[obstacle]);
        EXPECT_TRUE(obstacle != LinkedLockedBetween || readBytes(folder / "second name") == "old script");
        EXPECT_TRUE(obstacle == Folder || readBytes(english) == "old");
        EXPECT_EQ(entryCount(folder.path()), 2U - (obstacle == NewLockedBetween) + (obstacle == LinkedLockedBetween))
            << "no temporary file is left behind";
    }
}

TEST(LineDiff, GivesTheLinesThatDifferAlongTheLongestCommonLines)
{
    const std::array<const char*, 3> cases[] = {
        // before, after, the hunks as "old,new -removed +added"
        {"a\r\nb\r\nc\r\n", "a\nb\nc\n", ""},
        {"a\nb\nc\nd\n", "a\nB\nc\nD\ne\n", "2,2 -b +B|4,4 -d +D +e|"},
        {"x\na\nb\n", "a\nb\ny\n", "1,1 -x|4,3 +y|"},
        {"", "a\n", "1,1 +a|"},
        {"a\nb\nc\n", "c\nb\na\n", "1,1 -a -b|4,2 +b +a|"},
    };
    for (const auto& [before, after, expected] : cases) {
        std::string shown;
        for (const DiffHunk& hunk : lineDiff(before, after)) {
            shown += std::to_string(hunk.oldLine) + ',' + std::to_string(hunk.newLine);
            for (const std::string_view line : hunk.removed)
                shown += " -" + std::string(line);
            for (const std::string_view line : hunk.added)
                shown += " +" + std::string(line);
            shown += '|';
        }
        EXPECT_EQ(shown, expected) << before << " to " << after;
    }
}

}  // namespace
}  // namespace orvanta::test
