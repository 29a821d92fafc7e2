#include "fileidentity.h"

#include <QFile>

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

FileIdentity FileIdentity::ofWrite(const UserFile::Stamp& stamp, quint64 digest)
{
    FileIdentity identity;
    identity.m_takenAt = nowNanoseconds();
    identity.m_stamp = stamp;
    identity.m_hasDigest = !stamp.isNull();
    identity.m_digest = digest;
    return identity;
}

void FileIdentity::setContent(const QByteArray& bytes)
{
    m_hasDigest = !isNull() && bytes.size() == m_stamp.size;
    m_digest = m_hasDigest ? UserFile::digest(bytes) : 0;
    m_read = m_hasDigest;
}

bool FileIdentity::fresh() const
{
    return m_stamp.modified + tickNanoseconds() >= m_takenAt;
}

FileIdentity::Seen FileIdentity::compareContent(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.error() == QFileDevice::PermissionsError ? Seen::Unreadable : Seen::Changed;
    const QByteArray bytes = file.readAll();
    return bytes.size() == m_stamp.size && UserFile::digest(bytes) == m_digest ? Seen::Same : Seen::Changed;
}

FileIdentity::Seen FileIdentity::compare(const QString& path)
{
    // A handle on the name alone: no wait for another program's lease, no
    // FIFO opened. The content is read only when the stamp cannot tell.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM)
            return Seen::Unreadable;
        return errno == ENOENT || errno == ENOTDIR ? Seen::Gone : Seen::Changed;
    }
    const UserFile::Stamp now = UserFile::stampOf(fd);
    ::close(fd);
    if (isNull() || now.isNull())
        return Seen::Changed;
    if (!(now == m_stamp)) {
        // Touched, or the same bytes put there anew: still the file.
        if (!m_hasDigest || now.size != m_stamp.size)
            return Seen::Changed;
        const Seen seen = compareContent(path);
        if (seen == Seen::Same) {
            m_stamp = now;
            m_takenAt = nowNanoseconds();
        }
        return seen;
    }
    if (!fresh() || !m_read)
        return Seen::Same;
    const qint64 taken = nowNanoseconds();
    const Seen seen = compareContent(path);
    if (seen == Seen::Same && taken > m_stamp.modified + tickNanoseconds())
        m_takenAt = taken;
    return seen;
}

QDateTime FileIdentity::modified() const
{
    if (isNull())
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(m_stamp.modified / 1000000);
}
