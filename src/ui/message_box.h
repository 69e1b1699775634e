#pragma once

#include <QString>
#include <QStringList>
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

/// Asks a question in a box with the program's caption, no icon and a button
/// for each choice, the last one the default. Returns the index of the choice;
/// closing the box chooses the last.
int askChoice(QWidget* parent, const QString& text, const QStringList& choices);

/// askChoice with two choices: true when the user chose the first.
bool askQuestion(QWidget* parent, const QString& text, const QString& first, const QString& second);

/// Replaces what askChoice does, as setMessageHandler does for messages.
using QuestionHandler = std::function<int(QWidget* parent, const QString& text, const QStringList& choices)>;
QuestionHandler setQuestionHandler(QuestionHandler handler);

}  // namespace orvanta::ui
