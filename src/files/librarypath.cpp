#include "librarypath.h"

#include "data/global.h"
#include "support/userfile.h"
#include "support/writenotice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
// Links followed one after the other before a path counts as unresolvable.
const int kMaxLinks = 32;

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString parentOf(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QString absolute(const QString& path)
{
    return QDir::isAbsolutePath(path) ? path : join(QDir::currentPath(), path);
}

QString resolve(const QString& path, int depth)
{
    QString done = QStringLiteral("/");
    bool missing = false;
    const QStringList parts = absolute(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            // Up from a folder that is not there: the system finds nothing,
            // so the path names nothing (cleaning the ".." away by its text
            // would name another file).
            if (missing)
                return QString();
            done = parentOf(done);
            continue;
        }
        const QString next = join(done, part);
        if (!missing) {
            const QFileInfo info(next);
            if (info.exists()) {
                done = info.canonicalFilePath();
                continue;
            }
            // A dangling link leads wherever its target would be made.
            if (info.isSymLink() && depth < kMaxLinks) {
                done = resolve(info.symLinkTarget(), depth + 1);
                continue;
            }
            missing = true;
        }
        done = next;
    }
    return done;
}
} // namespace

QString LibraryPath::root() { return resolved(global::documentPath()); }

QString LibraryPath::resolved(const QString& path)
{
    if (path.isEmpty())
        return QString();
    return resolve(path, 0);
}

bool LibraryPath::within(const QString& resolvedPath, const QString& resolvedRoot)
{
    if (resolvedRoot.isEmpty() || resolvedPath.isEmpty())
        return false;
    if (resolvedRoot == QLatin1String("/"))
        return true;
    return resolvedPath == resolvedRoot || resolvedPath.startsWith(resolvedRoot + QLatin1Char('/'));
}

QString LibraryPath::entry(const QString& path)
{
    if (path.isEmpty())
        return QString();
    QString entry = absolute(path);
    while (entry.size() > 1 && entry.endsWith(QLatin1Char('/')))
        entry.chop(1);
    const int slash = entry.lastIndexOf(QLatin1Char('/'));
    const QString name = entry.mid(slash + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    const QString folder = resolved(slash <= 0 ? QStringLiteral("/") : entry.left(slash));
    return folder.isEmpty() ? QString() : join(folder, name);
}

bool LibraryPath::contains(const QString& path)
{
    const QString resolvedEntry = entry(path);
    return !resolvedEntry.isEmpty() && within(parentOf(resolvedEntry), root());
}

bool LibraryPath::holds(const QString& folder)
{
    return !folder.isEmpty() && within(resolved(folder), root());
}

bool LibraryPath::taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool LibraryPath::createEmptyFile(const QString& path)
{
    if (!contains(path) || taken(path))
        return false;
    // A refused name is the caller's to explain; a failed write is told here.
    const UserFile::Result created = UserFile::write(path, QByteArray(), UserFile::NewFileOnly);
    if (!created)
        WriteNotice::show(QCoreApplication::translate("LibraryPath", "无法新建文件："), path, created.error);
    return bool(created);
}
