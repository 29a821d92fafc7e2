#include "clouddisk.h"

#include "mark/markmodel.h"

#include "data/global.h"
#include "data/settings.h"
#include "files/cloudDisk/analysissyncworker.h"
#include "files/cloudDisk/serverfilesmetareply.h"
#include "function/boolreply.h"
#include "function/datareply.h"
#include "function/function.h"
#include "function/message.h"
#include "function/oss.h"
#include "function/osslistreply.h"
#include "function/transfercheck.h"
#include "support/log.h"
#include "support/userfile.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QThread>

namespace {
void finish(BoolReply* reply, bool value)
{
    emit reply->finished(value);
    reply->deleteLater();
}

QString md5Hex(const QByteArray& bytes)
{
    return TransferCheck::md5Hex(bytes);
}

// Documents and sidecars are replaced whole or not at all.
bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    return bool(UserFile::write(path, bytes));
}

// Reads a whole file; false when it exists but cannot be read.
bool readAll(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// A history snapshot of a document before the sync replaces or removes it.
bool snapshot(const QString& path)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return false;
    return global::saveTmpFile(path, function::decodeText(bytes));
}

UserDatas* account() { return Users::instance()->getUserData(); }
} // namespace

cloudDisk::cloudDisk(int period, QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<MetaData>("MetaData");
    qRegisterMetaType<ServerFilesMeta>("ServerFilesMeta");
    m_timer.setInterval(period);
    connect(&m_timer, &QTimer::timeout, this, [this] { doUpdate(false); });
    m_timer.start();

    // A run never outlives the account, the switch or the program it ran for.
    UserDatas* user = account();
    connect(user, &UserDatas::loginedChanged, this, [this](bool signedIn) {
        if (!signedIn)
            stop(tr("已退出登录，同步已停止"));
    });
    connect(user, &UserDatas::loginChanged, this, &cloudDisk::accountChanged);
    if (Settings* settings = global::instance()->settings()) {
        connect(settings, &Settings::useCloudChanged, this, [this]() {
            if (!global::instance()->settings()->useCloud())
                stop(tr("云同步已关闭，同步已停止"));
        });
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this]() { stop(tr("程序退出，同步已停止")); });
}

cloudDisk::~cloudDisk()
{
    endRun();
}

cloudDisk::cloudDisk(const QString&, const QString&, int interval)
    : cloudDisk(interval, nullptr)
{
}

// ---- properties -----------------------------------------------------------------

void cloudDisk::setUpdating(bool value)
{
    if (m_updating == value)
        return;
    m_updating = value;
    emit updatingChanged(value);
}

void cloudDisk::setCloudTips(const QString& value)
{
    if (m_cloudTips == value)
        return;
    m_cloudTips = value;
    emit cloudTipsChanged(value);
}

void cloudDisk::setConflictFileList(const QStringList& value)
{
    if (m_conflictFileList == value)
        return;
    m_conflictFileList = value;
    emit conflictFileListChanged(value);
}

void cloudDisk::report(const QString& tips, const QString& notice, const QString& path)
{
    setCloudTips(tips + QLatin1Char(':') + path);
    showError(notice + path);
}

void cloudDisk::showError(const QString& text)
{
    if (m_showMessage)
        message::show(Message::Error, tr("云同步") + QStringLiteral(": ") + text, 5000);
}

// ---- records, sidecars and paths -------------------------------------------------

const QStringList& cloudDisk::cloudFilters()
{
    static const QStringList filters { QStringLiteral("*.md"), QStringLiteral("*.txt"), QStringLiteral("*.mark") };
    return filters;
}

QString cloudDisk::serverPath(const QString& rel)
{
    UserDatas* user = account();
    if (!user->logined() || user->login().isEmpty())
        return QString();
    return QStringLiteral("data/") + user->login() + QLatin1Char('/') + rel;
}

QString cloudDisk::localPath(const QString& rel)
{
    if (rel.isEmpty())
        return global::documentPath();
    return global::documentPath() + QLatin1Char('/') + rel;
}

QString cloudDisk::metaFilePath(const QString& rel)
{
    return global::metaDataPath() + rel + QStringLiteral(".meta");
}

QUrl cloudDisk::getLocalFullPath(const QString& rel) const
{
    return QUrl(QStringLiteral("file:///") + localPath(rel));
}

