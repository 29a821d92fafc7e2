#include "documentfile.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A handle on path's name (O_PATH) when it names a regular file, else -1
// with *reason set.
int regularFile(const QString& path, QString* reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        *reason = systemError(errno);
        return -1;
    }
    struct stat info;
    const bool read = ::fstat(fd, &info) == 0;
    if (read && S_ISREG(info.st_mode))
        return fd;
    *reason = !read                  ? systemError(errno)
        : S_ISDIR(info.st_mode) ? QCoreApplication::translate("DocumentFile", "这是一个文件夹")
                                : QCoreApplication::translate("DocumentFile", "这不是普通文件");
    ::close(fd);
    logWarning(lcEditor) << "not opened as a document:" << path << *reason;
    return -1;
}

} // namespace

bool DocumentFile::open(QFile& file, const QString& path, QString* reason)
{
    const int name = regularFile(path, reason);
    if (name < 0)
        return false;
    const int fd = ::open(QByteArray("/proc/self/fd/" + QByteArray::number(name)).constData(), O_RDONLY | O_CLOEXEC);
    const int error = errno;
    ::close(name);
    if (fd < 0) {
        *reason = systemError(error);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

QString DocumentFile::problem(const QString& path)
{
    QString reason;
    const int name = regularFile(path, &reason);
    if (name < 0)
        return reason;
    struct stat info;
    const bool large = ::fstat(name, &info) == 0 && tooLarge(info.st_size);
    ::close(name);
    if (large) {
        logWarning(lcEditor) << "not opened as a document:" << path << "too large to be read whole";
        return notReadWhole();
    }
    return ::access(QFile::encodeName(path).constData(), R_OK) == 0 ? QString() : systemError(errno);
}

QString DocumentFile::notReadWhole() { return QCoreApplication::translate("DocumentFile", "无法完整读取文件"); }
