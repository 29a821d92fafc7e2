#ifndef USERROOMDATAREPLY_H
#define USERROOMDATAREPLY_H

#include "ranking/userroomdata.h"

#include <QObject>

// One member record, delivered once.
class UserRoomDataReply : public QObject
{
    Q_OBJECT

public:
    explicit UserRoomDataReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(UserRoomData userRoomData);
};

#endif
