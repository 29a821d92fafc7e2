#ifndef DATATYPEREPLY_H
#define DATATYPEREPLY_H

#include <QObject>
#include <QPointer>

class DataTypeClass;

// Reply carrying a statistics record read from the server; finished is
// emitted once, then the producer deletes the reply later.
class DataTypeReply : public QObject
{
    Q_OBJECT
public:
    explicit DataTypeReply(QObject* parent = nullptr);
signals:
    void finished(QPointer<DataTypeClass> data);
};

#endif
