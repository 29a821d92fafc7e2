#ifndef USERDAYDATALISTREPLY_H
#define USERDAYDATALISTREPLY_H

#include "ranking/userdaydata.h"

#include <QObject>

// Collects a room's member records; added tells each as it arrives, and
// finished carries them all once as many as expected have arrived, then the
// reply deletes itself. A refresh of a room (bot::sneakIntoBot) also tells
// the simulated writers' rows through planned as soon as they are known.
class UserDayDataListReply : public QObject
{
    Q_OBJECT

public:
    explicit UserDayDataListReply(QObject* parent = nullptr);

    void setCount(int count);
    void addDayData(const UserDayData& record);

signals:
    void added(UserDayData userDayData);
    void planned(QList<UserDayData> rows);
    void finished(QList<UserDayData> userDayDataList);

private:
    QList<UserDayData> m_list;
    int m_count = 0;
};

#endif
