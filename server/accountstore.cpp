#include "accountstore.h"

#include "database.h"
#include "passwordhash.h"

#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

namespace {
const qint64 verifiedSeconds = 600;

qint64 now() { return QDateTime::currentSecsSinceEpoch(); }
} // namespace

AccountStore::AccountStore(const Database& database)
    : m_database(database)
    , m_cacheKey(32, Qt::Uninitialized)
{
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(m_cacheKey.data()), m_cacheKey.size() / 4);
}

Account AccountStore::read(const QString& where, const QVariant& value) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT id, name, email, nickname, avatar, password, points FROM accounts WHERE ") + where);
    query.bindValue(QStringLiteral(":v"), value);
    Account a;
    if (Database::exec(query) && query.next()) {
        a.id = query.value(0).toLongLong();
        a.name = query.value(1).toString();
        a.email = query.value(2).toString();
        a.nickname = query.value(3).toString();
        a.avatar = query.value(4).toString();
        a.passwordRecord = query.value(5).toString();
        a.points = query.value(6).toLongLong();
    }
    return a;
}

Account AccountStore::find(const QString& nameOrEmail) const
{
    const QString k = key(nameOrEmail);
    if (k.isEmpty())
        return Account();
    Account a = read(QStringLiteral("name_key = :v"), k);
    if (!a.isValid() && k.contains(QLatin1Char('@')))
        a = read(QStringLiteral("email_key = :v"), k);
    return a;
}

Account AccountStore::byId(qint64 id) const { return read(QStringLiteral("id = :v"), id); }

QByteArray AccountStore::cacheTag(const Account& account, const QString& password) const
{
    return QMessageAuthenticationCode::hash(account.passwordRecord.toUtf8() + '\0' + password.toUtf8(), m_cacheKey,
                                            QCryptographicHash::Sha256);
}

Account AccountStore::authenticate(const QString& nameOrEmail, const QString& password)
{
    const Account a = find(nameOrEmail);
    if (!a.isValid())
        return Account();
    const QByteArray tag = cacheTag(a, password);
    {
        std::lock_guard<std::mutex> lock(m_cacheMutex);
        const auto it = m_verified.constFind(a.id);
        if (it != m_verified.constEnd() && it->first == tag && it->second > now())
            return a;
    }
    if (!PasswordHash::verify(password, a.passwordRecord))
        return Account();
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_verified.insert(a.id, qMakePair(tag, now() + verifiedSeconds));
    return a;
}

AccountStore::Outcome AccountStore::create(const QString& name, const QString& email, const QString& password,
                                           const QString& nickname, qint64 points, Account* created)
{
    if (find(name).isValid())
        return Outcome::NameTaken;
    if (read(QStringLiteral("email_key = :v"), key(email)).isValid())
        return Outcome::EmailTaken;
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("INSERT INTO accounts (name, name_key, email, email_key, nickname, password, avatar, "
                                 "points, created) VALUES (:name, :name_key, :email, :email_key, :nickname, :password, "
                                 "'', :points, :created)"));
    query.bindValue(QStringLiteral(":name"), Database::text(name));
    query.bindValue(QStringLiteral(":name_key"), Database::text(key(name)));
    query.bindValue(QStringLiteral(":email"), Database::text(email.trimmed()));
    query.bindValue(QStringLiteral(":email_key"), Database::text(key(email)));
    query.bindValue(QStringLiteral(":nickname"), Database::text(nickname));
    query.bindValue(QStringLiteral(":password"), PasswordHash::make(password));
    query.bindValue(QStringLiteral(":points"), points);
    query.bindValue(QStringLiteral(":created"), now());
    if (!Database::exec(query)) {
        // Two sign-ups of one name at the same moment: the second loses here.
        if (find(name).isValid())
            return Outcome::NameTaken;
        if (read(QStringLiteral("email_key = :v"), key(email)).isValid())
            return Outcome::EmailTaken;
        return Outcome::Failed;
    }
    if (created)
        *created = find(name);
    return Outcome::Done;
}

AccountStore::Outcome AccountStore::setPassword(qint64 id, const QString& password)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("UPDATE accounts SET password = :password WHERE id = :id"));
    query.bindValue(QStringLiteral(":password"), PasswordHash::make(password));
    query.bindValue(QStringLiteral(":id"), id);
    if (!Database::exec(query))
        return Outcome::Failed;
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_verified.remove(id);
    return Outcome::Done;
}

AccountStore::Outcome AccountStore::setProfile(qint64 id, const QString& email, const QString& nickname)
{
    const Account other = read(QStringLiteral("email_key = :v"), key(email));
    if (other.isValid() && other.id != id)
        return Outcome::EmailTaken;
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("UPDATE accounts SET email = :email, email_key = :email_key, nickname = :nickname "
                                 "WHERE id = :id"));
    query.bindValue(QStringLiteral(":email"), Database::text(email.trimmed()));
    query.bindValue(QStringLiteral(":email_key"), Database::text(key(email)));
    query.bindValue(QStringLiteral(":nickname"), Database::text(nickname));
    query.bindValue(QStringLiteral(":id"), id);
    return Database::exec(query) ? Outcome::Done : Outcome::Failed;
}

AccountStore::Outcome AccountStore::setAvatar(qint64 id, const QString& file)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("UPDATE accounts SET avatar = :avatar WHERE id = :id"));
    query.bindValue(QStringLiteral(":avatar"), Database::text(file));
    query.bindValue(QStringLiteral(":id"), id);
    return Database::exec(query) ? Outcome::Done : Outcome::Failed;
}

AccountStore::Outcome AccountStore::changePoints(qint64 id, qint64 delta, const QString& explain,
                                                 const QString& platform, const QString& version, qint64* balance)
{
    // One statement, so concurrent changes never lose an update and the
    // balance cannot go below zero.
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("UPDATE accounts SET points = points + :delta WHERE id = :id AND points + :delta2 >= 0 "
                                 "RETURNING points"));
    query.bindValue(QStringLiteral(":delta"), delta);
    query.bindValue(QStringLiteral(":delta2"), delta);
    query.bindValue(QStringLiteral(":id"), id);
    if (!Database::exec(query))
        return Outcome::Failed;
    if (!query.next()) {
        const Account a = byId(id);
        if (!a.isValid())
            return Outcome::Failed;
        *balance = a.points;
        return Outcome::NotEnoughPoints;
    }
    *balance = query.value(0).toLongLong();
    query.finish();
    QSqlQuery log(m_database.connection());
    log.prepare(QStringLiteral("INSERT INTO points_log (account_id, delta, balance, explain, platform, version, at) "
                               "VALUES (:id, :delta, :balance, :explain, :platform, :version, :at)"));
    log.bindValue(QStringLiteral(":id"), id);
    log.bindValue(QStringLiteral(":delta"), delta);
    log.bindValue(QStringLiteral(":balance"), *balance);
    log.bindValue(QStringLiteral(":explain"), Database::text(explain.left(200)));
    log.bindValue(QStringLiteral(":platform"), Database::text(platform.left(100)));
    log.bindValue(QStringLiteral(":version"), Database::text(version.left(100)));
    log.bindValue(QStringLiteral(":at"), now());
    Database::exec(log);
    return Outcome::Done;
}
