#include "accountapi.h"

#include "accountrules.h"
#include "avatarstore.h"
#include "captchastore.h"
#include "credentialstore.h"
#include "httpserver.h"
#include "jsonreply.h"
#include "postpolicy.h"
#include "rawform.h"
#include "requestbody.h"
#include "requestsignature.h"
#include "serveroptions.h"
#include "signinthrottle.h"
#include "storageapi.h"

#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

#include <httplib.h>


const QByteArray AccountApi::policyFolder = "ranking/";

namespace {
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), int(s.size())); }

const qint64 maxPointsChange = 100000;
} // namespace

AccountApi::AccountApi(const ServerOptions& options, const Parts& parts)
    : m_options(options)
    , m_parts(parts)
    , m_tokenLifetime(options.tokenLifetime)
    , m_registration(options.registration)
{
}

QString AccountApi::avatarUrl(const RequestContext& context, const Account& account)
{
    return account.avatar.isEmpty() ? QString() : context.publicBase + QStringLiteral("/avatars/") + account.avatar;
}

void AccountApi::unavailable(httplib::Response& response, RequestContext& context)
{
    context.note = QStringLiteral("database failed");
    JsonReply::error(response, 503, QStringLiteral("服务器暂时无法处理，请稍后再试"));
    response.set_header("Retry-After", "5");
}

Account AccountApi::authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                                 QString* passwordOut)
{
    const auto refuse = [&](const QString& note) {
        // No "error" text: the client shows its own message for a 401.
        JsonReply::send(response, 401, QJsonObject { { QStringLiteral("ok"), false },
                                                     { QStringLiteral("message"), QStringLiteral("wrong user name or password") } });
        context.note = note;
        return Account();
    };
    const QByteArray header = HttpServer::header(request, "Authorization");
    if (!header.startsWith("Basic "))
        return refuse(QStringLiteral("unauthorised"));
    const QByteArray::FromBase64Result decoded
        = QByteArray::fromBase64Encoding(header.mid(6).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    const int colon = decoded.decoded.indexOf(':');
    QString name;
    QString password;
    if (!decoded || colon <= 0 || !AccountRules::credentialText(decoded.decoded.left(colon), &name)
        || !AccountRules::credentialText(decoded.decoded.mid(colon + 1), &password))
        return refuse(QStringLiteral("malformed credentials"));
    // Repeated failures are answered at once with the time to wait, so
    // that no worker waits for them. They count per account, whether its
    // name or its e-mail address was given.
    Account named;
    const QString counted = m_parts.accounts->find(name, &named) == AccountStore::Lookup::Found
        ? QStringLiteral("#%1").arg(named.id)
        : name;
    const qint64 wait = m_parts.throttle->waitFor(counted, context.remote);
    if (wait > 0) {
        JsonReply::error(response, 429, QStringLiteral("登录失败次数过多，请稍后再试"));
        response.set_header("Retry-After", QByteArray::number((wait + 999) / 1000).constData());
        context.note = QStringLiteral("slowed down %1 ms").arg(wait);
        return Account();
    }
    Account account;
    switch (m_parts.accounts->authenticate(name, password, &account)) {
    case AccountStore::Lookup::Found:
        m_parts.throttle->succeeded(counted, context.remote);
        break;
    case AccountStore::Lookup::Absent:
        m_parts.throttle->failed(counted, context.remote);
        return refuse(QStringLiteral("unauthorised"));
    case AccountStore::Lookup::Failed:
        unavailable(response, context);
        return Account();
    }
    context.account = account.name;
    if (passwordOut)
        *passwordOut = password;
    return account;
}

void AccountApi::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const QByteArray& path = context.path;
    const bool get = request.method == "GET";
    const bool post = request.method == "POST";
    if (path == "/api/v1/users/sign_up" && get) {
        captcha(response, context);
        return;
    }
    if (path == "/api/v1/users/sign_up" && post) {
        signUp(request, response, context);
        return;
    }
    enum class Call { None, SignIn, Password, Profile, Avatar, Points, AddPoints, Sts, Policy };
    Call call = Call::None;
    if (post && path == "/api/v1/users/login")
        call = Call::SignIn;
    else if (post && path == "/api/v1/user/settings/password")
        call = Call::Password;
    else if (post && path == "/api/v1/user/settings")
        call = Call::Profile;
    else if (post && path == "/api/v1/user/settings/avatar")
        call = Call::Avatar;
    else if (get && path == "/api/v2/points")
        call = Call::Points;
    else if (get && path == "/api/v2/points/add")
        call = Call::AddPoints;
    else if (get && path == "/api/v2/ranking/ststoken")
        call = Call::Sts;
    else if (get && path == "/api/v2/ranking/osstoken")
        call = Call::Policy;
    if (call == Call::None) {
        JsonReply::error(response, 404, QStringLiteral("not found"));
        return;
    }
    QString password;
    const Account account = authenticate(request, response, context, &password);
    if (!account.isValid())
        return;
    switch (call) {
    case Call::SignIn: signIn(response, context, account); break;
    case Call::Password: changePassword(request, response, context, account, password); break;
    case Call::Profile: changeProfile(request, response, context, account); break;
    case Call::Avatar: changeAvatar(request, response, context, account); break;
    case Call::Points: points(response, context, account, false); break;
    case Call::AddPoints: points(response, context, account, true); break;
    case Call::Sts: stsToken(response, context, account); break;
    case Call::Policy: policyToken(response, context, account); break;
    case Call::None: break;
    }
}

