#include "ui/text_conversion.h"

#include <gtest/gtest.h>

namespace orvanta::ui {
namespace {

TEST(TextConversion, EveryDefinedByteRoundTripsThroughTheWidgets)
{
    std::string bytes;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        bytes += static_cast<char>(byte);
    const QString shown = toDisplayText(bytes);
    EXPECT_EQ(shown.size(), static_cast<qsizetype>(bytes.size()));
    EXPECT_EQ(shown.at(0x80 - 0x20), QChar(0x20AC));  // the euro sign
    EXPECT_EQ(toProjectText(shown), bytes);
    // Typed, the five bytes the code page leaves undefined become "?" like any
    // other character it cannot hold; everything else stays.
    QString typed = replaceUnrepresentable(shown);
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(typed.at(undefined - 0x20), QLatin1Char('?'));
        typed[undefined - 0x20] = QChar(undefined);
    }
    EXPECT_EQ(typed, shown);
}

TEST(TextConversion, CharactersOutsideTheCodePageBecomeVisibleQuestionMarks)
{
    const QString typed = QStringLiteral("Tomb \u0100 \u65E5 ok");
    EXPECT_EQ(replaceUnrepresentable(typed), QStringLiteral("Tomb ? ? ok"));
    EXPECT_EQ(toProjectText(typed), "Tomb ? ? ok");
    EXPECT_FALSE(isRepresentable(QChar(0x0100)));
    EXPECT_TRUE(isRepresentable(QChar(0x20AC)));
}

} // namespace
} // namespace orvanta::ui
