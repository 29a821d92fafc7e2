#include "fileidentity.h"

#include <QFile>
#include <QHashFunctions>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

qint64 nowNanoseconds()
{
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The file systems' clock tick for file times, with room to spare.
qint64 tickNanoseconds()
{
    static const qint64 tick = [] {
        struct timespec resolution;
        if (::clock_getres(CLOCK_REALTIME_COARSE, &resolution) != 0)
            return qint64(20000000);
        return 2 * (qint64(resolution.tv_sec) * 1000000000 + resolution.tv_nsec);
    }();
    return tick;
}

} // namespace

FileIdentity FileIdentity::ofOpenFile(int fd)
{
    FileIdentity identity;
    identity.m_takenAt = nowNanoseconds();
    identity.m_stamp = UserFile::stampOf(fd);
    return identity;
}

FileIdentity FileIdentity::ofPath(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return FileIdentity();
    const FileIdentity identity = ofOpenFile(fd);
    ::close(fd);
    return identity;
}

FileIdentity FileIdentity::ofWrite(const UserFile::Stamp& stamp)
{
    FileIdentity identity;
    identity.m_takenAt = nowNanoseconds();
    identity.m_stamp = stamp;
    return identity;
}

void FileIdentity::setContent(const QByteArray& bytes)
{
    m_hasDigest = !isNull() && bytes.size() == m_stamp.size;
    m_digest = m_hasDigest ? digest(bytes) : 0;
}

quint64 FileIdentity::digest(const QByteArray& bytes)
{
    // Two seeds of Qt's hash (CRC32 in hardware where there is one): enough
    // to tell a rewrite, at the speed of reading the bytes.
    return quint64(qHashBits(bytes.constData(), size_t(bytes.size()), 0x9e3779b9u)) << 32
        | qHashBits(bytes.constData(), size_t(bytes.size()), 0x85ebca6bu);
}

bool FileIdentity::fresh() const
{
    return m_stamp.modified + tickNanoseconds() >= m_takenAt;
}

FileIdentity::Seen FileIdentity::compare(const QString& path) const
{
    // A handle on the name alone: no wait for another program's lease, no
    // FIFO opened. The content is read only when the stamp cannot tell.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Seen::Gone : Seen::Changed;
    const bool sameStamp = !isNull() && UserFile::stampOf(fd) == m_stamp;
    ::close(fd);
    if (!sameStamp)
        return Seen::Changed;
    if (!fresh() || !m_hasDigest)
        return Seen::Same;
    const qint64 now = nowNanoseconds();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || digest(file.readAll()) != m_digest)
        return Seen::Changed;
    if (now > m_stamp.modified + tickNanoseconds())
        m_takenAt = now;
    return Seen::Same;
}

QDateTime FileIdentity::modified() const
{
    if (isNull())
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(m_stamp.modified / 1000000);
}
