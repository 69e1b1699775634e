// The level and game properties dialogs as a level builder reaches them: from
// the main window's slot buttons, its menu, its shortcut and the tool box, with
// each change checked in the Script.txt the main window's compile commands write.
#include "ui/main_window_fixture.h"

#include "projectfile/project_file_writer.h"
#include "script/script_writer.h"
#include "support/lines.h"
#include "ui/dialog_test_support.h"
#include "ui/game_properties_dialog.h"
#include "ui/level_properties_dialog.h"
#include "ui/option_image.h"
#include "ui/project_dialog_support.h"
#include "ui/tool_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;
using ui::OptionImage;
using Display = OptionImage::Display;

class LevelEditingTest : public MainWindowTest {
protected:
    LevelEditingTest()
    {
        useTemporaryFolders();
        before = window.project();
    }

    /// Slot k's button in the main window's rows (the dialogs have a
    /// "Command1" of their own).
    QPushButton* slotButton(int slot) const
    {
        return controlOf<QPushButton>(window.centralWidget(),
                                      QStringLiteral("Command%1").arg(slot).toLatin1().constData());
    }
    void clickSlotButton(int slot) const { QTest::mouseClick(slotButton(slot), Qt::LeftButton); }

    /// The one open dialog of that kind, or nullptr.
    template <typename Dialog> Dialog* openDialog() const
    {
        destroyClosedWindows();
        const auto found = window.findChildren<Dialog*>();
        EXPECT_LE(found.size(), 1);
        return found.isEmpty() ? nullptr : found.first();
    }
    ui::LevelPropertiesDialog* levelDialog() const
    {
        return openDialog<ui::LevelPropertiesDialog>();
    }
    ui::GamePropertiesDialog* gameDialog() const { return openDialog<ui::GamePropertiesDialog>(); }

    template <typename Control> Control* inLevelDialog(const char* name) const
    {
        return controlOf<Control>(levelDialog(), name);
    }
    QLineEdit* camera() const { return inLevelDialog<QLineEdit>("Text3"); }
    QComboBox* track() const { return inLevelDialog<QComboBox>("Combo1"); }
    void clickInLevelDialog(const char* name) const
    {
        QTest::mouseClick(inLevelDialog<QAbstractButton>(name), Qt::LeftButton);
    }
    void apply() const
    {
        clickInLevelDialog("Command1");
        EXPECT_EQ(levelDialog(), nullptr) << "Apply closes the dialog";
    }
    void chooseTrack(const char* entry) const
    {
        const int index = track()->findText(QString::fromLatin1(entry));
        ASSERT_GE(index, 0) << entry;
        track()->setCurrentIndex(index);
    }
    void typeTrack(const char* text) const
    {
        clearByKeyboard(track()->lineEdit());
        QTest::keyClicks(track()->lineEdit(), QString::fromLatin1(text));
    }
    /// Check1..Check8 as ticked ("1" for ticked, "." for not).
    std::string ticks() const
    {
        std::string marks;
        for (int i = 1; i <= 8; ++i) {
            const auto name = QStringLiteral("Check%1").arg(i).toLatin1();
            marks += inLevelDialog<QCheckBox>(name.constData())->isChecked() ? '1' : '.';
        }
        return marks;
    }

    OptionImage* image(int n) const
    {
        const QByteArray name = QStringLiteral("Image%1").arg(n).toLatin1();
        return controlOf<OptionImage>(gameDialog(), name.constData());
    }
    QLineEdit* gameBox(const char* name) const { return controlOf<QLineEdit>(gameDialog(), name); }
    void clickImage(int n) const { QTest::mouseClick(image(n), Qt::LeftButton); }