void AccountApi::signIn(httplib::Response& response, RequestContext& context, const Account& account)
{
    // The account record itself, without an envelope.
    JsonReply::send(response, 200, QJsonObject {
                                       { QStringLiteral("id"), double(account.id) },
                                       { QStringLiteral("login"), account.name },
                                       { QStringLiteral("email"), account.email },
                                       { QStringLiteral("nickname"), account.nickname },
                                       { QStringLiteral("full_name"), account.nickname },
                                       { QStringLiteral("avatar_url"), avatarUrl(context, account) },
                                   });
}

void AccountApi::captcha(httplib::Response& response, RequestContext& context)
{
    QString id;
    QString answer;
    if (!m_parts.captchas->create(&id, &answer)) {
        unavailable(response, context);
        return;
    }
    context.note = QStringLiteral("captcha ") + id;
    JsonReply::data(response, QJsonObject { { QStringLiteral("captcha_id"), id },
                                            { QStringLiteral("captcha_url"), QStringLiteral("captcha/%1.png").arg(id) } });
}

void AccountApi::signUp(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    if (!m_registration) {
        JsonReply::err(response, QStringLiteral("DisableRegistration"));
        return;
    }
    RawForm::SignUp form;
    QString name;
    QString email;
    QString password;
    if (!RawForm::signUp(bytes(request.body), &form) || !AccountRules::credentialText(form.userName, &name)
        || !AccountRules::credentialText(form.email, &email) || !AccountRules::credentialText(form.password, &password)) {
        JsonReply::err(response, QStringLiteral("HasError"));
        return;
    }
    context.account = name;
    QString problem;
    switch (m_parts.captchas->consume(QString::fromUtf8(form.captchaId), QString::fromUtf8(form.captcha))) {
    case CaptchaStore::Check::Right: break;
    case CaptchaStore::Check::Wrong: problem = QStringLiteral("captcha_incorrect"); break;
    case CaptchaStore::Check::Failed:
        unavailable(response, context);
        return;
    }
    if (!problem.isEmpty())
        ;
    else if (!(problem = AccountRules::nameProblem(name)).isEmpty())
        ;
    else if (form.password != form.retype)
        problem = QStringLiteral("password_not_match");
    else if (!(problem = AccountRules::passwordProblem(password)).isEmpty())
        ;
    else if (!AccountRules::validEmail(email))
        problem = QStringLiteral("Email address is not a valid email address.");
    if (problem.isEmpty()) {
        Account created;
        switch (m_parts.accounts->create(name, email, password, name, 0, &created)) {
        case AccountStore::Outcome::Done:
            context.note = QStringLiteral("account created");
            JsonReply::data(response, QJsonObject { { QStringLiteral("id"), double(created.id) },
                                                    { QStringLiteral("login"), created.name } });
            return;
        case AccountStore::Outcome::NameTaken: problem = QStringLiteral("username_been_taken"); break;
        case AccountStore::Outcome::EmailTaken: problem = QStringLiteral("email_been_used"); break;
        default:
            unavailable(response, context);
            return;
        }
    }
    context.note = problem;
    JsonReply::err(response, problem);
}

