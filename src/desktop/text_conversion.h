#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvanta::ui {

// The core holds two kinds of text, both as std::string, and each crosses
// into the widgets through its own function below, never QString's own:
// - bytes in Windows-1252, the project's code page: the fields, the paths
//   they name, and what the Easylife batch prints; toDisplayText() and
//   toProjectText().
// - texts in UTF-8: the messages of FileError and LoadResult, ProgramLaunch's
//   paths and arguments, the names of the DAT files a run reports, and the
//   program's read-me; fromUtf8Text().
// A host path is a std::filesystem::path, which crosses as UTF-16 (host_file.h).

/// The widgets' text of project bytes (Windows-1252). Every byte has a
/// character, so showing a field never loses anything.
QString toDisplayText(std::string_view projectText);

/// The widgets' text of one of the core's UTF-8 texts, such as a file error
/// naming a host path. Never a project field: that is toDisplayText().
QString fromUtf8Text(std::string_view utf8Text);

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