    /// "Compile Scripts", then the Script.txt it wrote (once the stand-in
    /// compiler it starts has run).
    std::string compiled()
    {
        fs::remove(temp / "Script.txt");
        fs::remove(compilerRecord());
        entry("begin")->trigger();
        EXPECT_TRUE(waitForRecord(compilerRecord()));
        return readBytes(temp / "Script.txt");
    }
    /// "Compile Scripts to..." into a folder of its own, then the Script.txt it wrote.
    std::string compiledTo()
    {
        const fs::path folder = temp / "copy";
        fs::create_directories(folder);
        fs::remove(folder / "Script.txt");
        entry("ctoo")->trigger();
        retype(find<QLineEdit>("Text30"), QString::fromStdString(folder.string()));
        QTest::mouseClick(find<QPushButton>("Command13"), Qt::LeftButton);
        return readBytes(folder / "Script.txt");
    }
    static bool has(const std::string& script, const std::vector<std::string>& run)
    {
        return containsRun(linesOf(script), run);
    }

    ProjectState before;  // the project as the test began
};

TEST_F(LevelEditingTest, SlotButtonsOpenTheStockSlotNineAndTitleSlot)
{
    clickSlotButton(9);
    ui::LevelPropertiesDialog* dialog = levelDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Angkor Wat Properties"));
    EXPECT_EQ(inLevelDialog<QLabel>("text1")->text(), QStringLiteral("Angkor Wat"));
    EXPECT_EQ(inLevelDialog<QLabel>("levnum")->text(), QStringLiteral("9"));
    EXPECT_EQ(ticks(), "1..1..11");  // Horizon, Young Lara, Legend, Include in Script
    EXPECT_EQ(camera()->text(), QStringLiteral("7835,-569,88960,5000,-323,88346,20"));

    // The main window stays usable: its title slot button re-targets the same dialog.
    clickSlotButton(1);
    EXPECT_EQ(levelDialog(), dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Title Load Screen Properties"));
    EXPECT_EQ(inLevelDialog<QLabel>("text1")->text(), QStringLiteral("Title Load Screen"));
    EXPECT_EQ(inLevelDialog<QLabel>("levnum")->text(), QStringLiteral("1"));
    EXPECT_EQ(ticks(), "1......1");
    EXPECT_EQ(camera()->text(), QStringLiteral("84246,-533,78233,81622,-1514,78208,40"));
    EXPECT_EQ(window.project(), before);  // opening writes nothing
}

TEST_F(LevelEditingTest, ApplyWithoutChangesCompilesTheSameScript)
{
    const std::string original = compiled();
    for (int slot : {9, 1, 5}) {
        clickSlotButton(slot);
        apply();
    }
    EXPECT_EQ(window.project(), before);
    EXPECT_EQ(compiled(), original);
}

TEST_F(LevelEditingTest, ANameTypedInTheMainWindowReachesTitleBannerAndScript)
{
    retype(find<QLineEdit>("Text4"), QStringLiteral("Coastal Ruins Again"));  // slot 5
    clickSlotButton(5);
    EXPECT_EQ(levelDialog()->windowTitle(), QStringLiteral("Coastal Ruins Again Properties"));
    EXPECT_EQ(inLevelDialog<QLabel>("text1")->text(), QStringLiteral("Coastal Ruins Again"));

    // Renamed again while the dialog is open: its button shows the newer name.
    retype(find<QLineEdit>("Text4"), QStringLiteral("Ruins"));
    clickSlotButton(5);
    EXPECT_EQ(inLevelDialog<QLabel>("text1")->text(), QStringLiteral("Ruins"));
    chooseTrack("Tomb of Set");
    apply();
    EXPECT_EQ(window.project().slot(5).audioTrack, "107");
    EXPECT_TRUE(
        has(compiled(), {"Name=\t\tRuins", "Horizon=\tENABLED", "ColAddHorizon=\tENABLED"}));
    EXPECT_TRUE(has(compiledTo(), {"Level=\t\tDATA\\COASTAL,107"}));
}

TEST_F(LevelEditingTest, ATypedTrackThatIsNoEntryEmptiesTheTrackInTheScript)
{
    clickSlotButton(8);  // City Of The Dead, track 102
    typeTrack("city");
    apply();
    clickSlotButton(5);  // Coastal Ruins, track 105
    typeTrack("105");
    apply();
    ProjectState expected = before;
    expected.slot(8).audioTrack = "";
    expected.slot(5).audioTrack = "";
    EXPECT_EQ(window.project(), expected);
    const std::string script = compiledTo();
    EXPECT_EQ(script, scriptText(expected));
    EXPECT_TRUE(has(script, {"Level=\t\tDATA\\CITY,"}));
    EXPECT_TRUE(has(script, {"Level=\t\tDATA\\COASTAL,"}));
}

TEST_F(LevelEditingTest, AClearedCameraReachesTheScriptAndOpensEmpty)
{
    clickSlotButton(6);  // Catacombs
    clearByKeyboard(camera());
    apply();
    EXPECT_EQ(window.project().slot(6).levelData, "*i,");
    EXPECT_EQ(window.project().slot(6).cameraLabel, "");
    EXPECT_TRUE(has(compiled(), {"LoadCamera=\t", "Level=\t\tDATA\\CATACOMB,108"}));

    clickSlotButton(6);
    EXPECT_EQ(camera()->text(), QString());
    EXPECT_EQ(ticks(), ".......1");
}

TEST_F(LevelEditingTest, ReTargetingFromSlotThreeToSevenAppliesToSevenOnlyWithTheChosenTrack)
{
    clickSlotButton(3);
    chooseTrack("Catacombs");
    clickInLevelDialog("Check2");  // Lightning for slot 3, never applied
    clearByKeyboard(camera());
    clickSlotButton(7);
    EXPECT_EQ(inLevelDialog<QLabel>("levnum")->text(), QStringLiteral("7"));
    EXPECT_EQ(levelDialog()->windowTitle(), QStringLiteral("Cleopatra's Palaces Properties"));
    EXPECT_EQ(track()->currentText(), QStringLiteral("Catacombs"));
    EXPECT_EQ(camera()->text(), QStringLiteral("37674,-6560,48511,37886,-6404,47204,18"));
    apply();

    ProjectState expected = before;
    expected.slot(7).audioTrack = "108";
    EXPECT_EQ(window.project(), expected);
    const std::string script = compiled();
    EXPECT_EQ(script, scriptText(expected));
    EXPECT_TRUE(has(script, {"LoadCamera=\t37674,-6560,48511,37886,-6404,47204,18",
                             "Level=\t\tDATA\\CLEOPAL,108"}));

    // The next opening starts afresh: the placeholder, which keeps the track.
    clickSlotButton(7);
    EXPECT_EQ(track()->currentText(), QStringLiteral("- Track Set -"));
    apply();
    EXPECT_EQ(window.project().slot(7).audioTrack, "108");
}

TEST_F(LevelEditingTest, TheTitleSlotWritesItsOwnFieldsIntoTheTitleSection)
{
    clickSlotButton(1);
    clickInLevelDialog("Check5");  // Lensflare
    clearByKeyboard(camera());
    QTest::keyClicks(camera(), QStringLiteral("1,2,3,4,5,6,7"));
    chooseTrack("Angkor Wat");
    apply();

    ProjectState expected = before;
    expected.slot(1).levelData = "*ihf,1,2,3,4,5,6,7";
    expected.slot(1).cameraLabel = "1,2,3,4,5,6,7";
    expected.slot(1).audioTrack = "110";
    EXPECT_EQ(window.project(), expected);
    const std::string script = compiled();
    EXPECT_EQ(script, scriptText(expected));
    EXPECT_TRUE(
        has(script, {"[Title]", "LoadCamera=\t1,2,3,4,5,6,7", "Level=\t\tDATA\\TITLE,110"}));
}

TEST_F(LevelEditingTest, ALongCameraIsAppliedWhole)
{
    // Longer than a text box holds unless told otherwise.
    const std::string camera = "1,2,3," + std::string(40000, '7');
    window.project().slot(10).levelData = "*ih," + camera;
    clickSlotButton(10);
    apply();
    // Compared as a whole: a failure prints no 40000 characters.
    EXPECT_TRUE(window.project().slot(10).levelData == "*ih," + camera);
    EXPECT_EQ(window.project().slot(10).cameraLabel.size(), camera.size());
    EXPECT_TRUE(has(compiled(), {"LoadCamera=\t" + camera}));
}

// Game properties

TEST_F(LevelEditingTest, GamePropertiesOpenFromMenuShortcutAndToolBoxShowingTheDefaults)
{
    entry("properties")->trigger();
    ui::GamePropertiesDialog* dialog = gameDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(image(n)->display(), Display::Enabled) << n;
    EXPECT_EQ(image(5)->display(), Display::Disabled);
    EXPECT_EQ(gameBox("Text1")->text(), QStringLiteral("18000"));
    EXPECT_EQ(gameBox("Text2")->text(), QStringLiteral("$55"));
    dialog->close();
    EXPECT_EQ(gameDialog(), nullptr);

    QTest::keyClick(&window, Qt::Key_F5);
    ASSERT_NE(gameDialog(), nullptr);
    EXPECT_EQ(gameBox("Text3")->text(), QStringLiteral("The year 2000, somewhere in Egypt..."));
    QTest::mouseClick(controlOf<QPushButton>(gameDialog(), "Command1"), Qt::LeftButton);  // Ok
    EXPECT_EQ(gameDialog(), nullptr);

    entry("commontools")->trigger();
    ASSERT_NE(window.toolBox(), nullptr);
    QTest::mouseClick(controlOf<QWidget>(window.toolBox(), "Image1"), Qt::LeftButton);
    ASSERT_NE(gameDialog(), nullptr);
    EXPECT_TRUE(gameDialog()->isVisible());
    EXPECT_EQ(gameBox("Text4")->text(), QStringLiteral("Cambodia, 1984"));
    EXPECT_EQ(window.project(), before);
}

TEST_F(LevelEditingTest, OpeningGamePropertiesAgainOnlyRaisesTheOpenDialog)
{
    QTest::keyClick(&window, Qt::Key_F5);
    const QPointer<ui::GamePropertiesDialog> first = gameDialog();
    ASSERT_FALSE(first.isNull());
    window.project().security = "$99";
    window.project().gameSwitch(2) = "1";

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));  // brought to the front
    entry("commontools")->trigger();
    QTest::mouseClick(controlOf<QWidget>(window.toolBox(), "Image1"), Qt::LeftButton);
    EXPECT_EQ(gameDialog(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));
    EXPECT_EQ(gameBox("Text2")->text(), QStringLiteral("$55"));  // not read again
    EXPECT_EQ(image(2)->display(), Display::Enabled);
    EXPECT_EQ(window.project().security, "$99");
}

