// The tool box (Form10) as "Tool Box" (Shift+F3) shows it: its four buttons
// reach the main window's commands on a left click only.
#include "resources/stock_texts.h"
#include "support/main_window_test.h"
#include "ui/picture_button.h"

#include <QSignalSpy>

namespace orvanta::test {
namespace {

class ToolBoxTest : public MainWindowTest {
protected:
    ui::PictureButton* button(const char* name) const { return child<ui::PictureButton>(window.toolBox(), name); }
    /// The buttons' faces ("d"esign time, "r"aised, "p"ressed) and hints.
    QString shown() const
    {
        QString faces;
        QStringList hints;
        for (const char* name : {"Image1", "Image2", "Image4", "Image5"}) {
            faces += QStringLiteral("drp").at(static_cast<int>(button(name)->face()));
            hints << button(name)->toolTip();
        }
        return faces + u'|' + hints.join(u'|');
    }
};

TEST_F(ToolBoxTest, TheEntryShowsAndHidesOneToolBoxAndItsMarkFollowsTheEntryAlone)
{
    QAction* toggle = entry("commontools");
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    QPointer<ui::ToolBox> first = window.toolBox();
    EXPECT_TRUE(first->windowTitle().isEmpty() && first->windowType() == Qt::Tool && first->size() == QSize(43, 113));
    EXPECT_EQ(shown(), QStringLiteral("dddd|Game Properties|Edit Wad Packs|Restore Default Scripts|Run Easylife"));
    QTest::mouseClick(button("Image4"), Qt::RightButton);
    QTest::mousePress(button("Image5"), Qt::MiddleButton);  // still held when hidden
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_FALSE(first->isVisible() || toggle->isChecked());
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(window.toolBox() == first && first->isVisible() && toggle->isChecked() &&
                shown().startsWith(QStringLiteral("ddrp|")));
    first->close();  // its close box destroys it; the mark stays, and the next choice only clears it
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(first.isNull() && window.toolBox() == nullptr && !toggle->isChecked());
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(window.toolBox()->isVisible() && toggle->isChecked() && shown().startsWith(QStringLiteral("dddd|")));
}

TEST_F(ToolBoxTest, ALeftClickOnAButtonRunsItsCommandOnce)
{
    entry("commontools")->trigger();
    for (const char* name : {"Image1", "Image2", "Image4", "Image5"}) {
        QTest::mousePress(button(name), Qt::LeftButton);
        QTest::mouseRelease(button(name), Qt::LeftButton, {}, QPoint(-20, 40));  // released outside
        for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton})
            doubleClick(button(name), other);
    }
    EXPECT_TRUE(shown().startsWith(QStringLiteral("rrrr|")));
    EXPECT_TRUE(opened("Form7") == nullptr && opened("Form3") == nullptr);
    EXPECT_FALSE(std::filesystem::exists(scriptFolder() / "Script.txt") || std::filesystem::exists(compilerRecord()));

    click(window.toolBox(), "Image1");
    click(window.toolBox(), "Image2");
    EXPECT_TRUE(opened("Form7") != nullptr && opened("Form3") != nullptr);
    click(window.toolBox(), "Image4");
    EXPECT_EQ(readBytes(scriptFolder() / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(scriptFolder() / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");
    QSignalSpy starts(window.toolBox(), &ui::ToolBox::runEasylifeRequested);
    doubleClick(button("Image5"));
    EXPECT_EQ(starts.count(), 1);
    EXPECT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace orvanta::test
