#include "ui/level_properties_dialog.h"

#include "ui/dialog_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <functional>
#include <vector>

namespace orvanta::ui {
namespace {

using test::controlOf;
using test::scriptHas;

const std::string kAngkorCamera = "7835,-569,88960,5000,-323,88346,20";
const std::string kTitleCamera = "84246,-533,78233,81622,-1514,78208,40";

/// Drives the dialog as the main window's slot buttons do: one dialog at a
/// time, created when none is open, then filled for the slot.
class LevelPropertiesDialogTest : public ::testing::Test {
protected:
    ~LevelPropertiesDialogTest() override { delete dialog; }

    void pressSlotButton(int slot)
    {
        if (dialog.isNull())
            dialog = new LevelPropertiesDialog(project);
        dialog->openSlot(slot);
    }

    template <typename Control> Control* control(const char* name) const
    {
        return controlOf<Control>(dialog, name);
    }
    QLineEdit* camera() const { return control<QLineEdit>("Text3"); }
    QComboBox* track() const { return control<QComboBox>("Combo1"); }
    QString slotNumber() const { return control<QLabel>("levnum")->text(); }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    /// The ticked boxes, Check1..Check8.
    QStringList ticked() const
    {
        QStringList names;
        for (int i = 1; i <= 8; ++i) {
            const QString name = QStringLiteral("Check%1").arg(i);
            if (dialog->findChild<QCheckBox*>(name)->isChecked())
                names << name;
        }
        return names;
    }

    void chooseTrack(const char* entry) const
    {
        const int index = track()->findText(QString::fromLatin1(entry));
        ASSERT_GE(index, 0) << entry;
        track()->setCurrentIndex(index);
    }

    void typeTrack(const char* text) const
    {
        test::clearByKeyboard(track()->lineEdit());
        QTest::keyClicks(track()->lineEdit(), QString::fromLatin1(text));
    }

    /// Presses "Apply" and checks that the dialog is gone afterwards.
    void apply()
    {
        click("Command1");
        EXPECT_FALSE(dialog->isVisible());
        test::destroyClosedWindows();
        EXPECT_TRUE(dialog.isNull());
    }