QUrl cloudDisk::getServerFullPath(const QString& rel) const
{
    return QUrl(QStringLiteral("file:///") + localPath(rel) + QStringLiteral(".server"));
}

QString cloudDisk::conflictFileName(const QString& path)
{
    const QFileInfo info(path);
    return info.path() + QLatin1Char('/') + info.baseName() + QLatin1Char('.') + info.suffix() + QStringLiteral(".server");
}

MetaData cloudDisk::getMetaData(const QString& rel)
{
    MetaData record;
    record.sortPath = rel;
    QFile file(metaFilePath(rel));
    if (!file.open(QIODevice::ReadOnly))
        return record;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return record;
    const QJsonObject o = doc.object();
    record.Etag = o.value(QStringLiteral("ETag")).toString(QStringLiteral(""));
    record.Md5 = o.value(QStringLiteral("Md5")).toString(QStringLiteral(""));
    record.account = o.value(QStringLiteral("Account")).toString(QStringLiteral(""));
    return record;
}

bool cloudDisk::setMetaData(const MetaData& record)
{
    const QString path = metaFilePath(record.sortPath);
    if (record.Md5.isEmpty() && record.Etag.isEmpty())
        return QFile::remove(path);
    // Written by hand to keep the key order fixed. "Account" comes last and
    // only when known, so older readers see the keys they know.
    const auto value = [](const QString& text) {
        return QJsonDocument(QJsonObject { { "v", text } }).toJson(QJsonDocument::Compact).mid(5).chopped(1);
    };
    QByteArray json = "{\"ETag\":" + value(record.Etag) + ",\"Md5\":" + value(record.Md5) + ",\"SortPath\":" + value(record.sortPath);
    if (!record.account.isEmpty())
        json += ",\"Account\":" + value(record.account);
    return writeAtomically(path, json + "}");
}

QString cloudDisk::Md5(const QString& rel)
{
    const QString path = localPath(rel);
    if (!QFileInfo::exists(path))
        return QStringLiteral("");
    QByteArray bytes;
    readAll(path, bytes);
    return md5Hex(bytes);
}

QStringList cloudDisk::findFiles(QString folder, const QStringList& patterns)
{
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    while (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    QStringList result;
    QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::Files, QDir::Unsorted))
        result << folder + QLatin1Char('/') + name;
    static const QStringList skipped { QStringLiteral(".History"), QStringLiteral(".MetaData"), QStringLiteral(".history"),
        QStringLiteral("."), QStringLiteral("..") };
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (!skipped.contains(name))
            result << findFiles(folder + QLatin1Char('/') + name, patterns);
    }
    return result;
}

QList<localMeta> cloudDisk::localFiles()
{
    const QString root = localPath(QString());
    QList<localMeta> list;
    for (const QString& full : findFiles(root, cloudFilters())) {
        localMeta m;
        m.sortPath = full.mid(root.size() + 1);
        list << m;
    }
    return list;
}

QString cloudDisk::relativeKey(const QString& key, const QString& prefix)
{
    if (!key.startsWith(prefix))
        return QString();
    QString rel = key.mid(prefix.size());
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (rel.isEmpty() || rel.contains(QLatin1Char('\\')) || rel.contains(QChar(0)))
        return QString();
    const QStringList parts = rel.split(QLatin1Char('/'));
    static const QStringList reserved { QStringLiteral(".MetaData"), QStringLiteral(".History"), QStringLiteral(".history") };
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") || reserved.contains(part))
            return QString();
    }
    if (!QDir::match(cloudFilters(), parts.last()))
        return QString();
    return rel;
}

QString cloudDisk::mergeMarkFiles(const QString& localFile, const QString& serverCopy)
{
    return MarkModel::mergeJsonFiles(localFile, serverCopy);
}

// ---- a run --------------------------------------------------------------------------

void cloudDisk::doUpdate(bool showMessage)
{
    m_showMessage = showMessage;
    if (!account()->logined()) {
        showError(tr("没有登陆"));
        if (m_updating)
            stop(tr("已退出登录，同步已停止"));
        setUpdating(false);
        return;
    }
    if (!global::instance()->settings()->useCloud()) {
        showError(tr("设置中取消了云同步功能"));
        if (m_updating)
            stop(tr("云同步已关闭，同步已停止"));
        setUpdating(false);
        return;
    }
    if (m_updating) {
        showError(tr("另一个云同步线程正在运行"));
        return;
    }
    m_run.id = ++m_lastRunId;
    m_run.login = account()->login();
    m_run.folder = localPath(QString());
    m_abortReason.clear();
    setUpdating(true);
    setCloudTips(tr("云同步开始"));
    m_conflicts.clear();
    if (m_conflictFileList.isEmpty()) {
        emit conflictFileListChanged(m_conflictFileList);
    } else {
        setConflictFileList(QStringList());
    }
    const quint64 id = m_run.id;
    connect(serverFiles(), &ServerFilesMetaReply::finished, this, [this, id](const ServerFilesMeta& meta) {
        if (current(id))
            analysisSyncMeta(meta);
    });
}

