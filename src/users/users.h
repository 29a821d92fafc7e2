#ifndef USERS_H
#define USERS_H

#include <QAtomicPointer>
#include <QMutex>
#include <QObject>
#include <QPointer>

// Holder of the signed-in account: the account client and the account data.
class UserInfo;
class UserDatas;

class Users : public QObject
{
    Q_OBJECT

public:
    static Users* instance();
    UserInfo* getUserInfo();
    UserDatas* getUserData();

signals:

private:
    Users();
    static QAtomicPointer<Users> self;
    static QMutex mutex;
    QPointer<UserInfo> m_userInfo;
    QPointer<UserDatas> m_userData;
};

#endif
