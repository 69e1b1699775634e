#pragma once

#include <QString>
#include <string_view>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta::ui {

class FolderChooser;

/// The folder the project file dialogs open in, as the level editor package
/// names it; found on the host through the drive mapping.
inline constexpr std::string_view kProjectStartFolder = "C:\\Program Files\\Core Design\\trle\\script";

/// The name a project file is saved or looked up under: ".txt" is appended
/// unless the name already ends in exactly ".txt" (letter case counts).
QString withProjectExtension(const QString& name);

/// The controls the Save As and Load Script dialogs share, created as
/// children of the dialog with their names: the chooser (project files,
/// "*.txt", opened at kProjectStartFolder), `Label1` "File Name:", the name
/// box `Text1`, `Command1` "Ok" (the default button), `Command2` "Cancel"
/// (closes the dialog) and `address`, which shows the host path "Ok" uses:
/// the folder in use and the name box's name with the ".txt" rule. A name
/// clicked in the file list goes into the name box. Each dialog lays them
/// out and gives "Ok" its work.
struct ProjectFileControls {
    QLabel* nameLabel;
    QLineEdit* nameBox;  // first in the tab order
    FolderChooser* chooser;
    QPushButton* ok;
    QPushButton* cancel;
    QLabel* address;
};
ProjectFileControls makeProjectFileControls(QDialog* dialog);

/// The first step of every "Ok": the name box gets the ".txt" rule (and
/// shows the longer name); returns the host path the address shows.
QString takeChosenPath(const ProjectFileControls& controls);

/// Lays the controls out as both dialogs arrange them: the chooser on top,
/// the name box with "Ok" beside it, the address under the name box with
/// `addressCaption` (if any) before it, "Cancel" under "Ok".
void layOutProjectFileControls(QDialog* dialog, const ProjectFileControls& controls, QLabel* addressCaption);

}  // namespace orvanta::ui
