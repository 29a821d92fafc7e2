#include "bot.h"

#include "data/global.h"
#include "data/serviceconfig.h"
#include "data/statsclock.h"
#include "function/boolreply.h"
#include "function/datareply.h"
#include "TovaUi/function/function.h"
#include "function/oss.h"
#include "ranking/botsdatareply.h"
#include "ranking/botusersreply.h"
#include "ranking/rankingdata.h"
#include "ranking/rankingxml.h"
#include "ranking/roomdatareply.h"
#include "ranking/roomdownloads.h"
#include "ranking/roomreader.h"
#include "ranking/userdaydatalistreply.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <memory>

namespace {

bot::RandomSource& randomSource()
{
    static bot::RandomSource source;
    return source;
}

// Catalogue values beyond a day (or negative) would make a plan of millions
// of steps or divide by zero; they are held to what one day allows.
const qint32 kDaySeconds = 86400;
const qint32 kMaxSpeed = 100000;

QByteArray readFile(const QString& path, bool* ok)
{
    QFile f(path);
    *ok = f.open(QIODevice::ReadOnly);
    return *ok ? f.readAll() : QByteArray();
}

} // namespace

int bot::userNumberForRoom() { return 100; }

void bot::setRandomSource(RandomSource source) { randomSource() = std::move(source); }

int bot::random(int a, int b)
{
    if (randomSource())
        return randomSource()(a, b);
    return function::generateRandomNumber(a, b);
}

// The room key names the cache files; a key that could leave the cache
// folder is percent-encoded.
QString bot::safeFileName(const QString& roomKey)
{
    if (roomKey.isEmpty() || roomKey == QLatin1String(".") || roomKey == QLatin1String("..")
        || roomKey.contains(QLatin1Char('/')) || roomKey.contains(QLatin1Char('\\')) || roomKey.contains(QChar(0)))
        return QString::fromLatin1(QUrl::toPercentEncoding(roomKey, QByteArray(), "."));
    return roomKey;
}

QString bot::localBotUserFile(const QString& roomKey)
{
    return global::dataPath() + QStringLiteral("/cache/") + safeFileName(roomKey) + QStringLiteral(".user.xml");
}

QString bot::localBotsFile(const QString& roomKey)
{
    return global::dataPath() + QStringLiteral("/cache/") + safeFileName(roomKey) + QStringLiteral("/bot.xml");
}

// The caches are written again on every refresh: a file is reported once
// until a write of it succeeds.
bool bot::writeFile(const QString& path, const QByteArray& bytes)
{
    return noteWritten(path, UserFile::write(path, bytes));
}

bool bot::noteWritten(const QString& path, const UserFile::Result& written)
{
    return WriteNotice::track(tr("无法保存缓存文件："), path, written);
}

namespace {
// A document read off the GUI thread, kept in a cache file there too.
template <typename Value>
struct Kept {
    Value value;
    bool refused = false;
    bool wrote = false;
    UserFile::Result written;
};
} // namespace

// ---- catalogue ------------------------------------------------------------------

QList<BotUser> bot::botXmlToBotUser(const QByteArray& bytes, int count)
{
    return RankingXml::botXmlToBotUser(bytes, count);
}

QList<BotUser> bot::getLocalBotUser(const QString& roomKey, int count)
{
    const QFileInfo info(localBotUserFile(roomKey));
    QDir().mkpath(info.path());
    if (!info.exists() || !StatsClock::isToday(qint32(info.lastModified().toSecsSinceEpoch())))
        return QList<BotUser>();
    bool ok = false;
    const QByteArray bytes = readFile(info.filePath(), &ok);
    return ok ? botXmlToBotUser(bytes, count) : QList<BotUser>();
}

