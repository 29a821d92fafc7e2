#ifndef THROUGHMODEL_H
#define THROUGHMODEL_H

#include <QObject>

// State of the running writing challenge.
class ThroughModel : public QObject
{
    Q_OBJECT

public:
    explicit ThroughModel(QObject* parent = nullptr);

signals:

private:
};

#endif
