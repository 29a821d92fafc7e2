#ifndef ANALYTICS_H
#define ANALYTICS_H

#include "requestcontext.h"

#include <QJsonObject>

class Database;
class QSqlDatabase;

// Usage analytics at "/i", as the Countly protocol sends them: every
// request names app_key and device_id; a session begins ("begin_session"),
// beats ("session_duration") or ends (nothing more, or "end_session"), and
// may carry counted events ("events": [{"key": ..., "count": ...}]). The
// server keeps one count per event key; sessions count under
// "[CLY]_session_begin", "[CLY]_session_heartbeat" and "[CLY]_session_end".
// The table is bounded: beyond maxKeys keys, events of new keys count
// under "[CLY]_other", so no client can make it grow without end. A request
// is acknowledged only when its counts are committed.
class Analytics
{
public:
    explicit Analytics(const Database& database);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    QJsonObject counts() const;

    static const int maxKeyLength = 128;
    static const qint64 maxCount = 1000000;
    static const int maxKeys = 1000;
    static const int maxEventsPerRequest = 100;

private:
    bool add(const QSqlDatabase& db, const QString& key, qint64 count) const;

    const Database& m_database;
};

#endif
