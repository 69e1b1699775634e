// "Check Script", "Build DAT Files" and the question of "Compile Scripts", with
// the problems window (Form14) they share and the fields it opens.
#include "pipeline/game_build.h"
#include "script/script_writer.h"
#include "support/main_window_test.h"
#include "ui/block_text_edit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QWindow>

namespace orvanta::test {
namespace {

class ScriptProblemsTest : public MainWindowTest {
protected:
    ScriptProblemsTest()
    {
        // The package folder holds every level file, so the defaults give no warning.
        std::filesystem::create_directories(package() / "DATA");
        for (const char* wad : kWadList)
            writeBytes(package() / "DATA" / (std::string(wad) + ".TR4"), "");
    }

    std::filesystem::path package() const { return prefix.driveC("Program Files/Core Design/trle"); }
    QString heading() const { return child<QLabel>(opened("Form14"), "Label1")->text(); }
    QTreeWidget* list() const { return child<QTreeWidget>(opened("Form14"), "List1"); }
    /// The problem rows: "severity|place|field".
    QStringList rows() const
    {
        QStringList shown;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list()->topLevelItem(i);
            shown << row->text(0) + u'|' + row->text(1) + u'|' + row->text(3);
        }
        return shown;
    }
    bool exists(const char* file) const { return std::filesystem::exists(scriptFolder() / file); }
};

TEST_F(ScriptProblemsTest, CheckScriptListsTheProblemsAndEachOpensItsFieldSelected)
{
    keyOnMain(Qt::Key_F7);
    EXPECT_EQ(heading(), QStringLiteral("No problems: the DAT files can be built."));
    EXPECT_EQ(list()->topLevelItemCount(), 0);

    ProjectState& project = window.project();
    retype(nameBox(4), QStringLiteral("Ruins;Old"));
    retype(wadBox(5)->lineEdit(), QStringLiteral("NOWHERE"));
    project.slot(1).cameraLabel = "1,2,3";
    project.slot(6).audioTrack = "loud";
    project.level(2).scriptPack += "Bogus=1\r\n";
    project.inventoryItems.insert(0, "Gold\xA5\r\n");
    project.inputTimeout = "soon";
    project.secondLegend = "Angkor;Wat";
    entry("check")->trigger();
    EXPECT_EQ(heading(), QStringLiteral("The script has 7 errors and 1 warning; errors stop the build. Double-click a "
                                        "problem, or press Enter, to open its field."));
    const std::tuple<const char*, const char*, const char*, const char*, QString> cases[] = {
        // problem row, window opened, control focused, text selected there
        {"Error|English.txt:", "Form1", "Text3", "Level 3 name (Text3)", QStringLiteral("Ruins;Old")},
        {"Warning|Script.txt:", "Form1", "Combo5", "Coastal Ruins WAD (Combo5)", QStringLiteral("NOWHERE")},
        {"Error|Script.txt:", "Form2", "Text3", "Title load camera (Label1)",
         QStringLiteral("84246,-533,78233,81622,-1514,78208,40")},
        {"Error|Script.txt:", "Form2", "Combo1", "Catacombs audio track (sound6)",
         QStringLiteral("loud")},  // the track the box shows
        {"Error|Script.txt:", "Form4", "Text1", "Settomb Pack (Text22), line 10", QStringLiteral("Bogus=1")},
        {"Error|English.txt:", "Form4", "Text2", "Inventory items (Text25), line 1", QStringLiteral("Gold\u00A5")},
        {"Error|Script.txt:", "Form7", "Text1", "Input time-out (inputtimeout)", QStringLiteral("soon")},
        {"Error|English.txt:", "Form7", "Text4", "Second legend (Text27)", QStringLiteral("Angkor;Wat")},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [row, windowName, control, field, selected] = cases[i];
        const QStringList found = rows().filter(QString::fromLatin1(field));
        ASSERT_EQ(found.size(), 1) << field << "\n" << rows().join(u'\n').toStdString();
        EXPECT_TRUE(found.front().startsWith(QString::fromLatin1(row))) << found.front().toStdString();
        QTreeWidgetItem* item = list()->topLevelItem(static_cast<int>(rows().indexOf(found.front())));
        list()->setCurrentItem(item);
        const QPoint at = list()->visualItemRect(item).center();
        if (i % 2 == 0) {  // a double click as the window system delivers it, else Enter
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(list(), Qt::Key_Return);
        }
        QWidget* shown = qstrcmp(windowName, "Form1") == 0 ? &window : opened(windowName);
        ASSERT_NE(shown, nullptr) << field;
        EXPECT_TRUE(QTest::qWaitForWindowActive(shown)) << field;
        QWidget* focus = shown->focusWidget();
        ASSERT_NE(focus, nullptr) << field;
        ASSERT_EQ(focus->objectName(), QString::fromLatin1(control))
            << field << ": " << focus->objectName().toStdString();
        QString chosen;
        if (auto* box = qobject_cast<QLineEdit*>(focus))
            chosen = box->selectedText();
        else if (auto* combo = qobject_cast<QComboBox*>(focus))
            chosen = combo->lineEdit()->selectedText();
        else if (auto* block = qobject_cast<QPlainTextEdit*>(focus))
            chosen = block->textCursor().selectedText();
        EXPECT_EQ(chosen, selected) << field;
        if (qstrcmp(control, "Text2") == 0) {  // the inventory box opens beside the pack already shown
            EXPECT_TRUE(child<QPlainTextEdit>(shown, "Text1")->toPlainText().contains(QStringLiteral("Bogus=1")));
        }
    }
    QTest::mouseClick(child<QPushButton>(opened("Form14"), "Command1"), Qt::LeftButton);
    EXPECT_EQ(opened("Form14"), nullptr);
}

TEST_F(ScriptProblemsTest, BuildDatFilesWritesAllFourAndCopiesTheDatsBesideTheGameOrWritesNothing)
{
    window.project().slot(2).levelName = "";
    window.project().slot(3).wadName = std::string(70000, 'W');
    keyOnMain(Qt::Key_F8);
    EXPECT_TRUE(heading().startsWith(
        QStringLiteral("The DAT files were not built and nothing was written: 2 errors and 1 warning.")));
    EXPECT_TRUE(rows().contains(QStringLiteral("Error|Script.txt|")));  // a whole-file limit has no line
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(exists("Script.txt"));
    EXPECT_FALSE(exists("SCRIPT.DAT"));

    window.project() = ProjectState::withDefaults();
    window.project().slot(2).levelName = "Tomb of Seth";
    std::filesystem::remove(package() / "DATA" / "CITY.TR4");  // a warning does not stop the build
    const GameFiles expected = buildGameFiles(window.project()).files;
    const QString written = QStringLiteral("Script.txt, English.txt, SCRIPT.DAT and ENGLISH.DAT were written to "
                                           "\"C:\\Program Files\\Core Design\\trle\\Script\"");
    for (const bool game : {false, true}) {
        if (game)
            writeBytes(package() / "TOMB4.EXE", "");
        entry("build")->trigger();
        EXPECT_EQ(messages.value(messages.size() - 1),
                  written + (game ? QStringLiteral(", and the DAT files were copied to \"C:\\Program Files\\Core "
                                                   "Design\\trle\", where the game reads them.")
                                  : QStringLiteral(". The folder above it holds no tomb4.exe, so they were not copied "
                                                   "for the game.")));
        EXPECT_EQ(readBytes(scriptFolder() / "Script.txt") + readBytes(scriptFolder() / "English.txt") +
                      readBytes(scriptFolder() / "SCRIPT.DAT") + readBytes(scriptFolder() / "ENGLISH.DAT"),
                  expected.scriptTxt + expected.englishTxt + expected.scriptDat + expected.englishDat);
        EXPECT_EQ(std::filesystem::exists(package() / "SCRIPT.DAT"), game);
    }
    EXPECT_EQ(readBytes(package() / "SCRIPT.DAT") + readBytes(package() / "ENGLISH.DAT"),
              expected.scriptDat + expected.englishDat);
    EXPECT_TRUE(heading().startsWith(QStringLiteral("The DAT files were built, with 1 warning.")));
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Warning|Script.txt:170|City Of The Dead WAD (Combo8)")});
    writeBytes(package() / "DATA" / "CITY.TR4", "");
    entry("build")->trigger();
    EXPECT_EQ(heading(), QStringLiteral("No problems: the DAT files were built."));

    // A write stopped between two renames: Check Script warns, the next build says so and clears what it left.
    writeBytes(scriptFolder() / ".orvanta-replacing", "x\r\nfile SCRIPT.DAT\r\nhidden .orvanta-1.old\r\n");
    writeBytes(scriptFolder() / ".orvanta-1.old", "old");
    keyOnMain(Qt::Key_F7);
    EXPECT_TRUE(rows().value(0).startsWith(QStringLiteral("Warning|Script"))) << rows().join(u' ').toStdString();
    entry("build")->trigger();
    EXPECT_TRUE(messages.value(messages.size() - 1).startsWith(QStringLiteral("Warning: an earlier write into ")));
    EXPECT_FALSE(exists(".orvanta-1.old"));
    EXPECT_FALSE(exists(".orvanta-replacing"));

    std::filesystem::remove(package() / "SCRIPT.DAT");
    std::filesystem::create_directory(package() / "SCRIPT.DAT");  // in the way of the copy
    entry("build")->trigger();
    EXPECT_TRUE(messages.value(messages.size() - 1)
                    .startsWith(written + QStringLiteral(", but the DAT files were not copied where the game reads "
                                                         "them.\n\n")));
}

// A builder's edits in every window, saved, the program quit and started again, loaded and built.
TEST_F(ScriptProblemsTest, WhatWasSavedBuildsTheSameFilesAfterQuittingStartingAgainAndLoading)
{
    keyOnMain(Qt::Key_F6);
    for (const auto& [pack, line] :
         {std::pair{"Label5", "Key=\t\t9,Spare Key,\t$0008,$0300,$4000,$0000,$0000,$0002\r"}, {"Label1", "; mine\r"}}) {
        doubleClick(child(opened("Form3"), pack));  // a level's pack, then the Header Pack
        QTest::keyClicks(child(opened("Form4"), "Text1"), QString::fromLatin1(line));
        QTest::keyClicks(child(opened("Form4"), "Text2"), QStringLiteral("Spare Key\r"));
        click(opened("Form4"), "Command1");
    }
    QTest::mouseClick(slotButton(5), Qt::LeftButton);
    retype(child(opened("Form2"), "Text3"), QStringLiteral("1,2,3,4,5,6,7"));
    retype(child<QComboBox>(opened("Form2"), "Combo1")->lineEdit(), QStringLiteral("110"));
    click(opened("Form2"), "Command1");
    const auto built = [this] {
        std::string files;
        for (const char* name : {"Script.txt", "English.txt", "SCRIPT.DAT", "ENGLISH.DAT"})
            files += readBytes(scriptFolder() / name) + '|';
        return files;
    };
    entry("build")->trigger();
    const std::string before = built();
    EXPECT_TRUE(hasLines(before, {"Key=\t\t9,Spare Key,\t$0008,$0300,$4000,$0000,$0000,$0002"}));
    EXPECT_TRUE(hasLines(before, {"", "LoadCamera=\t1,2,3,4,5,6,7", "Level=\t\tDATA\\COASTAL,110"}));
    EXPECT_TRUE(before.starts_with("; mine\r\n"));
    entry("Save")->trigger();
    retype(child(opened("Form8"), "Text1"), QStringLiteral("journey"));
    click(opened("Form8"), "Command1");
    entry("Quit")->trigger();
    EXPECT_FALSE(window.isVisible());
    for (const char* name : {"Script.txt", "English.txt", "SCRIPT.DAT", "ENGLISH.DAT"})
        std::filesystem::remove(scriptFolder() / name);

    ui::MainWindow again;
    again.show();
    again.findChild<QAction*>(QStringLiteral("Load"))->trigger();
    auto* load = again.findChild<QWidget*>(QStringLiteral("Form12"));
    retype(child(load, "Text1"), QStringLiteral("journey"));
    click(load, "Command1");
    EXPECT_EQ(messages.last(), QStringLiteral("Script file loaded!"));
    EXPECT_EQ(again.windowTitle(), QStringLiteral("journey.txt - Orvanta 3.0"));
    again.findChild<QAction*>(QStringLiteral("build"))->trigger();
    EXPECT_EQ(built(), before);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(ScriptProblemsTest, CompileScriptsAsksOnceWhenTheCheckFindsErrors)
{
    EXPECT_EQ(compile(), scriptText(window.project()));
    EXPECT_EQ(questions, QStringList());
    EXPECT_EQ(opened("Form14"), nullptr);

    std::filesystem::remove(scriptFolder() / "Script.txt");
    window.project().security = "-1";
    std::filesystem::remove(package() / "DATA" / "CITY.TR4");
    firstChoice = false;  // "Show Problems"
    keyOnMain(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(questions,
              QStringList{QStringLiteral("The script has 1 error and 1 warning: the DAT files may not build, or the "
                                         "game may show the wrong texts or fail.\n\n"
                                         "Compile anyway, or show the problems?|Compile Anyway|Show Problems")});
    EXPECT_TRUE(heading().startsWith(QStringLiteral("Nothing was compiled: the script has 1 error and 1 warning.")));
    EXPECT_TRUE(rows().value(0).endsWith(QStringLiteral("Security value (security)")));
    EXPECT_FALSE(exists("Script.txt"));

    firstChoice = true;
    EXPECT_EQ(compile(), scriptText(window.project()));
    EXPECT_EQ(questions.size(), 2);
}

TEST_F(ScriptProblemsTest, AnOpenWindowFollowsTheProjectErrorsFirstAndTheStatusBarCounts)
{
    auto* count = find<QToolButton>("problemCount");
    ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == QStringLiteral("No problems"); }));
    QTest::mouseClick(count, Qt::LeftButton);
    ASSERT_NE(opened("Form14"), nullptr);
    EXPECT_EQ(opened("Form14")->windowHandle()->transientParent(), nullptr) << "kept above the main window";
    EXPECT_GT(opened("Form14")->x(), window.x()) << "over the main window";
    std::filesystem::remove(package() / "DATA" / "CITY.TR4");
    QTest::keyClick(list(), Qt::Key_F7);  // from the problems window itself
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Warning|Script.txt:170|City Of The Dead WAD (Combo8)")});

