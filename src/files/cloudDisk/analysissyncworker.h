#ifndef ANALYSISSYNCWORKER_H
#define ANALYSISSYNCWORKER_H

#include "files/cloudDisk/metadata.h"
#include "files/cloudDisk/serverfilesmeta.h"

#include <QObject>

// One run's comparison of the server listing with the local documents and
// their sidecars, on a thread of its own. It reads files only; everything it
// finds goes back to cloudDisk by queued signals.
class AnalysisSyncWorker : public QObject
{
    Q_OBJECT

public:
    explicit AnalysisSyncWorker(const ServerFilesMeta& meta, QObject* parent = nullptr);

    // The status a document needs: a = server ETag equals the stored one,
    // b = stored MD5 equals the local one.
    static int statusFor(bool a, bool b);

signals:
    void setCloudTips(QString tips);
    void showError(QString text);
    void setUpdating(bool updating);
    void checkSync();
    void addSyncMeta(MetaData mate);
    void sglFinished();

public slots:
    bool doWork();

private:
    ServerFilesMeta m_meta;
};

#endif
