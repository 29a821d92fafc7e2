#include "userinfo.h"

#include "data/global.h"
#include "data/signalobject.h"
#include "TovaUi/function/message.h"
#include "function/network.h"
#include "TovaUi/function/osinfo.h"
#include "TovaUi/function/t.h"
#include "support/log.h"
#include "users/userdatas.h"
#include "users/users.h"
#include "users/usersetting.h"

#include <QDesktopServices>
#include <QFile>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

namespace {
UserDatas* account()
{
    return Users::instance()->getUserData();
}

// Takes an account record of the server into the account data.
void readAccount(UserDatas* d, const QJsonObject& o, const QString& nicknameKey)
{
    d->setAvatar_url(o.value(QStringLiteral("avatar_url")).toString());
    d->setEmail(o.value(QStringLiteral("email")).toString());
    d->setId(o.value(QStringLiteral("id")).toInt(0));
    d->setNickname(o.value(nicknameKey).toString());
    d->setLogin(o.value(QStringLiteral("login")).toString());
    d->setError_code(0);
}

QNetworkRequest formRequest(const QString& path)
{
    QNetworkRequest request(QUrl(network::accountUrl(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    return request;
}
}

UserInfo::UserInfo(QObject* parent)
    : QObject(parent)
{
}

// ---- texts -----------------------------------------------------------------

QString UserInfo::error() const
{
    static const struct {
        const char* raw;
        const char* message;
    } table[] = {
        { "DisableRegistration", QT_TR_NOOP("服务端暂时关闭了注册通道") },
        { "HasError", QT_TR_NOOP("出错") },
        { "captcha_incorrect", QT_TR_NOOP("验证码不正确") },
        { "password_not_match", QT_TR_NOOP("密码不匹配") },
        { "username_been_taken", QT_TR_NOOP("用户名已被占用") },
        { "email_been_used", QT_TR_NOOP("邮箱地址已被使用") },
        { "name_reserved", QT_TR_NOOP("此用户名是被保留的") },
        { "name_pattern_not_allowed", QT_TR_NOOP("用户名格式不正确") },
        { "ACTIVATE", QT_TR_NOOP("等待验证邮箱") },
        { "Host requires authentication", QT_TR_NOOP("用户名或密码错误") },
        { "Your profile has been updated successfully.", QT_TR_NOOP("Your profile has been updated successfully.") },
        { "Your avatar setting has been updated successfully.", QT_TR_NOOP("Your avatar setting has been updated successfully.") },
        { "Email address is not a valid email address.", QT_TR_NOOP("Email address is not a valid email address.") },
        { "Network access is disabled.", QT_TR_NOOP("网络访问被禁用。") },
    };
    for (const auto& row : table) {
        if (m_error == QLatin1String(row.raw))
            return tr(row.message);
    }
    const QString notPicture = QStringLiteral("上传的文件不是一张图片");
    if (m_error.startsWith(notPicture))
        return tr("上传的文件不是一张图片");
    return t::r(m_error);
}

void UserInfo::setError(const QString& error)
{
    if (error == m_error)
        return;
    logWarning(lcAccount) << "error:" << error;
    if (!error.isEmpty())
        setTips(QString());
    m_error = error;
    emit errorChanged(error);
}

void UserInfo::setTips(const QString& tips)
{
    if (tips == m_tips)
        return;
    if (!tips.isEmpty())
        setError(QString());
    m_tips = tips;
    emit tipsChanged(tips);
}

QString UserInfo::Authorization(const QString& user, const QString& password)
{
    return QStringLiteral("Basic ") + QString::fromLatin1((user + QLatin1Char(':') + password).toUtf8().toBase64());
}

UserSetting* UserInfo::getUserSetting()
{
    if (!m_userSetting)
        m_userSetting = new UserSetting();
    return m_userSetting;
}

// ---- sign-in and sign-out --------------------------------------------------

void UserInfo::login(bool forceUpdateAvatar, bool forceShowLoginWidget)
{
    if (forceShowLoginWidget)
        return;
    UserDatas* d = account();
    login(d->login(), d->password(), forceUpdateAvatar);
}

void UserInfo::login(const QString& username, const QString& password, bool forceUpdateAvatar)
{
    if (username.isEmpty()) {
        setError(tr("请输入用户名"));
        return;
    }
    if (password.isEmpty()) {
        setError(tr("请输入密码"));
        return;
    }
    if (m_logining)
        return;
    m_logining = true;

    QUrl url(network::accountUrl(QStringLiteral("/api/v1/users/login")));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("system"), osInfo::osName());
    query.addQueryItem(QStringLiteral("version"), global::instance()->version());
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Authorization", network::basicAuthorization(username, password));
    // A server that never answers would otherwise block every later sign-in.
    request.setTransferTimeout(network::syncTimeout());
    QByteArray body = QByteArrayLiteral("name=") + username.toUtf8();

    NetworkReply* reply = network::post(request, body);
    const quint64 sent = ++m_loginRequests;
    // A sign-out while the answer is on its way leaves nobody signed in.
    reply->whenFinished(this, [this, sent, username, password](const NetworkData& data) {
        if (sent == m_loginRequests)
            onLoginFinished(data, username, password);
    });
    m_forceUpdateAvatar = forceUpdateAvatar;
    setTips(tr("正在登录..."));
}

void UserInfo::onLoginFinished(const NetworkData& data, const QString& username, const QString& password)
{
    UserDatas* d = account();
    if (data.statusCode != 200) {
        d->setError_code(data.statusCode);
        d->setLogined(false);
        logWarning(lcAccount) << "login error:" << data.errorString;
        // A refused password is never kept, so no later start sends it.
        if (data.kind == NetworkData::Kind::Answer && data.statusCode == 401)
            d->dropRefused(username, password);
        setError(data.errorString);
        m_logining = false;
        loginFailed();
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data.data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        d->setError_code(parseError.error);
        setError(parseError.errorString());
        d->setLogined(false);
        m_logining = false;
        loginFailed();
        return;
    }
    if (!doc.isObject()) {
        m_logining = false;
        loginFailed();
        return;
    }
    readAccount(d, doc.object(), QStringLiteral("nickname"));
    // Only now, having signed in, are the name and password kept.
    d->keepSignedIn(d->login(), password);
    d->setLogined(true);
    message::show(Message::Note, tr("登录成功"), nullptr, 5000);
    setTips(tr("登录成功"));
    m_logining = false;
    d->updatePoints();
    emit loginFinished(true, QString());
    loadAvatar(d, m_forceUpdateAvatar);
}

void UserInfo::loginFailed()
{
    // Shown here rather than by the sign-in page, so that a failed automatic
    // sign-in at start-up, with no page open, is reported too.
    const QString text = error();
    if (!text.isEmpty())
        message::show(Message::Error, text, nullptr, 5000);
    emit loginFinished(false, text);
}

void UserInfo::loadAvatar(UserDatas* account, bool force)
{
    if (!account || account->avatar_url().isEmpty())
        return;
    const QString path = network::getImage(account->avatar_url(), force);
    account->setAvatar_file(path.isEmpty() ? QString() : QUrl::fromLocalFile(path).toString());
}

void UserInfo::reLogin()
{
    account()->setLogined(false);
    login(false, false);
}

void UserInfo::logout()
{
    // The "signed in" line goes with the session, so that no sheet tells
    // whoever comes next that someone is signed in.
    setTips(QString());
    setError(QString());
    endSession();
}

void UserInfo::credentialsRefused(const QString& login, const QString& password)
{
    UserDatas* d = account();
    // A refusal of credentials the writer has since replaced says nothing
    // about the session now.
    if (!d->logined() || d->login() != login || d->password() != password)
        return;
    logWarning(lcAccount) << "the account server refused the session's password; signing out";
    setTips(QString());
    endSession();
    setError(tr("密码已失效（可能已在别处修改），已退出登录，请重新登录"));
    message::show(Message::Error, error(), nullptr, 5000);
}

void UserInfo::endSession()
{
    ++m_loginRequests;
    m_logining = false;
    account()->setLogined(false);
    // The password is forgotten, so that neither the sheet, nor the next
    // start, signs anybody in as this writer.
    account()->forgetPassword();
    emit global::instance()->signalObject()->logoutFinish();
}

// ---- registration ----------------------------------------------------------

void UserInfo::reg()
{
    UserDatas* d = account();
    reg(d->login(), d->email(), d->password(), d->reType(), d->captchaId(), d->captchaText());
}

void UserInfo::reg(const QString& user_name, const QString& email, const QString& password,
                   const QString& retype, const QString& captcha_id, const QString& captcha)
{
    QNetworkRequest request = formRequest(QStringLiteral("/api/v1/users/sign_up"));
    if (!network::isReachable(request.url())) {
        // No account server: answer from the event loop like a failed request.
        QByteArray nothing;
        NetworkReply* refused = network::post(request, nothing);
        refused->whenFinished(this, [this](const NetworkData& data) {
            setError(data.errorString);
            emit regFinished(false, error());
        });
        return;
    }
    const QByteArray body = QByteArrayLiteral("user_name=") + user_name.toUtf8()
        + QByteArrayLiteral("&email=") + email.toUtf8()
        + QByteArrayLiteral("&password=") + password.toUtf8()
        + QByteArrayLiteral("&retype=") + retype.toUtf8()
        + QByteArrayLiteral("&captcha_id=") + captcha_id.toUtf8()
        + QByteArrayLiteral("&captcha=") + captcha.toUtf8();
    QNetworkReply* reply = global::instance()->NetworkAccessManager()->post(request, body);
    connect(reply, &QNetworkReply::finished, this, [this, reply]() {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            setError(reply->errorString());
            emit regFinished(false, error());
            return;
        }
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll(), &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            setError(parseError.errorString());
            emit regFinished(false, error());
            return;
        }
        if (!doc.isObject()) {
            setError(tr("未知错误"));
            emit regFinished(false, error());
            return;
        }
        const QJsonObject o = doc.object();
        if (o.value(QStringLiteral("ok")).toBool(false)) {
            setError(QString());
            emit regFinished(true, error());
        } else {
            setError(o.value(QStringLiteral("err")).toString());
            emit regFinished(false, error());
        }
    });
}

