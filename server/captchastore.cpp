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
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("DELETE FROM captchas WHERE expires < :now"));
    query.bindValue(QStringLiteral(":now"), now());
    Database::exec(query);
    query.prepare(QStringLiteral("INSERT INTO captchas (id, answer, expires) VALUES (:id, :answer, :expires)"));
    query.bindValue(QStringLiteral(":id"), *id);
    query.bindValue(QStringLiteral(":answer"), *answer);
    query.bindValue(QStringLiteral(":expires"), now() + lifetimeSeconds);
    return Database::exec(query);
}

QString CaptchaStore::answer(const QString& id) const
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT answer FROM captchas WHERE id = :id AND expires >= :now"));
    query.bindValue(QStringLiteral(":id"), Database::text(id));
    query.bindValue(QStringLiteral(":now"), now());
    return Database::exec(query) && query.next() ? query.value(0).toString() : QString();
}

bool CaptchaStore::consume(const QString& id, const QString& given)
{
    QSqlQuery query(m_database.connection());
    // One statement: of two attempts at the same moment only one gets it.
    query.prepare(QStringLiteral("DELETE FROM captchas WHERE id = :id RETURNING answer, expires"));
    query.bindValue(QStringLiteral(":id"), Database::text(id));
    if (!Database::exec(query) || !query.next())
        return false;
    const QString answer = query.value(0).toString();
    const qint64 expires = query.value(1).toLongLong();
    query.finish();
    return expires >= now() && !given.isEmpty()
        && answer.compare(given.trimmed(), Qt::CaseInsensitive) == 0;
}