TEST_F(LevelEditingTest, TheLoadSaveToggleReachesTheNextScriptAndBack)
{
    QTest::keyClick(&window, Qt::Key_F5);
    clickImage(1);
    EXPECT_EQ(image(1)->display(), Display::Disabled);
    EXPECT_TRUE(has(compiled(), {"LoadSave=\tDISABLED"}));
    clickImage(1);
    EXPECT_EQ(image(1)->display(), Display::Enabled);
    EXPECT_TRUE(has(compiledTo(), {"LoadSave=\tENABLED"}));
    EXPECT_EQ(window.project().switches, before.switches);
}

TEST_F(LevelEditingTest, AClearedTimeOutIsStoredAtOnceAndATypedLegendSurvivesTheCloseBox)
{
    QTest::keyClick(&window, Qt::Key_F5);
    clearByKeyboard(gameBox("Text1"));
    EXPECT_EQ(window.project().inputTimeout, "");
    QTest::keyClicks(gameBox("Text3"), QStringLiteral(" Again"));
    EXPECT_EQ(window.project().firstLegend, "The year 2000, somewhere in Egypt... Again");
    gameDialog()->close();
    EXPECT_EQ(gameDialog(), nullptr);

    const std::string script = compiled();
    EXPECT_TRUE(has(script, {"InputTimeout=\t"}));
    EXPECT_TRUE(has(script, {"Name=\t\tPlayable Tutorial Level",
                             "Legend=\t\tThe year 2000, somewhere in Egypt... Again"}));
}