// The catalogue cached today, else the one in the bucket (then cached).
BotUsersReply* bot::getBotUsers(const QString& roomKey, int count, const RoomReader& reader)
{
    auto* reply = new BotUsersReply();
    auto deliver = [reply](const QList<BotUser>& users) {
        emit reply->finished(users);
        reply->deleteLater();
    };
    reader.read<QList<BotUser>>(reply, QFileInfo(localBotUserFile(roomKey)).size(),
                                [roomKey, count]() { return getLocalBotUser(roomKey, count); },
                                [reply, roomKey, count, reader, deliver](const QList<BotUser>& local) {
        if (!local.isEmpty()) {
            deliver(local);
            return;
        }
        // Only the operators write the catalogue, and it cannot be listed:
        // it is fetched within its size.
        const QString key = QStringLiteral("ranking/") + roomKey + QStringLiteral(".bot.user.xml");
        DataReply* fetch = RoomDownloads::fetch({key, QString(), -1}, RankingXml::MaxCatalogueSize);
        connect(fetch, &DataReply::finished, reply, [reply, roomKey, count, reader, deliver](const NetworkData& d) {
            if (d.statusCode != 200) {
                deliver(QList<BotUser>());
                return;
            }
            const QByteArray body = d.data;
            const QString path = localBotUserFile(roomKey);
            reader.read<Kept<QList<BotUser>>>(reply, body.size(), [body, count, path]() {
                Kept<QList<BotUser>> k;
                k.value = botXmlToBotUser(body, count);
                k.written = UserFile::write(path, body);
                k.wrote = true;
                return k;
            }, [path, deliver](const Kept<QList<BotUser>>& k) {
                if (k.wrote)
                    noteWritten(path, k.written);
                logDebug(lcRooms) << "botList from serve:" << k.value.size();
                deliver(k.value);
            });
        });
    });
    return reply;
}

// ---- day plan -----------------------------------------------------------------------

BotsData bot::planFor(const QString& roomKey, const QList<BotUser>& users)
{
    BotsData plan;
    plan.RoomKey = roomKey;
    plan.Number = 0;
    plan.InitTime = StatsClock::currentSeconds();
    for (const BotUser& u : users) {
        const qint32 E = qBound(0, u.Endurance, kDaySeconds);
        const qint32 S = qBound(0, u.Speed, kMaxSpeed);
        const qint32 L = qBound(0, u.TimeLength, kDaySeconds);
        const qint32 D = qint32(QDateTime(StatsClock::today(), QTime(0, 0)).toSecsSinceEpoch());

        BotUserData b;
        const qint32 T = random(60, L);
        b.AllSecond = T;
        const qint32 slack = random(0, kDaySeconds - T);
        b.BeginTime = D + kDaySeconds - T - slack;
        const qint32 tail = random(600, slack);
        const qint32 G = slack - tail;
        b.EndTime = b.BeginTime + G;
        const qint32 burstLimit = random(qint32(0.5 * E), qint32(1.1 * E));
        const qint32 restLimit = G / (T / (E + 1) + 1);

        qint32 writing = 0, resting = 0, words = 0, seconds = 0;
        for (qint32 offset = 0; offset < G + T; offset += 30) {
            if (writing > burstLimit) {
                resting += 30;
                if (resting > restLimit) {
                    resting = 0;
                    writing = 0;
                }
                continue;
            }
            writing += 30;
            const int inner = random(qint32(0.5 * S), qint32(1.2 + S));
            const int w = random(0, inner);
            seconds += 30;
            words += w;
            b.WordsOnTime.append(botTime { b.BeginTime + offset, seconds, words });
            resting = 0;
        }
        b.LoginName = u.LoginName;
        b.Nickname = u.Nickname;
        b.Grade = 0;
        b.AllWords = 0;
        // The catalogue's avatar is kept; writers without one get a generated
        // avatar when the rows are made.
        b.AvatarUrl = u.AvatarUrl;
        plan.BotList << b;
    }
    return plan;
}

BotsDataReply* bot::buildBots(const QString& roomKey, const RoomReader& reader)
{
    auto* reply = new BotsDataReply();
    BotUsersReply* users = getBotUsers(roomKey, userNumberForRoom(), reader);
    connect(users, &BotUsersReply::finished, reply, [reply, roomKey](const QList<BotUser>& list) {
        // A plan of a hundred writers has a quarter of a million steps: it
        // is drawn off the GUI thread, outside the refresh's budget.
        RoomReader().read<BotsData>(reply, 0, [roomKey, list]() { return planFor(roomKey, list); },
                                    [reply](const BotsData& plan) {
            emit reply->finished(plan);
            reply->deleteLater();
        });
    });
    return reply;
}

