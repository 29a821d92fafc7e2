#ifndef DATABASE_H
#define DATABASE_H

#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

#include <functional>

class QSqlQuery;

// Accounts, points, captchas, storage credentials and analytics counts in
// one SQL database: an SQLite file in the data folder by default, or a
// PostgreSQL server when a connection string is given. Qt connections
// belong to one thread, so every serving thread opens its own on first use.
// The statements are written in the SQL both understand.
class Database
{
public:
    // conninfo: empty for SQLite at sqlitePath, else a PostgreSQL
    // connection string ("host=... dbname=..." or "postgresql://...").
    Database(const QString& conninfo, const QString& sqlitePath);

    // Connects once and creates the tables that are missing.
    bool open(QString* error);
    bool isPostgres() const { return m_postgres; }
    // This thread's connection, opened on first use (and again when it was
    // closed, unless open is false); invalid on failure.
    QSqlDatabase connection(bool open = true) const;
    // A description without secrets, for the log.
    QString describe() const;

    // Runs a prepared query; a failure is logged with its statement. When
    // the connection turns out to be lost (the database server restarted),
    // it is opened again, and a read outside a transaction is run once more
    // on it; a write is not repeated, since it may have been done.
    bool exec(QSqlQuery& query) const;

    // What a transaction's work asks for at its end.
    enum class Step { Commit, RollBack, Failed };
    enum class Outcome { Committed, RolledBack, Failed };
    // Runs work in one transaction on this thread's connection. Committed
    // only when the commit itself succeeded, so nothing is acknowledged that
    // was not kept. A transaction that failed because the connection was
    // lost is run once more on a new connection: nothing of it was kept.
    Outcome transaction(const std::function<Step(const QSqlDatabase& db)>& work) const;
    // One statement with its named values in a transaction of its own, so
    // that it too is run again after a lost connection; the rows it
    // changed go to rows.
    bool write(const QString& statement, const QVariantMap& values, int* rows = nullptr) const;
    // A text for a NOT NULL column: a null QString would be bound as NULL.
    static QString text(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }
    // Empties every table (test control).
    bool clear() const;

private:
    // True when the connection no longer answers and was opened again.
    bool reopenIfLost(QSqlDatabase& db) const;
    bool createSchema(QSqlDatabase& db, QString* error) const;
    QSqlDatabase openConnection(const QString& name) const;

    bool m_postgres = false;
    QString m_sqlitePath;
    QString m_host;
    int m_port = -1;
    QString m_name;
    QString m_user;
    QString m_password;
    QString m_options;
};

#endif
