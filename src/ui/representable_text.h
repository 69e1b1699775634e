#pragma once

class QLineEdit;

namespace orvanta::ui {

/// Makes a box that feeds a project field replace, as the user types, every
/// character the project's code page cannot hold with "?", so that what the
/// box shows is exactly what is stored. The box gets no length limit of its
/// own: it holds the whole field, however long.
void keepRepresentable(QLineEdit* box);

} // namespace orvanta::ui
