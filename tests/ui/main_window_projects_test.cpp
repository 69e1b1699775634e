// "Save" and "Load" reached through the main window: the windows they open,
// and what a save or a load does to the rows the user types into.
#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "ui/level_rows.h"
#include "support/loaded_fields.h"
#include "ui/main_window_fixture.h"
#include "ui/project_dialog_support.h"
#include "ui/project_file_chooser.h"
#include "ui/text_conversion.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;
using ui::levelNameBoxName;

QLineEdit* nameBox(const ui::MainWindow& window, int slot)
{
    return window.findChild<QLineEdit*>(levelNameBoxName(slot));
}

QComboBox* wadBox(const ui::MainWindow& window, int slot)
{
    return window.findChild<QComboBox*>(QStringLiteral("Combo%1").arg(slot));
}

/// Waits until the window is the active one. (A dialog's own window counts
/// as active while its parent is, so qWaitForWindowActive cannot tell.)
bool becomesActive(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

class MainWindowProjectsTest : public MainWindowTest {
protected:
    /// The one open window of that name the main window owns, or null.
    QWidget* dialog(const char* name) const
    {
        const auto found =
            window.findChildren<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        EXPECT_LE(found.size(), 1) << name;
        return found.isEmpty() ? nullptr : found.front();
    }

    /// Opens Save As with Ctrl+S, pressed in a level name box as a user
    /// typing names would.
    QWidget* openSaveAs()
    {
        QTest::keyClick(nameBox(window, 2), Qt::Key_S, Qt::ControlModifier);
        return dialog("Form8");
    }

    QWidget* openLoadScript()
    {
        QTest::keyClick(nameBox(window, 2), Qt::Key_L, Qt::ControlModifier);
        return dialog("Form12");
    }

    QStringList rowTexts() const
    {
        QStringList texts;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            texts << nameBox(window, slot)->text() << wadBox(window, slot)->currentText();
        return texts;
    }

    FakeWinePrefix prefix{kScriptFolder};
    fs::path projectFolder = prefix.driveC(kScriptFolder);
};

TEST_F(MainWindowProjectsTest,
       ShortcutsAndMenuEntriesOpenOneDialogRaisedAgainAndFreshAfterClosing)
{
    struct Case {
        const char* entry;
        const char* dialog;
        Qt::Key key;
        void (*close)(QWidget*);
    };
    const Case cases[] = {
        {"Save", "Form8", Qt::Key_S,
         [](QWidget* d) { QTest::mouseClick(child<QPushButton>(d, "Command2"), Qt::LeftButton); }},
        {"Load", "Form12", Qt::Key_L, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"Save", "Form8", Qt::Key_S, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"Load", "Form12", Qt::Key_L, [](QWidget* d) { d->close(); }},
    };
    const QString typedName = nameBox(window, 2)->text();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        ASSERT_TRUE(becomesActive(&window));
        QTest::keyClick(nameBox(window, 2), c.key, Qt::ControlModifier);
        QPointer<QWidget> opened = dialog(c.dialog);
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == opened; }));
        EXPECT_EQ(nameBox(window, 2)->text(), typedName) << "the shortcut typed nothing";
        typeName(opened, QStringLiteral("half typed"));
        opened->findChild<ui::ProjectFileChooser*>()->setCurrentFolder(QStringLiteral("/"));

        // The menu entry, with the main window in front, brings the same dialog back to the front.
        ASSERT_TRUE(becomesActive(&window));
        entry(c.entry)->trigger();
        EXPECT_EQ(dialog(c.dialog), opened.data());
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == opened; }));
        EXPECT_EQ(child<QLineEdit>(opened, "Text1")->text(), QStringLiteral("half typed"));

        c.close(opened);
        EXPECT_TRUE(wasDestroyed(opened.data())) << "closing destroys it";
        EXPECT_EQ(dialog(c.dialog), nullptr);
        entry(c.entry)->trigger();
        QWidget* fresh = dialog(c.dialog);
        ASSERT_NE(fresh, nullptr);
        EXPECT_TRUE(child<QLineEdit>(fresh, "Text1")->text().isEmpty());
        EXPECT_EQ(fresh->findChild<ui::ProjectFileChooser*>()->currentFolder(),
                  qtext(projectFolder));
        fresh->close();
        EXPECT_TRUE(wasDestroyed(fresh));
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MainWindowProjectsTest, SaveWritesTheRowsAsTheyStandAtOkIncludingWhatWasTypedAfterOpening)
{
    retype(nameBox(window, 3), QStringLiteral("Typed before"));
    // Keys alone: Ctrl+S, the name, and later Return.
    QPointer<QWidget> saveAs = openSaveAs();
    ASSERT_NE(saveAs, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == saveAs; }));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(saveAs, "Text1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("myproject"));

    // Back in the main window, with the dialog still open.
    ASSERT_TRUE(becomesActive(&window));
    retype(nameBox(window, 5), QStringLiteral("Typed after, \u00e9"));
    retype(wadBox(window, 7)->lineEdit(), QStringLiteral("LATERWAD"));
    ASSERT_TRUE(saveAs->isVisible());

    ASSERT_TRUE(becomesActive(saveAs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(wasDestroyed(saveAs.data()));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("File saved successfully!")});
    const std::string saved = readBytes(projectFolder / "myproject.txt");
    EXPECT_EQ(saved, projectFileText(window.project()));
    for (const char* line :
         {"\r\nTyped before\r\n", "\r\nTyped after, \xe9\r\n", "\r\nLATERWAD\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    EXPECT_FALSE(fs::exists(projectFolder / "myproject"));
}

TEST_F(MainWindowProjectsTest,
       LoadShowsTheLoadedNamesAndWadsInTheRowsAndKeepsWhatTheFileDoesNotCarry)
{
    // A project put aside earlier: names and WADs unlike the rows', one WAD
    // from the list at another slot's place and one from outside the list.
    ProjectState saved = ProjectState::withDefaults();
    for (int k = 1; k <= kSlotCount; ++k) {
        saved.slot(k).levelName = "Saved level, " + std::to_string(k) + " \xe9";
        saved.slot(k).wadName = k == 4 ? "ANGKOR" : "SAVED" + std::to_string(k);
        saved.slot(k).audioTrack = std::to_string(200 + k);
        saved.slot(k).levelData = "*ixh,1,2,3,4,5,6," + std::to_string(k);
        if (k > 1)
            saved.slot(k).scriptPack = "Pack of the file\r\n";
    }
    saved.switches = {"1", "1", "1", "1", "0"};
    saved.firstLegend = "Legend of the file";
    saved.inputTimeout = "1";
    saved.scriptFolder = "D:\\Saved";
    writeBytes(projectFolder / "saved.txt", projectFileText(saved));

    // What the session in memory has that the file does not carry.
    retype(nameBox(window, 6), QStringLiteral("Typed in the row"));
    window.project().level(2).scriptPack = "Pack in memory\r\n";
    window.project().inventoryItems = "Items in memory\r\n";
    window.project().scriptHeader = "Header in memory\r\n";
    window.project().slot(9).cameraLabel = "7,7,7";
    const ProjectState expected = test::withLoadedFields(window.project(), saved);

    QPointer<QWidget> load = openLoadScript();
    ASSERT_NE(load, nullptr);
    typeName(load, QStringLiteral("saved"));
    pressOk(load);
    EXPECT_TRUE(wasDestroyed(load.data()));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Script file loaded!")});
    EXPECT_EQ(window.project(), expected);
    for (int k = 1; k <= kSlotCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ui::toProjectText(nameBox(window, k)->text()), saved.slot(k).levelName);
        EXPECT_EQ(wadBox(window, k)->currentText().toStdString(), saved.slot(k).wadName);
    }

    // The refreshed rows still feed the project as the user types.
    retype(nameBox(window, 2), QStringLiteral("After the load"));
    retype(wadBox(window, 4)->lineEdit(), QStringLiteral("NEWWAD"));
    EXPECT_EQ(window.project().slot(2).levelName, "After the load");
    EXPECT_EQ(window.project().slot(4).wadName, "NEWWAD");
    EXPECT_EQ(window.project().slot(3).levelName, saved.slot(3).levelName);
}

TEST_F(MainWindowProjectsTest, AScriptSourceIsNotAProjectFileAndTheRowsKeepTheirEditing)
{
    writeBytes(projectFolder / "Script.txt", resources::stockScript());
    retype(nameBox(window, 4), QStringLiteral("Half typed"));
    retype(wadBox(window, 4)->lineEdit(), QStringLiteral("HALF"));
    nameBox(window, 4)->setCursorPosition(2);
    const ProjectState before = window.project();
    const QStringList rows = rowTexts();

    QPointer<QWidget> load = openLoadScript();
    ASSERT_NE(load, nullptr);
    ASSERT_TRUE(clickFile(load, QStringLiteral("Script.txt")));
    pressOk(load);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Not an ORV file!")});
    EXPECT_FALSE(wasDestroyed(load.data()));
    EXPECT_EQ(window.project(), before);
    EXPECT_EQ(rowTexts(), rows);
    // Not even set again: the box keeps its cursor and its undo history.
    EXPECT_EQ(nameBox(window, 4)->cursorPosition(), 2);
    EXPECT_TRUE(nameBox(window, 4)->isUndoAvailable());
    EXPECT_TRUE(wadBox(window, 4)->lineEdit()->isUndoAvailable());
}

/// Pastes text into a box with Ctrl+V, replacing what it held.
void paste(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(MainWindowProjectsTest, PastedLineBreaksBecomeBlanksSoASavedProjectLoadsBackInPlace)
{
    // Lines copied from elsewhere: a project value is one line of the file.
    paste(nameBox(window, 3), QStringLiteral("Halls of\r\nThoth\n"));
    paste(wadBox(window, 3)->lineEdit(), QStringLiteral("MY\rWAD"));
    QTest::keyClick(&window, Qt::Key_F5);
    QWidget* game = dialog("Form7");
    ASSERT_NE(game, nullptr);
    paste(child<QLineEdit>(game, "Text3"), QStringLiteral("Line one\nline two"));
    game->close();
    EXPECT_EQ(nameBox(window, 3)->text(), QStringLiteral("Halls of Thoth "));
    EXPECT_EQ(window.project().slot(3).levelName, "Halls of Thoth ");
    EXPECT_EQ(window.project().slot(3).wadName, "MY WAD");
    EXPECT_EQ(window.project().firstLegend, "Line one line two");
    const ProjectState pasted = window.project();
    const QStringList rows = rowTexts();

    ASSERT_TRUE(becomesActive(&window));
    QPointer<QWidget> saveAs = openSaveAs();
    ASSERT_NE(saveAs, nullptr);
    typeName(saveAs, QStringLiteral("pasted"));
    pressOk(saveAs);
    retype(nameBox(window, 3), QStringLiteral("Changed since"));
    QPointer<QWidget> load = openLoadScript();
    ASSERT_NE(load, nullptr);
    typeName(load, QStringLiteral("pasted"));
    pressOk(load);
    EXPECT_EQ(messages.texts().back(), QStringLiteral("Script file loaded!"));
    EXPECT_EQ(window.project(), pasted);
    EXPECT_EQ(rowTexts(), rows);
}

} // namespace
} // namespace orvanta::test
