#include "ui/load_script_dialog.h"

#include "platform/message_box.h"
#include "projectfile/project_file_reader.h"
#include "ui/text_conversion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvanta::ui {

LoadScriptDialog::LoadScriptDialog(ProjectState& project, QWidget* parent)
    : QDialog(parent), project_(project), controls_(makeProjectFileControls(this))
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Load Script"));
    setAttribute(Qt::WA_DeleteOnClose);

    layOutProjectFileControls(this, controls_, AddressLine::UnderTheName);

    connect(controls_.ok, &QPushButton::clicked, this, &LoadScriptDialog::load);
}

void LoadScriptDialog::load()
{
    const std::string path = controls_.chooser->takeChosenPath();
    controls_.address->setText(toDisplayText(path));
    controls_.address->setToolTip(controls_.address->text());
    const LoadResult result = loadProjectFile(path, project_);
    switch (result.status) {
    case LoadStatus::NotProjectFile:
        platform::showMessage(this, QStringLiteral("Not an ORV file!"));
        return;
    case LoadStatus::Failed:
        platform::showMessage(this, QString::fromUtf8(result.message));
        return;
    case LoadStatus::Loaded:
        break;
    }
    QWidget* owner = parentWidget();
    close();
    Q_EMIT projectLoaded();
    platform::showMessage(owner, QStringLiteral("Script file loaded!"));
}

} // namespace orvanta::ui
