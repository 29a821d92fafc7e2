#ifndef USERDAYDATAREPLY_H
#define USERDAYDATAREPLY_H

#include "ranking/userdaydata.h"

#include <QObject>

// One member's day record, delivered once.
class UserDayDataReply : public QObject
{
    Q_OBJECT

public:
    explicit UserDayDataReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(UserDayData userDayData);
};

#endif
