#pragma once

#include <QRect>
#include <Qt>

class QWidget;

namespace orvanta::ui {

/// A fixed-size dialog with a close box and no minimise or maximise box.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                     Qt::WindowCloseButtonHint;

/// Places a control at its designed position (pixels at 96 dpi), widened to
/// its caption when the user's font needs more room than the design gave.
void placeControl(QWidget* control, QRect designed);

/// An etched separator line, horizontal when wider than tall.
QWidget* addSeparator(QWidget* parent, QRect designed);

} // namespace orvanta::ui
