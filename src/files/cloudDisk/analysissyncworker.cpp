#include "analysissyncworker.h"

#include "files/cloudDisk/clouddisk.h"
#include "support/log.h"

#include <QMap>

AnalysisSyncWorker::AnalysisSyncWorker(const ServerFilesMeta& meta, QObject* parent)
    : QObject(parent)
    , m_meta(meta)
{
}

int AnalysisSyncWorker::statusFor(bool a, bool b)
{
    if (a && b)
        return 0;
    if (b)
        return 2;
    if (a)
        return 1;
    return 4;
}

int AnalysisSyncWorker::decide(const QString& listed, const MetaData& stored, const QString& local, const QString& account)
{
    const bool hasRecord = !stored.Etag.isEmpty() || !stored.Md5.isEmpty();
    if (hasRecord && !stored.account.isEmpty() && stored.account != account)
        return statusFor(listed.isEmpty(), local.isEmpty());
    // A record with an ETag but no MD5 (a conflict resolved for the local
    // side) means "the local state goes up": a local text is sent, a local
    // deletion carried over, never taken as settled.
    const bool pending = stored.Md5.isEmpty() && !stored.Etag.isEmpty();
    const int status = statusFor(listed == stored.Etag, !pending && stored.Md5 == local);
    if (!hasRecord || !stored.account.isEmpty())
        return status;
    const bool onServer = !listed.isEmpty();
    const bool isLocal = !local.isEmpty();
    if (status == 2 && !onServer)
        return 1; // would remove the local document
    if (status == 1 && !isLocal)
        return 2; // would remove the server's object
    if (status == 2 && isLocal)
        return 4; // would replace the local text without asking
    return status;
}

bool AnalysisSyncWorker::doWork()
{
    if (m_meta.code != 200 || !m_meta.error.isEmpty()) {
        emit setCloudTips(tr("获取云端列表出错"));
        emit showError(tr("获取云端列表出错:") + m_meta.error);
        logWarning(lcSync) << "listing failed:" << m_meta.code << m_meta.error;
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
    for (const serverMeta& server : m_meta.files) {
        MetaData m;
        m.sortPath = server.sortPath;
        m.Etag = server.eTag;
        entries.insert(m.sortPath, m);
    }

    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const MetaData stored = cloudDisk::getMetaData(it.key());
        const QString local = cloudDisk::Md5(it.key());
        const int status = decide(it->Etag, stored, local, m_meta.account);
        if (status == 0)
            continue;
        MetaData queued = it.value();
        queued.status = status;
        queued.account = m_meta.account;
        queued.localMd5 = local;
        emit addSyncMeta(queued);
    }
    emit checkSync();
    emit sglFinished();
    return true;
}
