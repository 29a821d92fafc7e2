#ifndef OBJECTFILE_H
#define OBJECTFILE_H

#include "atomicfile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

class QFile;

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
// to it. A file is written whole through AtomicFile. Readers take headers
// of up to maxHeader bytes; a writer refuses to write a longer one, and the
// storage refuses a content type longer than maxContentType.
class ObjectFile
{
public:
    static const int maxHeader = 8192;
    static const int maxContentType = 1024;

    // An object file written as its bytes arrive: the header first, with
    // the ETag left blank, then the bytes; commit() fills in their MD5 and
    // puts the file in place.
    class Writer
    {
    public:
        bool open(const QString& temporaryFolder, const ObjectMeta& meta, QString* error);
        bool append(const char* data, qint64 size);
        QByteArray md5() const { return m_md5.result(); }
        qint64 size() const { return m_file.size() - m_headerSize; }
        // No write has failed so far.
        bool written() const { return m_file.ok(); }
        const ObjectMeta& meta() const { return m_meta; }
        // The bytes so far on the disk: commit() is then quick.
        void sync() { m_file.sync(); }
        bool commit(const QString& path, ObjectMeta* stored, QString* error);

    private:
        AtomicFile m_file;
        QCryptographicHash m_md5 { QCryptographicHash::Md5 };
        ObjectMeta m_meta;
        qint64 m_headerSize = 0;
        qint64 m_etagAt = 0;
    };

    static bool write(const QString& path, const QString& temporaryFolder, const ObjectMeta& meta,
                      const QByteArray& body, QString* error);
    // The header only; size and modified come from the file.
    static bool readMeta(const QString& path, ObjectMeta* meta);
    // Opens the object for reading, the file placed at the start of its bytes.
    static bool open(const QString& path, ObjectMeta* meta, QFile* file);
    static bool read(const QString& path, ObjectMeta* meta, QByteArray* body);
};

#endif
