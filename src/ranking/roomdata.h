#ifndef ROOMDATA_H
#define ROOMDATA_H

#include <QMetaType>
#include <QString>

// One writing room as stored in its "Room" document in the bucket.
class RoomData
{
public:
    QString RoomKey;
    QString Name;
    qint32 Type = 0; // 0 open, any other value asks for a password
    QString PassWd;  // MD5 of the password, lower-case hex
    qint32 Number = 0;
    QString Owner;
    QString AvatarUrl;
    qint32 CreateTime = 0;
    bool valid = false;

    // True while the current time lies strictly inside today (the first and
    // the last second of the day do not count).
    bool IsOngoing() const;
};

Q_DECLARE_METATYPE(RoomData)

#endif
