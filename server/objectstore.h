#ifndef OBJECTSTORE_H
#define OBJECTSTORE_H

#include "objectfile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <map>
#include <mutex>
#include <shared_mutex>

// One page of a listing, in the byte order of the keys.
struct ListPage
{
    QList<ObjectMeta> contents;
    QList<QByteArray> commonPrefixes;
    bool truncated = false;
    QByteArray nextMarker;
};

// The bucket's objects as files under one folder ("<root>/<2 hex>/<SHA-1 of
// the key>"), each holding its key and ETag (see ObjectFile). An index in
// memory, built from the files at start, answers listings. Writes of one key
// are serialised, so the index always names the ETag of the file on disk.
class ObjectStore
{
public:
    enum class Removal { Removed, Absent, Failed };

    bool open(const QString& root, QString* error);

    // An upload as it arrives: begin() starts its file, the caller appends
    // the bytes to the writer, finish() puts the object in place.
    bool begin(ObjectFile::Writer* writer, const QByteArray& key, const QByteArray& contentType,
               const QByteArray& owner, QString* error) const;
    bool finish(ObjectFile::Writer& writer, ObjectMeta* stored, QString* error);
    bool put(const QByteArray& key, const QByteArray& body, const QByteArray& contentType, const QByteArray& owner,
             ObjectMeta* stored, QString* error);
    // False when the object does not exist (or cannot be read).
    bool get(const QByteArray& key, ObjectMeta* meta, QByteArray* body) const;
    // The object's file, placed at the start of its bytes.
    bool open(const QByteArray& key, ObjectMeta* meta, QFile* file) const;
    // Removed only when its file is gone; the index keeps what the disk keeps.
    Removal remove(const QByteArray& key, QString* error);
    // Keys after marker that start with prefix; with a delimiter, keys that
    // hold it after the prefix are rolled up into their common prefix, which
    // counts as one entry. maxKeys entries at most.
    ListPage list(const QByteArray& prefix, const QByteArray& marker, const QByteArray& delimiter, int maxKeys) const;
    bool clear();
    qint64 count() const;

private:
    QString pathFor(const QByteArray& key) const;
    std::mutex& lockFor(const QByteArray& key);

    QString m_root;
    QString m_temporary;
    std::map<QByteArray, ObjectMeta> m_index;
    mutable std::shared_mutex m_indexMutex;
    std::mutex m_keyLocks[64];
};

#endif
