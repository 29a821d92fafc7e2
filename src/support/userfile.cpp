#include "userfile.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporary files are named "." + the file's name (cut to fit) + this mark
// + six random letters or digits: hidden from every listing, in the same
// folder as the file (so the rename is atomic), and recognisable when a
// killed writer left one behind.
const char kTemporaryMark[] = ".penlark~";
const int kRandomLetters = 6;

// The names of the temporary files this process's writers have made and not
// yet renamed or removed: a leftover is a temporary file that is not one of
// them.
QMutex liveMutex;
QSet<QString>& liveNames()
{
    static QSet<QString> names;
    return names;
}

// Marks a temporary name as in use from before it is created until after it
// is gone (or renamed).
class LiveName
{
public:
    explicit LiveName(const QString& name)
        : m_name(name)
    {
        QMutexLocker lock(&liveMutex);
        liveNames().insert(m_name);
    }
    ~LiveName()
    {
        QMutexLocker lock(&liveMutex);
        liveNames().remove(m_name);
    }

private:
    QString m_name;
};

bool isTemporaryName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\..*") + QRegularExpression::escape(QLatin1String(kTemporaryMark))
                                            + QStringLiteral("[A-Za-z0-9]{%1}$").arg(kRandomLetters));
    return pattern.match(name).hasMatch();
}

// The file a write replaces: a link is followed to the file it leads to
// (its target need not exist yet).
QString finalTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// The temporary file a write goes to, beside the file it replaces. Where
// the system can, it has no name while it is written (a killed writer leaves
// nothing); it gets one only for the rename. Any name it has fits the
// folder's name limit, whatever the length of the target's name, and is
// marked in use while it exists. Removed unless renamed.
class Temporary
{
public:
    Temporary(const QString& target, mode_t mode)
        : m_folder(QFileInfo(target).absolutePath())
    {
        const int spare = UserFile::nameLimit(m_folder) - 1 - int(sizeof(kTemporaryMark) - 1) - kRandomLetters;
        m_stem = QLatin1Char('.') + UserFile::cutToFit(QFileInfo(target).fileName(), std::max(0, spare)) + QLatin1String(kTemporaryMark);
        static const bool procfs = ::access("/proc/self/fd", F_OK) == 0;
        if (procfs)
            m_fd = ::open(QFile::encodeName(m_folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        // Not on this file system: a named file from the start.
        if (m_fd < 0)
            m_fd = create([&](const QByteArray& name) { return ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
    }
    ~Temporary()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(QFile::encodeName(m_path).constData());
    }
    int fd() const { return m_fd; }
    // Renames the finished file over target: errno of the failure, or 0;
    // after holds the file as the rename left it (which may change its
    // status time).
    int commit(const QString& target, struct stat& after)
    {
        if (m_path.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            if (create([&](const QByteArray& name) {
                    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW);
                }) < 0)
                return errno;
        }
        if (::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) != 0)
            return errno;
        m_path.clear();
        const int renamed = std::exchange(m_fd, -1);
        const int error = ::fstat(renamed, &after) == 0 ? 0 : errno;
        ::close(renamed);
        return error;
    }

private:
    // Tries random names with make until one is free: its result, or -1
    // with errno set.
    template <typename Make>
    int create(Make make)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QString name = m_stem;
            for (int i = 0; i < kRandomLetters; ++i)
                name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof(letters) - 1))]);
            m_live.reset(new LiveName(name));
            const QString path = m_folder + QLatin1Char('/') + name;
            const int result = make(QFile::encodeName(path));
            if (result >= 0) {
                m_path = path;
                return result;
            }
            if (errno != EEXIST)
                break;
        }
        m_live.reset();
        return -1;
    }

    QString m_folder;
    QString m_stem;
    int m_fd = -1;
    QString m_path; // the name, once it has one
    std::unique_ptr<LiveName> m_live;
};

QMutex renameHookMutex;
std::function<void(const QString&)> renameHook;

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
    stamp.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return stamp;
}

constexpr int kDigestChunk = 1 << 20;

