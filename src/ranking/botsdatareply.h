#ifndef BOTSDATAREPLY_H
#define BOTSDATAREPLY_H

#include "ranking/botsdata.h"

#include <QObject>

// A room's day plan of simulated writers, delivered once.
class BotsDataReply : public QObject
{
    Q_OBJECT

public:
    explicit BotsDataReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(BotsData botsData);
};

#endif
