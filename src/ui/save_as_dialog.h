#pragma once

#include "model/project_state.h"
#include "ui/project_file_chooser.h"

#include <QDialog>

namespace orvanta::ui {

/// "Save As" (`Form8`): writes the whole project, as it is at the moment of
/// "Ok", to a project file picked by folder and name. Modeless; destroyed
/// when closed, so every opening starts afresh in the package's script folder.
class SaveAsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SaveAsDialog(const ProjectState& project, QWidget* parent = nullptr);

Q_SIGNALS:
    /// The project was written to the file at that host path; sent once the
    /// confirmation message was shown.
    void projectSaved(const QString& hostPath);

private:
    void save();

    const ProjectState& project_;
    ProjectFileControls controls_;
};

}  // namespace orvanta::ui
