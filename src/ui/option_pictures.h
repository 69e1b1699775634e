#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace orvanta::ui {

/// The pictures a game option shows: the word "Enabled" in green or
/// "Disabled" in red, italic with a dark shadow.
enum class OptionPicture { Enabled, Disabled };

/// Size of an option picture in device-independent pixels.
inline constexpr QSize kOptionPictureSize{69, 17};

/// The picture drawn for a device pixel ratio, so it stays sharp on a scaled
/// screen. On a dark `background` the words are lighter, so they stay readable.
QPixmap optionPicture(OptionPicture picture, qreal devicePixelRatio, const QColor& background = QColor(240, 240, 240));

}  // namespace orvanta::ui
