#include "ui/project_text_box.h"

#include "desktop/text_conversion.h"
#include "ui/representable_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <utility>

namespace orvanta::ui {

void bindToProjectField(QLineEdit* box, StoreText store)
{
    keepRepresentable(box);
    // Connected after keepRepresentable, and reading the box: what is stored
    // is the text the box shows once line breaks and unrepresentable
    // characters were replaced.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box, store = std::move(store)] { store(toProjectText(box->text())); });
}

void bindToProjectField(QComboBox* box, StoreText store)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    QObject::connect(box, &QComboBox::textActivated, box, [store](const QString& text) { store(toProjectText(text)); });
    bindToProjectField(box->lineEdit(), std::move(store));
}

}  // namespace orvanta::ui
