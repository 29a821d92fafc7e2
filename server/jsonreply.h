#ifndef JSONREPLY_H
#define JSONREPLY_H

#include <QJsonObject>
#include <QString>

namespace httplib {
struct Response;
}

// The JSON answers of the account server: {"ok": true, "data": ...} on
// success and {"ok": false, "err"/"error": ...} on failure, as the client
// reads them.
class JsonReply
{
public:
    static void send(httplib::Response& response, int status, const QJsonObject& object);
    static void data(httplib::Response& response, const QJsonValue& data);
    // "err" carries identifiers and sentences of sign-up and settings.
    static void err(httplib::Response& response, const QString& text);
    // "error" carries the text of points and tokens failures.
    static void error(httplib::Response& response, int status, const QString& text);
};

#endif
