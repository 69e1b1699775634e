#include "ui/representable_text.h"

#include "ui/text_conversion.h"

#include <QLineEdit>

#include <limits>

namespace orvanta::ui {

void keepRepresentable(QLineEdit* box)
{
    // A field loaded from a file may be longer than a box holds by default;
    // cutting it on display would store the cut text at the next keystroke.
    box->setMaxLength(std::numeric_limits<int>::max());
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
