#pragma once

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;

namespace orvanta::ui {

/// Receives the Windows-1252 bytes of a box each time the user changes it.
using StoreText = std::function<void(std::string bytes)>;

/// Makes a one-line box feed a project field as the user types: characters
/// the code page cannot hold show as the "?" that is stored, and the box has
/// no length limit of its own (both keepRepresentable). Setting the text from code
/// stores nothing.
void bindToProjectField(QLineEdit* box, StoreText store);

/// The same for an editable combo box: typing and choosing from the list both
/// store. The box keeps what is typed as typed: no completion, no new entries.
void bindToProjectField(QComboBox* box, StoreText store);

}  // namespace orvanta::ui
