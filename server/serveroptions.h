#ifndef SERVEROPTIONS_H
#define SERVEROPTIONS_H

#include <QString>
#include <QStringList>

// The server's command line. Every value has a default that serves one
// machine; parse() fills the fields and reports what it refused.
struct ServerOptions
{
    QString listenAddress = QStringLiteral("127.0.0.1");
    int port = 8080;                 // 0: a free port, printed at start
    QString dataPath;                // objects, avatars, SQLite file, feed folder
    QString database;                // PostgreSQL connection string; empty: SQLite
    QString publicUrl;               // address handed to clients; empty: from the Host header
    QString updatePath;              // folder of the update feed; empty: data folder + "/update"
    qint64 tokenLifetime = 3600;     // seconds a storage credential stays valid
    qint64 maxSkew = 900;            // seconds a signed request's Date may be off
    qint64 maxObjectSize = 64ll * 1024 * 1024;
    int threads = 64;                // requests served at the same time
    int headTimeout = 10;            // seconds for a whole request head
    int idleTimeout = 30;            // seconds a connection may idle between requests
    int readTimeout = 30;            // seconds a request may pause (and its grace before minRate holds)
    int writeTimeout = 30;           // seconds an answer may wait for the client to read (the same)
    static const int minRate = 16 * 1024; // bytes a second a body or answer must keep to
    int maxConnectionsPerAddress = 32; // 0: no limit
    QString proxyAddress;            // a reverse proxy's address: not limited per address, names clients in X-Real-IP
    bool registration = true;
    bool testControl = false;        // the /_control endpoints (faults, journal, ...)
    QString setPasswordOf;           // an account whose password is set from stdin, then exit

    // Reads the arguments (the program name first). Returns false with a
    // message, or with an empty message when help or the version was shown.
    bool parse(const QStringList& arguments, QString* message);

    QString sqlitePath() const;
    QString objectsPath() const;
    QString avatarsPath() const;
    QString feedPath() const;

    // The text of --help after the option list: fault injection and the
    // control endpoints.
    static QString controlHelp();
};

#endif
