#include "roommodel.h"

#include "data/breply.h"
#include "data/data.h"
#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/settings.h"
#include "function/boolreply.h"
#include "function/oss.h"
#include "ranking/bot.h"
#include "ranking/rankingdata.h"
#include "ranking/userdaydatalistreply.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QTimer>
#include <algorithm>

RoomModel::RoomModel(QObject* parent)
    : QStandardItemModel(parent)
    , m_timer(new QTimer(this))
    , m_arrivals(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_arrivals->setSingleShot(true);
    m_arrivals->setInterval(arrivalDelay);
    connect(m_arrivals, &QTimer::timeout, this, &RoomModel::showRows);
    connect(m_timer, &QTimer::timeout, this, [this]() { updateRoom(); });
    connect(global::instance(), &global::isAppActionChanged, this, [this]() { updateRoom(); });
    // A room belongs to the account that entered it: a sign-out or another
    // account closes it, so nothing more is published into it.
    UserDatas* user = Users::instance()->getUserData();
    connect(user, &UserDatas::loginedChanged, this, [this](bool signedIn) {
        if (!signedIn)
            leaveRoom();
    });
    connect(user, &UserDatas::loginChanged, this, &RoomModel::leaveRoom);
    connect(global::instance()->getOss(), &oss::clockProblemChanged, this, &RoomModel::problemChanged);
}

QString RoomModel::problem() const
{
    return global::instance()->getOss()->clockProblem();
}

QHash<int, QByteArray> RoomModel::roleNames() const
{
    return { { NumberRole, "number" },       { IconFileRole, "iconfile" }, { DisplayTextRole, "displaytext" },
             { WordsRole, "words" },         { MinuteRole, "minute" },     { IsMeRole, "isme" },
             { UnavailableRole, "unavailable" } };
}

void RoomModel::setRoomName(QString roomName)
{
    if (roomName == m_roomName)
        return;
    m_roomName = roomName;
    // Another room's records do not mix with this one's arrivals.
    m_records.clear();
    m_arrivals->stop();
    // One connection for all rooms: the publication reads the open room.
    connect(data::instance(), &data::dayDataChanged, this, &RoomModel::pushTodayData, Qt::UniqueConnection);
    // Entering reads the room once, when the publication answered.
    bReply* reply = publish(data::instance()->getRankingTodayData(), false);
    connect(reply, &bReply::finished, this, [this]() { updateRoom(m_roomName); });
    emit roomNameChanged(m_roomName);
}

void RoomModel::leaveRoom()
{
    disconnect(data::instance(), &data::dayDataChanged, this, &RoomModel::pushTodayData);
    m_timer->stop();
    m_arrivals->stop();
    m_records.clear();
    if (m_roomName.isEmpty())
        return;
    m_roomName.clear();
    emit roomNameChanged(m_roomName);
}

void RoomModel::setRoomTitle(QString roomTitle)
{
    if (roomTitle == m_roomTitle)
        return;
    m_roomTitle = roomTitle;
    emit roomTitleChanged(m_roomTitle);
}

void RoomModel::setLoading(bool loading)
{
    if (loading == m_loading)
        return;
    m_loading = loading;
    emit loadingChanged(m_loading);
}

bReply* RoomModel::pushTodayData(QPointer<DataTypeClass> todayData)
{
    return publish(todayData, true);
}

bReply* RoomModel::publish(QPointer<DataTypeClass> todayData, bool refreshAfter)
{
    logDebug(lcRooms) << "push Today data" << (todayData ? todayData->words() : 0);
    auto* reply = new bReply();
    UserDatas* user = Users::instance()->getUserData();
    if (!user->logined() || m_roomName.isEmpty() || !todayData) {
        QTimer::singleShot(10, reply, [reply]() {
            emit reply->finished(false);
            reply->deleteLater();
        });
        return reply;
    }
    UserRoomData record;
    record.ID = user->login();
    record.RoomID = m_roomName;
    record.Name = user->nickname();
    record.Grade = user->grade();
    record.AvatarUrl = user->avatar_url();
    record.Words = todayData->words();
    record.Second = todayData->second();
    record.BeginTime = todayData->beginTime();
    record.EndTime = todayData->endTime();
    record.DeviceIdList = todayData->deviceIdList();
    const QString room = m_roomName;
    BoolReply* push = RankingData::pushUserRoomData(record);
    // The reply outlives this model; a model gone by the answer reads nothing.
    connect(push, &BoolReply::finished, reply, [self = QPointer<RoomModel>(this), reply, room, refreshAfter](bool ok) {
        if (!ok)
            logDebug(lcRooms) << "push userRoom:" << "false";
        if (self && refreshAfter)
            self->updateRoom(room);
        emit reply->finished(ok);
        reply->deleteLater();
    });
    return reply;
}

