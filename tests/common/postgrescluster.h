#ifndef POSTGRESCLUSTER_H
#define POSTGRESCLUSTER_H

// A PostgreSQL server of a test's own: a fresh cluster (initdb) in a
// temporary folder, reached only through a Unix socket in that folder, and
// stopped and removed again. PostgreSQL refuses to run as root, and tests run
// as root in CI: there the cluster belongs to the "postgres" user (or
// "nobody") and its programs run through runuser.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtDebug>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

class PostgresCluster
{
public:
    ~PostgresCluster() { stop(); }

    bool start()
    {
        m_bin = binFolder();
        if (m_bin.isEmpty()) {
            qWarning() << "PostgreSQL's programs are not installed (Debian package postgresql)";
            return false;
        }
        // Under /tmp: the test's own temporary folder is closed to other users.
        char pattern[] = "/tmp/penlark-pg-XXXXXX";
        if (!::mkdtemp(pattern))
            return false;
        m_folder = QString::fromLocal8Bit(pattern);
        if (::geteuid() == 0) {
            const passwd* pw = ::getpwnam("postgres");
            if (!pw)
                pw = ::getpwnam("nobody");
            if (!pw || ::chown(pattern, pw->pw_uid, pw->pw_gid) != 0)
                return false;
            m_user = QString::fromLocal8Bit(pw->pw_name);
        }
        if (!run(QStringLiteral("initdb"), { QStringLiteral("-D"), dataFolder(), QStringLiteral("-A"), QStringLiteral("trust"),
                                             QStringLiteral("-U"), QStringLiteral("penlark"), QStringLiteral("-E"),
                                             QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync") }))
            return false;
        return startServer();
    }

    // The database server alone, on the same data: stopped as an
    // administrator (or a crash) would stop it, and started again.
    bool stopServer()
    {
        m_running = !run(QStringLiteral("pg_ctl"), { QStringLiteral("-D"), dataFolder(), QStringLiteral("-m"), QStringLiteral("fast"),
                                                     QStringLiteral("-w"), QStringLiteral("stop") });
        return !m_running;
    }
    bool startServer()
    {
        const QString options = QStringLiteral("-k %1 -c listen_addresses='' -p 5432 -c fsync=off -c max_connections=300").arg(m_folder);
        m_running = run(QStringLiteral("pg_ctl"), { QStringLiteral("-D"), dataFolder(), QStringLiteral("-l"), m_folder + QStringLiteral("/log"),
                                                    QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("start") });
        if (!m_running) {
            QFile log(m_folder + QStringLiteral("/log"));
            if (log.open(QIODevice::ReadOnly))
                qWarning().noquote() << log.readAll();
        }
        return m_running;
    }

    void stop()
    {
        if (m_running)
            run(QStringLiteral("pg_ctl"), { QStringLiteral("-D"), dataFolder(), QStringLiteral("-m"), QStringLiteral("immediate"),
                                            QStringLiteral("-w"), QStringLiteral("stop") });
        m_running = false;
        if (!m_folder.isEmpty())
            QDir(m_folder).removeRecursively();
        m_folder.clear();
    }

    // The connection string penlark-server takes with --database.
    QString conninfo() const
    {
        return QStringLiteral("host=%1 port=5432 dbname=postgres user=penlark").arg(m_folder);
    }

private:
    QString dataFolder() const { return m_folder + QStringLiteral("/data"); }

    static QString binFolder()
    {
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (int i = versions.size() - 1; i >= 0; --i) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/") + versions.at(i) + QStringLiteral("/bin");
            if (QFile::exists(bin + QStringLiteral("/initdb")))
                return bin;
        }
        return QString();
    }

    bool run(const QString& program, const QStringList& arguments) const
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString path = m_bin + QLatin1Char('/') + program;
        if (m_user.isEmpty())
            p.start(path, arguments);
        else
            p.start(QStringLiteral("runuser"), QStringList { QStringLiteral("-u"), m_user, QStringLiteral("--"), path } + arguments);
        // The server must not keep the test's output open.
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            qWarning().noquote() << program << "failed:" << p.readAll();
            return false;
        }
        return true;
    }

    QString m_bin;
    QString m_folder;
    QString m_user;
    bool m_running = false;
};

#endif
