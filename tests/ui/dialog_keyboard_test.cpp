// Every window works from the keyboard: Tab walks the controls in a sensible
// order, Enter presses the default button, Escape cancels or closes, and the
// text boxes keep their standard editing keys although the main window's menu
// uses the same keys.
#include "projectfile/project_file_writer.h"
#include "script/script_writer.h"
#include "ui/dialog_test_support.h"
#include "ui/main_window_fixture.h"
#include "ui/project_dialog_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

class DialogKeyboardTest : public MainWindowTest {
protected:
    /// Chooses a menu entry and returns the window it opened.
    QWidget* open(const char* menuEntry, const char* windowName)
    {
        entry(menuEntry)->trigger();
        return find(windowName);
    }

    /// Where a key typed into the window lands.
    static QWidget* focusOf(QWidget* window)
    {
        QWidget* focus = window->focusWidget();
        return focus != nullptr ? focus : window;
    }

    /// Whether the window named was closed and destroyed.
    bool gone(const char* windowName) const
    {
        destroyClosedWindows();
        return window.findChild<QWidget*>(QString::fromLatin1(windowName)) == nullptr;
    }

    /// The controls of `area` that Tab reaches from `start`, in order.
    static std::vector<std::string> tabOrderFrom(QWidget* start, const QWidget* area = nullptr)
    {
        if (area == nullptr)
            area = start->window();
        std::vector<std::string> names;
        QWidget* widget = start;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(start->window())
                && area->isAncestorOf(widget))
                names.push_back(widget->objectName().toStdString());
            widget = widget->nextInFocusChain();
        } while (widget != start);
        return names;
    }

    /// Opens the script pack editor on the "City Pack", which opens on one click.
    QWidget* openPackEditor()
    {
        QWidget* browser = open("scriptpacks", "Form3");
        QTest::mouseClick(controlOf<QLabel>(browser, "Label8"), Qt::LeftButton);
        return find("Form4");
    }
};

