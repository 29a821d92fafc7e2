#ifndef RAWFORM_H
#define RAWFORM_H

#include <QByteArray>

// The form bodies of the account requests. The client writes the fields in
// a fixed order with their values as they were typed: not percent-encoded,
// so a password may hold "&" and "=". Each body is therefore read along
// its known order: names and e-mail addresses (which cannot hold the field
// separators) from the front, server-made captcha fields from the back,
// and a password and its repetition as the split that makes them equal
// (when none does, they differ whatever the split).
class RawForm
{
public:
    struct SignUp
    {
        QByteArray userName, email, password, retype, captchaId, captcha;
    };
    struct PasswordChange
    {
        QByteArray oldPassword, password, retype;
    };
    struct Profile
    {
        QByteArray name, email, fullName, website;
    };

    // "user_name=..&email=..&password=..&retype=..&captcha_id=..&captcha=.."
    static bool signUp(const QByteArray& body, SignUp* form);
    // "old_password=..&password=..&retype=..", the old password being the
    // one the request was signed with.
    static bool passwordChange(const QByteArray& body, const QByteArray& signedPassword, PasswordChange* form);
    // "name=..&email=..&full_name=..&website=.."
    static bool profile(const QByteArray& body, Profile* form);

private:
    // Splits "a<separator>b" so that a equals b when some split does; else
    // at the first separator.
    static bool splitPair(const QByteArray& text, const QByteArray& separator, QByteArray* a, QByteArray* b);
};

#endif
