// penlark-server under the load of many devices on 127.0.0.1: 50 devices
// sync 500 documents each at the same time, the way the program's sync
// works (one transfer at a time per device, every request signed with the
// device's storage credential): upload each document, list the folder,
// download each document again. Every answer is checked (bytes, ETags,
// listing), so the figures count lost or wrong objects too. A single device
// doing the same alone is the baseline. Then the server's memory while 8
// clients upload (and download) 60 MiB each, above its idle size; and
// requests per second and their 99th percentile with 192 slow clients
// connected (each from an address of its own: half a request head sent, a
// whole head and a body a byte at a time, or a large answer read 2 KiB at a
// time), against the same without them; and the same for 10 s while 64
// clients that reconnect hide their bodies' length behind a bare LF. All
// devices come from one address here, so the limit per address is lifted.
// Then the same while one account uploads whole 16 MiB objects over 128
// connections from 32 addresses. The honest readers run on a thread of
// their own, away from the slow clients' sockets.
// One figure a line: "name: value unit".
#include "TovaUi/function/function.h"
#include "function/oss.h"

#include "../tests/common/penlarkserver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtConcurrent>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
const int kDevices = 50;
const int kDocuments = 500;

void figure(const QByteArray& name, double value, const char* unit)
{
    std::printf("%s: %.3f %s\n", name.constData(), value, unit);
    std::fflush(stdout);
}

QByteArray document(QRandomGenerator& random)
{
    static const QString words = QStringLiteral("山水云雨风花雪月春夏秋冬日夜江河湖海书墨笔纸，。！？");
    QString text;
    const int length = 300 + random.bounded(2500);
    for (int i = 0; i < length; ++i)
        text += i % 60 == 59 ? QChar(QLatin1Char('\n')) : words.at(random.bounded(words.size()));
    return text.toUtf8();
}

QByteArray quotedMd5(const QByteArray& bytes)
{
    return '"' + QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper() + '"';
}

// One simulated device: its own connection pool, one request at a time.
class Device : public QObject
{
public:
    Device(const QString& server, const QString& name, int seed, std::function<void()> done)
        : m_server(server)
        , m_name(name)
        , m_done(std::move(done))
    {
        QRandomGenerator random(seed);
        for (int i = 0; i < kDocuments; ++i)
            m_documents.append(qMakePair(QStringLiteral("data/%1/书 %2/第%3章.txt").arg(name).arg(i / 50).arg(i, 3, 10, QLatin1Char('0')),
                                         document(random)));
    }

    void start()
    {
        QNetworkRequest request(QUrl(m_server + QStringLiteral("/api/v2/ranking/ststoken")));
        request.setRawHeader("Authorization", "Basic " + (m_name.toUtf8() + ":secret99").toBase64());
        send(m_manager.get(request), [this](QNetworkReply* reply) {
            const QJsonObject data = QJsonDocument::fromJson(reply->readAll()).object().value(QStringLiteral("data")).toObject();
            m_token.accesskeyid = data.value(QStringLiteral("accesskeyid")).toString();
            m_token.accesskeysecret = data.value(QStringLiteral("accesskeysecret")).toString();
            m_token.securitytoken = data.value(QStringLiteral("securitytoken")).toString();
            m_token.host = data.value(QStringLiteral("host")).toString();
            if (m_token.host.isEmpty())
                ++wrong;
            upload(0);
        });
    }

    QList<qint64> latencies; // microseconds
    int wrong = 0;
    int requests = 0;

private:
    QNetworkRequest signedRequest(const QString& verb, const QString& key, const QString& query = QString())
    {
        QUrl url(key.isEmpty() ? m_token.host : m_token.host + QLatin1Char('/') + function::urlEncode(key), QUrl::TolerantMode);
        if (!query.isEmpty())
            url.setQuery(query, QUrl::StrictMode);
        QNetworkRequest request(url);
        const QString date = function::timeToGMT(QDateTime::currentSecsSinceEpoch() + 180);
        request.setRawHeader("Date", date.toUtf8());
        request.setRawHeader("x-oss-security-token", m_token.securitytoken.toUtf8());
        request.setRawHeader("Authorization", oss::getSignature(verb, key.isEmpty() ? QStringLiteral("/") : key, date, m_token).toUtf8());
        return request;
    }

