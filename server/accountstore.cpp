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
    , m_unknownAccountRecord(PasswordHash::make(QString::fromLatin1(QByteArray::number(QRandomGenerator::system()->generate64()))))
{
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(m_cacheKey.data()), m_cacheKey.size() / 4);
}

AccountStore::Lookup AccountStore::read(const QString& where, const QVariant& value, Account* account) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT id, name, email, nickname, avatar, password, points FROM accounts WHERE ") + where);
    query.bindValue(QStringLiteral(":v"), value);
    *account = Account();
    if (!m_database.exec(query))
        return Lookup::Failed;
    if (!query.next())
        return Lookup::Absent;
    account->id = query.value(0).toLongLong();
    account->name = query.value(1).toString();
    account->email = query.value(2).toString();
    account->nickname = query.value(3).toString();
    account->avatar = query.value(4).toString();
    account->passwordRecord = query.value(5).toString();
    account->points = query.value(6).toLongLong();
    return Lookup::Found;
}

AccountStore::Lookup AccountStore::find(const QString& nameOrEmail, Account* account) const
{
    const QString k = key(nameOrEmail);
    *account = Account();
    if (k.isEmpty())
        return Lookup::Absent;
    const Lookup byName = read(QStringLiteral("name_key = :v"), k, account);
    if (byName != Lookup::Absent || !k.contains(QLatin1Char('@')))
        return byName;
    return read(QStringLiteral("email_key = :v"), k, account);
}

AccountStore::Lookup AccountStore::byId(qint64 id, Account* account) const
{
    return read(QStringLiteral("id = :v"), id, account);
}

QByteArray AccountStore::cacheTag(const Account& account, const QString& password) const
{
    return QMessageAuthenticationCode::hash(account.passwordRecord.toUtf8() + '\0' + password.toUtf8(), m_cacheKey,
                                            QCryptographicHash::Sha256);
}

AccountStore::Lookup AccountStore::authenticate(const QString& nameOrEmail, const QString& password, Account* account)
{
    Account a;
    const Lookup found = find(nameOrEmail, &a);
    *account = Account();
    if (found == Lookup::Failed)
        return Lookup::Failed;
    if (found == Lookup::Absent) {
        PasswordHash::verify(password, m_unknownAccountRecord);
        return Lookup::Absent;
    }
    const QByteArray tag = cacheTag(a, password);
    {
        std::lock_guard<std::mutex> lock(m_cacheMutex);
        const auto it = m_verified.constFind(a.id);
        if (it != m_verified.constEnd() && it->first == tag && it->second > now()) {
            *account = a;
            return Lookup::Found;
        }
    }
    if (!PasswordHash::verify(password, a.passwordRecord))
        return Lookup::Absent;
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_verified.insert(a.id, qMakePair(tag, now() + verifiedSeconds));
    *account = a;
    return Lookup::Found;
}

AccountStore::Outcome AccountStore::create(const QString& name, const QString& email, const QString& password,
                                           const QString& nickname, qint64 points, Account* created)
{
    // Which of name and address is taken, also after a sign-up of the same
    // name at the same moment made the insert fail.
    const auto taken = [&](Outcome otherwise) {
        Account other;
        const Lookup byName = find(name, &other);
        if (byName == Lookup::Found)
            return Outcome::NameTaken;
        const Lookup byEmail = byName == Lookup::Failed ? Lookup::Failed : read(QStringLiteral("email_key = :v"), key(email), &other);
        if (byEmail == Lookup::Found)
            return Outcome::EmailTaken;
        return byEmail == Lookup::Failed ? Outcome::Failed : otherwise;
    };
    const Outcome before = taken(Outcome::Done);
    if (before != Outcome::Done)
        return before;
    const bool inserted = m_database.write(
        QStringLiteral("INSERT INTO accounts (name, name_key, email, email_key, nickname, password, avatar, points, created) "
                       "VALUES (:name, :name_key, :email, :email_key, :nickname, :password, '', :points, :created)"),
        { { QStringLiteral(":name"), Database::text(name) },
          { QStringLiteral(":name_key"), Database::text(key(name)) },
          { QStringLiteral(":email"), Database::text(email.trimmed()) },
          { QStringLiteral(":email_key"), Database::text(key(email)) },
          { QStringLiteral(":nickname"), Database::text(nickname) },
          { QStringLiteral(":password"), PasswordHash::make(password) },
          { QStringLiteral(":points"), points },
          { QStringLiteral(":created"), now() } });
    if (!inserted)
        return taken(Outcome::Failed);
    if (created && find(name, created) != Lookup::Found)
        return Outcome::Failed;
    return Outcome::Done;
}