QString cloudDisk::invalidReason() const
{
    UserDatas* user = account();
    if (!user->logined())
        return tr("已退出登录，同步已停止");
    if (user->login() != m_run.login)
        return tr("账号已切换，同步已停止");
    if (!global::instance()->settings()->useCloud())
        return tr("云同步已关闭，同步已停止");
    if (localPath(QString()) != m_run.folder)
        return tr("文档目录已更换，同步已停止");
    return QString();
}

bool cloudDisk::current(quint64 id) const
{
    return id != 0 && id == m_run.id && m_updating && invalidReason().isEmpty();
}

void cloudDisk::accountChanged()
{
    if (m_updating && account()->login() != m_run.login)
        stop(tr("账号已切换，同步已停止"));
}

void cloudDisk::endRun()
{
    m_queue.clear();
    m_run = Run();
    m_abortReason.clear();
}

void cloudDisk::stop(const QString& tips)
{
    if (!m_updating && m_run.id == 0)
        return;
    logDebug(lcSync) << "sync stopped:" << tips;
    endRun();
    setCloudTips(tips);
    setUpdating(false);
}

void cloudDisk::noteFailure(const NetworkData& answer, const QString& path)
{
    if (answer.statusCode == 0 || answer.statusCode == 406)
        m_abortReason = path + QStringLiteral(" (") + (answer.errorString.isEmpty() ? tr("网络连接失败") : answer.errorString)
            + QLatin1Char(')');
}

ServerFilesMetaReply* cloudDisk::serverFiles()
{
    auto* reply = new ServerFilesMetaReply();
    const QString prefix = serverPath(QString());
    if (prefix.isNull()) {
        logDebug(lcSync) << "sync listing without an account name";
        showError(tr("Not logged in:") + QStringLiteral("Not logged in"));
        QTimer::singleShot(10, reply, [reply]() {
            ServerFilesMeta meta;
            meta.code = 401;
            meta.error = QStringLiteral("Not logged in");
            emit reply->finished(meta);
            reply->deleteLater();
        });
        return reply;
    }
    const QString login = account()->login();
    OssListReply* list = global::instance()->getOss()->getFullList(prefix, QString());
    connect(list, &OssListReply::finished, reply, [reply, prefix, login](oss::OssList result) {
        ServerFilesMeta meta;
        meta.account = login;
        if (result.statusCode == 200 && result.errorString.isEmpty()) {
            for (const oss::OssListContent& c : result.contents) {
                const QString rel = relativeKey(c.Key, prefix);
                if (rel.isNull()) {
                    logDebug(lcSync) << "skipped listed key:" << c.Key;
                    continue;
                }
                meta.files << serverMeta { rel, c.ETag };
            }
        } else {
            logWarning(lcSync) << "listing:" << result.statusCode << result.errorString;
            meta.code = result.statusCode;
            meta.error = result.errorString;
        }
        emit reply->finished(meta);
        reply->deleteLater();
    });
    return reply;
}

void cloudDisk::analysisSyncMeta(const ServerFilesMeta& meta)
{
    auto* worker = new AnalysisSyncWorker(meta);
    auto* thread = new QThread();
    worker->moveToThread(thread);
    connect(worker, &AnalysisSyncWorker::sglFinished, thread, &QThread::quit);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::started, worker, &AnalysisSyncWorker::doWork);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    // What the worker sends counts only while its run is still the active one.
    const quint64 id = m_run.id;
    connect(worker, &AnalysisSyncWorker::setCloudTips, this, [this, id](const QString& tips) {
        if (current(id))
            setCloudTips(tips);
    });
    connect(worker, &AnalysisSyncWorker::showError, this, [this, id](const QString& text) {
        if (current(id))
            showError(text);
    });
    connect(worker, &AnalysisSyncWorker::checkSync, this, [this, id]() {
        if (id == m_run.id)
            checkSync();
    });
    connect(worker, &AnalysisSyncWorker::setUpdating, this, [this, id](bool value) {
        if (id != m_run.id)
            return;
        if (!value)
            endRun();
        setUpdating(value);
    });
    connect(worker, &AnalysisSyncWorker::addSyncMeta, this, [this, id](const MetaData& record) {
        if (current(id))
            addSyncMeta(record);
    });
    thread->start();
}

