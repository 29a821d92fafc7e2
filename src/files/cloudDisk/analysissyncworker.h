#ifndef ANALYSISSYNCWORKER_H
#define ANALYSISSYNCWORKER_H

#include "files/cloudDisk/metadata.h"
#include "files/cloudDisk/serverfilesmeta.h"

#include <QHash>
#include <QMap>
#include <QObject>

// One run's comparison of the server listing with the local documents and
// their sidecars, on a thread of its own. It reads files only; everything it
// finds goes back to cloudDisk by queued signals.
class AnalysisSyncWorker : public QObject
{
    Q_OBJECT

public:
    explicit AnalysisSyncWorker(const ServerFilesMeta& meta, QObject* parent = nullptr);

    // The action a document needs: a = server ETag equals the stored one,
    // b = stored MD5 equals the local one.
    static SyncAction actionFor(bool a, bool b);

    // The action for one document in a run of account: listed is the
    // listing's ETag ("" when the server lacks the document), stored its
    // sidecar, local the MD5 of the local file ("" when there is none).
    // A sidecar of another account counts as none. A sidecar that names no
    // account (written before sidecars did) counts as this account's,
    // except that it never leads to a removal or to replacing a local text
    // unasked: such a document is sent or fetched as new, or offered as a
    // conflict. A sidecar with an ETag and no MD5 asks for the local state
    // to go up, whatever it is.
    static SyncAction decide(const QString& listed, const MetaData& stored, const QString& local, const QString& account);

    // Whether the folder is account's to sync, judged by all its sidecars
    // (path -> record) and the account's listing (path -> ETag). It is not
    // when a sidecar names another account. Sidecars that name no account
    // are account's when its cloud holds the recorded version (same path,
    // same ETag) of more than half of them, empty texts not counted: nothing
    // else tells who wrote them, and another account may well hold a few of
    // the same texts. A folder without sidecars is anyone's.
    struct Owner
    {
        bool own = true;
        QString otherAccount; // the account the sidecars name, "" when none
    };
    static Owner folderOwner(const QMap<QString, MetaData>& sidecars, const QHash<QString, QString>& listed,
                             const QString& account);

signals:
    void setCloudTips(QString tips);
    void showError(QString text);
    void setUpdating(bool updating);
    void checkSync();
    void addSyncMeta(MetaData mate);
    // The folder was last synced by another account: nothing was queued.
    void otherAccountsFolder(QString account);
    void sglFinished();

public slots:
    bool doWork();

private:
    ServerFilesMeta m_meta;
};

#endif
