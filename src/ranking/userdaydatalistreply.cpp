#include "userdaydatalistreply.h"

UserDayDataListReply::UserDayDataListReply(QObject* parent)
    : QObject(parent)
{
}

void UserDayDataListReply::setCount(int count) { m_count = count; }

void UserDayDataListReply::addDayData(const UserDayData& record)
{
    m_list.append(record);
    emit added(record);
    if (m_list.size() < m_count)
        return;
    const QList<UserDayData> list = m_list;
    m_list.clear();
    emit finished(list);
    deleteLater();
}