void cloudDisk::addSyncMeta(MetaData record)
{
    setUpdating(true);
    m_queue << record;
}

void cloudDisk::checkSync()
{
    if (m_updating && m_run.id != 0) {
        const QString invalid = invalidReason();
        if (!invalid.isEmpty()) {
            stop(invalid);
            return;
        }
        if (!m_abortReason.isEmpty()) {
            // The network does not carry the store's answers: the rest
            // waits for the next run instead of each waiting for its limit.
            const QString reason = m_abortReason;
            stop(tr("同步中断"));
            showError(tr("同步中断:") + reason);
            return;
        }
    }
    if (m_queue.isEmpty()) {
        if (m_conflicts.isEmpty()) {
            setCloudTips(tr("同步完成"));
            if (m_showMessage)
                message::show(function::isPc() ? Message::Note : Message::Tips, tr("同步完成"), 5000);
        } else {
            setCloudTips(tr("有冲突文件待处理"));
            if (m_showMessage)
                message::show(Message::Warn, tr("云同步:有冲突文件待处理"), 5000);
        }
        endRun();
        setUpdating(false);
        return;
    }
    const MetaData record = m_queue.takeFirst();
    const QString path = record.sortPath;
    const quint64 id = m_run.id;
    // One transfer at a time: the next starts from this one's reply.
    const auto step = [this, path, id](BoolReply* reply, const QString& starting, const QString& ended) {
        setCloudTips(starting + QLatin1Char(':') + path);
        connect(reply, &BoolReply::finished, this, [this, ended, path, id]() {
            if (id != m_run.id)
                return;
            setCloudTips(ended + QLatin1Char(':') + path);
            checkSync();
        });
    };
    switch (record.status) {
    case 1: step(upload(record), tr("正在上传文件"), tr("文件上传结束")); break;
    case 2: step(download(record), tr("正在下载文件"), tr("文件下载结束")); break;
    case 4: step(conflict(record), tr("正在下载冲突文件"), tr("下载冲突文件结束")); break;
    default: checkSync();
    }
}

// ---- transfers ---------------------------------------------------------------------

bool cloudDisk::record(const QString& path, const QString& etag, const QString& md5)
{
    MetaData done;
    done.sortPath = path;
    done.Etag = etag;
    done.Md5 = md5;
    done.account = m_run.login;
    return setMetaData(done);
}

BoolReply* cloudDisk::upload(const MetaData& record)
{
    auto* reply = new BoolReply();
    const QString path = record.sortPath;
    const QString file = localPath(path);
    const quint64 id = m_run.id;
    oss* store = global::instance()->getOss();
    const MetaData stored = getMetaData(path);
    // Only this account's own record of an object it holds may carry a
    // local deletion over to the server.
    if (!record.Etag.isEmpty() && !stored.Etag.isEmpty() && stored.account == m_run.login && !QFileInfo::exists(file)) {
        logDebug(lcSync) << "delete server copy of" << path;
        connect(store->deleteObject(serverPath(path)), &DataReply::finished, reply, [this, reply, path, id](NetworkData d) {
            if (!current(id)) {
                finish(reply, false);
                return;
            }
            if (d.statusCode == 204) {
                MetaData gone;
                gone.sortPath = path;
                if (!setMetaData(gone))
                    setCloudTips(tr("删除元数据失败") + QLatin1Char(':') + path);
                finish(reply, true);
                return;
            }
            noteFailure(d, path);
            report(tr("删除远程文件失败"), tr("删除远程文件失败:"), path);
            finish(reply, false);
        });
        return reply;
    }
    QByteArray bytes;
    if (!QFileInfo::exists(file) || !readAll(file, bytes)) {
        // An unreadable or vanished document is never sent as empty content.
        QTimer::singleShot(0, reply, [this, reply, path]() {
            report(tr("上传失败"), tr("上传失败:"), path);
            finish(reply, false);
        });
        return reply;
    }
    connect(store->putObject(serverPath(path), bytes, "text/plain"), &DataReply::finished, reply,
        [this, reply, path, bytes, id](NetworkData d) {
            if (!current(id)) {
                finish(reply, false);
                return;
            }
            // The object store confirmed these very bytes (oss checks the ETag).
            if (d.statusCode == 200 && !d.eTag.isEmpty()) {
                if (!this->record(path, d.eTag, md5Hex(bytes)))
                    report(tr("更新元数据失败"), tr("更新元数据失败:"), path);
                finish(reply, true);
                return;
            }
            noteFailure(d, path);
            report(tr("上传失败"), tr("上传失败:"), path);
            finish(reply, false);
        });
    return reply;
}

