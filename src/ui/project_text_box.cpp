#include "ui/project_text_box.h"

#include "ui/representable_text.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QLineEdit>

#include <limits>
#include <utility>

namespace orvanta::ui {

void bindToProjectField(QLineEdit* box, StoreText store)
{
    keepRepresentable(box);
    box->setMaxLength(std::numeric_limits<int>::max());
    // Stores the box's text as keepRepresentable left it, not the text as
    // edited: what is stored is what the box shows.
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [box, store = std::move(store)] { store(toProjectText(box->text())); });
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
