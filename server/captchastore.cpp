#include "captchastore.h"

#include "captchapicture.h"
#include "credentialstore.h"
#include "database.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

namespace {
qint64 now() { return QDateTime::currentSecsSinceEpoch(); }
} // namespace

CaptchaStore::CaptchaStore(const Database& database)
    : m_database(database)
{
}

bool CaptchaStore::create(QString* id, QString* answer)
{
    const QString letters = CaptchaPicture::alphabet();
    answer->clear();
    for (int i = 0; i < length; ++i)
        *answer += letters.at(QRandomGenerator::system()->bounded(letters.size()));
    *id = QString::fromLatin1(CredentialStore::randomText(20));
    // Expired captchas go with the new one.
    return m_database.transaction([&](const QSqlDatabase& db) {
               QSqlQuery query(db);
               query.prepare(QStringLiteral("DELETE FROM captchas WHERE expires < :now"));
               query.bindValue(QStringLiteral(":now"), now());
               if (!m_database.exec(query))
                   return Database::Step::Failed;
               query.prepare(QStringLiteral("INSERT INTO captchas (id, answer, expires) VALUES (:id, :answer, :expires)"));
               query.bindValue(QStringLiteral(":id"), *id);
               query.bindValue(QStringLiteral(":answer"), *answer);
               query.bindValue(QStringLiteral(":expires"), now() + lifetimeSeconds);
               return m_database.exec(query) ? Database::Step::Commit : Database::Step::Failed;
           })
        == Database::Outcome::Committed;
}

QString CaptchaStore::answer(const QString& id) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT answer FROM captchas WHERE id = :id AND expires >= :now"));
    query.bindValue(QStringLiteral(":id"), Database::text(id));
    query.bindValue(QStringLiteral(":now"), now());
    return m_database.exec(query) && query.next() ? query.value(0).toString() : QString();
}

CaptchaStore::Check CaptchaStore::consume(const QString& id, const QString& given)
{
    Check check = Check::Wrong;
    const Database::Outcome outcome = m_database.transaction([&](const QSqlDatabase& db) {
        // One statement: of two attempts at the same moment only one gets it.
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM captchas WHERE id = :id RETURNING answer, expires"));
        query.bindValue(QStringLiteral(":id"), Database::text(id));
        if (!m_database.exec(query))
            return Database::Step::Failed;
        check = Check::Wrong;
        if (query.next() && query.value(1).toLongLong() >= now() && !given.isEmpty()
            && query.value(0).toString().compare(given.trimmed(), Qt::CaseInsensitive) == 0)
            check = Check::Right;
        return Database::Step::Commit;
    });
    return outcome == Database::Outcome::Committed ? check : Check::Failed;
}
