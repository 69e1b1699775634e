#include "ui/folder_chooser.h"

#include "desktop/text_conversion.h"
#include "platform/host_path.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

namespace orvanta::ui {
namespace {

constexpr int kFolderRole = Qt::UserRole;

QString hostFolderText(std::string_view pathText) { return QString::fromStdU16String(hostPath(pathText).u16string()); }

bool isFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

/// The folder as one spelling: absolute, links resolved where it exists.
QString normalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

/// The folder text without its last component ("C:\a\b" -> "C:\a", "C:\a" -> "C:\"),
/// or an empty text at the drive's root.
std::string parentFolderText(const std::string& text)
{
    const std::size_t last = text.find_last_of('\\');
    if (last == std::string::npos || last + 1 == text.size())
        return {};
    const std::string parent = text.substr(0, last);
    return parent.size() == 2 && parent[1] == ':' ? parent + '\\' : parent;
}

/// The folder and every folder above it up to the drive's root, the root first.
QStringList folderChain(const QString& folder, const QString& root)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(dir.absolutePath());
    while (dir.absolutePath() != root && !dir.isRoot() && dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

}  // namespace

StartFolder findStartFolder(std::string_view folderText)
{
    const QString wanted = toDisplayText(folderText);
    for (std::string text(folderText); !text.empty(); text = parentFolderText(text)) {
        const QString host = hostFolderText(text);
        if (!isFolder(host))
            continue;
        if (text == folderText)
            return {normalFolder(host), {}};
        const QString note = QStringLiteral("The folder \"%1\" was not found; showing \"%2\" instead.");
        return {normalFolder(host), note.arg(wanted, toDisplayText(text))};
    }
    const QString note = QStringLiteral("The folder \"%1\" was not found; showing the home folder instead.");
    return {normalFolder(QDir::homePath()), note.arg(wanted)};
}

FolderChooser::FolderChooser(int folderWidth, const QString& filePattern, QWidget* parent)
    : QWidget(parent), filePattern_(filePattern), drives_(new QComboBox(this)), folders_(new QTreeWidget(this)),
      note_(new QLabel(this))
{
    drives_->setObjectName(QStringLiteral("Drive1"));
    folders_->setObjectName(QStringLiteral("Dir1"));
    note_->setObjectName(QStringLiteral("startNote"));
    note_->setWordWrap(true);
    note_->hide();

    // Deep folders stay in sight in a narrow tree: little indentation, and
    // a column as wide as its names, scrolled sideways.
    folders_->setHeaderHidden(true);
    folders_->setRootIsDecorated(false);
    folders_->setIndentation(8);
    folders_->header()->setStretchLastSection(false);
    folders_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folders_->setMinimumSize(folderWidth, 186);
    folders_->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drives_, 0, 0);
    layout->addWidget(folders_, 1, 0);
    layout->addWidget(note_, 2, 0, 1, 2);
    if (!filePattern.isEmpty()) {
        drives_->setFixedWidth(folderWidth);
        folders_->setMaximumWidth(folderWidth);
        files_ = new QListWidget(this);
        files_->setObjectName(QStringLiteral("File1"));
        files_->setMinimumSize(217, 214);
        layout->addWidget(files_, 0, 1, 2, 1);
        // Enter on a file chooses it and goes on to the dialog's default button.
        connect(files_, &QListWidget::itemClicked, this,
                [this](const QListWidgetItem* item) { Q_EMIT fileChosen(item->text()); });
        connect(files_, &QListWidget::itemActivated, this,
                [this](const QListWidgetItem* item) { Q_EMIT fileChosen(item->text()); });
    }

    connect(drives_, &QComboBox::activated, this, &FolderChooser::onDriveActivated);
    connect(folders_, &QTreeWidget::itemDoubleClicked, this, &FolderChooser::openItem);
}

bool FolderChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == folders_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openItem(folders_->currentItem());
            return true;  // moving about, never the window's default button
        }
    }
    if (watched == folders_ && event->type() == QEvent::FocusOut && inUse_ != nullptr)
        folders_->setCurrentItem(inUse_);  // a folder only highlighted must not pass for the one in use
    return QWidget::eventFilter(watched, event);
}

void FolderChooser::openItem(const QTreeWidgetItem* item)
{
    if (item != nullptr)
        openFolder(item->data(0, kFolderRole).toString());
}

void FolderChooser::openFolder(const QString& folder, const QString& note)
{
    if (drives_->count() == 0)
        showDrives();
    folder_ = normalFolder(folder);
    const QString root = driveOf(folder_);
    folderOnDrive_.insert(root, folder_);
    addDrive(QDir::toNativeSeparators(root), root);
    drives_->setCurrentIndex(drives_->findData(root));
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    showFolderTree();
    showFiles();
    Q_EMIT folderOpened(folder_);
}

void FolderChooser::showDrives()
{
    // The drive letters the game's own paths use, then the host's volumes.
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string drive{letter, ':', '\\'};
        if (const QString root = hostFolderText(drive); isFolder(root))
            addDrive(QString::fromLatin1(drive.data(), 2), normalFolder(root));
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && isFolder(volume.rootPath()))
            addDrive(QDir::toNativeSeparators(volume.rootPath()), normalFolder(volume.rootPath()));
    }
    const QString current = normalFolder(QDir::currentPath());
    folderOnDrive_.insert(driveOf(current), current);
}

void FolderChooser::addDrive(const QString& caption, const QString& root)
{
    if (drives_->findData(root) < 0)
        drives_->addItem(caption, root);
}

QString FolderChooser::driveOf(const QString& folder) const
{
    QString best;
    for (int index = 0; index < drives_->count(); ++index) {
        const QString root = drives_->itemData(index).toString();
        const QString inside = root.endsWith(u'/') ? root : root + u'/';
        const bool holds = folder == root || folder.startsWith(inside);
        if (holds && root.size() > best.size())
            best = root;
    }
    return best.isEmpty() ? QStorageInfo(folder).rootPath() : best;
}

void FolderChooser::onDriveActivated(int index)
{
    const QString root = drives_->itemData(index).toString();
    const QString remembered = folderOnDrive_.value(root);
    openFolder(isFolder(remembered) ? remembered : root);
}

void FolderChooser::showFolderTree()
{
    folders_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* parent = nullptr;
    // From the drive's root, named as the drive list names it ("C:").
    for (const QString& path : folderChain(folder_, drives_->currentData().toString())) {
        const QString name = parent == nullptr ? drives_->currentText() : QFileInfo(path).fileName();
        auto* item = new QTreeWidgetItem(QStringList{name});
        item->setData(0, kFolderRole, path);
        item->setIcon(0, open);
        if (parent == nullptr)
            folders_->addTopLevelItem(item);
        else
            parent->addChild(item);
        item->setExpanded(true);
        parent = item;
    }
    inUse_ = parent;
    QFont bold = inUse_->font(0);
    bold.setBold(true);
    inUse_->setFont(0, bold);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QTreeWidgetItem(inUse_, QStringList{name});
        item->setData(0, kFolderRole, dir.filePath(name));
        item->setIcon(0, closed);
    }
    folders_->setCurrentItem(inUse_);
    folders_->scrollToItem(inUse_);
}

void FolderChooser::showFiles()
{
    if (files_ == nullptr)
        return;
    files_->clear();
    // Hidden files too: a name left empty is saved as ".txt".
    files_->addItems(
        QDir(folder_).entryList({filePattern_}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

}  // namespace orvanta::ui
