#include "signinthrottle.h"

#include <QDateTime>

namespace {
qint64 now() { return QDateTime::currentMSecsSinceEpoch(); }
const int maxRecords = 100000;
const qint64 window = SignInThrottle::windowSeconds * 1000ll;
} // namespace

QString SignInThrottle::key(const QString& name, const QString& address)
{
    return name.trimmed().toLower() + QLatin1Char('\n') + address;
}

qint64 SignInThrottle::waitFor(const QString& name, const QString& address)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_records.constFind(key(name, address));
    if (it == m_records.constEnd() || it->last + window < now() || it->failures < freeAttempts)
        return 0;
    const qint64 delay = qMin<qint64>(it->failures - freeAttempts + 1, maxDelaySeconds) * 1000;
    return qMax<qint64>(0, it->last + delay - now());
}

void SignInThrottle::failed(const QString& name, const QString& address)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_records.size() >= maxRecords) {
        // Forget the attempts that left the window.
        const qint64 limit = now() - window;
        for (auto it = m_records.begin(); it != m_records.end();) {
            if (it->last < limit)
                it = m_records.erase(it);
            else
                ++it;
        }
    }
    Record& r = m_records[key(name, address)];
    if (r.last + window < now())
        r.failures = 0;
    ++r.failures;
    r.last = now();
}

void SignInThrottle::succeeded(const QString& name, const QString& address)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_records.remove(key(name, address));
}
