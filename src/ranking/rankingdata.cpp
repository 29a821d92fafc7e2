#include "rankingdata.h"

#include "data/global.h"
#include "data/statsclock.h"
#include "function/boolreply.h"
#include "function/datareply.h"
#include "function/oss.h"
#include "ranking/roomdatalistreply.h"
#include "ranking/roomdatareply.h"
#include "ranking/userdaydatalistreply.h"
#include "ranking/userdaydatareply.h"
#include "ranking/userroomdatareply.h"
#include "support/log.h"

#include <QTimer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <vector>

namespace {

const QString kHallPrefix = QStringLiteral("ranking/hall/");
const QString kRoomsPrefix = QStringLiteral("ranking/rooms/");
const QString kDatePrefix = QStringLiteral("ranking/date/");
const QString kRoomSuffix = QStringLiteral(".room.xml");
const QString kUserSuffix = QStringLiteral(".user.xml");

// Documents from the bucket are untrusted: nesting deeper than any of ours
// is refused instead of walked.
const int kMaxDepth = 16;

// A parsed document as a flat tree of elements (text and comments dropped).
struct XmlElement
{
    QString tag;
    QXmlStreamAttributes attributes;
    std::vector<int> children;

    QString text(const QString& name) const { return attributes.value(name).toString(); }
    qint32 number(const QString& name) const
    {
        bool ok = false;
        const int value = attributes.value(name).toInt(&ok);
        return ok ? value : 0;
    }
};

// Parses the whole text; false for anything that is not one well-formed
// document. Element 0 is the root.
bool parseXml(const QString& text, std::vector<XmlElement>& elements)
{
    elements.clear();
    QXmlStreamReader reader(text);
    std::vector<int> open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (int(open.size()) >= kMaxDepth || (open.empty() && !elements.empty()))
                return false;
            const int index = int(elements.size());
            elements.push_back(XmlElement { reader.name().toString(), reader.attributes(), {} });
            if (!open.empty())
                elements[open.back()].children.push_back(index);
            open.push_back(index);
        } else if (reader.isEndElement()) {
            open.pop_back();
        }
    }
    return !reader.hasError() && !elements.empty();
}

// Parses a document whose root element must carry the given tag.
bool parseDocument(const QString& text, const char* rootTag, std::vector<XmlElement>& elements)
{
    return parseXml(text, elements) && elements[0].tag == QLatin1String(rootTag);
}

// Characters XML 1.0 cannot carry are left out, so every written document
// parses again.
QString xmlSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != 0x9 && u != 0xA && u != 0xD))
            continue;
        out += c;
    }
    return out;
}

// Writer with the common head: the xml processing instruction, one element
// per line, one space per nesting level.
class DocumentWriter
{
public:
    DocumentWriter()
        : w(&out)
    {
        w.setAutoFormatting(true);
        w.setAutoFormattingIndent(1);
        w.writeProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\""));
    }
    void start(const QString& tag) { w.writeStartElement(tag); }
    void end() { w.writeEndElement(); }
    void text(const QString& name, const QString& value) { w.writeAttribute(name, xmlSafe(value)); }
    void number(const QString& name, qint32 value) { w.writeAttribute(name, QString::number(value)); }
    QString finish()
    {
        w.writeEndDocument();
        // The writer puts a line break before the declaration; the document
        // starts with it instead.
        if (out.startsWith(QLatin1Char('\n')))
            out.remove(0, 1);
        return out;
    }

private:
    QString out;
    QXmlStreamWriter w;
};

void writeUser(DocumentWriter& doc, const UserRoomData& r)
{
    doc.start(QStringLiteral("User"));
    doc.text(QStringLiteral("ID"), r.ID);
    doc.text(QStringLiteral("Name"), r.Name);
    doc.number(QStringLiteral("Words"), r.Words);
    doc.number(QStringLiteral("Second"), r.Second);
    doc.text(QStringLiteral("RoomID"), r.RoomID);
    doc.number(QStringLiteral("BeginTime"), r.BeginTime);
    doc.number(QStringLiteral("EndTime"), r.EndTime);
    doc.number(QStringLiteral("Grade"), r.Grade);
    doc.text(QStringLiteral("AvatarUrl"), r.AvatarUrl);
    doc.start(QStringLiteral("DeviceIdList"));
    for (const QString& id : r.DeviceIdList) {
        doc.start(QStringLiteral("DeviceId"));
        doc.text(QStringLiteral("id"), id);
        doc.end();
    }
    doc.end();
    doc.end();
}

