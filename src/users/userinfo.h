#ifndef USERINFO_H
#define USERINFO_H

#include "function/networkdata.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkReply;
class QNetworkRequest;
class UserDatas;
class UserSetting;

// The account client: sign-in and sign-out, registration, profile, password
// and avatar changes against the account server. error holds the raw text;
// reading the property gives the message the user sees.
class UserInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString error READ error WRITE setError NOTIFY errorChanged)
    Q_PROPERTY(QString tips READ tips WRITE setTips NOTIFY tipsChanged)

public:
    explicit UserInfo(QObject* parent = nullptr);

    QString error() const;
    QString rawError() const { return m_error; }
    QString tips() const { return m_tips; }

    static void loadAvatar(UserDatas* account, bool force);
    static QString Authorization(const QString& user, const QString& password);
    void setDisableAutoLogin(bool disable) { m_disableAutoLogin = disable; }
    UserSetting* getUserSetting();
    // The account server refused these credentials for a request of the
    // session (the password was changed or revoked elsewhere). While they
    // are still the signed-in account's, the writer is signed out with
    // the reason and the password is no longer kept.
    void credentialsRefused(const QString& login, const QString& password);

    Q_INVOKABLE void reg();
    Q_INVOKABLE void reg(const QString& user_name, const QString& email, const QString& password,
                         const QString& retype, const QString& captcha_id, const QString& captcha);
    Q_INVOKABLE bool changePassword(const QString& old_password, const QString& password, const QString& retype);
    Q_INVOKABLE bool pushUserSetting(const QString& email, const QString& nickname, const QString& website = QString());
    Q_INVOKABLE bool updateAvatar(const QByteArray& icon);
    Q_INVOKABLE bool updateAvatar(const QUrl& url);
    Q_INVOKABLE void rePassword();
    Q_INVOKABLE void createRepo();
    Q_INVOKABLE bool isHasRepo();

public slots:
    void login(bool forceUpdateAvatar = false, bool forceShowLoginWidget = false);
    void login(const QString& username, const QString& password, bool forceUpdateAvatar = false);
    void reLogin();
    void logout();
    void setError(const QString& error);
    void setTips(const QString& tips);

signals:
    void regFinished(bool ok, const QString& error);
    void loginFinished(bool ok, const QString& error);
    void errorChanged(const QString& error);
    void tipsChanged(const QString& tips);

private:
    // The answer to a sign-in sent with username and password.
    void onLoginFinished(const NetworkData& data, const QString& username, const QString& password);
    void loginFailed();
    // Ends the session: nobody signed in, the password forgotten, answers
    // still under way stale.
    void endSession();
    // Sends a request signed with the account's login and the given password
    // and waits for it; null when it timed out (timeoutText is then the
    // error) or could not be sent.
    QNetworkReply* sendAndWait(QNetworkRequest request, const QByteArray& verb, const QString& password,
                               const QByteArray& body, class QHttpMultiPart* multiPart,
                               const QString& timeoutText);
    bool changeRequest(const QString& path, const QString& password, const QByteArray& body,
                       class QHttpMultiPart* multiPart, const QString& timeoutText);

    QPointer<UserSetting> m_userSetting;
    bool m_logining = false;
    // Numbers the sign-in requests; a sign-out makes every answer still
    // under way stale.
    quint64 m_loginRequests = 0;
    bool m_forceUpdateAvatar = false;
    bool m_disableAutoLogin = true;
    QString m_error;
    QString m_tips;
};

#endif
