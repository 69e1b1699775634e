#include "ui/representable_text.h"

#include "ui/text_conversion.h"

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

void keepRepresentable(QLineEdit* box)
{
    // A field loaded from a file may be longer than a box holds by default;
    // cutting it on display would store the cut text at the next keystroke.
    box->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString replaced = replaceUnrepresentable(withoutLineBreaks(text));
        if (replaced == text)
            return;
        // The cursor stays after the same character: a CR LF before it counts once.
        const QString beforeCursor = withoutLineBreaks(text.left(box->cursorPosition()));
        box->setText(replaced);
        box->setCursorPosition(static_cast<int>(beforeCursor.size()));
    });
}

} // namespace orvanta::ui
