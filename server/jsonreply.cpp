#include "jsonreply.h"

#include "httpserver.h"

#include <QJsonDocument>

#include <httplib.h>

void JsonReply::send(httplib::Response& response, int status, const QJsonObject& object)
{
    HttpServer::reply(response, status, QJsonDocument(object).toJson(QJsonDocument::Compact), "application/json");
}

void JsonReply::data(httplib::Response& response, const QJsonValue& data)
{
    send(response, 200, QJsonObject { { QStringLiteral("ok"), true }, { QStringLiteral("data"), data } });
}

void JsonReply::err(httplib::Response& response, const QString& text)
{
    send(response, 200, QJsonObject { { QStringLiteral("ok"), false }, { QStringLiteral("err"), text } });
}

void JsonReply::error(httplib::Response& response, int status, const QString& text)
{
    send(response, status, QJsonObject { { QStringLiteral("ok"), false }, { QStringLiteral("error"), text } });
}
