#include "accountpages.h"

#include "avatarstore.h"
#include "captchapicture.h"
#include "captchastore.h"
#include "httpserver.h"

#include <httplib.h>

namespace {
const char* const forgottenPasswordPage = R"(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>找回密码</title></head>
<body style="font-family: sans-serif; max-width: 36em; margin: 3em auto;">
<h1>找回密码</h1>
<p>这台服务器不发送邮件。请联系服务器的管理员为您的账户设置新密码。</p>
<p>This server sends no mail. Please ask the server's administrator to set a new password for your account.</p>
<p style="color: #666;">管理员 / Administrator: <code>penlark-server --data … --set-password 用户名</code></p>
</body></html>
)";

void notFound(httplib::Response& response)
{
    HttpServer::reply(response, 404, "not found\n", "text/plain");
}
} // namespace

AccountPages::AccountPages(const CaptchaStore& captchas, const AvatarStore& avatars)
    : m_captchas(captchas)
    , m_avatars(avatars)
{
}

void AccountPages::handle(const httplib::Request& request, httplib::Response& response, RequestContext& context)
{
    if (request.method != "GET") {
        HttpServer::reply(response, 405, "method not allowed\n", "text/plain");
        return;
    }
    const QByteArray& path = context.path;
    if (path == "/user/forget_password") {
        HttpServer::reply(response, 200, forgottenPasswordPage, "text/html; charset=utf-8");
    } else if (path.startsWith("/captcha/") && path.endsWith(".png")) {
        const QString id = QString::fromUtf8(path.mid(9, path.size() - 13));
        const QString answer = m_captchas.answer(id);
        if (answer.isEmpty()) {
            notFound(response);
            return;
        }
        // The same captcha always shows the same picture.
        HttpServer::reply(response, 200, CaptchaPicture::png(answer, qHash(id)), "image/png");
        response.set_header("Cache-Control", "no-store");
    } else if (path.startsWith("/avatars/")) {
        const QByteArray picture = m_avatars.read(QString::fromUtf8(path.mid(9)));
        if (picture.isEmpty()) {
            notFound(response);
            return;
        }
        HttpServer::reply(response, 200, picture, "image/png");
    } else {
        notFound(response);
    }
}
