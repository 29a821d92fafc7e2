#include "support/stallprobe.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

qint64 monotonicNs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed();
}

} // namespace

StallProbe::StallProbe(QObject* parent)
    : QObject(parent)
{
    monotonicNs();
    m_thread = QThread::create([this] {
        while (!m_stop) {
            // One beat in flight at a time: a stalled thread gets one beat,
            // which then reports the whole wait.
            if (!m_pending.exchange(true)) {
                const qint64 sent = monotonicNs();
                QMetaObject::invokeMethod(this, [this, sent] { beat(sent); }, Qt::QueuedConnection);
            }
            QThread::usleep(2000);
        }
    });
    m_thread->start();
}

StallProbe::~StallProbe()
{
    m_stop = true;
    m_thread->wait();
    delete m_thread;
}

double StallProbe::longestMs() const
{
    return m_longest;
}

void StallProbe::reset()
{
    m_longest = 0;
}

void StallProbe::beat(qint64 sentNs)
{
    const double waited = (monotonicNs() - sentNs) / 1e6;
    if (waited > m_longest)
        m_longest = waited;
    m_pending = false;
}
