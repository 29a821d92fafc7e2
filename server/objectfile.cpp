#include "objectfile.h"

#include "atomicfile.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
const QByteArray magic = "PENLARK-OBJECT 1\n";
const int maxHeader = 8192;

QByteArray oneLine(QByteArray text)
{
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    return text;
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
    return AtomicFile::write(path, temporaryFolder, { header, body }, error);
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
