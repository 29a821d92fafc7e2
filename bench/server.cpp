// penlark-server under the load of many devices on 127.0.0.1: 50 devices
// sync 500 documents each at the same time, the way the program's sync
// works (one transfer at a time per device, every request signed with the
// device's storage credential): upload each document, list the folder,
// download each document again. Every answer is checked (bytes, ETags,
// listing), so the figures count lost or wrong objects too. A single device
// doing the same alone is the baseline. One figure a line: "name: value unit".
#include "function/function.h"
#include "function/oss.h"

#include "../tests/common/penlarkserver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtConcurrent>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
const int kDevices = 50;
const int kDocuments = 500;

void figure(const char* name, double value, const char* unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
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

qint64 peakMemoryKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    PenlarkServer server;
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
    figure("server_peak_memory", peakMemoryKb(server.pid()) / 1024.0, "MiB");
    figure("objects_stored", stored, "objects");
    figure("lost_or_wrong_objects", many.wrong + solo.wrong + qAbs(stored - (kDevices + 1) * kDocuments), "objects");
    server.stop();
    return many.wrong + solo.wrong == 0 ? 0 : 1;
}
