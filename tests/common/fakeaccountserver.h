#ifndef FAKEACCOUNTSERVER_H
#define FAKEACCOUNTSERVER_H

// A small HTTP/1.1 server on 127.0.0.1 (random free port) that stands in for
// the account server and the analytics server in tests. It keeps accounts
// and points in memory, records every request, and lets a test replace the
// answer of any path or hold it back (to test time-outs).

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>
#include <functional>

struct FakeRequest
{
    QByteArray method;
    QString path;
    QUrlQuery query;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;

    // "user:password" from a Basic authorization header, empty when absent.
    QByteArray basicCredentials() const
    {
        const QByteArray h = headers.value("authorization");
        if (!h.startsWith("Basic "))
            return QByteArray();
        return QByteArray::fromBase64(h.mid(6));
    }
    // Form fields split on "&" and "=" without decoding.
    QMap<QByteArray, QByteArray> form() const
    {
        QMap<QByteArray, QByteArray> map;
        for (const QByteArray& pair : body.split('&')) {
            const int eq = pair.indexOf('=');
            if (eq > 0)
                map.insert(pair.left(eq), pair.mid(eq + 1));
        }
        return map;
    }
};

// Takes one complete request (head and body) off the front of a connection's
// buffer. Returns false while the request has not fully arrived; `target`
// receives the raw request target for the caller to split.
inline bool takeFakeRequest(QByteArray& buffer, FakeRequest& request, QByteArray& target)
{
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    target = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (buffer.size() < end + 4 + length)
        return false;
    request.body = buffer.mid(end + 4, length);
    buffer.remove(0, end + 4 + length);
    return true;
}

struct FakeResponse
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    QList<QPair<QByteArray, QByteArray>> headers;
    bool hold = false; // never answer

    static FakeResponse json(const QJsonObject& o, int status = 200)
    {
        FakeResponse r;
        r.status = status;
        r.body = QJsonDocument(o).toJson(QJsonDocument::Compact);
        return r;
    }
    static FakeResponse raw(const QByteArray& body, int status = 200, const QByteArray& type = "application/json")
    {
        FakeResponse r;
        r.status = status;
        r.body = body;
        r.contentType = type;
        return r;
    }
    static FakeResponse held()
    {
        FakeResponse r;
        r.hold = true;
        return r;
    }
};

struct FakeAccount
{
    QString password;
    QString email;
    QString nickname;
    QString avatarPath; // path on this server, empty for none
    int id = 0;
    int points = 0;
};

class FakeAccountServer : public QTcpServer
{
public:
    using Handler = std::function<FakeResponse(const FakeRequest&)>;

