#include "downloadthread.h"

#include "function/network.h"
#include "function/networkreply.h"
#include "function/oss.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>

namespace {

// Lives on the download thread; its network access manager is made there.
class Fetcher : public QObject
{
public:
    QNetworkAccessManager* manager()
    {
        if (!m_manager)
            m_manager = new QNetworkAccessManager(this);
        return m_manager;
    }

private:
    QNetworkAccessManager* m_manager = nullptr;
};

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

void DownloadThread::get(const QNetworkRequest& request, qint64 maxBytes, const QString& listedETag, QObject* context,
                         Handler done)
{
    const quint64 id = ++m_next;
    m_waiting.insert(id, Waiting {context, std::move(done)});
    QNetworkRequest limited(request);
    if (limited.transferTimeout() <= 0)
        limited.setTransferTimeout(network::transferTimeout());
    auto* fetcher = static_cast<Fetcher*>(m_worker);
    QMetaObject::invokeMethod(fetcher, [this, fetcher, id, limited, maxBytes, listedETag]() {
        QNetworkReply* reply = fetcher->manager()->get(limited);
        auto refused = std::make_shared<bool>(false);
        auto stopAt = [reply, refused, maxBytes](qint64 bytes) {
            if (bytes > maxBytes && !*refused) {
                *refused = true;
                reply->abort();
            }
        };
        connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, stopAt]() {
            bool known = false;
            const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
            if (known)
                stopAt(length);
        });
        connect(reply, &QNetworkReply::downloadProgress, reply, [stopAt](qint64 received, qint64) { stopAt(received); });
        connect(reply, &QNetworkReply::finished, reply, [this, reply, refused, id, maxBytes, listedETag]() {
            NetworkData d;
            if (*refused) {
                d = tooLarge(reply, maxBytes);
                logWarning(lcSync) << "download stopped:" << reply->url().path() << d.errorString;
            } else {
                d = oss::checkedDownload(NetworkReply::toData(reply), listedETag);
            }
            reply->deleteLater();
            emit delivered(id, d);
        });
    }, Qt::QueuedConnection);
}

void DownloadThread::deliver(quint64 id, const NetworkData& data)
{
    const Waiting waiting = m_waiting.take(id);
    if (waiting.context && waiting.done)
        waiting.done(data);
}