TEST_F(LevelEditingTest, ALongLegendIsEditedWhole)
{
    const std::string legend(40000, 'L');
    window.project().firstLegend = legend;
    QTest::keyClick(&window, Qt::Key_F5);
    QTest::keyClick(gameBox("Text3"), Qt::Key_End);
    QTest::keyClick(gameBox("Text3"), Qt::Key_Backspace);
    EXPECT_EQ(window.project().firstLegend.size(), legend.size() - 1);
    QTest::keyClicks(gameBox("Text3"), QStringLiteral("!"));
    EXPECT_TRUE(window.project().firstLegend == legend.substr(1) + "!");
}

/// Loads a project through the real "Load" dialog, from the folder it opens in.
class LoadedProjectTest : public LevelEditingTest {
protected:
    void loadThroughTheLoadDialog(const ProjectState& project)
    {
        writeBytes(prefix.driveC(kScriptFolder) / "other.txt", projectFileText(project));
        entry("Load")->trigger();
        QWidget* load = window.findChild<QWidget*>(QStringLiteral("Form12"));
        ASSERT_NE(load, nullptr);
        ASSERT_TRUE(clickFile(load, QStringLiteral("other.txt")));
        pressOk(load);
        ASSERT_TRUE(messages.texts().contains(QStringLiteral("Script file loaded!")));
    }

