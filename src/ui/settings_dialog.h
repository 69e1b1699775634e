#pragma once

#include "model/project_state.h"

#include <QDialog>

class QLineEdit;

namespace orvanta::ui {

/// "Program Settings:": the script folder and the Easylife location. "Apply"
/// stores both texts as typed and closes; "Cancel" or the close box closes
/// without storing.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(ProjectState& project, QWidget* parent = nullptr);

    /// Shows the project's two paths, discarding what was typed.
    void fillFromProject();

private:
    void apply();

    ProjectState& project_;
    QLineEdit* scriptFolder_ = nullptr;
    QLineEdit* easylifeLocation_ = nullptr;
};

}  // namespace orvanta::ui
