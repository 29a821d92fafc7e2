#ifndef USERDAYDATA_H
#define USERDAYDATA_H

#include "ranking/userroomdata.h"

#include <QList>
#include <QMetaType>

// One writer's writing on one day as read from a room; also a ranking row.
// The fields are those of the member record, and valid is true only for a
// record read from a "User" document. unavailable marks a member whose
// record could not be had (no answer, too slow, cut short, a failing
// store): nothing is known of its day.
class UserDayData : public UserRoomData
{
public:
    bool valid = false;
    bool unavailable = false;
};

Q_DECLARE_METATYPE(UserDayData)
Q_DECLARE_METATYPE(QList<UserDayData>)

#endif
