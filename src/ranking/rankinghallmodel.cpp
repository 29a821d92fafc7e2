#include "rankinghallmodel.h"

#include "data/global.h"
#include "data/signalobject.h"
#include "function/boolreply.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "ranking/rankingdata.h"
#include "ranking/roomdatalistreply.h"
#include "ranking/roomname.h"
#include "users/userdatas.h"
#include "users/users.h"

RankingHallModel::RankingHallModel(QObject* parent)
    : QStandardItemModel(parent)
{
    setSortRole(SortRole);
    connect(global::instance()->signalObject(), &SignalObject::isAppActionFirstChanged, this, [this](bool first) {
        if (first)
            updateHall();
    });
}

QHash<int, QByteArray> RankingHallModel::roleNames() const
{
    return { { IconFileRole, "iconfile" },
             { DisplayTextRole, "displaytext" },
             { HasPasswordRole, "haspassword" },
             { PasswordRole, "password" } };
}

void RankingHallModel::updateHall()
{
    if (m_loading)
        disconnect(m_loading, nullptr, this, nullptr);
    removeRows(0, rowCount());
    RoomDataListReply* reply = RankingData::getHallDataList();
    m_loading = reply;
    connect(reply, &RoomDataListReply::addedRoomData, this, &RankingHallModel::addRoomData);
}

void RankingHallModel::addRoomData(RoomData data)
{
    int key = rowCount() + 4;
    if (data.Name == QStringLiteral("露墨"))
        key = 0;
    else if (data.Name == QStringLiteral("存稿营"))
        key = 1;
    else if (data.Name == QStringLiteral("神秘地带"))
        key = 2;
    const bool locked = data.Type != 0;
    auto* item = new QStandardItem(data.Name);
    item->setData(key, SortRole);
    item->setData(data.Name, DisplayTextRole);
    item->setData(locked ? QStringLiteral("qrc:/source/images/lock.png") : QStringLiteral("qrc:/source/images/open.png"),
                  IconFileRole);
    item->setData(locked, HasPasswordRole);
    item->setData(data.PassWd, PasswordRole);
    appendRow(item);
    sort(0, Qt::AscendingOrder);
}

void RankingHallModel::createRoom(QString name, QString password, int type)
{
    UserDatas* user = Users::instance()->getUserData();
    if (!user->logined()) {
        message::show(Message::Tips, tr("请先登录"), 5000);
        return;
    }
    const QString login = user->login();
    if (login.isEmpty()) {
        message::show(Message::Error, tr("请先登录"), 5000);
        return;
    }
    // The name becomes the room's object key: it is checked before any
    // request is sent.
    switch (RoomName::check(name)) {
    case RoomName::None:
        break;
    case RoomName::Empty:
        message::show(Message::Error, tr("请输入房间名"), 5000);
        return;
    case RoomName::Slash:
        message::show(Message::Error, tr("房间名不能包含“/”"), 5000);
        return;
    case RoomName::ControlCharacter:
        message::show(Message::Error, tr("房间名不能包含控制字符"), 5000);
        return;
    case RoomName::DotName:
        message::show(Message::Error, tr("房间名不能是“.”或“..”"), 5000);
        return;
    case RoomName::TooLong:
        message::show(Message::Error, tr("房间名不能超过 %n 个字符", nullptr, RoomName::MaxLength), 5000);
        return;
    }
    if (type == 1 && password.isEmpty()) {
        message::show(Message::Error, tr("请输入房间密码"), 5000);
        return;
    }
    BoolReply* exists = RankingData::isHasRoomKey(name);
    connect(exists, &BoolReply::finished, this, [this, name, password, type, login](bool taken) {
        if (taken) {
            message::show(Message::Error, tr("房间名已存在"), 5000);
            return;
        }
        RoomData room;
        room.RoomKey = name;
        room.Name = name;
        room.Owner = login;
        room.Type = type;
        room.PassWd = function::md5(password);
        BoolReply* pushed = RankingData::pushRoomData(room);
        connect(pushed, &BoolReply::finished, this, [this](bool ok) {
            if (ok) {
                message::show(Message::Tips, tr("创建成功"), 5000);
                updateHall();
            } else {
                message::show(Message::Error, tr("创建失败"), 5000);
            }
        });
    });
}
