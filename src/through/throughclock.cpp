#include "throughclock.h"

ThroughClock::ThroughClock(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &ThroughClock::tick);
}

void ThroughClock::start()
{
    m_timer.start();
}

void ThroughClock::stop()
{
    m_timer.stop();
}

bool ThroughClock::isActive() const
{
    return m_timer.isActive();
}
