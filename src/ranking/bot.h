#ifndef BOT_H
#define BOT_H

#include "ranking/botsdata.h"
#include "ranking/botuser.h"
#include "ranking/userdaydata.h"
#include "support/userfile.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class BoolReply;
class BotsDataReply;
class BotUsersReply;
class RoomReader;
class UserDayDataListReply;

// Simulated writers for open rooms. A room's catalogue (kept outside the
// program) is turned once a day into a plan of 30-second writing steps per
// writer; the plan is shared through the bucket and cached locally, and is
// replayed against the clock as ranking rows. Everything is static.
class bot : public QObject
{
    Q_OBJECT

public:
    using RandomSource = std::function<int(int a, int b)>;

    static int userNumberForRoom();
    static QList<BotUser> getLocalBotUser(const QString& roomKey, int count);
    // The replies below read their documents off the GUI thread, within the
    // budget of the reader (of the refresh) they are given.
    static BotUsersReply* getBotUsers(const QString& roomKey, int count, const RoomReader& reader);
    static QList<BotUser> botXmlToBotUser(const QByteArray& bytes, int count);
    static BotsDataReply* buildBots(const QString& roomKey, const RoomReader& reader);
    // The plan for a catalogue at the current time (the step buildBots runs
    // when the catalogue arrives).
    static BotsData planFor(const QString& roomKey, const QList<BotUser>& users);
    // The local copies; these two read on the calling thread.
    static BotsData getLocalBots(const QString& roomKey);
    static bool saveLocalBots(const QString& roomKey, const QByteArray& bytes);
    static BotsDataReply* getServerBots(const QString& roomKey, const RoomReader& reader);
    static BoolReply* pushServerBots(const QString& roomKey, const BotsData& plan);
    static BotsDataReply* checkBotsData(const QString& roomKey, const RoomReader& reader);
    static BotsDataReply* checkBotsData(const QString& roomKey);
    static QList<UserDayData> botToUser(const BotsData& plan);
    // A refresh of a room: added tells each member record as it arrives,
    // planned the simulated writers' rows of an open room; finished carries
    // the members, then those rows.
    static UserDayDataListReply* sneakIntoBot(const QString& roomKey);

    // Cache files of a room, under the data folder's "cache" folder.
    static QString localBotUserFile(const QString& roomKey);
    static QString localBotsFile(const QString& roomKey);

    // Random draws R(a, b); tests install a predictable source, an empty
    // function restores the application's generator.
    static void setRandomSource(RandomSource source);

private:
    static int random(int a, int b);
    static QString safeFileName(const QString& roomKey);
    static bool writeFile(const QString& path, const QByteArray& bytes);
    static bool noteWritten(const QString& path, const UserFile::Result& written);
    static void keepBuilt(const QString& roomKey, const BotsData& plan);
};

#endif
