#include "historysnapshots.h"

#include "support/userfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <climits>

QString HistorySnapshots::baseName(const QString& documentName)
{
    QString base = QFileInfo(documentName).fileName();
    const int dot = base.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    // Cut so that the snapshot's name ("---", the seconds and ".txt" added)
    // fits any file system: a document with a long name keeps its history.
    return UserFile::cutToFit(base, NAME_MAX - int(qstrlen("---") + 12 + qstrlen(".txt")));
}

QString HistorySnapshots::fileName(const QString& documentName, qint64 seconds)
{
    return baseName(documentName) + QStringLiteral("---") + QString::number(seconds) + QStringLiteral(".txt");
}

QString HistorySnapshots::newPath(const QString& folder, const QString& documentName)
{
    const QDir dir(folder);
    qint64 seconds = QDateTime::currentSecsSinceEpoch();
    QString path = dir.filePath(fileName(documentName, seconds));
    for (int i = 0; QFileInfo::exists(path) && i < 1000; ++i)
        path = dir.filePath(fileName(documentName, ++seconds));
    return QFileInfo::exists(path) ? QString() : path;
}