    window.project().security = "-1";  // no F7: the window follows
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows().size() == 2; }));
    EXPECT_EQ(rows().value(0), QStringLiteral("Error|Script.txt:47|Security value (security)"));
    EXPECT_EQ(list()->currentItem(), list()->topLevelItem(0)) << "the first error, not the first warning";
    EXPECT_EQ(count->text(), QStringLiteral("1 error and 1 warning"));
    list()->sortByColumn(1, Qt::DescendingOrder);  // by place, line 170 above line 47
    EXPECT_EQ(rows().value(0).left(7), QStringLiteral("Warning"));
    list()->sortByColumn(0, Qt::AscendingOrder);  // by kind: errors first again
    EXPECT_EQ(rows().value(0).left(5), QStringLiteral("Error"));

    window.project().security = "0";
    ASSERT_TRUE(QTest::qWaitFor([&] { return count->text() == QStringLiteral("1 warning"); }));
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(ScriptProblemsTest, ThePackEditorUnderlinesWhatIsTypedCompletesAndSaysWhatACommandDoes)
{
    keyOnMain(Qt::Key_F7);
    auto* pack = child<QPlainTextEdit>(open("Label9", "Form4"), "Text1");  // Angkor Pack: one line
    pack->setFocus();
    pack->moveCursor(QTextCursor::End);
    QTest::keyClicks(pack, QStringLiteral("Kee=\t1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pack->extraSelections().size() == 1 && rows().size() == 1; }));
    EXPECT_EQ(pack->extraSelections().value(0).cursor.selectedText(), QStringLiteral("Kee=\t1"));
    EXPECT_EQ(rows().value(0), QStringLiteral("Error|Script.txt:178|Angkor Pack (Text16), line 2"));
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(pack, Qt::Key_Backspace);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pack->extraSelections().isEmpty() && rows().isEmpty(); }));

    QTest::keyClicks(pack, QStringLiteral("Puzzle=\t2,gol"));
    const auto* completer = opened("Form4")->findChild<QCompleter*>();
    ASSERT_TRUE(completer->popup()->isVisible());
    EXPECT_EQ(completer->currentCompletion(), QStringLiteral("Golden Skull"));
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_TRUE(pack->toPlainText().endsWith(QStringLiteral("\nPuzzle=\t2,Golden Skull")));

    // Over a command: its values and what the game does with it, from the compiler's table.
    QTextCursor onPuzzle = pack->textCursor();
    onPuzzle.movePosition(QTextCursor::StartOfBlock);
    onPuzzle.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    const QPoint at = pack->cursorRect(onPuzzle).center();
    QHelpEvent hover(QEvent::ToolTip, at, pack->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(pack->viewport(), &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Puzzle= takes item number, name and six values\nNames the level's "
                                               "puzzle item n (1-12) from the language file, with its height, size "
                                               "and angles."));
    QTest::keyClick(pack, Qt::Key_Return);
    QTest::keyClicks(pack, QStringLiteral("Hori"));  // a command's values beside its name
    ASSERT_TRUE(completer->popup()->isVisible());
    EXPECT_EQ(completer->popup()->currentIndex().data().toString(), QStringLiteral("Horizon=  ENABLED or DISABLED"));
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_TRUE(pack->toPlainText().endsWith(QStringLiteral("\nHorizon=")));
    QTest::keyClick(pack, Qt::Key_Tab, Qt::ControlModifier);  // Tab alone types a tab
    EXPECT_EQ(opened("Form4")->focusWidget(), child(opened("Form4"), "Command1"));
}

