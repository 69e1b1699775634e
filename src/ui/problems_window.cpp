#include "ui/problems_window.h"

#include "compiler/source_lines.h"
#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"
#include "ui/window_placement.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
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

constexpr int kSortKey = Qt::UserRole;
constexpr int kProblemIndex = Qt::UserRole + 1;

/// A row that sorts by what its column means: severity, then file and line
/// as numbers, then text; rows alike keep the order the check found them in.
class ProblemRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        const QString key = data(column, kSortKey).toString();
        const QString otherKey = other.data(column, kSortKey).toString();
        if (key != otherKey)
            return key < otherKey;
        return data(0, kProblemIndex).toInt() < other.data(0, kProblemIndex).toInt();
    }
};

/// Script.txt's lines, then English.txt's, then problems of no file.
QString placeKey(const Problem& problem)
{
    const int rank = problem.file == "Script.txt" ? 0 : problem.file == "English.txt" ? 1 : 2;
    return QStringLiteral("%1%2").arg(rank).arg(problem.line, 9, 10, QLatin1Char('0'));
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
    list_->setSortingEnabled(true);
    list_->sortByColumn(0, Qt::AscendingOrder);  // errors before warnings
    // activated: a double click, or Enter on the current row.
    connect(list_, &QTreeWidget::activated, this, &ProblemsWindow::openRow);

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
    fill(std::move(problems), heading, true);
}

void ProblemsWindow::refreshProblems(std::vector<ProjectProblem> problems, const QString& heading)
{
    fill(std::move(problems), heading, false);
}

void ProblemsWindow::fill(std::vector<ProjectProblem> problems, const QString& heading, bool takeFocus)
{
    std::optional<ProjectProblem> selected;
    if (const QTreeWidgetItem* current = list_->currentItem(); current != nullptr && !takeFocus)
        selected = problems_.at(current->data(0, kProblemIndex).toUInt());
    problems_ = std::move(problems);
    // A warning selected gives way to a new error: Enter should open what stops the build.
    if (selected && selected->problem.severity == Severity::Warning && hasErrors(problems_))
        selected.reset();
    heading_->setText(heading);
    list_->setSortingEnabled(false);  // sorted once, when all rows are in
    list_->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QTreeWidgetItem* reselected = nullptr;
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const auto& [problem, field] = problems_[i];
        const bool error = problem.severity == Severity::Error;
        auto* row = new ProblemRow(list_, {error ? QStringLiteral("Error") : QStringLiteral("Warning"),
                                           placeText(problem), toDisplayText(visible(problem.message)),
                                           field ? toDisplayText(visible(field->describe())) : QString()});
        row->setIcon(0, error ? errorIcon : warningIcon);
        row->setToolTip(2, row->text(2));
        row->setData(0, kSortKey, error ? QStringLiteral("0") : QStringLiteral("1"));
        row->setData(1, kSortKey, placeKey(problem));
        row->setData(2, kSortKey, row->text(2));
        row->setData(3, kSortKey, row->text(3));
        row->setData(0, kProblemIndex, static_cast<uint>(i));
        if (selected && problems_[i] == *selected)
            reselected = row;
    }
    list_->setSortingEnabled(true);
    if (reselected == nullptr && !problems_.empty())
        reselected = firstError();
    list_->setCurrentItem(reselected);
    if (reselected != nullptr && takeFocus)
        list_->setFocus();
    widenToItsColumns(list_);
}

QTreeWidgetItem* ProblemsWindow::firstError() const
{
    // In the order shown, whichever column sorts it.
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (list_->topLevelItem(i)->data(0, kSortKey).toString() == QStringLiteral("0"))
            return list_->topLevelItem(i);
    }
    return list_->topLevelItem(0);
}

void ProblemsWindow::openRow(const QModelIndex& index) const
{
    const std::size_t row = index.siblingAtColumn(0).data(kProblemIndex).toUInt();
    if (!index.isValid() || row >= problems_.size() || !problems_[row].field)
        return;
    openField_(*problems_[row].field, problems_[row].problem.value);
}

}  // namespace orvanta::ui