void RoomModel::updateRoom(QString roomName)
{
    if (!global::instance()->isAppAction())
        return;
    const QString key = roomName.isEmpty() ? m_roomName : roomName;
    // A left room is not read again (a publication may still answer late).
    if (key.isEmpty() || key != m_roomName)
        return;
    global::instance()->settings()->setEnteredRoom(key, Users::instance()->getUserData()->login());
    m_timer->start(refreshInterval);
    setRoomTitle(key);
    setLoading(true);
    const int started = global::instance()->timeElapsed();
    const quint64 refresh = ++m_started;
    UserDayDataListReply* reply = bot::sneakIntoBot(key);
    connect(reply, &UserDayDataListReply::added, this, [this, key, refresh](const UserDayData& record) {
        if (key == m_roomName && refresh > m_shown)
            takeArrival(record);
    });
    connect(reply, &UserDayDataListReply::planned, this, [this, key, refresh](const QList<UserDayData>& rows) {
        if (key == m_roomName && refresh > m_shown)
            takePlan(rows);
    });
    connect(reply, &UserDayDataListReply::finished, this, [this, key, refresh](const QList<UserDayData>& list) {
        if (key != m_roomName || refresh < m_shown)
            return;
        m_shown = refresh;
        applyRows(list);
    });
    logDebug(lcRooms) << "update room use timeElapsed:" << global::instance()->timeElapsed() - started;
}

void RoomModel::applyRows(const QList<UserDayData>& records)
{
    m_records = records;
    m_arrivals->stop();
    showRows();
    setLoading(false);
}

void RoomModel::takeArrival(const UserDayData& record)
{
    // A record without a login cannot be told from another; it waits for
    // the whole list.
    if (record.ID.isEmpty())
        return;
    const auto same = std::find_if(m_records.begin(), m_records.end(),
                                   [&record](const UserDayData& r) { return r.ID == record.ID; });
    if (same != m_records.end())
        *same = record;
    else
        m_records << record;
    if (!m_arrivals->isActive())
        m_arrivals->start();
}

void RoomModel::takePlan(const QList<UserDayData>& rows)
{
    m_records.erase(std::remove_if(m_records.begin(), m_records.end(), [](const UserDayData& r) { return r.ID.isEmpty(); }),
                    m_records.end());
    m_records << rows;
    if (!m_arrivals->isActive())
        m_arrivals->start();
}

void RoomModel::showRows()
{
    const QString me = Users::instance()->getUserData()->login();
    QList<UserDayData> kept;
    for (const UserDayData& r : qAsConst(m_records))
        if (r.Words != 0 || r.unavailable || (!me.isEmpty() && r.ID == me))
            kept << r;
    if (kept.isEmpty())
        return;
    // Ranked by words; the unavailable ones, of which nothing is known, last.
    std::stable_sort(kept.begin(), kept.end(), [](const UserDayData& a, const UserDayData& b) {
        if (a.unavailable != b.unavailable)
            return b.unavailable;
        return a.Words > b.Words;
    });
    QList<QStandardItem*> added;
    for (int i = 0; i < kept.size(); ++i) {
        const UserDayData& r = kept.at(i);
        QStandardItem* existing = item(i);
        QStandardItem* target = existing ? existing : new QStandardItem();
        target->setData(i + 1, NumberRole);
        target->setData(r.AvatarUrl, IconFileRole);
        target->setData(r.Name.isEmpty() ? r.ID : r.Name, DisplayTextRole);
        target->setData(r.Words, WordsRole);
        target->setData(r.Second / 60, MinuteRole);
        target->setData(!me.isEmpty() && r.ID == me, IsMeRole);
        target->setData(r.unavailable, UnavailableRole);
        if (!existing)
            added << target;
    }
    // New rows go in with one insertion: placed one at a time, each row made
    // the view rebuild every delegate it shows (seconds for a full room).
    if (!added.isEmpty())
        invisibleRootItem()->appendRows(added);
    if (rowCount() > kept.size())
        removeRows(kept.size(), rowCount() - kept.size());
}
