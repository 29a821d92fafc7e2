// The new-version check end to end against the feed that penlark-server
// serves from its folder, and the version comparison.
#include "testenvironment.h"

#include "penlarkserver.h"

#include "data/global.h"
#include "data/serviceconfig.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "update/update.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>

namespace {
const char* const feedPath = "/update/linux/Master/repository/Updates.xml";

QByteArray feed(const QString& versions, const QString& notes = QStringLiteral("Faster saving"))
{
    QString body = QStringLiteral("<?xml version=\"1.0\"?>\n<Updates><ApplicationName>Penlark</ApplicationName>");
    for (const QString& v : versions.split(QLatin1Char(','), Qt::SkipEmptyParts))
        body += QStringLiteral("<PackageUpdate><Name>app</Name><Version>%1</Version><ReleaseDate>2026-11-30</ReleaseDate>"
                               "<UpdateText>%2</UpdateText></PackageUpdate>")
                    .arg(v, notes);
    body += QStringLiteral("</Updates>\n");
    return body.toUtf8();
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestUpdate : public QObject
{
    Q_OBJECT

    PenlarkServer server;
    UrlCatcher catcher;

    // The 64-bit feed of this version type, as the server's folder holds it.
    void setFeed(const QByteArray& body)
    {
        const QString file = server.dataPath() + QStringLiteral("/update/linux/Master/repository/Updates.xml");
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(body);
    }
    QStringList feedRequests() const
    {
        QStringList paths;
        for (const ServerRequest& r : server.requests())
            paths << r.path;
        return paths;
    }

    // Runs one check and waits for its outcome (tips changes on every
    // finished check, so it is cleared first).
    void check(update& u, bool force = false)
    {
        u.setTips(QString());
        QSignalSpy tips(&u, &update::tipsChanged);
        u.checkNewVersion(force);
        QVERIFY(tips.wait(5000));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.start());
        // Only the server's address is configured; the check builds the rest.
        qputenv("PENLARK_SERVER", server.url().toUtf8());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    }
    void init()
    {
        QVERIFY(server.reset());
        catcher.urls.clear();
    }

    void versionComparison_data()
    {
        QTest::addColumn<QString>("feed");
        QTest::addColumn<bool>("newer");
        for (const char* v : { "2.0.14", "2.1", "3", "10.0.0", "2.0.13.1" })
            QTest::newRow(v) << QString::fromLatin1(v) << true;
        for (const char* v : { "2.0.13", "2.0", "2.0.9", "1.99.99", "2.0.13-beta", "2.0.13.0", "2.0.13.0.0", "", "abc" })
            QTest::newRow(*v ? v : "empty") << QString::fromLatin1(v) << false;
    }
    void versionComparison()
    {
        QFETCH(QString, feed);
        QFETCH(bool, newer);
        QCOMPARE(update::isVersionBigger(feed, QStringLiteral("2.0.13")), newer);
    }

    void newerVersionIsAnnounced()
    {
        setFeed(feed(QStringLiteral("2.0.14"), QStringLiteral("Faster saving")));
        update u;
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        QSignalSpy has(&u, &update::hasNewVerisonChanged);
        check(u);
        QCOMPARE(feedRequests(), QStringList { QLatin1String(feedPath) });
        QVERIFY(u.hasNewVerison());
        QCOMPARE(has.count(), 1);
        QCOMPARE(u.tips(), QStringLiteral("有新版:2.0.14"));
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toString(), QStringLiteral("Faster saving"));
        QCOMPARE(notices.at(0).at(1).toInt(), int(Message::Update));
        QCOMPARE(notices.at(0).at(3).toString(), QStringLiteral("2.0.14"));

        // Asking again while a newer version is known opens the installer
        // page and checks the feed again.
        check(u, true);
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.at(0).toString(), server.url() + QStringLiteral("/Master/TovaWriter_installer.deb"));
        QCOMPARE(feedRequests().size(), 2);
        // The server hands out the installer placed in its folder.
        const QString package = server.dataPath() + QStringLiteral("/update/Master/TovaWriter_installer.deb");
        QDir().mkpath(QFileInfo(package).path());
        QFile deb(package);
        QVERIFY(deb.open(QIODevice::WriteOnly));
        deb.write("!<arch>\n");
        deb.close();
        const ServerAnswer installer = server.call("GET", QStringLiteral("/Master/TovaWriter_installer.deb"));
        QCOMPARE(installer.status, 200);
        QCOMPARE(installer.body, QByteArray("!<arch>\n"));
    }

    void lastVersionElementWins()
    {
        setFeed(feed(QStringLiteral("2.0.20,2.0.12")));
        update u;
        check(u);
        QVERIFY(!u.hasNewVerison());
        QCOMPARE(u.tips(), QStringLiteral("恭喜，已经是最新版了"));
    }

    void sameVersionIsLatest()
    {
        setFeed(feed(QStringLiteral("2.0.13")));
        update u;
        u.setHasNewVerison(true);
        check(u);
        QVERIFY(!u.hasNewVerison());
        QCOMPARE(u.tips(), QStringLiteral("恭喜，已经是最新版了"));
    }

    // A failed request is not reported as "latest version".
    void serverErrorSaysConnectFailed_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("no feed in the folder") << 404;
        QTest::newRow("500") << 500;
        QTest::newRow("body cut short") << 200;
    }
    void serverErrorSaysConnectFailed()
    {
        QFETCH(int, status);
        setFeed(feed(QStringLiteral("9.9.9")));
        if (status == 404)
            QFile::remove(server.dataPath() + QStringLiteral("/update/linux/Master/repository/Updates.xml"));
        else if (status == 500)
            server.addFault(QJsonObject { { "path", "/update/*" }, { "action", "status" }, { "status", 500 } });
        else
            server.addFault(QJsonObject { { "path", "/update/*" }, { "action", "cut" }, { "bytes", 100 } });
        update u;
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        check(u);
        QVERIFY(!u.hasNewVerison());
        QCOMPARE(u.tips(), QStringLiteral("连接更新服务器失败!"));
        QCOMPARE(notices.count(), 0);
    }

    void unreachableServer()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        qputenv("PENLARK_SERVER", QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8());
        update u;
        check(u);
        qputenv("PENLARK_SERVER", server.url().toUtf8());
        QCOMPARE(u.tips(), QStringLiteral("连接更新服务器失败!"));
    }

    void noFeedConfiguredMakesNoRequest()
    {
        qunsetenv("PENLARK_SERVER");
        update u;
        u.checkNewVersion();
        qputenv("PENLARK_SERVER", server.url().toUtf8());
        QCOMPARE(u.tips(), QStringLiteral("连接更新服务器失败!"));
        QVERIFY(server.requests().isEmpty());
    }

    // The feed's own variable: a server's address gets the feed's path, a
    // whole feed address is taken as it is.
    void feedAddresses_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("feedVariable");
        QTest::addColumn<QString>("feed");
        QTest::addColumn<QString>("installer");
        QTest::newRow("base only") << "http://h:1" << "" << "http://h:1/update/linux/Master/repository/Updates.xml"
                                   << "http://h:1/Master/TovaWriter_installer.deb";
        QTest::newRow("base with a path") << "http://h:1/penlark/" << "" << "http://h:1/penlark/update/linux/Master/repository/Updates.xml"
                                          << "http://h:1/penlark/Master/TovaWriter_installer.deb";
        QTest::newRow("feed server of its own") << "http://h:1" << "http://u:2" << "http://u:2/update/linux/Master/repository/Updates.xml"
                                                << "http://u:2/Master/TovaWriter_installer.deb";
        QTest::newRow("whole feed address") << "" << "http://u:2/x/Updates.xml" << "http://u:2/x/Updates.xml"
                                            << "http://u:2/Master/TovaWriter_installer.deb";
        QTest::newRow("nothing") << "" << "" << "" << "";
    }
    void feedAddresses()
    {
        QFETCH(QString, base);
        QFETCH(QString, feedVariable);
        const auto restore = qScopeGuard([this] {
            qputenv("PENLARK_SERVER", server.url().toUtf8());
            qunsetenv("PENLARK_UPDATE_FEED");
        });
        qputenv("PENLARK_SERVER", base.toUtf8());
        qputenv("PENLARK_UPDATE_FEED", feedVariable.toUtf8());
        QTEST(update::feedUrl().toString(), "feed");
        QTEST(update::installerUrl().toString(), "installer");
    }

    void malformedFeedShowsTheXmlError()
    {
        setFeed("<Updates><Version>2.1</Version><UpdateText>broken");
        update u;
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        check(u);
        QVERIFY(!notices.isEmpty());
        QCOMPARE(notices.at(0).at(1).toInt(), int(Message::Error));
        QVERIFY(!notices.at(0).at(0).toString().isEmpty());
        // The version read before the error still counts.
        QVERIFY(u.hasNewVerison());
    }
};

PENLARK_TEST_MAIN(TestUpdate)
#include "tst_update.moc"