BotsData bot::getLocalBots(const QString& roomKey)
{
    const QFileInfo info(localBotsFile(roomKey));
    QDir().mkpath(info.path());
    if (!info.exists() || !info.lastModified().isValid())
        return BotsData();
    if (!StatsClock::isToday(qint32(info.lastModified().toSecsSinceEpoch()))) {
        logDebug(lcRooms) << "bot file is not today";
        return BotsData();
    }
    bool ok = false;
    const QByteArray bytes = readFile(info.filePath(), &ok);
    if (!ok)
        return BotsData();
    const BotsData plan = RankingData::botXmlToBotData(RankingData::bodyText(bytes, RankingXml::MaxPlanSize));
    if (!StatsClock::isToday(plan.InitTime))
        return BotsData();
    logDebug(lcRooms) << "bots:" << "form local";
    return plan;
}

bool bot::saveLocalBots(const QString& roomKey, const QByteArray& bytes)
{
    return writeFile(localBotsFile(roomKey), bytes);
}

static QString serverBotsKey(const QString& roomKey)
{
    return QStringLiteral("ranking/rooms/") + roomKey + QStringLiteral("/bot.xml");
}

BotsDataReply* bot::getServerBots(const QString& roomKey, const RoomReader& reader)
{
    auto* reply = new BotsDataReply();
    const QString key = serverBotsKey(roomKey);
    DataReply* fetch = RoomDownloads::fetchListed(key, RankingXml::MaxPlanSize);
    connect(fetch, &DataReply::finished, reply, [reply, roomKey, key, reader](const NetworkData& d) {
        const QByteArray body = d.statusCode == 200 ? d.data : QByteArray();
        const QString path = localBotsFile(roomKey);
        const bool answered = d.statusCode == 200;
        reader.read<Kept<BotsData>>(reply, body.size(), [body, path, answered]() {
            Kept<BotsData> k;
            const BotsData read = RankingData::botXmlToBotData(RankingData::bodyText(body, RankingXml::MaxPlanSize));
            k.refused = answered && !read.valid && !RankingXml::ParseDeadline::passed();
            // Today's plan is cached as it came.
            if (StatsClock::isToday(read.InitTime)) {
                k.written = UserFile::write(path, body);
                k.wrote = true;
                k.value = read;
            }
            return k;
        }, [reply, key, d, path](const Kept<BotsData>& k) {
            if (k.refused)
                RoomDownloads::refuse(key, d.eTag);
            if (k.wrote)
                noteWritten(path, k.written);
            emit reply->finished(k.value);
            reply->deleteLater();
        });
    });
    return reply;
}

BoolReply* bot::pushServerBots(const QString& roomKey, const BotsData& plan)
{
    auto* reply = new BoolReply();
    DataReply* post = global::instance()->getOss()->postObject(serverBotsKey(roomKey), RankingData::botDataToXml(plan));
    connect(post, &DataReply::finished, reply, [reply](const NetworkData& d) {
        emit reply->finished(d.statusCode == 200);
        reply->deleteLater();
    });
    return reply;
}

// A new plan is written out, cached and shared off the GUI thread.
void bot::keepBuilt(const QString& roomKey, const BotsData& plan)
{
    const QString path = localBotsFile(roomKey);
    // Kept whether or not the refresh that built it still waits.
    RoomReader().read<Kept<QByteArray>>(global::instance()->getOss(), 0, [plan, path]() {
        Kept<QByteArray> k;
        k.value = RankingData::botDataToXml(plan).toUtf8();
        k.written = UserFile::write(path, k.value);
        k.wrote = true;
        return k;
    }, [roomKey, path](const Kept<QByteArray>& k) {
        if (k.wrote)
            noteWritten(path, k.written);
        global::instance()->getOss()->postObject(serverBotsKey(roomKey), k.value, QStringLiteral("text/plain"));
    });
}

BotsDataReply* bot::checkBotsData(const QString& roomKey)
{
    return checkBotsData(roomKey, RoomReader());
}

