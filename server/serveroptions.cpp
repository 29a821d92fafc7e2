#include "serveroptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

namespace {
bool readNumber(const QCommandLineParser& parser, const QString& name, qint64 low, qint64 high, qint64* out,
                QString* message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (!ok || value < low || value > high) {
        *message = QStringLiteral("--%1 wants a number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    *out = value;
    return true;
}
} // namespace

bool ServerOptions::parse(const QStringList& arguments, QString* message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Penlark's own online services on one port: the account server (/api/v1, /api/v2),\n"
        "the object storage of documents, statistics and writing rooms (/lumoranking),\n"
        "usage analytics (/i) and the update feed (/update/..., /Master/...)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1; 0.0.0.0 for every interface)."),
          QStringLiteral("address") },
        { QStringLiteral("port"), QStringLiteral("Port to listen on (default 8080; 0 picks a free port, printed at start)."),
          QStringLiteral("port") },
        { QStringLiteral("data"), QStringLiteral("Data folder: objects, avatars, the SQLite database, the update feed "
                                                 "(default ~/.local/share/penlark-server)."),
          QStringLiteral("folder") },
        { QStringLiteral("database"), QStringLiteral("PostgreSQL connection string, e.g. \"host=/run/postgresql "
                                                     "dbname=penlark user=penlark\" (default: SQLite file in the data folder)."),
          QStringLiteral("conninfo") },
        { QStringLiteral("public-url"), QStringLiteral("Address clients reach this server at, handed out with storage "
                                                       "credentials (default: the Host header of the request)."),
          QStringLiteral("url") },
        { QStringLiteral("update-dir"), QStringLiteral("Folder the update feed is served from (default: data folder/update)."),
          QStringLiteral("folder") },
        { QStringLiteral("token-lifetime"), QStringLiteral("Seconds a storage credential stays valid (default 3600)."),
          QStringLiteral("seconds") },
        { QStringLiteral("max-skew"), QStringLiteral("Seconds a signed request's Date may differ from the server's "
                                                     "clock (default 900)."),
          QStringLiteral("seconds") },
        { QStringLiteral("max-object-size"), QStringLiteral("Largest object in bytes (default 67108864)."),
          QStringLiteral("bytes") },
        { QStringLiteral("threads"), QStringLiteral("Requests served at the same time (default 64). Connections that "
                                                    "wait for a request cost no thread."),
          QStringLiteral("count") },
        { QStringLiteral("head-timeout"), QStringLiteral("Seconds a client has to send a whole request head (default 10)."),
          QStringLiteral("seconds") },
        { QStringLiteral("idle-timeout"), QStringLiteral("Seconds a connection may wait between requests (default 30)."),
          QStringLiteral("seconds") },
        { QStringLiteral("body-timeout"), QStringLiteral("Seconds a request has from its first byte before it must "
                                                         "have come at 16 KiB/s, so it pauses at most that long; a request "
                                                         "is read whole before it is served (default 30)."),
          QStringLiteral("seconds") },
        { QStringLiteral("answer-timeout"), QStringLiteral("Seconds an answer may wait for the client to read, and has "
                                                           "before it must be read at 16 KiB/s (default 30)."),
          QStringLiteral("seconds") },
        { QStringLiteral("max-connections-per-address"), QStringLiteral("Open connections one client address may hold; "
                                                                        "more are answered 429 (default 32, 0: no limit)."),
          QStringLiteral("count") },
        { QStringLiteral("proxy"), QStringLiteral("Address of a reverse proxy in front of this server (e.g. 127.0.0.1 for "
                                                  "nginx on the same machine): its connections are not limited per "
                                                  "address, and its X-Real-IP header names the client."),
          QStringLiteral("address") },
        { QStringLiteral("no-registration"), QStringLiteral("Refuse new accounts (sign-up answers DisableRegistration).") },
        { QStringLiteral("set-password"), QStringLiteral("Set a new password for the account (read as one line from standard "
                                                         "input) and exit: how a forgotten password is reset."),
          QStringLiteral("name") },
        { QStringLiteral("test-control"), QStringLiteral("Enable the /_control endpoints for tests: fault injection, the "
                                                         "request journal, captcha answers, direct object access. "
                                                         "Answered for 127.0.0.1 only. Never on a public server.") },
    });
    const QString controlText = controlHelp();
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText() << '\n' << controlText;
        message->clear();
        return false;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        message->clear();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return false;
    }

    if (parser.isSet(QStringLiteral("listen")))
        listenAddress = parser.value(QStringLiteral("listen"));
    const auto readInt = [&](const char* name, qint64 low, qint64 high, int* out) {
        qint64 value = *out;
        if (!readNumber(parser, QLatin1String(name), low, high, &value, message))
            return false;
        *out = int(value);
        return true;
    };
    if (!readInt("port", 0, 65535, &port))
        return false;
    dataPath = parser.isSet(QStringLiteral("data"))
        ? parser.value(QStringLiteral("data"))
        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/penlark-server");
    dataPath = QDir(dataPath).absolutePath();
    database = parser.value(QStringLiteral("database"));
    publicUrl = parser.value(QStringLiteral("public-url"));
    while (publicUrl.endsWith(QLatin1Char('/')))
        publicUrl.chop(1);
    updatePath = parser.value(QStringLiteral("update-dir"));
    if (!readNumber(parser, QStringLiteral("token-lifetime"), 60, 7 * 24 * 3600, &tokenLifetime, message)
        || !readNumber(parser, QStringLiteral("max-skew"), 1, 7 * 24 * 3600, &maxSkew, message)
        || !readNumber(parser, QStringLiteral("max-object-size"), 1, 1ll << 32, &maxObjectSize, message))
        return false;
    if (!readInt("threads", 2, 1024, &threads) || !readInt("head-timeout", 1, 3600, &headTimeout)
        || !readInt("idle-timeout", 1, 3600, &idleTimeout) || !readInt("body-timeout", 1, 3600, &readTimeout)
        || !readInt("answer-timeout", 1, 3600, &writeTimeout)
        || !readInt("max-connections-per-address", 0, 100000, &maxConnectionsPerAddress))
        return false;
    proxyAddress = parser.value(QStringLiteral("proxy"));
    registration = !parser.isSet(QStringLiteral("no-registration"));
    testControl = parser.isSet(QStringLiteral("test-control"));
    setPasswordOf = parser.value(QStringLiteral("set-password"));
    return true;
}

