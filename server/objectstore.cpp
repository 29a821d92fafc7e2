#include "objectstore.h"

#include "serverlog.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
// No key holds this byte (keys are UTF-8), so key + it is past every key
// that begins with key.
const char pastPrefix = '\xff';
} // namespace

bool ObjectStore::open(const QString& root, QString* error)
{
    m_root = root;
    m_temporary = root + QStringLiteral("/tmp");
    if (!QDir().mkpath(m_temporary)) {
        *error = QStringLiteral("cannot create ") + m_temporary;
        return false;
    }
    // Left over from writes that a crash interrupted.
    for (const QString& name : QDir(m_temporary).entryList(QDir::Files))
        QFile::remove(m_temporary + QLatin1Char('/') + name);
    std::unique_lock<std::shared_mutex> lock(m_indexMutex);
    m_index.clear();
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(m_temporary + QLatin1Char('/')))
            continue;
        ObjectMeta meta;
        if (ObjectFile::readMeta(path, &meta) && pathFor(meta.key) == path)
            m_index[meta.key] = meta;
        else
            ServerLog::warning(QStringLiteral("not an object file: ") + path);
    }
    return true;
}

QString ObjectStore::pathFor(const QByteArray& key) const
{
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return m_root + QLatin1Char('/') + QString::fromLatin1(hash.left(2)) + QLatin1Char('/') + QString::fromLatin1(hash);
}

std::mutex& ObjectStore::lockFor(const QByteArray& key)
{
    return m_keyLocks[qHash(key) % (sizeof(m_keyLocks) / sizeof(m_keyLocks[0]))];
}

bool ObjectStore::begin(ObjectFile::Writer* writer, const QByteArray& key, const QByteArray& contentType,
                        const QByteArray& owner, QString* error) const
{
    ObjectMeta meta;
    meta.key = key;
    meta.owner = owner;
    meta.contentType = contentType;
    return writer->open(m_temporary, meta, error);
}

bool ObjectStore::finish(ObjectFile::Writer& writer, ObjectMeta* stored, QString* error)
{
    const QByteArray key = writer.meta().key;
    const QString path = pathFor(key);
    std::lock_guard<std::mutex> keyLock(lockFor(key));
    if (!QDir().mkpath(QFileInfo(path).path())) {
        *error = QStringLiteral("cannot create the object folder");
        return false;
    }
    ObjectMeta meta;
    if (!writer.commit(path, &meta, error))
        return false;
    {
        std::unique_lock<std::shared_mutex> lock(m_indexMutex);
        m_index[key] = meta;
    }
    if (stored)
        *stored = meta;
    return true;
}

bool ObjectStore::put(const QByteArray& key, const QByteArray& body, const QByteArray& contentType,
                      const QByteArray& owner, ObjectMeta* stored, QString* error)
{
    ObjectFile::Writer writer;
    return begin(&writer, key, contentType, owner, error) && writer.append(body.constData(), body.size())
        && finish(writer, stored, error);
}

bool ObjectStore::get(const QByteArray& key, ObjectMeta* meta, QByteArray* body) const
{
    return ObjectFile::read(pathFor(key), meta, body) && meta->key == key;
}

bool ObjectStore::open(const QByteArray& key, ObjectMeta* meta, QFile* file) const
{
    return ObjectFile::open(pathFor(key), meta, file) && meta->key == key;
}

ObjectStore::Removal ObjectStore::remove(const QByteArray& key, QString* error)
{
    std::lock_guard<std::mutex> keyLock(lockFor(key));
    {
        std::shared_lock<std::shared_mutex> lock(m_indexMutex);
        if (m_index.find(key) == m_index.end())
            return Removal::Absent;
    }
    if (::unlink(QFile::encodeName(pathFor(key)).constData()) != 0 && errno != ENOENT) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return Removal::Failed;
    }
    std::unique_lock<std::shared_mutex> lock(m_indexMutex);
    m_index.erase(key);
    return Removal::Removed;
}

ListPage ObjectStore::list(const QByteArray& prefix, const QByteArray& marker, const QByteArray& delimiter,
                           int maxKeys) const
{
    ListPage page;
    std::shared_lock<std::shared_mutex> lock(m_indexMutex);
    auto it = marker.isEmpty() || marker < prefix ? m_index.lower_bound(prefix) : m_index.upper_bound(marker);
    int count = 0;
    QByteArray last;
    while (it != m_index.end() && it->first.startsWith(prefix)) {
        const QByteArray& key = it->first;
        const int at = delimiter.isEmpty() ? -1 : key.indexOf(delimiter, prefix.size());
        if (at >= 0) {
            const QByteArray common = key.left(at + delimiter.size());
            // A common prefix not after the marker was on an earlier page.
            if (common <= marker || common == last) {
                it = m_index.lower_bound(common + pastPrefix);
                continue;
            }
            if (count == maxKeys) {
                page.truncated = true;
                break;
            }
            page.commonPrefixes << common;
            last = common;
            ++count;
            it = m_index.lower_bound(common + pastPrefix);
            continue;
        }
        if (count == maxKeys) {
            page.truncated = true;
            break;
        }
        page.contents << it->second;
        last = key;
        ++count;
        ++it;
    }
    if (page.truncated)
        page.nextMarker = last;
    return page;
}

bool ObjectStore::clear()
{
    std::unique_lock<std::shared_mutex> lock(m_indexMutex);
    bool ok = true;
    for (const auto& entry : m_index)
        ok = QFile::remove(pathFor(entry.first)) && ok;
    m_index.clear();
    return ok;
}

qint64 ObjectStore::count() const
{
    std::shared_lock<std::shared_mutex> lock(m_indexMutex);
    return qint64(m_index.size());
}
