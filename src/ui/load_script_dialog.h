#pragma once

#include "model/project_state.h"
#include "ui/project_file_chooser.h"

#include <QDialog>
#include <functional>

namespace orvanta::ui {

/// "Load Script" (`Form12`): reads a project file picked by folder and name
/// into the project. A file that is not a project file, or cannot be read
/// whole, changes nothing and leaves the dialog open for another choice.
/// Modeless; destroyed when closed, so every opening starts afresh.
class LoadScriptDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoadScriptDialog(ProjectState& project, QWidget* parent = nullptr);

    /// Asked once a file was read, before it replaces the project: false
    /// keeps the project and the dialog as they are.
    void setReplaceCheck(std::function<bool()> mayReplaceProject);

Q_SIGNALS:
    /// The project's fields were replaced from the file at that host path;
    /// sent before the confirmation message, so the windows can show the
    /// loaded values.
    void projectLoaded(const QString& hostPath);

private:
    void load();

    ProjectState& project_;
    ProjectFileControls controls_;
    std::function<bool()> mayReplaceProject_;
};

}  // namespace orvanta::ui
