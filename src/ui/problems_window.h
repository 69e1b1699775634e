#pragma once

#include "pipeline/project_problem.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QModelIndex;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvanta::ui {

/// "Script Problems" (Form14): what Check Script or Build DAT Files found, one
/// row a problem. Double-click or Enter on a row opens the field it names.
class ProblemsWindow : public QDialog {
    Q_OBJECT

public:
    /// Opens a field, scrolled to value `value` of its line (or -1).
    using FieldOpener = std::function<void(const FieldRef&, int value)>;

    explicit ProblemsWindow(FieldOpener openField, QWidget* parent = nullptr);

    /// Lists the problems under a heading that says what was done, errors
    /// first, with the first error (or the first warning) selected and
    /// focused.
    void showProblems(std::vector<ProjectProblem> problems, const QString& heading);
    /// The same while the builder works elsewhere: the focus stays where it
    /// is, and the problem selected stays selected when it is still listed.
    void refreshProblems(std::vector<ProjectProblem> problems, const QString& heading);

private:
    void fill(std::vector<ProjectProblem> problems, const QString& heading, bool takeFocus);
    void openRow(const QModelIndex& index) const;
    QTreeWidgetItem* firstError() const;

    FieldOpener openField_;
    std::vector<ProjectProblem> problems_;
    QLabel* heading_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace orvanta::ui
