#ifndef RANKINGHALLMODEL_H
#define RANKINGHALLMODEL_H

#include "ranking/roomdata.h"

#include <QObject>
#include <QPointer>
#include <QStandardItemModel>

// The list of writing rooms: one row per room, loaded from the bucket at the
// first activation of the main window and after each room creation, with
// three pinned rooms first and the rest in arrival order.
class RankingHallModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Roles {
        IconFileRole = 360,
        DisplayTextRole = 361,
        HasPasswordRole = 362,
        PasswordRole = 363,
        SortRole = 364,
    };

    explicit RankingHallModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

public slots:
    void updateHall();
    void addRoomData(RoomData data);
    void createRoom(QString name, QString password, int type);

private:
    // The load in flight; a new load stops listening to it so a reload never
    // mixes two halls.
    QPointer<QObject> m_loading;
};

#endif
