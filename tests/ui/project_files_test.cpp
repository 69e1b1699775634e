// "Save" (Form8) and "Load" (Form12): the project file they write or read,
// the rows a load refreshes, and the folder lists both dialogs share.
#include "desktop/text_conversion.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "support/main_window_test.h"
#include "ui/import_game_picker.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStorageInfo>
#include <QTreeWidget>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

class ProjectFilesTest : public MainWindowTest {
protected:
    /// Save (Ctrl+S) or Load (Ctrl+L), pressed in a level name box as a user typing names would.
    QWidget* open(Qt::Key key, const char* name)
    {
        keyOnMain(key, Qt::ControlModifier, nameBox(2));
        return opened(name);
    }
    void choose(QWidget* dialog, const QString& name)
    {
        retype(child(dialog, "Text1"), name);
        click(dialog, "Command1");
    }
    static QString files(QWidget* dialog)
    {
        QStringList names;
        for (const QListWidgetItem* item : child<QListWidget>(dialog, "File1")->findItems({}, Qt::MatchContains))
            names << item->text();
        return names.join(u'|');
    }
};

TEST_F(ProjectFilesTest, SaveWritesTheProjectAsItStandsAtOkAndLoadShowsItInTheRows)
{
    retype(nameBox(3), QStringLiteral("Typed before"));
    QPointer<QWidget> save = open(Qt::Key_S, "Form8");
    EXPECT_EQ(nameBox(2)->text(), QStringLiteral("Playable Tutorial Level")) << "the shortcut typed nothing";
    QTest::keyClicks(child(save, "Text1"), QStringLiteral("myproject"));
    retype(nameBox(5), QStringLiteral("Typed after, \u00e9"));  // with the dialog still open
    retype(wadBox(7)->lineEdit(), QStringLiteral("LATERWAD"));
    QTest::keyClick(child(save, "Text1"), Qt::Key_Return);
    EXPECT_EQ(opened("Form8"), nullptr);
    EXPECT_EQ(messages, QStringList{QStringLiteral("File saved successfully!")});
    EXPECT_EQ(readBytes(scriptFolder() / "myproject.txt"), projectFileText(window.project()));

    const ProjectState saved = window.project();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("myproject.txt - Orvanta 3.0"));
    window.project().level(2).scriptPack = "Pack in memory\r\n";  // replaced by the file's
    retype(nameBox(3), QStringLiteral("Typed since"));
    QCoreApplication::processEvents();  // the title follows each key and click
    EXPECT_EQ(window.windowTitle(), QStringLiteral("*myproject.txt - Orvanta 3.0"));
    ProjectState expected = window.project();
    readProjectText(readBytes(scriptFolder() / "myproject.txt"), expected);
    QWidget* load = open(Qt::Key_L, "Form12");
    choice = 2;  // "Cancel": unsaved work and the dialog stay
    choose(load, QStringLiteral("myproject"));
    EXPECT_EQ(opened("Form12"), load);
    EXPECT_EQ(nameBox(3)->text(), QStringLiteral("Typed since"));
    choice = 1;  // "Discard"
    EXPECT_EQ(questions, QStringList(1, QStringLiteral("Save changes to the project?|Save|Discard|Cancel")));
    auto* list = child<QListWidget>(load, "File1");
    ASSERT_EQ(files(load), QStringLiteral("myproject.txt"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::keyClick(list, Qt::Key_Return);  // Enter on a file chooses it and loads
    EXPECT_EQ(opened("Form12"), nullptr);
    EXPECT_EQ(messages.last(), QStringLiteral("Script file loaded!"));
    EXPECT_EQ(window.project(), expected);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("myproject.txt - Orvanta 3.0"));
    EXPECT_EQ(questions.size(), 2);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        EXPECT_EQ(ui::toProjectText(nameBox(slot)->text() + wadBox(slot)->currentText()),
                  saved.slot(slot).levelName + saved.slot(slot).wadName);
}

