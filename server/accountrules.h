#ifndef ACCOUNTRULES_H
#define ACCOUNTRULES_H

#include <QByteArray>
#include <QString>

// What the server accepts as an account name, e-mail address and password.
// Names become parts of object keys ("data/<name>/..."), so they are kept
// to letters, digits, "-", "_" and ".", begin and end with a letter or
// digit and never hold two of "-_." in a row.
class AccountRules
{
public:
    // Empty when acceptable, else the client's identifier:
    // "name_pattern_not_allowed" or "name_reserved".
    static QString nameProblem(const QString& name);
    static bool validEmail(const QString& email);
    // Empty when acceptable, else the message.
    static QString passwordProblem(const QString& password);
    // A name or password as the client sent its bytes: false for bytes that
    // are not UTF-8 or hold a control character (a NUL would otherwise end
    // the text early, so that "secret\0junk" read as "secret").
    static bool credentialText(const QByteArray& bytes, QString* text);

    static const int maxNameLength = 40;
    static const int minPasswordLength = 6;
};

#endif
