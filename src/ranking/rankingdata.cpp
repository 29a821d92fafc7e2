#include "rankingdata.h"

#include "data/global.h"
#include "data/statsclock.h"
#include "data/statsfolder.h"
#include "function/boolreply.h"
#include "function/datareply.h"
#include "function/oss.h"
#include "ranking/roomdatalistreply.h"
#include "ranking/roomdatareply.h"
#include "ranking/userdaydatalistreply.h"
#include "ranking/userdaydatareply.h"
#include "ranking/rankingxml.h"
#include "ranking/roomname.h"
#include "ranking/roomdownloads.h"
#include "ranking/roomreader.h"
#include "ranking/userroomdatareply.h"
#include "support/log.h"

#include <QTimer>

namespace {

const QString kHallPrefix = QStringLiteral("ranking/hall/");
const QString kRoomsPrefix = QStringLiteral("ranking/rooms/");
const QString kDatePrefix = QStringLiteral("ranking/date/");
const QString kRoomSuffix = QStringLiteral(".room.xml");
const QString kUserSuffix = QStringLiteral(".user.xml");

template <typename Reply, typename Value>
void deliverLater(Reply* reply, const Value& value, int delay)
{
    QTimer::singleShot(delay, reply, [reply, value]() {
        emit reply->finished(value);
        reply->deleteLater();
    });
}

} // namespace

RankingData::RankingData(QObject* parent)
    : QObject(parent)
{
}

// ---- XML documents --------------------------------------------------------------

QString RankingData::roomDataToXml(const RoomData& data) { return RankingXml::roomDataToXml(data); }
RoomData RankingData::roomXmlToRoomData(const QString& xml) { return RankingXml::roomXmlToRoomData(xml); }
QString RankingData::userDayDataToXml(const UserDayData& data) { return RankingXml::userRoomDataToXml(data); }
QString RankingData::userRoomDateToXml(const UserRoomData& data) { return RankingXml::userRoomDataToXml(data); }
UserDayData RankingData::userXmlToUserDayData(const QString& xml) { return RankingXml::userXmlToUserDayData(xml); }
UserRoomData RankingData::userXmlToUserRoomData(const QString& xml) { return RankingXml::userXmlToUserRoomData(xml); }
QString RankingData::botDataToXml(const BotsData& data) { return RankingXml::botDataToXml(data); }
BotsData RankingData::botXmlToBotData(const QString& xml) { return RankingXml::botXmlToBotData(xml); }

QString RankingData::bodyText(const QByteArray& body, int maxCharacters)
{
    const int nul = body.indexOf('\0');
    const QByteArray text = nul < 0 ? body : body.left(nul);
    // UTF-8 takes at most four bytes a character.
    if (text.size() / 4 > maxCharacters) {
        logWarning(lcRooms) << "body refused:" << text.size() << "bytes";
        return QString();
    }
    return QString::fromUtf8(text);
}

namespace {
bool readWell(const RoomData& r) { return r.valid; }
bool readWell(const UserDayData& r) { return r.valid; }
// A member's own record carries no mark of having been read.
bool readWell(const UserRoomData&) { return true; }

// A download that says nothing of the record: no answer, too slow, an
// answer that did not check out, or a failing store.
bool cannotBeHad(const NetworkData& d)
{
    return d.kind == NetworkData::Kind::NoAnswer || d.kind == NetworkData::Kind::Unverified
        || (d.kind == NetworkData::Kind::Answer && d.statusCode >= 500);
}
void markUnavailable(UserDayData& r, const QString& login)
{
    r.ID = login;
    r.unavailable = true;
}
void markUnavailable(UserRoomData&, const QString&) {}
} // namespace

template <typename Record>
RankingData::Read<Record> RankingData::readRecord(const QByteArray& body, Record (*read)(const QString&))
{
    Read<Record> r;
    r.record = read(bodyText(body, RankingXml::MaxRecordSize));
    // A parse stopped by the refresh's deadline says nothing of the document.
    r.refused = !readWell(r.record) && !RankingXml::ParseDeadline::passed();
    return r;
}

// ---- object keys ------------------------------------------------------------------

bool RankingData::isHallFile(const QString& key) { return key.endsWith(kRoomSuffix); }
bool RankingData::isUserFile(const QString& key) { return key.endsWith(kUserSuffix); }

