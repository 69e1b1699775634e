// The pictures the program draws itself stay readable under a dark colour
// scheme, where the desktop's palette gives dark windows and light text.
#include "ui/dark_palette.h"
#include "ui/option_image.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvanta::ui {
namespace {

double relativeLuminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The most strongly coloured pixel of a picture: the green or red word, not
/// its grey shadow or the background.
QColor wordColour(const QImage& image)
{
    QColor word;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.hsvSaturation() > word.hsvSaturation())
                word = pixel;
        }
    }
    return word;
}

TEST(DarkScheme, OptionWordsStandOutFromADarkWindow)
{
    const QPalette dark = darkPalette();
    for (OptionPicture picture : {OptionPicture::Enabled, OptionPicture::Disabled}) {
        OptionImage image(picture);
        image.setPalette(dark);
        const QImage shown = image.grab().toImage();
        const QColor background = shown.pixelColor(shown.width() - 1, 0);
        EXPECT_EQ(background, dark.color(QPalette::Window));
        const QColor word = wordColour(shown);
        EXPECT_GE(contrast(word, background), 3.0)
            << (picture == OptionPicture::Enabled ? "Enabled " : "Disabled ") << word.name().toStdString();
        // Still the option's own colour: green for on, red for off.
        EXPECT_EQ(word.green() > word.red(), picture == OptionPicture::Enabled);
    }
}

TEST(DarkScheme, DarkPaletteHasLightTextOnDarkBackgrounds)
{
    const QPalette dark = darkPalette();
    for (auto [text, background] : {std::pair{QPalette::WindowText, QPalette::Window},
                                    std::pair{QPalette::Text, QPalette::Base},
                                    std::pair{QPalette::ButtonText, QPalette::Button}}) {
        EXPECT_LT(dark.color(background).lightnessF(), 0.3);
        EXPECT_GE(contrast(dark.color(text), dark.color(background)), 7.0);
    }
}

} // namespace
} // namespace orvanta::ui
