#include "statsfile.h"

#include "support/log.h"
#include "support/userfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

UserFile::Result StatsFile::write(const QString& path, const QByteArray& bytes)
{
    return UserFile::write(path, bytes);
}

QString StatsFile::setAside(const QString& path)
{
    QString target = path + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".corrupt.") + QString::number(n);
    if (!QFile::rename(path, target)) {
        logWarning(lcStats) << "can not set aside" << path;
        return QString();
    }
    logWarning(lcStats) << "damaged statistics file kept as" << target;
    return target;
}
