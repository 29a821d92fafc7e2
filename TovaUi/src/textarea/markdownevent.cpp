#include "markdownevent.h"

MarkdownEvent::MarkdownEvent(QObject* parent)
    : QObject(parent)
{
}

void MarkdownEvent::setEventObjectName(const QString& name)
{
    if (m_eventObjectName == name)
        return;
    m_eventObjectName = name;
    emit EventObjectNameChanged();
}

bool MarkdownEvent::eventFilter(QObject* watched, QEvent* event)
{
    return QObject::eventFilter(watched, event);
}
