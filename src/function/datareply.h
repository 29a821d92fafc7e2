#ifndef DATAREPLY_H
#define DATAREPLY_H

#include "function/oss.h"

#include <QObject>

// One-shot reply of the object-storage client; see oss.
class DataReply : public QObject
{
    Q_OBJECT

public:
    explicit DataReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(NetworkData data);
};

#endif