QString ServerOptions::sqlitePath() const { return dataPath + QStringLiteral("/penlark.sqlite"); }
QString ServerOptions::objectsPath() const { return dataPath + QStringLiteral("/objects"); }
QString ServerOptions::avatarsPath() const { return dataPath + QStringLiteral("/avatars"); }

QString ServerOptions::feedPath() const
{
    return updatePath.isEmpty() ? dataPath + QStringLiteral("/update") : QDir(updatePath).absolutePath();
}

QString ServerOptions::controlHelp()
{
    return QStringLiteral(R"(Update feed: the files of the --update-dir folder are served at
  /update/linux/Master/repository/Updates.xml     <dir>/linux/Master/repository/Updates.xml
  /update/linux/Master/repository_32/Updates.xml  <dir>/linux/Master/repository_32/Updates.xml
  /update/linux/repository/Updates.xml            <dir>/linux/repository/Updates.xml
  /Master/TovaWriter_installer.deb                <dir>/Master/TovaWriter_installer.deb

Test control (only with --test-control, only from 127.0.0.1):
  POST   /_control/faults      add fault rules (a JSON object or an array of them)
  GET    /_control/faults      the rules with their hit counts
  DELETE /_control/faults      remove every rule and release stalled requests
  GET    /_control/requests    the request journal (JSON; bodies in base64)
  DELETE /_control/requests    empty the journal
  POST   /_control/reset       forget accounts, tokens, objects, analytics, journal, faults
                               ({"accounts": false} keeps accounts and tokens)
  POST   /_control/options     {"token_lifetime": s, "registration": b, "journal": b}
  POST   /_control/accounts    {"name","password","email","nickname","points"} creates an account
  GET    /_control/captcha/ID  {"answer": "..."} of a captcha
  GET    /_control/analytics   {"events": {"key": count, ...}}
  GET    /_control/stats       {"signature_failures": n, "objects": n}
  PUT    /_control/objects/KEY store the body under KEY (KEY percent-encoded)
  GET    /_control/objects/KEY the object (ETag header), 404 when absent
  DELETE /_control/objects/KEY remove it
  GET    /_control/objects?prefix=P   {"objects": [{"key","etag","size"}, ...]}
  POST   /_control/objects     {"objects": [{"key": K, "text": T} or {"key": K, "base64": B}, ...]}

Fault rules. A request that matches a rule gets the rule's answer instead of
(or before) the normal one. Fields:
  "method"  "GET", "PUT", ... or "*" (default: any)
  "path"    glob on the decoded path, "*" matches anything, "/" included
            (objects: "/lumoranking/" + key; listings: "/lumoranking")
  "query"   glob on the decoded query text (default: any)
  "skip"    let this many matching requests through first (default 0)
  "times"   how many requests get the fault (default: every one)
  "delay_ms" wait this long first (alone: then answer normally)
  "action"  one of
     "status"  answer "status" with "body" (or "body_base64"), "content_type"
               and "headers" (an object); the body defaults to an XML error
               for storage paths and a JSON error otherwise
     "html"    answer 200 with an HTML page ("body" replaces it)
     "stall"   never answer; the connection is closed when the client gives
               up, the rules are removed or the server stops
     "drop"    close the connection without an answer
     "cut"     answer normally but close the connection after "bytes" bytes
               of the body (the Content-Length still promises the whole body)
     "delay"   only the delay
Example: the second listing page fails twice with 500, then every object
download is cut after 10 bytes:
  curl -X POST http://127.0.0.1:PORT/_control/faults -d '[
    {"method":"GET","path":"/lumoranking","query":"*marker=*","times":2,"action":"status","status":500},
    {"method":"GET","path":"/lumoranking/data/*","action":"cut","bytes":10}]'
Qt clients resend a request whose connection closes before any byte of the
answer arrived, up to twice: a "drop" needs "times" 3 to reach the caller.
)");
}