AccountStore::Outcome AccountStore::setPassword(qint64 id, const QString& password)
{
    const QString record = PasswordHash::make(password);
    const Database::Outcome outcome = m_database.transaction([&](const QSqlDatabase& db) {
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE accounts SET password = :password WHERE id = :id"));
        update.bindValue(QStringLiteral(":password"), record);
        update.bindValue(QStringLiteral(":id"), id);
        // Credentials handed out under the old password end with it.
        QSqlQuery revoke(db);
        revoke.prepare(QStringLiteral("DELETE FROM credentials WHERE account_id = :id"));
        revoke.bindValue(QStringLiteral(":id"), id);
        return m_database.exec(update) && m_database.exec(revoke) ? Database::Step::Commit : Database::Step::Failed;
    });
    if (outcome != Database::Outcome::Committed)
        return Outcome::Failed;
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_verified.remove(id);
    return Outcome::Done;
}

AccountStore::Outcome AccountStore::setProfile(qint64 id, const QString& email, const QString& nickname)
{
    Account other;
    const Lookup owner = read(QStringLiteral("email_key = :v"), key(email), &other);
    if (owner == Lookup::Failed)
        return Outcome::Failed;
    if (owner == Lookup::Found && other.id != id)
        return Outcome::EmailTaken;
    return m_database.write(QStringLiteral("UPDATE accounts SET email = :email, email_key = :email_key, nickname = :nickname "
                                           "WHERE id = :id"),
                            { { QStringLiteral(":email"), Database::text(email.trimmed()) },
                              { QStringLiteral(":email_key"), Database::text(key(email)) },
                              { QStringLiteral(":nickname"), Database::text(nickname) },
                              { QStringLiteral(":id"), id } })
        ? Outcome::Done
        : Outcome::Failed;
}

AccountStore::Outcome AccountStore::setAvatar(qint64 id, const QString& file)
{
    return m_database.write(QStringLiteral("UPDATE accounts SET avatar = :avatar WHERE id = :id"),
                            { { QStringLiteral(":avatar"), Database::text(file) }, { QStringLiteral(":id"), id } })
        ? Outcome::Done
        : Outcome::Failed;
}

AccountStore::Outcome AccountStore::changePoints(qint64 id, qint64 delta, const QString& explain,
                                                 const QString& platform, const QString& version, qint64* balance)
{
    Outcome result = Outcome::Failed;
    const Database::Outcome outcome = m_database.transaction([&](const QSqlDatabase& db) {
        // One statement, so concurrent changes never lose an update and
        // the balance cannot go below zero.
        QSqlQuery change(db);
        change.prepare(QStringLiteral("UPDATE accounts SET points = points + :delta WHERE id = :id "
                                      "AND points + :delta2 >= 0 RETURNING points"));
        change.bindValue(QStringLiteral(":delta"), delta);
        change.bindValue(QStringLiteral(":delta2"), delta);
        change.bindValue(QStringLiteral(":id"), id);
        if (!m_database.exec(change))
            return Database::Step::Failed;
        if (!change.next()) {
            Account a;
            if (byId(id, &a) != Lookup::Found)
                return Database::Step::Failed;
            *balance = a.points;
            result = Outcome::NotEnoughPoints;
            return Database::Step::RollBack;
        }
        *balance = change.value(0).toLongLong();
        change.finish();
        QSqlQuery log(db);
        log.prepare(QStringLiteral("INSERT INTO points_log (account_id, delta, balance, explain, platform, version, at) "
                                   "VALUES (:id, :delta, :balance, :explain, :platform, :version, :at)"));
        log.bindValue(QStringLiteral(":id"), id);
        log.bindValue(QStringLiteral(":delta"), delta);
        log.bindValue(QStringLiteral(":balance"), *balance);
        log.bindValue(QStringLiteral(":explain"), Database::text(explain.left(200)));
        log.bindValue(QStringLiteral(":platform"), Database::text(platform.left(100)));
        log.bindValue(QStringLiteral(":version"), Database::text(version.left(100)));
        log.bindValue(QStringLiteral(":at"), now());
        if (!m_database.exec(log))
            return Database::Step::Failed;
        result = Outcome::Done;
        return Database::Step::Commit;
    });
    if (outcome == Database::Outcome::Failed)
        return Outcome::Failed;
    return result;
}
