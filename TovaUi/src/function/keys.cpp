#include "keys.h"

keys::keys(QObject* parent)
    : QObject(parent)
{
}

void keys::setMessage(const QString& value)
{
    if (m_message == value)
        return;
    m_message = value;
    emit messageChanged(value);
}

QString keys::getKey(const QString& name) const
{
    Q_UNUSED(name)
    return QString();
}

QString keys::getKeyText(const QString& name) const
{
    Q_UNUSED(name)
    return QString();
}
