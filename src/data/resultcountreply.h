#ifndef RESULTCOUNTREPLY_H
#define RESULTCOUNTREPLY_H

#include "data/resultcounttype.h"

#include <QObject>

// Reply carrying one day's per-document counts; finished is emitted once,
// then the producer deletes the reply later.
class resultCountReply : public QObject
{
    Q_OBJECT
public:
    explicit resultCountReply(QObject* parent = nullptr);
signals:
    void finished(resultCountType data);
};

#endif
