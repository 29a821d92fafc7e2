#ifndef MYRANKINGDATA_H
#define MYRANKINGDATA_H

#include "ranking/userdaydata.h"
#include "ranking/userroomdata.h"

#include <QObject>
#include <QPointer>

#include <utility>

class BoolReply;
class UserInfo;

// The signed-in writer's own presence in the writing rooms: today's record,
// the member record of the remembered room (the per-user setting "RoomKey"),
// access checks, moving to another room and publishing both records. The
// owner supplies the account client; without it every operation answers no.
class myRankingData : public QObject
{
    Q_OBJECT

public:
    explicit myRankingData(QObject* parent = nullptr);

    void setUserInfo(UserInfo* userInfo);
    UserDayData todayRecord() const { return m_today; }
    UserRoomData memberRecord() const { return m_member; }

    Q_INVOKABLE BoolReply* pushData();
    Q_INVOKABLE BoolReply* gotoRoom(QString roomKey);
    Q_INVOKABLE BoolReply* CheckAccess(QString roomKey);
    Q_INVOKABLE BoolReply* init();
    Q_INVOKABLE BoolReply* initRoomData();

private:
    QString rememberedRoom() const;
    void setRememberedRoom(const QString& roomKey);
    void fillFromAccount(QString& id, QString& name, qint32& grade, QString& avatar) const;
    static void answer(BoolReply* reply, bool value);
    // The handler of an answer that arrives after this object is gone
    // (replies outlive it) answers the reply no instead of running.
    template <typename Handler>
    auto whileAlive(BoolReply* reply, Handler handler)
    {
        return [self = QPointer<myRankingData>(this), reply, handler](auto&&... args) {
            if (!self) {
                answer(reply, false);
                return;
            }
            handler(std::forward<decltype(args)>(args)...);
        };
    }
    // Publishes the member record once today's record is uploaded.
    void pushMember(BoolReply* reply);

    QPointer<UserInfo> m_userInfo;
    UserDayData m_today;
    UserRoomData m_member;
};

#endif