QString RankingData::fixRoomKeyToPath(const QString& key)
{
    QString path = key.endsWith(kRoomSuffix) ? key : key + kRoomSuffix;
    return path.startsWith(kHallPrefix) ? path : kHallPrefix + path;
}

static QString lastPart(const QString& key, const QString& suffix)
{
    QString k = key;
    if (k.endsWith(suffix))
        k.chop(suffix.size());
    return k.split(QLatin1Char('/')).last();
}

QString RankingData::fixRoomKey(const QString& key) { return lastPart(key, kRoomSuffix); }
QString RankingData::fixUserKey(const QString& key) { return lastPart(key, kUserSuffix); }

QString RankingData::fixUserKeyToRoomPath(const QString& userKey, const QString& roomKey)
{
    const QString room = fixRoomKey(roomKey);
    const QString user = userKey.endsWith(kUserSuffix) ? userKey : userKey + kUserSuffix;
    if (user.startsWith(kRoomsPrefix))
        return user;
    return kRoomsPrefix + room + QLatin1Char('/') + user;
}

QString RankingData::fixUserKeyToPathForDayData(const QString& userKey, const QDate& date)
{
    return kDatePrefix + fixUserKey(userKey) + QLatin1Char('/') + StatsFolder::dateText(date, QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".date.xml");
}

QString RankingData::fixUserKeyToPathForDataInfo(const QString& userKey)
{
    const QString u = fixUserKey(userKey);
    return kDatePrefix + u + QLatin1Char('/') + u + QStringLiteral(".date.xml");
}

// ---- storage ------------------------------------------------------------------------

oss* RankingData::store() { return global::instance()->getOss(); }

BoolReply* RankingData::answerLater(bool answer, int delay)
{
    auto* reply = new BoolReply();
    deliverLater(reply, answer, delay);
    return reply;
}

BoolReply* RankingData::objectExists(const QString& objectKey)
{
    auto* reply = new BoolReply();
    DataReply* fetch = store()->getObject(objectKey);
    connect(fetch, &DataReply::finished, reply, [reply](const NetworkData& d) {
        emit reply->finished(d.statusCode == 200);
        reply->deleteLater();
    });
    return reply;
}

BoolReply* RankingData::upload(const QString& objectKey, const QString& text)
{
    auto* reply = new BoolReply();
    DataReply* post = store()->postObject(objectKey, text);
    connect(post, &DataReply::finished, reply, [reply](const NetworkData& d) {
        if (d.statusCode != 200)
            logDebug(lcRooms) << "postObject finished:" << d.statusCode;
        emit reply->finished(d.statusCode == 200);
        reply->deleteLater();
    });
    return reply;
}

// The keys of a listing body that pass the filter, with their last-modified
// texts; nothing for a body that is not a listing.
static QList<oss::OssListContent> listed(const QByteArray& body, bool (*keep)(const QString&))
{
    oss::OssList page;
    QList<oss::OssListContent> kept;
    if (!oss::parseListPage(body, page))
        return kept;
    for (const oss::OssListContent& c : page.contents)
        if (c.Key != QLatin1String("ranking/") && keep(c.Key))
            kept << c;
    return kept;
}

static RoomDownloads::Listed listedAs(const oss::OssListContent& c)
{
    bool ok = false;
    const qint64 size = c.Size.toLongLong(&ok);
    return RoomDownloads::Listed {c.Key, c.ETag, ok ? size : -1};
}

RoomDataListReply* RankingData::getHallDataList()
{
    auto* reply = new RoomDataListReply();
    DataReply* list = store()->getList(kHallPrefix, QStringLiteral("/"), QString());
    connect(list, &DataReply::finished, reply, [reply](const NetworkData& d) {
        if (d.statusCode != 200) {
            logWarning(lcRooms) << "getList error:" << d.errorString;
            logWarning(lcRooms) << "getList error code:" << d.statusCode;
            emit reply->finished();
            reply->deleteLater();
            return;
        }
        const QList<oss::OssListContent> keys = listed(d.data, &RankingData::isHallFile);
        if (keys.isEmpty()) {
            emit reply->finished();
            reply->deleteLater();
            return;
        }
        const int total = keys.size();
        const RoomReader reader;
        for (const oss::OssListContent& c : keys) {
            RoomDataReply* room = fetchRoom(listedAs(c), reader);
            connect(room, &RoomDataReply::finished, reply, [reply, total](const RoomData& data) {
                ++reply->delivered;
                emit reply->addedRoomData(data);
                if (reply->delivered == total) {
                    emit reply->finished();
                    reply->deleteLater();
                }
            });
        }
    });
    return reply;
}

