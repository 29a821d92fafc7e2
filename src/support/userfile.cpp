#include "userfile.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

UserFile::Result failed(const QString& path, const QString& reason)
{
    logWarning(lcFiles) << "cannot write" << path << reason;
    return { false, reason };
}

UserFile::Stamp stampFrom(const struct stat& info)
{
    UserFile::Stamp stamp;
    stamp.device = quint64(info.st_dev);
    stamp.inode = quint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

// Copies the first count bytes of from into the start of to, inside the
// system where it can; returns 0, or the errno of the failure (ESTALE when
// from ends before count bytes).
//
// From is the file that this write replaces: the part copied is dropped
// from the system's cache as the copy goes, a quarter megabyte at a time, so
// that the new file's pages reuse that memory at once instead of the cache
// holding both versions of a book until the rename frees the old one. Where
// the system hands freed memory back to a virtual machine's host, taking
// fresh memory costs more than the copy itself.
int copyStart(int from, int to, qint64 count)
{
    constexpr qint64 step = 256 * 1024;
    loff_t in = 0;
    loff_t out = 0;
    bool system = true;
    QByteArray buffer;
    while (in < count) {
        const size_t want = size_t(std::min<qint64>(count - in, system ? step : qint64(1) << 30));
        if (system) {
            const loff_t at = in;
            const ssize_t done = ::copy_file_range(from, &in, to, &out, want, 0);
            if (done > 0) {
                ::posix_fadvise(from, at, done, POSIX_FADV_DONTNEED);
                continue;
            }
            if (done == 0)
                return ESTALE;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
                return errno;
            system = false; // not between these files: read and write instead
            buffer.resize(1 << 20);
        }
        const ssize_t got = ::pread(from, buffer.data(), std::min<size_t>(want, size_t(buffer.size())), in);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return ESTALE;
        for (ssize_t at = 0; at < got;) {
            const ssize_t put = ::pwrite(to, buffer.constData() + at, size_t(got - at), out);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return put < 0 ? errno : EIO;
            at += put;
            out += put;
        }
        in += got;
    }
    return 0;
}

} // namespace

UserFile::Stamp UserFile::stampOf(int fd)
{
    struct stat info;
    return ::fstat(fd, &info) == 0 ? stampFrom(info) : Stamp();
}

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
    return writePieces(path, pieces, options, Kept());
}

UserFile::Result UserFile::writePieces(const QString& path, const Pieces& pieces, Options options, const Kept& kept)
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
    if (kept.bytes > 0) {
        // The kept part comes from the file at the path only while it is
        // the one the stamp names: anything else may have put other bytes
        // there.
        const int old = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        const bool same = old >= 0 && stampOf(old) == kept.stamp && kept.bytes <= kept.stamp.size;
        const int error = same ? copyStart(old, file.handle(), kept.bytes) : ESTALE;
        if (old >= 0)
            ::close(old);
        if (error == ESTALE) {
            file.cancelWriting();
            Result result;
            result.error = QStringLiteral("kept part changed");
            result.keptStale = true;
            return result;
        }
        if (error != 0)
            return abandon(reason(error));
        // Written past the device's position: the pieces follow the kept part.
        if (!file.seek(kept.bytes))
            return abandon(reason(errno));
        total = kept.bytes;
    }
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
    struct stat written;
    if (::fstat(file.handle(), &written) != 0)
        return abandon(reason(errno));
    if (file.size() != total || qint64(written.st_size) != total)
        return abandon(reason(0));
    if ((options & NewFileOnly) && (QFileInfo::exists(path) || QFileInfo(path).isSymLink()))
        return abandon(QCoreApplication::translate("UserFile", "文件已存在"));
    if (!file.commit())
        return failed(path, file.errorString());
    Result result;
    result.ok = true;
    result.stamp = stampFrom(written); // a rename keeps the inode and its times
    return result;
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
