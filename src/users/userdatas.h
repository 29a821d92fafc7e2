#ifndef USERDATAS_H
#define USERDATAS_H

#include <QObject>

// The signed-in account's state as QML properties.
class UserDatas : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool logined READ logined WRITE setLogined NOTIFY loginedChanged)
    Q_PROPERTY(QString login READ login WRITE setLogin NOTIFY loginChanged)
    Q_PROPERTY(QString id READ id WRITE setId NOTIFY idChanged)
    Q_PROPERTY(QString username READ username WRITE setUsername NOTIFY usernameChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString reType READ reType WRITE setReType NOTIFY reTypeChanged)
    Q_PROPERTY(QString nickname READ nickname WRITE setNickname NOTIFY nicknameChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString avatar_url READ avatar_url WRITE setAvatar_url NOTIFY avatar_urlChanged)
    Q_PROPERTY(QString avatar_file READ avatar_file WRITE setAvatar_file NOTIFY avatar_fileChanged)
    Q_PROPERTY(int grade READ grade WRITE setGrade NOTIFY gradeChanged)
    Q_PROPERTY(int points READ points WRITE setPoints NOTIFY pointsChanged)
    Q_PROPERTY(bool autologin READ autologin WRITE setAutologin NOTIFY autologinChanged)
    Q_PROPERTY(QString captchaFile READ captchaFile WRITE setCaptchaFile NOTIFY captchaFileChanged)
    Q_PROPERTY(QString captchaText READ captchaText WRITE setCaptchaText NOTIFY captchaTextChanged)
    Q_PROPERTY(QString error READ error WRITE setError NOTIFY errorChanged)
    Q_PROPERTY(int error_code READ error_code WRITE setError_code NOTIFY error_codeChanged)

public:
    explicit UserDatas(QObject* parent = nullptr);
    bool logined() const { return m_logined; }
    void setLogined(bool value);
    QString login() const { return m_login; }
    void setLogin(const QString& value);
    QString id() const { return m_id; }
    void setId(const QString& value);
    QString username() const { return m_username; }
    void setUsername(const QString& value);
    QString password() const { return m_password; }
    void setPassword(const QString& value);
    QString reType() const { return m_reType; }
    void setReType(const QString& value);
    QString nickname() const { return m_nickname; }
    void setNickname(const QString& value);
    QString email() const { return m_email; }
    void setEmail(const QString& value);
    QString avatar_url() const { return m_avatar_url; }
    void setAvatar_url(const QString& value);
    QString avatar_file() const { return m_avatar_file; }
    void setAvatar_file(const QString& value);
    int grade() const { return m_grade; }
    void setGrade(int value);
    int points() const { return m_points; }
    void setPoints(int value);
    bool autologin() const { return m_autologin; }
    void setAutologin(bool value);
    QString captchaFile() const { return m_captchaFile; }
    void setCaptchaFile(const QString& value);
    QString captchaText() const { return m_captchaText; }
    void setCaptchaText(const QString& value);
    QString error() const { return m_error; }
    void setError(const QString& value);
    int error_code() const { return m_error_code; }
    void setError_code(int value);

signals:
    void loginedChanged(bool logined);
    void loginChanged(const QString& login);
    void idChanged(const QString& id);
    void usernameChanged(const QString& username);
    void passwordChanged(const QString& password);
    void reTypeChanged(const QString& reType);
    void nicknameChanged(const QString& nickname);
    void emailChanged(const QString& email);
    void avatar_urlChanged(const QString& avatar_url);
    void avatar_fileChanged(const QString& avatar_file);
    void gradeChanged(int grade);
    void pointsChanged(int points);
    void autologinChanged(bool autologin);
    void captchaFileChanged(const QString& captchaFile);
    void captchaTextChanged(const QString& captchaText);
    void errorChanged(const QString& error);
    void error_codeChanged(int error_code);

private:
    bool m_logined = false;
    QString m_login;
    QString m_id;
    QString m_username;
    QString m_password;
    QString m_reType;
    QString m_nickname;
    QString m_email;
    QString m_avatar_url;
    QString m_avatar_file = QStringLiteral("qrc:/source/images/user.png");
    int m_grade = 0;
    int m_points = 0;
    bool m_autologin = true;
    QString m_captchaFile;
    QString m_captchaText;
    QString m_error;
    int m_error_code = 0;
};

#endif
