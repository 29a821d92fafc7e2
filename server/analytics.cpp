#include "analytics.h"

#include "database.h"
#include "httpserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QUrlQuery>
#include <QVariant>

#include <httplib.h>

Analytics::Analytics(const Database& database)
    : m_database(database)
{
}

bool Analytics::add(const QSqlDatabase& db, const QString& key, qint64 count) const
{
    // A key already counted, or a new one while the table has room.
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO analytics_events (event, count) SELECT :event, :count "
                                 "WHERE EXISTS (SELECT 1 FROM analytics_events WHERE event = :event2) "
                                 "OR (SELECT COUNT(*) FROM analytics_events) < :room "
                                 "ON CONFLICT (event) DO UPDATE SET count = analytics_events.count + excluded.count"));
    query.bindValue(QStringLiteral(":event"), key);
    query.bindValue(QStringLiteral(":count"), count);
    query.bindValue(QStringLiteral(":event2"), key);
    query.bindValue(QStringLiteral(":room"), maxKeys);
    if (!m_database.exec(query))
        return false;
    if (query.numRowsAffected() > 0)
        return true;
    query.prepare(QStringLiteral("INSERT INTO analytics_events (event, count) VALUES ('[CLY]_other', :count) "
                                 "ON CONFLICT (event) DO UPDATE SET count = analytics_events.count + excluded.count"));
    query.bindValue(QStringLiteral(":count"), count);
    return m_database.exec(query);
}

void Analytics::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    // Parameters arrive in the query, or as a form body.
    const QByteArray text = request.method == "POST" ? QByteArray(request.body.data(), int(request.body.size())) : context.query;
    const QUrlQuery query(QString::fromUtf8(text));
    const auto item = [&query](const char* name) { return query.queryItemValue(QLatin1String(name), QUrl::FullyDecoded); };
    if (item("app_key").isEmpty() || item("device_id").isEmpty()) {
        HttpServer::reply(response, 400, "{\"result\":\"Missing parameter \\\"app_key\\\" or \\\"device_id\\\"\"}", "application/json");
        return;
    }
    QList<QPair<QString, qint64>> counts;
    if (item("begin_session") == QLatin1String("1"))
        counts << qMakePair(QStringLiteral("[CLY]_session_begin"), qint64(1));
    else if (item("end_session") == QLatin1String("1"))
        counts << qMakePair(QStringLiteral("[CLY]_session_end"), qint64(1));
    else if (query.hasQueryItem(QStringLiteral("session_duration")))
        counts << qMakePair(QStringLiteral("[CLY]_session_heartbeat"), qint64(1));
    else if (!query.hasQueryItem(QStringLiteral("events")))
        counts << qMakePair(QStringLiteral("[CLY]_session_end"), qint64(1));
    // Events that do not parse are left out; the session still counts.
    const QJsonArray events = QJsonDocument::fromJson(item("events").toUtf8()).array();
    int taken = 0;
    for (const QJsonValue& value : events) {
        const QJsonObject event = value.toObject();
        const QString key = event.value(QStringLiteral("key")).toString();
        const qint64 count = qint64(event.value(QStringLiteral("count")).toDouble(1));
        if (key.isEmpty() || key.size() > maxKeyLength || count < 1 || count > maxCount || taken == maxEventsPerRequest)
            continue;
        counts << qMakePair(key, count);
        ++taken;
    }
    const Database::Outcome outcome = m_database.transaction([&](const QSqlDatabase& db) {
        for (const auto& count : counts) {
            if (!add(db, count.first, count.second))
                return Database::Step::Failed;
        }
        return Database::Step::Commit;
    });
    if (counts.size() > 1)
        context.note = QStringLiteral("%1 counts").arg(counts.size());
    if (outcome != Database::Outcome::Committed) {
        HttpServer::reply(response, 503, "{\"result\":\"Error\"}", "application/json");
        return;
    }
    HttpServer::reply(response, 200, "{\"result\":\"Success\"}", "application/json");
}

QJsonObject Analytics::counts() const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT event, count FROM analytics_events ORDER BY event"));
    QJsonObject events;
    if (m_database.exec(query)) {
        while (query.next())
            events.insert(query.value(0).toString(), double(query.value(1).toLongLong()));
    }
    return events;
}
