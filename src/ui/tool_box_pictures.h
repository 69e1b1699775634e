#pragma once

class QPainter;

namespace orvanta::ui {

/// The tool box's pictures, drawn rather than stored so that they stay sharp at
/// any display scale. Each paints into the logical area from (0, 0).
inline constexpr int kFaceSize = 30;
inline constexpr int kPressedPicture = 6;  ///< the pressed face every button shares

/// Picture 1..6 of the tool box's image list (30 by 30): 1, 2, 4 and 5 are the
/// raised faces of the buttons, 6 the pressed face; 3 is used by no button.
void paintListPicture(QPainter& painter, int picture);

/// The face a button shows until it is first pressed (30 by 30), for the
/// button whose list picture is `picture`.
void paintDesignTimePicture(QPainter& painter, int picture);

/// The decorative strip behind the buttons (51 by 152), with the etched
/// separators across the window.
inline constexpr int kStripWidth = 51;
inline constexpr int kStripHeight = 152;
void paintDecorativeStrip(QPainter& painter, int windowWidth);

}  // namespace orvanta::ui
