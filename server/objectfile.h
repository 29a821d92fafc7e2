#ifndef OBJECTFILE_H
#define OBJECTFILE_H

#include <QByteArray>
#include <QString>

// What the store knows of one object besides its bytes.
struct ObjectMeta
{
    QByteArray key;
    QByteArray etag; // MD5 of the bytes, upper-case hexadecimal, no quotes
    QByteArray owner;
    QByteArray contentType;
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch

    QByteArray quotedETag() const { return '"' + etag + '"'; }
};

// One object on disk: a short text header (key, ETag, owner, content type)
// and the bytes, in one file, so the ETag always belongs to the bytes next
// to it. write() replaces the file atomically (AtomicFile).
class ObjectFile
{
public:
    static bool write(const QString& path, const QString& temporaryFolder, const ObjectMeta& meta,
                      const QByteArray& body, QString* error);
    // The header only; size and modified come from the file.
    static bool readMeta(const QString& path, ObjectMeta* meta);
    static bool read(const QString& path, ObjectMeta* meta, QByteArray* body);
};

#endif
