// The program's own widgets: the conversions between Windows-1252 bytes and text, the box
// that keeps a block's bytes as loaded, and the pictures it draws.
#include "dark_palette.h"
#include "desktop/text_conversion.h"
#include "ui/block_text_edit.h"
#include "ui/option_image.h"
#include "ui/option_pictures.h"
#include "ui/tool_box.h"

#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <cmath>
#include <gtest/gtest.h>

namespace orvanta::ui {
namespace {

TEST(TextConversion, EveryDefinedByteRoundTripsAndOtherCharactersBecomeQuestionMarks)
{
    std::string bytes;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        bytes += static_cast<char>(byte);
    const QString shown = toDisplayText(bytes);
    EXPECT_EQ(shown.at(0x80 - 0x20), QChar(0x20AC));
    EXPECT_EQ(toProjectText(shown), bytes);
    // Typed, the five bytes the code page leaves undefined become "?" like any character it lacks.
    QString typed = replaceUnrepresentable(shown + QStringLiteral("\u0100\u65E5"));
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(typed.at(undefined - 0x20), u'?');
        typed[undefined - 0x20] = QChar(undefined);
    }
    EXPECT_EQ(typed, shown + QStringLiteral("??"));
    EXPECT_EQ(toProjectText(QStringLiteral("a\u0100\u20AC")), "a?\x80");
}

TEST(BlockTextEdit, KeepsTheLoadedBytesUntilEditedThenWritesCrLfAndQuestionMarks)
{
    BlockTextEdit box;
    // Bare LF, bare CR, CR LF, a tab, a NUL and 8-bit characters, without a final line break.
    const std::string mixed("A\nB\rC\r\n\tD \0E\x80\x81\xA0\xFF", 16);
    box.setProjectText(mixed);
    EXPECT_EQ(box.blockCount(), 4);
    EXPECT_EQ(box.document()->findBlockByNumber(3).text(), QString::fromUtf16(u"\tD \0E\u20AC\u0081\u00A0\u00FF", 9));
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.projectText(), std::string("A\r\nB\r\nC\r\n\tD \0E\x80\x81\xA0\xFFx", 19));
    box.undo();  // back to what was loaded: the loaded bytes again
    EXPECT_EQ(box.projectText(), mixed);

    box.setProjectText("Key=\r\n");  // the cursor at its start
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QStringLiteral("\u0100\u00E9"), Qt::NoModifier);
    EXPECT_EQ(box.projectText(), "?\xE9Key=\r\n");
    box.moveCursor(QTextCursor::End);
    box.insertPlainText(QStringLiteral("\u65E5\n\u20AC\u0101\u2028"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("?\u00E9Key=\n?\n\u20AC?\n"));
    EXPECT_EQ(box.projectText(), "?\xE9Key=\r\n?\r\n\x80?\r\n");
    box.undo();  // the replacement belongs to the edit that brought the character in
    EXPECT_EQ(box.projectText(), "?\xE9Key=\r\n");
}

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
}

/// The pixels of an image that differ from the one to their right or below: 0 for a picture doubled.
int finePixels(const QImage& image)
{
    int fine = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2)
            fine += image.pixel(x + 1, y) != image.pixel(x, y) || image.pixel(x, y + 1) != image.pixel(x, y);
    return fine;
}

TEST(Pictures, AreSharpAtTheScreensPixelRatioAndOptionWordsReadableUnderADarkScheme)
{
    const QPalette dark = darkPalette();
    for (OptionPicture picture : {OptionPicture::Enabled, OptionPicture::Disabled}) {
        EXPECT_EQ(optionPicture(picture, 2).size(), kOptionPictureSize * 2);
        EXPECT_GT(finePixels(optionPicture(picture, 2).toImage()), 20);
        OptionImage image(picture);
        image.setPalette(dark);
        const QImage shown = image.grab().toImage();
        QColor word;  // the most strongly coloured pixel: the word, green or red, not its shadow
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixelColor(x, y).hsvSaturation() > word.hsvSaturation())
                    word = shown.pixelColor(x, y);
        EXPECT_EQ(shown.pixelColor(shown.width() - 1, 0), dark.color(QPalette::Window));
        EXPECT_GE(luminance(word) / luminance(dark.color(QPalette::Window)), 3.0) << word.name().toStdString();
        EXPECT_EQ(word.green() > 2 * word.red() ? OptionPicture::Enabled : OptionPicture::Disabled, picture);
    }
    ToolBox toolBox;
    QImage face(60, 60, QImage::Format_RGB32);
    face.setDevicePixelRatio(2);
    toolBox.findChild<QWidget*>(QStringLiteral("Image5"))->render(&face);
    EXPECT_GT(finePixels(face), 0);
}

}  // namespace
}  // namespace orvanta::ui
