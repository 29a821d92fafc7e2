#ifndef PENLARKSERVER_H
#define PENLARKSERVER_H

// Starts the real penlark-server program for a test: on 127.0.0.1, a free
// port, a temporary data folder and its test control switched on, and
// stops it again. The control endpoints (fault rules, the request journal,
// direct object access, accounts, captcha answers) are reached with a small
// blocking HTTP client, so a test can script the server in the middle of a
// client's work without running the event loop.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>

#include <cstring>
#include <unistd.h>

#ifndef PENLARK_SERVER_PATH
#error "PENLARK_SERVER_PATH names the penlark-server program"
#endif

// A small PNG of one colour: pictures to upload and serve in tests.
inline QByteArray testPicture(QRgb colour, int side = 8)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One request as the server's journal recorded it.
struct ServerRequest
{
    struct Part
    {
        QByteArray name;
        QByteArray filename;
        QByteArray contentType;
        QByteArray content;
    };

    QByteArray method;
    QString target; // as sent, percent-encoded
    QString path;   // decoded
    QUrlQuery query;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;   // empty for a form upload: see parts
    QList<Part> parts; // a form upload's parts
    int status = 0;    // the status answered, 0 for none

    Part part(const QByteArray& name) const
    {
        for (const Part& p : parts)
            if (p.name == name)
                return p;
        return Part();
    }

    // "user:password" of a Basic authorization, empty when absent.
    QByteArray basicCredentials() const
    {
        const QByteArray h = headers.value("authorization");
        return h.startsWith("Basic ") ? QByteArray::fromBase64(h.mid(6)) : QByteArray();
    }
    // The object key of a storage request ("" for the bucket itself).
    QString key() const
    {
        static const QString bucket = QStringLiteral("/lumoranking");
        return path.startsWith(bucket) ? path.mid(bucket.size() + 1) : QString();
    }
    bool isStorage() const { return path == QLatin1String("/lumoranking") || path.startsWith(QLatin1String("/lumoranking/")); }
};

struct ServerAnswer
{
    int status = 0; // 0: no answer
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

class PenlarkServer
{
public:
    // Extra arguments for the program, e.g. "--database" and a connection.
    explicit PenlarkServer(const QStringList& extraArguments = QStringList())
        : m_extra(extraArguments)
    {
        m_data = m_folder.path() + QStringLiteral("/data");
        m_log = m_folder.path() + QStringLiteral("/server.log");
    }
    ~PenlarkServer() { stop(); }
    // Arguments for the next start, e.g. another database.
    void setExtraArguments(const QStringList& arguments) { m_extra = arguments; }
    // A program that starts the server with these arguments first, e.g.
    // "prlimit" with a smaller descriptor limit.
    void setLauncher(const QStringList& launcher) { m_launcher = launcher; }
    PenlarkServer(const PenlarkServer&) = delete;
    PenlarkServer& operator=(const PenlarkServer&) = delete;

    bool start()
    {
        stop();
        const qint64 logStart = QFileInfo(m_log).size();
        m_process.setProgram(m_launcher.isEmpty() ? QStringLiteral(PENLARK_SERVER_PATH) : m_launcher.first());
        m_process.setArguments(m_launcher.mid(1) + (m_launcher.isEmpty() ? QStringList() : QStringList { QStringLiteral(PENLARK_SERVER_PATH) })
                               + QStringList { QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                                             QStringLiteral("0"), QStringLiteral("--data"), m_data,
                                             QStringLiteral("--test-control") }
                               + m_extra);
        m_process.setStandardOutputFile(m_log, QIODevice::Append);
        m_process.setStandardErrorFile(m_log, QIODevice::Append);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        QElapsedTimer timer;
        timer.start();
        static const QRegularExpression listening(QStringLiteral("listening on http://127\\.0\\.0\\.1:(\\d+)"));
        while (timer.elapsed() < 20000) {
            QFile file(m_log);
            if (file.open(QIODevice::ReadOnly) && file.seek(logStart)) {
                const QRegularExpressionMatch m = listening.match(QString::fromUtf8(file.readAll()));
                if (m.hasMatch()) {
                    m_port = m.captured(1).toUShort();
                    return true;
                }
            }
            if (m_process.state() == QProcess::NotRunning)
                break;
            QThread::msleep(20);
        }
        qWarning().noquote() << "penlark-server did not start:" << log();
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        m_port = 0;
    }

