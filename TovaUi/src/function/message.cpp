#include "message.h"

#include "function/function.h"

#include <QCoreApplication>

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

void message::show(Message::MessageType type, const QString& text, const QString& subText)
{
    show(type, text, 5000, subText);
}

void message::showLater(Message::MessageType type, const QString& text, int timeout)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [type, text, timeout] { show(type, text, timeout); }, Qt::QueuedConnection);
}

void message::show(Message::MessageType type, const QString& text, QWidget* parent, int timeout)
{
    Q_UNUSED(parent)
    show(type, text, timeout, QString());
}
