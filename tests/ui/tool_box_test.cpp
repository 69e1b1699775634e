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
    EXPECT_EQ(first->windowTitle(), QString());
    EXPECT_EQ(first->windowType(), Qt::Tool);
    EXPECT_EQ(first->size(), QSize(43, 113));
    EXPECT_EQ(shown(), QStringLiteral("dddd|Game Properties|Edit Wad Packs|Restore Default Scripts|Run Easylife"));
    QTest::mouseClick(button("Image4"), Qt::RightButton);
    QTest::mousePress(button("Image5"), Qt::MiddleButton);  // still held when hidden
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(window.toolBox(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(shown().startsWith(QStringLiteral("ddrp|")));
    first->close();  // its close box destroys it; the mark stays, and the next choice only clears it
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window.toolBox(), nullptr);
    EXPECT_FALSE(toggle->isChecked());
    keyOnMain(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(window.toolBox()->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(shown().startsWith(QStringLiteral("dddd|")));
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
    EXPECT_EQ(opened("Form7"), nullptr);
    EXPECT_EQ(opened("Form3"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(scriptFolder() / "Script.txt"));
    EXPECT_FALSE(std::filesystem::exists(compilerRecord()));

    click(window.toolBox(), "Image1");
    click(window.toolBox(), "Image2");
    EXPECT_NE(opened("Form7"), nullptr);
    EXPECT_NE(opened("Form3"), nullptr);
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
