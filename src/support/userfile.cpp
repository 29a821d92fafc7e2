#include "userfile.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

UserFile::Result failed(const QString& path, const QString& reason)
{
    PLOG << "cannot write" << path << reason;
    return { false, reason };
}

} // namespace

UserFile::Result UserFile::write(const QString& path, const QByteArray& bytes, Options options)
{
    bool handed = false;
    return writePieces(
        path, [&](QByteArray& piece) {
            if (handed)
                return false;
            piece = bytes;
            handed = true;
            return true;
        },
        options);
}

UserFile::Result UserFile::writePieces(const QString& path, const Pieces& pieces, Options options)
{
    if (path.isEmpty())
        return failed(path, QCoreApplication::translate("UserFile", "没有文件名"));
    const QFileInfo info(path);
    if (info.isDir())
        return failed(path, QCoreApplication::translate("UserFile", "同名的文件夹已存在"));
    // A link counts as taken even when it leads nowhere: writing through it
    // would create its target, wherever that is.
    if ((options & NewFileOnly) && (info.exists() || info.isSymLink()))
        return failed(path, QCoreApplication::translate("UserFile", "文件已存在"));
    if ((options & CreateFolder) && !QDir().mkpath(info.absolutePath()))
        return failed(path, QCoreApplication::translate("UserFile", "无法创建文件夹"));

    QSaveFile file(path);
    file.setDirectWriteFallback(false); // never write in place
    if (!file.open(QIODevice::WriteOnly))
        return failed(path, file.errorString());

    // The device's own message when it has one, else the system's.
    auto reason = [&file](int error) {
        if (file.error() != QFileDevice::NoError)
            return file.errorString();
        if (error != 0)
            return QString::fromLocal8Bit(std::strerror(error));
        return QCoreApplication::translate("UserFile", "写入磁盘的文件不完整");
    };
    auto abandon = [&](const QString& why) {
        file.cancelWriting();
        return failed(path, why);
    };
    qint64 total = 0;
    QByteArray piece;
    while (pieces(piece)) {
        errno = 0;
        if (file.write(piece) != piece.size())
            return abandon(reason(errno));
        total += piece.size();
    }
    errno = 0;
    // The buffered tail is written here, not in commit(), so that its
    // failure is seen before anything is renamed.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return abandon(reason(errno));
    if (::fsync(file.handle()) != 0)
        return abandon(reason(errno));
    if (file.size() != total)
        return abandon(reason(0));
    if ((options & NewFileOnly) && (QFileInfo::exists(path) || QFileInfo(path).isSymLink()))
        return abandon(QCoreApplication::translate("UserFile", "文件已存在"));
    if (!file.commit())
        return failed(path, file.errorString());
    return { true, QString() };
}

UserFile::Result UserFile::copy(const QString& source, const QString& target, Options options)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(target, in.errorString());
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return failed(target, in.errorString());
    return write(target, bytes, options);
}
