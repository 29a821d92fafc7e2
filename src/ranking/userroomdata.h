#ifndef USERROOMDATA_H
#define USERROOMDATA_H

#include "ranking/roomdata.h"

#include <QList>
#include <QMetaType>
#include <QString>

// The member record a signed-in client publishes into a room.
class UserRoomData
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
};

Q_DECLARE_METATYPE(UserRoomData)

#endif
