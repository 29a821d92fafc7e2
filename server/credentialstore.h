#ifndef CREDENTIALSTORE_H
#define CREDENTIALSTORE_H

#include <QByteArray>
#include <QString>

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
// database only, so they survive a restart, and a revocation there (a
// password change, also by another process on the same database) ends
// them for the very next request. A credential is only issued while the
// account's password is the one it was asked for with; changing the
// password revokes them (AccountStore).
class CredentialStore
{
public:
    explicit CredentialStore(const Database& database);

    // An invalid credential when it could not be stored.
    StorageCredential issue(const QByteArray& kind, const Account& account, qint64 lifetime);
    // An invalid credential when there is none; failed tells a database
    // failure apart.
    StorageCredential find(const QByteArray& accessId, bool* failed = nullptr);
    // Whether the credential is still in the database: not revoked since it
    // was found; failed tells a database failure apart.
    bool stillIssued(const QByteArray& accessId, bool* failed);

    // Random text of letters and digits from the system's secure source.
    static QByteArray randomText(int length);

private:
    const Database& m_database;
};

#endif