    void send(QNetworkReply* reply, std::function<void(QNetworkReply*)> then)
    {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        ++requests;
        connect(reply, &QNetworkReply::finished, this, [this, reply, timer, then]() {
            latencies << timer->nsecsElapsed() / 1000;
            if (reply->error() != QNetworkReply::NoError)
                ++wrong;
            then(reply);
            reply->deleteLater();
        });
    }

    void upload(int i)
    {
        if (i == kDocuments) {
            list();
            return;
        }
        const auto& doc = m_documents.at(i);
        send(m_manager.put(signedRequest(QStringLiteral("PUT"), doc.first), doc.second), [this, i](QNetworkReply* reply) {
            m_etags.insert(m_documents.at(i).first, reply->rawHeader("ETag"));
            if (reply->rawHeader("ETag") != quotedMd5(m_documents.at(i).second))
                ++wrong;
            upload(i + 1);
        });
    }

    void list()
    {
        const QString query = QStringLiteral("prefix=") + function::urlEncode(QStringLiteral("data/") + m_name + QLatin1Char('/'))
            + QStringLiteral("&delimiter=&max-keys=500");
        send(m_manager.get(signedRequest(QStringLiteral("GET"), QString(), query)), [this](QNetworkReply* reply) {
            QXmlStreamReader xml(reply->readAll());
            QString key;
            int listed = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("Key")) {
                    key = xml.readElementText();
                    ++listed;
                } else if (xml.name() == QLatin1String("ETag") && m_etags.value(key) != xml.readElementText().toLatin1()) {
                    ++wrong;
                }
            }
            if (listed != kDocuments)
                wrong += qAbs(kDocuments - listed);
            download(0);
        });
    }

    void download(int i)
    {
        if (i == kDocuments) {
            m_done();
            return;
        }
        const auto& doc = m_documents.at(i);
        send(m_manager.get(signedRequest(QStringLiteral("GET"), doc.first)), [this, i](QNetworkReply* reply) {
            const auto& doc = m_documents.at(i);
            if (reply->readAll() != doc.second || reply->rawHeader("ETag") != m_etags.value(doc.first))
                ++wrong;
            download(i + 1);
        });
    }

    QNetworkAccessManager m_manager;
    QString m_server;
    QString m_name;
    std::function<void()> m_done;
    QList<QPair<QString, QByteArray>> m_documents;
    QHash<QString, QByteArray> m_etags;
    oss::ossStsToken m_token;
};

struct Run
{
    double seconds = 0;
    int requests = 0;
    int wrong = 0;
    QList<qint64> latencies;
};

Run syncDevices(PenlarkServer& server, const QString& prefix, int devices)
{
    QList<Device*> list;
    int finished = 0;
    QEventLoop loop;
    for (int d = 0; d < devices; ++d)
        list << new Device(server.url(), prefix + QString::number(d), d + 1, [&]() {
            if (++finished == devices)
                loop.quit();
        });
    QElapsedTimer timer;
    timer.start();
    for (Device* device : list)
        device->start();
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
    Run run;
    run.seconds = timer.nsecsElapsed() / 1e9;
    for (Device* device : list) {
        run.requests += device->requests;
        run.wrong += device->wrong;
        run.latencies << device->latencies;
    }
    if (finished != devices)
        run.wrong += (devices - finished) * kDocuments;
    std::sort(run.latencies.begin(), run.latencies.end());
    qDeleteAll(list);
    return run;
}

double percentile(const QList<qint64>& sorted, double p)
{
    return sorted.isEmpty() ? 0 : sorted.at(qMin(sorted.size() - 1, int(sorted.size() * p))) / 1000.0;
}

