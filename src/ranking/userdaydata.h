#ifndef USERDAYDATA_H
#define USERDAYDATA_H

#include "ranking/roomdata.h"

#include <QList>
#include <QMetaType>
#include <QString>

// One writer's writing on one day as read from a room; also a ranking row.
class UserDayData
{
public:
    QString ID;
    QString RoomID;
    QString Name;
    qint32 Grade = 0;
    QString AvatarUrl;
    qint32 Words = 0;
    qint32 Second = 0;
    qint32 BeginTime = 0;
    qint32 EndTime = 0;
    RoomData room;
    QList<QString> DeviceIdList;
    bool valid = false;
};

Q_DECLARE_METATYPE(UserDayData)
Q_DECLARE_METATYPE(QList<UserDayData>)

#endif