    ProjectState project = ProjectState::withDefaults();
    QPointer<LevelPropertiesDialog> dialog;
};

TEST_F(LevelPropertiesDialogTest, StockSlotNineOpensWithItsNameOptionsAndCamera)
{
    pressSlotButton(9);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags()
                 & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Angkor Wat Properties"));
    EXPECT_EQ(control<QLabel>("text1")->text(), QStringLiteral("Angkor Wat"));
    EXPECT_EQ(slotNumber(), QStringLiteral("9"));
    // Horizon, Young Lara, Legend and Include in Script
    EXPECT_EQ(ticked(), (QStringList{QStringLiteral("Check1"), QStringLiteral("Check4"),
                                     QStringLiteral("Check7"), QStringLiteral("Check8")}));
    EXPECT_EQ(camera()->text(), QString::fromStdString(kAngkorCamera));
    EXPECT_EQ(track()->currentText(), QStringLiteral("- Track Set -"));
    EXPECT_EQ(track()->count(), 6);
    EXPECT_EQ(dialog->focusWidget(), control<QWidget>("Check1"));
}

TEST_F(LevelPropertiesDialogTest, TitleSlotOpensAsSlotOne)
{
    pressSlotButton(1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Title Load Screen Properties"));
    EXPECT_EQ(control<QLabel>("text1")->text(), QStringLiteral("Title Load Screen"));
    EXPECT_EQ(slotNumber(), QStringLiteral("1"));
    EXPECT_EQ(ticked(), (QStringList{QStringLiteral("Check1"), QStringLiteral("Check8")}));
    EXPECT_EQ(camera()->text(), QString::fromStdString(kTitleCamera));
}

TEST_F(LevelPropertiesDialogTest, RenamedLevelShowsItsNewNameInTitleAndBanner)
{
    project.level(3).levelName = "Karnak \x89 Revisited";  // a per-mille sign in the code page
    pressSlotButton(4);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Karnak \u2030 Revisited Properties"));
    EXPECT_EQ(control<QLabel>("text1")->text(), QStringLiteral("Karnak \u2030 Revisited"));
}

TEST_F(LevelPropertiesDialogTest, ApplyWithoutChangesRewritesTheSameSlot)
{
    // The letters out of their usual order.
    project.slot(5).levelData = "*fhbi,69395,-4283,29278,72285,-4304,29773,2";
    const ProjectState before = project;
    pressSlotButton(5);
    apply();
    const LevelSlot& slot = project.slot(5);
    EXPECT_EQ(slot.levelData, "*ihbf,69395,-4283,29278,72285,-4304,29773,2");
    EXPECT_EQ(slot.cameraLabel, "69395,-4283,29278,72285,-4304,29773,2");
    EXPECT_EQ(slot.audioTrack, "105");
    EXPECT_TRUE(scriptHas(project,
                          {"Name=\t\tCoastal Ruins", "Horizon=\tENABLED", "ColAddHorizon=\tENABLED",
                           "LensFlare=\t250000,-32000,110000,128,96,0"}));
    project.slot(5).levelData = before.slot(5).levelData;
    EXPECT_EQ(project, before);  // nothing else touched
}

TEST_F(LevelPropertiesDialogTest, ClearedCameraIsStoredEmptyAndOpensEmpty)
{
    pressSlotButton(3);
    test::clearByKeyboard(camera());
    apply();
    EXPECT_EQ(project.slot(3).levelData, "*i,");
    EXPECT_EQ(project.slot(3).cameraLabel, "");
    EXPECT_TRUE(scriptHas(project, {"LoadCamera=\t", "Level=\t\tDATA\\SETTOMB,107"}));

    pressSlotButton(3);
    EXPECT_EQ(camera()->text(), QString());
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Check8")});
}

TEST_F(LevelPropertiesDialogTest, TypedCameraIsKeptAsTypedWithForeignCharactersShownAsStored)
{
    pressSlotButton(6);
    test::clearByKeyboard(camera());
    test::typeText(camera(), QStringLiteral("1, 2,,3 \u0100"));
    EXPECT_EQ(camera()->text(), QStringLiteral("1, 2,,3 ?"));
    apply();
    EXPECT_EQ(project.slot(6).levelData, "*i,1, 2,,3 ?");
    EXPECT_EQ(project.slot(6).cameraLabel, "1, 2,,3 ?");
    EXPECT_TRUE(scriptHas(project, {"LoadCamera=\t1, 2,,3 ?", "Level=\t\tDATA\\CATACOMB,108"}));
}

TEST_F(LevelPropertiesDialogTest, ChosenTrackIsStoredAndThePlaceholderKeepsTheOldOne)
{
    pressSlotButton(5);
    chooseTrack("Tomb of Set");
    apply();
    EXPECT_EQ(project.slot(5).audioTrack, "107");
    EXPECT_TRUE(scriptHas(project, {"Level=\t\tDATA\\COASTAL,107"}));

    pressSlotButton(5);
    // A new dialog starts afresh.
    EXPECT_EQ(track()->currentText(), QStringLiteral("- Track Set -"));
    apply();
    EXPECT_EQ(project.slot(5).audioTrack, "107");
}

TEST_F(LevelPropertiesDialogTest, TypedTrackThatIsNoEntryEmptiesTheTrack)
{
    pressSlotButton(8);
    typeTrack("105");
    apply();
    EXPECT_EQ(project.slot(8).audioTrack, "");
    EXPECT_TRUE(scriptHas(project, {"Level=\t\tDATA\\CITY,"}));

    // Return applies as "Apply" does, with the text exactly as typed.
    project.slot(8).audioTrack = "102";
    pressSlotButton(8);
    typeTrack("city");
    QTest::keyClick(track()->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(project.slot(8).audioTrack, "");
}

TEST_F(LevelPropertiesDialogTest, PressingAnotherSlotRetargetsAndKeepsTheChosenTrack)
{
    pressSlotButton(3);
    const QPointer<LevelPropertiesDialog> first = dialog;
    chooseTrack("Catacombs");
    click("Check2");  // Lightning, for slot 3, never applied
    test::clearByKeyboard(camera());

    pressSlotButton(7);
    EXPECT_EQ(dialog, first);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Cleopatra's Palaces Properties"));
    EXPECT_EQ(slotNumber(), QStringLiteral("7"));
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Check8")});
    EXPECT_EQ(track()->currentText(), QStringLiteral("Catacombs"));
    apply();

    const ProjectState defaults = ProjectState::withDefaults();
    EXPECT_EQ(project.slot(3), defaults.slot(3));
    EXPECT_EQ(project.slot(7).audioTrack, "108");
    EXPECT_EQ(project.slot(7).levelData, defaults.slot(7).levelData);
    EXPECT_TRUE(scriptHas(project, {"LoadCamera=\t37674,-6560,48511,37886,-6404,47204,18",
                                    "Level=\t\tDATA\\CLEOPAL,108"}));
}

TEST_F(LevelPropertiesDialogTest, TitleSlotAppliesToItsOwnFields)
{
    pressSlotButton(1);
    click("Check5");
    test::clearByKeyboard(camera());
    QTest::keyClicks(camera(), QStringLiteral("1,2,3,4,5,6,7"));
    chooseTrack("City");
    apply();
    EXPECT_EQ(project.slot(1).levelData, "*ihf,1,2,3,4,5,6,7");
    EXPECT_EQ(project.slot(1).cameraLabel, "1,2,3,4,5,6,7");
    EXPECT_EQ(project.slot(1).audioTrack, "102");
    EXPECT_EQ(project.slot(2), ProjectState::withDefaults().slot(2));
    EXPECT_TRUE(
        scriptHas(project, {"[Title]", "LoadCamera=\t1,2,3,4,5,6,7", "Level=\t\tDATA\\TITLE,102"}));
}

TEST_F(LevelPropertiesDialogTest, CancelTheCloseBoxAndEscapeWriteNothing)
{
    const ProjectState before = project;
    const std::vector<std::function<void()>> ways{
        [this] { click("Command2"); },
        [this] { dialog->close(); },
        [this] { QTest::keyClick(camera(), Qt::Key_Escape); },
    };
    for (const auto& closeDialog : ways) {
        pressSlotButton(10);
        click("Check6");
        QTest::keyClicks(camera(), QStringLiteral("5"));
        chooseTrack("Title");
        closeDialog();
        test::destroyClosedWindows();
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(project, before);
    }
}

TEST_F(LevelPropertiesDialogTest, ApplyBeforeAnySlotIsNamedWritesNothing)
{
    dialog = new LevelPropertiesDialog(project);
    dialog->show();
    EXPECT_EQ(slotNumber(), QStringLiteral("Unknown"));
    chooseTrack("City");
    apply();
    EXPECT_EQ(project, ProjectState::withDefaults());
}

} // namespace
} // namespace orvanta::ui