void cloudDisk::removeEmptyFolders(const QString& folder)
{
    const QString root = QDir::cleanPath(localPath(QString()));
    QString current = QDir::cleanPath(folder);
    while (current != root && current.startsWith(root + QLatin1Char('/'))) {
        if (!QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
            return;
        const bool removed = QDir().rmdir(current);
        logDebug(lcSync) << "rmovepath:" << removed << current;
        if (!removed)
            return;
        current = QFileInfo(current).path();
    }
}

BoolReply* cloudDisk::download(const MetaData& record)
{
    auto* reply = new BoolReply();
    const QString path = record.sortPath;
    const quint64 id = m_run.id;
    logDebug(lcSync) << "download:" << path;
    // oss hands on a 200 only with a body verified against its ETag (or the
    // listing's), a 404 only when the store said the object is gone.
    connect(global::instance()->getOss()->getObject(serverPath(path), record.Etag), &DataReply::finished, reply,
        [this, reply, record, path, id](NetworkData d) {
            if (!current(id)) {
                finish(reply, false);
                return;
            }
            const QString file = localPath(path);
            const bool listed = !record.Etag.isEmpty();
            const QString etag = d.eTag.isEmpty() ? record.Etag : d.eTag;
            // A listed object that vanished before the transfer is a failed
            // download, not a deletion made elsewhere.
            if (d.statusCode != 200 && !(d.statusCode == 404 && !listed)) {
                noteFailure(d, path);
                report(tr("下载失败"), tr("下载失败:"), path);
                finish(reply, false);
                return;
            }
            // The local file must still be the one the run compared: a text
            // changed in the meantime is never replaced or removed unasked.
            if (Md5(path) != record.localMd5) {
                report(tr("文件在同步时被修改"), tr("文件在同步时被修改:"), path);
                finish(reply, false);
                return;
            }
            if (d.statusCode == 404) {
                if (!QFileInfo::exists(file)) {
                    report(tr("删除文件不存在"), tr("删除文件不存在::"), path);
                    finish(reply, false);
                    return;
                }
                const MetaData stored = getMetaData(path);
                if (stored.account != m_run.login || stored.Md5 != record.localMd5) {
                    report(tr("删除文件失败"), tr("删除文件失败:"), path);
                    finish(reply, false);
                    return;
                }
                if (!snapshot(file) || !QFile::remove(file)) {
                    report(tr("删除文件失败"), tr("删除文件失败:"), path);
                    finish(reply, false);
                    return;
                }
                MetaData gone;
                gone.sortPath = path;
                setMetaData(gone);
                removeEmptyFolders(QFileInfo(file).path());
                finish(reply, true);
                return;
            }
            // A document is replaced only after a history snapshot of it.
            const bool exists = QFileInfo::exists(file);
            const bool same = exists && md5Hex(d.data) == record.localMd5;
            if ((exists && !same && !snapshot(file)) || (!same && !writeAtomically(file, d.data))) {
                // The sidecar stays as it was, so the next run tries again.
                report(tr("写文件失败"), tr("写文件失败:"), path);
                finish(reply, false);
                return;
            }
            if (!this->record(path, etag, md5Hex(d.data)))
                report(tr("写元数据失败"), tr("写元数据失败:"), path);
            finish(reply, true);
        });
    return reply;
}

BoolReply* cloudDisk::conflict(const MetaData& record)
{
    auto* reply = new BoolReply();
    const QString path = record.sortPath;
    const quint64 id = m_run.id;
    connect(global::instance()->getOss()->getObject(serverPath(path), record.Etag), &DataReply::finished, reply,
        [this, reply, record, path, id](NetworkData d) {
            if (!current(id)) {
                finish(reply, false);
                return;
            }
            const QString etag = d.eTag.isEmpty() ? record.Etag : d.eTag;
            const auto later = [reply](bool value) { QTimer::singleShot(10, reply, [reply, value]() { finish(reply, value); }); };
            if (d.statusCode == 404) {
                // Gone from the server: the local text goes up again. The
                // step ends with that upload, so the run ends after it.
                connect(upload(record), &BoolReply::finished, reply, [reply](bool ok) { finish(reply, ok); });
                return;
            }
            if (d.statusCode != 200 || etag.isEmpty()) {
                noteFailure(d, path);
                report(tr("下载失败"), tr("下载失败:"), path);
                later(false);
                return;
            }
            const QString serverMd5 = md5Hex(d.data);
            if (serverMd5 == Md5(path)) {
                logDebug(lcSync) << "same content:" << serverMd5 << etag << path;
                QTimer::singleShot(10, reply, [this, reply, path, etag, serverMd5, id]() {
                    if (current(id))
                        this->record(path, etag, serverMd5);
                    finish(reply, true);
                });
                return;
            }
            if (!writeAtomically(localPath(path) + QStringLiteral(".server"), d.data)) {
                // Without the server's copy there is nothing to choose from.
                report(tr("写文件失败"), tr("写入文件失败:"), path);
                later(false);
                return;
            }
            if (!autoMergeData(path)) {
                MetaData pending = record;
                pending.Etag = etag;
                m_conflicts << pending;
                m_conflictFileList << path;
                emit conflictFileListChanged(m_conflictFileList);
            }
            later(true);
        });
    return reply;
}

bool cloudDisk::autoMergeData(const QString& sortPath)
{
    if (sortPath.mid(sortPath.lastIndexOf(QLatin1Char('.')) + 1) != QLatin1String("mark"))
        return false;
    const QString file = localPath(sortPath);
    const QString merged = mergeMarkFiles(file, file + QStringLiteral(".server"));
    if (merged.isEmpty())
        return false;
    return writeAtomically(file, merged.toUtf8());
}

// ---- resolution ----------------------------------------------------------------------

bool cloudDisk::solveConflict(const QString& sortPath, int keep)
{
    if (sortPath.isEmpty())
        return true;
    MetaData found;
    for (const MetaData& m : m_conflicts) {
        if (m.sortPath == sortPath)
            found = m;
    }
    const QString file = localPath(sortPath);
    const QString copy = file + QStringLiteral(".server");
    logDebug(lcSync) << "server copy:" << copy;

    // The server's version counts as seen and the MD5 stays empty: the next
    // run sends the local state, a text or a deletion.
    const auto writeRecord = [this, &found, sortPath]() {
        MetaData record;
        record.sortPath = sortPath;
        record.Etag = found.Etag;
        record.account = found.account;
        if (!setMetaData(record)) {
            report(tr("更新元数据失败"), tr("更新元数据失败:"), found.sortPath);
        }
    };

    if (keep == 0) {
        if (QFile::remove(copy))
            writeRecord();
    } else if (keep == 1) {
        QByteArray bytes;
        if (!QFileInfo::exists(copy) || !readAll(copy, bytes))
            return false;
        // The local text goes to the history before the server's replaces it;
        // a document that cannot be replaced stays in conflict.
        if (QFileInfo::exists(file) && !snapshot(file))
            return false;
        if (!writeAtomically(file, bytes) || !QFile::remove(copy))
            return false;
    } else if (keep == 2) {
        if (!QFileInfo::exists(copy))
            return false;
        const QFileInfo info(file);
        const QString folder = info.absolutePath();
        const QString base = info.fileName().section(QLatin1Char('.'), 0, 0);
        const QString suffix = info.fileName().section(QLatin1Char('.'), -1);
        QString target = file;
        for (int n = 0; QFileInfo::exists(target); ++n) {
            target = folder + QLatin1Char('/') + base + QLatin1Char('_') + tr("冲突")
                + (n == 0 ? QString() : QLatin1Char('_') + QString::number(n)) + QLatin1Char('.') + suffix;
        }
        if (!QFile::rename(copy, target))
            return false;
        writeRecord();
    }

    for (int i = m_conflicts.size() - 1; i >= 0; --i) {
        if (m_conflicts[i].sortPath == sortPath)
            m_conflicts.removeAt(i);
    }
    QStringList list = m_conflictFileList;
    list.removeOne(sortPath);
    setConflictFileList(list);
    return true;
}
