#include "qisystemdispatcher.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QMap>
#include <QMetaObject>
#include <QPointer>

namespace {
QMap<QString, QISystemDispatcher::Handler>& handlers()
{
    static QMap<QString, QISystemDispatcher::Handler> map;
    return map;
}
} // namespace

QISystemDispatcher::QISystemDispatcher(QObject* parent)
    : QObject(parent)
{
}

QISystemDispatcher* QISystemDispatcher::instance()
{
    static QPointer<QISystemDispatcher> dispatcher;
    if (!dispatcher)
        dispatcher = new QISystemDispatcher(QCoreApplication::instance());
    return dispatcher;
}

bool QISystemDispatcher::dispatch(QString type, QVariantMap message)
{
    // Listeners always hear of a message after dispatch() has returned, so a
    // handler (where one exists) runs before any listener.
    QMetaObject::invokeMethod(this, "dispatched", Qt::QueuedConnection,
        Q_ARG(QString, type), Q_ARG(QVariantMap, message));

    const Handler handler = handlers().value(type, nullptr);
    if (!handler)
        return false;
    return handler(message);
}

bool QISystemDispatcher::addListener(QString name, Handler handler)
{
    if (handlers().contains(name)) {
        logDebug(lcUi) << "a handler for" << name << "is already registered";
        return false;
    }
    handlers().insert(name, handler);
    return true;
}
