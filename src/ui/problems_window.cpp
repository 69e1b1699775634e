#include "ui/problems_window.h"

#include "compiler/source_lines.h"
#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace orvanta::ui {
namespace {

/// Rows measured to size the columns: enough for any real list to fit.
constexpr int kMeasuredRows = 200;

QString placeText(const Problem& problem)
{
    if (problem.file.empty())
        return QStringLiteral("Script");
    QString place = toDisplayText(problem.file);
    if (problem.line > 0)
        place += u':' + QString::number(problem.line);
    return place;
}

}  // namespace

ProblemsWindow::ProblemsWindow(FieldOpener openField, QWidget* parent)
    : QDialog(parent), openField_(std::move(openField))
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Script Problems"));

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setTextFormat(Qt::PlainText);
    heading_->setWordWrap(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setHeaderLabels(
        {QStringLiteral("Severity"), QStringLiteral("Place"), QStringLiteral("Problem"), QStringLiteral("Field")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(false);
    // Columns are sized once per list, from its first rows only: measuring
    // every row on every layout froze the window for long lists.
    list_->header()->setSectionResizeMode(QHeaderView::Interactive);
    list_->header()->setResizeContentsPrecision(kMeasuredRows);
    list_->setMinimumSize(100 * fontMetrics().averageCharWidth(), 12 * fontMetrics().lineSpacing());
    // activated: a double click, or Enter on the current row.
    connect(list_, &QTreeWidget::activated, this, [this](const QModelIndex& index) { openRow(index.row()); });

    QPushButton* close = addButton(this, "Command1", QStringLiteral("Close"));
    close->setAutoDefault(false);  // Enter on a row opens its field
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading_);
    column->addWidget(list_);
    column->addLayout(buttonRow({close}));
}

void ProblemsWindow::showProblems(std::vector<ProjectProblem> problems, const QString& heading)
{
    problems_ = std::move(problems);
    heading_->setText(heading);
    list_->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const auto& [problem, field] : problems_) {
        const bool error = problem.severity == Severity::Error;
        auto* row = new QTreeWidgetItem(list_, {error ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                                placeText(problem), toDisplayText(visible(problem.message)),
                                                field ? toDisplayText(visible(field->describe())) : QString()});
        row->setIcon(0, error ? errorIcon : warningIcon);
        row->setToolTip(2, row->text(2));
    }
    if (!problems_.empty()) {
        list_->setCurrentItem(list_->topLevelItem(0));
        list_->setFocus();
    }
    widenToTheMessages();
}

void ProblemsWindow::widenToTheMessages()
{
    // Wide enough for every column, as far as the screen allows; never
    // narrower than the user made it.
    list_->header()->resizeSections(QHeaderView::ResizeToContents);
    const int wanted = list_->header()->length() + 2 * list_->frameWidth() +
                       list_->verticalScrollBar()->sizeHint().width() - list_->width();
    const int room = screen()->availableGeometry().width() - frameGeometry().width();
    if (wanted > 0 && room > 0)
        resize(width() + std::min(wanted, room), height());
}

void ProblemsWindow::openRow(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= problems_.size() || !problems_[static_cast<std::size_t>(row)].field)
        return;
    openField_(*problems_[static_cast<std::size_t>(row)].field);
}

}  // namespace orvanta::ui
