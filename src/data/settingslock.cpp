#include "settingslock.h"

#include "TovaUi/function/message.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

namespace {
QTemporaryDir* copyFolder = nullptr;

// What settle() was given: beforeWrite() checks the same lock.
QString realFile;
QSettings::Format realFormat = QSettings::IniFormat;
int lockWaitMs = 0;

void removeCopy()
{
    delete copyFolder;
    copyFolder = nullptr;
}

// False when the lock stayed held by another program for waitMs. A lock
// that cannot be made at all (a full disk, a read-only folder) is no wait:
// the writes fail at once and are told.
bool lockFree(int waitMs)
{
    QLockFile lock(realFile + QStringLiteral(".lock"));
    return lock.tryLock(waitMs) || lock.error() != QLockFile::LockFailedError;
}

// The rest of the run reads and writes a private folder, which starts with
// a copy of the real file when `copied`.
void usePrivateFolder(bool copied)
{
    removeCopy();
    copyFolder = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/penlark-settings-XXXXXX"));
    const QString copy = copyFolder->path() + QLatin1Char('/') + QFileInfo(realFile).absolutePath().section(QLatin1Char('/'), -1)
        + QLatin1Char('/') + QFileInfo(realFile).fileName();
    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (copied && QFileInfo::exists(realFile))
        QFile::copy(realFile, copy);
    QSettings::setPath(realFormat, QSettings::UserScope, copyFolder->path());
    qAddPostRoutine(removeCopy);
}

void tellLocked()
{
    logWarning(lcApp) << "the settings file is locked by another program; its settings are read, not written:" << realFile;
    message::showLater(Message::Warn, QCoreApplication::translate("SettingsLock", "设置文件被另一个程序锁定，本次运行中的设置更改不会保存：")
                                          + QDir::toNativeSeparators(realFile));
}
} // namespace

bool SettingsLock::settle(const QString& settingsFile, QSettings::Format format, int waitMs)
{
    realFile = settingsFile;
    realFormat = format;
    lockWaitMs = waitMs;
    if (QFileInfo(settingsFile).size() > largestBytes) {
        logWarning(lcApp) << "the settings file is too large to be read; this run uses the defaults:" << settingsFile;
        usePrivateFolder(false);
        message::showLater(Message::Warn, QCoreApplication::translate("SettingsLock", "设置文件过大，未读取，本次运行使用默认设置且不保存更改：")
                                              + QDir::toNativeSeparators(settingsFile));
        return false;
    }
    if (lockFree(waitMs))
        return true;
    usePrivateFolder(true);
    tellLocked();
    return false;
}

void SettingsLock::beforeWrite()
{
    // Already writing elsewhere, or never settled (no settings file yet).
    if (copyFolder || realFile.isEmpty() || lockFree(lockWaitMs))
        return;
    usePrivateFolder(true);
    tellLocked();
}
