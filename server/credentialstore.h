#ifndef CREDENTIALSTORE_H
#define CREDENTIALSTORE_H

#include <QByteArray>
#include <QHash>
#include <QString>

#include <mutex>

class AccountStore;
class Database;
struct Account;

// A short-lived storage credential handed to one account: "sts" for
// header-signed requests (key id, secret, security token) or "policy" for
// form uploads (access id and the secret that signs the policy).
struct StorageCredential
{
    QByteArray accessId;
    QByteArray kind;
    qint64 accountId = 0;
    QString accountName;
    QByteArray secret;
    QByteArray securityToken;
    qint64 expires = 0; // seconds since the epoch

    bool isValid() const { return accountId > 0; }
};

// Issues credentials and finds them again by access id. They live in the
// database, so they survive a restart; found ones are kept in memory for
// cacheSeconds, since every storage request needs its credential. A
// credential is only issued while the account's password is the one it was
// asked for with; changing the password revokes them (AccountStore).
class CredentialStore
{
public:
    CredentialStore(const Database& database, const AccountStore& accounts);

    // An invalid credential when it could not be stored.
    StorageCredential issue(const QByteArray& kind, const Account& account, qint64 lifetime);
    // An invalid credential when there is none; failed tells a database
    // failure apart.
    StorageCredential find(const QByteArray& accessId, bool* failed = nullptr);
    // Whether the credential is still in the database: not revoked since it
    // was found (memory is not asked); failed tells a database failure apart.
    bool stillIssued(const QByteArray& accessId, bool* failed);
    // Forgets what is kept in memory (of one account).
    void forget();
    void forgetAccount(qint64 accountId);

    static const int cacheSeconds = 30;

    // Random text of letters and digits from the system's secure source.
    static QByteArray randomText(int length);

private:
    // Keeps a credential read from the database at generation, unless
    // something was forgotten since.
    void keep(const StorageCredential& credential, quint64 generation);

    const Database& m_database;
    const AccountStore& m_accounts;
    std::mutex m_mutex;
    QHash<QByteArray, QPair<StorageCredential, qint64>> m_cache; // access id -> credential, kept until
    quint64 m_generation = 0; // counts forget() and forgetAccount()
};

#endif
