#ifndef OSSLISTREPLY_H
#define OSSLISTREPLY_H

#include "function/oss.h"

#include <QObject>

// Reply of a whole listing; list gathers the pages as they arrive.
class OssListReply : public QObject
{
    Q_OBJECT

public:
    explicit OssListReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    oss::OssList list;

signals:
    void finished(oss::OssList list);
};

#endif
