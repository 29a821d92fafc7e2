#ifndef ROOMMODEL_H
#define ROOMMODEL_H

#include "ranking/userdaydata.h"

#include <QObject>
#include <QPointer>
#include <QStandardItemModel>

class DataTypeClass;
class QTimer;
class bReply;

// The ranking of the open writing room: its members and, in open rooms, the
// simulated writers, ordered by words written today. While a room is open
// every change of today's record is published into it, and the room is read
// again every 20000 ms while the application is active.
class RoomModel : public QStandardItemModel
{
    Q_OBJECT
    Q_PROPERTY(QString roomName READ roomName WRITE setRoomName NOTIFY roomNameChanged)
    Q_PROPERTY(QString roomTitle READ roomTitle WRITE setRoomTitle NOTIFY roomTitleChanged)
    Q_PROPERTY(bool loading READ loading WRITE setLoading NOTIFY loadingChanged)
    // Why the rooms cannot be read, for the page: the device's clock too
    // far from the server's; empty otherwise.
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)

public:
    enum Roles {
        NumberRole = 359,
        IconFileRole = 360,
        DisplayTextRole = 361,
        WordsRole = 362,
        MinuteRole = 363,
        IsMeRole = 364,
    };

    static constexpr int refreshInterval = 20000;

    explicit RoomModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    QString roomName() const { return m_roomName; }
    QString roomTitle() const { return m_roomTitle; }
    bool loading() const { return m_loading; }
    QString problem() const;

    // The refresh timer, for tests that drive it by hand.
    QTimer* refreshTimer() const { return m_timer; }

    // Puts the delivered records into the rows (filter, rank, update in place).
    void applyRows(const QList<UserDayData>& records);

signals:
    void roomNameChanged(QString roomName);
    void roomTitleChanged(QString roomTitle);
    void loadingChanged(bool loading);
    void problemChanged();

public slots:
    bReply* pushTodayData(QPointer<DataTypeClass> todayData);
    void setRoomName(QString roomName);
    void setRoomTitle(QString roomTitle);
    void setLoading(bool loading);
    // Closes the open room: no more publication or refresh until a room is
    // entered again.
    void leaveRoom();

private slots:
    void updateRoom(QString roomName = QString());

private:
    QString m_roomName;
    QString m_roomTitle;
    bool m_loading = false;
    QTimer* m_timer = nullptr;
};

#endif
