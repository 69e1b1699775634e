#include "ui/project_file_chooser.h"

#include "ui/dialog_layout.h"
#include "ui/folder_chooser.h"
#include "ui/representable_text.h"

#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace orvanta::ui {
namespace {

/// Shows a path in a fixed width: a long one loses its beginning, so the
/// file name stays in sight; text() and the hover hint keep it whole.
class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent) : QLabel(parent)
    {
        setObjectName(QStringLiteral("address"));
        setMinimumWidth(161);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideLeft, contentsRect().width()));
    }
};

QString pathFor(const ProjectFileControls& controls)
{
    return QDir::toNativeSeparators(
        QDir(controls.chooser->folder()).filePath(withProjectExtension(controls.nameBox->text())));
}

void showAddress(const ProjectFileControls& controls)
{
    controls.address->setText(pathFor(controls));
    controls.address->setToolTip(controls.address->text());
}

}  // namespace

QString withProjectExtension(const QString& name)
{
    static const QString extension = QStringLiteral(".txt");
    return name.endsWith(extension, Qt::CaseSensitive) ? name : name + extension;
}

ProjectFileControls makeProjectFileControls(QDialog* dialog)
{
    ProjectFileControls controls{
        addLabel(dialog, "Label1", QStringLiteral("File Name:")), new QLineEdit(dialog),
        new FolderChooser(145, QStringLiteral("*.txt"), dialog),  addButton(dialog, "Command1", QStringLiteral("Ok")),
        addButton(dialog, "Command2", QStringLiteral("Cancel")),  new PathLabel(dialog),
    };
    controls.nameBox->setObjectName(QStringLiteral("Text1"));
    controls.nameBox->setMinimumWidth(225);
    keepOneLine(controls.nameBox);  // a host file name: any character the host allows
    for (QPushButton* button : {controls.ok, controls.cancel})
        button->setMinimumSize(81, 25);
    controls.ok->setDefault(true);
    QObject::connect(controls.cancel, &QPushButton::clicked, dialog, &QDialog::close);
    QObject::connect(controls.chooser, &FolderChooser::fileChosen, controls.nameBox, &QLineEdit::setText);
    QObject::connect(controls.chooser, &FolderChooser::folderOpened, dialog, [controls] { showAddress(controls); });
    QObject::connect(controls.nameBox, &QLineEdit::textChanged, dialog, [controls] { showAddress(controls); });
    const StartFolder start = findStartFolder(kProjectStartFolder);
    controls.chooser->openFolder(start.folder, start.note);
    controls.nameBox->setFocus();
    return controls;
}

QString takeChosenPath(const ProjectFileControls& controls)
{
    controls.nameBox->setText(withProjectExtension(controls.nameBox->text()));
    return pathFor(controls);
}

void layOutProjectFileControls(QDialog* dialog, const ProjectFileControls& controls, QLabel* addressCaption)
{
    auto* layout = new QGridLayout(dialog);
    layout->setContentsMargins(8, 8, 5, 5);
    layout->addWidget(controls.chooser, 0, 0, 1, 3);
    layout->addWidget(controls.nameLabel, 1, 0);
    layout->addWidget(controls.nameBox, 1, 1);
    layout->addWidget(controls.ok, 1, 2);
    if (addressCaption != nullptr)
        layout->addWidget(addressCaption, 2, 0);
    layout->addWidget(controls.address, 2, 1);
    layout->addWidget(controls.cancel, 2, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvanta::ui
