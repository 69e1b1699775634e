#pragma once

#include <QPixmap>
#include <QSize>

namespace orvanta::ui {

/// The pictures a game option shows: the word "Enabled" in green or
/// "Disabled" in red, italic with a dark shadow.
enum class OptionPicture { Enabled, Disabled };

/// Size of an option picture in device-independent pixels.
inline constexpr QSize kOptionPictureSize{69, 17};

/// The picture drawn for a device pixel ratio, so it stays sharp on a scaled screen.
QPixmap optionPicture(OptionPicture picture, qreal devicePixelRatio);

} // namespace orvanta::ui
