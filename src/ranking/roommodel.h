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
// again every 20000 ms while the application is active. A refresh's member
// records are shown as they arrive (gathered for at most arrivalDelay ms),
// so a slow member holds up only its own row; one whose record could not be
// had is shown as unavailable, after the ranked rows.
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
        UnavailableRole = 365,
    };

    static constexpr int refreshInterval = 20000;
    static constexpr int arrivalDelay = 200;

    explicit RoomModel(QObject* parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    QString roomName() const { return m_roomName; }
    QString roomTitle() const { return m_roomTitle; }
    bool loading() const { return m_loading; }
    QString problem() const;

    // The refresh timer, for tests that drive it by hand.
    QTimer* refreshTimer() const { return m_timer; }

    // Puts a refresh's whole list into the rows (filter, rank, update in
    // place) and ends its loading.
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
    bReply* publish(QPointer<DataTypeClass> todayData, bool refreshAfter);
    // A member record of a refresh still under way: it replaces the row of
    // the same login, or joins the rows.
    void takeArrival(const UserDayData& record);
    // The simulated writers' rows of a refresh under way, in place of the
    // rows without a login (the simulated writers'; a member record without
    // one waits for the whole list).
    void takePlan(const QList<UserDayData>& rows);
    void showRows();

    QString m_roomName;
    QString m_roomTitle;
    bool m_loading = false;
    QTimer* m_timer = nullptr;
    // The records behind the rows: the last whole list with the arrivals
    // since, shown when m_arrivals fires.
    QList<UserDayData> m_records;
    QTimer* m_arrivals = nullptr;
    // Refreshes started, and the newest whose whole list is shown: an older
    // one answering late changes nothing.
    quint64 m_started = 0;
    quint64 m_shown = 0;
};

#endif
