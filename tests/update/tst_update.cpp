// The new-version check end to end against a feed server of the test's own
// on 127.0.0.1, and the version comparison.
#include "testenvironment.h"

#include "data/global.h"
#include "function/function.h"
#include "function/message.h"
#include "update/update.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

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

// A minimal HTTP/1.1 server: one canned reply for every request, each
// request's path recorded.
class FeedServer : public QObject
{
    Q_OBJECT
public:
    int status = 200;
    QByteArray body;
    QStringList paths;

    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_server.serverPort(); }
    FeedServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    m_buffers[socket] += socket->readAll();
                    const QByteArray& request = m_buffers[socket];
                    if (!request.contains("\r\n\r\n"))
                        return;
                    paths << QString::fromLatin1(request.split(' ').value(1));
                    const QByteArray reason = status == 200 ? "OK" : "Error";
                    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: text/xml\r\n"
                        "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

private:
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

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

    FeedServer server;
    UrlCatcher catcher;

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
        QVERIFY(server.listen());
        qputenv("PENLARK_UPDATE_FEED",
            QStringLiteral("http://127.0.0.1:%1%2").arg(server.port()).arg(QLatin1String(feedPath)).toUtf8());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    }
    void init()
    {
        server.status = 200;
        server.paths.clear();
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
        server.body = feed(QStringLiteral("2.0.14"), QStringLiteral("Faster saving"));
        update u;
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        QSignalSpy has(&u, &update::hasNewVerisonChanged);
        check(u);
        QCOMPARE(server.paths, QStringList { QLatin1String(feedPath) });
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
        QCOMPARE(catcher.urls.at(0).toString(),
            QStringLiteral("http://127.0.0.1:%1/Master/TovaWriter_installer.deb").arg(server.port()));
        QCOMPARE(server.paths.size(), 2);
    }

    void lastVersionElementWins()
    {
        server.body = feed(QStringLiteral("2.0.20,2.0.12"));
        update u;
        check(u);
        QVERIFY(!u.hasNewVerison());
        QCOMPARE(u.tips(), QStringLiteral("恭喜，已经是最新版了"));
    }

    void sameVersionIsLatest()
    {
        server.body = feed(QStringLiteral("2.0.13"));
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
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
    }
    void serverErrorSaysConnectFailed()
    {
        QFETCH(int, status);
        server.status = status;
        server.body = feed(QStringLiteral("9.9.9"));
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
        const QByteArray saved = qgetenv("PENLARK_UPDATE_FEED");
        qputenv("PENLARK_UPDATE_FEED", QStringLiteral("http://127.0.0.1:%1/Updates.xml").arg(port).toUtf8());
        update u;
        check(u);
        qputenv("PENLARK_UPDATE_FEED", saved);
        QCOMPARE(u.tips(), QStringLiteral("连接更新服务器失败!"));
    }

    void noFeedConfiguredMakesNoRequest()
    {
        const QByteArray saved = qgetenv("PENLARK_UPDATE_FEED");
        qunsetenv("PENLARK_UPDATE_FEED");
        update u;
        u.checkNewVersion();
        qputenv("PENLARK_UPDATE_FEED", saved);
        QCOMPARE(u.tips(), QStringLiteral("连接更新服务器失败!"));
        QVERIFY(server.paths.isEmpty());
    }

    void malformedFeedShowsTheXmlError()
    {
        server.body = "<Updates><Version>2.1</Version><UpdateText>broken";
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
