#ifndef DOWNLOADTHREAD_H
#define DOWNLOADTHREAD_H

#include "function/networkdata.h"

#include <QHash>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>

#include <functional>

class QThread;

// Downloads on a thread of its own, with a network access manager of its
// own, for bodies that come from other people (the writing rooms' shared
// documents): receiving them, checking their length and digest and turning
// them into a NetworkData never cost the GUI thread more than the handing
// over of the result. A body larger than its limit is stopped as soon as
// its announced length or what has arrived passes the limit (kind TooLarge,
// with the object's ETag when the answer named one), so it is never taken
// in whole.
class DownloadThread : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const NetworkData&)>;

    static DownloadThread* instance();
    ~DownloadThread() override;

    // Sends the GET from the download thread. `done` runs on the GUI thread
    // with the checked result, unless `context` is gone by then. A 200
    // answer is checked as oss::checkedDownload checks it (listedETag
    // stands in for a missing ETag).
    void get(const QNetworkRequest& request, qint64 maxBytes, const QString& listedETag, QObject* context,
             Handler done);

    static QString tooLargeText(qint64 maxBytes);

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
