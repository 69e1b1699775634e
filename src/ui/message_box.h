#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace orvanta::ui {

/// The caption of every message box of the program.
inline constexpr const char* kMessageCaption = "Orvanta 3.0 Beta";

/// Shows a message box: the text, an OK button only, no icon, the program's
/// caption, and wide enough for a window manager to show that caption whole.
/// Returns when the user has closed it.
void showMessage(QWidget* parent, const QString& text);

/// Replaces what showMessage does, for tests that must not block on a modal
/// box; an empty function restores the real box. Returns the previous one.
using MessageHandler = std::function<void(QWidget* parent, const QString& text)>;
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace orvanta::ui