void AccountApi::changePassword(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                                const Account& account, const QString& password)
{
    RawForm::PasswordChange form;
    QString newPassword;
    if (!RawForm::passwordChange(bytes(request.body), password.toUtf8(), &form)
        || !AccountRules::credentialText(form.password, &newPassword)) {
        JsonReply::err(response, QStringLiteral("HasError"));
        return;
    }
    if (form.password != form.retype) {
        JsonReply::err(response, QStringLiteral("password_not_match"));
        return;
    }
    const QString problem = AccountRules::passwordProblem(newPassword);
    if (!problem.isEmpty()) {
        JsonReply::err(response, problem);
        return;
    }
    if (m_parts.accounts->setPassword(account.id, newPassword) != AccountStore::Outcome::Done) {
        unavailable(response, context);
        return;
    }
    JsonReply::data(response, QStringLiteral("Your password has been changed successfully."));
}

void AccountApi::changeProfile(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                               const Account& account)
{
    RawForm::Profile form;
    if (!RawForm::profile(bytes(request.body), &form)) {
        JsonReply::err(response, QStringLiteral("HasError"));
        return;
    }
    const QString email = QString::fromUtf8(form.email).trimmed();
    const QString nickname = QString::fromUtf8(form.fullName).trimmed();
    if (!AccountRules::validEmail(email)) {
        JsonReply::err(response, QStringLiteral("Email address is not a valid email address."));
        return;
    }
    if (nickname.size() > 60) {
        JsonReply::err(response, QStringLiteral("昵称太长"));
        return;
    }
    switch (m_parts.accounts->setProfile(account.id, email, nickname)) {
    case AccountStore::Outcome::Done:
        JsonReply::data(response, QStringLiteral("Your profile has been updated successfully."));
        return;
    case AccountStore::Outcome::EmailTaken:
        JsonReply::err(response, QStringLiteral("email_been_used"));
        return;
    default:
        unavailable(response, context);
    }
}

void AccountApi::changeAvatar(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                              const Account& account)
{
    // Read only now that the sender is known, and only the picture's part
    // is kept (the body's limit bounds it).
    QByteArray upload;
    bool picture = false;
    bool received = false;
    if (context.body && request.is_multipart_form_data())
        received = context.body->readForm(
            [&](const httplib::MultipartFormData& part) {
                picture = part.name == "avatar" && upload.isEmpty();
                return true;
            },
            [&](const char* data, size_t length) {
                if (picture)
                    upload.append(data, int(length));
                return true;
            });
    else if (context.body)
        received = context.body->read([](const char*, size_t) { return true; });
    if (!received && context.body && context.body->tooLarge()) {
        HttpServer::reply(response, 413, "{\"ok\":false,\"error\":\"the body is too large\"}", "application/json");
        return;
    }
    if (!received) {
        context.note = QStringLiteral("body did not arrive");
        JsonReply::error(response, 400, QStringLiteral("the body did not arrive"));
        return;
    }
    QString problem;
    const QString name = m_parts.avatars->save(upload, &problem);
    if (name.isEmpty()) {
        context.note = problem;
        JsonReply::err(response, QStringLiteral("上传的文件不是一张图片: ") + problem);
        return;
    }
    if (m_parts.accounts->setAvatar(account.id, name) != AccountStore::Outcome::Done) {
        unavailable(response, context);
        return;
    }
    JsonReply::data(response, QStringLiteral("Your avatar setting has been updated successfully."));
}

