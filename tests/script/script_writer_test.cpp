#include "model/project_state.h"
#include "script/script_writer.h"
#include "support/lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvanta {
namespace {

using test::containsRun;
using test::linesOf;
using Lines = std::vector<std::string>;

std::size_t countOf(const Lines& lines, const std::string& line)
{
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(ScriptWriter, DefaultsGiveTheGoldenFile)
{
    EXPECT_EQ(scriptText(ProjectState::withDefaults()), test::readBytes(test::testData("golden/defaults/Script.txt")));
}

TEST(ScriptWriter, DefaultsGiveTheOptionSectionAndLevelSectionsAsDescribed)
{
    const Lines lines = linesOf(scriptText(ProjectState::withDefaults()));
    EXPECT_TRUE(containsRun(lines, {"[Options]", "", "LoadSave=\tENABLED", "Title=\t\tENABLED",
                                    "PlayAnyLevel=\tENABLED", "InputTimeout=\t18000", "FlyCheat=\tENABLED",
                                    "Security=\t$55", "DemoDisc=\tDISABLED", "", "[Title]",
                                    "LoadCamera=\t84246,-533,78233,81622,-1514,78208,40",
                                    "Level=\t\tDATA\\TITLE,104", "", "[Level]"}));
    EXPECT_TRUE(containsRun(lines, {"[Level]", "Name=\t\tPlayable Tutorial Level",
                                    "Legend=\t\tThe year 2000, somewhere in Egypt...", "Horizon=\tENABLED",
                                    "PuzzleCombo=\t3,1,Cartouche Piece 1,\t$0000,$0400,$0000,$0000,$0000,$0002"}));
    EXPECT_TRUE(containsRun(lines, {"Puzzle=\t\t8,The Hand Of Sirius,\t$0000,$0400,$8000,$c000,$0000,$0002", "",
                                    "LoadCamera=\t11088,-1100,28896,11119,-1399,31486,0",
                                    "Level=\t\tDATA\\TUT1,107", ""}));
    EXPECT_TRUE(containsRun(lines, {"Name=\t\tCoastal Ruins", "Horizon=\tENABLED", "ColAddHorizon=\tENABLED",
                                    "LensFlare=\t250000,-32000,110000,128,96,0"}));
    EXPECT_TRUE(containsRun(lines, {"Name=\t\tAngkor Wat", "Legend=\t\tCambodia, 1984", "Horizon=\tENABLED",
                                    "YoungLara=\tENABLED"}));
    EXPECT_EQ(countOf(lines, "[Level]"), 11U);
    EXPECT_EQ(lines.back(), "");
}

TEST(ScriptWriter, SwitchesWriteEnabledForZeroDisabledForOneAndNothingElse)
{
    ProjectState project = ProjectState::withDefaults();
    project.switches = {"1", "1", "", "yes", " 0"};
    project.inputTimeout = "";
    project.security = "abc";
    const Lines lines = linesOf(scriptText(project));
    EXPECT_TRUE(containsRun(lines, {"[Options]", "", "LoadSave=\tDISABLED", "Title=\tDISABLED",
                                    "InputTimeout=\t", "Security=\tabc", "", "[Title]"}));
}

TEST(ScriptWriter, LevelsFailingTheIncludeTestLeaveNoTrace)
{
    ProjectState project = ProjectState::withDefaults();
    project.level(2).levelData = "*,1,2";
    project.level(3).levelData = "*hi,1,2";
    const Lines lines = linesOf(scriptText(project));
    EXPECT_EQ(countOf(lines, "[Level]"), 9U);
    EXPECT_EQ(countOf(lines, "Name=\t\tThe Tomb Of Seth"), 0U);
    EXPECT_TRUE(containsRun(lines, {"Level=\t\tDATA\\TUT1,107", "", "[Level]", "Name=\t\tCoastal Ruins"}));

    for (int level = 1; level <= kLevelCount; ++level)
        project.level(level).levelData = "";
    const std::string text = scriptText(project);
    EXPECT_TRUE(text.ends_with("[Title]\r\nLoadCamera=\t84246,-533,78233,81622,-1514,78208,40\r\n"
                               "Level=\t\tDATA\\TITLE,104\r\n\r\n"));
}

TEST(ScriptWriter, OptionLinesFollowTheLettersOfTheStringUpToItsFirstComma)
{
    ProjectState project = ProjectState::withDefaults();
    const auto optionLinesOf = [&project](const std::string& levelData) {
        project.level(1).levelData = levelData;
        project.level(1).scriptPack = "PACK";
        const Lines lines = linesOf(scriptText(project));
        const auto name = std::find(lines.begin(), lines.end(), "Name=\t\tPlayable Tutorial Level");
        const auto pack = std::find(name, lines.end(), "PACK");
        return Lines(name + 1, pack);
    };
    EXPECT_EQ(optionLinesOf("*iftbhly,x,h"),
              (Lines{"LensFlare=\t250000,-32000,110000,128,96,0", "Train=\tENABLED", "ColAddHorizon=\tENABLED",
                     "Horizon=\tENABLED", "Lightning=\tENABLED", "YoungLara=\tENABLED"}));
    EXPECT_EQ(optionLinesOf("*ihh,"), (Lines{"Horizon=\tENABLED", "Horizon=\tENABLED"}));
    EXPECT_EQ(optionLinesOf("i"), Lines{});
    // Without a comma the scan stops before the last character.
    EXPECT_EQ(optionLinesOf("*ihb"), Lines{"Horizon=\tENABLED"});
    EXPECT_EQ(optionLinesOf("*iHX,1"), Lines{});
}

TEST(ScriptWriter, LevelEightAloneTakesTheSecondLegend)
{
    ProjectState project = ProjectState::withDefaults();
    project.firstLegend = "FIRST";
    project.secondLegend = "SECOND";
    for (int level = 1; level <= kLevelCount; ++level)
        project.level(level).levelData = "*ix,1";
    const Lines lines = linesOf(scriptText(project));
    EXPECT_EQ(countOf(lines, "Legend=\t\tFIRST"), 10U);
    EXPECT_TRUE(containsRun(lines, {"Name=\t\tAngkor Wat", "Legend=\t\tSECOND"}));
}

TEST(ScriptWriter, PacksAreSplicedVerbatim)
{
    ProjectState project = ProjectState::withDefaults();
    project.level(1).scriptPack = "";
    project.level(2).scriptPack = "Key=\t\t1,Silver Key,\t$0000";  // no final line break
    const std::string text = scriptText(project);
    EXPECT_NE(text.find("Horizon=\tENABLED\r\n\r\nLoadCamera=\t11088"), std::string::npos);
    EXPECT_NE(text.find("Name=\t\tThe Tomb Of Seth\r\nKey=\t\t1,Silver Key,\t$0000\r\nLoadCamera=\t87075"),
              std::string::npos);
}

TEST(ScriptWriter, TitleWritesOnlyItsCameraLabelWadAndTrack)
{
    ProjectState project = ProjectState::withDefaults();
    project.slot(1).levelData = "*ixhblyft,9,9,9";
    project.slot(1).levelName = "My Title";
    project.slot(1).cameraLabel = "1,2,3";
    project.slot(1).wadName = "MYTITLE";
    project.level(4).cameraLabel = "label camera";
    project.level(4).wadName = "not in the list";
    const Lines lines = linesOf(scriptText(project));
    EXPECT_TRUE(containsRun(lines, {"", "[Title]", "LoadCamera=\t1,2,3", "Level=\t\tDATA\\MYTITLE,104", "",
                                    "[Level]", "Name=\t\tPlayable Tutorial Level"}));
    EXPECT_EQ(countOf(lines, "Name=\t\tMy Title"), 0U);
    EXPECT_TRUE(containsRun(lines, {"LoadCamera=\tlabel camera", "Level=\t\tDATA\\not in the list,105"}));
}

} // namespace
} // namespace orvanta
