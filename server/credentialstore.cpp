#include "credentialstore.h"

#include "accountstore.h"
#include "database.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

namespace {
qint64 now() { return QDateTime::currentSecsSinceEpoch(); }
const int maxCached = 100000;
} // namespace

CredentialStore::CredentialStore(const Database& database, const AccountStore& accounts)
    : m_database(database)
    , m_accounts(accounts)
{
}

QByteArray CredentialStore::randomText(int length)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray out(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        out[i] = alphabet[QRandomGenerator::system()->bounded(62)];
    return out;
}

StorageCredential CredentialStore::issue(const QByteArray& kind, const Account& account, qint64 lifetime)
{
    StorageCredential c;
    c.accessId = (kind == "sts" ? QByteArray("STS.") : QByteArray("LTAI")) + randomText(24);
    c.kind = kind;
    c.accountId = account.id;
    c.accountName = account.name;
    c.secret = randomText(40);
    c.securityToken = kind == "sts" ? QByteArray("CAIS") + randomText(96) : QByteArray();
    c.expires = now() + lifetime;

    QSqlQuery query(m_database.connection());
    // Expired credentials are of no further use.
    query.prepare(QStringLiteral("DELETE FROM credentials WHERE expires < :limit"));
    query.bindValue(QStringLiteral(":limit"), now() - 86400);
    Database::exec(query);
    query.prepare(QStringLiteral("INSERT INTO credentials (access_id, kind, account_id, secret, security_token, expires) "
                                 "VALUES (:id, :kind, :account, :secret, :token, :expires)"));
    query.bindValue(QStringLiteral(":id"), Database::text(QString::fromLatin1(c.accessId)));
    query.bindValue(QStringLiteral(":kind"), Database::text(QString::fromLatin1(c.kind)));
    query.bindValue(QStringLiteral(":account"), c.accountId);
    query.bindValue(QStringLiteral(":secret"), Database::text(QString::fromLatin1(c.secret)));
    query.bindValue(QStringLiteral(":token"), Database::text(QString::fromLatin1(c.securityToken)));
    query.bindValue(QStringLiteral(":expires"), c.expires);
    if (!Database::exec(query))
        return StorageCredential();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_cache.size() >= maxCached)
        m_cache.clear();
    m_cache.insert(c.accessId, c);
    return c;
}

StorageCredential CredentialStore::find(const QByteArray& accessId)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_cache.constFind(accessId);
        if (it != m_cache.constEnd())
            return *it;
    }
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT kind, account_id, secret, security_token, expires FROM credentials "
                                 "WHERE access_id = :id"));
    query.bindValue(QStringLiteral(":id"), QString::fromLatin1(accessId));
    StorageCredential c;
    if (!Database::exec(query) || !query.next())
        return c;
    c.accessId = accessId;
    c.kind = query.value(0).toString().toLatin1();
    c.accountId = query.value(1).toLongLong();
    c.secret = query.value(2).toString().toLatin1();
    c.securityToken = query.value(3).toString().toLatin1();
    c.expires = query.value(4).toLongLong();
    const Account account = m_accounts.byId(c.accountId);
    if (!account.isValid())
        return StorageCredential();
    c.accountName = account.name;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_cache.size() >= maxCached)
        m_cache.clear();
    m_cache.insert(accessId, c);
    return c;
}

void CredentialStore::forget()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cache.clear();
}
