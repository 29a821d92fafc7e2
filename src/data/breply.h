#ifndef BREPLY_H
#define BREPLY_H

#include <QObject>

// Reply of an operation that only succeeds or fails; finished is emitted
// once, then the producer deletes the reply later.
class bReply : public QObject
{
    Q_OBJECT
public:
    explicit bReply(QObject* parent = nullptr);
signals:
    void finished(bool is);
};

#endif