TEST_F(ProjectFilesTest, AFileThatCannotBeReadOrWrittenIsNamedAndTheDialogAndTheProjectStay)
{
    const std::string whole = projectFileText(window.project());
    writeBytes(scriptFolder() / "cut.txt", whole.substr(0, whole.size() - 40));
    writeBytes(scriptFolder() / "Script.txt", "; Tomb Raider IV Script File\r\n");
    fs::create_directory(scriptFolder() / "folder.txt");
    retype(nameBox(4), QStringLiteral("Half typed"));
    choice = 1;  // "Discard" before each load
    const ProjectState before = window.project();
    const std::tuple<Qt::Key, const char*, QString, QString> cases[] = {
        {Qt::Key_L, "Form12", QStringLiteral("missing"), QStringLiteral("/missing.txt\": ")},
        {Qt::Key_L, "Form12", QStringLiteral("cut.txt"), QStringLiteral("/cut.txt\": ")},
        {Qt::Key_L, "Form12", QStringLiteral("folder"), QStringLiteral("/folder.txt\": ")},
        {Qt::Key_L, "Form12", QStringLiteral("Script.txt"), QStringLiteral("Not an ORV file!")},
        {Qt::Key_S, "Form8", QStringLiteral("folder"), QStringLiteral("/folder.txt\": ")},
        {Qt::Key_S, "Form8", QString(300, u'n'), QStringLiteral("nnn.txt\": ")},
    };
    for (const auto& [key, form, name, said] : cases) {
        QWidget* dialog = open(key, form);
        choose(dialog, name);
        EXPECT_TRUE(messages.last().contains(said)) << messages.last().toStdString();
        EXPECT_EQ(opened(form), dialog);
    }
    EXPECT_EQ(window.project(), before);
    EXPECT_TRUE(nameBox(4)->isUndoAvailable()) << "the rows were not even set again";
    choose(opened("Form8"), QStringLiteral("upper.TXT"));  // only ".txt" itself counts as the extension
    EXPECT_TRUE(fs::exists(scriptFolder() / "upper.TXT.txt"));
    EXPECT_EQ(entryCount(scriptFolder()), 4U) << "no temporary file is left behind";
}

