#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temporary.constData());
    }
}

bool AtomicFile::failed()
{
    if (m_error.isEmpty())
        m_error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool AtomicFile::open(const QString& temporaryFolder, QString* error)
{
    m_temporary = QFile::encodeName(
        temporaryFolder + QStringLiteral("/%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
    m_fd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool AtomicFile::append(const char* data, qint64 size)
{
    if (m_fd < 0 || !m_error.isEmpty())
        return false;
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(qMin<qint64>(size, 1 << 20)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed();
        }
        data += n;
        size -= n;
        m_size += n;
    }
    return true;
}

bool AtomicFile::writeAt(qint64 offset, const QByteArray& bytes)
{
    if (m_fd < 0 || !m_error.isEmpty() || offset + bytes.size() > m_size)
        return false;
    if (::pwrite(m_fd, bytes.constData(), size_t(bytes.size()), offset) != bytes.size())
        return failed();
    return true;
}

void AtomicFile::sync()
{
    if (m_fd >= 0 && m_error.isEmpty() && ::fsync(m_fd) != 0)
        failed();
}

bool AtomicFile::commit(const QString& path, QString* error)
{
    if (m_fd < 0) {
        *error = QStringLiteral("the file is not open");
        return false;
    }
    bool ok = m_error.isEmpty() && (::fsync(m_fd) == 0 || failed());
    ok = (::close(m_fd) == 0 || failed()) && ok;
    m_fd = -1;
    struct stat st;
    if (ok && (::stat(m_temporary.constData(), &st) != 0 || st.st_size != m_size)) {
        m_error = QStringLiteral("the written file has the wrong size");
        ok = false;
    }
    if (ok && ::rename(m_temporary.constData(), QFile::encodeName(path).constData()) != 0)
        ok = failed();
    if (!ok) {
        ::unlink(m_temporary.constData());
        *error = m_error;
        return false;
    }
    syncFolder(QFileInfo(path).path());
    return true;
}

bool AtomicFile::write(const QString& path, const QString& temporaryFolder, const QList<QByteArray>& parts,
                       QString* error)
{
    AtomicFile file;
    if (!file.open(temporaryFolder, error))
        return false;
    for (const QByteArray& part : parts)
        file.append(part.constData(), part.size());
    return file.commit(path, error);
}
