#include "ui/save_as_dialog.h"

#include "desktop/text_conversion.h"
#include "platform/text_file.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "ui/dialog_layout.h"
#include "ui/host_file.h"
#include "ui/message_box.h"

#include <QFileInfo>
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

namespace {

/// Whether saving there would replace a file that is not a project file,
/// such as the game's Script.txt: one that cannot be read counts as such.
bool replacesOtherFile(const QString& hostPath)
{
    if (!QFileInfo(hostPath).isFile())
        return false;
    const auto bytes = readFileBytes(hostFile(hostPath));
    return !bytes || !isProjectFileText(bytes.value());
}

}  // namespace

void SaveAsDialog::save()
{
    const QString path = takeChosenPath(controls_);
    if (replacesOtherFile(path) &&
        !askQuestion(this, QFileInfo(path).fileName() + QStringLiteral(" is not an Orvanta project file. Replace it?"),
                     QStringLiteral("Yes"), QStringLiteral("No")))
        return;
    if (const auto error = saveProjectFile(project_, hostFile(path))) {
        showMessage(this, fromUtf8Text(error->message));
        return;
    }
    QWidget* owner = parentWidget();
    close();
    showMessage(owner, QStringLiteral("File saved successfully!"));
    Q_EMIT projectSaved(path);
}

}  // namespace orvanta::ui