TEST_F(ProjectFilesTest, SaveOverAScriptFileAndRestoreOverEditedOnesAskFirstAndNoLeavesTheBytes)
{
    const std::string handEdited = "; my own script\r\n";
    writeBytes(scriptFolder() / "Script.txt", handEdited);
    writeBytes(scriptFolder() / "project.txt", projectFileText(window.project()));
    const QString replace = QStringLiteral("|Yes|No");
    firstChoice = false;  // "No"
    choose(open(Qt::Key_S, "Form8"), QStringLiteral("Script"));
    choose(opened("Form8"), QStringLiteral("project.txt"));  // a project file is replaced without a question
    keyOnMain(Qt::Key_F2, Qt::ShiftModifier);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0], QStringLiteral("Script.txt is not an Orvanta project file. Replace it?") + replace);
    EXPECT_TRUE(questions[1].startsWith(
        QStringLiteral("Script.txt and English.txt in \"C:\\Program Files\\Core Design\\trle\\Script\" (")));
    EXPECT_TRUE(questions[1].endsWith(
        QStringLiteral(") differ from the stock files. Replace both with the stock files?") + replace));
    EXPECT_EQ(readBytes(scriptFolder() / "Script.txt"), handEdited);
    EXPECT_EQ(messages, QStringList{QStringLiteral("File saved successfully!")});
    firstChoice = true;  // "Yes"
    keyOnMain(Qt::Key_F2, Qt::ShiftModifier);
    keyOnMain(Qt::Key_F2, Qt::ShiftModifier);  // the files are the stock ones now: no question
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(readBytes(scriptFolder() / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
}

TEST_F(ProjectFilesTest, TheChooserOfAllThreePlacesUsesTheFolderOpenedNotTheOneHighlighted)
{
    const fs::path working = fs::current_path();  // "work проект"
    const std::tuple<const char*, const char*, const char*, fs::path> places[] = {
        // opened by, window, what shows the path "Ok" uses, the folder it opens in
        {"ctoo", "Frame1", "Text30", working},
        {"Save", "Form8", "address", scriptFolder()},
        {"Load", "Form12", "address", scriptFolder()},
    };
    for (const auto& [how, name, addressName, start] : places) {
        SCOPED_TRACE(name);
        for (const fs::path& folder : {start / "z", start / "\u0438\u043c\u044f"})
            fs::create_directories(folder);  // "имя"
        QWidget* place = MainWindowTest::open(how, name);
        const bool panel = addressName == std::string_view("Text30");
        if (!panel)
            retype(child(place, "Text1"), QStringLiteral("p"));
        EXPECT_TRUE(panel || child<QPushButton>(place, "Command2")->text() == QStringLiteral("Cancel"));
        auto* tree = child<QTreeWidget>(place, "Dir1");
        const auto item = [tree](const fs::path& folder) {
            return tree
                ->findItems(QString::fromStdString(folder.filename().string()), Qt::MatchExactly | Qt::MatchRecursive)
                .value(0);
        };
        const auto uses = [&](const fs::path& folder) {
            const QString host = QString::fromStdString(folder.string());
            return child(place, addressName)->property("text").toString() ==
                       (panel ? host : host + QStringLiteral("/p.txt")) &&
                   tree->currentItem() == item(folder) && item(folder)->font(0).bold() &&
                   tree->viewport()->rect().intersects(tree->visualItemRect(item(folder)));
        };
        auto* drives = child<QComboBox>(place, "Drive1");
        EXPECT_TRUE(uses(start)) << "opens showing and selecting its folder";
        EXPECT_EQ(drives->currentText(), panel ? QStorageInfo(working).rootPath() : QStringLiteral("C:"))
            << "on its drive";
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item(start / "z")).center());
        QTest::keyClick(tree, Qt::Key_Down);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(tree, &focusOut);  // the user moves on to another control
        EXPECT_TRUE(uses(start)) << "a click and an arrow key only highlight";
        tree->setCurrentItem(item(start / "z"));
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_TRUE(uses(start / "z")) << "Enter opens";
        EXPECT_EQ(opened(name), place) << "and does no more";
        EXPECT_FALSE(fs::exists(start / "z" / "Script.txt")) << "and does no more";
        for (const fs::path& folder : {start, start / "\u0438\u043c\u044f"})
            doubleClick(tree->viewport(), Qt::LeftButton, tree->visualItemRect(item(folder)).center());
        const QString other = panel ? QStringLiteral("C:") : QStorageInfo(working).rootPath(),
                      back = drives->currentText();
        for (const QString& drive : {other, back}) {
            drives->setCurrentIndex(drives->findText(drive));
            Q_EMIT drives->activated(drives->currentIndex());
            EXPECT_TRUE(uses(drive == back ? start / "\u0438\u043c\u044f" : working) || (panel && drive == other))
                << "a drive opens at its current folder: the one last opened there, at first the working folder";
        }
        click(place, panel ? "Command13" : "Command1");  // into "имя"
        EXPECT_EQ(opened(name), nullptr) << messages.join(u'|').toStdString();
    }
    EXPECT_TRUE(fs::exists(working / "\u0438\u043c\u044f" / "Script.txt"));
    EXPECT_TRUE(fs::exists(scriptFolder() / "\u0438\u043c\u044f" / "p.txt"));
    EXPECT_EQ(messages.join(u'|'), QStringLiteral("File saved successfully!|Script file loaded!"));
}

