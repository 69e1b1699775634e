#include "model/field.h"

#include <gtest/gtest.h>
#include <set>

namespace orvanta {
namespace {

// The one table of fields: each control name names one field, each field
// holds one text of the project, in the window and slot it shows in.
TEST(Fields, EachControlNamesOneFieldOfTheProject)
{
    ProjectState p = ProjectState::withDefaults();
    struct Case {
        const char* control;
        const std::string* text;
        FieldWindow window;
        int slot, pack;
    };
    const Case cases[] = {
        {"Text12", &p.slot(1).levelName, FieldWindow::MainWindow, 1, 0},
        {"Text1", &p.level(1).levelName, FieldWindow::MainWindow, 2, 0},
        {"Text11", &p.level(11).levelName, FieldWindow::MainWindow, 12, 0},
        {"Text23", &p.level(1).scriptPack, FieldWindow::ScriptPackEditor, 2, 2},
        {"Text13", &p.level(11).scriptPack, FieldWindow::ScriptPackEditor, 12, 12},
        {"Text24", &p.scriptHeader, FieldWindow::ScriptPackEditor, 0, 1},
        {"Text25", &p.inventoryItems, FieldWindow::ScriptPackEditor, 0, 0},
        {"Text26", &p.firstLegend, FieldWindow::GameProperties, 0, 0},
        {"Text27", &p.secondLegend, FieldWindow::GameProperties, 0, 0},
        {"Text28", &p.scriptFolder, FieldWindow::Settings, 0, 0},
        {"Text29", &p.easylifeLocation, FieldWindow::Settings, 0, 0},
        {"Text30", &p.compileToFolder, FieldWindow::MainWindow, 0, 0},
        {"Combo1", &p.slot(1).wadName, FieldWindow::MainWindow, 1, 0},
        {"sound12", &p.slot(12).audioTrack, FieldWindow::LevelProperties, 12, 0},
        {"Label9", &p.slot(9).cameraLabel, FieldWindow::LevelProperties, 9, 0},
        {"data2", &p.slot(2).levelData, FieldWindow::LevelProperties, 2, 0},
        {"switch1", &p.switches[0], FieldWindow::GameProperties, 0, 0},
        {"switch5", &p.switches[4], FieldWindow::GameProperties, 0, 0},
        {"inputtimeout", &p.inputTimeout, FieldWindow::GameProperties, 0, 0},
        {"security", &p.security, FieldWindow::GameProperties, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const std::optional<Field> field = fieldNamed(c.control);
        ASSERT_TRUE(field.has_value());
        EXPECT_EQ(&fieldText(p, *field), c.text);
        EXPECT_EQ(field->control(), c.control);
        EXPECT_EQ(field->window(), c.window);
        EXPECT_EQ(field->slot(), c.slot);
        EXPECT_EQ(field->pack(), c.pack);
        EXPECT_EQ(field->holdsLines(), field->pack() > 0 || field->kind() == FieldKind::InventoryItems);
    }
    for (const char* none : {"text1", "Combo13", "Text31", "switch6", ""})
        EXPECT_FALSE(fieldNamed(none)) << none;
    std::set<const std::string*> texts;
    for (const Field field : allFields())
        texts.insert(&fieldText(p, field));
    EXPECT_EQ(texts.size(), 30U + 4 * 12 + 5 + 2);
    EXPECT_EQ(allFields().size(), texts.size());
    EXPECT_THROW(Field::pack(13), std::out_of_range);
    EXPECT_THROW(Field::levelName(0), std::out_of_range);
    EXPECT_EQ(fieldLabel(p, Field::cameraLabel(9)), "Angkor Wat load camera");
    p.slot(9).levelName.clear();
    EXPECT_EQ(fieldLabel(p, Field::cameraLabel(9)), "Level 8 load camera");
    EXPECT_EQ(fieldLabel(p, Field::pack(11)), "Guard Pack");
}

}  // namespace
}  // namespace orvanta
