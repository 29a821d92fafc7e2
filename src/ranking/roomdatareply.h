#ifndef ROOMDATAREPLY_H
#define ROOMDATAREPLY_H

#include "ranking/roomdata.h"

#include <QObject>

// One room record, delivered once.
class RoomDataReply : public QObject
{
    Q_OBJECT

public:
    explicit RoomDataReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(RoomData roomData);
};

#endif
