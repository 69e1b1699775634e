#pragma once

#include "model/level_data.h"
#include "model/project_state.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta::ui {

/// Edits one level slot's options, load camera and audio track. Filled by the
/// main window's slot buttons through showSlot(); nothing reaches the project
/// until "Apply". Destroyed when closed, so every opening starts afresh.
class LevelPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit LevelPropertiesDialog(ProjectState& project, QWidget* parent = nullptr);

    /// Fills in slot k (1 = title): name, options and camera from the slot's
    /// level data string, and the slot's track. A track the user typed or
    /// chose for another slot stays, and is applied to this one.
    void showSlot(int slot);

private:
    void createControls();
    void createSeparators();
    /// A designed position of the right-hand fields, moved over by shift_.
    QRect shifted(QRect designed) const;
    void arrangeTabOrder();
    void apply();
    /// The slot the dialog edits, as named by its slot number box.
    std::optional<int> namedSlot() const;
    LevelOptions tickedOptions() const;
    QCheckBox* boxFor(LevelOption option) const;
    /// The track "Apply" stores: none while the box shows the slot's track,
    /// the placeholder or a text that is no track number or entry name.
    std::optional<std::string> chosenTrack() const;
    /// Says beside the track box when its text is no track.
    void noteTrackText();

    ProjectState& project_;
    QLabel* banner_ = nullptr;
    std::array<QCheckBox*, 8> optionBoxes_{};  // Check1..Check8
    QLineEdit* camera_ = nullptr;
    QComboBox* track_ = nullptr;
    QLabel* trackNote_ = nullptr;
    QString trackShown_ = QStringLiteral("- Track Set -");  // the slot's track as the box showed it
    QLabel* slotNumber_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int shift_ = 0;  // extra width the option captions need in the user's font
    int widen_ = 0;  // extra width the camera box needs in the user's font
};

}  // namespace orvanta::ui
