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
bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(qMin<qint64>(size, 1 << 20)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

bool AtomicFile::write(const QString& path, const QString& temporaryFolder, const QList<QByteArray>& parts,
                       QString* error)
{
    const QByteArray temporary = QFile::encodeName(
        temporaryFolder + QStringLiteral("/%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    qint64 size = 0;
    bool ok = true;
    for (const QByteArray& part : parts) {
        ok = ok && writeAll(fd, part.constData(), part.size());
        size += part.size();
    }
    ok = ok && ::fsync(fd) == 0;
    if (!ok)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    ok = ::close(fd) == 0 && ok;
    struct stat st;
    if (ok && (::stat(temporary.constData(), &st) != 0 || st.st_size != size)) {
        *error = QStringLiteral("the written file has the wrong size");
        ok = false;
    }
    if (ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(QFileInfo(path).path());
    return true;
}
