// Windows-1252 text in every box that feeds a file: 8-bit characters are shown and written
// back as they were, and a character the code page cannot hold is shown and written as "?".
#include "support/main_window_test.h"
#include "ui/folder_chooser.h"

#include <QPlainTextEdit>
#include <algorithm>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

TEST_F(MainWindowTest, EveryBoxKeepsTheEightBitCharactersAndShowsAndWritesOthersAsQuestionMarks)
{
    ProjectState& project = window.project();
    project.scriptFolder = (temp / "out").string();
    project.easylifeLocation = (temp / "easy").string();
    for (std::string* field :
         {&project.slot(1).levelName, &project.slot(1).wadName, &project.slot(1).levelData, &project.firstLegend,
          &project.secondLegend, &project.inputTimeout, &project.security, &project.level(1).scriptPack,
          &project.inventoryItems, &project.scriptFolder, &project.easylifeLocation})
        *field += "\xE9\x80";  // shown as "é€"
    fs::create_directory(temp / "out\u00e9\u20ac??");
    writeStandInProgram(temp / "easy\u00e9\u20ac??", compilerRecord(), {temp / "out\u00e9\u20ac??"});
    window.refreshRowsFromProject();
    std::vector<QWidget*> boxes{nameBox(1),
                                wadBox(1)->lineEdit(),
                                child(open("Command1", "Form2"), "Text3"),
                                child(open("set", "Form11"), "Text1"),
                                child(opened("Form11"), "Text2"),
                                child(open("Label2", "Form4"), "Text1"),
                                child(opened("Form4"), "Text2")};
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        boxes.push_back(child(open("properties", "Form7"), name));
    for (QWidget* box : boxes) {
        auto* line = qobject_cast<QLineEdit*>(box);
        auto* lines = qobject_cast<QPlainTextEdit*>(box);
        line ? line->end(false) : lines->moveCursor(QTextCursor::End);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("\u0141"), Qt::NoModifier);
        // U+0081 stands for a byte the code page leaves undefined; pasted, as no key gives it.
        line ? line->insert(QStringLiteral("\u0081")) : lines->insertPlainText(QStringLiteral("\u0081"));
        EXPECT_TRUE((line ? line->text() : lines->toPlainText()).endsWith(QStringLiteral("\u00e9\u20ac??")))
            << box->objectName().toStdString();
    }
    for (const char* form : {"Form11", "Form4", "Form2", "Form7"})
        click(opened(form), "Command1");
    compile();
    entry("Save")->trigger();
    opened("Form8")->findChild<ui::FolderChooser*>()->openFolder(QString::fromStdString(temp.text()));
    retype(child(opened("Form8"), "Text1"), QStringLiteral("typed\u0141"));
    click(opened("Form8"), "Command1");
    for (const fs::path& file : {temp / "out\u00e9\u20ac??" / "Script.txt", temp / "out\u00e9\u20ac??" / "English.txt",
                                 temp / "typed\u0141.txt"}) {  // a host file name keeps its characters
        const std::string bytes = readBytes(file);
        EXPECT_NE(bytes.find("\xE9\x80??\r\n"), std::string::npos) << file;
        EXPECT_TRUE(std::none_of(bytes.begin(), bytes.end(), [](char c) {
            return std::string_view("\x81\x8D\x8F\x90\x9D").find(c) != std::string_view::npos;
        }));
    }
}

}  // namespace
}  // namespace orvanta::test
