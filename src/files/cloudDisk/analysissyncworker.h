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

    // The status of one document for a run of account: listed is the
    // listing's ETag ("" when the server lacks the document), stored its
    // sidecar, local the MD5 of the local file ("" when there is none).
    // A sidecar of another account counts as none, so that account's
    // documents arrive here as new local documents and nothing of either
    // account is removed. A sidecar that names no account (written before
    // sidecars did) counts as this account's, except that it never leads
    // to a removal or to replacing a local text unasked: such a document
    // is sent or fetched as new, or offered as a conflict. A sidecar with
    // an ETag and no MD5 asks for the local state to go up, whatever it is.
    static int decide(const QString& listed, const MetaData& stored, const QString& local, const QString& account);

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
