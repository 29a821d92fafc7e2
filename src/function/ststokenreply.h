#ifndef STSTOKENREPLY_H
#define STSTOKENREPLY_H

#include "function/oss.h"

#include <QObject>

// One-shot reply of the object-storage client; see oss.
class StsTokenReply : public QObject
{
    Q_OBJECT

public:
    explicit StsTokenReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(oss::ossStsToken token);
};

#endif