    FakeAccountServer()
    {
        listen(QHostAddress::LocalHost, 0);
        QObject::connect(this, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket* socket = nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { readFrom(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    // Replaces the answer for one path (without query); an empty handler
    // restores the built-in behaviour.
    void setHandler(const QString& path, Handler handler)
    {
        if (handler)
            m_handlers.insert(path, handler);
        else
            m_handlers.remove(path);
    }
    void clearHandlers() { m_handlers.clear(); }

    QList<FakeRequest> requests;
    QMap<QString, FakeAccount> accounts;
    QString captchaId = QStringLiteral("c1");
    QString captchaText = QStringLiteral("abcd");
    bool registrationOpen = true;

    QList<FakeRequest> requestsTo(const QString& path) const
    {
        QList<FakeRequest> list;
        for (const FakeRequest& r : requests)
            if (r.path == path)
                list << r;
        return list;
    }

    // A small PNG of one colour, the captcha and avatar pictures.
    static QByteArray picture(QRgb colour)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

private:
    void readFrom(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        for (;;) {
            FakeRequest request;
            QByteArray rawTarget;
            if (!takeFakeRequest(buffer, request, rawTarget))
                return;
            const QUrl target(QString::fromUtf8(rawTarget));
            request.path = target.path();
            request.query = QUrlQuery(target);
            requests << request;
            const FakeResponse response = answer(request);
            if (response.hold)
                continue;
            QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " " + reason(response.status) + "\r\n";
            out += "Content-Type: " + response.contentType + "\r\n";
            out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
            for (const auto& h : response.headers)
                out += h.first + ": " + h.second + "\r\n";
            out += "\r\n" + response.body;
            socket->write(out);
        }
    }

    static QByteArray reason(int status)
    {
        switch (status) {
        case 200: return "OK";
        case 401: return "Unauthorized";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
        }
    }

    FakeResponse answer(const FakeRequest& r)
    {
        if (m_handlers.contains(r.path))
            return m_handlers.value(r.path)(r);
        if (r.path == QLatin1String("/i"))
            return FakeResponse::json(QJsonObject { { "result", "Success" } });
        if (r.path == QLatin1String("/captcha.png"))
            return FakeResponse::raw(picture(qRgb(10, 20, 30)), 200, "image/png");
        if (r.path.startsWith(QLatin1String("/avatars/")))
            return FakeResponse::raw(picture(qRgb(200, 100, 50)), 200, "image/png");
        if (r.path == QLatin1String("/api/v1/users/sign_up") && r.method == "GET")
            return FakeResponse::json(QJsonObject { { "ok", true },
                { "data", QJsonObject { { "captcha_id", captchaId }, { "captcha_url", "captcha.png" } } } });
        if (r.path == QLatin1String("/api/v1/users/sign_up"))
            return signUp(r);
        const FakeAccount* account = authorised(r);
        if (!account)
            return FakeResponse::json(QJsonObject { { "ok", false } }, 401);
        const QString name = QString::fromLocal8Bit(r.basicCredentials().split(':').value(0));
        FakeAccount& a = accounts[name];
        if (r.path == QLatin1String("/api/v1/users/login")) {
            QJsonObject o { { "id", a.id }, { "login", name }, { "email", a.email }, { "nickname", a.nickname } };
            if (!a.avatarPath.isEmpty())
                o.insert("avatar_url", url() + a.avatarPath);
            return FakeResponse::json(o);
        }
        if (r.path == QLatin1String("/api/v2/points"))
            return FakeResponse::json(QJsonObject { { "ok", true }, { "data", QJsonObject { { "points", a.points } } } });
        if (r.path == QLatin1String("/api/v2/points/add")) {
            const int n = r.query.queryItemValue("points").toInt();
            a.points += r.query.queryItemValue("type") == QLatin1String("1") ? -n : n;
            return FakeResponse::json(QJsonObject { { "ok", true }, { "data", QJsonObject { { "points", a.points } } } });
        }
        if (r.path == QLatin1String("/api/v1/user/settings/password")) {
            const auto f = r.form();
            if (f.value("password") != f.value("retype"))
                return FakeResponse::json(QJsonObject { { "ok", false }, { "err", "password_not_match" } });
            a.password = QString::fromUtf8(f.value("password"));
            return FakeResponse::json(QJsonObject { { "ok", true }, { "data", "Your password has been changed." } });
        }
        if (r.path == QLatin1String("/api/v1/user/settings")) {
            const auto f = r.form();
            if (!f.value("email").contains('@'))
                return FakeResponse::json(QJsonObject { { "ok", false }, { "err", "Email address is not a valid email address." } });
            a.email = QString::fromUtf8(f.value("email"));
            a.nickname = QString::fromUtf8(f.value("full_name"));
            return FakeResponse::json(QJsonObject { { "ok", true }, { "data", "Your profile has been updated successfully." } });
        }
        if (r.path == QLatin1String("/api/v1/user/settings/avatar")) {
            if (!r.body.contains("\x89PNG"))
                return FakeResponse::json(QJsonObject { { "ok", false }, { "err", "上传的文件不是一张图片: empty" } });
            a.avatarPath = QStringLiteral("/avatars/%1.png").arg(name);
            return FakeResponse::json(QJsonObject { { "ok", true }, { "data", "Your avatar setting has been updated successfully." } });
        }
        return FakeResponse::json(QJsonObject { { "ok", false }, { "error", "not found" } }, 404);
    }

    const FakeAccount* authorised(const FakeRequest& r) const
    {
        const QList<QByteArray> pair = r.basicCredentials().split(':');
        const QString name = QString::fromLocal8Bit(pair.value(0));
        if (pair.size() < 2 || !accounts.contains(name))
            return nullptr;
        const FakeAccount& a = accounts[name];
        return a.password == QString::fromLocal8Bit(pair.mid(1).join(':')) ? &a : nullptr;
    }

    FakeResponse signUp(const FakeRequest& r)
    {
        const auto f = r.form();
        const QString name = QString::fromUtf8(f.value("user_name"));
        QString err;
        if (!registrationOpen)
            err = QStringLiteral("DisableRegistration");
        else if (f.value("captcha_id") != captchaId.toUtf8() || f.value("captcha") != captchaText.toUtf8())
            err = QStringLiteral("captcha_incorrect");
        else if (f.value("password") != f.value("retype"))
            err = QStringLiteral("password_not_match");
        else if (accounts.contains(name))
            err = QStringLiteral("username_been_taken");
        if (!err.isEmpty())
            return FakeResponse::json(QJsonObject { { "ok", false }, { "err", err } });
        FakeAccount a;
        a.password = QString::fromUtf8(f.value("password"));
        a.email = QString::fromUtf8(f.value("email"));
        a.id = accounts.size() + 1;
        accounts.insert(name, a);
        return FakeResponse::json(QJsonObject { { "ok", true } });
    }

    QHash<QTcpSocket*, QByteArray> m_buffers;
    QMap<QString, Handler> m_handlers;
};

#endif