RoomDataReply* RankingData::fetchRoom(const RoomDownloads::Listed& listed, const RoomReader& reader)
{
    auto* reply = new RoomDataReply();
    DataReply* fetch = RoomDownloads::fetch(listed, RankingXml::MaxRecordSize);
    connect(fetch, &DataReply::finished, reply, [reply, reader, key = listed.key](const NetworkData& d) {
        const QByteArray body = d.statusCode == 200 ? d.data : QByteArray();
        reader.read<Read<RoomData>>(reply, body.size(), [body]() { return readRecord(body, &RankingData::roomXmlToRoomData); },
                                    [reply, key, d](const Read<RoomData>& read) {
                                        if (read.refused && d.statusCode == 200)
                                            RoomDownloads::refuse(key, d.eTag);
                                        emit reply->finished(read.record);
                                        reply->deleteLater();
                                    });
    });
    return reply;
}

RoomDataReply* RankingData::getRoomDateByKey(const QString& key, const RoomReader& reader)
{
    return fetchRoom(RoomDownloads::Listed {fixRoomKeyToPath(key), QString(), -1}, reader);
}

RoomDataReply* RankingData::getRoomDateByKey(const QString& key) { return getRoomDateByKey(key, RoomReader()); }

BoolReply* RankingData::isHasRoomKey(const QString& key)
{
    return objectExists(kHallPrefix + (key.endsWith(kRoomSuffix) ? key : key + kRoomSuffix));
}

BoolReply* RankingData::pushRoomData(const RoomData& room)
{
    if (room.RoomKey.isEmpty()) {
        logDebug(lcRooms) << "No RoomKey:";
        return answerLater(false, 10);
    }
    if (RoomName::check(room.RoomKey) != RoomName::None) {
        logDebug(lcRooms) << "bad RoomKey:" << room.RoomKey;
        return answerLater(false, 10);
    }
    return upload(kHallPrefix + room.RoomKey + kRoomSuffix, roomDataToXml(room));
}

UserDayDataListReply* RankingData::getRoomDateList(const QString& roomKey, const RoomReader& reader)
{
    auto* reply = new UserDayDataListReply();
    DataReply* list = store()->getList(kRoomsPrefix + roomKey + QLatin1Char('/'), QStringLiteral("/"), QString());
    connect(list, &DataReply::finished, reply, [reply, roomKey, reader](const NetworkData& d) {
        const QList<oss::OssListContent> keys
            = d.statusCode == 200 ? listed(d.data, &RankingData::isUserFile) : QList<oss::OssListContent>();
        reply->setCount(keys.size());
        if (keys.isEmpty()) {
            emit reply->finished(QList<UserDayData>());
            reply->deleteLater();
            return;
        }
        for (const oss::OssListContent& c : keys) {
            UserDayDataReply* one = fetchMember<UserDayDataReply>(roomKey, listedAs(c), &RankingData::userXmlToUserDayData, reader);
            connect(one, &UserDayDataReply::finished, reply, &UserDayDataListReply::addDayData);
        }
    });
    return reply;
}

UserDayDataListReply* RankingData::getRoomDateList(const QString& roomKey)
{
    return getRoomDateList(roomKey, RoomReader());
}

void RankingData::zeroUnlessCurrent(UserRoomData& record)
{
    if (record.RoomID.isEmpty() || !record.room.IsOngoing() || !StatsClock::isToday(record.EndTime)) {
        record.Words = 0;
        record.Second = 0;
    }
}

// One member record of a room: read from its object, with nothing written
// unless it is of the running day; a record that cannot be had is a default
// one of the given room (marked unavailable, with the login its key names,
// when its download said nothing of it).
template <typename Reply, typename Record>
Reply* RankingData::fetchMember(const QString& roomKey, const RoomDownloads::Listed& listed,
                                Record (*read)(const QString&), const RoomReader& reader)
{
    auto* reply = new Reply();
    DataReply* fetch = RoomDownloads::fetch(listed, RankingXml::MaxRecordSize);
    connect(fetch, &DataReply::finished, reply, [reply, roomKey, read, reader, key = listed.key](const NetworkData& d) {
        auto deliver = [reply](const Record& r) {
            emit reply->finished(r);
            reply->deleteLater();
        };
        // A document refused for its size reads as one that did not read.
        if (d.statusCode != 200) {
            Record r;
            if (d.kind != NetworkData::Kind::TooLarge)
                r.RoomID = roomKey;
            if (cannotBeHad(d)) {
                logWarning(lcRooms) << "member record unavailable:" << key << d.errorString;
                markUnavailable(r, fixUserKey(key));
            }
            deliver(r);
            return;
        }
        const QByteArray body = d.data;
        reader.read<Read<Record>>(reply, body.size(), [body, read]() {
            Read<Record> r = readRecord(body, read);
            zeroUnlessCurrent(r.record);
            return r;
        }, [key, d, deliver](const Read<Record>& r) {
            if (r.refused)
                RoomDownloads::refuse(key, d.eTag);
            deliver(r.record);
        });
    });
    return reply;
}