// Reads a User document into r; false when the text is not one.
bool readUser(const QString& xml, UserRoomData& r)
{
    std::vector<XmlElement> e;
    if (!parseDocument(xml, "User", e))
        return false;
    const XmlElement& root = e[0];
    r.ID = root.text(QStringLiteral("ID"));
    r.Name = root.text(QStringLiteral("Name"));
    r.RoomID = root.text(QStringLiteral("RoomID"));
    r.BeginTime = root.number(QStringLiteral("BeginTime"));
    r.EndTime = root.number(QStringLiteral("EndTime"));
    // A record of an earlier day shows nothing written; negative counts from
    // a hostile record count as nothing too.
    if (StatsClock::isToday(r.EndTime)) {
        r.Words = qMax(0, root.number(QStringLiteral("Words")));
        r.Second = qMax(0, root.number(QStringLiteral("Second")));
    }
    r.Grade = root.number(QStringLiteral("Grade"));
    r.AvatarUrl = root.text(QStringLiteral("AvatarUrl"));
    for (int child : root.children) {
        if (e[child].tag != QLatin1String("DeviceIdList"))
            continue;
        for (int id : e[child].children)
            r.DeviceIdList.append(e[id].text(QStringLiteral("id")));
    }
    return true;
}

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

QString RankingData::roomDataToXml(const RoomData& data)
{
    DocumentWriter doc;
    doc.start(QStringLiteral("Room"));
    doc.text(QStringLiteral("RoomKey"), data.RoomKey);
    doc.text(QStringLiteral("Name"), data.Name);
    doc.number(QStringLiteral("Type"), data.Type);
    doc.text(QStringLiteral("PassWd"), data.PassWd);
    doc.number(QStringLiteral("Number"), data.Number);
    doc.text(QStringLiteral("Owner"), data.Owner);
    doc.text(QStringLiteral("AvatarUrl"), data.AvatarUrl);
    doc.number(QStringLiteral("CreateTime"), data.CreateTime);
    doc.end();
    return doc.finish();
}

RoomData RankingData::roomXmlToRoomData(const QString& xml)
{
    RoomData r;
    std::vector<XmlElement> e;
    if (!parseDocument(xml, "Room", e))
        return r;
    const XmlElement& root = e[0];
    r.RoomKey = root.text(QStringLiteral("RoomKey"));
    r.Name = root.text(QStringLiteral("Name"));
    r.Type = root.number(QStringLiteral("Type"));
    r.PassWd = root.text(QStringLiteral("PassWd"));
    r.Number = root.number(QStringLiteral("Number"));
    r.Owner = root.text(QStringLiteral("Owner"));
    r.AvatarUrl = root.text(QStringLiteral("AvatarUrl"));
    r.CreateTime = root.number(QStringLiteral("CreateTime"));
    r.valid = true;
    return r;
}

QString RankingData::userDayDataToXml(const UserDayData& data) { return userRoomDateToXml(data); }

QString RankingData::userRoomDateToXml(const UserRoomData& data)
{
    DocumentWriter doc;
    writeUser(doc, data);
    return doc.finish();
}

UserDayData RankingData::userXmlToUserDayData(const QString& xml)
{
    UserDayData r;
    if (!readUser(xml, r))
        return UserDayData();
    r.valid = true;
    return r;
}

UserRoomData RankingData::userXmlToUserRoomData(const QString& xml)
{
    UserRoomData r;
    if (!readUser(xml, r))
        return UserRoomData();
    return r;
}

