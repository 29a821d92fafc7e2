#ifndef STORAGEACCESS_H
#define STORAGEACCESS_H

#include <QByteArray>
#include <QString>

// What one account's credentials reach in the bucket:
// - its own documents, statistics and settings: everything under
//   "data/<name>/", "ranking/date/<name>/" and "ranking/setting/<name>/";
// - the room hall "ranking/hall/": read, list and write room records (rooms
//   are created by their members; none deletes the hall's records);
// - rooms "ranking/rooms/<room>/": read and list every record, write the
//   shared day plan "bot.xml", write and delete only its own
//   "<name>.user.xml";
// - simulated writers' catalogues "ranking/<room>.bot.user.xml": read only.
class StorageAccess
{
public:
    enum class Operation { Read, Write, Delete };

    static bool allows(const QString& account, Operation operation, const QByteArray& key);
    // A listing may only name a prefix whose every key is readable.
    static bool allowsListing(const QString& account, const QByteArray& prefix);
};

#endif