quint64 chunkDigest(const char* bytes, int size)
{
    // Two seeds of Qt's hash (CRC32 in hardware where there is one).
    return quint64(qHashBits(bytes, size_t(size), 0x9e3779b9u)) << 32 | qHashBits(bytes, size_t(size), 0x85ebca6bu);
}

quint64 fold(const QVector<quint64>& chunks)
{
    quint64 digest = 0xcbf29ce484222325ull;
    for (const quint64 chunk : chunks)
        digest = (digest ^ chunk) * 0x100000001b3ull;
    return digest;
}

// The bytes of an open file from an offset on, a mebibyte at a time, read
// by position; false on a read error.
bool readAllOf(int fd, const std::function<void(const char*, int)>& take, off_t from = 0)
{
    QByteArray buffer(kDigestChunk, Qt::Uninitialized);
    for (off_t at = from;;) {
        int filled = 0;
        while (filled < kDigestChunk) {
            const ssize_t got = ::pread(fd, buffer.data() + filled, size_t(kDigestChunk - filled), at + filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return false;
            if (got == 0)
                break;
            filled += int(got);
        }
        if (filled > 0)
            take(buffer.constData(), filled);
        if (filled < kDigestChunk)
            return true;
        at += filled;
    }
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

QString UserFile::cutToFit(const QString& name, int bytes)
{
    QString cut = name;
    while (!cut.isEmpty() && QFile::encodeName(cut).size() > bytes) {
        cut.chop(1);
        if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate())
            cut.chop(1);
    }
    return cut;
}

int UserFile::nameLimit(const QString& folder)
{
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? int(std::min<long>(limit, INT_MAX)) : NAME_MAX;
}

UserFile::Stamp UserFile::stampOf(int fd)
{
    struct stat info;
    return ::fstat(fd, &info) == 0 ? stampFrom(info) : Stamp();
}

void UserFile::setRenameHook(std::function<void(const QString& path)> hook)
{
    QMutexLocker lock(&renameHookMutex);
    renameHook = std::move(hook);
}

quint64 UserFile::digest(const QByteArray& bytes)
{
    QVector<quint64> chunks;
    for (int at = 0; at < bytes.size(); at += kDigestChunk)
        chunks.append(chunkDigest(bytes.constData() + at, std::min(kDigestChunk, bytes.size() - at)));
    return fold(chunks);
}

UserFile::Result UserFile::write(const QString& path, const QByteArray& bytes, Options options)
{
    return write(path, bytes, options, Stamp());
}

UserFile::Result UserFile::write(const QString& path, const QByteArray& bytes, Options options, const Stamp& expected)
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
        options, Kept(), expected);
}

UserFile::Result UserFile::writePieces(const QString& path, const Pieces& pieces, Options options)
{
    return writePieces(path, pieces, options, Kept());
}

UserFile::Result UserFile::writePieces(const QString& path, const Pieces& pieces, Options options, const Kept& kept)
{
    return writePieces(path, pieces, options, kept, Stamp());
}

