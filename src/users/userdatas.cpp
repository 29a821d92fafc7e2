#include "userdatas.h"

#include "data/global.h"
#include "data/settingsfile.h"
#include "TovaUi/function/message.h"
#include "function/network.h"
#include "TovaUi/function/osinfo.h"
#include "support/log.h"
#include "users/userinfo.h"
#include "users/users.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QUrl>

namespace {
const char* const keyUserName = "userInfo/userName";
const char* const keyPassword = "userInfo/password";
const char* const keyAutoLogin = "userInfo/autoLogin";

void store(const char* key, const QVariant& value)
{
    SettingsFile::store(QLatin1String(key), value);
}
}

UserDatas::UserDatas(QObject* parent)
    : QObject(parent)
    , m_avatar_file(defaultAvatar())
{
    QSettings s;
    m_login = s.value(QLatin1String(keyUserName), QString()).toString();
    m_password = s.value(QLatin1String(keyPassword), QString()).toString();
    m_autologin = s.value(QLatin1String(keyAutoLogin), true).toBool();
}

QString UserDatas::defaultAvatar()
{
    return QStringLiteral("qrc:/source/images/user.png");
}

QString UserDatas::avatar_file()
{
    // Only a downloaded copy that has gone missing falls back. While the
    // default picture is held the address is left alone: a read during
    // sign-in would otherwise replace the address the server just sent
    // before the picture is fetched from it.
    const QUrl url(m_avatar_file);
    if (url.isLocalFile() && !QFile::exists(url.toLocalFile())) {
        setAvatar_url(defaultAvatar());
        setAvatar_file(defaultAvatar());
    }
    return m_avatar_file;
}

void UserDatas::setId(int value)
{
    if (m_id == value)
        return;
    m_id = value;
    emit idChanged(value);
}

void UserDatas::setLogin(const QString& value)
{
    if (m_login == value)
        return;
    m_login = value;
    emit loginChanged(value);
}

void UserDatas::setNickname(const QString& value)
{
    if (m_nickname == value)
        return;
    m_nickname = value;
    emit nicknameChanged(value);
}

void UserDatas::setAvatar_url(const QString& value)
{
    if (m_avatar_url == value)
        return;
    m_avatar_url = value;
    emit avatar_urlChanged(value);
}

void UserDatas::setEmail(const QString& value)
{
    if (m_email == value)
        return;
    m_email = value;
    emit emailChanged(value);
}

void UserDatas::setError_code(int value)
{
    if (m_error_code == value)
        return;
    m_error_code = value;
    emit error_codeChanged(value);
}

void UserDatas::setPassword(const QString& value)
{
    if (m_password == value)
        return;
    m_password = value;
    emit passwordChanged(value);
}

void UserDatas::keepSignedIn(const QString& login, const QString& password)
{
    setLogin(login);
    setPassword(password);
    store(keyUserName, login);
    store(keyPassword, password);
}

void UserDatas::dropRefused(const QString& login, const QString& password)
{
    QSettings s;
    if (s.value(QLatin1String(keyUserName)).toString() == login && s.contains(QLatin1String(keyPassword))
        && s.value(QLatin1String(keyPassword)).toString() == password)
        SettingsFile::remove(QLatin1String(keyPassword));
}

void UserDatas::forgetPassword()
{
    const bool held = !m_password.isEmpty();
    m_password.clear();
    SettingsFile::remove(QLatin1String(keyPassword));
    if (held)
        emit passwordChanged(m_password);
}

void UserDatas::setAvatar_file(const QString& value)
{
    if (m_avatar_file == value)
        return;
    // An empty value means "show the default picture"; the signal still
    // goes out so a view showing a removed file reloads.
    m_avatar_file = value.isEmpty() ? defaultAvatar() : value;
    emit avatar_fileChanged(m_avatar_file);
}

void UserDatas::setLogined(bool value)
{
    if (m_logined == value)
        return;
    m_logined = value;
    emit loginedChanged(value);
}

