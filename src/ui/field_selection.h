#pragma once

#include "model/field.h"

#include <QString>

class QWidget;

namespace orvanta::ui {

/// The object name of the control that shows a field in the window that
/// holds it (Field::window): the main window's own box, or the box or image
/// of a dialog ("Text3" is the camera box of level properties).
QString controlShowing(Field field);

/// Shows the window of `holder`'s control `name` in front, focuses that
/// control and selects its text, or line `line` (1-based) of a multi-line box
/// with the line scrolled so that its value `value` (see problemRange), or
/// else its start, is in view.
void selectControl(QWidget* holder, const QString& name, int line, int value = -1);

}  // namespace orvanta::ui
