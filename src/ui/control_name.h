#pragma once

#include "model/field.h"

#include <QString>

namespace orvanta::ui {

/// The object name of the widget that holds a field: its control name.
inline QString controlName(Field field) { return QString::fromLatin1(field.control().c_str()); }

}  // namespace orvanta::ui