    bool restart() { return start(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    // Bytes of request bodies the server holds in its spool files now.
    qint64 spooledBytes() const
    {
        qint64 total = 0;
        const QString fds = QStringLiteral("/proc/%1/fd/").arg(pid());
        for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        {
            char target[4096] = {};
            if (::readlink(qPrintable(fds + fd), target, sizeof(target) - 1) > 0 && std::strstr(target, "/spool/"))
                total += QFileInfo(fds + fd).size();
        }
        return total;
    }

    quint16 port() const { return m_port; }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString dataPath() const { return m_data; }
    QString log() const
    {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // One request on a fresh connection, from the address from when it is
    // given (another one on the loopback network); waits at most timeoutMs.
    ServerAnswer call(const QByteArray& method, const QString& path, const QByteArray& body = QByteArray(),
                      const QList<QPair<QByteArray, QByteArray>>& headers = {}, int timeoutMs = 20000,
                      const QString& from = QString()) const
    {
        ServerAnswer answer;
        QTcpSocket socket;
        if (!from.isEmpty())
            socket.bind(QHostAddress(from));
        socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        if (!socket.waitForConnected(timeoutMs))
            return answer;
        QByteArray request = method + ' ' + QUrl(path, QUrl::TolerantMode).toEncoded() + " HTTP/1.1\r\nHost: 127.0.0.1:"
            + QByteArray::number(m_port) + "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
        for (const auto& h : headers)
            request += h.first + ": " + h.second + "\r\n";
        socket.write(request + "\r\n" + body);
        QByteArray raw;
        QElapsedTimer timer;
        timer.start();
        while (socket.state() == QAbstractSocket::ConnectedState && timer.elapsed() < timeoutMs) {
            if (socket.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed()))))
                raw += socket.readAll();
        }
        raw += socket.readAll();
        const int end = raw.indexOf("\r\n\r\n");
        if (end < 0)
            return answer;
        const QList<QByteArray> lines = raw.left(end).split('\n');
        answer.status = lines.value(0).split(' ').value(1).toInt();
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                answer.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        answer.body = raw.mid(end + 4);
        return answer;
    }

    // ---- test control --------------------------------------------------------

    // Forgets everything; with keepAccounts, accounts, points and
    // credentials stay.
    bool reset(bool keepAccounts = false) const
    {
        return call("POST", QStringLiteral("/_control/reset"), keepAccounts ? QByteArray("{\"accounts\":false}") : QByteArray()).status == 200;
    }
    bool setOptions(const QJsonObject& options) const
    {
        return call("POST", QStringLiteral("/_control/options"), QJsonDocument(options).toJson()).status == 200;
    }

    // One rule or several (see the server's --help); returns their ids.
    QList<int> addFault(const QJsonObject& rule) const { return addFaults(QJsonArray { rule }); }
    QList<int> addFaults(const QJsonArray& rules) const
    {
        const ServerAnswer a = call("POST", QStringLiteral("/_control/faults"), QJsonDocument(rules).toJson());
        QList<int> ids;
        for (const QJsonValue& v : a.json().value(QStringLiteral("ids")).toArray())
            ids << v.toInt();
        if (ids.isEmpty())
            qWarning() << "fault rules refused:" << a.body;
        return ids;
    }
    QJsonArray faults() const
    {
        return QJsonDocument::fromJson(call("GET", QStringLiteral("/_control/faults")).body).array();
    }
    void clearFaults() const { call("DELETE", QStringLiteral("/_control/faults")); }

    QList<ServerRequest> requests() const
    {
        QList<ServerRequest> list;
        const QJsonArray entries = QJsonDocument::fromJson(call("GET", QStringLiteral("/_control/requests")).body).array();
        for (const QJsonValue& v : entries) {
            const QJsonObject o = v.toObject();
            ServerRequest r;
            r.method = o.value(QStringLiteral("method")).toString().toLatin1();
            r.target = o.value(QStringLiteral("target")).toString();
            r.path = o.value(QStringLiteral("path")).toString();
            r.query = QUrlQuery(o.value(QStringLiteral("query")).toString());
            const QJsonObject headers = o.value(QStringLiteral("headers")).toObject();
            for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
                r.headers.insert(it.key().toLatin1(), it.value().toString().toUtf8());
            r.body = QByteArray::fromBase64(o.value(QStringLiteral("body")).toString().toLatin1());
            for (const QJsonValue& p : o.value(QStringLiteral("parts")).toArray()) {
                const QJsonObject part = p.toObject();
                r.parts << ServerRequest::Part { part.value(QStringLiteral("name")).toString().toUtf8(),
                                                 part.value(QStringLiteral("filename")).toString().toUtf8(),
                                                 part.value(QStringLiteral("content_type")).toString().toUtf8(),
                                                 QByteArray::fromBase64(part.value(QStringLiteral("content")).toString().toLatin1()) };
            }
            r.status = o.value(QStringLiteral("status")).toInt();
            list << r;
        }
        return list;
    }
    void clearRequests() const { call("DELETE", QStringLiteral("/_control/requests")); }
    QList<ServerRequest> requestsTo(const QString& path) const
    {
        QList<ServerRequest> list;
        for (const ServerRequest& r : requests())
            if (r.path == path)
                list << r;
        return list;
    }
    // Requests to the bucket (listings and objects), optionally of one method.
    QList<ServerRequest> storageRequests(const QByteArray& method = QByteArray()) const
    {
        QList<ServerRequest> list;
        for (const ServerRequest& r : requests())
            if (r.isStorage() && (method.isEmpty() || r.method == method))
                list << r;
        return list;
    }

