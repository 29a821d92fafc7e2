#ifndef ROOMDATALISTREPLY_H
#define ROOMDATALISTREPLY_H

#include "ranking/roomdata.h"

#include <QObject>

// The rooms of the hall, one addedRoomData per room as its record arrives,
// then finished.
class RoomDataListReply : public QObject
{
    Q_OBJECT

public:
    explicit RoomDataListReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    int delivered = 0;

signals:
    void addedRoomData(RoomData data);
    void finished();
};

#endif
