#pragma once

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QString;

namespace orvanta::ui {

/// Makes a one-line box hold only text a project field can store: characters
/// the code page cannot hold are replaced by "?" in the box as the user types,
/// and the box has no length limit of its own. `edited` then receives the text.
void keepStorable(QLineEdit* box, std::function<void(const QString& text)> edited = {});

/// Receives the Windows-1252 bytes of a box each time the user changes it.
using StoreText = std::function<void(std::string bytes)>;

/// Makes a one-line box feed a project field as the user types (see
/// keepStorable), so the box shows exactly what is stored. Setting the text
/// from code stores nothing.
void bindToProjectField(QLineEdit* box, StoreText store);

/// The same for an editable combo box: typing and choosing from the list both
/// store. The box keeps what is typed as typed: no completion, no new entries.
void bindToProjectField(QComboBox* box, StoreText store);

} // namespace orvanta::ui
