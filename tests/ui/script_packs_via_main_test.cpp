// ProjectState first: its member `slots` must be read before Qt defines the
// keyword macro of the same name.
#include "model/project_state.h"

#include "projectfile/project_file_writer.h"
#include "script/english_writer.h"
#include "script/script_writer.h"
#include "support/lines.h"
#include "support/mouse_and_keys.h"
#include "ui/main_window_fixture.h"
#include "ui/project_dialog_support.h"
#include "ui/tool_box.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;

constexpr int kTut1Pack = 2;
constexpr int kAngkorPack = 9;
constexpr int kLibraryPack = 10;
constexpr int kGuardPack = 11;
const std::string kSpareKeyLine = "Key=\t\t9,Spare Key,\t$0000";

/// The script packs as a level builder reaches them: from the main window's
/// menu, its F6 key or the tool box, with "Compile Scripts" writing the result.
class ScriptPacksViaMainTest : public MainWindowTest {
protected:
    void TearDown() override { flushDeletes(); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    /// The window of that name while it exists and is not being destroyed.
    QWidget* named(const char* name) const
    {
        flushDeletes();
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    }
    QWidget* browser() const { return named("Form3"); }
    QWidget* editor() const { return named("Form4"); }

    /// Chooses Edit > Script Packs with the mouse, as on the menu bar.
    void chooseScriptPacksFromTheMenu()
    {
        auto* edit = find<QMenu>("Edit");
        QAction* scriptPacks = entry("scriptpacks");
        edit->popup(window.mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(scriptPacks).center());
    }
    void clickToolBoxButton(const char* name)
    {
        if (window.toolBox() == nullptr)
            entry("commontools")->trigger();
        QTest::mouseClick(window.toolBox()->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    QLabel* packLabel(int pack) const
    {
        return browser()->findChild<QLabel*>(QStringLiteral("Label%1").arg(pack));
    }
    QPlainTextEdit* editorBox(const char* name) const
    {
        return editor()->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* packBox() const { return editorBox("Text1"); }
    QPlainTextEdit* inventoryBox() const { return editorBox("Text2"); }
    void press(QWidget* dialog, const char* button)
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        flushDeletes();
    }
    static void typeLineInto(QPlainTextEdit* box, const std::string& line)
    {
        QTest::keyClicks(box, QString::fromStdString(line));
        QTest::keyClick(box, Qt::Key_Return);
    }

    /// A key pressed while the main window is the active one, as its
    /// shortcuts need.
    void keyOnMain(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key, modifiers);
    }

    /// "Compile Scripts" as its shortcut gives it; the Script.txt it wrote.
    std::string compile(const fs::path& scriptFolder)
    {
        keyOnMain(Qt::Key_F1, Qt::ShiftModifier);
        EXPECT_EQ(messages.texts().last(), QStringLiteral("DAT files rewritten - Script Files Compiled!"));
        EXPECT_TRUE(waitForRecord(compilerRecord()));  // done before the temporary folder goes
        fs::remove(compilerRecord());
        return readBytes(scriptFolder / "Script.txt");
    }

    /// The project as the main window starts with it.
    const ProjectState defaults = window.project();
};

TEST_F(ScriptPacksViaMainTest, F6TheMenuAndTheToolBoxOpenOneBrowser)
{
    keyOnMain(Qt::Key_F6);
    QPointer<QWidget> first = browser();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Script Data Packs"));

    first->hide();  // as if behind the main window: every way brings the same one back
    chooseScriptPacksFromTheMenu();
    EXPECT_TRUE(first->isVisible());
    first->hide();
    clickToolBoxButton("Image2");
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("Form3")).size(), 1);

