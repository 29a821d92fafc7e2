#include "roomdata.h"

#include "data/statsclock.h"

#include <QDateTime>

bool RoomData::IsOngoing() const
{
    const QDateTime now = StatsClock::now();
    const qint64 seconds = now.toSecsSinceEpoch();
    const QDate today = now.date();
    const qint64 begin = QDateTime(today, QTime(0, 0, 0)).toSecsSinceEpoch();
    const qint64 end = QDateTime(today, QTime(23, 59, 59)).toSecsSinceEpoch();
    return seconds > begin && seconds < end;
}
