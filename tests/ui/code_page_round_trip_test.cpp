// Windows-1252 text through the whole desktop program: a project file holding
// every character the code page defines comes back from the windows byte for
// byte, and a character the code page cannot hold, typed into any box that
// feeds the project, shows and is stored as "?", never as some other byte.
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "support/mouse_and_keys.h"
#include "ui/main_window_fixture.h"
#include "ui/project_dialog_support.h"
#include "ui/project_file_chooser.h"
#include "ui/text_conversion.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <algorithm>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

constexpr unsigned char kUndefinedBytes[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
/// Ł is outside the code page; U+0081 stands for one of its undefined bytes.
const QString kOutside = QStringLiteral("\u0141\u0081");
const QString kShownForOutside = QStringLiteral("??");
const QString kUndefinedControl = QStringLiteral("\u0081");

bool isUndefined(unsigned char byte)
{
    return std::find(std::begin(kUndefinedBytes), std::end(kUndefinedBytes), byte) != std::end(kUndefinedBytes);
}

/// Every byte from 0x20 to 0xFF the code page gives a character.
std::string definedBytes()
{
    std::string bytes;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (!isUndefined(static_cast<unsigned char>(byte)))
            bytes += static_cast<char>(byte);
    }
    return bytes;
}

/// The open window of that name.
QWidget* openWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QString::fromLatin1(name))
            return window;
    }
    ADD_FAILURE() << "no open window " << name;
    return nullptr;
}

template <typename Widget = QLineEdit>
Widget* in(QWidget* window, const char* name)
{
    return child<Widget>(window, name);
}

void press(QWidget* window, const char* button)
{
    QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// Edits a box without changing it, so that it stores what it shows.
void touch(QLineEdit* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_X);
    QTest::keyClick(box, Qt::Key_Backspace);
}

/// Types Ł at the end of a box and pastes U+0081 after it (keys never give a
/// control character), then checks what the box shows for them.
void typeOutside(QWidget* box)
{
    box->setFocus();
    QString shown;
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->end(false);
        typeText(box, kOutside.left(1));
        line->insert(kUndefinedControl);
        shown = line->text();
    } else {
        auto* edit = qobject_cast<QPlainTextEdit*>(box);
        edit->moveCursor(QTextCursor::End);
        typeText(box, kOutside.left(1));
        edit->insertPlainText(kUndefinedControl);
        shown = edit->toPlainText();
    }
    EXPECT_TRUE(shown.endsWith(kShownForOutside)) << box->objectName().toStdString() << ": " << shown.toStdString();
}

/// Names a project file in Form8 or Form12, in `folder`, and presses Ok.
/// `name` is typed; `pasted` is pasted after it.
void chooseProjectFile(const char* form, const fs::path& folder, const QString& name, const QString& pasted = {})
{
    QWidget* dialog = openWindow(form);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<ui::ProjectFileChooser*>()->setCurrentFolder(qtext(folder));
    QLineEdit* box = in(dialog, "Text1");
    box->clear();
    typeText(box, name);
    box->insert(pasted);
    EXPECT_EQ(box->text(), ui::replaceUnrepresentable(name + pasted));
    press(dialog, "Command1");
}

QString levelNameBox(int slot) { return slot == 1 ? QStringLiteral("Text12") : QStringLiteral("Text%1").arg(slot - 1); }

class CodePageTest : public MainWindowTest {
protected:
    QLineEdit* rowName(int slot) const { return window.findChild<QLineEdit*>(levelNameBox(slot)); }
    QLineEdit* rowWad(int slot) const
    {
        return window.findChild<QComboBox*>(QStringLiteral("Combo%1").arg(slot))->lineEdit();
    }

    FakeWinePrefix prefix_{kScriptFolder};
};

