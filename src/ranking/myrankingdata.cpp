#include "myrankingdata.h"

#include "data/data.h"
#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/settings.h"
#include "data/statsclock.h"
#include "function/boolreply.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "ranking/rankingdata.h"
#include "ranking/roomdatareply.h"
#include "ranking/userdaydatareply.h"
#include "ranking/userroomdatareply.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"
#include "users/usersetting.h"

#include <QMessageBox>
#include <QTimer>

namespace {
UserDatas* account() { return Users::instance()->getUserData(); }
}

myRankingData::myRankingData(QObject* parent)
    : QObject(parent)
{
    init();
}

void myRankingData::setUserInfo(UserInfo* userInfo) { m_userInfo = userInfo; }

void myRankingData::answer(BoolReply* reply, bool value)
{
    emit reply->finished(value);
    reply->deleteLater();
}

QString myRankingData::rememberedRoom() const
{
    return m_userInfo ? m_userInfo->getUserSetting()->value(QStringLiteral("RoomKey")).toString() : QString();
}

void myRankingData::setRememberedRoom(const QString& roomKey)
{
    if (m_userInfo)
        m_userInfo->getUserSetting()->setValue(QStringLiteral("RoomKey"), roomKey);
}

void myRankingData::fillFromAccount(QString& id, QString& name, qint32& grade, QString& avatar) const
{
    id = account()->login();
    name = account()->nickname();
    grade = account()->grade();
    avatar = account()->avatar_url();
}

BoolReply* myRankingData::init()
{
    if (!account()->logined() || account()->login().isEmpty())
        return RankingData::answerLater(false, 1);
    if (m_today.valid && !m_member.ID.isEmpty() && !m_member.RoomID.isEmpty())
        return RankingData::answerLater(true, 1);
    auto* reply = new BoolReply();
    UserDayDataReply* fetch = RankingData::getUserDayData(account()->login(), StatsClock::today());
    connect(fetch, &UserDayDataReply::finished, reply, whileAlive(reply, [this, reply](const UserDayData& record) {
        m_today = record;
        if (!m_today.valid)
            fillFromAccount(m_today.ID, m_today.Name, m_today.Grade, m_today.AvatarUrl);
        // A member record already loaded stays; loading it again would
        // answer no.
        if (!m_member.ID.isEmpty() && !m_member.RoomID.isEmpty()) {
            answer(reply, true);
            return;
        }
        connect(initRoomData(), &BoolReply::finished, reply, [reply](bool ok) { answer(reply, ok); });
    }));
    return reply;
}

BoolReply* myRankingData::initRoomData()
{
    const QString room = rememberedRoom();
    if (!m_member.ID.isEmpty() && !m_member.RoomID.isEmpty())
        return RankingData::answerLater(false, 1);
    // Without a remembered room there is no member record to load: the
    // record starts from the account, in no room yet.
    if (room.isEmpty()) {
        fillFromAccount(m_member.ID, m_member.Name, m_member.Grade, m_member.AvatarUrl);
        return RankingData::answerLater(true, 1);
    }
    auto* reply = new BoolReply();
    UserRoomDataReply* fetch = RankingData::getUserRoomData(room, account()->login(), QString());
    connect(fetch, &UserRoomDataReply::finished, reply, whileAlive(reply, [this, reply](const UserRoomData& record) {
        m_member = record;
        if (m_member.ID.isEmpty() || m_member.RoomID.isEmpty())
            fillFromAccount(m_member.ID, m_member.Name, m_member.Grade, m_member.AvatarUrl);
        answer(reply, true);
    }));
    return reply;
}

BoolReply* myRankingData::CheckAccess(QString roomKey)
{
    if (!m_userInfo)
        return RankingData::answerLater(false, 10);
    if (!account()->logined()) {
        m_userInfo->login(false, false);
        return RankingData::answerLater(false, 10);
    }
    auto* reply = new BoolReply();
    RoomDataReply* fetch = RankingData::getRoomDateByKey(roomKey);
    connect(fetch, &RoomDataReply::finished, reply, [reply, roomKey](const RoomData& room) {
        switch (room.Type) {
        case 1: {
            // A remembered password that no longer matches is refused; the
            // hall page asks for the password.
            // The hall remembers the password's digest; a plain password
            // remembered there is accepted too.
            const QString remembered = global::instance()->settings()->roomPassword(roomKey);
            answer(reply, !remembered.isEmpty() && (remembered == room.PassWd || function::md5(remembered) == room.PassWd));
            return;
        }
        case 2: {
            // Rooms by invitation carry no invitation list: nobody enters.
            auto* box = new QMessageBox(QMessageBox::Warning, tr("立入禁止"),
                                        tr("此房间为邀请制，需要房主邀请才能进入。"));
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
            answer(reply, false);
            return;
        }
        default: answer(reply, true); return;
        }
    });
    return reply;
}