// ---- profile, password and avatar -------------------------------------------

QNetworkReply* UserInfo::sendAndWait(QNetworkRequest request, const QByteArray& verb, const QString& password,
                                     const QByteArray& body, QHttpMultiPart* multiPart,
                                     const QString& timeoutText)
{
    if (!network::isReachable(request.url())) {
        setError(network::notConfiguredText());
        return nullptr;
    }
    request.setRawHeader("Authorization", network::basicAuthorization(account()->login(), password));
    QNetworkAccessManager* manager = global::instance()->NetworkAccessManager();
    QNetworkReply* reply = nullptr;
    if (verb == "GET")
        reply = manager->get(request);
    else if (multiPart) {
        reply = manager->post(request, multiPart);
        multiPart->setParent(reply); // lives as long as the upload
    }
    else
        reply = manager->post(request, body);
    if (!network::waitFor(reply)) {
        reply->abort();
        reply->deleteLater();
        setError(timeoutText);
        return nullptr;
    }
    return reply;
}

bool UserInfo::changeRequest(const QString& path, const QString& password, const QByteArray& body,
                             QHttpMultiPart* multiPart, const QString& timeoutText)
{
    if (!account()->logined()) {
        setError(tr("Please login first!"));
        delete multiPart;
        return false;
    }
    QNetworkRequest request(QUrl(network::accountUrl(path)));
    if (!multiPart)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = sendAndWait(request, "POST", password, body, multiPart, timeoutText);
    if (multiPart && !multiPart->parent())
        delete multiPart; // never sent
    if (!reply)
        return false;
    const QByteArray answer = reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QString failure = reply->errorString();
    reply->deleteLater();

    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(answer, &parseError);
    if (failed) {
        setError(failure);
        return false;
    }
    if (parseError.error != QJsonParseError::NoError) {
        setError(parseError.errorString());
        return false;
    }
    if (!doc.isObject()) {
        setError(tr("未知错误"));
        return false;
    }
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("ok")).toBool(false)) {
        setError(o.value(QStringLiteral("data")).toString());
        return true;
    }
    setError(o.value(QStringLiteral("err")).toString());
    return false;
}

