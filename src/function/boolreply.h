#ifndef BOOLREPLY_H
#define BOOLREPLY_H

#include <QObject>

// Yes/no answer of an asynchronous cloud or room operation.
class BoolReply : public QObject
{
    Q_OBJECT

public:
    explicit BoolReply(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

signals:
    void finished(bool is);
};

#endif
