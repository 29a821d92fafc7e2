#include "users.h"

#include "users/userinfo.h"
#include "users/userdatas.h"
#include <QMutexLocker>

QAtomicPointer<Users> Users::self;
QMutex Users::mutex;

Users* Users::instance()
{
    Users* u = self.loadAcquire();
    if (!u) {
        QMutexLocker lock(&mutex);
        u = self.loadAcquire();
        if (!u) {
            u = new Users();
            self.storeRelease(u);
        }
    }
    return u;
}

Users::Users()
    : QObject(nullptr)
{
}

UserInfo* Users::getUserInfo()
{
    if (!m_userInfo)
        m_userInfo = new UserInfo();
    return m_userInfo;
}

UserDatas* Users::getUserData()
{
    if (!m_userData)
        m_userData = new UserDatas();
    return m_userData;
}
