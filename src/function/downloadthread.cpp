#include "downloadthread.h"

#include "function/network.h"
#include "function/networkreply.h"
#include "function/oss.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQueue>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

// Lives on the download thread; its network access manager is made there.
// Downloads beyond the six under way wait in its queue.
class Fetcher : public QObject
{
public:
    QNetworkAccessManager* manager()
    {
        if (!m_manager)
            m_manager = new QNetworkAccessManager(this);
        return m_manager;
    }

    void enqueue(std::function<void()> send)
    {
        m_queue.enqueue(std::move(send));
        sendWaiting();
    }

    void ended()
    {
        --m_running;
        sendWaiting();
    }

private:
    static constexpr int kMaxRunning = 6;

    void sendWaiting()
    {
        while (m_running < kMaxRunning && !m_queue.isEmpty()) {
            ++m_running;
            m_queue.dequeue()();
        }
    }

    QNetworkAccessManager* m_manager = nullptr;
    QQueue<std::function<void()>> m_queue;
    int m_running = 0;
};

// Why a download was stopped before its end.
enum class Stop { None, TooLarge, TooSlow };

// Stops the reply when the pace says it is too slow: a deadline from now,
// and a check each second of what the last lowRateSeconds brought.
void watchPace(QNetworkReply* reply, const DownloadThread::Pace& pace, const std::shared_ptr<Stop>& stop,
               const std::shared_ptr<qint64>& received)
{
    auto giveUp = [reply, stop]() {
        if (*stop != Stop::None)
            return;
        *stop = Stop::TooSlow;
        reply->abort();
    };
    if (pace.deadlineMs > 0)
        QTimer::singleShot(pace.deadlineMs, reply, giveUp);
    if (pace.lowRateBytes <= 0 || pace.lowRateSeconds <= 0)
        return;
    auto* clock = new QTimer(reply);
    // What had arrived at each of the last lowRateSeconds ticks, oldest first.
    auto seen = std::make_shared<QVector<qint64>>(1, 0);
    QObject::connect(clock, &QTimer::timeout, reply, [pace, seen, received, giveUp]() {
        seen->append(*received);
        if (seen->size() <= pace.lowRateSeconds)
            return;
        if (seen->size() > pace.lowRateSeconds + 1)
            seen->removeFirst();
        if (seen->last() - seen->first() < qint64(pace.lowRateBytes) * pace.lowRateSeconds)
            giveUp();
    });
    clock->start(1000);
}

NetworkData tooLarge(QNetworkReply* reply, qint64 maxBytes)
{
    NetworkData d;
    d.kind = NetworkData::Kind::TooLarge;
    d.statusCode = 0;
    d.errorString = DownloadThread::tooLargeText(maxBytes);
    d.eTag = QString::fromUtf8(reply->rawHeader("ETag"));
    d.complete = true;
    return d;
}

} // namespace

DownloadThread* DownloadThread::instance()
{
    // A child of the application: the thread ends before the process does.
    static QPointer<DownloadThread> self;
    if (!self)
        self = new DownloadThread();
    return self;
}

DownloadThread::DownloadThread()
    : QObject(QCoreApplication::instance())
    , m_thread(new QThread(this))
    , m_worker(new Fetcher())
{
    qRegisterMetaType<NetworkData>("NetworkData");
    m_thread->setObjectName(QStringLiteral("downloads"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &DownloadThread::delivered, this, &DownloadThread::deliver, Qt::QueuedConnection);
    m_thread->start();
}

DownloadThread::~DownloadThread()
{
    m_thread->quit();
    m_thread->wait();
}

QString DownloadThread::tooLargeText(qint64 maxBytes)
{
    return QStringLiteral("larger than %1 bytes").arg(maxBytes);
}

QString DownloadThread::tooSlowText()
{
    return QStringLiteral("too slow: given up");
}

void DownloadThread::get(const QNetworkRequest& request, qint64 maxBytes, const QString& listedETag, QObject* context,
                         Handler done, const Pace& pace)
{
    const quint64 id = ++m_next;
    m_waiting.insert(id, Waiting {context, std::move(done)});
    QNetworkRequest limited(request);
    if (limited.transferTimeout() <= 0)
        limited.setTransferTimeout(network::transferTimeout());
    auto* fetcher = static_cast<Fetcher*>(m_worker);
    QMetaObject::invokeMethod(fetcher, [this, fetcher, id, limited, maxBytes, listedETag, pace]() {
        fetcher->enqueue([this, fetcher, id, limited, maxBytes, listedETag, pace]() {
            QNetworkReply* reply = fetcher->manager()->get(limited);
            auto stop = std::make_shared<Stop>(Stop::None);
            auto received = std::make_shared<qint64>(0);
            auto stopAt = [reply, stop, maxBytes](qint64 bytes) {
                if (bytes > maxBytes && *stop == Stop::None) {
                    *stop = Stop::TooLarge;
                    reply->abort();
                }
            };
            watchPace(reply, pace, stop, received);
            connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, stopAt]() {
                bool known = false;
                const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
                if (known)
                    stopAt(length);
            });
            connect(reply, &QNetworkReply::downloadProgress, reply, [stopAt, received](qint64 got, qint64) {
                *received = got;
                stopAt(got);
            });
            connect(reply, &QNetworkReply::finished, reply, [this, fetcher, reply, stop, id, maxBytes, listedETag]() {
                NetworkData d;
                if (*stop == Stop::TooLarge) {
                    d = tooLarge(reply, maxBytes);
                    logWarning(lcSync) << "download stopped:" << reply->url().path() << d.errorString;
                } else if (*stop == Stop::TooSlow) {
                    d.kind = NetworkData::Kind::NoAnswer;
                    d.statusCode = 0;
                    d.errorString = tooSlowText();
                    d.complete = true;
                    logWarning(lcSync) << "download stopped:" << reply->url().path() << d.errorString;
                } else {
                    d = oss::checkedDownload(NetworkReply::toData(reply), listedETag);
                }
                reply->deleteLater();
                fetcher->ended();
                emit delivered(id, d);
            });
        });
    }, Qt::QueuedConnection);
}

void DownloadThread::deliver(quint64 id, const NetworkData& data)
{
    const Waiting waiting = m_waiting.take(id);
    if (waiting.context && waiting.done)
        waiting.done(data);
}
