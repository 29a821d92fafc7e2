#include "database.h"

#include "serverlog.h"

#include <QAtomicInteger>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace {
QAtomicInteger<quint64> g_connections;
// Statements of a transaction are not repeated one by one.
thread_local bool t_inTransaction = false;

// Splits a libpq keyword string: key=value pairs, values optionally in
// single quotes with backslash escapes.
QList<QPair<QString, QString>> keywordPairs(const QString& text)
{
    QList<QPair<QString, QString>> pairs;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        while (i < n && text.at(i).isSpace())
            ++i;
        const int eq = text.indexOf(QLatin1Char('='), i);
        if (i >= n || eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && text.at(i) == QLatin1Char('\'')) {
            ++i;
            while (i < n && text.at(i) != QLatin1Char('\'')) {
                if (text.at(i) == QLatin1Char('\\') && i + 1 < n)
                    ++i;
                value += text.at(i++);
            }
            ++i;
        } else {
            while (i < n && !text.at(i).isSpace())
                value += text.at(i++);
        }
        pairs << qMakePair(key, value);
    }
    return pairs;
}
} // namespace

Database::Database(const QString& conninfo, const QString& sqlitePath)
    : m_postgres(!conninfo.trimmed().isEmpty())
    , m_sqlitePath(sqlitePath)
{
    if (!m_postgres)
        return;
    QList<QPair<QString, QString>> pairs;
    const QString text = conninfo.trimmed();
    if (text.startsWith(QLatin1String("postgres://")) || text.startsWith(QLatin1String("postgresql://"))) {
        const QUrl url(text);
        if (!url.host().isEmpty())
            pairs << qMakePair(QStringLiteral("host"), url.host());
        if (url.port() > 0)
            pairs << qMakePair(QStringLiteral("port"), QString::number(url.port()));
        if (!url.userName().isEmpty())
            pairs << qMakePair(QStringLiteral("user"), url.userName());
        if (!url.password().isEmpty())
            pairs << qMakePair(QStringLiteral("password"), url.password());
        if (url.path().size() > 1)
            pairs << qMakePair(QStringLiteral("dbname"), url.path().mid(1));
        const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        for (const auto& item : items)
            pairs << item;
    } else {
        pairs = keywordPairs(text);
    }
    QStringList options;
    for (const auto& pair : pairs) {
        if (pair.first == QLatin1String("host"))
            m_host = pair.second;
        else if (pair.first == QLatin1String("port"))
            m_port = pair.second.toInt();
        else if (pair.first == QLatin1String("dbname"))
            m_name = pair.second;
        else if (pair.first == QLatin1String("user"))
            m_user = pair.second;
        else if (pair.first == QLatin1String("password"))
            m_password = pair.second;
        else
            options << pair.first + QLatin1Char('=') + pair.second;
    }
    m_options = options.join(QLatin1Char(';'));
}

QString Database::describe() const
{
    if (!m_postgres)
        return QStringLiteral("SQLite ") + m_sqlitePath;
    return QStringLiteral("PostgreSQL database \"%1\" on %2").arg(m_name, m_host.isEmpty() ? QStringLiteral("local socket") : m_host);
}

QSqlDatabase Database::openConnection(const QString& name) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
    if (m_postgres) {
        if (!m_host.isEmpty())
            db.setHostName(m_host);
        if (m_port > 0)
            db.setPort(m_port);
        db.setDatabaseName(m_name);
        db.setUserName(m_user);
        db.setPassword(m_password);
        db.setConnectOptions(m_options);
    } else {
        db.setDatabaseName(m_sqlitePath);
        // Writers from several threads wait for each other instead of failing.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!db.open())
        return db;
    if (!m_postgres) {
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }
    return db;
}

QSqlDatabase Database::connection(bool open) const
{
    // One connection per thread and database object.
    thread_local QHash<const Database*, QString> names;
    QString name = names.value(this);
    if (name.isEmpty()) {
        name = QStringLiteral("penlark-%1").arg(++g_connections);
        names.insert(this, name);
        QSqlDatabase db = openConnection(name);
        if (!db.isOpen())
            ServerLog::warning(QStringLiteral("database connection failed: ") + db.lastError().text());
        return db;
    }
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (open && !db.isOpen() && !db.open())
        ServerLog::warning(QStringLiteral("database connection failed: ") + db.lastError().text());
    return db;
}

bool Database::open(QString* error)
{
    QSqlDatabase db = connection();
    if (!db.isOpen()) {
        *error = db.lastError().text();
        return false;
    }
    return createSchema(db, error);
}

