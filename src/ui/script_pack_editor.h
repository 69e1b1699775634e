#pragma once

#include <QDialog>
#include <QPointer>
#include <QTextCursor>
#include <string_view>
#include <vector>

class QCompleter;
class QLabel;
class QPushButton;
class QStandardItemModel;

namespace orvanta {
struct ProjectState;
}

namespace orvanta::ui {

class BlockTextEdit;
class LiveCheck;
class ScriptHighlighter;

/// The script pack editor (Form4): one pack in the pack box and the inventory
/// items list beside it. Nothing reaches the project before "Apply". It
/// colours the pack, completes commands, item names and level files, and
/// underlines what the live check finds in either box, as it is typed.
class ScriptPackEditor : public QDialog {
    Q_OBJECT
public:
    /// Fills the inventory box from the project; only creation does that.
    ScriptPackEditor(ProjectState& project, LiveCheck& live, QWidget* parent = nullptr);

    /// Replaces the pack box and the pack name, dropping what was typed there.
    void showPack(const QString& caption, std::string_view text);
    /// Lays the two boxes over a project, as Apply would store them.
    void applyTo(ProjectState& project) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    int shownPack() const;
    void buildLayout(QPushButton* applyButton, QPushButton* cancelButton);
    void underlineProblems();
    QString hoverText(const BlockTextEdit* box, QPoint at) const;
    void offerCompletion();
    void complete(const QString& chosen);
    QStringList levelFiles() const;

    /// A problem in place: its range in a box, and what it says.
    struct Mark {
        const BlockTextEdit* box;
        QTextCursor range;
        QString message;
    };

    ProjectState& project_;
    LiveCheck& live_;
    BlockTextEdit* packBox_;
    BlockTextEdit* inventoryBox_;
    QLabel* packName_;
    ScriptHighlighter* highlighter_;
    QCompleter* completer_;
    QStandardItemModel* completions_;  ///< shown: a command with its values; completed: the name
    std::vector<Mark> marks_;
    bool showing_ = false;
};

}  // namespace orvanta::ui
