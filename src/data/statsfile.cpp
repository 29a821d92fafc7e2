#include "statsfile.h"

#include "support/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool StatsFile::write(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        PLOG << "can not create" << folder;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        PLOG << "can not open" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        PLOG << "write failed" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        PLOG << "commit failed" << path << file.errorString();
        return false;
    }
    return true;
}

QString StatsFile::setAside(const QString& path)
{
    QString target = path + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".corrupt.") + QString::number(n);
    if (!QFile::rename(path, target)) {
        PLOG << "can not set aside" << path;
        return QString();
    }
    PLOG << "damaged statistics file kept as" << target;
    return target;
}