QString RankingData::botDataToXml(const BotsData& data)
{
    DocumentWriter doc;
    doc.start(QStringLiteral("Bots"));
    doc.text(QStringLiteral("RoomKey"), data.RoomKey);
    doc.number(QStringLiteral("Number"), data.Number);
    doc.number(QStringLiteral("InitTime"), data.InitTime);
    doc.start(QStringLiteral("BotList"));
    for (const BotUserData& b : data.BotList) {
        doc.start(QStringLiteral("Bot"));
        doc.text(QStringLiteral("LoginName"), b.LoginName);
        doc.text(QStringLiteral("Nickname"), b.Nickname);
        doc.number(QStringLiteral("Grade"), b.Grade);
        doc.text(QStringLiteral("AvatarUrl"), b.AvatarUrl);
        doc.number(QStringLiteral("AllWords"), b.AllWords);
        doc.number(QStringLiteral("AllSecond"), b.AllSecond);
        doc.number(QStringLiteral("BeginTime"), b.BeginTime);
        doc.number(QStringLiteral("EndTime"), b.EndTime);
        doc.start(QStringLiteral("WordsOnTime"));
        for (const botTime& step : b.WordsOnTime) {
            doc.start(QStringLiteral("w"));
            doc.number(QStringLiteral("t"), step.t);
            doc.number(QStringLiteral("w"), step.w);
            doc.number(QStringLiteral("s"), step.s);
            doc.end();
        }
        doc.end();
        doc.end();
    }
    doc.end();
    doc.end();
    return doc.finish();
}

BotsData RankingData::botXmlToBotData(const QString& xml)
{
    BotsData plan;
    std::vector<XmlElement> e;
    if (!parseDocument(xml, "Bots", e))
        return plan;
    const XmlElement& root = e[0];
    plan.RoomKey = root.text(QStringLiteral("RoomKey"));
    plan.Number = root.number(QStringLiteral("Number"));
    plan.InitTime = root.number(QStringLiteral("InitTime"));
    for (int list : root.children) {
        if (e[list].tag != QLatin1String("BotList"))
            continue;
        for (int writer : e[list].children) {
            const XmlElement& w = e[writer];
            BotUserData b;
            b.LoginName = w.text(QStringLiteral("LoginName"));
            b.Nickname = w.text(QStringLiteral("Nickname"));
            b.Grade = w.number(QStringLiteral("Grade"));
            b.AvatarUrl = w.text(QStringLiteral("AvatarUrl"));
            b.AllWords = w.number(QStringLiteral("AllWords"));
            b.AllSecond = w.number(QStringLiteral("AllSecond"));
            b.BeginTime = w.number(QStringLiteral("BeginTime"));
            b.EndTime = w.number(QStringLiteral("EndTime"));
            for (int steps : w.children) {
                if (e[steps].tag != QLatin1String("WordsOnTime"))
                    continue;
                for (int s : e[steps].children) {
                    botTime step;
                    step.w = e[s].number(QStringLiteral("w"));
                    step.t = e[s].number(QStringLiteral("t"));
                    step.s = e[s].number(QStringLiteral("s"));
                    b.WordsOnTime.append(step);
                }
            }
            plan.BotList.append(b);
        }
    }
    plan.valid = true;
    return plan;
}

QString RankingData::bodyText(const QByteArray& body)
{
    const int nul = body.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? body : body.left(nul));
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
    return kDatePrefix + fixUserKey(userKey) + QLatin1Char('/') + date.toString(QStringLiteral("yyyyMMdd"))
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
            PLOG << "postObject finished:" << d.statusCode;
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

