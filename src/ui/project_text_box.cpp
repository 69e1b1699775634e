#include "ui/project_text_box.h"

#include "ui/text_conversion.h"

#include <QComboBox>
#include <QLineEdit>

#include <limits>
#include <utility>

namespace orvanta::ui {

void keepStorable(QLineEdit* box, std::function<void(const QString& text)> edited)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(box, &QLineEdit::textEdited, box, [box, edited = std::move(edited)](const QString& text) {
        const QString storable = replaceUnrepresentable(text);
        if (storable != text) {
            const int cursor = box->cursorPosition();
            box->setText(storable);
            box->setCursorPosition(cursor);
        }
        if (edited)
            edited(storable);
    });
}

void bindToProjectField(QLineEdit* box, StoreText store)
{
    keepStorable(box, [store = std::move(store)](const QString& text) { store(toProjectText(text)); });
}

void bindToProjectField(QComboBox* box, StoreText store)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    QObject::connect(box, &QComboBox::textActivated, box,
                     [store](const QString& text) { store(toProjectText(text)); });
    bindToProjectField(box->lineEdit(), std::move(store));
}

} // namespace orvanta::ui
