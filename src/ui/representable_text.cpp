#include "ui/representable_text.h"

#include "desktop/text_conversion.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

namespace orvanta::ui {

QString withoutLineBreaks(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    QString oneLine = text;
    return oneLine.replace(lineBreak, QStringLiteral(" "));
}

namespace {

/// Applies a replacement to every edit of a box, keeping no length limit of its own.
void keepFiltered(QLineEdit* box, QString (*filter)(const QString&))
{
    // A field loaded from a file may be longer than a box holds by default;
    // cutting it on display would store the cut text at the next keystroke.
    box->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(box, &QLineEdit::textEdited, box, [box, filter](const QString& text) {
        const QString replaced = filter(text);
        if (replaced == text)
            return;
        // The cursor stays after the same character: a CR LF before it counts once.
        const QString beforeCursor = withoutLineBreaks(text.left(box->cursorPosition()));
        box->setText(replaced);
        box->setCursorPosition(static_cast<int>(beforeCursor.size()));
    });
}

}  // namespace

void keepOneLine(QLineEdit* box) { keepFiltered(box, withoutLineBreaks); }

void keepRepresentable(QLineEdit* box)
{
    keepFiltered(box, [](const QString& text) { return replaceUnrepresentable(withoutLineBreaks(text)); });
}

}  // namespace orvanta::ui
