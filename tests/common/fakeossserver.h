#ifndef FAKEOSSSERVER_H
#define FAKEOSSSERVER_H

// A small stand-in for the object-storage service on 127.0.0.1 (random free
// port): ListObjects with prefix/marker/max-keys, GET/PUT/DELETE/HEAD of
// objects with ETags, POST policy form uploads, and a check of the header
// signature of every signed request. Objects live in memory. The account
// server's token answers are set up on a FakeAccountServer by serveTokens.

#include "fakeaccountserver.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QMessageAuthenticationCode>

class FakeOssServer : public QTcpServer
{
public:
    // Returns a status to answer instead of the normal handling, 0 for none.
    using Failure = std::function<int(const FakeRequest&)>;

    QByteArray accessKeyId = "STS.testid";
    QByteArray accessKeySecret = "test-secret";
    QByteArray securityToken = "test-security-token";
    QByteArray policy = "eyJwb2xpY3kiOiJ0ZXN0In0=";
    QByteArray policySignature = "policy-signature";
    QByteArray policyAccessId = "policy-id";

    QMap<QString, QByteArray> objects;
    QMap<QString, QByteArray> etags;
    QList<FakeRequest> requests;
    QList<QString> rawTargets;
    Failure failure;
    int signatureFailures = 0;
    int version = 0;

    FakeOssServer()
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

    // Installs the STS and policy token answers on the account server.
    void serveTokens(FakeAccountServer& accounts, qint64 lifetime = 3600, const QString& dir = QString())
    {
        accounts.setHandler(QStringLiteral("/api/v2/ranking/ststoken"), [this, lifetime](const FakeRequest&) {
            return FakeResponse::json(QJsonObject { { "ok", true },
                { "data", QJsonObject { { "accesskeyid", QString::fromUtf8(accessKeyId) },
                              { "accesskeysecret", QString::fromUtf8(accessKeySecret) },
                              { "securitytoken", QString::fromUtf8(securityToken) }, { "host", url() },
                              { "endpoint", "local" },
                              { "expire", QDateTime::currentSecsSinceEpoch() + lifetime } } } });
        });
        accounts.setHandler(QStringLiteral("/api/v2/ranking/osstoken"), [this, lifetime, dir](const FakeRequest&) {
            return FakeResponse::json(QJsonObject { { "ok", true },
                { "data", QJsonObject { { "accessid", QString::fromUtf8(policyAccessId) },
                              { "policy", QString::fromUtf8(policy) },
                              { "signature", QString::fromUtf8(policySignature) }, { "host", url() },
                              { "dir", dir }, { "expire", QDateTime::currentSecsSinceEpoch() + lifetime } } } });
        });
    }

    void putObject(const QString& key, const QByteArray& data)
    {
        objects.insert(key, data);
        etags.insert(key, "\"" + QCryptographicHash::hash(data + QByteArray::number(++version), QCryptographicHash::Md5).toHex().toUpper() + "\"");
    }

    QList<FakeRequest> requestsWith(const QByteArray& method) const
    {
        QList<FakeRequest> list;
        for (const FakeRequest& r : requests)
            if (r.method == method)
                list << r;
        return list;
    }

    // The signature the client must send for a request, as the service
    // computes it.
    QByteArray expectedAuthorization(const QByteArray& verb, const QString& resourceKey, const QByteArray& date) const
    {
        const QByteArray toSign = verb + "\n\n\n" + date + "\nx-oss-security-token:" + securityToken + "\n/lumoranking/"
            + resourceKey.toUtf8();
        return "OSS " + accessKeyId + ":"
            + QMessageAuthenticationCode::hash(toSign, accessKeySecret, QCryptographicHash::Sha1).toBase64();
    }

private:
    void readFrom(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        for (;;) {
            FakeRequest request;
            QByteArray target;
            if (!takeFakeRequest(buffer, request, target))
                return;
            const int q = target.indexOf('?');
            request.path = QString::fromUtf8(QByteArray::fromPercentEncoding(q < 0 ? target : target.left(q)));
            request.query = QUrlQuery(q < 0 ? QString() : QString::fromUtf8(target.mid(q + 1)));
            requests << request;
            rawTargets << QString::fromUtf8(target);
            const FakeResponse response = answer(request);
            QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
            out += "Content-Type: " + response.contentType + "\r\n";
            out += "Content-Length: " + QByteArray::number(request.method == "HEAD" ? 0 : response.body.size()) + "\r\n";
            for (const auto& h : response.headers)
                out += h.first + ": " + h.second + "\r\n";
            out += "\r\n";
            if (request.method != "HEAD")
                out += response.body;
            socket->write(out);
        }
    }

