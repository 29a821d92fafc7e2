#include "rawform.h"

bool RawForm::splitPair(const QByteArray& text, const QByteArray& separator, QByteArray* a, QByteArray* b)
{
    const int first = text.indexOf(separator);
    if (first < 0)
        return false;
    for (int at = first; at >= 0; at = text.indexOf(separator, at + 1)) {
        if (text.left(at) == text.mid(at + separator.size())) {
            *a = text.left(at);
            *b = text.mid(at + separator.size());
            return true;
        }
    }
    *a = text.left(first);
    *b = text.mid(first + separator.size());
    return true;
}

bool RawForm::signUp(const QByteArray& body, SignUp* form)
{
    static const QByteArray start = "user_name=";
    if (!body.startsWith(start))
        return false;
    const int email = body.indexOf("&email=");
    const int password = email < 0 ? -1 : body.indexOf("&password=", email);
    const int captcha = body.lastIndexOf("&captcha=");
    const int captchaId = captcha < 0 ? -1 : body.lastIndexOf("&captcha_id=", captcha);
    if (email < 0 || password < 0 || captchaId < 0 || captchaId < password)
        return false;
    form->userName = body.mid(start.size(), email - start.size());
    form->email = body.mid(email + 7, password - email - 7);
    form->captchaId = body.mid(captchaId + 12, captcha - captchaId - 12);
    form->captcha = body.mid(captcha + 9);
    return splitPair(body.mid(password + 10, captchaId - password - 10), "&retype=", &form->password, &form->retype);
}

bool RawForm::passwordChange(const QByteArray& body, const QByteArray& signedPassword, PasswordChange* form)
{
    static const QByteArray start = "old_password=";
    if (!body.startsWith(start))
        return false;
    // The old password is known from the signature, so its end is too.
    int password = -1;
    if (body.mid(start.size()).startsWith(signedPassword + "&password="))
        password = start.size() + signedPassword.size();
    else
        password = body.indexOf("&password=");
    if (password < 0)
        return false;
    form->oldPassword = body.mid(start.size(), password - start.size());
    return splitPair(body.mid(password + 10), "&retype=", &form->password, &form->retype);
}

bool RawForm::profile(const QByteArray& body, Profile* form)
{
    static const QByteArray start = "name=";
    if (!body.startsWith(start))
        return false;
    const int email = body.indexOf("&email=");
    const int fullName = email < 0 ? -1 : body.indexOf("&full_name=", email);
    const int website = body.lastIndexOf("&website=");
    if (email < 0 || fullName < 0 || website < fullName)
        return false;
    form->name = body.mid(start.size(), email - start.size());
    form->email = body.mid(email + 7, fullName - email - 7);
    form->fullName = body.mid(fullName + 11, website - fullName - 11);
    form->website = body.mid(website + 9);
    return true;
}
