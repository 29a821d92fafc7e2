#ifndef RANKINGXML_H
#define RANKINGXML_H

#include "ranking/botsdata.h"
#include "ranking/botuser.h"
#include "ranking/roomdata.h"
#include "ranking/userdaydata.h"
#include "ranking/userroomdata.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QString>

// The XML documents of the writing rooms: "Room", "User" (a member's day
// record), "Bots" (the simulated writers' day plan) and the catalogue of
// simulated writers. Every one of them comes from the shared bucket, where
// any client can put anything, so the readers are bounded: a document larger
// than its kind ever is, nested deeper, or with more entries than the
// program writes, gives the default record (and a diagnostic line) instead
// of costing every client in the room time and memory. So does an element
// with more attributes than ours carry (counted before the parser, which
// checks them pairwise, sees them) and a parse that runs past its time.
class RankingXml
{
public:
    // Room and member records are a few hundred bytes.
    static constexpr int MaxRecordSize = 16 * 1024;
    static constexpr int MaxDevices = 64;
    // A plan holds at most one step per 30 seconds of a day for each of the
    // writers a room is given.
    static constexpr int MaxPlanWriters = 100;
    static constexpr int MaxPlanSteps = 86400 / 30;
    static constexpr int MaxPlanSize = 16 * 1024 * 1024;
    static constexpr int MaxCatalogueSize = 1024 * 1024;
    static constexpr int MaxDepth = 16;
    // Our elements carry at most nine attributes.
    static constexpr int MaxAttributes = 32;
    // The longest any one document may take to parse; the largest plan we
    // write parses in a small part of it.
    static constexpr int MaxParseMilliseconds = 2000;

    // While it lives, documents parsed on this thread also stop at the
    // deadline (the room's reading thread gives each document what is left
    // of its refresh's time).
    class ParseDeadline
    {
    public:
        explicit ParseDeadline(QDeadlineTimer deadline);
        ~ParseDeadline();
        // Whether the deadline in force on this thread has passed.
        static bool passed();
        ParseDeadline(const ParseDeadline&) = delete;
        ParseDeadline& operator=(const ParseDeadline&) = delete;

    private:
        QDeadlineTimer m_outer;
    };

    static QString roomDataToXml(const RoomData& data);
    static RoomData roomXmlToRoomData(const QString& xml);
    static QString userRoomDataToXml(const UserRoomData& data);
    static UserDayData userXmlToUserDayData(const QString& xml);
    static UserRoomData userXmlToUserRoomData(const QString& xml);
    static QString botDataToXml(const BotsData& data);
    static BotsData botXmlToBotData(const QString& xml);
    // The catalogue's entries, at most `count` of them (all when negative).
    static QList<BotUser> botXmlToBotUser(const QByteArray& bytes, int count);
};

#endif
