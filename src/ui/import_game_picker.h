#pragma once

#include <QFileDialog>
#include <QString>

namespace orvanta::ui {

/// The "Import Game" dialog: picks a Script.txt or a SCRIPT.DAT, or a folder
/// that holds either. "Import" on such a folder, or in it with no file
/// chosen, takes the folder; a double click still opens a folder to look
/// inside. The dialog is Qt's own on every system, so it behaves the same.
class ImportGamePicker : public QFileDialog {
    Q_OBJECT

public:
    ImportGamePicker(const QString& startFolder, QWidget* parent);

    /// The host path of what was picked, once the dialog was accepted.
    QString picked() const { return picked_; }

    /// "Import": takes the file or the folder holding a game, or opens the folder.
    void accept() override;

private:
    QString picked_;
};

/// Whether a folder holds a game to import: a Script.txt or a SCRIPT.DAT, in any letter case.
bool holdsGame(const QString& folder);

}  // namespace orvanta::ui
