#pragma once

#include <QDialog>
#include <string_view>

class QLabel;
class QPushButton;

namespace orvanta {
struct ProjectState;
}

namespace orvanta::ui {

class BlockTextEdit;

/// The script pack editor (Form4): one pack in the pack box and the inventory
/// items list beside it. Nothing reaches the project before "Apply".
class ScriptPackEditor : public QDialog {
    Q_OBJECT
public:
    /// Fills the inventory box from the project; only creation does that.
    explicit ScriptPackEditor(ProjectState& project, QWidget* parent = nullptr);

    /// Replaces the pack box and the pack name, dropping what was typed there.
    void showPack(const QString& caption, std::string_view text);

private:
    void apply();

    ProjectState& project_;
    BlockTextEdit* packBox_;
    BlockTextEdit* inventoryBox_;
    QLabel* packName_;
};

}  // namespace orvanta::ui
