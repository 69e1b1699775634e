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

class GamePropertiesDialogTest : public ::testing::Test {
protected:
    ~GamePropertiesDialogTest() override { delete dialog; }

    void open()
    {
        dialog = new GamePropertiesDialog(project);
        dialog->show();
    }


    ProjectState project = ProjectState::withDefaults();
    QPointer<GamePropertiesDialog> dialog;
};

TEST_F(GamePropertiesDialogTest, OkOnlyCloses)
{
    open();
    const ProjectState before = project;
    QTest::mouseClick(controlOf<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    test::destroyClosedWindows();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(project, before);
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
