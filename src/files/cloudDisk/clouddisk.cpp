#include "clouddisk.h"

#include "data/global.h"
#include "data/settings.h"
#include "files/cloudDisk/analysissyncworker.h"
#include "files/cloudDisk/serverfilesmetareply.h"
#include "function/datareply.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "function/oss.h"
#include "function/osslistreply.h"
#include "function/transfercheck.h"
#include "support/log.h"
#include "support/userfile.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

namespace {
TransferResult localFailure(const UserFile::Result& written)
{
    return TransferResult::local(TransferResult::Kind::LocalFailure, written.error);
}

// The time of an HTTP date ("Wed, 09 Dec 2026 19:08:32 GMT"); invalid when
// the text is none.
QDateTime httpDate(const QString& text)
{
    QDateTime time = QLocale::c().toDateTime(text.section(QLatin1Char(' '), 1, 4), QStringLiteral("dd MMM yyyy HH:mm:ss"));
    time.setTimeSpec(Qt::UTC);
    return time;
}
} // namespace

bool cloudDisk::readAll(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool cloudDisk::snapshot(const QString& path)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return false;
    return global::saveTmpFile(path, function::decodeText(bytes));
}

UserDatas* cloudDisk::account()
{
    return Users::instance()->getUserData();
}

cloudDisk::cloudDisk(int period, QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<MetaData>("MetaData");
    qRegisterMetaType<ServerFilesMeta>("ServerFilesMeta");
    qRegisterMetaType<TransferResult>("TransferResult");
    m_timer.setInterval(period);
    connect(&m_timer, &QTimer::timeout, this, [this] { sync(Program); });
    m_timer.start();

    // A run never outlives the account, the switch or the program it ran for;
    // conflicts and the folder question belong to the account they came to.
    UserDatas* user = account();
    connect(user, &UserDatas::loginedChanged, this, [this](bool signedIn) {
        if (signedIn)
            return;
        stop(tr("已退出登录，同步已停止"));
        dropConflicts();
        setQuestion(QString(), QString(), QString());
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

// ---- starting a run --------------------------------------------------------------

void cloudDisk::sync(Origin origin)
{
    // What is typed goes up with this run, not the next one.
    emit global::instance()->saveAllNoTips();
    if (origin == Program) {
        doUpdate(false);
        return;
    }
    if (!account()->logined()) {
        emit global::instance()->settings()->showLogin();
    } else if (questionStands()) {
        emit showFolderQuestion();
    } else if (!m_conflictFileList.isEmpty()) {
        emit global::instance()->showConflictPage();
    } else {
        doUpdate(true);
    }
}

bool cloudDisk::questionStands() const
{
    return folderQuestion() && m_question.login == account()->login() && account()->logined()
        && m_question.folder == localPath(QString());
}

void cloudDisk::setQuestion(const QString& login, const QString& folder, const QString& otherAccount)
{
    const bool before = folderQuestion();
    if (m_question.login == login && m_question.folder == folder && m_question.otherAccount == otherAccount)
        return;
    m_question = Question { login, folder, otherAccount };
    emit folderQuestionChanged();
    if (!before && folderQuestion())
        emit showFolderQuestion();
}

bool cloudDisk::mergeFolder()
{
    if (!questionStands())
        return false;
    const QString login = account()->login();
    const QMap<QString, MetaData> records = sidecars();
    for (const MetaData& record : records) {
        if (record.account == login)
            continue;
        MetaData gone;
        gone.sortPath = record.sortPath;
        const UserFile::Result removed = writeMetaData(gone);
        if (!removed) {
            logWarning(lcSync) << "cannot remove sidecar of" << record.sortPath << removed.error;
            message::show(Message::Error, tr("云同步") + QStringLiteral(": ") + tr("删除元数据失败") + QLatin1Char(':')
                              + record.sortPath + QStringLiteral(" (") + removed.error + QLatin1Char(')'),
                          5000);
            return false;
        }
    }
    logDebug(lcSync) << "folder merged into" << login << ":" << records.size() << "sidecars checked";
    setQuestion(QString(), QString(), QString());
    sync(Writer);
    return true;
}

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
    if (questionStands()) {
        // Nothing moves until the writer has answered.
        showError(tr("文档目录上次由另一个账号同步，等待选择"));
        setCloudTips(tr("文档目录上次由另一个账号同步，等待选择"));
        return;
    }
    setQuestion(QString(), QString(), QString());
    m_run.id = ++m_lastRunId;
    m_run.login = account()->login();
    m_run.folder = localPath(QString());
    m_abortReason.clear();
    m_failures.clear();
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
    dropConflicts();
    setQuestion(QString(), QString(), QString());
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

ServerFilesMetaReply* cloudDisk::serverFiles()
{
    auto* reply = new ServerFilesMetaReply();
    const QString prefix = serverPath(QString());
    if (prefix.isNull()) {
        logDebug(lcSync) << "sync listing without an account name";
        showError(tr("Not logged in:") + QStringLiteral("Not logged in"));
        QTimer::singleShot(10, reply, [reply]() {
            ServerFilesMeta meta;
            meta.result = TransferResult::local(TransferResult::Kind::LocalFailure, QStringLiteral("Not logged in"));
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
        if (result.kind == NetworkData::Kind::Answer && result.statusCode == 200 && result.errorString.isEmpty()) {
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
            NetworkData answer;
            answer.kind = result.kind;
            answer.statusCode = result.statusCode;
            answer.errorString = result.errorString;
            meta.result = TransferResult::failed(answer);
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
    connect(worker, &AnalysisSyncWorker::otherAccountsFolder, this, [this, id](const QString& other) {
        if (!current(id))
            return;
        stop(tr("文档目录上次由另一个账号同步，等待选择"));
        setQuestion(account()->login(), localPath(QString()), other);
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
        if (!m_failures.isEmpty()) {
            // Not complete: what was not transferred is named with its
            // reason, and the next run tries it again.
            QStringList paths;
            for (const auto& failure : qAsConst(m_failures))
                paths << failure.first;
            setCloudTips(tr("同步结束，有文件未能同步") + QLatin1Char(':') + paths.join(QStringLiteral(", ")));
            if (m_showMessage) {
                QStringList named;
                for (const auto& failure : qAsConst(m_failures))
                    named << failure.first + QStringLiteral(" (") + failure.second + QLatin1Char(')');
                message::show(Message::Error, tr("云同步结束，有文件未能同步:") + named.join(QStringLiteral("; ")), 5000);
            }
        } else if (m_conflicts.isEmpty()) {
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
    // One transfer at a time: the next starts from this one's reply. A step
    // that could not reach the store ends the run after it.
    const auto step = [this, path, id](TransferReply* reply, const QString& starting, const QString& ended) {
        setCloudTips(starting + QLatin1Char(':') + path);
        connect(reply, &TransferReply::finished, this, [this, ended, path, id](const TransferResult& result) {
            if (id != m_run.id)
                return;
            if (!result.ok())
                logWarning(lcSync) << path << int(result.kind) << result.httpStatus << result.reason;
            if (result.kind == TransferResult::Kind::Unreachable)
                m_abortReason = path + QStringLiteral(" (")
                    + (result.reason.isEmpty() ? tr("网络连接失败") : result.reason) + QLatin1Char(')');
            else if (result.kind == TransferResult::Kind::Refused || result.kind == TransferResult::Kind::LocalFailure
                     || result.kind == TransferResult::Kind::Changed)
                m_failures << qMakePair(path, result.reason.isEmpty() ? tr("未知错误") : result.reason);
            setCloudTips(ended + QLatin1Char(':') + path);
            checkSync();
        });
    };
    switch (record.status) {
    case SyncAction::Upload: step(upload(record), tr("正在上传文件"), tr("文件上传结束")); break;
    case SyncAction::Download: step(download(record), tr("正在下载文件"), tr("文件下载结束")); break;
    case SyncAction::Conflict: step(conflict(record), tr("正在下载冲突文件"), tr("下载冲突文件结束")); break;
    case SyncAction::None: checkSync();
    }
}

// ---- transfers ---------------------------------------------------------------------

UserFile::Result cloudDisk::record(const QString& path, const QString& etag, const QString& md5)
{
    MetaData done;
    done.sortPath = path;
    done.Etag = etag;
    done.Md5 = md5;
    done.account = m_run.login;
    return writeMetaData(done);
}

TransferReply* cloudDisk::upload(const MetaData& record)
{
    auto* reply = new TransferReply();
    const QString path = record.sortPath;
    const QString file = localPath(path);
    const quint64 id = m_run.id;
    oss* store = global::instance()->getOss();
    const MetaData stored = getMetaData(path);
    const TransferResult stopped = TransferResult::local(TransferResult::Kind::Stopped, QString());
    // Only this account's own record of an object it holds may carry a
    // local deletion over to the server.
    if (!record.Etag.isEmpty() && !stored.Etag.isEmpty() && stored.account == m_run.login && !QFileInfo::exists(file)) {
        logDebug(lcSync) << "delete server copy of" << path;
        connect(store->deleteObject(serverPath(path)), &DataReply::finished, reply, [this, reply, path, id, stopped](NetworkData d) {
            if (!current(id))
                return reply->finish(stopped);
            if (d.kind == NetworkData::Kind::Answer && d.statusCode == 204) {
                MetaData gone;
                gone.sortPath = path;
                const UserFile::Result removed = writeMetaData(gone);
                if (!removed)
                    setCloudTips(tr("删除元数据失败") + QLatin1Char(':') + path);
                return reply->finish(removed ? TransferResult::done(204) : localFailure(removed));
            }
            report(tr("删除远程文件失败"), tr("删除远程文件失败:"), path);
            reply->finish(TransferResult::failed(d));
        });
        return reply;
    }
    QByteArray bytes;
    if (!QFileInfo::exists(file) || !readAll(file, bytes)) {
        // An unreadable or vanished document is never sent as empty content.
        QTimer::singleShot(0, reply, [this, reply, path]() {
            report(tr("上传失败"), tr("上传失败:"), path);
            reply->finish(TransferResult::local(TransferResult::Kind::LocalFailure, tr("无法读取本地文件")));
        });
        return reply;
    }
    connect(store->putObject(serverPath(path), bytes, "text/plain"), &DataReply::finished, reply,
        [this, reply, path, bytes, id, stopped](NetworkData d) {
            if (!current(id))
                return reply->finish(stopped);
            // The object store confirmed these very bytes (oss checks the ETag).
            if (d.kind == NetworkData::Kind::Answer && d.statusCode == 200 && !d.eTag.isEmpty()) {
                const UserFile::Result written = this->record(path, d.eTag, TransferCheck::md5Hex(bytes));
                if (!written)
                    report(tr("更新元数据失败"), tr("更新元数据失败:"), path);
                return reply->finish(written ? TransferResult::done(200) : localFailure(written));
            }
            report(tr("上传失败"), tr("上传失败:"), path);
            reply->finish(TransferResult::failed(d));
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

TransferReply* cloudDisk::download(const MetaData& record)
{
    auto* reply = new TransferReply();
    const QString path = record.sortPath;
    const quint64 id = m_run.id;
    logDebug(lcSync) << "download:" << path;
    // oss hands on a 200 only with a body verified against its ETag (or the
    // listing's), a 404 only when the store said the object is gone.
    connect(global::instance()->getOss()->getObject(serverPath(path), record.Etag), &DataReply::finished, reply,
        [this, reply, record, path, id](NetworkData d) {
            if (!current(id))
                return reply->finish(TransferResult::local(TransferResult::Kind::Stopped, QString()));
            const QString file = localPath(path);
            const bool listed = !record.Etag.isEmpty();
            const bool answered = d.kind == NetworkData::Kind::Answer;
            const bool gone = answered && d.statusCode == 404 && !listed;
            const QString etag = d.eTag.isEmpty() ? record.Etag : d.eTag;
            // A listed object that vanished before the transfer is a failed
            // download, not a deletion made elsewhere.
            if (!gone && !(answered && d.statusCode == 200)) {
                report(tr("下载失败"), tr("下载失败:"), path);
                return reply->finish(TransferResult::failed(d));
            }
            // The local file must still be the one the run compared: a text
            // changed in the meantime is never replaced or removed unasked.
            if (Md5(path) != record.localMd5) {
                report(tr("文件在同步时被修改"), tr("文件在同步时被修改:"), path);
                return reply->finish(TransferResult::local(TransferResult::Kind::Changed, tr("文件在同步时被修改")));
            }
            if (gone) {
                if (!QFileInfo::exists(file)) {
                    report(tr("删除文件不存在"), tr("删除文件不存在::"), path);
                    return reply->finish(TransferResult::local(TransferResult::Kind::Changed, tr("删除文件不存在")));
                }
                const MetaData stored = getMetaData(path);
                QFile local(file);
                if (stored.account != m_run.login || stored.Md5 != record.localMd5 || !snapshot(file) || !local.remove()) {
                    report(tr("删除文件失败"), tr("删除文件失败:"), path);
                    return reply->finish(TransferResult::local(TransferResult::Kind::LocalFailure, local.errorString()));
                }
                MetaData removed;
                removed.sortPath = path;
                setMetaData(removed);
                removeEmptyFolders(QFileInfo(file).path());
                return reply->finish(TransferResult::done(404));
            }
            // A document is replaced only after a history snapshot of it.
            const bool exists = QFileInfo::exists(file);
            const bool same = exists && TransferCheck::md5Hex(d.data) == record.localMd5;
            if (exists && !same && !snapshot(file)) {
                report(tr("写文件失败"), tr("写文件失败:"), path);
                return reply->finish(TransferResult::local(TransferResult::Kind::LocalFailure, tr("无法保存历史记录")));
            }
            const UserFile::Result written = same ? UserFile::Result(true, QString()) : UserFile::write(file, d.data);
            if (!written) {
                // The sidecar stays as it was, so the next run tries again.
                report(tr("写文件失败"), tr("写文件失败:"), path);
                return reply->finish(localFailure(written));
            }
            const UserFile::Result recorded = this->record(path, etag, TransferCheck::md5Hex(d.data));
            if (!recorded)
                report(tr("写元数据失败"), tr("写元数据失败:"), path);
            reply->finish(recorded ? TransferResult::done(200) : localFailure(recorded));
        });
    return reply;
}

TransferReply* cloudDisk::conflict(const MetaData& record)
{
    auto* reply = new TransferReply();
    const QString path = record.sortPath;
    const quint64 id = m_run.id;
    connect(global::instance()->getOss()->getObject(serverPath(path), record.Etag), &DataReply::finished, reply,
        [this, reply, record, path, id](NetworkData d) {
            if (!current(id))
                return reply->finish(TransferResult::local(TransferResult::Kind::Stopped, QString()));
            const QString etag = d.eTag.isEmpty() ? record.Etag : d.eTag;
            const auto later = [reply](const TransferResult& result) {
                QTimer::singleShot(10, reply, [reply, result]() { reply->finish(result); });
            };
            const bool answered = d.kind == NetworkData::Kind::Answer;
            if (answered && d.statusCode == 404) {
                // Gone from the server: the local text goes up again. The
                // step ends with that upload, so the run ends after it.
                connect(upload(record), &TransferReply::finished, reply, [reply](const TransferResult& result) { reply->finish(result); });
                return;
            }
            if (!answered || d.statusCode != 200 || etag.isEmpty()) {
                report(tr("下载失败"), tr("下载失败:"), path);
                return later(TransferResult::failed(d));
            }
            const QString serverMd5 = TransferCheck::md5Hex(d.data);
            if (serverMd5 == Md5(path)) {
                logDebug(lcSync) << "same content:" << serverMd5 << etag << path;
                QTimer::singleShot(10, reply, [this, reply, path, etag, serverMd5, id]() {
                    if (!current(id))
                        return reply->finish(TransferResult::local(TransferResult::Kind::Stopped, QString()));
                    const UserFile::Result recorded = this->record(path, etag, serverMd5);
                    reply->finish(recorded ? TransferResult::done(200) : localFailure(recorded));
                });
                return;
            }
            const QString copy = localPath(path) + QStringLiteral(".server");
            const UserFile::Result written = UserFile::write(copy, d.data);
            if (!written) {
                // The document still differs from the cloud's: it stays a
                // conflict, so the run does not end as complete and nothing
                // is recorded as settled. An older copy would offer a version
                // the cloud no longer holds.
                report(tr("写文件失败"), tr("写入文件失败:"), path);
                QFile::remove(copy);
                listConflict(record, etag);
                return later(localFailure(written));
            }
            // The copy carries the cloud version's time, for the conflict page.
            const QDateTime modified = httpDate(d.lastModified);
            QFile stamped(copy);
            if (modified.isValid() && stamped.open(QIODevice::ReadWrite))
                stamped.setFileTime(modified, QFileDevice::FileModificationTime);
            if (!autoMergeData(path))
                listConflict(record, etag);
            later(TransferResult::done(200));
        });
    return reply;
}

