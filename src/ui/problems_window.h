#pragma once

#include "pipeline/project_problem.h"

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;

namespace orvanta::ui {

/// "Script Problems" (Form14): what Check Script or Build DAT Files found, one
/// row a problem. Double-click or Enter on a row opens the field it names.
class ProblemsWindow : public QDialog {
    Q_OBJECT

public:
    using FieldOpener = std::function<void(const FieldRef&)>;

    explicit ProblemsWindow(FieldOpener openField, QWidget* parent = nullptr);

    /// Lists the problems under a heading that says what was done.
    void showProblems(std::vector<ProjectProblem> problems, const QString& heading);

private:
    void openRow(int row) const;
    void widenToTheMessages();

    FieldOpener openField_;
    std::vector<ProjectProblem> problems_;
    QLabel* heading_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace orvanta::ui
