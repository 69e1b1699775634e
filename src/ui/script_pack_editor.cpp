#include "ui/script_pack_editor.h"

#include "desktop/text_conversion.h"
#include "model/project_state.h"
#include "pipeline/package_folder.h"
#include "platform/host_path.h"
#include "ui/block_text_edit.h"
#include "ui/dialog_layout.h"
#include "ui/live_check.h"
#include "ui/problem_range.h"
#include "ui/script_highlighter.h"
#include "ui/script_packs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace orvanta::ui {
namespace {

const QString kKeysHint = QStringLiteral("Tab types a tab. Ctrl+Tab and Ctrl+Shift+Tab move to the next or the "
                                         "previous control.");

BlockTextEdit* addBox(QWidget* parent, const char* name)
{
    auto* box = new BlockTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(kKeysHint);
    return box;
}

/// The key of a "KEY=..." line, or empty.
QString keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    const qsizetype comment = line.indexOf(u';');
    return equals > 0 && (comment < 0 || comment > equals) ? line.left(equals).trimmed() : QString();
}

/// The text a chosen completion puts in; the list shows more beside a command.
constexpr int kCompletedRole = Qt::UserRole;

/// An entry of the completion list: what it completes to and, for a command, its values.
QStandardItem* offer(const QString& completed, const QString& values = {})
{
    auto* item = new QStandardItem(values.isEmpty() ? completed : completed + QStringLiteral("  ") + values);
    item->setData(completed, kCompletedRole);
    return item;
}

}  // namespace

