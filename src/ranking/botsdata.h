#ifndef BOTSDATA_H
#define BOTSDATA_H

#include <QList>
#include <QMetaType>
#include <QString>

// One 30-second writing step of a simulated writer: time, seconds and words
// written so far that day.
struct botTime
{
    qint32 t = 0;
    qint32 s = 0;
    qint32 w = 0;
};

// One simulated writer in a room's day plan.
struct BotUserData
{
    QString LoginName;
    QString Nickname;
    qint32 Grade = 0;
    QString AvatarUrl;
    qint32 AllWords = 0;
    qint32 AllSecond = 0;
    QList<botTime> WordsOnTime;
    qint32 BeginTime = 0;
    qint32 EndTime = 0;
};

// One room's day plan of simulated writers.
class BotsData
{
public:
    QString RoomKey;
    qint32 Number = 0;
    qint32 InitTime = 0;
    QList<BotUserData> BotList;
    bool valid = false;
};

Q_DECLARE_METATYPE(BotsData)

#endif
