// The conflicts that wait for the writer, and the writer's choices.
#include "clouddisk.h"

#include "TovaUi/mark/markmodel.h"

#include "TovaUi/function/function.h"
#include "support/log.h"
#include "support/userfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

void cloudDisk::dropConflicts()
{
    for (const QString& path : qAsConst(m_conflictFileList))
        QFile::remove(localPath(path) + QStringLiteral(".server"));
    m_conflicts.clear();
    setConflictFileList(QStringList());
}

void cloudDisk::listConflict(MetaData record, const QString& etag)
{
    record.Etag = etag;
    m_conflicts << record;
    m_conflictFileList << record.sortPath;
    emit conflictFileListChanged(m_conflictFileList);
}

bool cloudDisk::autoMergeData(const QString& sortPath)
{
    if (sortPath.mid(sortPath.lastIndexOf(QLatin1Char('.')) + 1) != QLatin1String("mark"))
        return false;
    const QString file = localPath(sortPath);
    const QString merged = mergeMarkFiles(file, file + QStringLiteral(".server"));
    if (merged.isEmpty())
        return false;
    return bool(UserFile::write(file, merged.toUtf8()));
}

QString cloudDisk::mergeMarkFiles(const QString& localFile, const QString& serverCopy)
{
    return MarkModel::mergeJsonFiles(localFile, serverCopy);
}

bool cloudDisk::solveConflict(const QString& sortPath, ConflictChoice keep)
{
    if (sortPath.isEmpty())
        return true;
    MetaData found;
    for (const MetaData& m : m_conflicts) {
        if (m.sortPath == sortPath)
            found = m;
    }
    const QString file = localPath(sortPath);
    const QString copy = file + QStringLiteral(".server");
    logDebug(lcSync) << "server copy:" << copy;

    // The server's version counts as seen and the MD5 stays empty: the next
    // run sends the local state, a text or a deletion.
    const auto writeRecord = [this, &found, sortPath]() {
        MetaData record;
        record.sortPath = sortPath;
        record.Etag = found.Etag;
        record.account = found.account;
        const UserFile::Result written = writeMetaData(record);
        if (!written) {
            report(tr("更新元数据失败"), tr("更新元数据失败:"), found.sortPath + QStringLiteral(" (") + written.error + QLatin1Char(')'));
        }
    };

    switch (keep) {
    case KeepLocal:
        if (QFile::remove(copy))
            writeRecord();
        break;
    case KeepServer: {
        QByteArray bytes;
        if (!QFileInfo::exists(copy) || !readAll(copy, bytes))
            return false;
        // The local text goes to the history before the server's replaces it;
        // a document that cannot be replaced stays in conflict.
        if (QFileInfo::exists(file) && !snapshot(file))
            return false;
        const UserFile::Result written = UserFile::write(file, bytes);
        if (!written) {
            report(tr("写文件失败"), tr("写文件失败:"), sortPath + QStringLiteral(" (") + written.error + QLatin1Char(')'));
            return false;
        }
        if (!QFile::remove(copy))
            return false;
        break;
    }
    case KeepBoth: {
        if (!QFileInfo::exists(copy))
            return false;
        const QFileInfo info(file);
        const QString folder = info.absolutePath();
        const QString base = info.fileName().section(QLatin1Char('.'), 0, 0);
        const QString suffix = info.fileName().section(QLatin1Char('.'), -1);
        QString target = file;
        for (int n = 0; QFileInfo::exists(target); ++n) {
            target = folder + QLatin1Char('/') + base + QLatin1Char('_') + tr("冲突")
                + (n == 0 ? QString() : QLatin1Char('_') + QString::number(n)) + QLatin1Char('.') + suffix;
        }
        if (!QFile::rename(copy, target))
            return false;
        writeRecord();
        break;
    }
    }

    for (int i = m_conflicts.size() - 1; i >= 0; --i) {
        if (m_conflicts[i].sortPath == sortPath)
            m_conflicts.removeAt(i);
    }
    QStringList list = m_conflictFileList;
    list.removeOne(sortPath);
    setConflictFileList(list);
    return true;
}

QVariantMap cloudDisk::conflictSides(const QString& sortPath) const
{
    const QString file = localPath(sortPath);
    const QString copy = file + QStringLiteral(".server");
    QByteArray localBytes;
    QByteArray serverBytes;
    readAll(file, localBytes);
    readAll(copy, serverBytes);
    const QString localText = function::decodeText(localBytes);
    const QString serverText = function::decodeText(serverBytes);
    // Where the first line that differs starts in either text.
    int localOffset = 0;
    int serverOffset = 0;
    while (true) {
        const int localEnd = localText.indexOf(QLatin1Char('\n'), localOffset);
        const int serverEnd = serverText.indexOf(QLatin1Char('\n'), serverOffset);
        const QStringRef localLine = localText.midRef(localOffset, localEnd < 0 ? -1 : localEnd - localOffset);
        const QStringRef serverLine = serverText.midRef(serverOffset, serverEnd < 0 ? -1 : serverEnd - serverOffset);
        if (localLine != serverLine || (localEnd < 0 && serverEnd < 0))
            break;
        // A text that ended before the other differs where the other goes on.
        localOffset = localEnd < 0 ? localText.size() : localEnd + 1;
        serverOffset = serverEnd < 0 ? serverText.size() : serverEnd + 1;
    }
    return {
        { QStringLiteral("localText"), localText },
        { QStringLiteral("serverText"), serverText },
        { QStringLiteral("localDate"), QFileInfo(file).lastModified() },
        { QStringLiteral("serverDate"), QFileInfo(copy).lastModified() },
        { QStringLiteral("localOffset"), localOffset },
        { QStringLiteral("serverOffset"), serverOffset },
    };
}