    // After "Close" the tool box makes a new one.
    press(first, "Command1");
    EXPECT_EQ(first, nullptr);
    clickToolBoxButton("Image2");
    ASSERT_NE(browser(), nullptr);
    EXPECT_TRUE(browser()->isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ScriptPacksViaMainTest, AngkorPackOpenedFromTheToolBoxShowsItsLineAndTheWholeInventory)
{
    clickToolBoxButton("Image2");
    doubleClick(packLabel(kAngkorPack));
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Angkor Pack"));
    EXPECT_EQ(packBox()->toPlainText(),
              QStringLiteral("Puzzle=\t\t1,Golden Skull,\t$0001,$0180,$9000,$0000,$0000,$0002\n"));
    EXPECT_EQ(inventoryBox()->blockCount(), 131);  // 130 lines and the empty one after the last break
    EXPECT_EQ(inventoryBox()->document()->firstBlock().text(), QStringLiteral("Uzi"));
    EXPECT_EQ(inventoryBox()->document()->findBlockByNumber(129).text(), QStringLiteral("Jerrycan"));

    // Nothing typed: Apply leaves the project exactly as it was.
    press(editor(), "Command1");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(window.project(), defaults);
}

TEST_F(ScriptPacksViaMainTest, AGuardPackEditChangesOnlyItsPackAndTheInventoryAndReachesTheCompiledFiles)
{
    useTemporaryFolders();
    keyOnMain(Qt::Key_F6);
    doubleClick(packLabel(kGuardPack));
    typeLineInto(packBox(), kSpareKeyLine);
    typeLineInto(inventoryBox(), "Spare Key");
    press(editor(), "Command1");

    ProjectState expected = defaults;
    expected.scriptFolder = window.project().scriptFolder;
    expected.easylifeLocation = window.project().easylifeLocation;
    expected.level(10).scriptPack = kSpareKeyLine + "\r\n" + defaults.level(10).scriptPack;
    expected.inventoryItems = "Spare Key\r\n" + defaults.inventoryItems;
    EXPECT_EQ(window.project(), expected);

    const std::string script = compile(temp.path());
    EXPECT_EQ(script, scriptText(expected));
    const std::vector<std::string> guardLines = linesOf(defaults.level(10).scriptPack);
    EXPECT_TRUE(containsRun(linesOf(script), {kSpareKeyLine, guardLines.front(), guardLines.back()}));
    EXPECT_EQ(readBytes(temp / "English.txt"), englishText(expected));
}

TEST_F(ScriptPacksViaMainTest, AnEmptiedPackCompilesToAnEmptyLine)
{
    useTemporaryFolders();
    const std::vector<std::string> around{"Horizon=\tENABLED", "",
                                          "LoadCamera=\t11088,-1100,28896,11119,-1399,31486,0"};
    ASSERT_FALSE(containsRun(linesOf(scriptText(defaults)), around));

    chooseScriptPacksFromTheMenu();
    doubleClick(packLabel(kTut1Pack));
    QTest::keyClick(packBox(), Qt::Key_A, Qt::ControlModifier);  // the box's Select All, not About
    QTest::keyClick(packBox(), Qt::Key_Delete);
    press(editor(), "Command1");
    EXPECT_EQ(window.project().level(1).scriptPack, "");
    EXPECT_EQ(named("Form5"), nullptr);

    EXPECT_TRUE(containsRun(linesOf(compile(temp.path())), around));
}

TEST_F(ScriptPacksViaMainTest, ApplyAfterTheBrowserWasClosedStillReachesTheCompiledFile)
{
    useTemporaryFolders();
    keyOnMain(Qt::Key_F6);
    QTest::mouseClick(packLabel(kLibraryPack), Qt::LeftButton);
    press(browser(), "Command1");
    ASSERT_EQ(browser(), nullptr);
    ASSERT_NE(editor(), nullptr);
    typeLineInto(packBox(), "; checked");
    press(editor(), "Command1");
    EXPECT_EQ(window.project().level(9).scriptPack, "; checked\r\n" + defaults.level(9).scriptPack);
    EXPECT_TRUE(containsRun(linesOf(compile(temp.path())), {"; checked", "AnimatingMip=\t1,7"}));
}

TEST_F(ScriptPacksViaMainTest, AnAppliedPackSurvivesLoadingAProjectAndStillCompiles)
{
    FakeWinePrefix prefix(kScriptFolder);
    fs::create_directories(prefix.driveC("Loaded/Script"));
    ProjectState saved = defaults;
    saved.level(10).levelName = "Guardian Of The File";
    saved.level(10).scriptPack = "Key=\t\t1,Pack of the file,\t$0000\r\n";
    saved.inventoryItems = "Items of the file\r\n";
    saved.scriptFolder = "C:\\Loaded\\Script";
    saved.easylifeLocation = writeStandInProgram(temp / "easylife.sh", compilerRecord()).string();
    ASSERT_FALSE(saveProjectFile(saved, (prefix.driveC(kScriptFolder) / "saved.txt").string()).has_value());

    keyOnMain(Qt::Key_F6);
    doubleClick(packLabel(kGuardPack));
    typeLineInto(packBox(), kSpareKeyLine);
    press(editor(), "Command1");
    const std::string editedPack = window.project().level(10).scriptPack;

    keyOnMain(Qt::Key_L, Qt::ControlModifier);
    QPointer<QWidget> load = named("Form12");
    ASSERT_NE(load, nullptr);
    typeName(load, QStringLiteral("saved"));
    pressOk(load);
    ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("Script file loaded!")});
    EXPECT_TRUE(wasDestroyed(load));
    EXPECT_EQ(window.project().level(10).levelName, saved.level(10).levelName);
    EXPECT_EQ(window.project().level(10).scriptPack, editedPack);
    EXPECT_EQ(window.project().inventoryItems, defaults.inventoryItems);

    // The browser opened again shows the kept pack, and the loaded script
    // folder receives it.
    keyOnMain(Qt::Key_F6);
    doubleClick(packLabel(kGuardPack));
    EXPECT_TRUE(packBox()->toPlainText().startsWith(QString::fromStdString(kSpareKeyLine + "\n")));
    press(editor(), "Command2");
    const std::string script = compile(prefix.driveC("Loaded/Script"));
    EXPECT_EQ(script, scriptText(window.project()));
    EXPECT_TRUE(containsRun(linesOf(script), {kSpareKeyLine}));
    EXPECT_EQ(script.find("Pack of the file"), std::string::npos);
}

} // namespace
} // namespace orvanta::test
