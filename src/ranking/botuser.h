#ifndef BOTUSER_H
#define BOTUSER_H

#include <QList>
#include <QMetaType>
#include <QString>

// One entry of a room's catalogue of simulated writers.
struct BotUser
{
    QString Nickname;
    QString LoginName;
    QString AvatarUrl;
    qint32 Speed = 0;
    qint32 Endurance = 0;
    qint32 TimeLength = 0;
};

Q_DECLARE_METATYPE(BotUser)
Q_DECLARE_METATYPE(QList<BotUser>)

#endif
