#ifndef OBJECTSTORE_H
#define OBJECTSTORE_H

#include "objectfile.h"

#include <QByteArray>
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
    bool open(const QString& root, QString* error);

    bool put(const QByteArray& key, const QByteArray& body, const QByteArray& contentType, const QByteArray& owner,
             ObjectMeta* stored, QString* error);
    // False when the object does not exist (or cannot be read).
    bool get(const QByteArray& key, ObjectMeta* meta, QByteArray* body) const;
    // True when an object was removed.
    bool remove(const QByteArray& key);
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
