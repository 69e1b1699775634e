#include "ui/block_text_edit.h"

#include "support/mouse_and_keys.h"

#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <string>

namespace orvanta::ui {
namespace {

using namespace std::string_literals;

// Bare LF, bare CR, CR LF, tabs, trailing blanks, a NUL, the euro sign, an
// undefined byte, a no-break space and 0xFF, without a final line break.
const std::string kMixedBytes = "A\nB\rC\r\n\tD  \0E\x80\x81\xA0\xFF"s;

TEST(BlockTextEdit, UntouchedBlocksComeBackByteForByte)
{
    BlockTextEdit box;
    for (const std::string& bytes : {kMixedBytes, ""s, "\r\n\r\n"s, "Puzzle=\t\t1,Skull,\t$0001\r\n"s}) {
        box.setProjectText(bytes);
        EXPECT_EQ(box.projectText(), bytes);
    }
}

TEST(BlockTextEdit, EveryKindOfLineBreakShowsAsALine)
{
    BlockTextEdit box;
    box.setProjectText(kMixedBytes);
    EXPECT_EQ(box.blockCount(), 4);
    EXPECT_EQ(box.document()->findBlockByNumber(3).text(), QString::fromUtf16(u"\tD  \0E\u20AC\u0081\u00A0\u00FF", 10));
}

TEST(BlockTextEdit, AnEditedBlockIsStoredWithCrLfAndKeepsItsEightBitCharacters)
{
    BlockTextEdit box;
    box.setProjectText("a\nb\xA0\x80\x81\r\n");
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.projectText(), "a\r\nb\xA0\x80\x81\r\nx");

    // Undoing back to what was loaded gives the loaded bytes again.
    box.undo();
    EXPECT_EQ(box.projectText(), "a\nb\xA0\x80\x81\r\n");
}

TEST(BlockTextEdit, CharactersOutsideTheCodePageTurnIntoQuestionMarksAsTheyArrive)
{
    BlockTextEdit box;
    box.setProjectText("Key=\r\n");
    box.moveCursor(QTextCursor::End);
    test::typeText(&box, QStringLiteral("\u0100\u00E9"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("Key=\n?\u00E9"));
    EXPECT_EQ(box.projectText(), "Key=\r\n?\xE9");

    box.insertPlainText(QStringLiteral("\u65E5\n\u20AC\u0101"));
    EXPECT_EQ(box.projectText(), "Key=\r\n?\xE9?\r\n\x80?");

    // The replacement belongs to the edit that brought the character in.
    box.undo();
    EXPECT_EQ(box.projectText(), "Key=\r\n?\xE9");
}

TEST(BlockTextEdit, ConversionBetweenBlocksAndTheWidgetText)
{
    EXPECT_EQ(toEditorText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(fromEditorText(QStringLiteral("a\u2029b\u2028c")), "a\r\nb\r\nc");
    EXPECT_EQ(fromEditorText(QStringLiteral("\u00A0\u20AC")), "\xA0\x80");
}

} // namespace
} // namespace orvanta::ui
