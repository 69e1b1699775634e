#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvanta::ui {

/// The one crossing between the project's Windows-1252 bytes and the widgets'
/// text. Every byte has a character, so showing a field never loses anything.
QString toDisplayText(std::string_view projectText);

/// The Windows-1252 bytes of a widget's text. A character the code page cannot
/// hold becomes "?", the same character replaceUnrepresentable() shows.
std::string toProjectText(const QString& displayText);

/// Whether a character may be typed into a project field: one the code page
/// defines. The bytes it leaves undefined only come from loaded files.
bool isRepresentable(QChar character);

/// The text with every character the code page cannot hold replaced by "?".
/// Boxes apply it as the user types, so what a box shows is what is stored.
QString replaceUnrepresentable(const QString& text);

}  // namespace orvanta::ui
