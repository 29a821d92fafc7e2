// The object-storage client and the document sync, end to end against a
// local stand-in account server and object-storage server.
#include "testenvironment.h"

#include "fakeaccountserver.h"
#include "fakeossserver.h"

#include "data/global.h"
#include "function/datareply.h"
#include "function/function.h"
#include "function/message.h"
#include "function/oss.h"
#include "function/osslistreply.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QSignalSpy>

class TestCloud : public QObject
{
    Q_OBJECT

private:
    FakeAccountServer* m_accounts = nullptr;
    FakeOssServer* m_store = nullptr;
    QStringList m_notices;

    // A fresh client per test, so every test starts with empty caches.
    oss* m_client = nullptr;
    oss* client() const { return m_client; }
    static UserDatas* user() { return Users::instance()->getUserData(); }

    static NetworkData wait(DataReply* reply)
    {
        QSignalSpy spy(reply, &DataReply::finished);
        if (!spy.wait(5000))
            return NetworkData();
        return spy.at(0).at(0).value<NetworkData>();
    }
    static oss::OssList wait(OssListReply* reply)
    {
        QSignalSpy spy(reply, &OssListReply::finished);
        if (!spy.wait(10000))
            return oss::OssList();
        return spy.at(0).at(0).value<oss::OssList>();
    }
    int tokenRequests() const { return m_accounts->requestsTo(QStringLiteral("/api/v2/ranking/ststoken")).size(); }


private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text) { m_notices << text; });
        m_accounts = new FakeAccountServer();
        m_store = new FakeOssServer();
        QVERIFY(m_accounts->isListening() && m_store->isListening());
        qputenv("PENLARK_ACCOUNT_SERVER", m_accounts->url().toUtf8());
        user()->setLogin(QStringLiteral("ann"));
        user()->setPassword(QStringLiteral("secret"));
        user()->setLogined(true);
    }

    void init()
    {
        m_store->serveTokens(*m_accounts);
        m_client = new oss();
        m_accounts->requests.clear();
        m_store->requests.clear();
        m_store->rawTargets.clear();
        m_store->objects.clear();
        m_store->etags.clear();
        m_store->failure = nullptr;
        m_store->signatureFailures = 0;
        m_notices.clear();
    }

    void cleanup()
    {
        delete m_client;
        m_client = nullptr;
    }

    // ---- credentials and signing -------------------------------------------

    void sharedTokenFetch()
    {
        QList<QSignalSpy*> spies;
        for (int i = 0; i < 3; ++i)
            spies << new QSignalSpy(client()->getObject(QStringLiteral("k%1").arg(i)), &DataReply::finished);
        for (QSignalSpy* spy : spies) {
            QVERIFY(spy->count() == 1 || spy->wait(5000));
            QCOMPARE(spy->at(0).at(0).value<NetworkData>().statusCode, 404);
        }
        qDeleteAll(spies);
        QCOMPARE(tokenRequests(), 1);
        // The cache serves the next request, also one made from a handler.
        int inner = 0;
        DataReply* first = client()->getObject(QStringLiteral("k"));
        connect(first, &DataReply::finished, this, [this, &inner]() {
            connect(client()->getObject(QStringLiteral("k")), &DataReply::finished, this, [&inner](NetworkData d) { inner = d.statusCode; });
        });
        QTRY_COMPARE(inner, 404);
        QCOMPARE(tokenRequests(), 1);
        QCOMPARE(m_store->signatureFailures, 0);
    }

    void tokenReuseLimit_data()
    {
        QTest::addColumn<int>("lifetime");
        QTest::addColumn<int>("fetches");
        QTest::newRow("expires in 20 s: fetched again") << 20 << 2;
        QTest::newRow("expires in 60 s: reused") << 60 << 1;
    }
    void tokenReuseLimit()
    {
        QFETCH(int, lifetime);
        QFETCH(int, fetches);
        m_store->serveTokens(*m_accounts, lifetime);
        QCOMPARE(wait(client()->getObject(QStringLiteral("a"))).statusCode, 404);
        QCOMPARE(wait(client()->getObject(QStringLiteral("a"))).statusCode, 404);
        QCOMPARE(tokenRequests(), fetches);
    }

    void tokenFailure()
    {
        m_accounts->setHandler(QStringLiteral("/api/v2/ranking/ststoken"),
            [](const FakeRequest&) { return FakeResponse::json(QJsonObject { { "ok", false }, { "error", "denied" } }, 401); });
        DataReply* a = client()->getObject(QStringLiteral("a"));
        OssListReply* b = client()->getFullList(QStringLiteral("data/"), QString());
        NetworkData again;
        connect(a, &DataReply::finished, this, [this, &again]() {
            connect(client()->deleteObject(QStringLiteral("a")), &DataReply::finished, this, [&again](NetworkData d) { again = d; });
        });
        const oss::OssList list = wait(b);
        QCOMPARE(list.statusCode, 406);
        QCOMPARE(list.errorString, QStringLiteral("can not get token"));
        QTRY_COMPARE(again.statusCode, 406);
        QCOMPARE(again.errorString, QStringLiteral("can not get token"));
        QCOMPARE(tokenRequests(), 2);
        QVERIFY(m_store->requests.isEmpty());
    }

    void signature()
    {
        oss::ossStsToken token;
        token.accesskeyid = QStringLiteral("id");
        token.accesskeysecret = QStringLiteral("secret");
        const QString date = QStringLiteral("Tue, 08 Dec 2026 01:30:03 GMT");
        QCOMPARE(oss::getSignature("GET", "/data/a.txt", date, token), oss::getSignature("GET", "data/a.txt", date, token));
        const QByteArray toSign = "GET\n\n\n" + date.toUtf8() + "\nx-oss-security-token:\n/lumoranking/data/a.txt";
        QCOMPARE(oss::getSignature("GET", "data/a.txt", date, token),
            "OSS id:" + QString::fromLatin1(QMessageAuthenticationCode::hash(toSign, "secret", QCryptographicHash::Sha1).toBase64()));
    }

    // ---- operations --------------------------------------------------------

    void objectRoundTrip()
    {
        const QString key = QStringLiteral("data/ann/新 书/第一章 a.txt");
        const QByteArray body = "第一章\n正文";
        const NetworkData put = wait(client()->putObject(key, body, "text/plain"));
        QCOMPARE(put.statusCode, 200);
        QVERIFY(!put.eTag.isEmpty());
        QVERIFY(m_store->rawTargets.last().startsWith(QStringLiteral("/data%2Fann%2F")));
        const NetworkData got = wait(client()->getObject(key));
        QCOMPARE(got.statusCode, 200);
        QCOMPARE(got.data, body);
        QCOMPARE(got.eTag, put.eTag);
        const oss::OssList list = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(list.contents.size(), 1);
        QCOMPARE(list.contents[0].Key, key);
        QCOMPARE(list.contents[0].ETag, put.eTag);
        QCOMPARE(list.contents[0].Size, QString::number(body.size()));
        QCOMPARE(list.contents[0].Owner, QStringLiteral("11"));
        QCOMPARE(wait(client()->deleteObject(key)).statusCode, 204);
        QCOMPARE(wait(client()->deleteObject(key)).statusCode, 204);
        QCOMPARE(wait(client()->getObject(key)).statusCode, 404);
        QCOMPARE(m_store->signatureFailures, 0);
    }

    void fullListing()
    {
        for (int i = 0; i < 1200; ++i)
            m_store->putObject(QStringLiteral("data/ann/%1.txt").arg(i, 4, 10, QLatin1Char('0')), "x");
        m_store->putObject(QStringLiteral("data/bob/a.txt"), "x");
        const oss::OssList list = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(list.statusCode, 200);
        QCOMPARE(list.contents.size(), 1200);
        QCOMPARE(list.contents.first().Key, QStringLiteral("data/ann/0000.txt"));
        QCOMPARE(list.contents.last().Key, QStringLiteral("data/ann/1199.txt"));
        const QList<FakeRequest> pages = m_store->requestsWith("GET");
        QCOMPARE(pages.size(), 3);
        QVERIFY(!pages[0].query.hasQueryItem(QStringLiteral("marker")));
        QCOMPARE(pages[0].query.queryItemValue(QStringLiteral("delimiter")), QString());
        QVERIFY(pages[0].query.hasQueryItem(QStringLiteral("delimiter")));
        QCOMPARE(pages[1].query.queryItemValue(QStringLiteral("marker"), QUrl::FullyDecoded), QStringLiteral("data/ann/0499.txt"));
        QCOMPARE(pages[2].query.queryItemValue(QStringLiteral("max-keys")), QStringLiteral("500"));

        // A failing second page drops the first page's objects.
        m_store->requests.clear();
        m_store->failure = [](const FakeRequest& r) { return r.query.hasQueryItem(QStringLiteral("marker")) ? 403 : 0; };
        const oss::OssList failed = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(failed.statusCode, 403);
        QVERIFY(!failed.errorString.isEmpty());
        QVERIFY(failed.contents.isEmpty());
    }

    void listingEndsOnBadPage()
    {
        // A truncated page without a new marker must not loop.
        m_store->failure = nullptr;
        const QByteArray xml = "<ListBucketResult><Contents><Key>a</Key></Contents><IsTruncated>true</IsTruncated></ListBucketResult>";
        oss::OssList list;
        QVERIFY(oss::parseListPage(xml, list));
        QVERIFY(list.isTruncated);
        QVERIFY(!oss::parseListPage("not xml", list));
        oss::OssList caps;
        oss::parseListPage("<ListBucketResult><IsTruncated>True</IsTruncated></ListBucketResult>", caps);
        QVERIFY(!caps.isTruncated);
    }

    void policyUpload()
    {
        m_store->serveTokens(*m_accounts, 3600, QStringLiteral("ranking/"));
        const NetworkData refused = wait(client()->postObject(QStringLiteral("data/ann/x.json"), QStringLiteral("{}")));
        QCOMPARE(refused.statusCode, 401);
        QCOMPARE(refused.errorString, QStringLiteral("This path is not authorized by the server"));
        QVERIFY(m_store->requests.isEmpty());
        const NetworkData sent = wait(client()->postObject(QStringLiteral("ranking/hall/1.xml"), QStringLiteral("<room/>")));
        QCOMPARE(sent.statusCode, 200);
        QCOMPARE(m_store->objects.value(QStringLiteral("ranking/hall/1.xml")), QByteArray("<room/>"));
        QCOMPARE(m_store->lastFileHeaders,
            QByteArray("Content-Disposition: form-data; name=\"file\"; filename=\"ranking/hall/1.xml\"\r\nContent-Type: text/plain"));
    }
};

PENLARK_TEST_MAIN(TestCloud)
#include "tst_cloud.moc"