// Today's plan: the local copy, else the shared one, else one built from
// the catalogue (then shared).
BotsDataReply* bot::checkBotsData(const QString& roomKey, const RoomReader& reader)
{
    auto* reply = new BotsDataReply();
    auto deliver = [reply](const BotsData& plan) {
        emit reply->finished(plan);
        reply->deleteLater();
    };
    reader.read<BotsData>(reply, QFileInfo(localBotsFile(roomKey)).size(), [roomKey]() { return getLocalBots(roomKey); },
                          [reply, roomKey, reader, deliver](const BotsData& local) {
        if (!local.BotList.isEmpty()) {
            deliver(local);
            return;
        }
        BotsDataReply* server = getServerBots(roomKey, reader);
        connect(server, &BotsDataReply::finished, reply, [reply, roomKey, reader, deliver](const BotsData& shared) {
            // The shared plan was cached as it came.
            if (!shared.BotList.isEmpty()) {
                deliver(shared);
                return;
            }
            BotsDataReply* built = buildBots(roomKey, reader);
            connect(built, &BotsDataReply::finished, reply, [roomKey, deliver](const BotsData& plan) {
                if (!plan.BotList.isEmpty())
                    keepBuilt(roomKey, plan);
                deliver(plan);
            });
        });
    });
    return reply;
}

// ---- rows ------------------------------------------------------------------------------

QList<UserDayData> bot::botToUser(const BotsData& plan)
{
    QList<UserDayData> rows;
    for (const BotUserData& b : plan.BotList) {
        const qint32 now = StatsClock::currentSeconds();
        if (!StatsClock::isToday(b.BeginTime) || now < b.BeginTime)
            continue;
        UserDayData row;
        row.Name = b.Nickname;
        row.Grade = b.Grade;
        row.BeginTime = b.BeginTime;
        row.AvatarUrl = b.AvatarUrl;
        const QString proxy = ServiceConfig::avatarProxy();
        if (row.AvatarUrl.isEmpty() && !proxy.isEmpty())
            row.AvatarUrl = proxy + QStringLiteral("/gravatarproxy/") + function::md5(row.Name)
                + QStringLiteral("?s=80&default=identicon");
        for (const botTime& step : b.WordsOnTime) {
            if (step.t >= now)
                break;
            // A shared plan is untrusted: negative figures count as nothing.
            row.Words = qMax(0, step.w);
            row.Second = qMax(0, step.s);
        }
        rows << row;
    }
    return rows;
}

// One refresh of a room: its members, each passed on as it arrives, and,
// for an open room, the simulated writers; every document of it is read
// within one budget. The room and its plan are fetched beside the members,
// so a slow member holds up neither.
UserDayDataListReply* bot::sneakIntoBot(const QString& roomKey)
{
    const RoomReader reader;
    auto* reply = new UserDayDataListReply();
    struct Parts {
        QList<UserDayData> members;
        QList<UserDayData> bots;
        int waiting = 2;
    };
    auto parts = std::make_shared<Parts>();
    auto partDone = [reply, parts]() {
        if (--parts->waiting > 0)
            return;
        emit reply->finished(parts->members + parts->bots);
        reply->deleteLater();
    };
    UserDayDataListReply* members = RankingData::getRoomDateList(roomKey, reader);
    connect(members, &UserDayDataListReply::added, reply, &UserDayDataListReply::added);
    connect(members, &UserDayDataListReply::finished, reply, [parts, partDone](const QList<UserDayData>& rows) {
        parts->members = rows;
        partDone();
    });
    RoomDataReply* room = RankingData::getRoomDateByKey(roomKey, reader);
    connect(room, &RoomDataReply::finished, reply, [reply, roomKey, reader, parts, partDone](const RoomData& data) {
        if (data.Type != 0) {
            partDone();
            return;
        }
        BotsDataReply* plan = checkBotsData(roomKey, reader);
        connect(plan, &BotsDataReply::finished, reply, [reply, parts, partDone](const BotsData& bots) {
            parts->bots = botToUser(bots);
            emit reply->planned(parts->bots);
            partDone();
        });
    });
    return reply;
}
