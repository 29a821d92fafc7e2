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

bool Analytics::add(const QString& key, qint64 count) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("INSERT INTO analytics_events (event, count) VALUES (:event, :count) "
                                 "ON CONFLICT (event) DO UPDATE SET count = analytics_events.count + excluded.count"));
    query.bindValue(QStringLiteral(":event"), key);
    query.bindValue(QStringLiteral(":count"), count);
    return Database::exec(query);
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
    bool ok = true;
    if (item("begin_session") == QLatin1String("1"))
        ok = add(QStringLiteral("[CLY]_session_begin"), 1);
    else if (item("end_session") == QLatin1String("1"))
        ok = add(QStringLiteral("[CLY]_session_end"), 1);
    else if (query.hasQueryItem(QStringLiteral("session_duration")))
        ok = add(QStringLiteral("[CLY]_session_heartbeat"), 1);
    else if (!query.hasQueryItem(QStringLiteral("events")))
        ok = add(QStringLiteral("[CLY]_session_end"), 1);
    // Events that do not parse are left out; the session still counts.
    const QJsonArray events = QJsonDocument::fromJson(item("events").toUtf8()).array();
    int counted = 0;
    for (const QJsonValue& value : events) {
        const QJsonObject event = value.toObject();
        const QString key = event.value(QStringLiteral("key")).toString();
        const qint64 count = qint64(event.value(QStringLiteral("count")).toDouble(1));
        if (key.isEmpty() || key.size() > maxKeyLength || count < 1 || count > maxCount)
            continue;
        ok = add(key, count) && ok;
        ++counted;
    }
    if (counted)
        context.note = QStringLiteral("%1 events").arg(counted);
    if (!ok) {
        HttpServer::reply(response, 500, "{\"result\":\"Error\"}", "application/json");
        return;
    }
    HttpServer::reply(response, 200, "{\"result\":\"Success\"}", "application/json");
}

QJsonObject Analytics::counts() const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT event, count FROM analytics_events ORDER BY event"));
    QJsonObject events;
    if (Database::exec(query)) {
        while (query.next())
            events.insert(query.value(0).toString(), double(query.value(1).toLongLong()));
    }
    return events;
}
