#ifndef BOTUSERSREPLY_H
#define BOTUSERSREPLY_H

#include "ranking/botuser.h"

#include <QObject>

// A room's catalogue of simulated writers, delivered once.
class BotUsersReply : public QObject
{
    Q_OBJECT

public:
    explicit BotUsersReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(QList<BotUser> botUsers);
};

#endif
