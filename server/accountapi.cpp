#include "accountapi.h"

#include "credentialstore.h"
#include "httpserver.h"
#include "jsonreply.h"
#include "postpolicy.h"
#include "requestsignature.h"
#include "serveroptions.h"
#include "signinthrottle.h"
#include "storageapi.h"

#include <QJsonObject>
#include <QUrl>

#include <httplib.h>

#include <chrono>
#include <thread>

const QByteArray AccountApi::policyFolder = "ranking/";

AccountApi::AccountApi(const ServerOptions& options, AccountStore& accounts, CredentialStore& credentials,
                       SignInThrottle& throttle)
    : m_options(options)
    , m_accounts(accounts)
    , m_credentials(credentials)
    , m_throttle(throttle)
    , m_tokenLifetime(options.tokenLifetime)
{
}

Account AccountApi::authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const QByteArray header = HttpServer::header(request, "Authorization");
    QString name;
    QString password;
    if (header.startsWith("Basic ")) {
        const QByteArray pair = QByteArray::fromBase64(header.mid(6).trimmed());
        const int colon = pair.indexOf(':');
        if (colon > 0) {
            name = QString::fromUtf8(pair.left(colon));
            password = QString::fromUtf8(pair.mid(colon + 1));
        }
    }
    Account account;
    if (!name.isEmpty()) {
        const qint64 wait = m_throttle.delayFor(name, context.remote);
        if (wait > 0) {
            context.note = QStringLiteral("slowed %1 ms").arg(wait);
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        }
        account = m_accounts.authenticate(name, password);
        if (account.isValid())
            m_throttle.succeeded(name, context.remote);
        else
            m_throttle.failed(name, context.remote);
    }
    if (!account.isValid()) {
        // No "error" text: the client shows its own message for a 401.
        JsonReply::send(response, 401, QJsonObject { { QStringLiteral("ok"), false },
                                                     { QStringLiteral("message"), QStringLiteral("wrong user name or password") } });
        if (context.note.isEmpty())
            context.note = QStringLiteral("unauthorised");
        return Account();
    }
    context.account = account.name;
    return account;
}

void AccountApi::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    const QByteArray& path = context.path;
    if (request.method == "GET" && (path == "/api/v2/ranking/ststoken" || path == "/api/v2/ranking/osstoken")) {
        const Account account = authenticate(request, response, context);
        if (!account.isValid())
            return;
        if (path.endsWith("ststoken"))
            stsToken(response, context, account);
        else
            policyToken(response, context, account);
        return;
    }
    JsonReply::error(response, 404, QStringLiteral("not found"));
}

void AccountApi::stsToken(httplib::Response& response, RequestContext& context, const Account& account)
{
    const StorageCredential c = m_credentials.issue("sts", account, m_tokenLifetime);
    if (!c.isValid()) {
        JsonReply::error(response, 500, QStringLiteral("could not issue a credential"));
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
    const StorageCredential c = m_credentials.issue("policy", account, m_tokenLifetime);
    if (!c.isValid()) {
        JsonReply::error(response, 500, QStringLiteral("could not issue a credential"));
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