bool UserInfo::changePassword(const QString& old_password, const QString& password, const QString& retype)
{
    const QByteArray body = QByteArrayLiteral("old_password=") + old_password.toUtf8()
        + QByteArrayLiteral("&password=") + password.toUtf8()
        + QByteArrayLiteral("&retype=") + retype.toUtf8();
    if (!changeRequest(QStringLiteral("/api/v1/user/settings/password"), old_password, body, nullptr, tr("超时")))
        return false;
    // The new password is the one that signs in from now on: the session's
    // requests use it, and it is kept in place of the old one.
    account()->keepSignedIn(account()->login(), password);
    return true;
}

bool UserInfo::pushUserSetting(const QString& email, const QString& nickname, const QString& website)
{
    UserDatas* d = account();
    const QByteArray body = QByteArrayLiteral("name=") + d->login().toUtf8()
        + QByteArrayLiteral("&email=") + email.toUtf8()
        + QByteArrayLiteral("&full_name=") + nickname.toUtf8()
        + QByteArrayLiteral("&website=") + website.toUtf8();
    return changeRequest(QStringLiteral("/api/v1/user/settings"), d->password(), body, nullptr, tr("超时"));
}

bool UserInfo::updateAvatar(const QByteArray& icon)
{
    UserDatas* d = account();
    auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart gravatar;
    gravatar.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"gravatar\""));
    gravatar.setBody(d->email().toLocal8Bit());
    QHttpPart source;
    source.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"source\""));
    source.setBody(QByteArrayLiteral("local"));
    QHttpPart avatar;
    avatar.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("image/png"));
    avatar.setHeader(QNetworkRequest::ContentDispositionHeader,
                     QStringLiteral("form-data; name=\"avatar\";filename=\"file.png\""));
    avatar.setBody(icon);
    multiPart->append(gravatar);
    multiPart->append(source);
    multiPart->append(avatar);
    return changeRequest(QStringLiteral("/api/v1/user/settings/avatar"), d->password(), QByteArray(), multiPart,
                         tr("上传超时"));
}

