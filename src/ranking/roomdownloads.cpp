#include "roomdownloads.h"

#include "data/global.h"
#include "function/datareply.h"
#include "function/downloadthread.h"
#include "function/oss.h"
#include "support/log.h"

#include <QHash>
#include <QTimer>

namespace {

// Refused versions by key; bounded, as keys come from the bucket.
const int kMaxRemembered = 4096;

QHash<QString, QString>& refusals()
{
    static QHash<QString, QString> byKey;
    return byKey;
}

NetworkData refusal(const QString& eTag, const QString& reason)
{
    NetworkData d;
    d.kind = NetworkData::Kind::TooLarge;
    d.statusCode = 0;
    d.errorString = reason;
    d.eTag = eTag;
    return d;
}

DataReply* answerLater(const NetworkData& d)
{
    auto* reply = new DataReply();
    QTimer::singleShot(1, reply, [reply, d]() {
        emit reply->finished(d);
        reply->deleteLater();
    });
    return reply;
}

oss* store()
{
    return global::instance()->getOss();
}

} // namespace

QString RoomDownloads::refusedText()
{
    return QStringLiteral("refused before, unchanged since");
}

DownloadThread::Pace RoomDownloads::pace(qint64 maxBytes)
{
    DownloadThread::Pace p;
    p.deadlineMs = int(qMin<qint64>(10000 + maxBytes * 1000 / (64 * 1024), 3600 * 1000));
    p.lowRateBytes = 64;
    p.lowRateSeconds = 5;
    return p;
}

void RoomDownloads::refuse(const QString& key, const QString& eTag)
{
    if (eTag.isEmpty())
        return;
    QHash<QString, QString>& known = refusals();
    if (known.size() >= kMaxRemembered && !known.contains(key))
        known.erase(known.begin());
    known.insert(key, eTag);
}

bool RoomDownloads::isRefused(const Listed& listed)
{
    QHash<QString, QString>& known = refusals();
    const auto it = known.find(listed.key);
    if (it == known.end())
        return false;
    if (!listed.eTag.isEmpty() && it.value() == listed.eTag)
        return true;
    // Changed since: read afresh.
    known.erase(it);
    return false;
}

DataReply* RoomDownloads::fetch(const Listed& listed, qint64 maxBytes)
{
    // Said once a version: the refreshes after it only note it.
    if (isRefused(listed)) {
        logDebug(lcRooms) << "room document not fetched:" << listed.key << refusedText();
        return answerLater(refusal(listed.eTag, refusedText()));
    }
    if (listed.size > maxBytes) {
        logWarning(lcRooms) << "room document not fetched:" << listed.key << "is listed with" << listed.size
                            << "bytes, more than" << maxBytes;
        refuse(listed.key, listed.eTag);
        return answerLater(refusal(listed.eTag, DownloadThread::tooLargeText(maxBytes)));
    }
    auto* reply = new DataReply();
    DataReply* fetch = store()->getBoundedObject(listed.key, maxBytes, listed.eTag, pace(maxBytes));
    QObject::connect(fetch, &DataReply::finished, reply, [reply, key = listed.key](const NetworkData& d) {
        if (d.kind == NetworkData::Kind::TooLarge)
            refuse(key, d.eTag);
        emit reply->finished(d);
        reply->deleteLater();
    });
    return reply;
}

DataReply* RoomDownloads::fetchListed(const QString& key, qint64 maxBytes)
{
    auto* reply = new DataReply();
    DataReply* list = store()->getList(key, QString(), QString());
    QObject::connect(list, &DataReply::finished, reply, [reply, key, maxBytes](const NetworkData& d) {
        oss::OssList page;
        Listed listed {key, QString(), -1};
        bool found = false;
        // Without a listing the document is fetched all the same, within
        // its size.
        const bool listedWell = d.statusCode == 200 && oss::parseListPage(d.data, page);
        for (const oss::OssListContent& c : page.contents) {
            if (c.Key != key)
                continue;
            bool ok = false;
            const qint64 size = c.Size.toLongLong(&ok);
            listed = Listed {key, c.ETag, ok ? size : -1};
            found = true;
        }
        if (listedWell && !found) {
            NetworkData missing;
            missing.statusCode = 404;
            missing.complete = true;
            emit reply->finished(missing);
            reply->deleteLater();
            return;
        }
        DataReply* fetch = RoomDownloads::fetch(listed, maxBytes);
        QObject::connect(fetch, &DataReply::finished, reply, [reply](const NetworkData& got) {
            emit reply->finished(got);
            reply->deleteLater();
        });
    });
    return reply;
}