// A memory figure of the process in KiB: "VmHWM" (peak) or "VmRSS" (now).
qint64 memoryKb(qint64 pid, const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The peak starts again from the present size.
void resetPeakMemory(qint64 pid)
{
    QFile clear(QStringLiteral("/proc/%1/clear_refs").arg(pid));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

oss::ossStsToken storageToken(PenlarkServer& server, const QString& name)
{
    const ServerAnswer a = server.call("GET", QStringLiteral("/api/v2/ranking/ststoken"), QByteArray(),
                                       { { "Authorization", "Basic " + (name.toUtf8() + ":secret99").toBase64() } });
    const QJsonObject data = a.json().value(QStringLiteral("data")).toObject();
    oss::ossStsToken token;
    token.accesskeyid = data.value(QStringLiteral("accesskeyid")).toString();
    token.accesskeysecret = data.value(QStringLiteral("accesskeysecret")).toString();
    token.securitytoken = data.value(QStringLiteral("securitytoken")).toString();
    token.host = data.value(QStringLiteral("host")).toString();
    return token;
}

QNetworkRequest signedObjectRequest(const oss::ossStsToken& token, const QString& verb, const QString& key)
{
    QNetworkRequest request(QUrl(token.host + QLatin1Char('/') + function::urlEncode(key), QUrl::TolerantMode));
    const QString date = function::timeToGMT(QDateTime::currentSecsSinceEpoch() + 180);
    request.setRawHeader("Date", date.toUtf8());
    request.setRawHeader("x-oss-security-token", token.securitytoken.toUtf8());
    request.setRawHeader("Authorization", oss::getSignature(verb, key, date, token).toUtf8());
    request.setTransferTimeout(120000);
    return request;
}

// Starts the requests made by send (each of clients) at once and waits for
// them all; the number that failed or answered other bytes.
int together(int clients, const std::function<QNetworkReply*(QNetworkAccessManager&, int)>& send,
             const std::function<bool(QNetworkReply*, int)>& check)
{
    QEventLoop loop;
    int open = clients;
    int wrong = 0;
    std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
    for (int c = 0; c < clients; ++c) {
        managers.emplace_back(new QNetworkAccessManager);
        QNetworkReply* reply = send(*managers.back(), c);
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, c]() {
            wrong += reply->error() != QNetworkReply::NoError || !check(reply, c);
            reply->deleteLater();
            if (--open == 0)
                loop.quit();
        });
    }
    loop.exec();
    return wrong;
}

