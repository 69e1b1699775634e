#pragma once

#include "platform/message_box.h"

#include <QString>
#include <QStringList>

namespace orvanta::test {

/// Records the texts of message boxes while it lives, instead of showing them.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(platform::setMessageHandler([this](QWidget*, const QString& text) { texts_ << text; }))
    {
    }
    ~MessageRecorder() { platform::setMessageHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& texts() const { return texts_; }

private:
    QStringList texts_;
    platform::MessageHandler previous_;
};

} // namespace orvanta::test
