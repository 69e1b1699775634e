#include "ui/picture_button.h"
#include "support/mouse_and_keys.h"
#include "ui/tool_box.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace orvanta::ui {
namespace {

using Face = PictureButton::Face;

class ToolBoxTest : public ::testing::Test {
protected:
    ToolBoxTest()
    {
        toolBox->show();
    }
    ~ToolBoxTest() override { delete toolBox.data(); }

    PictureButton* button(const char* name) const
    {
        return toolBox->findChild<PictureButton*>(QString::fromLatin1(name));
    }
    /// How often each of the four commands was asked for.
    std::array<qsizetype, 4> requests() const
    {
        return {gameProperties.count(), scriptPacks.count(), restore.count(), runEasylife.count()};
    }

    QPointer<ToolBox> toolBox = new ToolBox;
    QSignalSpy gameProperties{toolBox.data(), &ToolBox::gamePropertiesRequested};
    QSignalSpy scriptPacks{toolBox.data(), &ToolBox::scriptPacksRequested};
    QSignalSpy restore{toolBox.data(), &ToolBox::restoreRequested};
    QSignalSpy runEasylife{toolBox.data(), &ToolBox::runEasylifeRequested};
    static constexpr std::array<qsizetype, 4> kNone{0, 0, 0, 0};
};

TEST_F(ToolBoxTest, IsASmallCaptionlessToolWindowWithFourHintedButtons)
{
    EXPECT_EQ(toolBox->objectName(), QStringLiteral("Form10"));
    EXPECT_TRUE(toolBox->windowTitle().isEmpty());
    EXPECT_EQ(toolBox->windowType(), Qt::Tool);
    EXPECT_EQ(toolBox->size(), QSize(43, 113));
    EXPECT_EQ(button("Image1")->toolTip(), QStringLiteral("Game Properties"));
    EXPECT_EQ(button("Image2")->toolTip(), QStringLiteral("Edit Wad Packs"));
    EXPECT_EQ(button("Image4")->toolTip(), QStringLiteral("Restore Default Scripts"));
    EXPECT_EQ(button("Image5")->toolTip(), QStringLiteral("Run Easylife"));
    for (const char* name : {"Image1", "Image2", "Image4", "Image5"})
        EXPECT_EQ(button(name)->face(), Face::DesignTime) << name;
}

TEST_F(ToolBoxTest, AClickAsksForItsCommandOnce)
{
    const std::array<const char*, 4> names{"Image1", "Image2", "Image4", "Image5"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        QTest::mouseClick(button(names[i]), Qt::LeftButton);
        std::array<qsizetype, 4> expected = kNone;
        expected[i] = 1;
        EXPECT_EQ(requests(), expected) << names[i];
        EXPECT_EQ(button(names[i])->face(), Face::Raised);
        gameProperties.clear(), scriptPacks.clear(), restore.clear(), runEasylife.clear();
    }
    // A double click runs its command once, not twice.
    test::doubleClick(button("Image5"));
    EXPECT_EQ(runEasylife.count(), 1);
    EXPECT_EQ(button("Image5")->face(), Face::Raised);
}

TEST_F(ToolBoxTest, FacesAreDrawnAtTheScreensPixelRatio)
{
    // At 200% a face is painted with 60 by 60 pixels of its own, not a 30 by
    // 30 picture doubled: some 2 by 2 block of device pixels is not one colour.
    QImage image(60, 60, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    button("Image5")->render(&image);
    bool finerThanDoubled = false;
    for (int y = 0; y < 60 && !finerThanDoubled; y += 2) {
        for (int x = 0; x < 60 && !finerThanDoubled; x += 2) {
            const QRgb corner = image.pixel(x, y);
            finerThanDoubled = image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                               image.pixel(x + 1, y + 1) != corner;
        }
    }
    EXPECT_TRUE(finerThanDoubled);
}

} // namespace
} // namespace orvanta::ui
