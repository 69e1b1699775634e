#pragma once

#include "model/project_state.h"

#include <QGroupBox>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace orvanta::ui {

/// The "Compile To:" panel of the main window: a drive list, a folder tree and
/// the target folder text, with "Compile" and "Cancel". "Compile" writes
/// Script.txt and English.txt into the target folder and hides the panel; a
/// failure is reported naming the path and the panel stays open.
class CompileToPanel : public QGroupBox {
    Q_OBJECT

public:
    CompileToPanel(ProjectState& project, QWidget* parent = nullptr);

    /// Moves the folder tree to a folder, which also becomes the target folder.
    void showFolder(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    /// Enter that no control took is "Compile"; Escape is "Cancel".
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The drive list and folder tree are filled when the panel is first shown,
    /// which keeps reading the disks out of the program's start.
    void fillFolderLists();
    void fillDrives();
    void moveTreeTo(const QString& folder);
    void chooseDrive(int index);
    void compile();
    void setTarget(const QString& folder);

    ProjectState& project_;
    QComboBox* drives_ = nullptr;
    QTreeView* folders_ = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
    QLineEdit* target_ = nullptr;
    QPushButton* compileButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace orvanta::ui