UserDayDataReply* RankingData::getUserDayDataFromRoom(const QString& roomKey, const QString& userKey,
                                                      const QString& lastModified)
{
    Q_UNUSED(lastModified)
    return fetchMember<UserDayDataReply>(roomKey, {fixUserKeyToRoomPath(userKey, roomKey), QString(), -1},
                                         &RankingData::userXmlToUserDayData, RoomReader());
}

UserRoomDataReply* RankingData::getUserRoomData(const QString& roomKey, const QString& userKey,
                                                const QString& lastModified)
{
    Q_UNUSED(lastModified)
    return fetchMember<UserRoomDataReply>(roomKey, {fixUserKeyToRoomPath(userKey, roomKey), QString(), -1},
                                          &RankingData::userXmlToUserRoomData, RoomReader());
}

BoolReply* RankingData::pushUserRoomData(const UserRoomData& record)
{
    if (record.RoomID.isEmpty()) {
        logDebug(lcRooms) << "No RoomID:";
        return answerLater(false, 10);
    }
    if (record.ID.isEmpty()) {
        logDebug(lcRooms) << "No LoginName:";
        return answerLater(false, 10);
    }
    return upload(kRoomsPrefix + record.RoomID + QLatin1Char('/') + record.ID + kUserSuffix,
                  userRoomDateToXml(record));
}

// The day record is written in the same document as the member record.
BoolReply* RankingData::pushUserDataForRoom(const UserDayData& record) { return pushUserRoomData(record); }

BoolReply* RankingData::pushUserDayData(const UserDayData& record)
{
    if (record.ID.isEmpty())
        return answerLater(false, 1);
    return upload(fixUserKeyToPathForDayData(record.ID, StatsClock::today()), userDayDataToXml(record));
}

UserDayDataReply* RankingData::getUserDayData(const QString& userKey, const QDate& date)
{
    auto* reply = new UserDayDataReply();
    DataReply* fetch = store()->getObject(fixUserKeyToPathForDayData(userKey, date));
    connect(fetch, &DataReply::finished, reply, [reply](const NetworkData& d) {
        const QByteArray body = d.statusCode == 200 ? d.data : QByteArray();
        RoomReader().read<UserDayData>(reply, body.size(),
                                       [body]() { return userXmlToUserDayData(bodyText(body, RankingXml::MaxRecordSize)); },
                                       [reply](const UserDayData& record) {
                                           emit reply->finished(record);
                                           reply->deleteLater();
                                       });
    });
    return reply;
}

BoolReply* RankingData::removeUserDataFromRoom(const QString& roomKey, const QString& userKey)
{
    if (roomKey.isEmpty() || userKey.isEmpty())
        return answerLater(false, 10);
    auto* reply = new BoolReply();
    DataReply* remove = store()->deleteObject(fixUserKeyToRoomPath(fixUserKey(userKey), fixRoomKey(roomKey)));
    connect(remove, &DataReply::finished, reply, [reply](const NetworkData& d) {
        if (d.statusCode == 204)
            logDebug(lcRooms) << "removeUserDataFromRoom: 204 no content";
        else if (d.statusCode == 404)
            logDebug(lcRooms) << "removeUserDataFromRoom: 404 not found";
        // The service answers a successful delete with 204 No Content.
        emit reply->finished(d.statusCode == 200 || d.statusCode == 204);
        reply->deleteLater();
    });
    return reply;
}

BoolReply* RankingData::isHasBotTodayData(const QString& roomKey)
{
    return objectExists(kHallPrefix + roomKey + QStringLiteral("bot.xml"));
}

QStringList RankingData::getOwnerRooms(const QString& owner)
{
    Q_UNUSED(owner)
    return QStringList();
}
