#include "ui/save_as_dialog.h"

#include "platform/message_box.h"
#include "projectfile/project_file_writer.h"
#include "ui/text_conversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvanta::ui {

SaveAsDialog::SaveAsDialog(const ProjectState& project, QWidget* parent)
    : QDialog(parent), project_(project), controls_(makeProjectFileControls(this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Save As"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The path written is kept out of sight, as a record of the last "Ok".
    auto* addressCaption = new QLabel(QStringLiteral("Current Address:"), this);
    addressCaption->setObjectName(QStringLiteral("Label2"));
    addressCaption->hide();

    layOutProjectFileControls(this, controls_, AddressLine::Hidden);

    connect(controls_.ok, &QPushButton::clicked, this, &SaveAsDialog::save);
}

void SaveAsDialog::save()
{
    const std::string path = controls_.chooser->takeChosenPath();
    controls_.address->setText(toDisplayText(path));
    if (const auto error = saveProjectFile(project_, path)) {
        platform::showMessage(this, QString::fromUtf8(error->message));
        return;
    }
    QWidget* owner = parentWidget();
    close();
    platform::showMessage(owner, QStringLiteral("File saved successfully!"));
}

} // namespace orvanta::ui
