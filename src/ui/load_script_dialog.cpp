#include "ui/load_script_dialog.h"

#include "desktop/text_conversion.h"
#include "projectfile/project_file_reader.h"
#include "ui/dialog_layout.h"
#include "ui/host_file.h"
#include "ui/message_box.h"

#include <QPushButton>
#include <utility>

namespace orvanta::ui {

LoadScriptDialog::LoadScriptDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), project_(project), controls_(makeProjectFileControls(this))
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Load Script"));
    layOutProjectFileControls(this, controls_, nullptr);
    connect(controls_.ok, &QPushButton::clicked, this, &LoadScriptDialog::load);
}

void LoadScriptDialog::setReplaceCheck(std::function<bool()> mayReplaceProject)
{
    mayReplaceProject_ = std::move(mayReplaceProject);
}

void LoadScriptDialog::load()
{
    const QString path = takeChosenPath(controls_);
    ProjectState loaded = project_;  // the fields the file does not hold stay
    const LoadResult result = loadProjectFile(hostFile(path), loaded);
    switch (result.status) {
    case LoadStatus::NotProjectFile: showMessage(this, QStringLiteral("Not an ORV file!")); return;
    case LoadStatus::Failed: showMessage(this, fromUtf8Text(result.message)); return;
    case LoadStatus::Loaded: break;
    }
    if (mayReplaceProject_ && !mayReplaceProject_())
        return;
    project_ = std::move(loaded);
    QWidget* owner = parentWidget();
    close();
    Q_EMIT projectLoaded(path);
    showMessage(owner, QStringLiteral("Script file loaded!"));
    if (!result.note.empty())
        showMessage(owner, fromUtf8Text(result.note) + QStringLiteral(" The ones Orvanta held stay."));
}

}  // namespace orvanta::ui