bool UserInfo::updateAvatar(const QUrl& url)
{
    logDebug(lcAccount) << "avatar" << url.toString();
    QFile file(url.isLocalFile() ? url.toLocalFile() : url.toString());
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            return false;
        // A missing file is sent empty; the server's answer says why it fails.
        return updateAvatar(QByteArray());
    }
    return updateAvatar(file.readAll());
}

void UserInfo::rePassword()
{
    const QUrl page(network::accountUrl(QStringLiteral("/user/forget_password")));
    if (network::isReachable(page))
        QDesktopServices::openUrl(page);
    else
        setError(network::notConfiguredText());
}

// ---- repository (kept for the server's API; nothing calls these) -----------

void UserInfo::createRepo()
{
    UserDatas* d = account();
    QNetworkRequest request(QUrl(network::accountUrl(QStringLiteral("/api/v1/user/repos"))));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QJsonObject repo;
    repo.insert(QStringLiteral("name"), QStringLiteral("index"));
    repo.insert(QStringLiteral("description"), QStringLiteral("Default book path, create by app"));
    repo.insert(QStringLiteral("private"), true);
    QNetworkReply* reply = sendAndWait(request, "POST", d->password(), QJsonDocument(repo).toJson(QJsonDocument::Compact),
                                       nullptr, tr("超时"));
    if (!reply) {
        d->setError_code(408);
        d->setLogined(false);
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll(), &parseError);
    reply->deleteLater();
    if (parseError.error != QJsonParseError::NoError) {
        d->setError_code(parseError.error);
        d->setLogined(false);
        return;
    }
    if (doc.isObject())
        readAccount(d, doc.object(), QStringLiteral("full_name"));
}

bool UserInfo::isHasRepo()
{
    UserDatas* d = account();
    QNetworkRequest request(QUrl(network::accountUrl(QStringLiteral("/api/v1/user/repos"))));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply* reply = sendAndWait(request, "GET", d->password(), QByteArray(), nullptr, tr("超时"));
    if (!reply) {
        d->setError_code(408);
        d->setLogined(false);
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll());
    reply->deleteLater();
    for (const QJsonValue& v : doc.array()) {
        if (v.toObject().value(QStringLiteral("name")).toString() == QLatin1String("index"))
            return true;
    }
    return false;
}
