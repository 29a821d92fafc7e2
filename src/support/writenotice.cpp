#include "writenotice.h"

#include "function/message.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QThread>

namespace {
// Per file, the failures told (by their words): a document whose save
// failed and was told still has a failed snapshot of it told.
QMutex reportedMutex;
QHash<QString, QSet<QString>>& reported()
{
    static QHash<QString, QSet<QString>> told;
    return told;
}
} // namespace

QString WriteNotice::text(const QString& what, const QString& path, const QString& reason)
{
    return what + QDir::toNativeSeparators(path) + QStringLiteral(" (") + reason + QLatin1Char(')');
}

namespace {
void post(const QString& what, const QString& path, const QString& reason, bool later)
{
    logWarning(lcFiles) << "not written:" << path << reason;
    const QString notice = WriteNotice::text(what, path, reason);
    QCoreApplication* app = QCoreApplication::instance();
    // The notice view lives on the GUI thread; a worker hands the text over.
    if (later || !app || QThread::currentThread() != app->thread())
        message::showLater(Message::Error, notice);
    else
        message::show(Message::Error, notice, 5000);
}
} // namespace

void WriteNotice::show(const QString& what, const QString& path, const QString& reason)
{
    post(what, path, reason, false);
}

void WriteNotice::once(const QString& what, const QString& path, const QString& reason)
{
    {
        QMutexLocker lock(&reportedMutex);
        QSet<QString>& told = reported()[path];
        if (told.contains(what))
            return;
        told.insert(what);
    }
    // From the event loop: a background write during start-up comes before
    // the window can show it, and would otherwise never be told.
    post(what, path, reason, true);
}

void WriteNotice::passed(const QString& path)
{
    QMutexLocker lock(&reportedMutex);
    reported().remove(path);
}

bool WriteNotice::track(const QString& what, const QString& path, const UserFile::Result& written)
{
    if (written)
        passed(path);
    else
        once(what, path, written.error);
    return bool(written);
}