void AccountApi::points(httplib::Response& response, RequestContext& context, const Account& account, bool change)
{
    const QUrlQuery query(QString::fromUtf8(context.query));
    const auto item = [&query](const char* name) { return query.queryItemValue(QLatin1String(name), QUrl::FullyDecoded); };
    // Points are asked for by name; an account answers only for itself.
    if (AccountStore::key(item("user_name")) != AccountStore::key(account.name)) {
        JsonReply::error(response, 403, QStringLiteral("user_name is not the signed-in account"));
        return;
    }
    qint64 balance = account.points;
    if (change) {
        bool ok = false;
        const qint64 amount = item("points").toLongLong(&ok);
        const QString type = item("type");
        if (!ok || amount < 0 || amount > maxPointsChange || (type != QLatin1String("0") && type != QLatin1String("1"))) {
            JsonReply::error(response, 200, QStringLiteral("bad points or type"));
            return;
        }
        const qint64 delta = type == QLatin1String("0") ? amount : -amount;
        switch (m_parts.accounts->changePoints(account.id, delta, item("explain"), item("platform"), item("version"), &balance)) {
        case AccountStore::Outcome::Done: break;
        case AccountStore::Outcome::NotEnoughPoints:
            JsonReply::error(response, 200, QStringLiteral("not enough points"));
            return;
        default:
            unavailable(response, context);
            return;
        }
        context.note = QStringLiteral("points %1%2 = %3").arg(delta >= 0 ? QStringLiteral("+") : QString()).arg(delta).arg(balance);
    }
    JsonReply::data(response, QJsonObject { { QStringLiteral("points"), double(balance) } });
}

void AccountApi::stsToken(httplib::Response& response, RequestContext& context, const Account& account)
{
    const StorageCredential c = m_parts.credentials->issue("sts", account, m_tokenLifetime);
    if (!c.isValid()) {
        unavailable(response, context);
        return;
    }
    const QString host = context.publicBase + QLatin1Char('/') + QString::fromLatin1(StorageApi::bucket);
    JsonReply::data(response, QJsonObject {
                                  { QStringLiteral("accesskeyid"), QString::fromLatin1(c.accessId) },
                                  { QStringLiteral("accesskeysecret"), QString::fromLatin1(c.secret) },
                                  { QStringLiteral("securitytoken"), QString::fromLatin1(c.securityToken) },
                                  { QStringLiteral("endpoint"), QUrl(host).authority() },
                                  { QStringLiteral("host"), host },
                                  { QStringLiteral("bucket"), QString::fromLatin1(StorageApi::bucket) },
                                  { QStringLiteral("expire"), double(c.expires) },
                              });
}

void AccountApi::policyToken(httplib::Response& response, RequestContext& context, const Account& account)
{
    const StorageCredential c = m_parts.credentials->issue("policy", account, m_tokenLifetime);
    if (!c.isValid()) {
        unavailable(response, context);
        return;
    }
    const QByteArray policy = PostPolicy::make(policyFolder, c.expires, m_options.maxObjectSize);
    JsonReply::data(response, QJsonObject {
                                  { QStringLiteral("accessid"), QString::fromLatin1(c.accessId) },
                                  { QStringLiteral("policy"), QString::fromLatin1(policy) },
                                  { QStringLiteral("signature"), QString::fromLatin1(RequestSignature::sign(c.secret, policy)) },
                                  { QStringLiteral("host"), context.publicBase + QLatin1Char('/') + QString::fromLatin1(StorageApi::bucket) },
                                  { QStringLiteral("dir"), QString::fromLatin1(policyFolder) },
                                  { QStringLiteral("expire"), double(c.expires) },
                              });
}
