#pragma once

#include <QString>

namespace orvanta::ui {

/// Where in a line of a pack or of the inventory items a problem lies, as
/// [start, end) character positions: its value `value` (0-based, counted by
/// commas after the "="), or the line's text without blanks and comment when
/// the problem names no value or the line has too few.
struct LineRange {
    int start = 0;
    int end = 0;
};
LineRange problemRange(const QString& line, int value);

}  // namespace orvanta::ui
