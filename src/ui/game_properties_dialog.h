#pragma once

#include "model/project_state.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace orvanta::ui {

class OptionImage;

/// Edits the game switches, the input time-out, the security value and the
/// two legends. Filled once, when created; every click and keystroke is
/// stored in the project at once, so "Ok" and the close box only close it.
class GamePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit GamePropertiesDialog(ProjectState& project, QWidget* parent = nullptr);

private:
    void createOptionRows();
    void createTextRows();
    void createSeparators();
    void load();
    void storeTextsAsTyped();
    void toggleOption(std::size_t index);

    ProjectState& project_;
    std::array<OptionImage*, kSwitchCount> images_{};  // Image1..Image5
    std::array<QLineEdit*, 4> textBoxes_{};            // Text1..Text4
};

}  // namespace orvanta::ui
