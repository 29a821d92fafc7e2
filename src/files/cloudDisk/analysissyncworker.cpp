#include "analysissyncworker.h"

#include "files/cloudDisk/clouddisk.h"
#include "function/transfercheck.h"
#include "support/log.h"

AnalysisSyncWorker::AnalysisSyncWorker(const ServerFilesMeta& meta, QObject* parent)
    : QObject(parent)
    , m_meta(meta)
{
}

SyncAction AnalysisSyncWorker::actionFor(bool a, bool b)
{
    if (a && b)
        return SyncAction::None;
    if (b)
        return SyncAction::Download;
    if (a)
        return SyncAction::Upload;
    return SyncAction::Conflict;
}

SyncAction AnalysisSyncWorker::decide(const QString& listed, const MetaData& stored, const QString& local, const QString& account)
{
    const bool hasRecord = !stored.Etag.isEmpty() || !stored.Md5.isEmpty();
    if (hasRecord && !stored.account.isEmpty() && stored.account != account)
        return actionFor(listed.isEmpty(), local.isEmpty());
    // A record with an ETag but no MD5 (a conflict resolved for the local
    // side) means "the local state goes up": a local text is sent, a local
    // deletion carried over, never taken as settled.
    const bool pending = stored.Md5.isEmpty() && !stored.Etag.isEmpty();
    const SyncAction action = actionFor(listed == stored.Etag, !pending && stored.Md5 == local);
    if (!hasRecord || !stored.account.isEmpty())
        return action;
    const bool onServer = !listed.isEmpty();
    const bool isLocal = !local.isEmpty();
    if (action == SyncAction::Download && !onServer)
        return SyncAction::Upload; // would remove the local document
    if (action == SyncAction::Upload && !isLocal)
        return SyncAction::Download; // would remove the server's object
    if (action == SyncAction::Download && isLocal)
        return SyncAction::Conflict; // would replace the local text without asking
    return action;
}

AnalysisSyncWorker::Owner AnalysisSyncWorker::folderOwner(const QMap<QString, MetaData>& sidecars,
                                                          const QHash<QString, QString>& listed, const QString& account)
{
    // An empty text has the same ETag in every account: it vouches for nobody.
    static const QString emptyText = TransferCheck::md5Hex(QByteArray());
    bool named = false;
    bool unnamed = false;
    int weighed = 0;
    int vouched = 0;
    for (const MetaData& record : sidecars) {
        if (!record.account.isEmpty() && record.account != account)
            return { false, record.account };
        named = named || record.account == account;
        if (!record.account.isEmpty())
            continue;
        unnamed = true;
        if (record.Etag.isEmpty() || TransferCheck::md5OfETag(record.Etag) == emptyText)
            continue;
        ++weighed;
        vouched += listed.value(record.sortPath) == record.Etag ? 1 : 0;
    }
    return { named || !unnamed || 2 * vouched > weighed, QString() };
}

bool AnalysisSyncWorker::doWork()
{
    if (!m_meta.result.ok()) {
        // The tooltip says why as well: a device clock far from the
        // server's, say, fails every listing until it is set right.
        emit setCloudTips(tr("获取云端列表出错") + QLatin1Char(':') + m_meta.result.reason);
        emit showError(tr("获取云端列表出错:") + m_meta.result.reason);
        logWarning(lcSync) << "listing failed:" << m_meta.result.httpStatus << m_meta.result.reason;
        emit setUpdating(false);
        emit sglFinished();
        return false;
    }

    QMap<QString, MetaData> entries;
    for (const localMeta& local : cloudDisk::localFiles()) {
        MetaData m;
        m.sortPath = local.sortPath;
        entries.insert(m.sortPath, m);
    }
    QHash<QString, QString> listed;
    for (const serverMeta& server : m_meta.files) {
        MetaData m;
        m.sortPath = server.sortPath;
        m.Etag = server.eTag;
        entries.insert(m.sortPath, m);
        listed.insert(server.sortPath, server.eTag);
    }

    // Another account's folder: nothing moves until the writer says so.
    const QMap<QString, MetaData> sidecars = cloudDisk::sidecars();
    const Owner owner = folderOwner(sidecars, listed, m_meta.account);
    if (!owner.own) {
        logDebug(lcSync) << "folder last synced by another account:" << owner.otherAccount;
        emit otherAccountsFolder(owner.otherAccount);
        emit sglFinished();
        return false;
    }

    for (auto it = entries.begin(); it != entries.end(); ++it) {
        MetaData stored = sidecars.value(it.key());
        stored.sortPath = it.key();
        const QString local = cloudDisk::Md5(it.key());
        const SyncAction action = decide(it->Etag, stored, local, m_meta.account);
        if (action == SyncAction::None)
            continue;
        MetaData queued = it.value();
        queued.status = action;
        queued.account = m_meta.account;
        queued.localMd5 = local;
        emit addSyncMeta(queued);
    }
    emit checkSync();
    emit sglFinished();
    return true;
}