TEST_F(DialogKeyboardTest, EscapeClosesTheWindowsWithoutCancel)
{
    for (auto [menuEntry, name] : {std::pair{"about", "Form5"}, std::pair{"readme", "Form6"},
                                   std::pair{"properties", "Form7"}, std::pair{"scriptpacks", "Form3"}}) {
        SCOPED_TRACE(name);
        QWidget* opened = open(menuEntry, name);
        ASSERT_NE(opened, nullptr);
        QTest::keyClick(focusOf(opened), Qt::Key_Escape);
        EXPECT_TRUE(gone(name));
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(DialogKeyboardTest, EnterPressesOkInTheAboutReadmeAndGameProperties)
{
    QWidget* about = open("about", "Form5");
    QTest::keyClick(focusOf(about), Qt::Key_Return);
    EXPECT_TRUE(gone("Form5"));

    QWidget* readme = open("readme", "Form6");
    QTest::keyClick(controlOf<QPlainTextEdit>(readme, "Text1"), Qt::Key_Enter);
    EXPECT_TRUE(gone("Form6"));

    // The typed time-out is stored as it is typed; Enter closes with it.
    QWidget* game = open("properties", "Form7");
    auto* timeOut = controlOf<QLineEdit>(game, "Text1");
    timeOut->setFocus();
    timeOut->selectAll();
    QTest::keyClicks(timeOut, QStringLiteral("900"));
    QTest::keyClick(timeOut, Qt::Key_Return);
    EXPECT_TRUE(gone("Form7"));
    EXPECT_EQ(window.project().inputTimeout, "900");
}

TEST_F(DialogKeyboardTest, GamePropertiesSwitchesAreReachedByTabAndToggledBySpace)
{
    QWidget* game = open("properties", "Form7");
    QWidget* first = controlOf<QWidget>(game, "Image1");
    EXPECT_EQ(tabOrderFrom(first), (std::vector<std::string>{"Image1", "Image2", "Image3", "Image4", "Image5", "Text1",
                                                   "Text2", "Text3", "Text4", "Command1"}));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(window.project().switches[0], "1");
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(window.project().switches[0], "0");
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_TRUE(gone("Form7"));
}

TEST_F(DialogKeyboardTest, SettingsEnterAppliesAndEscapeCancels)
{
    const std::string defaultFolder = window.project().scriptFolder;
    QWidget* settings = open("set", "Form11");
    auto* folder = controlOf<QLineEdit>(settings, "Text1");
    EXPECT_EQ(tabOrderFrom(folder), (std::vector<std::string>{"Text1", "Text2", "Command1", "Command2"}));
    retype(folder, QStringLiteral("D:\\Scripts"));
    QTest::keyClick(folder, Qt::Key_Escape);
    EXPECT_TRUE(gone("Form11"));
    EXPECT_EQ(window.project().scriptFolder, defaultFolder);

    settings = open("set", "Form11");
    folder = controlOf<QLineEdit>(settings, "Text1");
    retype(folder, QStringLiteral("D:\\Scripts"));
    QTest::keyClick(controlOf<QLineEdit>(settings, "Text2"), Qt::Key_Return);
    EXPECT_TRUE(gone("Form11"));
    EXPECT_EQ(window.project().scriptFolder, "D:\\Scripts");

    // Enter on the focused "Cancel" is Cancel, not the default "Apply".
    settings = open("set", "Form11");
    retype(controlOf<QLineEdit>(settings, "Text1"), QStringLiteral("E:\\Other"));
    auto* cancel = controlOf<QPushButton>(settings, "Command2");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_TRUE(gone("Form11"));
    EXPECT_EQ(window.project().scriptFolder, "D:\\Scripts");
}

TEST_F(DialogKeyboardTest, LevelPropertiesEnterAppliesFromAnOptionBox)
{
    const ProjectState before = window.project();
    QTest::mouseClick(find<QPushButton>("Command3"), Qt::LeftButton);
    QWidget* dialog = find("Form2");
    auto* horizon = controlOf<QWidget>(dialog, "Check1");
    ASSERT_EQ(dialog->focusWidget(), horizon);
    QTest::keyClick(horizon, Qt::Key_Space);  // toggles Horizon
    QTest::keyClick(horizon, Qt::Key_Return);
    EXPECT_TRUE(gone("Form2"));
    EXPECT_NE(window.project(), before);
}

TEST_F(DialogKeyboardTest, PackEditorEnterIsANewLineInTheBoxesAndPressesTheFocusedButton)
{
    const ProjectState before = window.project();
    QWidget* editor = openPackEditor();
    auto* pack = controlOf<QPlainTextEdit>(editor, "Text1");
    pack->setFocus();
    QTest::keyClick(pack, Qt::Key_Return);
    EXPECT_FALSE(gone("Form4")) << "Enter in the pack box is a new line";
    auto* cancel = controlOf<QPushButton>(editor, "Command2");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_TRUE(gone("Form4"));
    EXPECT_EQ(window.project(), before);

    editor = openPackEditor();
    pack = controlOf<QPlainTextEdit>(editor, "Text1");
    pack->setFocus();
    QTest::keyClick(pack, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(pack, QStringLiteral("; mine"));
    QTest::keyClick(pack, Qt::Key_Return);
    auto* apply = controlOf<QPushButton>(editor, "Command1");
    EXPECT_TRUE(apply->isDefault());
    apply->setFocus();
    QTest::keyClick(apply, Qt::Key_Enter);
    EXPECT_TRUE(gone("Form4"));
    EXPECT_NE(scriptText(window.project()).find("\r\n; mine\r\n"), std::string::npos);
}

TEST_F(DialogKeyboardTest, CompileToPanelEnterCompilesAndEscapeCancels)
{
    auto* panel = find("Frame1");
    auto* target = find<QLineEdit>("Text30");
    entry("ctoo")->trigger();
    EXPECT_EQ(tabOrderFrom(find("Drive1"), panel), (std::vector<std::string>{"Drive1", "Dir1", "Text30", "Command13", "Command14"}));
    retype(target, QString::fromStdString(temp.text()));
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
    EXPECT_TRUE(window.isVisible());

    entry("ctoo")->trigger();
    retype(target, QString::fromStdString(temp.text()));
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(fs::exists(temp / "Script.txt"));
    EXPECT_TRUE(fs::exists(temp / "English.txt"));

    // Enter on the focused "Cancel" cancels.
    fs::remove(temp / "Script.txt");
    entry("ctoo")->trigger();
    auto* cancel = find<QPushButton>("Command14");
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DialogKeyboardTest, TextBoxesKeepCutAndSelectAllInEveryWindow)
{
    entry("ctoo")->trigger();
    QWidget* game = open("properties", "Form7");
    QWidget* settings = open("set", "Form11");
    QTest::mouseClick(find<QPushButton>("Command5"), Qt::LeftButton);
    QWidget* level = find("Form2");
    const QList<QLineEdit*> boxes{find<QLineEdit>("Text30"), controlOf<QLineEdit>(game, "Text3"),
                                  controlOf<QLineEdit>(settings, "Text2"), controlOf<QLineEdit>(level, "Text3")};
    for (QLineEdit* box : boxes) {
        SCOPED_TRACE(box->window()->objectName().toStdString() + " " + box->objectName().toStdString());
        box->window()->activateWindow();
        box->setFocus();
        box->setCursorPosition(0);
        const QString text = box->text();
        ASSERT_FALSE(text.isEmpty());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(box->selectedText(), text);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(QApplication::clipboard()->text(), text);
    }
    EXPECT_TRUE(window.isVisible()) << "Ctrl+X is not Quit in a text box";
    EXPECT_TRUE(gone("Form5")) << "Ctrl+A is not About in a text box";

    QWidget* editor = openPackEditor();
    auto* pack = controlOf<QPlainTextEdit>(editor, "Text1");
    pack->setFocus();
    QTest::keyClick(pack, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pack, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(pack->toPlainText().isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(gone("Form5"));
}

class ProjectDialogKeyboardTest : public DialogKeyboardTest {
protected:
    FakeWinePrefix prefix{kScriptFolder};
    fs::path folder = prefix.driveC(kScriptFolder);
};

TEST_F(ProjectDialogKeyboardTest, SaveAsEnterInTheNameBoxSavesAndEscapeCancels)
{
    QWidget* saveAs = open("Save", "Form8");
    typeName(saveAs, QStringLiteral("first"));
    QTest::keyClick(child<QLineEdit>(saveAs, "Text1"), Qt::Key_Escape);
    EXPECT_TRUE(gone("Form8"));
    EXPECT_TRUE(fs::is_empty(folder));

    saveAs = open("Save", "Form8");
    auto* name = child<QLineEdit>(saveAs, "Text1");
    EXPECT_EQ(saveAs->focusWidget(), name);
    EXPECT_EQ(tabOrderFrom(name), (std::vector<std::string>{"Text1", "Drive1", "Dir1", "File1", "Command1", "Command2"}));
    typeName(saveAs, QStringLiteral("first"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(gone("Form8"));
    EXPECT_TRUE(fs::exists(folder / "first.txt"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("File saved successfully!")});
}

TEST_F(ProjectDialogKeyboardTest, EnterInTheFolderTreeOpensTheFolderAndDoesNotPressOk)
{
    fs::create_directory(folder / "Projects");
    QWidget* saveAs = open("Save", "Form8");
    typeName(saveAs, QStringLiteral("inner"));
    auto* tree = child<QTreeWidget>(saveAs, "Dir1");
    const auto found = tree->findItems(QStringLiteral("Projects"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->setFocus();
    tree->setCurrentItem(found.front());
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_FALSE(gone("Form8"));
    EXPECT_TRUE(fs::is_empty(folder / "Projects"));
    EXPECT_FALSE(fs::exists(folder / "inner.txt"));
    EXPECT_TRUE(messages.texts().isEmpty());

    // Now Enter in the name box saves into the folder opened.
    QTest::keyClick(child<QLineEdit>(saveAs, "Text1"), Qt::Key_Return);
    EXPECT_TRUE(fs::exists(folder / "Projects" / "inner.txt"));
}

TEST_F(ProjectDialogKeyboardTest, LoadEnterOnAFileLoadsIt)
{
    ProjectState saved = ProjectState::withDefaults();
    saved.level(1).levelName = "From the keyboard";
    ASSERT_FALSE(saveProjectFile(saved, (folder / "mine.txt").string()).has_value());

    QWidget* load = open("Load", "Form12");
    auto* files = child<QListWidget>(load, "File1");
    ASSERT_EQ(files->count(), 1);
    files->setFocus();
    files->setCurrentRow(0);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_TRUE(gone("Form12"));
    EXPECT_EQ(window.project().level(1).levelName, "From the keyboard");
}

} // namespace
} // namespace orvanta::test