bool Database::createSchema(QSqlDatabase& db, QString* error) const
{
    const QString key = m_postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    const QStringList statements {
        QStringLiteral("CREATE TABLE IF NOT EXISTS accounts (id %1, name TEXT NOT NULL, name_key TEXT NOT NULL UNIQUE, "
                       "email TEXT NOT NULL, email_key TEXT NOT NULL UNIQUE, nickname TEXT NOT NULL, "
                       "password TEXT NOT NULL, avatar TEXT NOT NULL, points BIGINT NOT NULL, created BIGINT NOT NULL)")
            .arg(key),
        QStringLiteral("CREATE TABLE IF NOT EXISTS points_log (id %1, account_id BIGINT NOT NULL, delta BIGINT NOT NULL, "
                       "balance BIGINT NOT NULL, explain TEXT NOT NULL, platform TEXT NOT NULL, version TEXT NOT NULL, "
                       "at BIGINT NOT NULL)")
            .arg(key),
        QStringLiteral("CREATE TABLE IF NOT EXISTS captchas (id TEXT PRIMARY KEY, answer TEXT NOT NULL, expires BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS credentials (access_id TEXT PRIMARY KEY, kind TEXT NOT NULL, "
                       "account_id BIGINT NOT NULL, secret TEXT NOT NULL, security_token TEXT NOT NULL, "
                       "expires BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS analytics_events (event TEXT PRIMARY KEY, count BIGINT NOT NULL)"),
    };
    for (const QString& statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

bool Database::reopenIfLost(QSqlDatabase& db) const
{
    // The driver closes a connection it found broken; one that looks open
    // is asked.
    if (db.isOpen()) {
        QSqlQuery ping(db);
        if (ping.exec(QStringLiteral("SELECT 1")))
            return false;
        db.close();
    }
    ServerLog::warning(QStringLiteral("database connection lost; opening it again"));
    if (!db.open())
        ServerLog::warning(QStringLiteral("database connection failed: ") + db.lastError().text());
    return true;
}

bool Database::exec(QSqlQuery& query) const
{
    if (query.exec())
        return true;
    ServerLog::warning(QStringLiteral("SQL failed: %1 (%2)").arg(query.lastError().text(), query.lastQuery()));
    if (t_inTransaction)
        return false;
    QSqlDatabase db = connection(false);
    if (!reopenIfLost(db) || !query.lastQuery().startsWith(QLatin1String("SELECT")) || !db.isOpen())
        return false;
    QSqlQuery again(db);
    again.prepare(query.lastQuery());
    const QMap<QString, QVariant> values = query.boundValues();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        again.bindValue(it.key(), it.value());
    if (!again.exec()) {
        ServerLog::warning(QStringLiteral("SQL failed again: %1").arg(again.lastError().text()));
        return false;
    }
    query = again;
    return true;
}

Database::Outcome Database::transaction(const std::function<Step(const QSqlDatabase&)>& work) const
{
    const auto run = [](QSqlDatabase& db, const char* statement) {
        QSqlQuery query(db);
        if (query.exec(QLatin1String(statement)))
            return true;
        ServerLog::warning(QStringLiteral("SQL failed: %1 (%2)").arg(query.lastError().text(), QLatin1String(statement)));
        return false;
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase db = connection();
        if (!db.isOpen())
            return Outcome::Failed;
        // SQLite takes the write lock at once, so that two transactions
        // never read and then both wait to write.
        if (!run(db, m_postgres ? "BEGIN" : "BEGIN IMMEDIATE")) {
            if (attempt == 0 && reopenIfLost(db))
                continue;
            return Outcome::Failed;
        }
        t_inTransaction = true;
        const Step step = work(db);
        t_inTransaction = false;
        if (step == Step::Commit) {
            if (run(db, "COMMIT"))
                return Outcome::Committed;
            run(db, "ROLLBACK");
            return Outcome::Failed;
        }
        if (run(db, "ROLLBACK") && step == Step::RollBack)
            return Outcome::RolledBack;
        if (step == Step::Failed && attempt == 0 && reopenIfLost(db))
            continue;
        return step == Step::RollBack ? Outcome::RolledBack : Outcome::Failed;
    }
    return Outcome::Failed;
}

bool Database::write(const QString& statement, const QVariantMap& values, int* rows) const
{
    return transaction([&](const QSqlDatabase& db) {
               QSqlQuery query(db);
               query.prepare(statement);
               for (auto it = values.constBegin(); it != values.constEnd(); ++it)
                   query.bindValue(it.key(), it.value());
               if (!exec(query))
                   return Step::Failed;
               if (rows)
                   *rows = query.numRowsAffected();
               return Step::Commit;
           })
        == Outcome::Committed;
}

bool Database::clear() const
{
    QSqlDatabase db = connection();
    bool ok = true;
    for (const char* table : { "accounts", "points_log", "captchas", "credentials", "analytics_events" }) {
        QSqlQuery query(db);
        ok = query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)) && ok;
    }
    return ok;
}
