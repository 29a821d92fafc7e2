#include "roomreader.h"

#include "support/log.h"

RoomReader::RoomReader(qint64 maxBytes, qint64 maxMilliseconds)
    : m_budget(std::make_shared<Budget>())
{
    m_budget->maxBytes = maxBytes;
    m_budget->maxMilliseconds = maxMilliseconds;
}

bool RoomReader::Budget::take(qint64 size)
{
    const qint64 used = bytes += size;
    if (used <= maxBytes && milliseconds < maxMilliseconds)
        return true;
    logWarning(lcRooms) << "room document of" << size << "bytes not read: this refresh has read" << used - size
                        << "bytes in" << milliseconds << "ms already";
    return false;
}

QThreadPool* RoomReader::pool()
{
    // One thread: the documents of a room are read one after another.
    static QThreadPool* threads = [] {
        auto* p = new QThreadPool();
        p->setMaxThreadCount(1);
        return p;
    }();
    return threads;
}
