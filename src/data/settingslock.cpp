#include "settingslock.h"

#include "TovaUi/function/message.h"
#include "support/log.h"
#include "support/writenotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QTemporaryDir>

namespace {
QTemporaryDir* privateFolder = nullptr;
// The private folder's settings file: a link to the real one, or a copy
// (or nothing) once the real one is no longer written.
QString privateFile;
bool writingElsewhere = false;

// What settle() was given: beforeWrite() takes the same lock.
QString realFile;
int lockWaitMs = 0;

void removeFolder()
{
    delete privateFolder;
    privateFolder = nullptr;
}

// False when the lock stayed held by another program for waitMs. A lock
// that cannot be made at all (a full disk, a read-only folder) is no wait:
// the writes fail at once and are told.
bool lockFree(QLockFile& lock, int waitMs)
{
    return lock.tryLock(waitMs) || lock.error() != QLockFile::LockFailedError;
}

// QSettings reads and writes in a private folder from now on. Without one
// (no room for it) it stays on the real file.
void usePrivateFolder(QSettings::Format format)
{
    privateFolder = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/penlark-settings-XXXXXX"));
    if (!privateFolder->isValid()) {
        logWarning(lcApp) << "no private settings folder; QSettings uses its own lock:" << privateFolder->errorString();
        return removeFolder();
    }
    privateFile = privateFolder->path() + QLatin1Char('/') + QFileInfo(realFile).absolutePath().section(QLatin1Char('/'), -1)
        + QLatin1Char('/') + QFileInfo(realFile).fileName();
    QDir().mkpath(QFileInfo(privateFile).absolutePath());
    QFile::link(realFile, privateFile);
    QSettings::setPath(format, QSettings::UserScope, privateFolder->path());
    qAddPostRoutine(removeFolder);
}

// The real file is read from a copy and no longer written (not read at all
// unless `copied`).
void writeElsewhere(bool copied)
{
    writingElsewhere = true;
    QFile::remove(privateFile);
    if (copied && QFileInfo::exists(realFile))
        QFile::copy(realFile, privateFile);
}

// A temporary-folder cleaner on a long-running desktop may remove the link
// (or its folder) while the program runs; QSettings would then write a file
// of its own there that nobody reads again. So the link is checked before
// every write and made again; false (with the reason) when it cannot be.
bool linkInPlace(QString* reason)
{
    const QFileInfo link(privateFile);
    if (link.isSymLink() && link.symLinkTarget() == QFileInfo(realFile).absoluteFilePath())
        return true;
    logWarning(lcApp) << "the private settings link is gone or replaced; making it again:" << privateFile;
    QFile made(realFile);
    if ((link.exists() || link.isSymLink()) && !QFile::remove(privateFile)) {
        *reason = QFile(privateFile).errorString();
        return false;
    }
    if (!QDir().mkpath(link.absolutePath()) || !made.link(privateFile)) {
        *reason = made.errorString();
        if (reason->isEmpty())
            *reason = QCoreApplication::translate("SettingsLock", "无法在临时文件夹中建立链接");
        return false;
    }
    return true;
}

void tellLocked()
{
    writeElsewhere(true);
    logWarning(lcApp) << "the settings file is locked by another program; its settings are read, not written:" << realFile;
    message::showLater(Message::Warn, QCoreApplication::translate("SettingsLock", "设置文件被另一个程序锁定，本次运行中的设置更改不会保存：")
                                          + QDir::toNativeSeparators(realFile));
}
} // namespace

bool SettingsLock::settle(const QString& settingsFile, QSettings::Format format, int waitMs)
{
    realFile = settingsFile;
    lockWaitMs = waitMs;
    usePrivateFolder(format);
    if (QFileInfo(settingsFile).size() > largestBytes) {
        logWarning(lcApp) << "the settings file is too large to be read; this run uses the defaults:" << settingsFile;
        writeElsewhere(false);
        message::showLater(Message::Warn, QCoreApplication::translate("SettingsLock", "设置文件过大，未读取，本次运行使用默认设置且不保存更改：")
                                              + QDir::toNativeSeparators(settingsFile));
        return false;
    }
    QLockFile lock(realFile + QStringLiteral(".lock"));
    if (lockFree(lock, waitMs))
        return true;
    tellLocked();
    return false;
}

QString SettingsLock::realName(const QString& name)
{
    if (!writingElsewhere && !privateFile.isEmpty() && name == privateFile)
        return realFile;
    const QString target = QFileInfo(name).symLinkTarget();
    return target.isEmpty() ? name : target;
}

std::shared_ptr<void> SettingsLock::beforeWrite()
{
    // One hold for the whole process: a change made while another is being
    // written (a signal of the first) shares it.
    static QMutex mutex;
    static std::weak_ptr<QLockFile> current;
    const QMutexLocker locker(&mutex);
    // Writing elsewhere, or never settled (no settings file yet).
    if (writingElsewhere || realFile.isEmpty() || !privateFolder)
        return nullptr;
    QString reason;
    if (!linkInPlace(&reason)) {
        // Refused: whatever QSettings writes now does not reach the file.
        logWarning(lcApp) << "the settings link cannot be made again:" << reason;
        WriteNotice::once(QCoreApplication::translate("SettingsFile", "无法保存设置："), realFile, reason);
        return nullptr;
    }
    if (auto held = current.lock())
        return held;
    auto lock = std::make_shared<QLockFile>(realFile + QStringLiteral(".lock"));
    if (!lockFree(*lock, lockWaitMs))
        tellLocked();
    if (!lock->isLocked())
        return nullptr;
    current = lock;
    return lock;
}