TEST_F(CodePageTest, EveryDefinedByteComesBackFromTheWindowsUnchanged)
{
    const std::string all = definedBytes();
    ASSERT_EQ(all.size(), 224u - 5u);
    ProjectState source = ProjectState::withDefaults();
    for (int k = 1; k <= kSlotCount; ++k) {
        // Rotated, so that every slot differs and each byte starts a field once.
        source.slot(k).levelName = all.substr(k) + all.substr(0, k);
        source.slot(k).wadName = all.substr(all.size() - k) + all.substr(0, all.size() - k);
    }
    source.firstLegend = all;
    source.secondLegend = std::string(all.rbegin(), all.rend());
    source.scriptFolder = "C:\\" + all;
    source.easylifeLocation = all + ".bat";
    ASSERT_FALSE(saveProjectFile(source, (temp / "every byte.txt").string()).has_value());
    const std::string fileBytes = readBytes(temp / "every byte.txt");
    ProjectState expected = window.project();  // with what no project file carries
    ASSERT_EQ(readProjectText(fileBytes, expected).status, LoadStatus::Loaded);

    entry("Load")->trigger();
    chooseProjectFile("Form12", temp.path(), QStringLiteral("every byte"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Script file loaded!")});
    EXPECT_EQ(window.project(), expected);

    // Every box shows its field and, edited, stores just what it shows.
    for (int k = 1; k <= kSlotCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(rowName(k)->text(), ui::toDisplayText(expected.slot(k).levelName));
        EXPECT_EQ(rowWad(k)->text(), ui::toDisplayText(expected.slot(k).wadName));
        touch(rowName(k));
        touch(rowWad(k));
    }
    entry("properties")->trigger();
    QWidget* game = openWindow("Form7");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(in(game, "Text3")->text(), ui::toDisplayText(all));
    touch(in(game, "Text3"));
    touch(in(game, "Text4"));
    press(game, "Command1");
    entry("set")->trigger();
    QWidget* settings = openWindow("Form11");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(in(settings, "Text1")->text(), ui::toDisplayText(source.scriptFolder));
    EXPECT_EQ(in(settings, "Text2")->text(), ui::toDisplayText(source.easylifeLocation));
    touch(in(settings, "Text1"));
    touch(in(settings, "Text2"));
    press(settings, "Command1");
    EXPECT_EQ(window.project(), expected);

    entry("Save")->trigger();
    chooseProjectFile("Form8", temp.path(), QStringLiteral("saved again"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("File saved successfully!"));
    EXPECT_EQ(readBytes(temp / "saved again.txt"), fileBytes);
}

TEST_F(CodePageTest, TypedCharactersOutsideTheCodePageReachEveryFileAsQuestionMarks)
{
    useTemporaryFolders();
    fs::create_directory(temp / "out??");
    writeStandInProgram(temp / "easylife.sh??", compilerRecord());

    typeOutside(rowName(1));
    typeOutside(rowWad(1));

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QWidget* level = openWindow("Form2");
    ASSERT_NE(level, nullptr);
    typeOutside(in(level, "Text3"));
    press(level, "Command1");

    entry("properties")->trigger();
    QWidget* game = openWindow("Form7");
    ASSERT_NE(game, nullptr);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"})
        typeOutside(in(game, box));
    press(game, "Command1");

    entry("set")->trigger();
    QWidget* settings = openWindow("Form11");
    ASSERT_NE(settings, nullptr);
    in(settings, "Text1")->setText(qtext(temp / "out"));
    typeOutside(in(settings, "Text1"));
    typeOutside(in(settings, "Text2"));
    press(settings, "Command1");

    entry("scriptpacks")->trigger();
    QWidget* browser = openWindow("Form3");
    ASSERT_NE(browser, nullptr);
    doubleClick(in<QWidget>(browser, "Label2"));
    QWidget* pack = openWindow("Form4");
    ASSERT_NE(pack, nullptr);
    typeOutside(in<QPlainTextEdit>(pack, "Text1"));
    typeOutside(in<QPlainTextEdit>(pack, "Text2"));
    press(pack, "Command1");

    const ProjectState& project = window.project();
    EXPECT_EQ(project.slot(1).levelName.substr(project.slot(1).levelName.size() - 2), "??");
    EXPECT_EQ(project.firstLegend.substr(project.firstLegend.size() - 2), "??");
    EXPECT_EQ(project.scriptFolder, (temp / "out??").string());
    EXPECT_EQ(project.inventoryItems.substr(project.inventoryItems.size() - 2), "??");

    entry("begin")->trigger();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("DAT files rewritten - Script Files Compiled!"));
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    entry("Save")->trigger();
    chooseProjectFile("Form8", temp.path(), QStringLiteral("typed") + kOutside.left(1), kUndefinedControl);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("File saved successfully!"));
    const ProjectState saved = project;
    entry("Load")->trigger();
    chooseProjectFile("Form12", temp.path(), QStringLiteral("typed") + kOutside.left(1), kUndefinedControl);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Script file loaded!"));
    EXPECT_EQ(window.project(), saved);

    for (const fs::path& file : {temp / "out??" / "Script.txt", temp / "out??" / "English.txt", temp / "typed??.txt"}) {
        SCOPED_TRACE(file.string());
        const std::string bytes = readBytes(file);
        EXPECT_NE(bytes.find("??"), std::string::npos);
        EXPECT_TRUE(std::none_of(bytes.begin(), bytes.end(), [](char c) { return isUndefined(static_cast<unsigned char>(c)); }));
    }
}

} // namespace
} // namespace orvanta::test
