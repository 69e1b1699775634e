#include "ui/project_file_chooser.h"

#include "platform/host_path.h"
#include "ui/representable_text.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeWidget>

#include <filesystem>

namespace orvanta::ui {
namespace {

constexpr int kFolderRole = Qt::UserRole;

QString hostFolderText(std::string_view pathText)
{
    return QString::fromStdU16String(hostPath(pathText).u16string());
}

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

QStringList subfolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

/// The folder and every folder above it, the root first.
QStringList folderChain(const QString& folder)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(dir.absolutePath());
    while (!dir.isRoot() && dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

QTreeWidgetItem* folderItem(const QString& path, const QString& caption)
{
    auto* item = new QTreeWidgetItem(QStringList{caption});
    item->setData(0, kFolderRole, path);
    return item;
}

/// Keeps a box to one line of the characters a path text can hold, replacing the others
/// visibly, so the path shown is the path used.
QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

/// Shows a path in a fixed width: a long one loses its beginning, so the
/// file name stays in sight; text() keeps it whole.
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

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(81, 25);
    return button;
}

} // namespace

QString withProjectExtension(const QString& name)
{
    static const QString extension = QStringLiteral(".txt");
    return name.endsWith(extension, Qt::CaseSensitive) ? name : name + extension;
}

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

ProjectFileChooser::ProjectFileChooser(QLineEdit* nameBox, QWidget* parent)
    : QWidget(parent), nameBox_(nameBox), drives_(new QComboBox(this)),
      folders_(new QTreeWidget(this)), files_(new QListWidget(this)), note_(new QLabel(this))
{
    drives_->setObjectName(QStringLiteral("Drive1"));
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_->setObjectName(QStringLiteral("File1"));
    note_->setObjectName(QStringLiteral("startNote"));

    drives_->setFixedWidth(145);
    // Deep folders stay in sight in the narrow tree: little indentation, and
    // a column as wide as its names, scrolled sideways.
    folders_->setHeaderHidden(true);
    folders_->setRootIsDecorated(false);
    folders_->setIndentation(8);
    folders_->header()->setStretchLastSection(false);
    folders_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folders_->setMinimumSize(145, 186);
    folders_->setMaximumWidth(145);
    files_->setMinimumSize(217, 214);
    note_->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drives_, 0, 0);
    layout->addWidget(folders_, 1, 0);
    layout->addWidget(files_, 0, 1, 2, 1);
    layout->addWidget(note_, 2, 0, 1, 2);

    connect(drives_, &QComboBox::activated, this, &ProjectFileChooser::onDriveActivated);
    connect(folders_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        setCurrentFolder(item->data(0, kFolderRole).toString());
    });
    connect(files_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseListedName(item->text()); });
    // Enter on a file chooses it: the name first, then the dialog's "Ok".
    connect(files_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseListedName(item->text()); });
    folders_->installEventFilter(this);
    keepRepresentable(nameBox_);

    showDrives();
    const StartFolder start = findStartFolder(kProjectStartFolder);
    note_->setText(start.note);
    note_->setVisible(!start.note.isEmpty());
    setCurrentFolder(start.folder);
}

void ProjectFileChooser::chooseListedName(const QString& name)
{
    // A host file name may hold characters the project's code page cannot:
    // the box shows them as the "?" the path would be built with.
    nameBox_->setText(replaceUnrepresentable(name));
}

bool ProjectFileChooser::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the folder tree opens the current folder and ends there: it is
    // moving about, not the dialog's "Ok".
    if (watched == folders_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QTreeWidgetItem* item = folders_->currentItem())
                setCurrentFolder(item->data(0, kFolderRole).toString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ProjectFileChooser::setCurrentFolder(const QString& folder)
{
    folder_ = normalFolder(folder);
    folderOnDrive_.insert(driveOf(folder_), folder_);
    selectDriveOf(folder_);
    showFolderTree();
    showFiles();
}

std::string ProjectFileChooser::takeChosenPath()
{
    nameBox_->setText(withProjectExtension(nameBox_->text()));
    return joinPathText(toProjectText(QDir::toNativeSeparators(folder_)),
                        toProjectText(nameBox_->text()));
}

void ProjectFileChooser::showDrives()
{
    drives_->clear();
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
}

void ProjectFileChooser::addDrive(const QString& caption, const QString& root)
{
    if (drives_->findData(root) < 0)
        drives_->addItem(caption, root);
}

QString ProjectFileChooser::driveOf(const QString& folder) const
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

void ProjectFileChooser::selectDriveOf(const QString& folder)
{
    const QString root = driveOf(folder);
    addDrive(QDir::toNativeSeparators(root), root);
    drives_->setCurrentIndex(drives_->findData(root));
}

void ProjectFileChooser::onDriveActivated(int index)
{
    const QString root = drives_->itemData(index).toString();
    const QString remembered = folderOnDrive_.value(root);
    setCurrentFolder(isFolder(remembered) ? remembered : root);
}

void ProjectFileChooser::showFolderTree()
{
    folders_->clear();
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : folderChain(folder_)) {
        const QString name = QFileInfo(path).fileName();
        const QString caption = name.isEmpty() ? QDir::toNativeSeparators(path) : name;
        QTreeWidgetItem* item = folderItem(path, caption);
        if (parent == nullptr)
            folders_->addTopLevelItem(item);
        else
            parent->addChild(item);
        item->setExpanded(true);
        parent = item;
    }
    for (const QString& name : subfolders(folder_))
        parent->addChild(folderItem(QDir(folder_).filePath(name), name));
    folders_->setCurrentItem(parent);
    folders_->scrollToItem(parent);
}

void ProjectFileChooser::showFiles()
{
    files_->clear();
    // Hidden files too: a name left empty is saved as ".txt".
    files_->addItems(QDir(folder_).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden,
                                             QDir::Name | QDir::IgnoreCase));
}

ProjectFileControls makeProjectFileControls(QDialog* dialog)
{
    auto* nameBox = new QLineEdit(dialog);
    nameBox->setObjectName(QStringLiteral("Text1"));
    nameBox->setMinimumWidth(225);
    ProjectFileControls controls{
        namedLabel("Label1", QStringLiteral("File Name:"), dialog),
        nameBox,
        new ProjectFileChooser(nameBox, dialog),
        namedButton("Command1", QStringLiteral("Ok"), dialog),
        namedButton("Command2", QStringLiteral("Cancel"), dialog),
        new PathLabel(dialog),
    };
    controls.ok->setDefault(true);
    QObject::connect(controls.cancel, &QPushButton::clicked, dialog, &QDialog::close);
    nameBox->setFocus();
    return controls;
}

void layOutProjectFileControls(QDialog* dialog, const ProjectFileControls& controls, AddressLine address)
{
    auto* layout = new QGridLayout(dialog);
    layout->setContentsMargins(8, 8, 5, 5);
    layout->addWidget(controls.chooser, 0, 0, 1, 3);
    layout->addWidget(controls.nameLabel, 1, 0);
    layout->addWidget(controls.nameBox, 1, 1);
    layout->addWidget(controls.ok, 1, 2);
    if (address == AddressLine::UnderTheName)
        layout->addWidget(controls.address, 2, 1);
    else
        controls.address->hide();
    layout->addWidget(controls.cancel, 2, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace orvanta::ui
