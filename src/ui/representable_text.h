#pragma once

#include <QString>

class QLineEdit;

namespace orvanta::ui {

/// The text with each line break (CR LF, CR or LF) turned into one blank. A
/// one-line box holds one line of the project file and of the scripts, so a
/// pasted line break must not reach the project.
QString withoutLineBreaks(const QString& text);

/// Makes a one-line box that holds a host path replace, as the user types or
/// pastes, every line break with a blank; any other character stays.
void keepOneLine(QLineEdit* box);

/// Makes a one-line box that feeds a project field replace, as the user types
/// or pastes, every character the project's code page cannot hold with "?"
/// and every line break with a blank, so that what the box shows is exactly
/// what is stored. The box gets no length limit of its own: it holds the whole
/// field, however long. Whoever stores the box's text reads text() after this has
/// run, not the text a change signal carried.
void keepRepresentable(QLineEdit* box);

}  // namespace orvanta::ui
