#include "qisystemdispatcher.h"

#include <QCoreApplication>
#include <QMap>
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

bool QISystemDispatcher::dispatch(const QString& type, QVariantMap message)
{
    const Handler handler = handlers().value(type, nullptr);
    return handler ? handler(message) : false;
}

bool QISystemDispatcher::addListener(const QString& name, Handler handler)
{
    handlers().insert(name, handler);
    return true;
}
