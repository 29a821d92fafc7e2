#include "credentialstore.h"

#include "accountstore.h"
#include "database.h"

#include <QDateTime>
#include <QHash>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

#include <memory>

namespace {
qint64 now() { return QDateTime::currentSecsSinceEpoch(); }
} // namespace

CredentialStore::CredentialStore(const Database& database)
    : m_database(database)
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

    int stored = 0;
    const Database::Outcome outcome = m_database.transaction([&](const QSqlDatabase& db) {
        // Expired credentials are of no further use.
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM credentials WHERE expires < :limit"));
        query.bindValue(QStringLiteral(":limit"), now() - 86400);
        if (!m_database.exec(query))
            return Database::Step::Failed;
        // Not for a password changed since the request was signed with it.
        query.prepare(QStringLiteral("INSERT INTO credentials (access_id, kind, account_id, secret, security_token, expires) "
                                     "SELECT :id, :kind, id, :secret, :token, :expires FROM accounts "
                                     "WHERE id = :account AND password = :record"));
        query.bindValue(QStringLiteral(":id"), Database::text(QString::fromLatin1(c.accessId)));
        query.bindValue(QStringLiteral(":kind"), Database::text(QString::fromLatin1(c.kind)));
        query.bindValue(QStringLiteral(":secret"), Database::text(QString::fromLatin1(c.secret)));
        query.bindValue(QStringLiteral(":token"), Database::text(QString::fromLatin1(c.securityToken)));
        query.bindValue(QStringLiteral(":expires"), c.expires);
        query.bindValue(QStringLiteral(":account"), c.accountId);
        query.bindValue(QStringLiteral(":record"), Database::text(account.passwordRecord));
        if (!m_database.exec(query))
            return Database::Step::Failed;
        stored = query.numRowsAffected();
        return Database::Step::Commit;
    });
    if (outcome != Database::Outcome::Committed || stored != 1)
        return StorageCredential();
    return c;
}

StorageCredential CredentialStore::find(const QByteArray& accessId, bool* failed)
{
    if (failed)
        *failed = false;
    // Every storage request reads its credential, so each thread keeps the
    // statement prepared on its connection; with its account's name in the
    // same read, a credential whose account is gone is none.
    static const QString statement = QStringLiteral("SELECT c.kind, c.account_id, c.secret, c.security_token, c.expires, a.name "
                                                    "FROM credentials c JOIN accounts a ON a.id = c.account_id WHERE c.access_id = :id");
    thread_local QHash<const CredentialStore*, std::shared_ptr<QSqlQuery>> prepared;
    std::shared_ptr<QSqlQuery>& query = prepared[this];
    const QString id = QString::fromLatin1(accessId);
    bool done = false;
    if (query) {
        query->bindValue(QStringLiteral(":id"), id);
        done = query->exec();
    }
    if (!done) {
        // First use, or a connection opened again since: prepared anew.
        query = std::make_shared<QSqlQuery>(m_database.connection());
        query->prepare(statement);
        query->bindValue(QStringLiteral(":id"), id);
        if (!m_database.exec(*query)) {
            query.reset();
            if (failed)
                *failed = true;
            return StorageCredential();
        }
    }
    StorageCredential c;
    if (query->next()) {
        c.accessId = accessId;
        c.kind = query->value(0).toString().toLatin1();
        c.accountId = query->value(1).toLongLong();
        c.secret = query->value(2).toString().toLatin1();
        c.securityToken = query->value(3).toString().toLatin1();
        c.expires = query->value(4).toLongLong();
        c.accountName = query->value(5).toString();
    }
    // Ends the read, so that it holds no snapshot of the database.
    query->finish();
    return c;
}

bool CredentialStore::stillIssued(const QByteArray& accessId, bool* failed)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT 1 FROM credentials WHERE access_id = :id"));
    query.bindValue(QStringLiteral(":id"), QString::fromLatin1(accessId));
    *failed = !m_database.exec(query);
    return !*failed && query.next();
}
