#include "objectfile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray magic = "PENLARK-OBJECT 1\n";
const int maxHeader = 8192;

QByteArray oneLine(QByteArray text)
{
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    return text;
}

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

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Parses the header at the start of bytes; returns its length, or -1.
int parseHeader(const QByteArray& bytes, ObjectMeta* meta)
{
    if (!bytes.startsWith(magic))
        return -1;
    const int end = bytes.indexOf("\n\n", magic.size() - 1);
    if (end < 0)
        return -1;
    const QList<QByteArray> lines = bytes.mid(magic.size(), end - magic.size() + 1).split('\n');
    for (const QByteArray& line : lines) {
        const int space = line.indexOf(' ');
        const QByteArray name = space < 0 ? line : line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        if (name == "key")
            meta->key = value;
        else if (name == "etag")
            meta->etag = value;
        else if (name == "owner")
            meta->owner = value;
        else if (name == "type")
            meta->contentType = value;
    }
    return meta->key.isEmpty() ? -1 : end + 2;
}
} // namespace

bool ObjectFile::write(const QString& path, const QString& temporaryFolder, const ObjectMeta& meta,
                       const QByteArray& body, QString* error)
{
    const QByteArray header = magic + "key " + oneLine(meta.key) + "\netag " + oneLine(meta.etag) + "\nowner "
        + oneLine(meta.owner) + "\ntype " + oneLine(meta.contentType) + "\n\n";
    const QString temporary = temporaryFolder + QStringLiteral("/%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    bool ok = writeAll(fd, header.constData(), header.size()) && writeAll(fd, body.constData(), body.size());
    ok = ok && ::fsync(fd) == 0;
    if (!ok)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        struct stat st;
        ok = ::stat(temporaryName.constData(), &st) == 0 && st.st_size == header.size() + body.size();
        if (!ok)
            *error = QStringLiteral("short write");
    }
    if (ok && ::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        ok = false;
    }
    if (!ok) {
        ::unlink(temporaryName.constData());
        return false;
    }
    syncFolder(QFileInfo(path).path());
    return true;
}

bool ObjectFile::readMeta(const QString& path, ObjectMeta* meta)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const int length = parseHeader(file.read(maxHeader), meta);
    if (length < 0)
        return false;
    const QFileInfo info(file);
    meta->size = info.size() - length;
    meta->modified = info.lastModified().toMSecsSinceEpoch();
    return true;
}

bool ObjectFile::read(const QString& path, ObjectMeta* meta, QByteArray* body)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const int length = parseHeader(file.read(maxHeader), meta);
    if (length < 0 || !file.seek(length))
        return false;
    *body = file.readAll();
    meta->size = body->size();
    meta->modified = QFileInfo(file).lastModified().toMSecsSinceEpoch();
    return true;
}
