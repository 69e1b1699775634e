#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvanta::ui {

/// The right-pointing arrow of the slot buttons, drawn for 1x, 2x and 3x
/// screens so that it stays sharp when the display is scaled.
QIcon slotArrowIcon();

/// The program's window icon, the same as its desktop icon.
QIcon programIcon();

/// The About window's picture: a stepped pyramid under a sun disc.
QPixmap aboutPicture(int logicalSize, qreal devicePixelRatio);

}  // namespace orvanta::ui
