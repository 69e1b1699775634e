#include "ui/save_as_dialog.h"

#include "desktop/text_conversion.h"
#include "projectfile/project_file_writer.h"
#include "ui/dialog_layout.h"
#include "ui/host_file.h"
#include "ui/message_box.h"

#include <QPushButton>

namespace orvanta::ui {

SaveAsDialog::SaveAsDialog(const ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project), controls_(makeProjectFileControls(this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Save As"));
    layOutProjectFileControls(this, controls_, addLabel(this, "Label2", QStringLiteral("Current Address:")));
    connect(controls_.ok, &QPushButton::clicked, this, &SaveAsDialog::save);
}

void SaveAsDialog::save()
{
    if (const auto error = saveProjectFile(project_, hostFile(takeChosenPath(controls_)))) {
        showMessage(this, fromUtf8Text(error->message));
        return;
    }
    QWidget* owner = parentWidget();
    close();
    showMessage(owner, QStringLiteral("File saved successfully!"));
}

}  // namespace orvanta::ui
