#include "ui/settings_dialog.h"

#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"
#include "ui/representable_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::ui {
namespace {

QLineEdit* pathBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(281);
    keepRepresentable(box);
    return box;
}

}  // namespace

SettingsDialog::SettingsDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Program Settings:"));

    scriptFolder_ = pathBox("Text1", this);
    easylifeLocation_ = pathBox("Text2", this);
    QPushButton* applyButton = addButton(this, "Command1", QStringLiteral("Apply"));
    QPushButton* cancelButton = addButton(this, "Command2", QStringLiteral("Cancel"));
    applyButton->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(addLabel(this, "Label1", QStringLiteral("Script folder:")));
    column->addWidget(scriptFolder_);
    column->addWidget(addLabel(this, "Label2", QStringLiteral("Easylife location:")));
    column->addWidget(easylifeLocation_);
    column->addLayout(buttonRow({applyButton, cancelButton}));
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(applyButton, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    fillFromProject();
}

void SettingsDialog::fillFromProject()
{
    scriptFolder_->setText(toDisplayText(project_.scriptFolder));
    easylifeLocation_->setText(toDisplayText(project_.easylifeLocation));
}

void SettingsDialog::apply()
{
    project_.scriptFolder = toProjectText(scriptFolder_->text());
    project_.easylifeLocation = toProjectText(easylifeLocation_->text());
    close();
}

}  // namespace orvanta::ui
