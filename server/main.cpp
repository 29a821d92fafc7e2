// penlark-server: Penlark's account server, object storage, usage analytics
// and update feed in one program. See --help.
#include "accountapi.h"
#include "accountpages.h"
#include "accountrules.h"
#include "accountstore.h"
#include "analytics.h"
#include "avatarstore.h"
#include "captchastore.h"
#include "controlapi.h"
#include "credentialstore.h"
#include "database.h"
#include "faultinjector.h"
#include "httpserver.h"
#include "objectstore.h"
#include "requestjournal.h"
#include "serverlog.h"
#include "serveroptions.h"
#include "signinthrottle.h"
#include "storageapi.h"
#include "updatefeed.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

namespace {
// The administrator's reset of a forgotten password.
int setPassword(AccountStore& accounts, const QString& name)
{
    Account account;
    if (accounts.find(name, &account) != AccountStore::Lookup::Found) {
        std::fprintf(stderr, "penlark-server: no account %s\n", qPrintable(name));
        return 1;
    }
    QTextStream in(stdin);
    const QString password = in.readLine();
    const QString problem = AccountRules::passwordProblem(password);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "penlark-server: %s\n", qPrintable(problem));
        return 1;
    }
    if (accounts.setPassword(account.id, password) != AccountStore::Outcome::Done)
        return 1;
    std::printf("password of %s set\n", qPrintable(account.name));
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("penlark-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.13"));

    ServerOptions options;
    QString message;
    if (!options.parse(QCoreApplication::arguments(), &message)) {
        if (message.isEmpty())
            return 0;
        std::fprintf(stderr, "penlark-server: %s\n", qPrintable(message));
        return 2;
    }

    // Writes to a closed connection fail with an error instead of ending
    // the process; termination signals are taken by one waiting thread.
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    if (!QDir().mkpath(options.dataPath)) {
        std::fprintf(stderr, "penlark-server: cannot create the data folder %s\n", qPrintable(options.dataPath));
        return 1;
    }
    Database database(options.database, options.sqlitePath());
    if (!database.open(&message)) {
        std::fprintf(stderr, "penlark-server: cannot open the database (%s): %s\n", qPrintable(database.describe()),
                     qPrintable(message));
        return 1;
    }
    ObjectStore objects;
    if (!objects.open(options.objectsPath(), &message)) {
        std::fprintf(stderr, "penlark-server: %s\n", qPrintable(message));
        return 1;
    }
    AvatarStore avatars;
    if (!avatars.open(options.avatarsPath(), &message)) {
        std::fprintf(stderr, "penlark-server: %s\n", qPrintable(message));
        return 1;
    }
    AccountStore accounts(database);
    if (!options.setPasswordOf.isEmpty())
        return setPassword(accounts, options.setPasswordOf);
    CredentialStore credentials(database);
    CaptchaStore captchas(database);
    SignInThrottle throttle;
    StorageApi storage(options, objects, credentials);
    AccountApi::Parts accountParts;
    accountParts.accounts = &accounts;
    accountParts.credentials = &credentials;
    accountParts.captchas = &captchas;
    accountParts.avatars = &avatars;
    accountParts.throttle = &throttle;
    AccountApi accountApi(options, accountParts);
    AccountPages accountPages(captchas, avatars);
    Analytics analytics(database);
    UpdateFeed updateFeed(options.feedPath());
    FaultInjector faults;
    RequestJournal journal;

    HttpServer server(options);
    const auto to = [](auto& api) {
        return [&api](const httplib::Request& q, httplib::Response& r, RequestContext& c) { api.handle(q, r, c); };
    };
    ControlApi::Parts parts;
    parts.faults = &faults;
    parts.journal = &journal;
    parts.database = &database;
    parts.accounts = &accounts;
    parts.credentials = &credentials;
    parts.objects = &objects;
    parts.storage = &storage;
    parts.accountApi = &accountApi;
    parts.captchas = &captchas;
    parts.analytics = &analytics;
    ControlApi control(parts);
    if (options.testControl) {
        server.setTestControl(&faults, &journal);
        server.controlRoute("/_control", to(control));
    }
    // Uploads go to their files as they arrive, the avatar once its sender
    // is known; other bodies are small.
    server.route("/" + StorageApi::bucket, false, to(storage), options.maxObjectSize + StorageApi::formOverhead,
                 HttpServer::Body::Streamed);
    server.route("/api/v1/user/settings/avatar", true, to(accountApi), AvatarStore::maxUpload + HttpServer::smallBody,
                 HttpServer::Body::Streamed);
    server.route("/api", false, to(accountApi));
    server.route("/captcha", false, to(accountPages));
    server.route("/avatars", false, to(accountPages));
    server.route("/user/forget_password", true, to(accountPages));
    server.route("/i", true, to(analytics));
    server.route("/update", false, to(updateFeed));
    server.route("/Master", false, to(updateFeed));

    const int port = server.bind();
    if (port < 0) {
        std::fprintf(stderr, "penlark-server: cannot listen on %s:%d\n", qPrintable(options.listenAddress), options.port);
        return 1;
    }
    ServerLog::line(QStringLiteral("penlark-server listening on http://%1:%2 (data %3, %4%5)")
                        .arg(options.listenAddress)
                        .arg(port)
                        .arg(options.dataPath, database.describe(),
                             options.testControl ? QStringLiteral(", test control on") : QString()));

    std::thread waiter([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        if (signal == SIGINT || signal == SIGTERM)
            server.stop();
    });
    server.run();
    // When the server ended by itself, the waiter still waits for a signal.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    ServerLog::line(QStringLiteral("penlark-server stopped"));
    return 0;
}
