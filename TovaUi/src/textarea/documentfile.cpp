#include "documentfile.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool DocumentFile::open(QFile& file, const QString& path, QString* reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat info;
    const bool read = ::fstat(fd, &info) == 0;
    if (!read || !S_ISREG(info.st_mode)) {
        *reason = !read                  ? QString::fromLocal8Bit(std::strerror(errno))
            : S_ISDIR(info.st_mode) ? QCoreApplication::translate("DocumentFile", "这是一个文件夹")
                                    : QCoreApplication::translate("DocumentFile", "这不是普通文件");
        ::close(fd);
        logWarning(lcEditor) << "not opened as a document:" << path << *reason;
        return false;
    }
    // Reads of a regular file wait for the disk as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

QString DocumentFile::problem(const QString& path)
{
    QFile file;
    QString reason;
    return open(file, path, &reason) ? QString() : reason;
}
