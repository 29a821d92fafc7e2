#ifndef TREESNAPSHOT_H
#define TREESNAPSHOT_H

// Everything under a folder, byte for byte: each file's bytes, each folder,
// and each symbolic link's target (links are recorded, never followed), by
// path relative to the folder. Two snapshots are equal exactly when nothing
// under the folder was created, changed, renamed or removed.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

inline QMap<QString, QByteArray> treeSnapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString relative = path.mid(folder.size() + 1);
        if (info.isSymLink()) {
            entries.insert(relative, "link:" + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            entries.insert(relative, "folder");
        } else {
            QFile file(path);
            entries.insert(relative, file.open(QIODevice::ReadOnly) ? "file:" + file.readAll() : QByteArray("unreadable"));
        }
    }
    return entries;
}

// The differences between two snapshots, one line each, for failure messages.
inline QString snapshotDifference(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QStringList lines;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!after.contains(it.key()))
            lines << QStringLiteral("gone: ") + it.key();
        else if (after.value(it.key()) != it.value())
            lines << QStringLiteral("changed: ") + it.key();
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!before.contains(it.key()))
            lines << QStringLiteral("new: ") + it.key();
    }
    return lines.join(QLatin1Char('\n'));
}

#endif