TEST_F(ScriptProblemsTest, ThePreviewIsWhatCompileWritesWithTheFolderDiffAndBuildAndPlayStartsTheGame)
{
    const std::string written = compile();
    QWidget* preview = open("preview", "Form16");
    EXPECT_EQ(child<QPlainTextEdit>(preview, "Text1")->toPlainText(), ui::toEditorText(written));
    EXPECT_EQ(child<QPlainTextEdit>(preview, "Text2")->toPlainText(),
              ui::toEditorText(readBytes(scriptFolder() / "English.txt")));
    EXPECT_EQ(child<QPlainTextEdit>(preview, "Diff1")->toPlainText(),
              QStringLiteral("The same as the file in the script folder."));
    std::string byHand = written;
    byHand.replace(byHand.find("Name=\t\tAngkor Wat"), 18, "Name=\t\tAngkor Vat");
    writeBytes(scriptFolder() / "Script.txt", byHand);
    entry("preview")->trigger();
    EXPECT_TRUE(child<QPlainTextEdit>(preview, "Diff1")
                    ->toPlainText()
                    .contains(QStringLiteral("\n-Name=\t\tAngkor Vat\n+Name=\t\tAngkor Wat\n")));
    // A double click on a line opens its field, and the preview follows the edit made there.
    auto* text = child<QPlainTextEdit>(preview, "Text1");
    text->setTextCursor(text->document()->find(QStringLiteral("Name=\t\tAngkor Wat")));
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect().center());
    EXPECT_EQ(window.focusWidget(), nameBox(9));
    retype(nameBox(9), QStringLiteral("Angkor Vat"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return child<QPlainTextEdit>(preview, "Diff1")->toPlainText() ==
               QStringLiteral("The same as the file in the script folder.");
    }));

    // Build and Play: refused without the game's program, else the DATs beside it and the game started.
    choice = 1;  // "Replace" the Script.txt written by hand
    std::filesystem::remove(compilerRecord());
    keyOnMain(Qt::Key_F9);
    EXPECT_TRUE(messages.value(messages.size() - 1)
                    .endsWith(QStringLiteral("holds no tomb4.exe: nothing was built and the game was not started.")));
    writeBytes(package() / "tomb4.exe", "MZ");
    const std::string security = std::exchange(window.project().security, "-1");
    keyOnMain(Qt::Key_F9);
    EXPECT_TRUE(heading().startsWith(QStringLiteral("The game was not started. The DAT files were not built")));
    window.project().security = security;
    keyOnMain(Qt::Key_F9);
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_TRUE(readBytes(compilerRecord()).starts_with("1\n")) << "wine and the game's path";
    EXPECT_TRUE(readBytes(compilerRecord()).ends_with("tomb4.exe\n"));
    EXPECT_EQ(readBytes(package() / "SCRIPT.DAT"), buildGameFiles(window.project()).files.scriptDat);
}

}  // namespace
}  // namespace orvanta::test

