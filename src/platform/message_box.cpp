#include "platform/message_box.h"

#include <QMessageBox>

#include <utility>

namespace orvanta::platform {
namespace {

MessageHandler& currentHandler()
{
    static MessageHandler handler;
    return handler;
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    if (const MessageHandler& handler = currentHandler()) {
        handler(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageCaption), text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

} // namespace orvanta::platform
