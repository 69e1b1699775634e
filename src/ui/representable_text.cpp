#include "ui/representable_text.h"

#include "ui/text_conversion.h"

#include <QLineEdit>

namespace orvanta::ui {

void keepRepresentable(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString replaced = replaceUnrepresentable(text);
        if (replaced == text)
            return;
        // The replacement is one character for one, so the cursor stays put.
        const int cursor = box->cursorPosition();
        box->setText(replaced);
        box->setCursorPosition(cursor);
    });
}

} // namespace orvanta::ui
