#include "ui/field_selection.h"

#include "ui/problem_range.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QWidget>
#include <algorithm>

namespace orvanta::ui {

QString controlShowing(Field field)
{
    switch (field.kind()) {
    case FieldKind::AudioTrack: return QStringLiteral("Combo1");  // level properties
    case FieldKind::CameraLabel: return QStringLiteral("Text3");
    case FieldKind::LevelData: return QStringLiteral("Check1");
    case FieldKind::InputTimeout: return QStringLiteral("Text1");  // game properties
    case FieldKind::Security: return QStringLiteral("Text2");
    case FieldKind::FirstLegend: return QStringLiteral("Text3");
    case FieldKind::SecondLegend: return QStringLiteral("Text4");
    case FieldKind::GameSwitch: return QStringLiteral("Image%1").arg(field.number());  // its option image
    case FieldKind::ScriptPack: return QStringLiteral("Text1");                        // the pack editor's two boxes
    case FieldKind::InventoryItems: return QStringLiteral("Text2");
    case FieldKind::ScriptFolder: return QStringLiteral("Text1");  // settings
    case FieldKind::EasylifeLocation: return QStringLiteral("Text2");
    case FieldKind::LevelName:
    case FieldKind::WadName:
    case FieldKind::CompileToFolder: break;  // the main window's own boxes
    }
    return QString::fromLatin1(field.control().c_str());
}

void selectControl(QWidget* window, const QString& name, int line, int value)
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
        const int start = wanted.isValid() ? wanted.position() : 0;
        const LineRange problem = problemRange(wanted.text(), value);
        QTextCursor cursor(block->document());
        // The problem's end first, then its start: both in view where the box is wide enough.
        cursor.setPosition(start + problem.end);
        block->setTextCursor(cursor);
        block->ensureCursorVisible();
        cursor.setPosition(start + wanted.length() - 1);
        cursor.setPosition(start + problem.start, QTextCursor::KeepAnchor);
        block->setTextCursor(cursor);
        block->ensureCursorVisible();
        // The whole line selected, from its end.
        cursor.setPosition(start + wanted.length() - 1);
        cursor.setPosition(start, QTextCursor::KeepAnchor);
        const int scrolled = block->horizontalScrollBar()->value();
        block->setTextCursor(cursor);
        block->horizontalScrollBar()->setValue(scrolled);
    }
    QWidget* top = control->window();
    top->show();
    top->raise();
    top->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvanta::ui
