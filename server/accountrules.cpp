#include "accountrules.h"

#include <QRegularExpression>
#include <QStringList>

QString AccountRules::nameProblem(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9]|[-_.](?=[A-Za-z0-9]))*$"));
    if (name.size() > maxNameLength || !pattern.match(name).hasMatch())
        return QStringLiteral("name_pattern_not_allowed");
    // Names that would read as the server's own paths or as its staff.
    static const QStringList reserved {
        QStringLiteral("admin"), QStringLiteral("administrator"), QStringLiteral("root"), QStringLiteral("system"),
        QStringLiteral("api"), QStringLiteral("avatars"), QStringLiteral("captcha"), QStringLiteral("update"),
        QStringLiteral("user"), QStringLiteral("users"), QStringLiteral("master"), QStringLiteral("lumoranking"),
        QStringLiteral("control"), QStringLiteral("penlark"),
    };
    if (reserved.contains(name.toLower()))
        return QStringLiteral("name_reserved");
    return QString();
}

bool AccountRules::validEmail(const QString& email)
{
    static const QRegularExpression pattern(QStringLiteral("^[^@\\s&]+@[^@\\s&]+\\.[^@\\s&.]+$"));
    return email.size() <= 254 && pattern.match(email).hasMatch();
}

QString AccountRules::passwordProblem(const QString& password)
{
    if (password.size() < minPasswordLength)
        return QStringLiteral("密码至少需要%1个字符").arg(minPasswordLength);
    if (password.size() > 256)
        return QStringLiteral("密码太长");
    return QString();
}

bool AccountRules::credentialText(const QByteArray& bytes, QString* text)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            return false;
    }
    *text = QString::fromUtf8(bytes);
    return text->toUtf8() == bytes;
}
