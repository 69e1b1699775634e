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


    void chooseTrack(const char* entry) const
    {
        const int index = track()->findText(QString::fromLatin1(entry));
        ASSERT_GE(index, 0) << entry;
        track()->setCurrentIndex(index);
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