void UserDatas::setAutologin(bool value)
{
    if (m_autologin == value)
        return;
    m_autologin = value;
    store(keyAutoLogin, value);
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

void UserDatas::setGrade(int value)
{
    if (m_grade == value)
        return;
    m_grade = value;
    emit gradeChanged(value);
}

void UserDatas::setError(const QString& value)
{
    if (m_error == value)
        return;
    m_error = value;
    emit errorChanged(value);
}

void UserDatas::setReType(const QString& value)
{
    if (m_reType == value)
        return;
    m_reType = value;
    // The repeated password is a secret: only its length goes to the log.
    logDebug(lcAccount) << "reType length" << value.size();
    emit reTypeChanged(value);
}

void UserDatas::setPoints(int value)
{
    if (m_points == value)
        return;
    m_points = value;
    emit pointsChanged(value);
}

// ---- captcha ---------------------------------------------------------------

void UserDatas::updateCaptcha()
{
    NetworkReply* reply = network::get(network::accountUrl(QStringLiteral("/api/v1/users/sign_up")));
    reply->whenFinished(this, [this](const NetworkData& data) { updateCaptchaFinished(data); });
}

void UserDatas::updateCaptchaFinished(NetworkData data)
{
    if (data.statusCode != 200)
        return;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data.data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return;
    const QJsonObject body = doc.object();
    const QJsonObject d = body.value(QStringLiteral("data")).toObject();
    if (!body.value(QStringLiteral("ok")).toBool(false))
        return;
    const QString id = d.value(QStringLiteral("captcha_id")).toString();
    if (id != m_captchaId) {
        m_captchaId = id;
        emit captchaIdChanged(id);
    }
    const QString address = network::accountUrl(QStringLiteral("/") + d.value(QStringLiteral("captcha_url")).toString());
    const QString path = network::getImage(address, false);
    setCaptchaFile(path.isEmpty() ? QString() : QUrl::fromLocalFile(path).toString());
}

// ---- points ----------------------------------------------------------------

void UserDatas::addPoints(int points, const QString& explain)
{
    changePoints(points, 0, explain);
}

void UserDatas::delPoints(int points, const QString& explain)
{
    changePoints(points, 1, explain);
}

void UserDatas::changePoints(int points, int type, const QString& explain)
{
    if (!m_logined)
        return;
    const QString url = network::accountUrl(QStringLiteral("/api/v2"))
        + QStringLiteral("/points/add?user_name=%1&points=%2&type=%3&explain=%4&platform=%5&version=%6")
              .arg(m_login)
              .arg(points)
              .arg(type)
              .arg(explain, osInfo::osName(), global::instance()->version());
    NetworkReply* reply = network::getByAuth(url, m_login, m_password);
    const quint64 sent = ++m_pointsRequests;
    m_lastPointsChange = sent;
    ++m_pointsChangesOpen;
    reply->whenFinished(this, [this, sent, login = m_login, password = m_password](const NetworkData& data) {
        --m_pointsChangesOpen;
        if (!refused(data, login, password))
            pointsFinished(data, true, sent);
    });
}

void UserDatas::updatePoints()
{
    if (!m_logined)
        return;
    const QString url = network::accountUrl(QStringLiteral("/api/v2"))
        + QStringLiteral("/points?user_name=%1").arg(m_login);
    NetworkReply* reply = network::getByAuth(url, m_login, m_password);
    // A balance read while a change is on its way may predate the change.
    const quint64 sent = m_pointsChangesOpen > 0 ? 0 : ++m_pointsRequests;
    reply->whenFinished(this, [this, sent, login = m_login, password = m_password](const NetworkData& data) {
        if (!refused(data, login, password))
            pointsFinished(data, false, sent);
    });
}

bool UserDatas::refused(const NetworkData& data, const QString& login, const QString& password)
{
    if (data.kind != NetworkData::Kind::Answer || data.statusCode != 401)
        return false;
    // The sign-out that follows tells the writer why.
    Users::instance()->getUserInfo()->credentialsRefused(login, password);
    return true;
}

void UserDatas::pointsFinished(const NetworkData& data, bool isChange, quint64 sent)
{
    const QString failed = tr("积分获取失败");
    if (data.statusCode != 200) {
        // A request that never got an answer (status 0) has its own text.
        const QString detail = data.statusCode == 0 && !data.errorString.isEmpty()
            ? data.errorString
            : tr("错误码") + QStringLiteral(":") + QString::number(data.statusCode);
        message::show(Message::Error, failed + QStringLiteral(":(") + detail + QStringLiteral(")"), nullptr, 5000);
        return;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(data.data);
    if (!doc.isObject()) {
        message::show(Message::Error, failed, nullptr, 5000);
        return;
    }
    const QJsonObject o = doc.object();
    if (!o.value(QStringLiteral("ok")).toBool(false)) {
        const QString text = isChange
            ? failed + QStringLiteral(":(") + o.value(QStringLiteral("error")).toString() + QStringLiteral(")")
            : failed;
        message::show(Message::Error, text, nullptr, 5000);
        return;
    }
    // A change answered after a later change, or a balance that a change
    // sent after it (or open when it was sent) may have made stale, is not
    // shown.
    if (isChange) {
        if (sent < m_lastChangeShown)
            return;
        m_lastChangeShown = sent;
    } else if (sent == 0 || sent < m_lastPointsChange) {
        return;
    }
    m_points = o.value(QStringLiteral("data")).toObject().value(QStringLiteral("points")).toInt(0);
    emit pointsChanged(m_points);
}
