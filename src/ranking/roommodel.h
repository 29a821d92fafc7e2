#ifndef ROOMMODEL_H
#define ROOMMODEL_H

#include <QObject>
#include <QStandardItemModel>

// The ranking of the open writing room.
class RoomModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit RoomModel(QObject* parent = nullptr);

signals:

private:
};

#endif
