#include "writenotice.h"

#include "function/message.h"
#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QThread>

namespace {
QMutex reportedMutex;
QSet<QString>& reported()
{
    static QSet<QString> paths;
    return paths;
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
    // Nothing is shown once the application has gone (a settings write
    // at exit).
    if (!app)
        return;
    // The notice view lives on the GUI thread; a worker hands the text over.
    if (later || QThread::currentThread() != app->thread())
        QMetaObject::invokeMethod(app, [notice]() { message::show(Message::Error, notice, 5000); }, Qt::QueuedConnection);
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
        if (reported().contains(path))
            return;
        reported().insert(path);
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
