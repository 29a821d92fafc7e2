#include "writenotice.h"

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

QMutex presenterMutex;
WriteNotice::Presenter& presenter()
{
    static WriteNotice::Presenter show;
    return show;
}

void present(const QString& notice)
{
    WriteNotice::Presenter show;
    {
        QMutexLocker lock(&presenterMutex);
        show = presenter();
    }
    if (show)
        show(notice);
}
} // namespace

void WriteNotice::setPresenter(Presenter show)
{
    QMutexLocker lock(&presenterMutex);
    presenter() = std::move(show);
}

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
    // Nothing is shown once the application has gone (a settings write
    // at exit).
    if (later || !app || QThread::currentThread() != app->thread()) {
        if (app)
            QMetaObject::invokeMethod(app, [notice]() { present(notice); }, Qt::QueuedConnection);
    } else {
        present(notice);
    }
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
