#include "controlapi.h"

#include "accountapi.h"
#include "accountstore.h"
#include "analytics.h"
#include "captchastore.h"
#include "credentialstore.h"
#include "database.h"
#include "faultinjector.h"
#include "httpserver.h"
#include "jsonreply.h"
#include "objectstore.h"
#include "requestjournal.h"
#include "storageapi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <httplib.h>

namespace {
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }

void json(httplib::Response& response, const QJsonValue& value, int status = 200)
{
    const QByteArray body = value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                            : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    HttpServer::reply(response, status, body, "application/json");
}

void bad(httplib::Response& response, const QString& text)
{
    json(response, QJsonObject { { QStringLiteral("error"), text } }, 400);
}
} // namespace

ControlApi::ControlApi(const Parts& parts)
    : m_parts(parts)
{
}

void ControlApi::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const QByteArray path = context.path.mid(int(qstrlen("/_control")));
    const std::string& method = request.method;
    if (path == "/faults") {
        if (method == "POST") {
            QString error;
            const QList<int> ids = m_parts.faults->add(QJsonDocument::fromJson(bytes(request.body)), &error);
            if (ids.isEmpty()) {
                bad(response, error);
                return;
            }
            QJsonArray list;
            for (int id : ids)
                list << id;
            json(response, QJsonObject { { QStringLiteral("ids"), list } });
        } else if (method == "DELETE") {
            m_parts.faults->clear();
            json(response, QJsonObject());
        } else {
            json(response, m_parts.faults->list());
        }
    } else if (path == "/requests") {
        if (method == "DELETE") {
            m_parts.journal->clear();
            json(response, QJsonObject());
        } else {
            json(response, m_parts.journal->toJson());
        }
    } else if (path == "/reset" && method == "POST") {
        // {"accounts": false} keeps accounts, points and credentials.
        const bool accounts = QJsonDocument::fromJson(bytes(request.body)).object().value(QStringLiteral("accounts")).toBool(true);
        m_parts.faults->clear();
        m_parts.journal->clear();
        m_parts.objects->clear();
        bool ok = true;
        if (accounts)
            ok = m_parts.database->clear();
        json(response, QJsonObject { { QStringLiteral("ok"), ok } }, ok ? 200 : 500);
    } else if (path == "/options" && method == "POST") {
        options(request, response);
    } else if (path == "/accounts" && method == "POST") {
        const QJsonObject o = QJsonDocument::fromJson(bytes(request.body)).object();
        const QString name = o.value(QStringLiteral("name")).toString();
        const QString email = o.value(QStringLiteral("email")).toString(name + QStringLiteral("@localhost"));
        Account created;
        const AccountStore::Outcome outcome = m_parts.accounts->create(
            name, email, o.value(QStringLiteral("password")).toString(), o.value(QStringLiteral("nickname")).toString(),
            qint64(o.value(QStringLiteral("points")).toDouble(0)), &created);
        if (name.isEmpty() || outcome != AccountStore::Outcome::Done) {
            bad(response, QStringLiteral("the account could not be created"));
            return;
        }
        json(response, QJsonObject { { QStringLiteral("id"), double(created.id) } });
    } else if (path.startsWith("/captcha/")) {
        const QString answer = m_parts.captchas->answer(QString::fromUtf8(path.mid(9)));
        json(response, QJsonObject { { QStringLiteral("answer"), answer } }, answer.isEmpty() ? 404 : 200);
    } else if (path == "/analytics") {
        json(response, QJsonObject { { QStringLiteral("events"), m_parts.analytics->counts() } });
    } else if (path == "/stats") {
        json(response, QJsonObject { { QStringLiteral("signature_failures"), double(m_parts.storage->signatureFailures()) },
                                     { QStringLiteral("objects"), double(m_parts.objects->count()) } });
    } else if (path == "/objects" || path.startsWith("/objects/")) {
        objects(request, response, context);
    } else {
        json(response, QJsonObject { { QStringLiteral("error"), QStringLiteral("no such control endpoint") } }, 404);
    }
}

void ControlApi::options(const httplib::Request& request, httplib::Response& response)
{
    const QJsonObject o = QJsonDocument::fromJson(bytes(request.body)).object();
    if (o.contains(QStringLiteral("token_lifetime")))
        m_parts.accountApi->setTokenLifetime(qint64(o.value(QStringLiteral("token_lifetime")).toDouble()));
    if (o.contains(QStringLiteral("registration")))
        m_parts.accountApi->setRegistration(o.value(QStringLiteral("registration")).toBool());
    if (o.contains(QStringLiteral("journal")))
        m_parts.journal->setEnabled(o.value(QStringLiteral("journal")).toBool());
    json(response, QJsonObject());
}

void ControlApi::objects(const httplib::Request& request, httplib::Response& response, const RequestContext& context)
{
    const std::string& method = request.method;
    if (context.path.endsWith("/objects")) {
        if (method == "POST") {
            const QJsonArray list = QJsonDocument::fromJson(bytes(request.body)).object().value(QStringLiteral("objects")).toArray();
            for (const QJsonValue& v : list) {
                const QJsonObject o = v.toObject();
                const QByteArray body = o.contains(QStringLiteral("base64"))
                    ? QByteArray::fromBase64(o.value(QStringLiteral("base64")).toString().toLatin1())
                    : o.value(QStringLiteral("text")).toString().toUtf8();
                QString error;
                if (!m_parts.objects->put(o.value(QStringLiteral("key")).toString().toUtf8(), body,
                                          "application/octet-stream", "control", nullptr, &error)) {
                    bad(response, error);
                    return;
                }
            }
            json(response, QJsonObject { { QStringLiteral("stored"), list.size() } });
            return;
        }
        const QByteArray prefix = QUrlQuery(QString::fromUtf8(context.query))
                                      .queryItemValue(QStringLiteral("prefix"), QUrl::FullyDecoded)
                                      .toUtf8();
        QJsonArray out;
        QByteArray marker;
        for (;;) {
            const ListPage page = m_parts.objects->list(prefix, marker, QByteArray(), 1000);
            for (const ObjectMeta& meta : page.contents)
                out << QJsonObject { { QStringLiteral("key"), QString::fromUtf8(meta.key) },
                                     { QStringLiteral("etag"), QString::fromLatin1(meta.quotedETag()) },
                                     { QStringLiteral("size"), double(meta.size) } };
            if (!page.truncated)
                break;
            marker = page.nextMarker;
        }
        json(response, QJsonObject { { QStringLiteral("objects"), out } });
        return;
    }
    const QByteArray key = context.path.mid(int(qstrlen("/_control/objects/")));
    if (method == "PUT") {
        ObjectMeta stored;
        QString error;
        if (!m_parts.objects->put(key, bytes(request.body), "application/octet-stream", "control", &stored, &error)) {
            bad(response, error);
            return;
        }
        response.status = 200;
        response.set_header("ETag", stored.quotedETag().constData());
    } else if (method == "DELETE") {
        QString error;
        const ObjectStore::Removal removal = m_parts.objects->remove(key, &error);
        json(response, QJsonObject { { QStringLiteral("removed"), removal == ObjectStore::Removal::Removed } },
             removal == ObjectStore::Removal::Failed ? 500 : 200);
    } else {
        ObjectMeta meta;
        QByteArray body;
        if (!m_parts.objects->get(key, &meta, &body)) {
            json(response, QJsonObject { { QStringLiteral("error"), QStringLiteral("no such object") } }, 404);
            return;
        }
        HttpServer::reply(response, 200, body, "application/octet-stream");
        response.set_header("ETag", meta.quotedETag().constData());
    }
}