    bool putObject(const QString& key, const QByteArray& bytes) const
    {
        return call("PUT", objectPath(key), bytes).status == 200;
    }
    bool hasObject(const QString& key) const { return call("GET", objectPath(key)).status == 200; }
    // The bytes, or "<missing>" when there is no such object.
    QByteArray object(const QString& key) const
    {
        const ServerAnswer a = call("GET", objectPath(key));
        return a.status == 200 ? a.body : QByteArray("<missing>");
    }
    QString etag(const QString& key) const { return QString::fromLatin1(call("GET", objectPath(key)).headers.value("etag")); }
    bool removeObject(const QString& key) const { return call("DELETE", objectPath(key)).status == 200; }
    QStringList keys(const QString& prefix = QString()) const
    {
        QStringList list;
        const QJsonArray objects = call("GET", QStringLiteral("/_control/objects?prefix=") + QString::fromLatin1(QUrl::toPercentEncoding(prefix)))
                                       .json()
                                       .value(QStringLiteral("objects"))
                                       .toArray();
        for (const QJsonValue& v : objects)
            list << v.toObject().value(QStringLiteral("key")).toString();
        return list;
    }
    // Many objects in one request: key -> bytes.
    bool putObjects(const QMap<QString, QByteArray>& objects) const
    {
        QJsonArray list;
        for (auto it = objects.constBegin(); it != objects.constEnd(); ++it)
            list << QJsonObject { { QStringLiteral("key"), it.key() }, { QStringLiteral("base64"), QString::fromLatin1(it.value().toBase64()) } };
        return call("POST", QStringLiteral("/_control/objects"), QJsonDocument(QJsonObject { { QStringLiteral("objects"), list } }).toJson())
                   .status
            == 200;
    }

    // The new account's id, 0 when it was refused.
    qint64 createAccount(const QString& name, const QString& password, const QString& email = QString(),
                         const QString& nickname = QString(), qint64 points = 0) const
    {
        QJsonObject o { { QStringLiteral("name"), name }, { QStringLiteral("password"), password },
                        { QStringLiteral("nickname"), nickname }, { QStringLiteral("points"), double(points) } };
        if (!email.isEmpty())
            o.insert(QStringLiteral("email"), email);
        return qint64(call("POST", QStringLiteral("/_control/accounts"), QJsonDocument(o).toJson()).json().value(QStringLiteral("id")).toDouble());
    }
    // A password change through the account API, as another client makes it.
    bool changePassword(const QString& name, const QString& from, const QString& to) const
    {
        const QByteArray form = "old_password=" + from.toUtf8() + "&password=" + to.toUtf8() + "&retype=" + to.toUtf8();
        const QByteArray basic = "Basic " + (name + QLatin1Char(':') + from).toUtf8().toBase64();
        return call("POST", QStringLiteral("/api/v1/user/settings/password"), form, { { "Authorization", basic } }).json().value("ok").toBool();
    }
    // The administrator's "--set-password" beside the running server.
    bool setPassword(const QString& name, const QString& to) const
    {
        QProcess admin;
        admin.start(QStringLiteral(PENLARK_SERVER_PATH), QStringList { QStringLiteral("--data"), m_data, QStringLiteral("--set-password"), name } + m_extra);
        admin.write(to.toUtf8() + '\n');
        admin.closeWriteChannel();
        return admin.waitForFinished(20000) && admin.exitCode() == 0;
    }
    QString captchaAnswer(const QString& id) const
    {
        return call("GET", QStringLiteral("/_control/captcha/") + id).json().value(QStringLiteral("answer")).toString();
    }
    QJsonObject analytics() const { return call("GET", QStringLiteral("/_control/analytics")).json(); }
    QJsonObject stats() const { return call("GET", QStringLiteral("/_control/stats")).json(); }
    int signatureFailures() const { return stats().value(QStringLiteral("signature_failures")).toInt(); }

private:
    static QString objectPath(const QString& key)
    {
        return QStringLiteral("/_control/objects/") + QString::fromLatin1(QUrl::toPercentEncoding(key));
    }

    QStringList m_extra;
    QStringList m_launcher;
    QTemporaryDir m_folder;
    QString m_data;
    QString m_log;
    QProcess m_process;
    quint16 m_port = 0;
};

#endif