// The server's memory above its idle size while clients upload, then
// download, size bytes each at the same time (MiB each).
QPair<double, double> transferMemory(int clients, int size, int* wrong)
{
    PenlarkServer server({ QStringLiteral("--max-connections-per-address"), QStringLiteral("0") });
    if (!server.start() || server.createAccount(QStringLiteral("big"), QStringLiteral("secret99")) == 0) {
        ++*wrong;
        return {};
    }
    server.setOptions(QJsonObject { { QStringLiteral("journal"), false } });
    const oss::ossStsToken token = storageToken(server, QStringLiteral("big"));
    QByteArray body(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        body[i] = char(i * 7 + i / 4096);
    const QByteArray etag = quotedMd5(body);
    const auto key = [](int c) { return QStringLiteral("data/big/%1.bin").arg(c); };
    const qint64 idle = memoryKb(server.pid(), "VmRSS");
    resetPeakMemory(server.pid());
    *wrong += together(clients, [&](QNetworkAccessManager& m, int c) { return m.put(signedObjectRequest(token, QStringLiteral("PUT"), key(c)), body); },
                       [&](QNetworkReply* reply, int) { return reply->rawHeader("ETag") == etag; });
    const qint64 upload = memoryKb(server.pid(), "VmHWM") - idle;
    resetPeakMemory(server.pid());
    // Downloads are hashed as they arrive, not kept.
    std::vector<std::unique_ptr<QCryptographicHash>> md5;
    *wrong += together(clients,
                       [&](QNetworkAccessManager& m, int c) {
                           md5.emplace_back(new QCryptographicHash(QCryptographicHash::Md5));
                           QNetworkReply* reply = m.get(signedObjectRequest(token, QStringLiteral("GET"), key(c)));
                           QObject::connect(reply, &QNetworkReply::readyRead, reply, [&md5, reply, c]() { md5.at(c)->addData(reply->readAll()); });
                           return reply;
                       },
                       [&](QNetworkReply* reply, int c) {
                           md5.at(c)->addData(reply->readAll());
                           return '"' + md5.at(c)->result().toHex().toUpper() + '"' == etag;
                       });
    const qint64 download = memoryKb(server.pid(), "VmHWM") - idle;
    server.stop();
    return qMakePair(upload / 1024.0, download / 1024.0);
}

// Clients that read one small object each, one request after another;
// the requests per second and the latencies (microseconds, sorted). With
// seconds, no request starts after that many and those still waiting 5 s
// later are given up: unanswered, at the time they waited.
QPair<double, QList<qint64>> readObjectsHere(const oss::ossStsToken& token, const QString& key, int clients, int perClient,
                                             int* wrong, int seconds, int* unanswered)
{
    QEventLoop loop;
    QList<qint64> latencies;
    int running = clients;
    QElapsedTimer wall;
    std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
    std::function<void(QNetworkAccessManager*, int)> next = [&](QNetworkAccessManager* m, int left) {
        if (left == 0 || (seconds > 0 && wall.elapsed() >= seconds * 1000)) {
            if (--running == 0)
                loop.quit();
            return;
        }
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        QNetworkReply* reply = m->get(signedObjectRequest(token, QStringLiteral("GET"), key));
        if (seconds > 0)
            QTimer::singleShot(qMax<qint64>(0, seconds * 1000 + 5000 - wall.elapsed()), reply, &QNetworkReply::abort);
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, m, left, reply, timer]() {
            latencies << timer->nsecsElapsed() / 1000;
            if (reply->error() == QNetworkReply::OperationCanceledError && unanswered)
                ++*unanswered;
            else
                *wrong += reply->error() != QNetworkReply::NoError;
            reply->deleteLater();
            next(m, left - 1);
        });
    };
    wall.start();
    for (int c = 0; c < clients; ++c) {
        managers.emplace_back(new QNetworkAccessManager);
        next(managers.back().get(), perClient);
    }
    loop.exec();
    const double elapsed = wall.nsecsElapsed() / 1e9;
    std::sort(latencies.begin(), latencies.end());
    return qMakePair((latencies.size() - (unanswered ? *unanswered : 0)) / elapsed, latencies);
}

// The same on a thread of its own, while this thread's event loop goes on
// driving whatever else the bench has open (slow clients): the honest
// readers' waits are then the server's, not this thread's stalls.
QPair<double, QList<qint64>> readObjects(const oss::ossStsToken& token, const QString& key, int clients, int perClient,
                                         int* wrong, int seconds = 0, int* unanswered = nullptr)
{
    QPair<double, QList<qint64>> result;
    std::unique_ptr<QThread> readers(QThread::create([&]() { result = readObjectsHere(token, key, clients, perClient, wrong, seconds, unanswered); }));
    QEventLoop loop;
    QObject::connect(readers.get(), &QThread::finished, &loop, &QEventLoop::quit);
    readers->start();
    loop.exec();
    readers->wait();
    return result;
}

// Slow clients, each from an address of its own: a third sent half a
// request head; a third a whole sign-in head and then one byte of its body
// each 200 ms; a third asked for the 60 MiB installer and read 2 KiB of it
// each 200 ms.
struct SlowClients
{
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    QTimer timer;
};

