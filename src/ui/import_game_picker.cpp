#include "ui/import_game_picker.h"

#include "importer/script_folder.h"

#include <QFileInfo>

namespace orvanta::ui {

bool holdsGame(const QString& folder)
{
    const std::filesystem::path path(folder.toStdU16String());
    return QFileInfo(folder).isDir() && (fileInFolder(path, "Script.txt") || fileInFolder(path, "SCRIPT.DAT"));
}

ImportGamePicker::ImportGamePicker(const QString& startFolder, QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Import Game"), startFolder,
                  QStringLiteral("Script.txt or SCRIPT.DAT (*.txt *.TXT *.dat *.DAT);;All files (*)"))
{
    setObjectName(QStringLiteral("importGamePicker"));
    setOption(QFileDialog::DontUseNativeDialog);  // a native dialog would not ask accept() about a folder
    setFileMode(QFileDialog::ExistingFile);
    setLabelText(QFileDialog::Accept, QStringLiteral("&Import"));
}

void ImportGamePicker::accept()
{
    const QStringList selected = selectedFiles();
    const QString choice = selected.size() == 1 ? selected.front() : QString();
    if (!holdsGame(choice)) {
        QFileDialog::accept();  // a file is taken; another folder is opened
        picked_ = result() == QDialog::Accepted ? selectedFiles().value(0) : QString();
        return;
    }
    picked_ = choice;
    done(QDialog::Accepted);
}

}  // namespace orvanta::ui
