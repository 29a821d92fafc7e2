#include "message.h"

#include "function/function.h"

Message::Message(QObject* parent)
    : QObject(parent)
{
}

void Message::show(const QString& text, int type, int timeout, const QString& subText)
{
    emit showMessage(text, type, timeout, subText);
}

void message::show(Message::MessageType type, const QString& text, int timeout, const QString& subText)
{
    function::instance()->getMessage()->show(text, type, timeout, subText);
}

void message::show(const QString& text, Message::MessageType type, int timeout)
{
    show(type, text, timeout);
}
