#include "resources/stock_texts.h"
#include "support/mouse_and_keys.h"
#include "ui/main_window_fixture.h"
#include "ui/picture_button.h"
#include "ui/tool_box.h"

#include <QPointer>
#include <QPushButton>

#include <array>

namespace orvanta::test {
namespace {

namespace fs = std::filesystem;
using Face = ui::PictureButton::Face;

constexpr std::array<const char*, 4> kButtons{"Image1", "Image2", "Image4", "Image5"};

/// The tool box as the main window shows it, its buttons reaching the main
/// window's own commands.
class ToolBoxViaMainTest : public MainWindowTest {
protected:
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    /// Chooses "Tool Box" by its shortcut, as the main window's user would.
    void chooseToolBox()
    {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
        flushDeletes();  // a window closed by the choice is gone, as after any event loop pass
    }
    ui::PictureButton* button(const char* name) const
    {
        return window.toolBox()->findChild<ui::PictureButton*>(QString::fromLatin1(name));
    }
    std::array<Face, 4> faces() const
    {
        return {button("Image1")->face(), button("Image2")->face(), button("Image4")->face(),
                button("Image5")->face()};
    }
    QWidget* named(const char* name) const
    {
        flushDeletes();
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    }

    /// No command of the four has run: no window opened, no file written, no
    /// compiler started, nothing said.
    void expectNothingRan()
    {
        EXPECT_EQ(named("Form7"), nullptr);
        EXPECT_EQ(named("Form3"), nullptr);
        EXPECT_FALSE(fs::exists(temp / "Script.txt"));
        EXPECT_FALSE(fs::exists(temp / "English.txt"));
        QTest::qWait(300);  // a started compiler would have written its record by now
        EXPECT_FALSE(fs::exists(compilerRecord()));
        EXPECT_TRUE(messages.texts().isEmpty());
    }
};

TEST_F(ToolBoxViaMainTest, ChoosingToolBoxTwiceHidesAndShowsTheSameWindowWithItsFaces)
{
    QAction* toggle = entry("commontools");
    chooseToolBox();
    QPointer<ui::ToolBox> first = window.toolBox();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    QTest::mousePress(button("Image4"), Qt::RightButton);
    QTest::mouseRelease(button("Image4"), Qt::RightButton);
    QTest::mousePress(button("Image5"), Qt::MiddleButton);  // still held when hidden
    const std::array<Face, 4> before{Face::DesignTime, Face::DesignTime, Face::Raised, Face::Pressed};
    ASSERT_EQ(faces(), before);

    chooseToolBox();
    EXPECT_FALSE(toggle->isChecked());
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());
    chooseToolBox();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(window.toolBox(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(faces(), before);
}

TEST_F(ToolBoxViaMainTest, AfterItsCloseBoxTheNextChoiceClearsTheMarkAndTheOneAfterMakesAFreshToolBox)
{
    QAction* toggle = entry("commontools");
    chooseToolBox();
    QPointer<ui::ToolBox> first = window.toolBox();
    QTest::mouseClick(button("Image4"), Qt::RightButton);
    first->close();  // its close box
    flushDeletes();
    EXPECT_EQ(first, nullptr);
    EXPECT_TRUE(toggle->isChecked());

    chooseToolBox();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(window.toolBox(), nullptr);
    EXPECT_EQ(named("Form10"), nullptr);

    chooseToolBox();
    EXPECT_TRUE(toggle->isChecked());
    ASSERT_NE(window.toolBox(), nullptr);
    EXPECT_TRUE(window.toolBox()->isVisible());
    EXPECT_EQ(faces(), (std::array<Face, 4>{Face::DesignTime, Face::DesignTime, Face::DesignTime, Face::DesignTime}));
    EXPECT_EQ(window.findChildren<ui::ToolBox*>().size(), 1);

    // The fresh tool box reaches the main window's commands like the first.
    QTest::mouseClick(button("Image2"), Qt::LeftButton);
    ASSERT_NE(named("Form3"), nullptr);
    EXPECT_TRUE(named("Form3")->isVisible());
}

TEST_F(ToolBoxViaMainTest, APressReleasedOutsideItsButtonRunsNothing)
{
    useTemporaryFolders();
    chooseToolBox();
    for (const char* name : kButtons) {
        SCOPED_TRACE(name);
        QTest::mousePress(button(name), Qt::LeftButton);
        EXPECT_EQ(button(name)->face(), Face::Pressed);
        QTest::mouseRelease(button(name), Qt::LeftButton, {}, QPoint(-20, 40));
        EXPECT_EQ(button(name)->face(), Face::Raised);
    }
    expectNothingRan();
}

TEST_F(ToolBoxViaMainTest, RightAndMiddleButtonsChangeTheFaceAndRunNothing)
{
    useTemporaryFolders();
    chooseToolBox();
    for (const char* name : kButtons) {
        for (Qt::MouseButton mouseButton : {Qt::RightButton, Qt::MiddleButton}) {
            SCOPED_TRACE(name);
            QTest::mousePress(button(name), mouseButton);
            EXPECT_EQ(button(name)->face(), Face::Pressed);
            QTest::mouseRelease(button(name), mouseButton);
            EXPECT_EQ(button(name)->face(), Face::Raised);
            doubleClick(button(name), mouseButton);
        }
    }
    expectNothingRan();
}

TEST_F(ToolBoxViaMainTest, RestoreDefaultScriptsWritesIntoTheFolderChosenInSettings)
{
    useTemporaryFolders();
    const fs::path changed = temp / "changed";
    fs::create_directory(changed);
    writeBytes(changed / "Script.txt", "an old compiled script");
    entry("set")->trigger();
    QWidget* settings = named("Form11");
    ASSERT_NE(settings, nullptr);
    retype(settings->findChild<QLineEdit*>(QStringLiteral("Text1")), QString::fromStdString(changed.string()));
    QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    ASSERT_EQ(window.project().scriptFolder, changed.string());
    const ProjectState before = window.project();

    chooseToolBox();
    QTest::mouseClick(button("Image4"), Qt::LeftButton);
    EXPECT_EQ(readBytes(changed / "Script.txt"), std::string(resources::stockScript()) + "\r\n");
    EXPECT_EQ(readBytes(changed / "English.txt"), std::string(resources::stockEnglish()) + "\r\n");
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
    EXPECT_EQ(window.project(), before);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(button("Image4")->face(), Face::Raised);
}

TEST_F(ToolBoxViaMainTest, RunEasylifeStartsTheCompilerWithoutArgumentsAndSaysNothing)
{
    useTemporaryFolders();
    chooseToolBox();
    QTest::mouseClick(button("Image5"), Qt::LeftButton);
    ASSERT_TRUE(waitForRecord(compilerRecord()));
    EXPECT_EQ(readBytes(compilerRecord()), "0\n");
    EXPECT_FALSE(fs::exists(temp / "Script.txt"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ToolBoxViaMainTest, GamePropertiesOpensOnceAndComesBack)
{
    chooseToolBox();
    QTest::mouseClick(button("Image1"), Qt::LeftButton);
    QPointer<QWidget> properties = named("Form7");
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());
    properties->hide();
    QTest::mouseClick(button("Image1"), Qt::LeftButton);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("Form7")).size(), 1);
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace
} // namespace orvanta::test
