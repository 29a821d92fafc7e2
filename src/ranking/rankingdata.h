#ifndef RANKINGDATA_H
#define RANKINGDATA_H

#include "ranking/botsdata.h"
#include "ranking/roomdownloads.h"
#include "ranking/roomdata.h"
#include "ranking/userdaydata.h"
#include "ranking/userroomdata.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QStringList>

class BoolReply;
class RoomDataListReply;
class RoomDataReply;
class UserDayDataListReply;
class UserDayDataReply;
class UserRoomDataReply;
class RoomReader;
class oss;

// The writing rooms' storage layer. Rooms, members' day records and the
// simulated writers' day plans are small XML documents in the bucket; this
// class converts them to and from XML and lists, reads and publishes them
// through the object-storage client. Everything is static; there is no room
// server, and the last upload of an object wins. It shows no notices: results
// go back through the replies.
class RankingData : public QObject
{
    Q_OBJECT

public:
    explicit RankingData(QObject* parent = nullptr);

    // ---- XML documents ----
    static QString roomDataToXml(const RoomData& data);
    static RoomData roomXmlToRoomData(const QString& xml);
    static QString userDayDataToXml(const UserDayData& data);
    static QString userRoomDateToXml(const UserRoomData& data);
    static UserDayData userXmlToUserDayData(const QString& xml);
    static UserRoomData userXmlToUserRoomData(const QString& xml);
    static QString botDataToXml(const BotsData& data);
    static BotsData botXmlToBotData(const QString& xml);

    // A fetched body as text: UTF-8 up to the first NUL byte. A body too
    // long to hold a document of at most `maxCharacters` is not decoded at
    // all (the text is then empty, which reads as a default record).
    static QString bodyText(const QByteArray& body, int maxCharacters);

    // ---- object keys ----
    static bool isHallFile(const QString& key);
    static bool isUserFile(const QString& key);
    static QString fixRoomKeyToPath(const QString& key);
    static QString fixRoomKey(const QString& key);
    static QString fixUserKey(const QString& key);
    static QString fixUserKeyToRoomPath(const QString& userKey, const QString& roomKey);
    static QString fixUserKeyToPathForDayData(const QString& userKey, const QDate& date);
    static QString fixUserKeyToPathForDataInfo(const QString& userKey);

    // ---- storage ----
    static RoomDataListReply* getHallDataList();
    // Records are read off the GUI thread; those of one refresh share the
    // reader's budget.
    static RoomDataReply* getRoomDateByKey(const QString& key, const RoomReader& reader);
    static RoomDataReply* getRoomDateByKey(const QString& key);
    static BoolReply* isHasRoomKey(const QString& key);
    static BoolReply* pushRoomData(const RoomData& room);
    static UserDayDataListReply* getRoomDateList(const QString& roomKey, const RoomReader& reader);
    static UserDayDataListReply* getRoomDateList(const QString& roomKey);
    static UserDayDataReply* getUserDayDataFromRoom(const QString& roomKey, const QString& userKey,
                                                    const QString& lastModified);
    static BoolReply* pushUserRoomData(const UserRoomData& record);
    static BoolReply* pushUserDataForRoom(const UserDayData& record);
    static BoolReply* pushUserDayData(const UserDayData& record);
    static UserDayDataReply* getUserDayData(const QString& userKey, const QDate& date);
    static UserRoomDataReply* getUserRoomData(const QString& roomKey, const QString& userKey,
                                              const QString& lastModified);
    static BoolReply* removeUserDataFromRoom(const QString& roomKey, const QString& userKey);
    static BoolReply* isHasBotTodayData(const QString& roomKey);
    static QStringList getOwnerRooms(const QString& owner);

    // A yes/no answer known at once, given after delay ms so the caller can
    // connect first.
    static BoolReply* answerLater(bool answer, int delay);
    // Answers whether fetching the object gives status 200.
    static BoolReply* objectExists(const QString& objectKey);

private:
    // A record read off the GUI thread; refused when its document was read
    // and did not give one (not when the refresh's budget left it unread).
    template <typename Record>
    struct Read {
        Record record;
        bool refused = false;
    };
    template <typename Record>
    static Read<Record> readRecord(const QByteArray& body, Record (*read)(const QString&));
    static RoomDataReply* fetchRoom(const RoomDownloads::Listed& listed, const RoomReader& reader);
    static oss* store();
    static BoolReply* upload(const QString& objectKey, const QString& text);
    static void zeroUnlessCurrent(UserRoomData& record);
    template <typename Reply, typename Record>
    static Reply* fetchMember(const QString& roomKey, const RoomDownloads::Listed& listed,
                              Record (*read)(const QString&), const RoomReader& reader);
};

#endif
