// The sync's records, sidecars and paths: cloudDisk's members that need no
// object state, also used by the comparison worker on its own thread.
#include "clouddisk.h"

#include "data/global.h"
#include "function/transfercheck.h"
#include "support/userfile.h"
#include "users/userdatas.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

// ---- records, sidecars and paths -------------------------------------------------

const QStringList& cloudDisk::cloudFilters()
{
    static const QStringList filters { QStringLiteral("*.md"), QStringLiteral("*.txt"), QStringLiteral("*.mark") };
    return filters;
}

QString cloudDisk::serverPath(const QString& rel)
{
    UserDatas* user = account();
    if (!user->logined() || user->login().isEmpty())
        return QString();
    return QStringLiteral("data/") + user->login() + QLatin1Char('/') + rel;
}

QString cloudDisk::localPath(const QString& rel)
{
    if (rel.isEmpty())
        return global::documentPath();
    return global::documentPath() + QLatin1Char('/') + rel;
}

QString cloudDisk::metaFilePath(const QString& rel)
{
    return global::metaDataPath() + rel + QStringLiteral(".meta");
}

QUrl cloudDisk::getLocalFullPath(const QString& rel) const
{
    return QUrl::fromLocalFile(localPath(rel));
}

QUrl cloudDisk::getServerFullPath(const QString& rel) const
{
    return QUrl::fromLocalFile(localPath(rel) + QStringLiteral(".server"));
}

QString cloudDisk::conflictFileName(const QString& path)
{
    const QFileInfo info(path);
    return info.path() + QLatin1Char('/') + info.baseName() + QLatin1Char('.') + info.suffix() + QStringLiteral(".server");
}

MetaData cloudDisk::getMetaData(const QString& rel)
{
    MetaData record;
    record.sortPath = rel;
    QFile file(metaFilePath(rel));
    if (!file.open(QIODevice::ReadOnly))
        return record;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return record;
    const QJsonObject o = doc.object();
    record.Etag = o.value(QStringLiteral("ETag")).toString(QStringLiteral(""));
    record.Md5 = o.value(QStringLiteral("Md5")).toString(QStringLiteral(""));
    record.account = o.value(QStringLiteral("Account")).toString(QStringLiteral(""));
    return record;
}

bool cloudDisk::setMetaData(const MetaData& record)
{
    return bool(writeMetaData(record));
}

UserFile::Result cloudDisk::writeMetaData(const MetaData& record)
{
    const QString path = metaFilePath(record.sortPath);
    if (record.Md5.isEmpty() && record.Etag.isEmpty()) {
        QFile file(path);
        return file.remove() ? UserFile::Result(true, QString()) : UserFile::Result(false, file.errorString());
    }
    // Written by hand to keep the key order fixed. "Account" comes last and
    // only when known, so older readers see the keys they know.
    const auto value = [](const QString& text) {
        return QJsonDocument(QJsonObject { { "v", text } }).toJson(QJsonDocument::Compact).mid(5).chopped(1);
    };
    QByteArray json = "{\"ETag\":" + value(record.Etag) + ",\"Md5\":" + value(record.Md5) + ",\"SortPath\":" + value(record.sortPath);
    if (!record.account.isEmpty())
        json += ",\"Account\":" + value(record.account);
    return UserFile::write(path, json + "}");
}

QMap<QString, MetaData> cloudDisk::sidecars()
{
    QMap<QString, MetaData> records;
    const QString root = global::metaDataPath();
    QDirIterator it(root, { QStringLiteral("*.meta") }, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = it.next().mid(root.size()).chopped(5);
        const MetaData record = getMetaData(rel);
        if (!record.Etag.isEmpty() || !record.Md5.isEmpty())
            records.insert(rel, record);
    }
    return records;
}

QString cloudDisk::Md5(const QString& rel)
{
    const QString path = localPath(rel);
    if (!QFileInfo::exists(path))
        return QStringLiteral("");
    QByteArray bytes;
    readAll(path, bytes);
    return TransferCheck::md5Hex(bytes);
}

QStringList cloudDisk::findFiles(QString folder, const QStringList& patterns)
{
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    while (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    QStringList result;
    QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::Files, QDir::Unsorted))
        result << folder + QLatin1Char('/') + name;
    static const QStringList skipped { QStringLiteral(".History"), QStringLiteral(".MetaData"), QStringLiteral(".history"),
        QStringLiteral("."), QStringLiteral("..") };
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (!skipped.contains(name))
            result << findFiles(folder + QLatin1Char('/') + name, patterns);
    }
    return result;
}

QList<localMeta> cloudDisk::localFiles()
{
    const QString root = localPath(QString());
    QList<localMeta> list;
    for (const QString& full : findFiles(root, cloudFilters())) {
        localMeta m;
        m.sortPath = full.mid(root.size() + 1);
        list << m;
    }
    return list;
}

QString cloudDisk::relativeKey(const QString& key, const QString& prefix)
{
    if (!key.startsWith(prefix))
        return QString();
    QString rel = key.mid(prefix.size());
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (rel.isEmpty() || rel.contains(QLatin1Char('\\')) || rel.contains(QChar(0)))
        return QString();
    const QStringList parts = rel.split(QLatin1Char('/'));
    static const QStringList reserved { QStringLiteral(".MetaData"), QStringLiteral(".History"), QStringLiteral(".history") };
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") || reserved.contains(part))
            return QString();
    }
    if (!QDir::match(cloudFilters(), parts.last()))
        return QString();
    return rel;
}
