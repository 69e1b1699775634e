#include "ui/settings_dialog.h"

#include "ui/representable_text.h"
#include "ui/text_conversion.h"

#include <QHBoxLayout>
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

QLabel* caption(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    return pushButton;
}

} // namespace

SettingsDialog::SettingsDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), project_(project)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Program Settings:"));

    scriptFolder_ = pathBox("Text1", this);
    easylifeLocation_ = pathBox("Text2", this);
    auto* applyButton = button("Command1", QStringLiteral("Apply"), this);
    auto* cancelButton = button("Command2", QStringLiteral("Cancel"), this);
    applyButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption("Label1", QStringLiteral("Script folder:"), this));
    column->addWidget(scriptFolder_);
    column->addWidget(caption("Label2", QStringLiteral("Easylife location:"), this));
    column->addWidget(easylifeLocation_);
    column->addLayout(buttons);
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

} // namespace orvanta::ui