TEST_F(ProjectFilesTest, TheListsShowTextFilesOfTheFolderOpenedAndTheNoteGoesOnceTheUserMoves)
{
    fs::rename(scriptFolder(), prefix.driveC("Program Files/Core Design/trle/Projects"));
    QWidget* save = open(Qt::Key_S, "Form8");  // the nearest folder above the missing one, with a note
    auto* note = child<QLabel>(save, "startNote");
    EXPECT_EQ(note->text(), QStringLiteral("The folder \"C:\\Program Files\\Core Design\\trle\\script\" was not found; "
                                           "showing \"C:\\Program Files\\Core Design\\trle\" instead."));
    for (const char* name : {"b.txt", "A.TXT", ".txt", "notes.doc", "txt"})
        writeBytes(prefix.driveC("Program Files/Core Design/trle/Projects") / name, "x");
    fs::create_directory(prefix.driveC("Program Files/Core Design/trle/Projects/old.txt"));
    auto* tree = child<QTreeWidget>(save, "Dir1");
    tree->setCurrentItem(tree->findItems(QStringLiteral("Projects"), Qt::MatchExactly | Qt::MatchRecursive).value(0));
    EXPECT_EQ(files(save), QString());
    EXPECT_TRUE(note->isVisibleTo(save));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(files(save), QStringLiteral(".txt|A.TXT|b.txt"));
    EXPECT_FALSE(note->isVisibleTo(save));
    choose(save, QStringLiteral("caf\u00e9 \u65e5"));
    EXPECT_TRUE(fs::exists(prefix.driveC("Program Files/Core Design/trle/Projects/caf\u00e9 \u65e5.txt")));
    fs::remove(prefix.path() / "dosdevices" / "c:");  // without drive C: the home folder
    EXPECT_TRUE(child<QLabel>(open(Qt::Key_L, "Form12"), "startNote")
                    ->text()
                    .endsWith(QStringLiteral("the home folder instead.")));
}

}  // namespace
}  // namespace orvanta::test

namespace orvanta::test {
namespace {

TEST_F(ProjectFilesTest, ImportGameAsksBeforeReplacingUnsavedWorkThenShowsWhatWasLeftOut)
{
    const fs::path game = fs::path(ORVANTA_REALWORLD_DIR) / "castigavi-TRLE_TRFR";
    retype(nameBox(3), QStringLiteral("Typed since"));
    const ProjectState before = window.project();
    choice = 2;  // "Cancel": the unsaved work stays
    window.importGame(QString::fromStdU16String(game.u16string()));
    EXPECT_EQ(window.project(), before);
    EXPECT_EQ(questions, QStringList(1, QStringLiteral("Save changes to the project?|Save|Discard|Cancel")));

    choice = 1;  // "Discard"
    window.importGame(QString::fromStdU16String((game / "Script.txt").u16string()));
    EXPECT_EQ(nameBox(2)->text(), QStringLiteral("Abandoned Mines"));
    EXPECT_EQ(window.project().scriptFolder, before.scriptFolder);  // a setting, not part of the game
    EXPECT_TRUE(window.windowTitle().startsWith(u'*'));             // not saved until the builder saves
    QWidget* report = opened("Form15");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowHandle()->transientParent(), nullptr) << "stands beside the main window, not over it";
    auto* list = child<QTreeWidget>(report, "List1");
    const std::string expected = readBytes(testData("importer/reports/castigavi-TRLE_TRFR.txt"));
    EXPECT_EQ(list->topLevelItemCount(), std::count(expected.begin(), expected.end(), '\n'));
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Script.txt:62"));
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);  // opens the line in the source
    EXPECT_EQ(child<QPlainTextEdit>(report, "Text1")->textCursor().selectedText(),
              QStringLiteral("Horizon=\t\tenabled"));
}

TEST(ImportGamePicker, TakesAFileOrAFolderThatHoldsAGameAndOpensAnyOtherFolder)
{
    const test::TempFolder folder;
    fs::create_directories(folder / "game");
    fs::create_directories(folder / "other");
    test::writeBytes(folder / "game" / "SCRIPT.TXT", "[Title]\r\n");
    const auto host = [](const fs::path& path) { return QString::fromStdU16String(path.u16string()); };
    for (const fs::path& choice : {folder / "game", folder / "game" / "SCRIPT.TXT", folder / "other"}) {
        ui::ImportGamePicker picker(host(folder.path()), nullptr);
        picker.selectFile(host(choice));
        picker.accept();
        const bool taken = choice != folder / "other";
        EXPECT_EQ(picker.result() == QDialog::Accepted, taken) << choice;
        EXPECT_EQ(fs::path(picker.picked().toStdU16String()), taken ? choice : fs::path()) << choice;
        if (!taken) {
            EXPECT_EQ(fs::path(picker.directory().absolutePath().toStdU16String()), choice);
        }
    }
}

}  // namespace
}  // namespace orvanta::test
