#include "faultinjector.h"

QList<int> FaultInjector::add(const QJsonDocument& rules, QString* error)
{
    QJsonArray array;
    if (rules.isObject())
        array << rules.object();
    else if (rules.isArray())
        array = rules.array();
    else {
        *error = QStringLiteral("expected a JSON object or array of fault rules");
        return {};
    }
    QList<FaultRule> parsed;
    for (const QJsonValue& value : array) {
        FaultRule rule;
        if (!value.isObject() || !FaultRule::fromJson(value.toObject(), &rule, error)) {
            if (error->isEmpty())
                *error = QStringLiteral("a fault rule must be a JSON object");
            return {};
        }
        parsed << rule;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<int> ids;
    for (FaultRule& rule : parsed) {
        rule.id = m_nextId++;
        ids << rule.id;
        m_rules << rule;
    }
    return ids;
}

QJsonArray FaultInjector::list() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonArray out;
    for (const FaultRule& rule : m_rules)
        out << rule.toJson();
    return out;
}

void FaultInjector::clear()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_rules.clear();
        ++m_generation;
    }
    m_changed.notify_all();
}

void FaultInjector::shutdown()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_shutdown = true;
    }
    m_changed.notify_all();
}

bool FaultInjector::take(const QByteArray& method, const QString& path, const QString& query, FaultRule* rule)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (FaultRule& r : m_rules) {
        if (r.exhausted() || !r.matches(method, path, query))
            continue;
        if (++r.seen <= r.skip)
            continue;
        ++r.hits;
        *rule = r;
        return true;
    }
    return false;
}

quint64 FaultInjector::generation() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_generation;
}

bool FaultInjector::sleep(qint64 ms, quint64 generation)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_changed.wait_for(lock, std::chrono::milliseconds(ms),
                               [&] { return m_shutdown || m_generation != generation; });
}
