#include "ui/game_properties_dialog.h"

#include "ui/dialog_test_support.h"
#include "ui/option_image.h"
#include "ui/option_pictures.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace orvanta::ui {
namespace {

using Display = OptionImage::Display;
using test::controlOf;
using test::scriptHas;

class GamePropertiesDialogTest : public ::testing::Test {
protected:
    ~GamePropertiesDialogTest() override { delete dialog; }

    void open()
    {
        dialog = new GamePropertiesDialog(project);
        dialog->show();
    }

    OptionImage* image(int n) const
    {
        return controlOf<OptionImage>(dialog,
                                      QStringLiteral("Image%1").arg(n).toLatin1().constData());
    }
    QLineEdit* box(const char* name) const { return controlOf<QLineEdit>(dialog, name); }
    void clickImage(int n) const { QTest::mouseClick(image(n), Qt::LeftButton); }

    void closeWithCloseBox()
    {
        dialog->close();
        test::destroyClosedWindows();
        EXPECT_TRUE(dialog.isNull());
    }

    ProjectState project = ProjectState::withDefaults();
    QPointer<GamePropertiesDialog> dialog;
};

TEST_F(GamePropertiesDialogTest, DefaultsAreShown)
{
    open();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Form7"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Game Properties"));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(264, 286));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags()
                 & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(image(n)->display(), Display::Enabled) << n;
    EXPECT_EQ(image(5)->display(), Display::Disabled);
    EXPECT_EQ(image(1)->accessibleName(), QStringLiteral("Enabled"));
    EXPECT_EQ(box("Text1")->text(), QStringLiteral("18000"));
    EXPECT_EQ(box("Text1")->toolTip(), QStringLiteral("Frames x Seconds"));
    EXPECT_EQ(box("Text2")->text(), QStringLiteral("$55"));
    EXPECT_EQ(box("Text3")->text(), QStringLiteral("The year 2000, somewhere in Egypt..."));
    EXPECT_EQ(box("Text4")->text(), QStringLiteral("Cambodia, 1984"));
    EXPECT_EQ(controlOf<QLabel>(dialog, "Label5")->text(), QStringLiteral("Demo Disk:"));
    EXPECT_EQ(project, ProjectState::withDefaults());  // filling stores nothing new
}

TEST_F(GamePropertiesDialogTest, ClickingTheLoadSavePictureTogglesTheSwitch)
{
    open();
    clickImage(1);
    EXPECT_EQ(image(1)->display(), Display::Disabled);
    EXPECT_EQ(project.gameSwitch(1), "1");
    EXPECT_TRUE(scriptHas(project, {"LoadSave=\tDISABLED"}));

    clickImage(1);
    EXPECT_EQ(image(1)->display(), Display::Enabled);
    EXPECT_EQ(project.gameSwitch(1), "0");
    EXPECT_TRUE(scriptHas(project, {"LoadSave=\tENABLED"}));

    clickImage(5);
    EXPECT_EQ(project.gameSwitch(5), "0");
    EXPECT_TRUE(scriptHas(project, {"DemoDisc=\tENABLED"}));
}

TEST_F(GamePropertiesDialogTest, SwitchWithAnotherTextKeepsTheInitialPictureAndIgnoresClicks)
{
    project.gameSwitch(2) = "2";
    project.gameSwitch(5) = "";
    open();
    for (int n : {2, 5}) {
        EXPECT_EQ(image(n)->display(), Display::Initial) << n;
        clickImage(n);
        EXPECT_EQ(image(n)->display(), Display::Initial) << n;
    }
    EXPECT_EQ(project.gameSwitch(2), "2");
    EXPECT_EQ(project.gameSwitch(5), "");
    const std::string script = scriptText(project);
    EXPECT_EQ(script.find("Title="), std::string::npos);
    EXPECT_EQ(script.find("DemoDisc="), std::string::npos);
}

TEST_F(GamePropertiesDialogTest, ClearedTimeOutIsStoredAtOnce)
{
    open();
    test::clearByKeyboard(box("Text1"));
    EXPECT_EQ(project.inputTimeout, "");
    closeWithCloseBox();
    EXPECT_TRUE(scriptHas(project, {"InputTimeout=\t"}));
}

TEST_F(GamePropertiesDialogTest, TypedLegendIsKeptWhenTheCloseBoxIsUsed)
{
    open();
    QTest::keyClicks(box("Text3"), QStringLiteral(" Again"));
    EXPECT_EQ(project.firstLegend, "The year 2000, somewhere in Egypt... Again");
    // é fits the code page, Ā does not.
    test::typeText(box("Text4"), QStringLiteral(" \u00E9\u0100"));
    EXPECT_EQ(box("Text4")->text(), QStringLiteral("Cambodia, 1984 \u00E9?"));
    EXPECT_EQ(project.secondLegend, "Cambodia, 1984 \xE9?");
    closeWithCloseBox();
    EXPECT_TRUE(scriptHas(project, {"Name=\t\tPlayable Tutorial Level",
                                    "Legend=\t\tThe year 2000, somewhere in Egypt... Again"}));
}

TEST_F(GamePropertiesDialogTest, OkOnlyCloses)
{
    open();
    const ProjectState before = project;
    QTest::mouseClick(controlOf<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    test::destroyClosedWindows();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(project, before);
}

TEST_F(GamePropertiesDialogTest, ProjectLoadedWhileOpenIsNotShownAndOnlyEditedFieldsChange)
{
    open();
    // What loading a project file does to the fields while the dialog is open.
    ProjectState loaded = ProjectState::withDefaults();
    loaded.gameSwitch(1) = "2";
    loaded.gameSwitch(3) = "1";
    loaded.inputTimeout = "900";
    loaded.security = "$10";
    loaded.firstLegend = "Loaded legend";
    project = loaded;

    EXPECT_EQ(box("Text1")->text(), QStringLiteral("18000"));
    EXPECT_EQ(box("Text2")->text(), QStringLiteral("$55"));
    EXPECT_EQ(image(3)->display(), Display::Enabled);

    QTest::keyClick(box("Text2"), Qt::Key_End);
    QTest::keyClicks(box("Text2"), QStringLiteral("5"));
    clickImage(1);  // shows Enabled, so it disables whatever the switch held
    loaded.security = "$555";
    loaded.gameSwitch(1) = "1";
    EXPECT_EQ(project, loaded);
}

TEST(OptionPictures, AreDrawnAtTheScreensPixelRatio)
{
    // Counts pixels of the word's colour: green for "Enabled", red for "Disabled".
    auto wordPixels = [](const QImage& image, bool green) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const int word = green ? pixel.green() : pixel.red();
                const int other = green ? pixel.red() : pixel.green();
                count += pixel.alpha() > 200 && word > 150 && other < 60 ? 1 : 0;
            }
        }
        return count;
    };
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap enabled = optionPicture(OptionPicture::Enabled, ratio);
        const QPixmap disabled = optionPicture(OptionPicture::Disabled, ratio);
        EXPECT_EQ(enabled.size(), kOptionPictureSize * ratio);
        EXPECT_EQ(enabled.deviceIndependentSize().toSize(), kOptionPictureSize);
        EXPECT_GT(wordPixels(enabled.toImage(), true), 20 * ratio * ratio);
        EXPECT_EQ(wordPixels(enabled.toImage(), false), 0);
        EXPECT_GT(wordPixels(disabled.toImage(), false), 20 * ratio * ratio);
        EXPECT_EQ(wordPixels(disabled.toImage(), true), 0);
    }
}

} // namespace
} // namespace orvanta::ui
