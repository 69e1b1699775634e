#include "ui/block_text_edit.h"

#include "desktop/text_conversion.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <vector>

namespace orvanta::ui {
namespace {

constexpr int kTabWidthInBlanks = 8;

bool isLineBreak(QChar character)
{
    return character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
}

}  // namespace

QString toEditorText(std::string_view bytes)
{
    QString text = toDisplayText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string fromEditorText(const QString& rawText)
{
    // One pass of whole lines: QString::replace() with a longer text moves the
    // rest of a multi-megabyte string again and again.
    const QStringView raw(rawText);
    QString text;
    text.reserve(raw.size() + raw.size() / 8);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (isLineBreak(raw[i])) {
            text.append(raw.sliced(lineStart, i - lineStart));
            text.append(u"\r\n");
            lineStart = i + 1;
        }
    }
    text.append(raw.sliced(lineStart));
    return toProjectText(text);
}

BlockTextEdit::BlockTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * kTabWidthInBlanks);
    QTextOption option = document()->defaultTextOption();
    option.setFlags(option.flags() | QTextOption::ShowTabsAndSpaces);
    document()->setDefaultTextOption(option);

    connect(document(), &QTextDocument::contentsChange, this, &BlockTextEdit::noteChange);
    connect(document(), &QTextDocument::contentsChanged, this, &BlockTextEdit::replaceUnrepresentableInChangedRange);
}

void BlockTextEdit::setCompleter(QCompleter* completer) { completer_ = completer; }

void BlockTextEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (completer_ != nullptr && completer_->popup()->isVisible() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Escape)) {
        event->ignore();  // the list chooses, or closes
        return;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
        const bool back = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        QWidget::focusNextPrevChild(!back);  // the box itself refuses while editable
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BlockTextEdit::setProjectText(std::string_view bytes)
{
    // Every byte has a character, so loaded text needs no replacing.
    loading_ = true;
    setPlainText(toEditorText(bytes));
    loading_ = false;
    originalBytes_ = bytes;
    document()->setModified(false);
}

std::string BlockTextEdit::projectText() const
{
    // Unchanged (or changed and undone): the exact bytes that were loaded, since
    // the box cannot tell a bare CR or LF from CR LF.
    if (!document()->isModified())
        return originalBytes_;
    return fromEditorText(document()->toRawText());
}

void BlockTextEdit::noteChange(int position, int /*charsRemoved*/, int charsAdded)
{
    if (loading_ || replacing_ || charsAdded <= 0)
        return;
    const int end = position + charsAdded;
    changedFrom_ = changedFrom_ < 0 ? position : std::min(changedFrom_, position);
    changedTo_ = std::max(changedTo_, end);
}

void BlockTextEdit::replaceUnrepresentableInChangedRange()
{
    if (changedFrom_ < 0 || replacing_)
        return;
    const int from = changedFrom_;
    const int to = std::min(changedTo_, document()->characterCount());
    changedFrom_ = changedTo_ = -1;

    std::vector<int> positions;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int position = block.position() + static_cast<int>(i);
            if (position >= from && position < to && !isLineBreak(text.at(i)) && !isRepresentable(text.at(i)))
                positions.push_back(position);
        }
    }
    if (positions.empty())
        return;

    // One undo step with the typing that brought the characters in.
    replacing_ = true;
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock();
    for (int position : positions) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("?"));
    }
    cursor.endEditBlock();
    replacing_ = false;
}

}  // namespace orvanta::ui
