#include "ui/compile_to_panel.h"

#include "desktop/text_conversion.h"
#include "script/script_files.h"
#include "ui/dialog_layout.h"
#include "ui/folder_chooser.h"
#include "ui/host_file.h"
#include "ui/message_box.h"
#include "ui/representable_text.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::ui {

CompileToPanel::CompileToPanel(ProjectState& project, QWidget* parent)
    : QGroupBox(QStringLiteral("Compile To:"), parent), project_(project)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);  // it lies over the level rows

    chooser_ = new FolderChooser(281, QString(), this);
    target_ = new QLineEdit(this);
    target_->setObjectName(QStringLiteral("Text30"));
    keepOneLine(target_);  // a host path: any character the host allows
    // The field keeps the target in the project's code page; "Compile" takes the box's host path.
    connect(target_, &QLineEdit::textChanged, this,
            [this](const QString& text) { project_.compileToFolder = toProjectText(text); });

    compileButton_ = addButton(this, "Command13", QStringLiteral("Compile"));
    cancelButton_ = addButton(this, "Command14", QStringLiteral("Cancel"));
    // As in a dialog: Enter presses the focused button, else "Compile".
    compileButton_->setDefault(true);
    compileButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(chooser_, 1);
    column->addWidget(target_);
    column->addLayout(buttonRow({compileButton_, cancelButton_}));

    connect(chooser_, &FolderChooser::folderOpened, this, &CompileToPanel::setTarget);
    connect(compileButton_, &QPushButton::clicked, this, &CompileToPanel::compile);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void CompileToPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: compileButton_->click(); return;
    case Qt::Key_Escape: cancelButton_->click(); return;
    default: QGroupBox::keyPressEvent(event);
    }
}

void CompileToPanel::showEvent(QShowEvent* event)
{
    // The drives and folders are read when the panel is first shown, which
    // keeps reading the disks out of the program's start.
    if (chooser_->folder().isEmpty()) {
        const QString typed = target_->text();
        chooser_->openFolder(QDir::fromNativeSeparators(typed));
        setTarget(typed);  // the tree may not know the folder; the text stays
    }
    QGroupBox::showEvent(event);
}

void CompileToPanel::setTarget(const QString& folder) { target_->setText(QDir::toNativeSeparators(folder)); }

void CompileToPanel::compile()
{
    if (const auto error = writeScriptFiles(project_, typedFolder(target_->text()))) {
        showMessage(this, fromUtf8Text(error->message));
        return;
    }
    hide();
}

}  // namespace orvanta::ui
