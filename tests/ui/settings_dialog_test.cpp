#include "ui/main_window_fixture.h"

#include <QPushButton>

namespace orvanta::test {
namespace {

class SettingsDialogTest : public MainWindowTest {
protected:
    QWidget* openSettings()
    {
        entry("set")->trigger();
        QWidget* dialog = find("Form11");
        EXPECT_TRUE(dialog != nullptr && dialog->isVisible());
        return dialog;
    }
    QLineEdit* box(QWidget* dialog, const char* name) const
    {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void click(QWidget* dialog, const char* name) const
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(SettingsDialogTest, ShowsTheProjectsPathsEveryTimeItIsChosen)
{
    QPointer<QWidget> dialog = openSettings();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Program Settings:"));
    EXPECT_EQ(box(dialog, "Text1")->text(), QStringLiteral("C:\\Program Files\\Core Design\\trle\\Script"));
    EXPECT_EQ(box(dialog, "Text2")->text(), QStringLiteral("C:\\Easylife.bat"));

    // A project load changes the paths behind the open dialog; what was typed is discarded.
    retype(box(dialog, "Text1"), QStringLiteral("typed, not applied"));
    window.project().scriptFolder = "D:\\Loaded\\Script";
    window.project().easylifeLocation = "D:\\Easy \xe9.bat";
    EXPECT_EQ(openSettings(), dialog.data());
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("Form11")).size(), 1);
    EXPECT_EQ(box(dialog, "Text1")->text(), QStringLiteral("D:\\Loaded\\Script"));
    EXPECT_EQ(box(dialog, "Text2")->text(), QStringLiteral("D:\\Easy \u00e9.bat"));
}

TEST_F(SettingsDialogTest, ApplyStoresBothTextsAsTypedAndCloses)
{
    QPointer<QWidget> dialog = openSettings();
    retype(box(dialog, "Text1"), QStringLiteral(" E:\\Game\\Script\\ "));
    retype(box(dialog, "Text2"), QStringLiteral("E:\\Tools\\Easy\u2603.bat"));
    EXPECT_EQ(box(dialog, "Text2")->text(), QStringLiteral("E:\\Tools\\Easy?.bat"));
    click(dialog, "Command1");
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(window.project().scriptFolder, " E:\\Game\\Script\\ ");
    EXPECT_EQ(window.project().easylifeLocation, "E:\\Tools\\Easy?.bat");

    // Unchanged boxes leave the project as it was.
    const ProjectState before = window.project();
    click(openSettings(), "Command1");
    EXPECT_EQ(window.project(), before);
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxStoreNothing)
{
    const ProjectState before = window.project();
    QPointer<QWidget> dialog = openSettings();
    retype(box(dialog, "Text1"), QStringLiteral("X:\\"));
    retype(box(dialog, "Text2"), QStringLiteral("X:\\y.bat"));
    click(dialog, "Command2");
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(window.project(), before);

    dialog = openSettings();
    retype(box(dialog, "Text1"), QStringLiteral("X:\\"));
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(window.project(), before);
}

} // namespace
} // namespace orvanta::test