ScriptPackEditor::ScriptPackEditor(ProjectState& project, LiveCheck& live, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      project_(project), live_(live)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Script Pack Edit"));

    packBox_ = addBox(this, "Text1");
    inventoryBox_ = addBox(this, "Text2");
    QPushButton* applyButton = addButton(this, "Command1", QStringLiteral("Apply"));
    applyButton->setToolTip(QStringLiteral("Warning - Incorrect editing of script packs may result in game crashes!"));
    QPushButton* cancelButton = addButton(this, "Command2", QStringLiteral("Cancel"));
    applyButton->setDefault(true);
    buildLayout(applyButton, cancelButton);
    resize(507, 302);

    setTabOrder(packBox_, applyButton);
    setTabOrder(applyButton, cancelButton);
    setTabOrder(cancelButton, inventoryBox_);

    highlighter_ = new ScriptHighlighter(packBox_->document(), packBox_->palette());
    completions_ = new QStandardItemModel(this);
    completer_ = new QCompleter(completions_, this);
    completer_->setCompletionRole(kCompletedRole);
    completer_->setWidget(packBox_);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    packBox_->setCompleter(completer_);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &ScriptPackEditor::complete);

    inventoryBox_->setProjectText(project_.inventoryItems);
    for (BlockTextEdit* box : {packBox_, inventoryBox_}) {
        box->viewport()->installEventFilter(this);
        connect(box, &QPlainTextEdit::textChanged, &live_, &LiveCheck::noteChange);
    }
    connect(packBox_, &QPlainTextEdit::textChanged, this, &ScriptPackEditor::offerCompletion);
    connect(&live_, &LiveCheck::updated, this, &ScriptPackEditor::underlineProblems);

    connect(applyButton, &QPushButton::clicked, this, &ScriptPackEditor::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void ScriptPackEditor::buildLayout(QPushButton* applyButton, QPushButton* cancelButton)
{
    // Opens at the size the window always had; growing it gives the room to the two boxes.
    QLabel* reminder =
        addLabel(this, "Label4", QStringLiteral("Don't forget to replace inventory names in the inventory items box!"));
    reminder->setWordWrap(true);
    packName_ = addLabel(this, "Label2", QStringLiteral("WAD"));
    auto* editing = new QHBoxLayout;
    editing->addWidget(addLabel(this, "Label1", QStringLiteral("Editing Script Pack:")));
    editing->addWidget(packName_, 1);

    auto* lower = new QGridLayout;
    lower->addWidget(addLabel(this, "Label3", QStringLiteral("Inventory Items:")), 0, 0);
    lower->addWidget(inventoryBox_, 1, 0, 3, 1);
    lower->addWidget(reminder, 1, 1, Qt::AlignTop);
    lower->addWidget(applyButton, 1, 2, Qt::AlignTop);
    lower->addWidget(addSeparator(this, QRect(0, 0, 208, 4)), 2, 1, 1, 2);
    lower->addLayout(editing, 3, 1);
    lower->addWidget(cancelButton, 3, 2);
    lower->setColumnStretch(0, 2);
    lower->setColumnStretch(1, 3);
    lower->setRowStretch(1, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 2, 5);
    column->addWidget(packBox_, 2);
    column->addWidget(addSeparator(this, QRect(0, 0, 507, 4)));
    column->addLayout(lower, 1);
    packBox_->setMinimumSize(200, 60);
    inventoryBox_->setMinimumSize(120, 60);
}

void ScriptPackEditor::showPack(const QString& caption, std::string_view text)
{
    packName_->setText(caption);
    // A level's pack stands inside its [Level]; the Header Pack opens the file.
    highlighter_->setFirstSection(shownPack() == 1 ? ScriptSection::None : ScriptSection::Level);
    showing_ = true;
    packBox_->setProjectText(text);
    showing_ = false;
}

int ScriptPackEditor::shownPack() const
{
    // By name: the pack the editor shows now, also when the browser is gone.
    for (int pack = 1; pack <= kPackCount; ++pack) {
        if (packName_->text() == packCaption(pack))
            return pack;
    }
    return 0;
}

void ScriptPackEditor::applyTo(ProjectState& project) const
{
    if (const int pack = shownPack(); pack > 0)
        fieldText(project, Field::pack(pack)) = packBox_->projectText();
    project.inventoryItems = inventoryBox_->projectText();
}

void ScriptPackEditor::apply()
{
    applyTo(project_);
    close();
}

void ScriptPackEditor::underlineProblems()
{
    // Only a box whose text is the one checked: ranges of older text would stand in the wrong place.
    const ProjectState& checked = live_.checked();
    const int pack = shownPack();
    const bool packCurrent = pack > 0 && fieldText(checked, Field::pack(pack)) == packBox_->projectText();
    const bool inventoryCurrent = checked.inventoryItems == inventoryBox_->projectText();
    std::erase_if(marks_, [&](const Mark& mark) {
        return (mark.box == packBox_ && packCurrent) || (mark.box == inventoryBox_ && inventoryCurrent);
    });
    for (const ProjectProblem& found : live_.problems()) {
        if (!found.field || found.field->line <= 0)
            continue;
        const Field field = found.field->field;
        BlockTextEdit* box = field.kind() == FieldKind::ScriptPack && field.pack() == pack && packCurrent ? packBox_
                             : field.kind() == FieldKind::InventoryItems && inventoryCurrent ? inventoryBox_
                                                                                             : nullptr;
        const QTextBlock block =
            box != nullptr ? box->document()->findBlockByNumber(found.field->line - 1) : QTextBlock();
        if (!block.isValid())
            continue;
        const LineRange range = problemRange(block.text(), found.problem.value);
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + range.start);
        cursor.setPosition(block.position() + std::max(range.end, range.start + 1), QTextCursor::KeepAnchor);
        marks_.push_back({box, cursor, fromUtf8Text(found.problem.message)});
    }
    for (BlockTextEdit* box : {packBox_, inventoryBox_}) {
        QList<QTextEdit::ExtraSelection> underlines;
        for (const Mark& mark : marks_) {
            if (mark.box != box)
                continue;
            QTextEdit::ExtraSelection underline;
            underline.cursor = mark.range;
            underline.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            underline.format.setUnderlineColor(QColor(0xE0, 0x20, 0x20));
            underlines << underline;
        }
        box->setExtraSelections(underlines);
    }
}

bool ScriptPackEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QDialog::eventFilter(watched, event);
    auto* box = watched == packBox_->viewport() ? packBox_ : inventoryBox_;
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const QString text = hoverText(box, at);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text.isEmpty() ? kKeysHint : text, box);
    return true;
}

