#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <string_view>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvanta::ui {

/// Where a chooser opens: the wanted folder on the host, or the nearest folder
/// above it that exists, or the home folder; `note` tells the user which,
/// and is empty when the wanted folder itself was found.
struct StartFolder {
    QString folder;
    QString note;
};
/// The start for a folder a project field names (a Windows-1252 path text).
StartFolder findStartFolder(std::string_view folderText);

/// The drive list `Drive1`, the folder tree `Dir1` and, given a name pattern,
/// the file list `File1` of the folder in use: the one chooser of the Compile
/// To panel and of the Save As and Load Script dialogs. Folders are host
/// paths, in whatever characters the host allows.
///
/// The tree shows the folder in use (marked), the folders above it and its
/// subfolders. A click or an arrow key only highlights a folder; a double
/// click or Enter opens it, and Enter does nothing else. When the tree loses
/// the keyboard focus, the highlight goes back to the folder in use. Choosing
/// a drive opens the folder last opened on it: at first the program's current
/// folder on the drive that holds it, the root on the others.
class FolderChooser : public QWidget {
    Q_OBJECT

public:
    /// `folderWidth` is the width of the drive list and the folder tree; an
    /// empty `filePattern` leaves the file list out.
    FolderChooser(int folderWidth, const QString& filePattern, QWidget* parent);

    /// The folder in use, as a host path; empty until one was opened.
    QString folder() const { return folder_; }
    /// Opens a folder, reading the drives first if that was not done yet;
    /// `note` is shown below the lists until the user opens another folder.
    void openFolder(const QString& folder, const QString& note = {});

Q_SIGNALS:
    void folderOpened(const QString& folder);
    /// A name in the file list was clicked or chosen with Enter.
    void fileChosen(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDrives();
    void addDrive(const QString& caption, const QString& root);
    /// The root of the listed drive that holds the folder.
    QString driveOf(const QString& folder) const;
    void onDriveActivated(int index);
    void openItem(const QTreeWidgetItem* item);
    void showFolderTree();
    void showFiles();

    QString filePattern_;
    QComboBox* drives_;
    QTreeWidget* folders_;
    QListWidget* files_ = nullptr;
    QLabel* note_;
    QTreeWidgetItem* inUse_ = nullptr;
    QString folder_;
    QHash<QString, QString> folderOnDrive_;  ///< the folder last opened on each drive
};

}  // namespace orvanta::ui
