#include "ui/project_text_box.h"

#include "ui/representable_text.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace orvanta::ui {

void bindToProjectField(QLineEdit* box, StoreText store)
{
    keepRepresentable(box);
    // toProjectText turns each character keepRepresentable replaces into the
    // same "?", so what is stored is what the box shows.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [store = std::move(store)](const QString& text) { store(toProjectText(text)); });
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
