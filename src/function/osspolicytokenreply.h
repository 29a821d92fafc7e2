#ifndef OSSPOLICYTOKENREPLY_H
#define OSSPOLICYTOKENREPLY_H

#include "function/oss.h"

#include <QObject>

// One-shot reply of the object-storage client; see oss.
class OssPolicyTokenReply : public QObject
{
    Q_OBJECT

public:
    explicit OssPolicyTokenReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(oss::ossPolicyToken data);
};

#endif
