// MainWindow::showField: the window that holds a project field, opened with
// the field selected, as the problems window asks for it.
#include "model/project_state.h"
#include "ui/compile_to_panel.h"
#include "ui/game_properties_dialog.h"
#include "ui/level_properties_dialog.h"
#include "ui/level_rows.h"
#include "ui/main_window.h"
#include "ui/script_pack_editor.h"
#include "ui/script_packs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <string>
#include <string_view>

namespace orvanta::ui {
namespace {

/// The control of a dialog that shows a field, by the field's control name
/// without its slot number ("Label5" is the level properties' camera box).
std::string dialogControl(const FieldRef& field)
{
    const std::string_view name = field.control;
    const std::string_view kind = name.substr(0, name.find_first_of("0123456789"));
    if (kind == "switch")  // game switch n is the option image n of game properties
        return "Image" + std::string(name.substr(kind.size()));
    struct Shown {
        std::string_view field;
        const char* control;
    };
    static constexpr Shown kShown[] = {
        {"Label", "Text3"},        {"sound", "Combo1"},   {"data", "Check1"},   // level properties
        {"inputtimeout", "Text1"}, {"security", "Text2"},                       // game properties
        {"Text26", "Text3"},       {"Text27", "Text4"},   {"Text25", "Text2"},  // the inventory box
    };
    for (const Shown& shown : kShown) {
        if (shown.field == name || (field.slot > 0 && shown.field == kind))
            return shown.control;
    }
    return "Text1";  // a pack in the pack box
}

/// Focuses a control and selects its text, or line `line` (1-based) of a
/// multi-line box.
void selectIn(QWidget* window, const QString& name, int line)
{
    auto* control = window != nullptr ? window->findChild<QWidget*>(name) : nullptr;
    if (control == nullptr)
        return;
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->selectAll();
    if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->lineEdit() != nullptr)
        combo->lineEdit()->selectAll();
    if (auto* block = qobject_cast<QPlainTextEdit*>(control)) {
        const QTextBlock wanted = block->document()->findBlockByNumber(std::max(line, 1) - 1);
        QTextCursor cursor(block->document());
        cursor.setPosition(wanted.isValid() ? wanted.position() : 0);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        block->setTextCursor(cursor);
        block->ensureCursorVisible();
    }
    QWidget* top = control->window();
    top->show();
    top->raise();
    top->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void MainWindow::showField(const FieldRef& field)
{
    QWidget* holder = nullptr;
    switch (field.window) {
    case FieldWindow::MainWindow:
        compileToPanel_->hide();  // it lies over the rows
        holder = rows_;
        break;
    case FieldWindow::LevelProperties:
        openLevelProperties(field.slot);
        holder = levelProperties_;
        break;
    case FieldWindow::GameProperties:
        openGameProperties();
        holder = gameProperties_;
        break;
    case FieldWindow::ScriptPackEditor:
        // The inventory box sits beside whatever pack the editor shows.
        if (field.pack > 0 || scriptPacks_->editor() == nullptr)
            scriptPacks_->openPack(field.pack > 0 ? field.pack : 1);
        holder = scriptPacks_->editor();
        break;
    }
    const std::string control = field.window == FieldWindow::MainWindow ? field.control : dialogControl(field);
    selectIn(holder, QString::fromLatin1(control.c_str()), field.line);
}

}  // namespace orvanta::ui
