#include "locker.h"

#include "data/data.h"
#include "function/message.h"

Locker::Locker(QObject* parent)
    : QObject(parent)
{
    connect(data::instance(), &data::lockStateChanged, this, &Locker::setLockState);
}

void Locker::setLockState(bool state)
{
    if (state == m_state)
        return;
    m_state = state;
    data::instance()->setLockState(state);
}

void Locker::doLock()
{
    setLockState(true);
    message::show(Message::Tips, tr("已锁定"), 5000);
}

void Locker::unLock()
{
    setLockState(false);
    message::show(Message::Tips, tr("已解锁"), 5000);
}
