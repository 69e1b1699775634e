#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

class QComboBox;
class QDialog;
class QPushButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace orvanta::ui {

/// The folder the project file dialogs open in, as the level editor package
/// names it; found on the host through the drive mapping.
inline constexpr std::string_view kProjectStartFolder =
    "C:\\Program Files\\Core Design\\trle\\script";

/// The name a project file is saved or looked up under: ".txt" is appended
/// unless the name already ends in exactly ".txt" (letter case counts).
QString withProjectExtension(const QString& name);

/// Where a dialog opens: the wanted folder on the host, or the nearest folder
/// above it that exists, or the home folder; `note` tells the user which,
/// and is empty when the wanted folder itself was found.
struct StartFolder {
    QString folder;
    QString note;
};
StartFolder findStartFolder(std::string_view folderText);

/// The drive list `Drive1`, the folder tree `Dir1` and the file list `File1`
/// (project files, "*.txt") shared by the Save As and Load Script dialogs.
/// The file list always shows the folder tree's current folder, and a click
/// on a file name puts that bare name into the dialog's name box.
class ProjectFileChooser : public QWidget {
    Q_OBJECT

public:
    /// Opens at kProjectStartFolder; a note below the lists says so when it
    /// had to open elsewhere.
    ProjectFileChooser(QLineEdit* nameBox, QWidget* parent);

    /// The folder tree's current folder, as a host path.
    QString currentFolder() const { return folder_; }
    void setCurrentFolder(const QString& folder);

    /// The two steps every "Ok" starts with: the name box gets the ".txt"
    /// rule (and shows the longer name), and the path text is the current
    /// folder, a backslash and that name, in the project's encoding.
    std::string takeChosenPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDrives();
    void chooseListedName(const QString& name);
    void addDrive(const QString& caption, const QString& root);
    /// The root of the listed drive that holds the folder.
    QString driveOf(const QString& folder) const;
    void selectDriveOf(const QString& folder);
    void onDriveActivated(int index);
    void showFolderTree();
    void showFiles();

    QLineEdit* nameBox_;
    QComboBox* drives_;
    QTreeWidget* folders_;
    QListWidget* files_;
    QLabel* note_;
    QString folder_;
    QHash<QString, QString> folderOnDrive_;  ///< the last folder shown on each drive
};

/// The controls the Save As and Load Script dialogs share, created as
/// children of the dialog with their names: the lists, `Label1` "File Name:",
/// the name box `Text1`, `Command1` "Ok" (the default button), `Command2`
/// "Cancel" (closes the dialog) and `address`, which receives the path.
/// Each dialog lays them out and gives "Ok" its work.
struct ProjectFileControls {
    QLabel* nameLabel;
    QLineEdit* nameBox;
    ProjectFileChooser* chooser;
    QPushButton* ok;
    QPushButton* cancel;
    QLabel* address;
};
ProjectFileControls makeProjectFileControls(QDialog* dialog);

/// Where a dialog shows the path of its last "Ok".
enum class AddressLine { Hidden, UnderTheName };

/// Lays the controls out as both dialogs arrange them: the chooser on top,
/// the name box with "Ok" beside it, "Cancel" under "Ok".
void layOutProjectFileControls(QDialog* dialog, const ProjectFileControls& controls, AddressLine address);

} // namespace orvanta::ui
