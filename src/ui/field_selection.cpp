#include "ui/field_selection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
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

void selectControl(QWidget* window, const QString& name, int line)
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

}  // namespace orvanta::ui