RoomDataListReply* RankingData::getHallDataList()
{
    auto* reply = new RoomDataListReply();
    DataReply* list = store()->getList(kHallPrefix, QStringLiteral("/"), QString());
    connect(list, &DataReply::finished, reply, [reply](const NetworkData& d) {
        if (d.statusCode != 200) {
            PLOG << "getList error:" << d.errorString;
            PLOG << "getList error code:" << d.statusCode;
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
        for (const oss::OssListContent& c : keys) {
            RoomDataReply* room = getRoomDateByKey(c.Key);
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

RoomDataReply* RankingData::getRoomDateByKey(const QString& key)
{
    auto* reply = new RoomDataReply();
    DataReply* fetch = store()->getObject(fixRoomKeyToPath(key));
    connect(fetch, &DataReply::finished, reply, [reply](const NetworkData& d) {
        emit reply->finished(d.statusCode == 200 ? roomXmlToRoomData(bodyText(d.data)) : RoomData());
        reply->deleteLater();
    });
    return reply;
}

BoolReply* RankingData::isHasRoomKey(const QString& key)
{
    return objectExists(kHallPrefix + (key.endsWith(kRoomSuffix) ? key : key + kRoomSuffix));
}

BoolReply* RankingData::pushRoomData(const RoomData& room)
{
    if (room.RoomKey.isEmpty()) {
        PLOG << "No RoomKey:";
        return answerLater(false, 10);
    }
    return upload(kHallPrefix + room.RoomKey + kRoomSuffix, roomDataToXml(room));
}

UserDayDataListReply* RankingData::getRoomDateList(const QString& roomKey)
{
    auto* reply = new UserDayDataListReply();
    DataReply* list = store()->getList(kRoomsPrefix + roomKey + QLatin1Char('/'), QStringLiteral("/"), QString());
    connect(list, &DataReply::finished, reply, [reply, roomKey](const NetworkData& d) {
        const QList<oss::OssListContent> keys
            = d.statusCode == 200 ? listed(d.data, &RankingData::isUserFile) : QList<oss::OssListContent>();
        reply->setCount(keys.size());
        if (keys.isEmpty()) {
            emit reply->finished(QList<UserDayData>());
            reply->deleteLater();
            return;
        }
        for (const oss::OssListContent& c : keys) {
            UserDayDataReply* one = getUserDayDataFromRoom(roomKey, c.Key, c.LastModified);
            connect(one, &UserDayDataReply::finished, reply, &UserDayDataListReply::addDayData);
        }
    });
    return reply;
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
// one of the given room.
template <typename Reply, typename Record>
Reply* RankingData::fetchMember(const QString& roomKey, const QString& userKey, Record (*read)(const QString&))
{
    auto* reply = new Reply();
    DataReply* fetch = store()->getObject(fixUserKeyToRoomPath(userKey, roomKey));
    connect(fetch, &DataReply::finished, reply, [reply, roomKey, read](const NetworkData& d) {
        Record r;
        if (d.statusCode == 200) {
            r = read(bodyText(d.data));
            zeroUnlessCurrent(r);
        } else {
            r.RoomID = roomKey;
        }
        emit reply->finished(r);
        reply->deleteLater();
    });
    return reply;
}

UserDayDataReply* RankingData::getUserDayDataFromRoom(const QString& roomKey, const QString& userKey,
                                                      const QString& lastModified)
{
    Q_UNUSED(lastModified)
    return fetchMember<UserDayDataReply>(roomKey, userKey, &RankingData::userXmlToUserDayData);
}

UserRoomDataReply* RankingData::getUserRoomData(const QString& roomKey, const QString& userKey,
                                                const QString& lastModified)
{
    Q_UNUSED(lastModified)
    return fetchMember<UserRoomDataReply>(roomKey, userKey, &RankingData::userXmlToUserRoomData);
}

BoolReply* RankingData::pushUserRoomData(const UserRoomData& record)
{
    if (record.RoomID.isEmpty()) {
        PLOG << "No RoomID:";
        return answerLater(false, 10);
    }
    if (record.ID.isEmpty()) {
        PLOG << "No LoginName:";
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
        emit reply->finished(d.statusCode == 200 ? userXmlToUserDayData(bodyText(d.data)) : UserDayData());
        reply->deleteLater();
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
            PLOG << "removeUserDataFromRoom: 204 no content";
        else if (d.statusCode == 404)
            PLOG << "removeUserDataFromRoom: 404 not found";
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