std::unique_ptr<SlowClients> slowClients(quint16 port, int perKind)
{
    std::unique_ptr<SlowClients> slow(new SlowClients);
    for (int i = 0; i < 3 * perKind; ++i) {
        slow->sockets.emplace_back(new QTcpSocket);
        QTcpSocket* s = slow->sockets.back().get();
        s->bind(QHostAddress(QStringLiteral("127.0.2.%1").arg(1 + i)));
        if (i % 3 == 2) {
            s->setReadBufferSize(2048);
            s->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        }
        s->connectToHost(QHostAddress::LocalHost, port);
        static const char* const requests[] = {
            "GET /api/v2/points HTTP/1.1\r\nHost: x\r\n",
            "POST /api/v1/users/login HTTP/1.1\r\nHost: x\r\nContent-Length: 60000\r\n\r\nn",
            "GET /Master/TovaWriter_installer.deb HTTP/1.1\r\nHost: x\r\n\r\n",
        };
        if (s->waitForConnected(5000))
            s->write(requests[i % 3]) && s->waitForBytesWritten(5000);
    }
    QObject::connect(&slow->timer, &QTimer::timeout, [raw = slow.get()]() {
        for (size_t i = 0; i < raw->sockets.size(); ++i) {
            if (i % 3 == 1)
                raw->sockets[i]->write("n");
            else if (i % 3 == 2)
                raw->sockets[i]->read(2048);
        }
    });
    slow->timer.start(200);
    return slow;
}
// Clients that send a request (by default a sign-in head whose
// Content-Length hides behind a bare LF), then a byte of the body each
// 200 ms, half of them from each of two addresses, and connect again
// whenever they are closed.
std::unique_ptr<SlowClients> bareLfBodies(quint16 port, int count, int* connections,
                                          const QByteArray& request = "POST /api/v1/users/login HTTP/1.1\r\nHost: x\r\nX-a: b\n"
                                                                      "Content-Length: 60000\r\n\r\nn")
{
    std::unique_ptr<SlowClients> slow(new SlowClients);
    const auto start = [port, connections, request](QTcpSocket* s, int i) {
        s->abort();
        s->bind(QHostAddress(QStringLiteral("127.0.4.%1").arg(1 + i % 2)));
        s->connectToHost(QHostAddress::LocalHost, port);
        s->write(request); // sent once connected
        ++*connections;
    };
    for (int i = 0; i < count; ++i) {
        slow->sockets.emplace_back(new QTcpSocket);
        start(slow->sockets.back().get(), i);
    }
    QObject::connect(&slow->timer, &QTimer::timeout, [raw = slow.get(), start]() {
        for (size_t i = 0; i < raw->sockets.size(); ++i) {
            QTcpSocket* s = raw->sockets[i].get();
            if (s->state() == QAbstractSocket::UnconnectedState)
                start(s, int(i));
            else if (s->state() == QAbstractSocket::ConnectedState)
                s->write("n");
        }
    });
    slow->timer.start(200);
    return slow;
}
// Connections from 32 addresses, four each, that upload whole 16 MiB
// objects of one account as fast as the server takes them, one after
// another, each on a thread of its own, until stop; the uploads answered.
int wholeUploads(quint16 port, const oss::ossStsToken& token, const std::atomic<bool>& stop)
{
    const QByteArray body(16 << 20, 'u');
    std::atomic<int> stored { 0 };
    std::vector<std::thread> threads;
    for (int i = 0; i < 128; ++i) {
        const QString key = QStringLiteral("data/solo0/whole%1.bin").arg(i);
        QByteArray head = "PUT /lumoranking/" + function::urlEncode(key).toUtf8() + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\n";
        const QNetworkRequest signedPut = signedObjectRequest(token, QStringLiteral("PUT"), key);
        for (const QByteArray& name : signedPut.rawHeaderList())
            head += name + ": " + signedPut.rawHeader(name) + "\r\n";
        threads.emplace_back([&, i, request = head + "\r\n" + body]() {
            while (!stop) {
                const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
                sockaddr_in a {};
                a.sin_family = AF_INET;
                a.sin_addr.s_addr = htonl(0x7f000500 + 1 + i % 32);
                ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
                a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
                a.sin_port = htons(port);
                qint64 sent = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a)) == 0 ? 0 : -1;
                for (ssize_t n = 0; sent >= 0 && sent < request.size() && !stop; sent += n)
                    if ((n = ::send(fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL)) <= 0)
                        sent = -1;
                char answer[64] = {};
                if (sent == request.size() && ::recv(fd, answer, sizeof(answer) - 1, MSG_WAITALL) > 12 && qstrncmp(answer, "HTTP/1.1 200", 12) == 0)
                    ++stored;
                ::close(fd);
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    return stored;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    PenlarkServer server({ QStringLiteral("--max-connections-per-address"), QStringLiteral("0") });
    if (!server.start())
        return 1;
    server.setOptions(QJsonObject { { QStringLiteral("journal"), false } });
    // The accounts, made in parallel: each password record takes a while.
    QStringList names { QStringLiteral("solo0") };
    for (int d = 0; d < kDevices; ++d)
        names << QStringLiteral("writer%1").arg(d);
    QList<QFuture<qint64>> made;
    for (const QString& name : names)
        made << QtConcurrent::run([&server, name]() { return server.createAccount(name, QStringLiteral("secret99")); });
    QList<qint64> ids;
    for (QFuture<qint64>& f : made)
        ids << f.result();
    if (ids.contains(0)) {
        std::fprintf(stderr, "accounts could not be created\n");
        return 1;
    }

    const Run solo = syncDevices(server, QStringLiteral("solo"), 1);
    const Run many = syncDevices(server, QStringLiteral("writer"), kDevices);
    const int stored = server.keys(QStringLiteral("data/")).size();

    figure("devices", kDevices, "devices");
    figure("documents_per_device", kDocuments, "documents");
    figure("requests", many.requests, "requests");
    figure("wall_time", many.seconds, "s");
    figure("throughput", many.requests / many.seconds, "requests/s");
    figure("latency_p50", percentile(many.latencies, 0.50), "ms");
    figure("latency_p99", percentile(many.latencies, 0.99), "ms");
    figure("single_device_throughput", solo.requests / solo.seconds, "requests/s");
    figure("single_device_latency_p50", percentile(solo.latencies, 0.50), "ms");
    figure("latency_p50_ratio_to_single_device", percentile(many.latencies, 0.50) / qMax(0.001, percentile(solo.latencies, 0.50)), "x");
    figure("server_peak_memory", memoryKb(server.pid(), "VmHWM") / 1024.0, "MiB");
    figure("objects_stored", stored, "objects");
    figure("lost_or_wrong_objects", many.wrong + solo.wrong + qAbs(stored - (kDevices + 1) * kDocuments), "objects");

    // Ordinary requests with and without slow clients connected.
    int wrong = 0;
    const oss::ossStsToken token = storageToken(server, QStringLiteral("solo0"));
    const QString key = QStringLiteral("data/solo0/书 0/第000章.txt");
    QDir().mkpath(server.dataPath() + QStringLiteral("/update/Master"));
    QFile installer(server.dataPath() + QStringLiteral("/update/Master/TovaWriter_installer.deb"));
    installer.open(QIODevice::WriteOnly) && installer.resize(60 << 20);
    const auto plain = readObjects(token, key, 16, 500, &wrong);
    auto slow = slowClients(server.port(), 64);
    const auto slowed = readObjects(token, key, 16, 500, &wrong);
    int held = 0;
    for (const auto& s : slow->sockets)
        held += s->state() == QAbstractSocket::ConnectedState;
    figure("requests_per_second", plain.first, "requests/s");
    figure("latency_p99_of_requests", percentile(plain.second, 0.99), "ms");
    figure("slow_clients", slow->sockets.size(), "clients");
    figure("slow_clients_held", held, "clients");
    slow.reset();
    figure("requests_per_second_with_slow_clients", slowed.first, "requests/s");
    figure("latency_p99_with_slow_clients", percentile(slowed.second, 0.99), "ms");
    figure("requests_per_second_ratio_with_slow_clients", slowed.first / qMax(0.001, plain.first), "x");
    figure("latency_p99_ratio_with_slow_clients", percentile(slowed.second, 0.99) / qMax(0.001, percentile(plain.second, 0.99)), "x");

    // The same for 10 s while 64 connections hide their bodies' length
    // behind a bare LF; requests still waiting 5 s later are given up.
    int bareLfConnections = 0;
    int unanswered = 0;
    auto bareLf = bareLfBodies(server.port(), 64, &bareLfConnections);
    const auto hidden = readObjects(token, key, 16, 1000000, &wrong, 10, &unanswered);
    bareLf.reset();
    figure("bare_lf_body_connections", bareLfConnections, "connections");
    figure("requests_per_second_with_bare_lf_bodies", hidden.first, "requests/s");
    figure("latency_p99_with_bare_lf_bodies", percentile(hidden.second, 0.99), "ms");
    figure("longest_wait_with_bare_lf_bodies", hidden.second.isEmpty() ? 0 : hidden.second.last() / 1000.0, "ms");
    figure("unanswered_with_bare_lf_bodies", unanswered, "requests");
    figure("requests_per_second_ratio_with_bare_lf_bodies", hidden.first / qMax(0.001, plain.first), "x");
    figure("latency_p99_ratio_with_bare_lf_bodies", percentile(hidden.second, 0.99) / qMax(0.001, percentile(plain.second, 0.99)), "x");

    // The same for each way of trickling a body: chunks whose first holds a
    // look-alike of the last, form uploads of 10 MB, and signed uploads of
    // one account.
    QByteArray put = "PUT /lumoranking/" + function::urlEncode(QStringLiteral("data/solo0/slow.bin")).toUtf8()
        + " HTTP/1.1\r\nHost: x\r\nContent-Length: 10000000\r\n";
    const QNetworkRequest signedPut = signedObjectRequest(token, QStringLiteral("PUT"), QStringLiteral("data/solo0/slow.bin"));
    for (const QByteArray& name : signedPut.rawHeaderList())
        put += name + ": " + signedPut.rawHeader(name) + "\r\n";
    const QPair<const char*, QByteArray> trickles[] = {
        { "look_alike_chunks", "POST /api/v1/users/login HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\nffff\r\n\r\n0\r\n\r\nn" },
        { "slow_form_uploads", "POST /lumoranking/ HTTP/1.1\r\nHost: x\r\nContent-Type: multipart/form-data; boundary=b\r\n"
                               "Content-Length: 10000000\r\n\r\n--b\r\nContent-Disposition: form-data; name=\"key\"\r\n\r\nn" },
        { "slow_signed_uploads", put + "\r\nn" },
    };
    const auto servedFigures = [&plain](const QByteArray& name, const QPair<double, QList<qint64>>& served, int lost) {
        figure("requests_per_second_with_" + name, served.first, "requests/s");
        figure("latency_p99_with_" + name, percentile(served.second, 0.99), "ms");
        figure("longest_wait_with_" + name, served.second.isEmpty() ? 0 : served.second.last() / 1000.0, "ms");
        figure("unanswered_with_" + name, lost, "requests");
        figure("requests_per_second_ratio_with_" + name, served.first / qMax(0.001, plain.first), "x");
    };
    for (const auto& trickle : trickles) {
        int connections = 0;
        int lost = 0;
        auto slowBodies = bareLfBodies(server.port(), 64, &connections, trickle.second);
        const auto served = readObjects(token, key, 16, 1000000, &wrong, 10, &lost);
        slowBodies.reset();
        figure(QByteArray("connections_of_") + trickle.first, connections, "connections");
        servedFigures(trickle.first, served, lost);
    }
    // The same while one account uploads whole large objects from many
    // addresses: the gate reads them for everyone in turns.
    {
        std::atomic<bool> stop { false };
        int stored = 0;
        std::thread uploads([&]() { stored = wholeUploads(server.port(), token, stop); });
        int lost = 0;
        const auto served = readObjects(token, key, 16, 1000000, &wrong, 10, &lost);
        stop = true;
        uploads.join();
        figure("whole_uploads_of_16_MiB_from_32_addresses", stored, "uploads");
        servedFigures("whole_uploads", served, lost);
    }
    server.stop();

    const QPair<double, double> memory = transferMemory(8, 60 << 20, &wrong);
    figure("memory_above_idle_8_uploads_of_60_MiB", memory.first, "MiB");
    figure("memory_above_idle_8_downloads_of_60_MiB", memory.second, "MiB");
    figure("failed_requests", wrong, "requests");
    return many.wrong + solo.wrong + wrong == 0 ? 0 : 1;
}
