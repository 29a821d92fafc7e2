#ifndef FAULTINJECTOR_H
#define FAULTINJECTOR_H

#include "faultrule.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>

#include <condition_variable>
#include <mutex>

// The fault rules in force, changed at run time through the control
// endpoints while requests are being served. take() finds the rule a
// request gets (the first one, in the order they were added, that matches
// and is not used up) and counts it. Waits of delays and stalls end early
// when the rules are removed or the server stops.
class FaultInjector
{
public:
    // A JSON object or an array of them; returns the new rules' ids, or
    // nothing with an error.
    QList<int> add(const QJsonDocument& rules, QString* error);
    QJsonArray list() const;
    void clear();
    void shutdown();

    // False when no rule applies; otherwise the rule as it stood.
    bool take(const QByteArray& method, const QString& path, const QString& query, FaultRule* rule);

    quint64 generation() const;
    // Sleeps ms milliseconds; false when cut short by clear() or shutdown().
    bool sleep(qint64 ms, quint64 generation);
    // Waits until stop() returns true, the rules are cleared or the server
    // stops, checking every pollMs milliseconds.
    template <typename Stop>
    void waitUntil(quint64 since, int pollMs, Stop stop)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_shutdown && m_generation == since && !stop())
            m_changed.wait_for(lock, std::chrono::milliseconds(pollMs));
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QList<FaultRule> m_rules;
    int m_nextId = 1;
    quint64 m_generation = 0;
    bool m_shutdown = false;
};

#endif
