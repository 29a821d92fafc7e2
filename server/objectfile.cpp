#include "objectfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
const QByteArray magic = "PENLARK-OBJECT 1\n";
const QByteArray blankETag(32, '0');

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

bool ObjectFile::Writer::open(const QString& temporaryFolder, const ObjectMeta& meta, QString* error)
{
    m_meta = meta;
    const QByteArray start = magic + "key " + oneLine(meta.key) + "\netag ";
    const QByteArray header = start + QByteArray(blankETag.size(), '0') + "\nowner " + oneLine(meta.owner) + "\ntype "
        + oneLine(meta.contentType) + "\n\n";
    if (header.size() > maxHeader) {
        *error = QStringLiteral("the object's header is longer than %1 bytes").arg(maxHeader);
        return false;
    }
    m_etagAt = start.size();
    m_headerSize = header.size();
    return m_file.open(temporaryFolder, error) && m_file.append(header.constData(), header.size());
}

bool ObjectFile::Writer::append(const char* data, qint64 size)
{
    m_md5.addData(data, int(size));
    return m_file.append(data, size);
}

bool ObjectFile::Writer::commit(const QString& path, ObjectMeta* stored, QString* error)
{
    m_meta.etag = m_md5.result().toHex().toUpper();
    m_meta.size = size();
    // A failed write is kept by the file, and commit() reports it.
    m_file.writeAt(m_etagAt, m_meta.etag);
    if (!m_file.commit(path, error))
        return false;
    m_meta.modified = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    if (stored)
        *stored = m_meta;
    return true;
}

bool ObjectFile::write(const QString& path, const QString& temporaryFolder, const ObjectMeta& meta,
                       const QByteArray& body, QString* error)
{
    Writer writer;
    return writer.open(temporaryFolder, meta, error) && writer.append(body.constData(), body.size())
        && writer.commit(path, nullptr, error);
}

bool ObjectFile::readMeta(const QString& path, ObjectMeta* meta)
{
    QFile file;
    return open(path, meta, &file);
}

bool ObjectFile::open(const QString& path, ObjectMeta* meta, QFile* file)
{
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    const int length = parseHeader(file->read(maxHeader), meta);
    if (length < 0 || !file->seek(length))
        return false;
    const QFileInfo info(*file);
    meta->size = info.size() - length;
    meta->modified = info.lastModified().toMSecsSinceEpoch();
    return true;
}

bool ObjectFile::read(const QString& path, ObjectMeta* meta, QByteArray* body)
{
    QFile file;
    if (!open(path, meta, &file))
        return false;
    *body = file.readAll();
    return body->size() == meta->size;
}
