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

void removeCopy()
{
    delete copyFolder;
    copyFolder = nullptr;
}
} // namespace

bool SettingsLock::settle(const QString& settingsFile, QSettings::Format format, int waitMs)
{
    {
        QLockFile lock(settingsFile + QStringLiteral(".lock"));
        // A lock that cannot be made at all (a full disk, a read-only
        // folder) is no wait: the writes fail at once and are told.
        if (lock.tryLock(waitMs) || lock.error() != QLockFile::LockFailedError)
            return true;
    }
    logWarning(lcApp) << "the settings file is locked by another program; its settings are read, not written:" << settingsFile;
    removeCopy();
    copyFolder = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/penlark-settings-XXXXXX"));
    const QString copy = copyFolder->path() + QLatin1Char('/') + QFileInfo(settingsFile).absolutePath().section(QLatin1Char('/'), -1)
        + QLatin1Char('/') + QFileInfo(settingsFile).fileName();
    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (QFileInfo::exists(settingsFile))
        QFile::copy(settingsFile, copy);
    QSettings::setPath(format, QSettings::UserScope, copyFolder->path());
    qAddPostRoutine(removeCopy);
    message::showLater(Message::Warn, QCoreApplication::translate("SettingsLock", "设置文件被另一个程序锁定，本次运行中的设置更改不会保存：")
                                          + QDir::toNativeSeparators(settingsFile));
    return false;
}
