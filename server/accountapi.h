#ifndef ACCOUNTAPI_H
#define ACCOUNTAPI_H

#include "accountstore.h"
#include "requestcontext.h"

#include <atomic>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

class CredentialStore;
class SignInThrottle;
struct ServerOptions;

// The account server's API under "/api": requests signed with the Basic
// authorization of an account name (or e-mail address) and password.
class AccountApi
{
public:
    AccountApi(const ServerOptions& options, AccountStore& accounts, CredentialStore& credentials,
               SignInThrottle& throttle);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);

    // Test control: credentials of this lifetime from now on (seconds; a
    // negative one hands out credentials that have already expired).
    void setTokenLifetime(qint64 seconds) { m_tokenLifetime = seconds; }

    static const QByteArray policyFolder;

private:
    // The account of a right Basic authorization; otherwise answers 401.
    Account authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    void stsToken(httplib::Response& response, RequestContext& context, const Account& account);
    void policyToken(httplib::Response& response, RequestContext& context, const Account& account);

    const ServerOptions& m_options;
    AccountStore& m_accounts;
    CredentialStore& m_credentials;
    SignInThrottle& m_throttle;
    std::atomic<qint64> m_tokenLifetime;
};

#endif
