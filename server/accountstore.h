#ifndef ACCOUNTSTORE_H
#define ACCOUNTSTORE_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

#include <mutex>

class Database;

struct Account
{
    qint64 id = 0;
    QString name;
    QString email;
    QString nickname;
    QString avatar; // file name in the avatars folder, empty for none
    QString passwordRecord;
    qint64 points = 0;

    bool isValid() const { return id > 0; }
};

// Accounts and their points in the database. Names and e-mail addresses
// are unique without regard to case; an account is found by either. Every
// answer tells a database failure apart from an account that is not there.
class AccountStore
{
public:
    explicit AccountStore(const Database& database);

    enum class Outcome { Done, NameTaken, EmailTaken, NotEnoughPoints, Failed };
    enum class Lookup { Found, Absent, Failed };

    Outcome create(const QString& name, const QString& email, const QString& password, const QString& nickname,
                   qint64 points, Account* created = nullptr);
    Lookup find(const QString& nameOrEmail, Account* account) const;
    Lookup byId(qint64 id, Account* account) const;
    // Found with the account when the password is right, Absent when the
    // name or the password is wrong. An unknown name costs as much time as
    // a wrong password, so that names cannot be found by timing. A right
    // password is remembered for a while, so a client that signs every
    // request does not pay the full key derivation each time.
    Lookup authenticate(const QString& nameOrEmail, const QString& password, Account* account);

    // Also revokes the account's storage credentials, in the same
    // transaction.
    Outcome setPassword(qint64 id, const QString& password);
    Outcome setProfile(qint64 id, const QString& email, const QString& nickname);
    Outcome setAvatar(qint64 id, const QString& file);
    // Adds delta (negative to spend); the balance never goes below zero.
    Outcome changePoints(qint64 id, qint64 delta, const QString& explain, const QString& platform,
                         const QString& version, qint64* balance);

    static QString key(const QString& text) { return text.trimmed().toLower(); }

private:
    Lookup read(const QString& where, const QVariant& value, Account* account) const;
    QByteArray cacheTag(const Account& account, const QString& password) const;

    const Database& m_database;
    QByteArray m_cacheKey;
    const QString m_unknownAccountRecord; // checked against when the name is unknown
    std::mutex m_cacheMutex;
    QHash<qint64, QPair<QByteArray, qint64>> m_verified; // id -> tag, until
};

#endif
