#include "ui/script_highlighter.h"

#include <QPalette>
#include <QRegularExpression>

namespace orvanta::ui {
namespace {

QTextCharFormat coloured(const QColor& colour, bool bold = false, bool italic = false)
{
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold)
        format.setFontWeight(QFont::Bold);
    format.setFontItalic(italic);
    return format;
}

/// Halfway between two colours: a tint that reads on the palette's own base.
QColor between(const QColor& a, const QColor& b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

bool isNumber(const QString& value)
{
    static const QRegularExpression number(QStringLiteral("^([-+]?[0-9]+|\\$[0-9A-Fa-f]+)$"));
    return number.match(value).hasMatch();
}

}  // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document, const QPalette& palette) : QSyntaxHighlighter(document)
{
    const QColor text = palette.color(QPalette::Text);
    header_ = coloured(palette.color(QPalette::Link), true);
    known_ = coloured(palette.color(QPalette::Link));
    unknown_ = coloured(text, false, true);
    unknown_.setFontUnderline(true);
    trng_ = coloured(palette.color(QPalette::LinkVisited), true);
    number_ = coloured(between(palette.color(QPalette::Highlight), text));
    itemName_ = coloured(text, true);
    comment_ = coloured(palette.color(QPalette::PlaceholderText), false, true);
}

void ScriptHighlighter::setFirstSection(ScriptSection section)
{
    first_ = section;
    rehighlight();
}

ScriptSection ScriptHighlighter::sectionAt(int blockNumber) const
{
    const QTextBlock before = document()->findBlockByNumber(blockNumber - 1);
    return before.isValid() && before.userState() >= 0 ? static_cast<ScriptSection>(before.userState()) : first_;
}

void ScriptHighlighter::highlightBlock(const QString& text)
{
    ScriptSection section = previousBlockState() >= 0 ? static_cast<ScriptSection>(previousBlockState()) : first_;
    const int comment = static_cast<int>(text.indexOf(u';'));
    const int codeEnd = comment < 0 ? static_cast<int>(text.size()) : comment;
    if (comment >= 0)
        setFormat(comment, static_cast<int>(text.size()) - comment, comment_);
    const QString code = text.left(codeEnd);
    if (const auto header = sectionOfHeader(code.trimmed())) {
        section = *header;
        setFormat(0, codeEnd, header_);
    } else if (const int equals = static_cast<int>(code.indexOf(u'=')); equals > 0) {
        const QString key = code.left(equals).trimmed();
        const CommandInfo command = commandInfo(section, key);
        const QTextCharFormat& format = command.kind == CommandKind::Known  ? known_
                                        : command.kind == CommandKind::Trng ? trng_
                                                                            : unknown_;
        setFormat(static_cast<int>(code.indexOf(key)), static_cast<int>(key.size()), format);
        colourValues(text, equals + 1, codeEnd, command);
    }
    setCurrentBlockState(static_cast<int>(section));
}

void ScriptHighlighter::colourValues(const QString& text, int from, int to, const CommandInfo& command)
{
    const int nameValue = itemNameValue(command);
    int value = 0;
    for (int start = from; start <= to; ++value) {
        int end = static_cast<int>(text.indexOf(u',', start));
        if (end < 0 || end > to)
            end = to;
        const QString part = text.mid(start, end - start);
        const QString trimmedPart = part.trimmed();
        const int lead = trimmedPart.isEmpty() ? 0 : static_cast<int>(part.indexOf(trimmedPart));
        if (value == nameValue && !trimmedPart.isEmpty())
            setFormat(start + lead, static_cast<int>(trimmedPart.size()), itemName_);
        else if (isNumber(trimmedPart))
            setFormat(start + lead, static_cast<int>(trimmedPart.size()), number_);
        start = end + 1;
    }
}

}  // namespace orvanta::ui
