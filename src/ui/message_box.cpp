#include "ui/message_box.h"

#include "ui/dialog_layout.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <utility>

namespace orvanta::ui {
namespace {

MessageHandler& currentHandler()
{
    static MessageHandler handler;
    return handler;
}

QuestionHandler& currentQuestionHandler()
{
    static QuestionHandler handler;
    return handler;
}

}  // namespace

void showMessage(QWidget* parent, const QString& text)
{
    if (const MessageHandler& handler = currentHandler()) {
        handler(parent, text);
        return;
    }
    const QString caption = QString::fromLatin1(kMessageCaption);
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    // A message box takes the width of its text; a short text would leave
    // too little title bar for the caption. A spacer across the box's whole
    // grid is the width a message box keeps (it resets its minimum size).
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box, caption), 0), grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

MessageHandler setMessageHandler(MessageHandler handler) { return std::exchange(currentHandler(), std::move(handler)); }

int askChoice(QWidget* parent, const QString& text, const QStringList& choices)
{
    if (const QuestionHandler& handler = currentQuestionHandler())
        return handler(parent, text, choices);
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageCaption), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, buttons.size() + 1 < choices.size() ? QMessageBox::AcceptRole
                                                                             : QMessageBox::RejectRole);
    auto* last = qobject_cast<QPushButton*>(buttons.last());
    box.setDefaultButton(last);
    box.setEscapeButton(last);
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? choices.size() - 1 : chosen);
}

bool askQuestion(QWidget* parent, const QString& text, const QString& first, const QString& second)
{
    return askChoice(parent, text, {first, second}) == 0;
}

QuestionHandler setQuestionHandler(QuestionHandler handler)
{
    return std::exchange(currentQuestionHandler(), std::move(handler));
}

}  // namespace orvanta::ui