namespace orvanta::test {
namespace {

TEST_F(ScriptProblemsTest, ReplacingAScriptTxtWrittenElsewhereAsksFirstAndMayImportIt)
{
    std::string foreign = scriptText(window.project());
    foreign.replace(foreign.find("Playable Tutorial Level"), 23, "My Own Level");
    writeBytes(scriptFolder() / "SCRIPT.TXT", foreign);
    choice = 2;  // "Cancel": nothing is written
    keyOnMain(Qt::Key_F8);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(
        questions[0].endsWith(QStringLiteral("Import it into the project first?|Import It First|Replace|Cancel")));
    EXPECT_EQ(readBytes(scriptFolder() / "SCRIPT.TXT"), foreign);
    EXPECT_FALSE(exists("SCRIPT.DAT"));

    choice = 0;  // "Import It First": the project takes the game, nothing is written
    keyOnMain(Qt::Key_F8);
    EXPECT_EQ(window.project().slot(2).levelName, "My Own Level");
    EXPECT_EQ(readBytes(scriptFolder() / "SCRIPT.TXT"), foreign);

    choice = 1;  // "Replace"; once written in this run, the file is replaced without a question
    keyOnMain(Qt::Key_F8);
    EXPECT_EQ(readBytes(scriptFolder() / "SCRIPT.TXT"), scriptText(window.project()));
    window.project().slot(2).levelName = "Renamed";
    const auto asked = questions.size();
    keyOnMain(Qt::Key_F8);
    EXPECT_EQ(questions.size(), asked);
    EXPECT_EQ(readBytes(scriptFolder() / "SCRIPT.TXT"), scriptText(window.project()));
}

}  // namespace
}  // namespace orvanta::test
