#include "ui/compile_to_panel.h"

#include "platform/message_box.h"
#include "script/script_files.h"
#include "ui/project_text_box.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvanta::ui {

CompileToPanel::CompileToPanel(ProjectState& project, QWidget* parent)
    : QGroupBox(QStringLiteral("Compile To:"), parent), project_(project)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);  // it lies over the level rows

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));

    folders_ = new QTreeView(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    folders_->setHeaderHidden(true);
    folders_->setMinimumSize(281, 186);

    target_ = new QLineEdit(this);
    target_->setObjectName(QStringLiteral("Text30"));
    bindToProjectField(target_, [this](std::string bytes) { project_.compileToFolder = std::move(bytes); });

    compileButton_ = new QPushButton(QStringLiteral("Compile"), this);
    compileButton_->setObjectName(QStringLiteral("Command13"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("Command14"));
    // As in a dialog: Enter presses the focused button, else "Compile".
    compileButton_->setDefault(true);
    compileButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(compileButton_);
    buttons->addWidget(cancelButton_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(drives_);
    column->addWidget(folders_, 1);
    column->addWidget(target_);
    column->addLayout(buttons);

    connect(drives_, &QComboBox::activated, this, &CompileToPanel::chooseDrive);
    connect(compileButton_, &QPushButton::clicked, this, &CompileToPanel::compile);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void CompileToPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        compileButton_->click();
        return;
    case Qt::Key_Escape:
        cancelButton_->click();
        return;
    default:
        QGroupBox::keyPressEvent(event);
    }
}

void CompileToPanel::showEvent(QShowEvent* event)
{
    fillFolderLists();
    QGroupBox::showEvent(event);
}

void CompileToPanel::fillFolderLists()
{
    if (folderModel_ != nullptr)
        return;
    fillDrives();
    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel_->setRootPath(QString());
    folders_->setModel(folderModel_);
    for (int column = 1; column < folderModel_->columnCount(); ++column)
        folders_->hideColumn(column);
    const QString target = target_->text();
    moveTreeTo(QDir::fromNativeSeparators(target));
    setTarget(target);  // the tree may not know the folder; the text stays
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    setTarget(folderModel_->filePath(current));
            });
}

void CompileToPanel::moveTreeTo(const QString& folder)
{
    if (folderModel_ == nullptr)
        return;
    const QModelIndex index = folderModel_->index(folder);
    if (index.isValid()) {
        folders_->setCurrentIndex(index);
        folders_->scrollTo(index);
    }
}

void CompileToPanel::fillDrives()
{
    const QString currentRoot = QStorageInfo(QDir::currentPath()).rootPath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        drives_->addItem(QDir::toNativeSeparators(volume.rootPath()), volume.rootPath());
        if (volume.rootPath() == currentRoot)
            drives_->setCurrentIndex(drives_->count() - 1);
    }
}

void CompileToPanel::chooseDrive(int index)
{
    showFolder(drives_->itemData(index).toString());
}

void CompileToPanel::showFolder(const QString& folder)
{
    moveTreeTo(folder);
    setTarget(folder);
}

void CompileToPanel::setTarget(const QString& folder)
{
    const QString text = replaceUnrepresentable(QDir::toNativeSeparators(folder));
    target_->setText(text);
    project_.compileToFolder = toProjectText(text);
}

void CompileToPanel::compile()
{
    if (const auto error = writeScriptFiles(project_, project_.compileToFolder)) {
        platform::showMessage(this, QString::fromStdString(error->message));
        return;
    }
    hide();
}

} // namespace orvanta::ui
