#ifndef ACCOUNTPAGES_H
#define ACCOUNTPAGES_H

#include "requestcontext.h"

class AvatarStore;
class CaptchaStore;

// The account server's pages outside the API: captcha pictures
// ("/captcha/<id>.png"), avatar pictures ("/avatars/<name>.png") and the
// forgotten-password page ("/user/forget_password").
class AccountPages
{
public:
    AccountPages(const CaptchaStore& captchas, const AvatarStore& avatars);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);

private:
    const CaptchaStore& m_captchas;
    const AvatarStore& m_avatars;
};

#endif
