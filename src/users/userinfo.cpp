#include "userinfo.h"

#include "users/users.h"
#include "users/userdatas.h"
#include "data/global.h"
#include "data/signalobject.h"

UserInfo::UserInfo(QObject* parent)
    : QObject(parent)
{
}

void UserInfo::login()
{
    UserDatas* d = Users::instance()->getUserData();
    if (d->login().isEmpty()) {
        d->setError(tr("请输入用户名"));
        return;
    }
    if (d->password().isEmpty()) {
        d->setError(tr("请输入密码"));
        return;
    }
    // No account server is configured in this build step: the request
    // fails at once, so the shell keeps the signed-out state.
    emit loginFinished(false, tr("无法连接服务器"));
}

void UserInfo::logout()
{
    Users::instance()->getUserData()->setLogined(false);
    emit global::instance()->signalObject()->logoutFinish();
}