QString ScriptPackEditor::hoverText(const BlockTextEdit* box, QPoint at) const
{
    const QTextCursor under = box->cursorForPosition(at);
    const int position = under.position();
    QStringList said;
    for (const Mark& mark : marks_) {
        if (mark.box == box && position >= mark.range.selectionStart() && position <= mark.range.selectionEnd())
            said << mark.message;
    }
    if (!said.isEmpty() || box != packBox_)
        return said.join(u'\n');
    // Over a command: its syntax, from the compiler's own table.
    const QTextBlock block = under.block();
    const QString key = keyOf(block.text());
    const qsizetype keyStart = block.text().indexOf(key);
    const int column = position - block.position();
    if (key.isEmpty() || column < keyStart || column > keyStart + key.size())
        return {};
    return commandInfo(highlighter_->sectionAt(block.blockNumber()), key).help;
}

void ScriptPackEditor::offerCompletion()
{
    if (showing_)
        return;  // text shown, not typed
    const QTextCursor cursor = packBox_->textCursor();
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    const ScriptSection section = highlighter_->sectionAt(cursor.blockNumber());
    const QString key = keyOf(before);
    QList<QStandardItem*> offered;
    QString prefix;
    if (key.isEmpty() && !before.contains(u';') && !before.trimmed().startsWith(u'[')) {
        prefix = before.trimmed();
        for (const QString& name : commandNames(section))
            offered << offer(name + u'=', commandInfo(section, name).values);
    } else if (!key.isEmpty()) {
        const QString values = before.mid(before.indexOf(u'=') + 1);
        const CommandInfo command = commandInfo(section, key);
        const qsizetype commas = values.count(u',');
        prefix = values.mid(values.lastIndexOf(u',') + 1).trimmed();
        if (itemNameValue(command) > 0 && commas == itemNameValue(command)) {
            for (const QString& line : inventoryBox_->toPlainText().split(u'\n'))
                if (!line.trimmed().isEmpty())
                    offered << offer(line.trimmed());
        } else if (namesLevelFile(command) && commas == 0) {
            for (const QString& file : levelFiles())
                offered << offer(file);
        }
    }
    if (prefix.isEmpty() || offered.isEmpty()) {
        qDeleteAll(offered);
        completer_->popup()->hide();
        return;
    }
    completions_->clear();
    for (QStandardItem* item : offered)
        completions_->appendRow(item);
    completer_->setCompletionPrefix(prefix);
    if (completer_->completionCount() == 0 ||
        (completer_->completionCount() == 1 &&
         completer_->currentCompletion().compare(prefix, Qt::CaseInsensitive) == 0)) {
        completer_->popup()->hide();
        return;
    }
    QRect place = packBox_->cursorRect();
    place.setWidth(completer_->popup()->sizeHintForColumn(0) +
                   completer_->popup()->verticalScrollBar()->sizeHint().width());
    completer_->complete(place);
    // Enter takes the first offer at once, as Tab does.
    completer_->popup()->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void ScriptPackEditor::complete(const QString& chosen)
{
    QTextCursor cursor = packBox_->textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor,
                        static_cast<int>(completer_->completionPrefix().size()));
    cursor.insertText(chosen);
    packBox_->setTextCursor(cursor);
    completer_->popup()->hide();
}

QStringList ScriptPackEditor::levelFiles() const
{
    // "DATA\NAME", as Level= lines give them, for each level file of the package's data folder.
    const std::string package = packageFolderText(project_.scriptFolder);
    if (package.empty())
        return {};
    std::error_code error;
    const std::filesystem::path data = resolveInAnyCase(hostPath(package), "data");
    QStringList files;
    for (const auto& entry : std::filesystem::directory_iterator(data, error)) {
        const QString name = fromUtf8Text(entry.path().filename().string());
        if (name.endsWith(QStringLiteral(".tr4"), Qt::CaseInsensitive))
            files << QStringLiteral("DATA\\") + name.left(name.size() - 4).toUpper();
    }
    files.sort();
    return files;
}

}  // namespace orvanta::ui
