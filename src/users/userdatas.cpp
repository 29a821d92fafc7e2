#include "userdatas.h"

#include <QSettings>

UserDatas::UserDatas(QObject* parent)
    : QObject(parent)
{
    QSettings s;
    m_login = s.value(QStringLiteral("userInfo/userName")).toString();
    m_password = s.value(QStringLiteral("userInfo/password")).toString();
    m_autologin = s.value(QStringLiteral("userInfo/autoLogin"), true).toBool();
}

void UserDatas::setLogined(bool value)
{
    if (m_logined == value)
        return;
    m_logined = value;
    emit loginedChanged(value);
}

void UserDatas::setLogin(const QString& value)
{
    if (m_login == value)
        return;
    m_login = value;
    emit loginChanged(value);
}

void UserDatas::setId(const QString& value)
{
    if (m_id == value)
        return;
    m_id = value;
    emit idChanged(value);
}

void UserDatas::setUsername(const QString& value)
{
    if (m_username == value)
        return;
    m_username = value;
    emit usernameChanged(value);
}

void UserDatas::setPassword(const QString& value)
{
    if (m_password == value)
        return;
    m_password = value;
    emit passwordChanged(value);
}

void UserDatas::setReType(const QString& value)
{
    if (m_reType == value)
        return;
    m_reType = value;
    emit reTypeChanged(value);
}

void UserDatas::setNickname(const QString& value)
{
    if (m_nickname == value)
        return;
    m_nickname = value;
    emit nicknameChanged(value);
}

void UserDatas::setEmail(const QString& value)
{
    if (m_email == value)
        return;
    m_email = value;
    emit emailChanged(value);
}

void UserDatas::setAvatar_url(const QString& value)
{
    if (m_avatar_url == value)
        return;
    m_avatar_url = value;
    emit avatar_urlChanged(value);
}

void UserDatas::setAvatar_file(const QString& value)
{
    if (m_avatar_file == value)
        return;
    m_avatar_file = value;
    emit avatar_fileChanged(value);
}

void UserDatas::setGrade(int value)
{
    if (m_grade == value)
        return;
    m_grade = value;
    emit gradeChanged(value);
}

void UserDatas::setPoints(int value)
{
    if (m_points == value)
        return;
    m_points = value;
    emit pointsChanged(value);
}

void UserDatas::setAutologin(bool value)
{
    if (m_autologin == value)
        return;
    m_autologin = value;
    emit autologinChanged(value);
}

void UserDatas::setCaptchaFile(const QString& value)
{
    if (m_captchaFile == value)
        return;
    m_captchaFile = value;
    emit captchaFileChanged(value);
}

void UserDatas::setCaptchaText(const QString& value)
{
    if (m_captchaText == value)
        return;
    m_captchaText = value;
    emit captchaTextChanged(value);
}

void UserDatas::setError(const QString& value)
{
    if (m_error == value)
        return;
    m_error = value;
    emit errorChanged(value);
}

void UserDatas::setError_code(int value)
{
    if (m_error_code == value)
        return;
    m_error_code = value;
    emit error_codeChanged(value);
}