BoolReply* myRankingData::gotoRoom(QString roomKey)
{
    auto* reply = new BoolReply();
    connect(init(), &BoolReply::finished, reply, whileAlive(reply, [this, reply, roomKey](bool ready) {
        if (!ready) {
            logDebug(lcRooms) << "init:" << false;
            answer(reply, false);
            return;
        }
        connect(CheckAccess(roomKey), &BoolReply::finished, reply, whileAlive(reply, [this, reply, roomKey](bool allowed) {
            if (!allowed || !account()->logined()) {
                logDebug(lcRooms) << "checkAccess:" << false;
                answer(reply, false);
                return;
            }
            const QString old = rememberedRoom();
            if (old == roomKey) {
                connect(pushData(), &BoolReply::finished, reply, [reply](bool ok) {
                    logDebug(lcRooms) << "pushData finished:" << ok;
                    answer(reply, ok);
                });
                return;
            }
            // A writer in no room yet has nothing to leave.
            BoolReply* removal = old.isEmpty() ? RankingData::answerLater(true, 1)
                                               : RankingData::removeUserDataFromRoom(old, account()->login());
            connect(removal, &BoolReply::finished, reply, whileAlive(reply, [this, reply, roomKey, old](bool removed) {
                logDebug(lcRooms) << "removeUserDataFromRoom:" << removed;
                // A removal that fails leaves the writer where they were.
                if (!removed) {
                    answer(reply, false);
                    return;
                }
                if (!old.isEmpty()) {
                    logDebug(lcRooms) << "remove from:" << old;
                    message::show(Message::Note, tr("已离开 %1 房间").arg(old), 5000);
                }
                setRememberedRoom(roomKey);
                m_today.RoomID = roomKey;
                m_member.RoomID = roomKey;
                pushData();
                answer(reply, true);
            }));
        }));
    }));
    return reply;
}

BoolReply* myRankingData::pushData()
{
    auto* reply = new BoolReply();
    connect(init(), &BoolReply::finished, reply, whileAlive(reply, [this, reply](bool ready) {
        if (!ready) {
            answer(reply, false);
            return;
        }
        if (!m_userInfo) {
            logDebug(lcRooms) << "userInfo:" << "null";
            answer(reply, false);
            return;
        }
        if (!account()->logined()) {
            logDebug(lcRooms) << "loaded:" << false;
            answer(reply, false);
            return;
        }
        const QString login = account()->login();
        if (login.isEmpty()) {
            logDebug(lcRooms) << "userKey:";
            answer(reply, false);
            return;
        }
        UserDayDataReply* fetch = RankingData::getUserDayData(login, StatsClock::today());
        connect(fetch, &UserDayDataReply::finished, reply, whileAlive(reply, [this, reply](const UserDayData& server) {
            auto fillText = [](QString& mine, const QString& theirs) { if (mine.isEmpty()) mine = theirs; };
            auto fillNumber = [](qint32& mine, qint32 theirs) { if (mine == 0) mine = theirs; };
            fillText(m_today.ID, server.ID);
            fillText(m_today.RoomID, server.RoomID);
            fillText(m_today.Name, server.Name);
            fillText(m_today.AvatarUrl, server.AvatarUrl);
            fillNumber(m_today.Grade, server.Grade);
            fillNumber(m_today.Words, server.Words);
            fillNumber(m_today.Second, server.Second);
            fillNumber(m_today.BeginTime, server.BeginTime);
            fillNumber(m_today.EndTime, server.EndTime);
            connect(RankingData::pushUserDayData(m_today), &BoolReply::finished, reply, whileAlive(reply, [this, reply](bool ok) {
                if (!ok) {
                    logDebug(lcRooms) << "push user day data:" << false;
                    answer(reply, false);
                    return;
                }
                pushMember(reply);
            }));
        }));
    }));
    return reply;
}

void myRankingData::pushMember(BoolReply* reply)
{
    // Without today's statistics record there is nothing to publish.
    const QPointer<DataTypeClass> stats = data::instance()->getRankingTodayData();
    if (!stats) {
        answer(reply, false);
        return;
    }
    UserDayData fresh;
    fillFromAccount(fresh.ID, fresh.Name, fresh.Grade, fresh.AvatarUrl);
    fresh.Words = stats->words();
    fresh.Second = stats->second();
    fresh.BeginTime = stats->beginTime();
    fresh.EndTime = stats->endTime();
    fresh.DeviceIdList = stats->deviceIdList();
    fresh.RoomID = rememberedRoom();
    connect(RankingData::pushUserDayData(fresh), &BoolReply::finished, reply, whileAlive(reply, [this, reply, fresh, stats](bool ok) {
        if (!ok) {
            answer(reply, false);
            return;
        }
        m_today = fresh;
        m_today.valid = true;
        if (m_member.RoomID.isEmpty() || !stats) {
            answer(reply, false);
            return;
        }
        if (StatsClock::isToday(m_member.EndTime)) {
            m_member.BeginTime = stats->beginTime();
            m_member.EndTime = stats->endTime();
        } else {
            m_member.BeginTime = m_member.EndTime = StatsClock::currentSeconds();
        }
        // The member record carries today's figures too, so the room sees
        // what was written.
        m_member.Words = stats->words();
        m_member.Second = stats->second();
        m_member.DeviceIdList = stats->deviceIdList();
        connect(RankingData::pushUserRoomData(m_member), &BoolReply::finished, reply, [reply](bool pushed) {
            logDebug(lcRooms) << "push userRoom:" << pushed;
            answer(reply, pushed);
        });
    }));
}
