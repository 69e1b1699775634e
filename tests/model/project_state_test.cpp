#include "model/field_names.h"
#include "model/project_state.h"
#include "resources/stock_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace orvanta {
namespace {

TEST(ProjectDefaults, TitleAndLastRowAndEveryCameraLabelMatchItsLevelData)
{
    const ProjectState project = ProjectState::withDefaults();
    EXPECT_EQ(project.slot(1).levelName, "Title Load Screen");
    EXPECT_EQ(project.slot(1).wadName, "TITLE");
    EXPECT_EQ(project.slot(1).audioTrack, "104");
    EXPECT_EQ(project.slot(1).cameraLabel, "84246,-533,78233,81622,-1514,78208,40");
    EXPECT_TRUE(project.slot(1).scriptPack.empty());
    EXPECT_EQ(project.slot(12).levelName, "New City");
    EXPECT_EQ(project.slot(12).wadName, "NEWCITY");
    EXPECT_EQ(project.level(8).levelData, "*ixhy,7835,-569,88960,5000,-323,88346,20");
    for (int k = 1; k <= kSlotCount; ++k) {
        const LevelSlot& slot = project.slot(k);
        EXPECT_EQ(slot.wadName, kWadList[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ("*" + slot.levelData.substr(slot.levelData.find(',')), "*," + slot.cameraLabel);
    }
}

TEST(ProjectDefaults, GameWideFieldsAndPaths)
{
    const ProjectState project = ProjectState::withDefaults();
    EXPECT_EQ(project.switches, (std::array<std::string, 5>{"0", "0", "0", "0", "1"}));
    EXPECT_EQ(project.inputTimeout, "18000");
    EXPECT_EQ(project.security, "$55");
    EXPECT_EQ(project.firstLegend, "The year 2000, somewhere in Egypt...");
    EXPECT_EQ(project.secondLegend, "Cambodia, 1984");
    EXPECT_EQ(project.scriptFolder, "C:\\Program Files\\Core Design\\trle\\Script");
    EXPECT_EQ(project.easylifeLocation, "C:\\Easylife.bat");
    EXPECT_EQ(project.level(7).scriptPack, project.level(11).scriptPack);
}

TEST(FieldNames, MapTheControlNamesToTheirSlotsAndBlocks)
{
    ProjectState project = ProjectState::withDefaults();
    EXPECT_EQ(*findField(project, "Text12"), "Title Load Screen");
    EXPECT_EQ(*findField(project, "Text1"), "Playable Tutorial Level");
    EXPECT_EQ(*findField(project, "Text11"), "New City");
    EXPECT_EQ(findField(project, "Text23"), &project.level(1).scriptPack);
    EXPECT_EQ(findField(project, "Text13"), &project.level(11).scriptPack);
    EXPECT_EQ(findField(project, "Text16"), &project.level(8).scriptPack);
    EXPECT_EQ(findField(project, "Combo1"), &project.slot(1).wadName);
    EXPECT_EQ(findField(project, "sound12"), &project.slot(12).audioTrack);
    EXPECT_EQ(findField(project, "Label9"), &project.slot(9).cameraLabel);
    EXPECT_EQ(findField(project, "data2"), &project.slot(2).levelData);
    EXPECT_EQ(findField(project, "switch5"), &project.switches[4]);
    EXPECT_EQ(findField(project, "Text24"), &project.scriptHeader);
    EXPECT_EQ(findField(project, "Text30"), &project.compileToFolder);
    EXPECT_EQ(findField(project, "text1"), nullptr);
    EXPECT_EQ(findField(project, "Combo13"), nullptr);
    EXPECT_EQ(findFixedText("englishbox"), resources::stockEnglish());
    EXPECT_FALSE(findFixedText("Text1"));

    // Every name is distinct and reaches a distinct field.
    const auto& names = fieldNames();
    std::set<const std::string*> fields;
    for (const std::string& name : names)
        fields.insert(findField(project, name));
    EXPECT_EQ(names.size(), 30U + 4 * 12 + 5 + 2);
    EXPECT_EQ(fields.size(), names.size());
}

} // namespace
} // namespace orvanta
