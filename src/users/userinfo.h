#ifndef USERINFO_H
#define USERINFO_H

#include <QObject>

// The account client: sign-in, sign-out, registration, profile and points.
class UserInfo : public QObject
{
    Q_OBJECT

public:
    explicit UserInfo(QObject* parent = nullptr);
    Q_INVOKABLE void login();
    Q_INVOKABLE void logout();

signals:
    void loginFinished(bool ok, const QString& error);

private:
};

#endif
