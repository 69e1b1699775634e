#pragma once

#include "model/project_state.h"

#include <QWidget>
#include <array>

class QComboBox;
class QIcon;
class QLineEdit;
class QPushButton;

namespace orvanta::ui {

/// The twelve level rows of the main window, title slot at the top: a name
/// box, an editable WAD box and a slot button each. Typing goes straight into
/// the project.
class LevelRows : public QWidget {
    Q_OBJECT

public:
    LevelRows(ProjectState& project, QWidget* parent = nullptr);

    /// Shows the project's level names and WAD names again.
    void refreshFromProject();

Q_SIGNALS:
    /// The slot button of slot 1..12 was clicked.
    void slotButtonClicked(int slot);

private:
    struct Row {
        QLineEdit* name = nullptr;
        QComboBox* wad = nullptr;
        QPushButton* button = nullptr;
    };

    Row makeRow(int slot, const QStringList& wads, const QIcon& arrow);

    ProjectState& project_;
    std::array<Row, kSlotCount> rows_{};
};

}  // namespace orvanta::ui
