#ifndef ACCOUNTAPI_H
#define ACCOUNTAPI_H

#include "accountstore.h"
#include "requestcontext.h"

#include <atomic>

class AvatarStore;
class CaptchaStore;
class CredentialStore;
class SignInThrottle;
struct ServerOptions;

// The account server's API under "/api": sign-in, captcha and sign-up,
// password, profile and avatar changes, points, and the storage
// credentials. Requests of an account carry the Basic authorization of its
// name (or e-mail address) and password; form bodies are read as the
// client writes them (RawForm).
class AccountApi
{
public:
    struct Parts
    {
        AccountStore* accounts = nullptr;
        CredentialStore* credentials = nullptr;
        CaptchaStore* captchas = nullptr;
        AvatarStore* avatars = nullptr;
        SignInThrottle* throttle = nullptr;
    };

    AccountApi(const ServerOptions& options, const Parts& parts);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);

    // Test control: credentials of this lifetime from now on (seconds; a
    // negative one hands out credentials that have already expired).
    void setTokenLifetime(qint64 seconds) { m_tokenLifetime = seconds; }
    void setRegistration(bool open) { m_registration = open; }

    // The address of an account's avatar picture, empty for none.
    static QString avatarUrl(const RequestContext& context, const Account& account);

    static const QByteArray policyFolder;

private:
    // Answers 503: the database failed, the client may try again.
    static void unavailable(httplib::Response& response, RequestContext& context);
    // The account of a right Basic authorization; otherwise answers 401,
    // 429 while the name is slowed down, or 503.
    Account authenticate(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                         QString* password = nullptr);
    void signIn(httplib::Response& response, RequestContext& context, const Account& account);
    void captcha(httplib::Response& response, RequestContext& context);
    void signUp(const httplib::Request& request, httplib::Response& response, RequestContext& context);
    void changePassword(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                        const Account& account, const QString& password);
    void changeProfile(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                       const Account& account);
    void changeAvatar(const httplib::Request& request, httplib::Response& response, RequestContext& context,
                      const Account& account);
    void points(httplib::Response& response, RequestContext& context, const Account& account, bool change);
    void stsToken(httplib::Response& response, RequestContext& context, const Account& account);
    void policyToken(httplib::Response& response, RequestContext& context, const Account& account);

    const ServerOptions& m_options;
    Parts m_parts;
    std::atomic<qint64> m_tokenLifetime;
    std::atomic<bool> m_registration;
};

#endif