UserFile::Result UserFile::writePieces(const QString& path, const Pieces& pieces, Options options, const Kept& kept,
    const Stamp& expected)
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

    // An existing link is written through: the file it leads to is replaced.
    const QString target = finalTarget(path);
    struct stat existing;
    const bool exists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    // A file the user may not change is not replaced either.
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        return failed(path, QString::fromLocal8Bit(std::strerror(errno)));
    // A handle on the file replaced, to see any change of it up to the
    // rename and to keep the bytes of one landing during it.
    struct Replaced {
        int fd = -1;
        ~Replaced()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } replaced;
    const auto changedFromExpected = [&] {
        struct stat now;
        return ::fstat(replaced.fd, &now) != 0 || !(stampFrom(now) == expected)
            || ::stat(QFile::encodeName(target).constData(), &now) != 0 || !(stampFrom(now) == expected);
    };
    const auto refused = [&] {
        logWarning(lcFiles) << "not written:" << path << "was changed by another program";
        Result result;
        result.replacedChanged = true;
        return result;
    };
    if (!expected.isNull()) {
        options |= WithDigest;
        replaced.fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_CLOEXEC);
        if (replaced.fd < 0 || changedFromExpected())
            return refused();
    }
    Temporary temporary(target, exists ? 0600 : 0666);
    const int fd = temporary.fd();
    if (fd < 0)
        return failed(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    QFile file;
    file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);

    // The device's own message when it has one, else the system's.
    auto reason = [&file](int error) {
        if (file.error() != QFileDevice::NoError)
            return file.errorString();
        if (error != 0)
            return QString::fromLocal8Bit(std::strerror(error));
        return QCoreApplication::translate("UserFile", "写入磁盘的文件不完整");
    };
    // The temporary file goes with `temporary`.
    auto abandon = [&](const QString& why) { return failed(path, why); };
    qint64 total = 0;
    if (kept.bytes > 0) {
        // The kept part comes from the file at the path only while it is
        // the one the stamp names: anything else may have put other bytes
        // there.
        const int old = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        const bool same = old >= 0 && stampOf(old) == kept.stamp && kept.bytes <= kept.stamp.size;
        const int error = same ? copyStart(old, fd, kept.bytes) : ESTALE;
        if (old >= 0)
            ::close(old);
        if (error == ESTALE) {
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
    // The buffered tail is written here, so that its failure is seen
    // before anything is renamed.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return abandon(reason(errno));
    if (::fsync(fd) != 0)
        return abandon(reason(errno));
    struct stat written;
    if (::fstat(fd, &written) != 0)
        return abandon(reason(errno));
    if (file.size() != total || qint64(written.st_size) != total)
        return abandon(reason(0));
    if ((options & NewFileOnly) && (QFileInfo::exists(path) || QFileInfo(path).isSymLink()))
        return abandon(QCoreApplication::translate("UserFile", "文件已存在"));
    file.close();
    Result result;
    if ((options & WithDigest)) {
        // The whole mebibytes of a kept part are those of the file it came
        // from; the rest is read back.
        const int reused = kept.bytes > 0 ? int(std::min<qint64>(kept.chunks.size(), kept.bytes / kDigestChunk)) : 0;
        result.chunks = kept.chunks.mid(0, reused);
        if (!readAllOf(fd, [&](const char* bytes, int size) { result.chunks.append(chunkDigest(bytes, size)); },
                off_t(reused) * kDigestChunk))
            return abandon(reason(errno));
        result.digest = fold(result.chunks);
    }
    // Another program's write during this one: the file is left to it.
    if (replaced.fd >= 0 && changedFromExpected())
        return refused();
    std::function<void(const QString&)> hook;
    {
        QMutexLocker lock(&renameHookMutex);
        hook = renameHook;
    }
    if (hook)
        hook(path);
    if (const int error = temporary.commit(target, written))
        return failed(path, QString::fromLocal8Bit(std::strerror(error)));
    result.ok = true;
    result.stamp = stampFrom(written);
    // One landing between the last look and the rename is in the file
    // replaced: its bytes are handed back to be kept.
    // (The rename unlinks that file, which moves its status time.)
    Stamp after = replaced.fd >= 0 ? stampOf(replaced.fd) : Stamp();
    after.changed = expected.changed;
    if (replaced.fd >= 0 && !(after == expected)) {
        logWarning(lcFiles) << path << "was changed by another program while it was written";
        result.replacedChanged = true;
        readAllOf(replaced.fd, [&](const char* bytes, int size) { result.replacedBytes.append(bytes, size); });
    }
    return result;
}

int UserFile::removeLeftovers(const QString& folder)
{
    int removed = 0;
    QDirIterator it(folder, { QLatin1Char('*') + QLatin1String(kTemporaryMark) + QLatin1Char('*') },
                    QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!isTemporaryName(it.fileName()))
            continue;
        struct stat info;
        const QByteArray name = QFile::encodeName(path);
        if (::lstat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        // Under the lock: a writer of this process never sees its file go.
        QMutexLocker lock(&liveMutex);
        if (liveNames().contains(it.fileName()))
            continue;
        if (::unlink(name.constData()) == 0) {
            logDebug(lcFiles) << "removed a leftover temporary file:" << path;
            ++removed;
        }
    }
    return removed;
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
