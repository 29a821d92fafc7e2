#ifndef DOWNLOADTHREAD_H
#define DOWNLOADTHREAD_H

#include "function/networkdata.h"

#include <QHash>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>

#include <functional>

class QThread;

// Limits on a download's pace beyond the idle time limit: it is given
// up (kind NoAnswer, reason DownloadThread::tooSlowText()) when it has not ended
// deadlineMs after it was sent, or when it brought fewer than
// lowRateBytes a second over lowRateSeconds in a row, as a peer that
// trickles does. A zero turns its limit off.
struct DownloadPace {
    int deadlineMs = 0;
    int lowRateBytes = 0;
    int lowRateSeconds = 0;
};

// Downloads on a thread of its own, with a network access manager of its
// own, for bodies that come from other people (the writing rooms' shared
// documents): receiving them, checking their length and digest and turning
// them into a NetworkData never cost the GUI thread more than the handing
// over of the result. A body larger than its limit is stopped as soon as
// its announced length or what has arrived passes the limit (kind TooLarge,
// with the object's ETag when the answer named one), so it is never taken
// in whole. At most six downloads are under way at once (what the network
// layer sends to one host at a time); the others wait their turn, so a
// download's time limits count from when it is sent.
class DownloadThread : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const NetworkData&)>;

    using Pace = DownloadPace;

    static DownloadThread* instance();
    ~DownloadThread() override;

    // Sends the GET from the download thread. `done` runs on the GUI thread
    // with the checked result, unless `context` is gone by then. A 200
    // answer is checked as oss::checkedDownload checks it (listedETag
    // stands in for a missing ETag).
    void get(const QNetworkRequest& request, qint64 maxBytes, const QString& listedETag, QObject* context,
             Handler done, const Pace& pace = Pace());

    static QString tooLargeText(qint64 maxBytes);
    static QString tooSlowText();

signals:
    void delivered(quint64 id, const NetworkData& data);

private:
    DownloadThread();
    void deliver(quint64 id, const NetworkData& data);

    struct Waiting {
        QPointer<QObject> context;
        Handler done;
    };
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
    QHash<quint64, Waiting> m_waiting;
    quint64 m_next = 0;
};

#endif
