#include "ui/import_report_window.h"

#include "desktop/text_conversion.h"
#include "importer/script_folder.h"
#include "platform/text_file.h"
#include "ui/dialog_layout.h"
#include "ui/window_placement.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace orvanta::ui {

ImportReportWindow::ImportReportWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Import Report"));

    auto* heading = new QLabel(QStringLiteral("What the project could not keep of the game's sources:"), this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setHeaderLabels({QStringLiteral("Place"), QStringLiteral("Left out"), QStringLiteral("Why")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->header()->setSectionResizeMode(QHeaderView::Interactive);
    list_->setMinimumSize(100 * fontMetrics().averageCharWidth(), 12 * fontMetrics().lineSpacing());
    connect(list_, &QTreeWidget::activated, this, [this](const QModelIndex& index) { openRow(index.row()); });

    source_ = new QPlainTextEdit(this);
    source_->setObjectName(QStringLiteral("Text1"));
    source_->setReadOnly(true);
    source_->setLineWrapMode(QPlainTextEdit::NoWrap);
    source_->hide();

    QPushButton* close = addButton(this, "Command1", QStringLiteral("Close"));
    close->setAutoDefault(false);  // Enter on a row opens its line
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addWidget(list_);
    column->addWidget(source_);
    column->addLayout(buttonRow({close}));
}

void ImportReportWindow::showReport(std::vector<ImportNote> notes, std::filesystem::path folder)
{
    notes_ = std::move(notes);
    folder_ = std::move(folder);
    list_->clear();
    source_->hide();
    for (const ImportNote& note : notes_) {
        QString place = toDisplayText(note.file);
        if (note.line > 0)
            place += u':' + QString::number(note.line);
        list_->addTopLevelItem(new QTreeWidgetItem({place, toDisplayText(note.what), toDisplayText(note.why)}));
    }
    widenToItsColumns(list_);
}

void ImportReportWindow::openRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= notes_.size())
        return;
    const ImportNote& note = notes_[static_cast<std::size_t>(row)];
    const auto path = fileInFolder(folder_, note.file);
    const auto bytes = path ? readFileBytes(FileLocation::fromHostPath(*path)) : FileOutcome<std::string>(FileError{});
    if (!bytes)
        return;
    source_->setPlainText(toDisplayText(bytes.value()));
    source_->show();
    const QTextBlock block = source_->document()->findBlockByNumber(std::max(note.line, 1) - 1);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    source_->setTextCursor(cursor);
    source_->centerCursor();
}

}  // namespace orvanta::ui