    /// A project as a file can carry it; it compiles into the same temporary folder.
    ProjectState otherProject() const
    {
        ProjectState other = before;
        other.switches = {"2", "1", "", "0", "0"};
        other.inputTimeout = "900";
        other.security = "$10";
        other.firstLegend = "Loaded first";
        other.secondLegend = "Loaded second";
        other.level(1).levelName = "Loaded Level";
        return other;
    }

    FakeWinePrefix prefix{kScriptFolder};
};

TEST_F(LoadedProjectTest, ASwitchHoldingAnotherTextKeepsItsInitialPictureAndIgnoresClicks)
{
    loadThroughTheLoadDialog(otherProject());
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), QStringLiteral("Loaded Level"));
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(image(1)->display(), Display::Initial);  // "2"
    EXPECT_EQ(image(2)->display(), Display::Disabled);
    EXPECT_EQ(image(3)->display(), Display::Initial);  // empty
    EXPECT_EQ(image(5)->display(), Display::Enabled);
    EXPECT_EQ(gameBox("Text1")->text(), QStringLiteral("900"));
    for (int n : {1, 3}) {
        clickImage(n);
        EXPECT_EQ(image(n)->display(), Display::Initial) << n;
    }
    EXPECT_EQ(window.project(), otherProject());
    const std::string script = compiled();
    EXPECT_EQ(script.find("LoadSave="), std::string::npos);
    EXPECT_EQ(script.find("PlayAnyLevel="), std::string::npos);
    EXPECT_TRUE(has(script, {"Title=\tDISABLED"}));
}

TEST_F(LoadedProjectTest, AProjectLoadedWhileOpenIsNotShownAndAKeystrokeOverwritesOnlyItsField)
{
    QTest::keyClick(&window, Qt::Key_F5);
    const QPointer<ui::GamePropertiesDialog> dialog = gameDialog();
    loadThroughTheLoadDialog(otherProject());
    ASSERT_EQ(gameDialog(), dialog.data());
    EXPECT_EQ(gameBox("Text1")->text(), QStringLiteral("18000"));
    EXPECT_EQ(gameBox("Text2")->text(), QStringLiteral("$55"));
    EXPECT_EQ(gameBox("Text3")->text(), QStringLiteral("The year 2000, somewhere in Egypt..."));
    EXPECT_EQ(image(1)->display(), Display::Enabled);

    QTest::keyClick(gameBox("Text2"), Qt::Key_End);
    QTest::keyClicks(gameBox("Text2"), QStringLiteral("5"));
    ProjectState expected = otherProject();
    expected.security = "$555";
    EXPECT_EQ(window.project(), expected);
    const std::string script = compiled();
    EXPECT_EQ(script, scriptText(expected));
    EXPECT_TRUE(has(script, {"InputTimeout=\t900"}));
    EXPECT_TRUE(has(script, {"Security=\t$555"}));

    // A click decides by the picture shown: "Enabled" turns into "Disabled".
    clickImage(1);
    EXPECT_EQ(window.project().gameSwitch(1), "1");
    EXPECT_TRUE(has(compiled(), {"LoadSave=\tDISABLED"}));
}

} // namespace
} // namespace orvanta::test
