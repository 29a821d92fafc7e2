#include "storageaccess.h"

#include <QList>

namespace {
const QByteArray hall = "ranking/hall/";
const QByteArray rooms = "ranking/rooms/";

bool ownArea(const QString& account, const QByteArray& key)
{
    if (account.isEmpty())
        return false;
    const QByteArray name = account.toUtf8();
    for (const char* area : { "data/", "ranking/date/", "ranking/setting/" }) {
        if (key.startsWith(QByteArray(area) + name + '/'))
            return true;
    }
    return false;
}
} // namespace

bool StorageAccess::allows(const QString& account, Operation operation, const QByteArray& key)
{
    if (ownArea(account, key))
        return true;
    if (key.startsWith(hall)) {
        const bool oneSegment = !key.mid(hall.size()).contains('/');
        return operation == Operation::Read || (operation == Operation::Write && oneSegment);
    }
    if (key.startsWith(rooms)) {
        if (operation == Operation::Read)
            return true;
        const QList<QByteArray> parts = key.mid(rooms.size()).split('/');
        if (parts.size() != 2 || account.isEmpty())
            return false;
        if (parts.at(1) == account.toUtf8() + ".user.xml")
            return true;
        return operation == Operation::Write && parts.at(1) == "bot.xml";
    }
    if (key.startsWith("ranking/") && key.endsWith(".bot.user.xml") && !key.mid(8).contains('/'))
        return operation == Operation::Read;
    return false;
}

bool StorageAccess::allowsListing(const QString& account, const QByteArray& prefix)
{
    return ownArea(account, prefix) || prefix.startsWith(hall) || prefix.startsWith(rooms);
}
