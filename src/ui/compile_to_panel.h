#pragma once

#include "model/project_state.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace orvanta::ui {

class FolderChooser;

/// The "Compile To:" panel of the main window: the drive list and folder tree
/// of the program's folder chooser, and the target folder `Text30`, which
/// follows the folder opened there and may be typed into, with "Compile" and
/// "Cancel". "Compile" writes Script.txt and English.txt into the target
/// folder and hides the panel; a failure is reported naming the path and the
/// panel stays open.
class CompileToPanel : public QGroupBox {
    Q_OBJECT

public:
    CompileToPanel(ProjectState& project, QWidget* parent = nullptr);

    /// Makes a host folder the target; the tree opens on the target when the
    /// panel is first shown.
    void setTarget(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    /// Enter that no control took is "Compile"; Escape is "Cancel".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void compile();

    ProjectState& project_;
    FolderChooser* chooser_ = nullptr;
    QLineEdit* target_ = nullptr;
    QPushButton* compileButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace orvanta::ui
