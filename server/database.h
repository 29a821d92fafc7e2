#ifndef DATABASE_H
#define DATABASE_H

#include <QSqlDatabase>
#include <QString>

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
    // This thread's connection, opened on first use; invalid on failure.
    QSqlDatabase connection() const;
    // A description without secrets, for the log.
    QString describe() const;

    // Runs a prepared query; a failure is logged with its statement.
    static bool exec(QSqlQuery& query);
    // A text for a NOT NULL column: a null QString would be bound as NULL.
    static QString text(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }
    // Empties every table (test control).
    bool clear() const;

private:
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
