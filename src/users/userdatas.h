#ifndef USERDATAS_H
#define USERDATAS_H

#include "function/networkdata.h"

#include <QObject>

// The signed-in account's state as QML properties, with the captcha refresh
// and the points requests. login and password are what the sign-in sheet
// shows and what requests are signed with; the settings file keeps only a
// name and password that signed in (keepSignedIn), until a sign-out or the
// server's refusal of them. The auto sign-in switch is kept as it is set.
class UserDatas : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int id READ id WRITE setId NOTIFY idChanged)
    Q_PROPERTY(QString login READ login WRITE setLogin NOTIFY loginChanged)
    Q_PROPERTY(QString nickname READ nickname WRITE setNickname NOTIFY nicknameChanged)
    Q_PROPERTY(QString avatar_url READ avatar_url WRITE setAvatar_url NOTIFY avatar_urlChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(int error_code READ error_code WRITE setError_code NOTIFY error_codeChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString avatar_file READ avatar_file WRITE setAvatar_file NOTIFY avatar_fileChanged)
    Q_PROPERTY(bool logined READ logined WRITE setLogined NOTIFY loginedChanged)
    Q_PROPERTY(bool autologin READ autologin WRITE setAutologin NOTIFY autologinChanged)
    Q_PROPERTY(QString captchaFile READ captchaFile WRITE setCaptchaFile NOTIFY captchaFileChanged)
    Q_PROPERTY(QString captchaText READ captchaText WRITE setCaptchaText NOTIFY captchaTextChanged)
    Q_PROPERTY(int grade READ grade WRITE setGrade NOTIFY gradeChanged)
    Q_PROPERTY(QString error READ error WRITE setError NOTIFY errorChanged)
    Q_PROPERTY(QString reType READ reType WRITE setReType NOTIFY reTypeChanged)
    Q_PROPERTY(int points READ points NOTIFY pointsChanged)
    // The account server's id of the captcha picture shown; the sign-up
    // page sends it with the typed characters.
    Q_PROPERTY(QString captchaId READ captchaId NOTIFY captchaIdChanged)

public:
    explicit UserDatas(QObject* parent = nullptr);

    int id() const { return m_id; }
    QString login() const { return m_login; }
    QString nickname() const { return m_nickname; }
    QString avatar_url() const { return m_avatar_url; }
    QString email() const { return m_email; }
    int error_code() const { return m_error_code; }
    QString password() const { return m_password; }
    // Falls back to the default picture when the downloaded copy is gone.
    QString avatar_file();
    bool logined() const { return m_logined; }
    bool autologin() const { return m_autologin; }
    QString captchaFile() const { return m_captchaFile; }
    QString captchaText() const { return m_captchaText; }
    int grade() const { return m_grade; }
    QString error() const { return m_error; }
    QString reType() const { return m_reType; }
    int points() const { return m_points; }
    QString captchaId() const { return m_captchaId; }
    // For C++ callers and tests only; QML sees points read-only and the
    // account server's answers are what normally set it.
    void setPoints(int value);

    static QString defaultAvatar();

    Q_INVOKABLE void updateCaptcha();
    Q_INVOKABLE void addPoints(int points, const QString& explain = QString());
    Q_INVOKABLE void delPoints(int points, const QString& explain = QString());
    Q_INVOKABLE void updatePoints();
    // Sign-out: the password is forgotten here and in the settings file;
    // the user name stays for the next sign-in.
    void forgetPassword();
    // A sign-in with these succeeded: they become the values held and kept.
    void keepSignedIn(const QString& login, const QString& password);
    // The account server refused these: a kept password that is this one,
    // under this name, is no longer kept, so no later start sends it.
    void dropRefused(const QString& login, const QString& password);

public slots:
    void setId(int value);
    void setLogin(const QString& value);
    void setNickname(const QString& value);
    void setAvatar_url(const QString& value);
    void setEmail(const QString& value);
    void setError_code(int value);
    void setPassword(const QString& value);
    void setAvatar_file(const QString& value);
    void setLogined(bool value);
    void setAutologin(bool value);
    void setCaptchaFile(const QString& value);
    void setCaptchaText(const QString& value);
    void setGrade(int value);
    void setError(const QString& value);
    void setReType(const QString& value);

signals:
    void idChanged(int id);
    void loginChanged(const QString& login);
    void nicknameChanged(const QString& nickname);
    void avatar_urlChanged(const QString& avatar_url);
    void emailChanged(const QString& email);
    void error_codeChanged(int error_code);
    void passwordChanged(const QString& password);
    void avatar_fileChanged(const QString& avatar_file);
    void loginedChanged(bool logined);
    void autologinChanged(bool autologin);
    void captchaFileChanged(const QString& captchaFile);
    void captchaTextChanged(const QString& captchaText);
    void gradeChanged(int grade);
    void errorChanged(const QString& error);
    void reTypeChanged(const QString& reType);
    void pointsChanged(int points);
    void captchaIdChanged(const QString& captchaId);

private slots:
    void updateCaptchaFinished(NetworkData data);

private:
    void changePoints(int points, int type, const QString& explain);
    void pointsFinished(const NetworkData& data, bool isChange, quint64 sent);
    // A 401: the account server no longer takes the password the request
    // was signed with; the account client is told.
    static bool refused(const NetworkData& data, const QString& login, const QString& password);

    int m_id = 0;
    QString m_login;
    QString m_nickname;
    QString m_avatar_url;
    QString m_email;
    int m_error_code = 0;
    QString m_password;
    QString m_avatar_file;
    bool m_logined = false;
    bool m_autologin = true;
    QString m_captchaFile;
    QString m_captchaText;
    int m_grade = 0;
    QString m_error;
    QString m_reType;
    int m_points = 0;
    // Answers may arrive out of order, and a balance read while a change is
    // on its way may predate the change. Each request is numbered; a change
    // answered after a later one is dropped, and a balance only counts when
    // no change was open when it was sent nor sent after it.
    quint64 m_pointsRequests = 0;
    quint64 m_lastPointsChange = 0;
    quint64 m_lastChangeShown = 0;
    int m_pointsChangesOpen = 0;
    QString m_captchaId;
};

#endif