    static FakeResponse error(int status, const QByteArray& code)
    {
        return FakeResponse::raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Error><Code>" + code + "</Code></Error>",
            status, "application/xml");
    }

    FakeResponse answer(const FakeRequest& r)
    {
        if (failure) {
            if (const int status = failure(r))
                return error(status, "InjectedFailure");
        }
        if (r.method == "POST")
            return postForm(r);
        const QString key = r.path.mid(1);
        const bool listing = key.isEmpty();
        const QByteArray verb = r.method == "HEAD" ? QByteArray("GET") : r.method;
        if (r.headers.value("authorization") != expectedAuthorization(verb, key, r.headers.value("date"))
            || r.headers.value("x-oss-security-token") != securityToken) {
            ++signatureFailures;
            return error(403, "SignatureDoesNotMatch");
        }
        if (listing && r.method == "GET")
            return list(r);
        if (r.method == "GET" || r.method == "HEAD") {
            if (!objects.contains(key))
                return error(404, "NoSuchKey");
            FakeResponse ok = FakeResponse::raw(objects.value(key), 200, "application/octet-stream");
            ok.headers << qMakePair(QByteArray("ETag"), etags.value(key));
            return ok;
        }
        if (r.method == "PUT") {
            putObject(key, r.body);
            FakeResponse ok = FakeResponse::raw(QByteArray(), 200, "application/xml");
            ok.headers << qMakePair(QByteArray("ETag"), etags.value(key));
            return ok;
        }
        if (r.method == "DELETE") {
            objects.remove(key);
            etags.remove(key);
            return FakeResponse::raw(QByteArray(), 204, "application/xml");
        }
        return error(405, "MethodNotAllowed");
    }

    FakeResponse list(const FakeRequest& r)
    {
        const QString prefix = r.query.queryItemValue(QStringLiteral("prefix"), QUrl::FullyDecoded);
        const QString marker = r.query.queryItemValue(QStringLiteral("marker"), QUrl::FullyDecoded);
        const int maxKeys = r.query.queryItemValue(QStringLiteral("max-keys")).toInt();
        QByteArray body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ListBucketResult><Name>lumoranking</Name>";
        int count = 0;
        QString last;
        bool truncated = false;
        for (auto it = objects.constBegin(); it != objects.constEnd(); ++it) {
            if (!it.key().startsWith(prefix) || (!marker.isEmpty() && it.key() <= marker))
                continue;
            if (count == maxKeys) {
                truncated = true;
                break;
            }
            ++count;
            last = it.key();
            body += "<Contents><Key>" + it.key().toHtmlEscaped().toUtf8() + "</Key><LastModified>2026-12-08T01:27:03.000Z</LastModified><ETag>"
                + QByteArray(etags.value(it.key())).replace("\"", "&quot;") + "</ETag><Type>Normal</Type><Size>"
                + QByteArray::number(it.value().size()) + "</Size><StorageClass>Standard</StorageClass><Owner><ID>1</ID><DisplayName>1</DisplayName></Owner></Contents>";
        }
        body += "<IsTruncated>" + QByteArray(truncated ? "true" : "false") + "</IsTruncated>";
        if (truncated)
            body += "<NextMarker>" + last.toHtmlEscaped().toUtf8() + "</NextMarker>";
        body += "</ListBucketResult>";
        return FakeResponse::raw(body, 200, "application/xml");
    }

    // A multipart form: checks the policy fields and stores the file part.
    FakeResponse postForm(const FakeRequest& r)
    {
        const QByteArray type = r.headers.value("content-type");
        const int b = type.indexOf("boundary=");
        if (b < 0)
            return error(400, "InvalidArgument");
        const QByteArray boundary = "--" + type.mid(b + 9);
        QMap<QByteArray, QByteArray> fields;
        int pos = 0;
        while ((pos = r.body.indexOf(boundary, pos)) >= 0) {
            pos += boundary.size();
            const int headEnd = r.body.indexOf("\r\n\r\n", pos);
            const int next = r.body.indexOf("\r\n" + boundary, pos);
            if (headEnd < 0 || next < 0)
                break;
            const QByteArray head = r.body.mid(pos, headEnd - pos);
            const int n = head.indexOf("name=\"");
            const QByteArray name = head.mid(n + 6, head.indexOf('"', n + 6) - n - 6);
            fields.insert(name, r.body.mid(headEnd + 4, next - headEnd - 4));
            if (name == "file")
                lastFileHeaders = head.trimmed();
        }
        if (fields.value("OSSAccessKeyId") != policyAccessId || fields.value("policy") != policy
            || fields.value("Signature") != policySignature)
            return error(403, "AccessDenied");
        putObject(QString::fromUtf8(fields.value("key")), fields.value("file"));
        FakeResponse ok = FakeResponse::raw(QByteArray(), fields.value("success_action_status").toInt(), "application/xml");
        ok.headers << qMakePair(QByteArray("ETag"), etags.value(QString::fromUtf8(fields.value("key"))));
        return ok;
    }

public:
    QByteArray lastFileHeaders;

private:
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

#endif
