#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <initializer_list>

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace orvanta::ui {

/// Every fixed-size dialog: a title bar with a close box, and no minimise or
/// maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

/// The controls every window builds, created as children of `parent` under
/// the object name they are known by, at `geometry` when one is given (else
/// a layout places them). A label shows its caption as plain text.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry = {});
inline QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry = {})
{
    return addLabel(parent, QString::fromLatin1(name), caption, geometry);
}
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry = {});
/// An etched separator line, horizontal when wider than tall.
QFrame* addSeparator(QWidget* parent, QRect designed);

/// The row of buttons a resizable window ends with: the buttons at its right.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

/// Places a control at its designed position (pixels at 96 dpi), widened to
/// its caption when the user's font needs more room than the design gave.
void placeControl(QWidget* control, QRect designed);

/// The width a window needs for a window manager to show its whole title
/// beside the window icon and the title bar's buttons.
int widthForTitle(const QWidget& window, const QString& title);

}  // namespace orvanta::ui
