// The object-storage client and the document sync, end to end against the
// real penlark-server (account server and object storage).
#include "testenvironment.h"
#include "mainengine.h"

#include <QJsonObject>

#include <QJsonDocument>

#include "penlarkserver.h"
#include "smalldisk.h"

#include "data/global.h"
#include "function/datareply.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "function/oss.h"
#include "function/osslistreply.h"
#include "function/ossxml.h"
#include "function/transfercheck.h"
#include "files/cloudDisk/analysissyncworker.h"
#include "files/cloudDisk/clouddisk.h"
#include "data/settings.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"

#include "data/data.h"
#include "data/signalobject.h"
#include "data/statsclock.h"
#include "TovaUi/function/qmlkey.h"
#include "i18n/i18n.h"
#include "registertype/registertype.h"

#include <QDir>
#include <QJsonArray>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QFile>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QTemporaryDir>

class TestCloud : public QObject
{
    Q_OBJECT

private:
    PenlarkServer m_server;
    QStringList m_notices;
    int m_signatureFailures = 0; // before the test

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
    int tokenRequests() const { return m_server.requestsTo(QStringLiteral("/api/v2/ranking/ststoken")).size(); }
    // Answers matching storage requests with a status (a fault rule).
    void fail(const QByteArray& method, const QString& path, int status, const QString& query = QStringLiteral("*"))
    {
        QCOMPARE(m_server.addFault(QJsonObject { { "method", QString::fromLatin1(method) }, { "path", path }, { "query", query },
                                                 { "action", "status" }, { "status", status } })
                     .size(),
                 1);
    }


    // ---- sync helpers --------------------------------------------------------

    cloudDisk* m_disk = nullptr;
    QString m_deviceA;
    QString m_deviceB;

    void use(const QString& device) { global::setDocumentPath(device); }

    static void write(const QString& rel, const QByteArray& bytes)
    {
        const QString path = cloudDisk::localPath(rel);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& rel, const QString& suffix = QString())
    {
        QFile f(cloudDisk::localPath(rel) + suffix);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static int historyCount()
    {
        return QDir(global::documentPath() + QStringLiteral("/.History")).entryList(QDir::Files).size();
    }

    // One run with notices on; returns the transfer requests it sent.
    QStringList run(const QString& device)
    {
        use(device);
        m_server.clearRequests();
        m_disk->doUpdate(true);
        [this]() { QTRY_VERIFY_WITH_TIMEOUT(!m_disk->updating(), 10000); }();
        QTest::qWait(20); // an upload started by a conflict may still be under way
        QStringList sent;
        for (const ServerRequest& r : m_server.storageRequests())
            if (!r.key().isEmpty())
                sent << QString::fromLatin1(r.method) + QLatin1Char(' ') + r.key().mid(QStringLiteral("data/ann/").size());
        return sent;
    }

private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text) { m_notices << text; });
        QVERIFY(m_server.start());
        QVERIFY(m_server.createAccount(QStringLiteral("ann"), QStringLiteral("secret")) > 0);
        QVERIFY(m_server.createAccount(QStringLiteral("bob"), QStringLiteral("secret")) > 0);
        qputenv("PENLARK_SERVER", m_server.url().toUtf8());
        user()->setLogin(QStringLiteral("ann"));
        user()->setPassword(QStringLiteral("secret"));
        user()->setLogined(true);
    }

    void init()
    {
        QVERIFY(m_server.reset(true));
        QVERIFY(m_server.setOptions(QJsonObject { { "token_lifetime", 3600 } }));
        m_signatureFailures = m_server.signatureFailures();
        m_client = new oss();
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
            spies << new QSignalSpy(client()->getObject(QStringLiteral("data/ann/k%1").arg(i)), &DataReply::finished);
        for (QSignalSpy* spy : spies) {
            QVERIFY(spy->count() == 1 || spy->wait(5000));
            QCOMPARE(spy->at(0).at(0).value<NetworkData>().statusCode, 404);
        }
        qDeleteAll(spies);
        QCOMPARE(tokenRequests(), 1);
        // The cache serves the next request, also one made from a handler.
        int inner = 0;
        DataReply* first = client()->getObject(QStringLiteral("data/ann/k"));
        connect(first, &DataReply::finished, this, [this, &inner]() {
            connect(client()->getObject(QStringLiteral("data/ann/k")), &DataReply::finished, this, [&inner](NetworkData d) { inner = d.statusCode; });
        });
        QTRY_COMPARE(inner, 404);
        QCOMPARE(tokenRequests(), 1);
        QCOMPARE(m_server.signatureFailures(), m_signatureFailures);
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
        QVERIFY(m_server.setOptions(QJsonObject { { "token_lifetime", lifetime } }));
        QCOMPARE(wait(client()->getObject(QStringLiteral("data/ann/a"))).statusCode, 404);
        QCOMPARE(wait(client()->getObject(QStringLiteral("data/ann/a"))).statusCode, 404);
        QCOMPARE(tokenRequests(), fetches);
    }

    void tokenFailure()
    {
        QCOMPARE(m_server.addFault(QJsonObject { { "path", "/api/v2/ranking/ststoken" }, { "action", "status" }, { "status", 503 },
                                                 { "body", "{\"ok\":false,\"error\":\"denied\"}" } })
                     .size(),
                 1);
        DataReply* a = client()->getObject(QStringLiteral("data/ann/a"));
        OssListReply* b = client()->getFullList(QStringLiteral("data/"), QString());
        NetworkData again;
        connect(a, &DataReply::finished, this, [this, &again]() {
            connect(client()->deleteObject(QStringLiteral("data/ann/a")), &DataReply::finished, this, [&again](NetworkData d) { again = d; });
        });
        const oss::OssList list = wait(b);
        QCOMPARE(list.kind, NetworkData::Kind::NoCredentials);
        QCOMPARE(list.statusCode, 0);
        QCOMPARE(list.errorString, QStringLiteral("can not get token"));
        QTRY_COMPARE(again.kind, NetworkData::Kind::NoCredentials);
        QCOMPARE(again.statusCode, 0);
        QCOMPARE(again.errorString, QStringLiteral("can not get token"));
        QCOMPARE(tokenRequests(), 2);
        QVERIFY(m_server.storageRequests().isEmpty());
        // A server that cannot answer now refuses nobody's password.
        QVERIFY(user()->logined());
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
        // The signature covers an empty Content-Type line, so none may be sent.
        QCOMPARE(m_server.storageRequests("PUT").last().headers.value("content-type"), QByteArray());
        QVERIFY(m_server.storageRequests("PUT").last().target.startsWith(QStringLiteral("/lumoranking/data%2Fann%2F")));
        const NetworkData got = wait(client()->getObject(key));
        QCOMPARE(got.statusCode, 200);
        QCOMPARE(got.data, body);
        QCOMPARE(got.eTag, put.eTag);
        const oss::OssList list = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(list.contents.size(), 1);
        QCOMPARE(list.contents[0].Key, key);
        QCOMPARE(list.contents[0].ETag, put.eTag);
        QCOMPARE(list.contents[0].Size, QString::number(body.size()));
        QCOMPARE(list.contents[0].Owner, QStringLiteral("annann")); // ID and display name run together
        QCOMPARE(wait(client()->deleteObject(key)).statusCode, 204);
        QCOMPARE(wait(client()->deleteObject(key)).statusCode, 204);
        QCOMPARE(wait(client()->getObject(key)).statusCode, 404);
        QCOMPARE(m_server.signatureFailures(), m_signatureFailures);
    }

    void fullListing()
    {
        QMap<QString, QByteArray> objects;
        for (int i = 0; i < 1200; ++i)
            objects.insert(QStringLiteral("data/ann/%1.txt").arg(i, 4, 10, QLatin1Char('0')), "x");
        objects.insert(QStringLiteral("data/bob/a.txt"), "x");
        QVERIFY(m_server.putObjects(objects));
        const oss::OssList list = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(list.statusCode, 200);
        QCOMPARE(list.contents.size(), 1200);
        QCOMPARE(list.contents.first().Key, QStringLiteral("data/ann/0000.txt"));
        QCOMPARE(list.contents.last().Key, QStringLiteral("data/ann/1199.txt"));
        const QList<ServerRequest> pages = m_server.storageRequests("GET");
        QCOMPARE(pages.size(), 3);
        QVERIFY(!pages[0].query.hasQueryItem(QStringLiteral("marker")));
        QCOMPARE(pages[0].query.queryItemValue(QStringLiteral("delimiter")), QString());
        QVERIFY(pages[0].query.hasQueryItem(QStringLiteral("delimiter")));
        QCOMPARE(pages[1].query.queryItemValue(QStringLiteral("marker"), QUrl::FullyDecoded), QStringLiteral("data/ann/0499.txt"));
        QCOMPARE(pages[2].query.queryItemValue(QStringLiteral("max-keys")), QStringLiteral("500"));

        // A failing second page drops the first page's objects.
        m_server.clearRequests();
        fail("GET", QStringLiteral("/lumoranking"), 403, QStringLiteral("*marker=*"));
        const oss::OssList failed = wait(client()->getFullList(QStringLiteral("data/ann/"), QString()));
        QCOMPARE(failed.statusCode, 403);
        QVERIFY(!failed.errorString.isEmpty());
        QVERIFY(failed.contents.isEmpty());
    }

    void listingEndsOnBadPage()
    {
        // A truncated page without a new marker must not loop.
        const QByteArray xml = "<ListBucketResult><Contents><Key>a</Key></Contents><IsTruncated>true</IsTruncated></ListBucketResult>";
        oss::OssList list;
        QVERIFY(oss::parseListPage(xml, list));
        QVERIFY(list.isTruncated);
        QVERIFY(!oss::parseListPage("not xml", list));
        oss::OssList caps;
        oss::parseListPage("<ListBucketResult><IsTruncated>True</IsTruncated></ListBucketResult>", caps);
        QVERIFY(!caps.isTruncated);
    }

    // ---- what counts as a whole transfer and as a listing ------------------

    void verifyDownload_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("eTag");
        QTest::addColumn<QString>("contentMd5");
        QTest::addColumn<qint64>("contentLength");
        QTest::addColumn<QString>("listedETag");
        QTest::addColumn<int>("outcome");
        const QByteArray body = "第一章\n正文";
        const QString md5 = TransferCheck::md5Hex(body);
        const QString quoted = QLatin1Char('"') + md5.toUpper() + QLatin1Char('"');
        const QString base64 = QString::fromLatin1(QByteArray::fromHex(md5.toLatin1()).toBase64());
        const QString other = QStringLiteral("\"0123456789ABCDEF0123456789ABCDEF\"");
        const qint64 size = body.size();
        QTest::newRow("whole, quoted ETag") << body << quoted << QString() << size << QString() << int(TransferCheck::Verified);
        QTest::newRow("whole, bare lower-case ETag") << body << md5 << QString() << qint64(-1) << QString() << int(TransferCheck::Verified);
        QTest::newRow("empty object") << QByteArray() << QStringLiteral("\"D41D8CD98F00B204E9800998ECF8427E\"") << QString() << qint64(0)
                                      << QString() << int(TransferCheck::Verified);
        QTest::newRow("cut short of its length") << body.left(5) << quoted << QString() << size << QString() << int(TransferCheck::WrongLength);
        QTest::newRow("cut, no length") << body.left(5) << quoted << QString() << qint64(-1) << QString() << int(TransferCheck::WrongDigest);
        QTest::newRow("another object's ETag") << body << other << QString() << size << QString() << int(TransferCheck::WrongDigest);
        QTest::newRow("HTML page without ETag") << QByteArray("<html></html>") << QString() << QString() << qint64(13) << QString()
                                                << int(TransferCheck::Unverifiable);
        QTest::newRow("weak ETag") << body << QStringLiteral("W/") + quoted << QString() << size << QString() << int(TransferCheck::Unverifiable);
        QTest::newRow("multipart ETag") << body << QStringLiteral("\"0123456789ABCDEF0123456789ABCDEF-3\"") << QString() << size
                                        << QString() << int(TransferCheck::Unverifiable);
        QTest::newRow("Content-MD5 over a multipart ETag") << body << QStringLiteral("\"AB-2\"") << base64 << size << QString()
                                                           << int(TransferCheck::Verified);
        QTest::newRow("Content-MD5 of other bytes") << body << quoted << QStringLiteral("AAAAAAAAAAAAAAAAAAAAAA==") << size << QString()
                                                    << int(TransferCheck::WrongDigest);
        QTest::newRow("no ETag, the listing's fits") << body << QString() << QString() << size << quoted << int(TransferCheck::Verified);
        QTest::newRow("no ETag, the listing's does not") << body << QString() << QString() << size << other << int(TransferCheck::WrongDigest);
        QTest::newRow("the answer's ETag wins over the listing's") << body << other << QString() << size << quoted
                                                                   << int(TransferCheck::WrongDigest);
    }
    void verifyDownload()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, eTag);
        QFETCH(QString, contentMd5);
        QFETCH(qint64, contentLength);
        QFETCH(QString, listedETag);
        QFETCH(int, outcome);
        NetworkData d;
        d.data = body;
        d.eTag = eTag;
        d.contentMd5 = contentMd5;
        d.contentLength = contentLength;
        const TransferCheck::Result result = TransferCheck::download(d, listedETag);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason.isEmpty(), result.ok());
    }

    void verifyUpload_data()
    {
        QTest::addColumn<QString>("eTag");
        QTest::addColumn<int>("outcome");
        QTest::newRow("the bytes sent") << QStringLiteral("\"0CC175B9C0F1B6A831C399E269772661\"") << int(TransferCheck::Verified);
        QTest::newRow("other bytes") << QStringLiteral("\"92EB5FFEE6AE2FEC3AD71C777531578F\"") << int(TransferCheck::WrongDigest);
        QTest::newRow("no ETag (a proxy's page)") << QString() << int(TransferCheck::Unverifiable);
    }
    void verifyUpload()
    {
        QFETCH(QString, eTag);
        QFETCH(int, outcome);
        NetworkData d;
        d.eTag = eTag;
        QCOMPARE(int(TransferCheck::upload(d, "a").outcome), outcome);
    }

    void listingPages_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("isListing");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<QString>("marker");
        const QByteArray page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ListBucketResult>\n  <Name>lumoranking</Name>\n"
                                "  <Contents>\n    <Key>data/ann/a &amp; b.txt</Key>\n    <ETag>\"X\"</ETag>\n"
                                "    <Owner>\n      <ID>1</ID>\n      <DisplayName>ann</DisplayName>\n    </Owner>\n  </Contents>\n"
                                "  <CommonPrefixes><Prefix>data/ann/x/</Prefix></CommonPrefixes>\n"
                                "  <Contents><Key><![CDATA[data/ann/第二章.txt]]></Key></Contents>\n"
                                "  <IsTruncated>true</IsTruncated>\n  <NextMarker>data/ann/第二章.txt</NextMarker>\n</ListBucketResult>\n";
        QTest::newRow("the store's page") << page << true << QStringList { "data/ann/a & b.txt", "data/ann/第二章.txt" } << true
                                          << QStringLiteral("data/ann/第二章.txt");
        QTest::newRow("empty listing") << QByteArray("<ListBucketResult><IsTruncated>false</IsTruncated></ListBucketResult>") << true
                                       << QStringList() << false << QStringLiteral("previous");
        QTest::newRow("\"True\" is not true") << QByteArray("<ListBucketResult><IsTruncated>True</IsTruncated></ListBucketResult>") << true
                                              << QStringList() << false << QStringLiteral("previous");
        QTest::newRow("cut short") << page.left(page.size() / 2) << false << QStringList() << false << QString();
        QTest::newRow("an HTML page") << QByteArray("<!DOCTYPE html><html><body>Sign in</body></html>") << false << QStringList() << false
                                      << QString();
        QTest::newRow("an error document") << QByteArray("<Error><Code>AccessDenied</Code></Error>") << false << QStringList() << false
                                           << QString();
        QTest::newRow("JSON") << QByteArray("{\"ok\":true}") << false << QStringList() << false << QString();
        QTest::newRow("empty body") << QByteArray() << false << QStringList() << false << QString();
        QTest::newRow("a second root") << QByteArray("<ListBucketResult/><ListBucketResult/>") << false << QStringList() << false << QString();
        QTest::newRow("entities") << QByteArray("<!DOCTYPE l [<!ENTITY a \"aaaa\">]><ListBucketResult><Contents><Key>&a;</Key></Contents>"
                                                "</ListBucketResult>")
                                  << false << QStringList() << false << QString();
        QByteArray deep = "<ListBucketResult>";
        for (int i = 1; i < OssXml::maxDepth; ++i)
            deep += "<Contents>";
        for (int i = 1; i < OssXml::maxDepth; ++i)
            deep += "</Contents>";
        QTest::newRow("nested to the limit") << deep + "</ListBucketResult>" << true << QStringList { QString() } << false
                                             << QStringLiteral("previous");
        QTest::newRow("nested past the limit") << deep.replace("<Contents></Contents>", "<Contents><x/></Contents>") + "</ListBucketResult>"
                                               << false << QStringList() << false << QString();
        QTest::newRow("nested 100 000 deep") << "<ListBucketResult>" + QByteArray("<a>").repeated(100000) << false << QStringList() << false
                                             << QString();
        QTest::newRow("larger than a page can be") << "<ListBucketResult><Name>" + QByteArray(OssXml::maxBytes, 'x') + "</Name></ListBucketResult>"
                                                   << false << QStringList() << false << QString();
    }
    void listingPages()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, isListing);
        QFETCH(QStringList, keys);
        QFETCH(bool, truncated);
        QFETCH(QString, marker);
        oss::OssList list;
        list.contents << oss::OssListContent { QStringLiteral("earlier page") };
        list.nextMarker = QStringLiteral("previous");
        QCOMPARE(OssXml::readListPage(xml, list), isListing);
        if (!isListing) {
            // A page that is no listing changes nothing.
            QCOMPARE(list.contents.size(), 1);
            QCOMPARE(list.nextMarker, QStringLiteral("previous"));
            return;
        }
        QStringList found;
        for (int i = 1; i < list.contents.size(); ++i)
            found << list.contents[i].Key;
        QCOMPARE(found, keys);
        QCOMPARE(list.isTruncated, truncated);
        QCOMPARE(list.nextMarker, marker);
        if (!keys.isEmpty() && keys.first().startsWith(QLatin1String("data/ann/a"))) {
            QCOMPARE(list.contents[1].ETag, QStringLiteral("\"X\""));
            QCOMPARE(list.contents[1].Owner, QStringLiteral("1ann"));
        }
    }

    void errorDocuments_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("code");
        QTest::newRow("no such key") << QByteArray("<?xml version=\"1.0\"?>\n<Error>\n  <Code>NoSuchKey</Code>\n  <Key>a</Key>\n</Error>")
                                     << QStringLiteral("NoSuchKey");
        QTest::newRow("a proxy's page") << QByteArray("<html><body><Code>NoSuchKey</Code></body></html>") << QString();
        QTest::newRow("cut short") << QByteArray("<Error><Code>NoSuchKey</Code>") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void errorDocuments()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, code);
        QCOMPARE(OssXml::errorCode(xml), code);
    }

    // The comparison's decision per document, with the account the sidecar
    // names; "-" stands for an empty text.
    void syncDecision_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("storedETag");
        QTest::addColumn<QString>("storedMd5");
        QTest::addColumn<QString>("storedAccount");
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("status"); // SyncAction
        QTest::newRow("own: settled") << "E1" << "E1" << "M1" << "ann" << "M1" << 0;
        QTest::newRow("own: changed here") << "E1" << "E1" << "M1" << "ann" << "M2" << 1;
        QTest::newRow("own: changed there") << "E2" << "E1" << "M1" << "ann" << "M1" << 2;
        QTest::newRow("own: changed on both") << "E2" << "E1" << "M1" << "ann" << "M2" << 4;
        QTest::newRow("own: deleted there") << "-" << "E1" << "M1" << "ann" << "M1" << 2;
        QTest::newRow("own: deleted here") << "E1" << "E1" << "M1" << "ann" << "-" << 1;
        QTest::newRow("own: local side kept") << "E1" << "E1" << "-" << "ann" << "M1" << 1;
        QTest::newRow("own: local deletion kept") << "E1" << "E1" << "-" << "ann" << "-" << 1;
        QTest::newRow("none: new here") << "-" << "-" << "-" << "-" << "M1" << 1;
        QTest::newRow("none: new there") << "E1" << "-" << "-" << "-" << "-" << 2;
        QTest::newRow("none: on both") << "E1" << "-" << "-" << "-" << "M1" << 4;
        QTest::newRow("other account's: only here") << "-" << "E1" << "M1" << "bob" << "M1" << 1;
        QTest::newRow("other account's: only there") << "E1" << "E1" << "M1" << "bob" << "-" << 2;
        QTest::newRow("other account's: on both") << "E1" << "E1" << "M1" << "bob" << "M1" << 4;
        QTest::newRow("no account: settled") << "E1" << "E1" << "M1" << "-" << "M1" << 0;
        QTest::newRow("no account: changed here") << "E1" << "E1" << "M1" << "-" << "M2" << 1;
        QTest::newRow("no account: gone there, sent as new") << "-" << "E1" << "M1" << "-" << "M1" << 1;
        QTest::newRow("no account: gone here, fetched as new") << "E1" << "E1" << "M1" << "-" << "-" << 2;
        QTest::newRow("no account: changed there, asked") << "E2" << "E1" << "M1" << "-" << "M1" << 4;
    }
    void syncDecision()
    {
        QFETCH(QString, listed);
        QFETCH(QString, storedETag);
        QFETCH(QString, storedMd5);
        QFETCH(QString, storedAccount);
        QFETCH(QString, local);
        QFETCH(int, status);
        const auto text = [](const QString& t) { return t == QLatin1String("-") ? QString() : t; };
        MetaData stored;
        stored.Etag = text(storedETag);
        stored.Md5 = text(storedMd5);
        stored.account = text(storedAccount);
        QCOMPARE(int(AnalysisSyncWorker::decide(text(listed), stored, text(local), QStringLiteral("ann"))), status);
    }

    // Whose folder it is, by its sidecars ("path=ETag@account", no account:
    // written before sidecars named one) and ann's listing ("path=ETag").
    void folderOwner_data()
    {
        QTest::addColumn<QStringList>("sidecars");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("own");
        QTest::addColumn<QString>("other");
        const QString empty = QStringLiteral("\"D41D8CD98F00B204E9800998ECF8427E\"");
        QTest::newRow("no sidecars") << QStringList() << QStringList { "a=E1" } << true << "";
        QTest::newRow("ann's") << QStringList { "a=E1@ann", "b=E2@ann" } << QStringList() << true << "";
        QTest::newRow("bob's among ann's") << QStringList { "a=E1@ann", "b=E2@bob" } << QStringList { "a=E1" } << false << "bob";
        QTest::newRow("unnamed, most in ann's cloud") << QStringList { "a=E1", "b=E2", "c=E3" } << QStringList { "a=E1", "b=E2", "c=E9" } << true << "";
        QTest::newRow("unnamed, one in ann's cloud") << QStringList { "a=E1", "b=E2", "c=E3" } << QStringList { "a=E1", "b=E8" } << false << "";
        QTest::newRow("unnamed, only empty texts in ann's cloud") << QStringList { "a=" + empty, "b=E2" } << QStringList { "a=" + empty } << false << "";
        QTest::newRow("unnamed beside ann's") << QStringList { "a=E1", "b=E2@ann" } << QStringList() << true << "";
    }
    void folderOwner()
    {
        QFETCH(QStringList, sidecars);
        QFETCH(QStringList, listed);
        QFETCH(bool, own);
        QFETCH(QString, other);
        QMap<QString, MetaData> records;
        for (const QString& s : sidecars) {
            MetaData m;
            m.sortPath = s.section(QLatin1Char('='), 0, 0);
            m.Etag = s.section(QLatin1Char('='), 1).section(QLatin1Char('@'), 0, 0);
            m.account = s.section(QLatin1Char('@'), 1);
            records.insert(m.sortPath, m);
        }
        QHash<QString, QString> etags;
        for (const QString& l : listed)
            etags.insert(l.section(QLatin1Char('='), 0, 0), l.section(QLatin1Char('='), 1));
        const AnalysisSyncWorker::Owner owner = AnalysisSyncWorker::folderOwner(records, etags, QStringLiteral("ann"));
        QCOMPARE(owner.own, own);
        QCOMPARE(owner.otherAccount, other);
    }

    void policyUpload()
    {
        // The server's policies allow the folder "ranking/".
        const NetworkData refused = wait(client()->postObject(QStringLiteral("data/ann/x.json"), QStringLiteral("{}")));
        QCOMPARE(refused.kind, NetworkData::Kind::OutsidePolicy);
        QCOMPARE(refused.statusCode, 0);
        QCOMPARE(refused.errorString, QStringLiteral("This path is not authorized by the server"));
        QVERIFY(m_server.storageRequests().isEmpty());
        const NetworkData sent = wait(client()->postObject(QStringLiteral("ranking/hall/1.xml"), QStringLiteral("<room/>")));
        QCOMPARE(sent.statusCode, 200);
        QCOMPARE(m_server.object(QStringLiteral("ranking/hall/1.xml")), QByteArray("<room/>"));
        const ServerRequest form = m_server.storageRequests("POST").last();
        QCOMPARE(form.part("file").filename, QByteArray("ranking/hall/1.xml"));
        QCOMPARE(form.part("file").contentType, QByteArray("text/plain"));
        QCOMPARE(form.part("key").content, QByteArray("ranking/hall/1.xml"));
        QCOMPARE(form.part("success_action_status").content, QByteArray("200"));
    }
    // ---- records and keys ---------------------------------------------------

    void relativeKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("rel");
        QTest::newRow("plain") << "data/a+b.(c)/Novel/ch1.txt" << "Novel/ch1.txt";
        QTest::newRow("doubled slash") << "data/a+b.(c)//a.txt" << "a.txt";
        QTest::newRow("parent folder") << "data/a+b.(c)/../../etc/x.txt" << QString();
        QTest::newRow("inner parent") << "data/a+b.(c)/Novel/../../x.txt" << QString();
        QTest::newRow("sidecar folder") << "data/a+b.(c)/.MetaData/a.txt.meta" << QString();
        QTest::newRow("history folder") << "data/a+b.(c)/x/.History/a.txt" << QString();
        QTest::newRow("other type") << "data/a+b.(c)/run.sh" << QString();
        QTest::newRow("folder object") << "data/a+b.(c)/Novel/" << QString();
        QTest::newRow("other account") << "data/bob/a.txt" << QString();
        QTest::newRow("hidden notes") << "data/a+b.(c)/.notes/n.md" << ".notes/n.md";
    }
    void relativeKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, rel);
        QCOMPARE(cloudDisk::relativeKey(key, QStringLiteral("data/a+b.(c)/")), rel);
    }

    void sidecarAndScan()
    {
        const QString folder = QDir::tempPath() + QStringLiteral("/scan (1)+.x");
        use(folder);
        QDir().mkpath(folder);
        write(QStringLiteral("a.txt"), "a");
        write(QStringLiteral("notes.MD"), "n");
        write(QStringLiteral(".index.mark"), "{}");
        write(QStringLiteral("History/h.txt"), "h");
        write(QStringLiteral(".History/x.txt"), "x");
        write(QStringLiteral("b/.history/x.txt"), "x");
        write(QStringLiteral("b/c.doc"), "x");
        QStringList found;
        for (const localMeta& m : cloudDisk::localFiles())
            found << m.sortPath;
        found.sort();
        QCOMPARE(found, QStringList({ "History/h.txt", "a.txt", "notes.MD" }));

        MetaData record;
        record.sortPath = QStringLiteral("a.txt");
        record.Etag = QStringLiteral("A1");
        QVERIFY(cloudDisk::setMetaData(record));
        QFile meta(folder + QStringLiteral("/.MetaData/a.txt.meta"));
        QVERIFY(meta.open(QIODevice::ReadOnly));
        QCOMPARE(meta.readAll(), QByteArray("{\"ETag\":\"A1\",\"Md5\":\"\",\"SortPath\":\"a.txt\"}"));
        meta.close();
        QCOMPARE(cloudDisk::getMetaData(QStringLiteral("a.txt")).Etag, QStringLiteral("A1"));
        record.Etag.clear();
        QVERIFY(cloudDisk::setMetaData(record));
        QVERIFY(!meta.exists());
        write(QStringLiteral(".MetaData/b.txt.meta"), "{");
        QCOMPARE(cloudDisk::getMetaData(QStringLiteral("b.txt")).Etag, QString());
        QCOMPARE(cloudDisk::Md5(QStringLiteral("a.txt")), QStringLiteral("0cc175b9c0f1b6a831c399e269772661"));
        QCOMPARE(cloudDisk::Md5(QStringLiteral("none.txt")), QString(""));
    }

    // ---- sync runs -----------------------------------------------------------

    void initSync()
    {
        m_deviceA = QDir::tempPath() + QStringLiteral("/deviceA");
        m_deviceB = QDir::tempPath() + QStringLiteral("/deviceB");
        QDir(m_deviceA).removeRecursively();
        QDir(m_deviceB).removeRecursively();
        QDir().mkpath(m_deviceA);
        QDir().mkpath(m_deviceB);
        delete m_disk;
        m_disk = new cloudDisk(QString(), QString(), 3600000);
        user()->setLogined(true);
    }

    void refusals()
    {
        initSync();
        user()->setLogined(false);
        // The writer's start saves the open documents, then asks for sign-in.
        QSignalSpy saved(global::instance(), &global::saveAllNoTips);
        QSignalSpy login(global::instance()->settings(), &Settings::showLogin);
        m_disk->sync(cloudDisk::Writer);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(login.count(), 1);
        QVERIFY(m_notices.isEmpty());
        m_disk->doUpdate(true);
        QCOMPARE(m_notices, QStringList { QStringLiteral("云同步: 没有登陆") });
        m_disk->doUpdate(false);
        QCOMPARE(m_notices.size(), 1);
        QVERIFY(!m_disk->updating());
        user()->setLogined(true);
        use(m_deviceA);
        m_disk->doUpdate(false);
        QVERIFY(m_disk->updating());
        m_disk->doUpdate(true);
        QCOMPARE(m_notices.last(), QStringLiteral("云同步: 另一个云同步线程正在运行"));
        QTRY_VERIFY(!m_disk->updating());
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("同步完成"));
    }

    void twoDevices()
    {
        initSync();
        use(m_deviceA);
        write(QStringLiteral("b.txt"), "bee");
        write(QStringLiteral("Novel/ch1.txt"), "第一章");
        QCOMPARE(run(m_deviceA), QStringList({ "PUT Novel/ch1.txt", "PUT b.txt" }));
        QCOMPARE(m_server.object(QStringLiteral("data/ann/Novel/ch1.txt")), QByteArray("第一章"));
        QCOMPARE(m_notices.last(), QStringLiteral("同步完成"));
        QCOMPARE(run(m_deviceA), QStringList());

        // The second device receives both documents, then nothing more.
        QCOMPARE(run(m_deviceB), QStringList({ "GET Novel/ch1.txt", "GET b.txt" }));
        QCOMPARE(read(QStringLiteral("Novel/ch1.txt")), QByteArray("第一章"));
        QCOMPARE(run(m_deviceB), QStringList());

        // A change on one side travels to the other; the replaced text is
        // kept in the history.
        use(m_deviceA);
        write(QStringLiteral("b.txt"), "bee two");
        QCOMPARE(run(m_deviceA), QStringList({ "PUT b.txt" }));
        QCOMPARE(run(m_deviceB), QStringList({ "GET b.txt" }));
        QCOMPARE(read(QStringLiteral("b.txt")), QByteArray("bee two"));
        QCOMPARE(historyCount(), 1);

        // A deletion on either side is carried over.
        use(m_deviceB);
        QVERIFY(QFile::remove(cloudDisk::localPath(QStringLiteral("b.txt"))));
        QCOMPARE(run(m_deviceB), QStringList({ "DELETE b.txt" }));
        QVERIFY(!m_server.hasObject(QStringLiteral("data/ann/b.txt")));
        QVERIFY(!QFileInfo::exists(cloudDisk::metaFilePath(QStringLiteral("b.txt"))));
        QCOMPARE(run(m_deviceA), QStringList({ "GET b.txt" }));
        QVERIFY(!QFileInfo::exists(cloudDisk::localPath(QStringLiteral("b.txt"))));
        QCOMPARE(historyCount(), 1);

        use(m_deviceA);
        QVERIFY(QFile::remove(cloudDisk::localPath(QStringLiteral("Novel/ch1.txt"))));
        QCOMPARE(run(m_deviceA), QStringList({ "DELETE Novel/ch1.txt" }));
        QCOMPARE(run(m_deviceB), QStringList({ "GET Novel/ch1.txt" }));
        QVERIFY(!QFileInfo::exists(m_deviceB + QStringLiteral("/Novel")));
        QCOMPARE(historyCount(), 2);
        QCOMPARE(m_server.signatureFailures(), m_signatureFailures);
    }

    void conflicts_data()
    {
        QTest::addColumn<cloudDisk::ConflictChoice>("keep");
        QTest::addColumn<QByteArray>("localAfter");
        QTest::addColumn<QByteArray>("serverAfter");
        QTest::addColumn<QString>("keptCopy");
        QTest::newRow("keep local") << cloudDisk::KeepLocal << QByteArray("from B") << QByteArray("from B") << QString();
        QTest::newRow("keep server") << cloudDisk::KeepServer << QByteArray("from A") << QByteArray("from A") << QString();
        QTest::newRow("keep both") << cloudDisk::KeepBoth << QByteArray("from B") << QByteArray("from B") << QStringLiteral("Novel/a_冲突.txt");
    }
    void conflicts()
    {
        QFETCH(cloudDisk::ConflictChoice, keep);
        QFETCH(QByteArray, localAfter);
        QFETCH(QByteArray, serverAfter);
        QFETCH(QString, keptCopy);
        initSync();
        use(m_deviceA);
        write(QStringLiteral("Novel/a.txt"), "start");
        run(m_deviceA);
        run(m_deviceB);
        use(m_deviceA);
        write(QStringLiteral("Novel/a.txt"), "from A");
        run(m_deviceA);
        use(m_deviceB);
        write(QStringLiteral("Novel/a.txt"), "from B");
        QSignalSpy listed(m_disk, &cloudDisk::conflictFileListChanged);
        run(m_deviceB);
        QCOMPARE(listed.first().first().toStringList(), QStringList());
        QCOMPARE(m_disk->conflictFileList(), QStringList { QStringLiteral("Novel/a.txt") });
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("有冲突文件待处理"));
        QCOMPARE(m_notices.last(), QStringLiteral("云同步:有冲突文件待处理"));
        QCOMPARE(read(QStringLiteral("Novel/a.txt"), QStringLiteral(".server")), QByteArray("from A"));
        QCOMPARE(read(QStringLiteral("Novel/a.txt")), QByteArray("from B"));

        QVERIFY(m_disk->solveConflict(QStringLiteral("Novel/a.txt"), keep));
        QVERIFY(m_disk->conflictFileList().isEmpty());
        QVERIFY(!QFileInfo::exists(cloudDisk::localPath(QStringLiteral("Novel/a.txt.server"))));
        run(m_deviceB);
        QVERIFY(m_disk->conflictFileList().isEmpty());
        QCOMPARE(read(QStringLiteral("Novel/a.txt")), localAfter);
        QCOMPARE(m_server.object(QStringLiteral("data/ann/Novel/a.txt")), serverAfter);
        if (!keptCopy.isEmpty()) {
            QCOMPARE(read(keptCopy), QByteArray("from A"));
            QCOMPARE(m_server.object(QStringLiteral("data/ann/") + keptCopy), QByteArray("from A"));
        }
        // Settled: a further run transfers nothing.
        QCOMPARE(run(m_deviceB), QStringList());
        QVERIFY(!m_disk->solveConflict(QStringLiteral("Novel/a.txt"), cloudDisk::KeepServer));
        QVERIFY(m_disk->solveConflict(QString(), cloudDisk::KeepServer));
    }

    // Word-mark files changed on both devices merge by themselves: the
    // newer mark of each word wins and nothing waits for the user. (The
    // folder's own ".index.mark" is hidden and stays out of the scan.)
    void markFilesMerge()
    {
        initSync();
        use(m_deviceA);
        write(QStringLiteral("Novel/words.mark"),
              QStringLiteral("{\"marks\":[{\"word\":\"山\",\"color\":\"#1\",\"note\":\"A\",\"time\":100}]}").toUtf8());
        run(m_deviceA);
        run(m_deviceB);
        use(m_deviceA);
        write(QStringLiteral("Novel/words.mark"),
              QStringLiteral("{\"marks\":[{\"word\":\"山\",\"color\":\"#1\",\"note\":\"A2\",\"time\":300},{\"word\":\"水\",\"color\":\"#1\",\"note\":\"x\",\"time\":300}]}").toUtf8());
        run(m_deviceA);
        use(m_deviceB);
        write(QStringLiteral("Novel/words.mark"),
              QStringLiteral("{\"marks\":[{\"word\":\"山\",\"color\":\"#2\",\"note\":\"B\",\"time\":200},{\"word\":\"云\",\"color\":\"#2\",\"note\":\"y\",\"time\":200}]}").toUtf8());
        run(m_deviceB);
        QVERIFY(m_disk->conflictFileList().isEmpty());
        const QJsonArray marks = QJsonDocument::fromJson(read(QStringLiteral("Novel/words.mark"))).object().value(QStringLiteral("marks")).toArray();
        QHash<QString, QString> notes;
        for (const QJsonValue& v : marks)
            notes.insert(v.toObject().value(QStringLiteral("word")).toString(), v.toObject().value(QStringLiteral("note")).toString());
        QCOMPARE(notes.value(QStringLiteral("山")), QStringLiteral("A2"));
        QCOMPARE(notes.value(QStringLiteral("水")), QStringLiteral("x"));
        QCOMPARE(notes.value(QStringLiteral("云")), QStringLiteral("y"));
    }

    void equalContentWithoutSidecar()
    {
        initSync();
        m_server.putObject(QStringLiteral("data/ann/same.txt"), "same");
        use(m_deviceA);
        write(QStringLiteral("same.txt"), "same");
        QCOMPARE(run(m_deviceA), QStringList({ "GET same.txt" }));
        QVERIFY(m_disk->conflictFileList().isEmpty());
        QCOMPARE(run(m_deviceA), QStringList());
    }

    void failedTransfers()
    {
        initSync();
        use(m_deviceA);
        write(QStringLiteral("a.txt"), "a");
        fail("PUT", QStringLiteral("/lumoranking/*"), 500);
        QCOMPARE(run(m_deviceA), QStringList({ "PUT a.txt" }));
        // Not complete: the run names the document and why.
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("同步结束，有文件未能同步:a.txt"));
        QVERIFY(m_notices.contains(QStringLiteral("云同步: 上传失败:a.txt")));
        QCOMPARE(m_notices.last(), QStringLiteral("云同步结束，有文件未能同步:a.txt (服务器拒绝了请求 (HTTP 500 InjectedFault))"));
        QVERIFY(!QFileInfo::exists(cloudDisk::metaFilePath(QStringLiteral("a.txt"))));
        m_server.clearFaults();
        QCOMPARE(run(m_deviceA), QStringList({ "PUT a.txt" }));
        QVERIFY(QFileInfo::exists(cloudDisk::metaFilePath(QStringLiteral("a.txt"))));

        // A failed download changes nothing and is tried again.
        m_server.putObject(QStringLiteral("data/ann/b.txt"), "b");
        fail("*", QStringLiteral("/lumoranking/data/ann/b.txt"), 503);
        QCOMPARE(run(m_deviceA), QStringList({ "GET b.txt" }));
        QVERIFY(m_notices.contains(QStringLiteral("云同步: 下载失败:b.txt")));
        QVERIFY(!QFileInfo::exists(cloudDisk::localPath(QStringLiteral("b.txt"))));
        m_server.clearFaults();
        QCOMPARE(run(m_deviceA), QStringList({ "GET b.txt" }));
        QCOMPARE(read(QStringLiteral("b.txt")), QByteArray("b"));

        // A failed listing queues nothing.
        fail("*", QStringLiteral("/lumoranking"), 403);
        QCOMPARE(run(m_deviceA), QStringList());
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("获取云端列表出错:服务器拒绝了请求 (HTTP 403 InjectedFault)"));
        m_server.clearFaults();

        // A cloud copy and a new chapter that cannot be written (full disk):
        // the conflict stays listed without an older copy, the chapter is not
        // there, and the run names both with the system's reason.
        SmallDisk full(256);
        use(full.path());
        write(QStringLiteral("c.txt"), "mine");
        write(QStringLiteral("c.txt.server"), "an older cloud version");
        m_server.putObject(QStringLiteral("data/ann/c.txt"), "theirs");
        m_server.putObject(QStringLiteral("data/ann/d.txt"), QByteArray(64 * 1024, 'd'));
        QVERIFY(full.isMounted() && full.fill());
        m_notices.clear();
        QVERIFY(run(full.path()).contains(QStringLiteral("GET d.txt")));
        QCOMPARE(m_disk->conflictFileList(), QStringList { QStringLiteral("c.txt") });
        QVERIFY(m_notices.contains(QStringLiteral("云同步: 写入文件失败:c.txt")));
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("同步结束，有文件未能同步:a.txt, b.txt, c.txt, d.txt"));
        QVERIFY2(m_notices.last().endsWith(QStringLiteral("; d.txt (") + QString::fromLocal8Bit(strerror(ENOSPC)) + QLatin1Char(')')),
                 qPrintable(m_notices.last()));
        QCOMPARE(read(QStringLiteral("c.txt"), QStringLiteral(".server")), QByteArray("<missing>"));
        QCOMPARE(read(QStringLiteral("d.txt")), QByteArray("<missing>"));
        full.release();
        QVERIFY(run(full.path()).contains(QStringLiteral("GET d.txt")));
        QCOMPARE(read(QStringLiteral("c.txt"), QStringLiteral(".server")), QByteArray("theirs"));
        QCOMPARE(read(QStringLiteral("d.txt")), QByteArray(64 * 1024, 'd'));
        QCOMPARE(m_disk->cloudTips(), QStringLiteral("有冲突文件待处理"));
    }

    // Credentials revoked after the sync fetched them (an upload meets them first): the same
    // password gets new ones; another signs the writer out saying why, keeps no password and
    // uploads nothing until the new password signs in.
    void revokedCredential_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("changedTo"); // empty: the same password set again
        QTest::addColumn<bool>("byAdministrator");
        QTest::newRow("same password set again") << "cai" << "" << false;
        QTest::newRow("changed by another client") << "dai" << "other-pass" << false;
        QTest::newRow("set by the administrator") << "eve" << "admin-pass" << true;
    }
    void revokedCredential()
    {
        QFETCH(QString, account);
        QFETCH(QString, changedTo);
        QFETCH(bool, byAdministrator);
        const QString key = "data/" + account + "/a.txt", formKey = "ranking/hall/" + account + ".xml", old = "old-pass";
        QVERIFY(m_server.createAccount(account, old) > 0);
        const auto restore = qScopeGuard([] { user()->setLogin("ann"); user()->setPassword("secret"); });
        initSync();
        QTemporaryDir folder;
        const auto signIn = [&account](const QString& password) { user()->keepSignedIn(account, password); user()->setLogined(true); };
        const auto sync = [this, &folder](const QByteArray& text) {
            use(folder.path());
            write("a.txt", text);
            run(folder.path());
            return m_disk->cloudTips();
        };
        signIn(old);
        QCOMPARE(sync("one"), QStringLiteral("同步完成"));
        QCOMPARE(wait(global::instance()->getOss()->postObject(formKey, "p1")).statusCode, 200); // its policy is revoked too
        const QString now = changedTo.isEmpty() ? old : changedTo;
        QVERIFY(byAdministrator ? m_server.setPassword(account, now) : m_server.changePassword(account, old, now));
        m_notices.clear();
        const QString tips = sync("two");
        QVERIFY2(!m_notices.join('|').contains("InvalidAccessKeyId"), qPrintable(m_notices.join('|')));
        QCOMPARE(user()->logined(), changedTo.isEmpty());
        if (changedTo.isEmpty()) {
            QCOMPARE(tips, QStringLiteral("同步完成"));
            QCOMPARE(tokenRequests(), 1);
            QCOMPARE(wait(global::instance()->getOss()->postObject(formKey, "p2")).statusCode, 200);
        } else {
            QVERIFY(m_notices.contains(QStringLiteral("密码已失效（可能已在别处修改），已退出登录，请重新登录")));
            QCOMPARE(tips, QStringLiteral("已退出登录，同步已停止"));
            QCOMPARE(m_server.object(key), QByteArray("one"));
            QCOMPARE(user()->password() + UserDatas().password(), QString()); // held, and read by the next start
            signIn(changedTo);
            Users::instance()->getUserInfo()->credentialsRefused(account, old); // a late answer to the old password
            QCOMPARE(sync("two"), QStringLiteral("同步完成"));
        }
        QCOMPARE(m_server.object(key), QByteArray("two"));
    }

    void unsafeKeysStayOnServer()
    {
        initSync();
        m_server.putObject(QStringLiteral("data/ann/../evil.txt"), "x");
        m_server.putObject(QStringLiteral("data/ann/.MetaData/a.txt.meta"), "x");
        QCOMPARE(run(m_deviceA), QStringList());
        QVERIFY(!QFileInfo::exists(QDir::tempPath() + QStringLiteral("/evil.txt")));
    }
    // ---- pages -----------------------------------------------------------------

    // The real conflict page names both sides with their times and opens
    // each view at the first line that differs.
    void conflictPages_data()
    {
        QTest::addColumn<QByteArray>("mine");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<QStringList>("selected"); // in each view: the first line that differs, or where its text ended
        QTest::newRow("one line") << QByteArray("mine") << QByteArray("theirs") << QStringList { "mine", "theirs" };
        QByteArray chapter;
        for (int i = 0; i < 5000; ++i)
            chapter += "第" + QByteArray::number(i) + "行 夜色沉沉，风从山那边吹过来。\n";
        QTest::newRow("end of a 5000-line chapter") << chapter + "mine" << chapter + "theirs, the last" << QStringList { "mine", "theirs, the last" };
        QTest::newRow("a line added in the cloud") << QByteArray("一\n二") << QByteArray("一\n二\n三") << QStringList { "二", "三" };
        QTest::newRow("an empty line against a written one") << QByteArray("一\n\n三") << QByteArray("一\n二\n三") << QStringList { "\n", "二" };
    }
    void conflictPages()
    {
        QFETCH(QByteArray, mine);
        QFETCH(QByteArray, theirs);
        QFETCH(QStringList, selected);
        initSync();
        use(m_deviceA);
        write(QStringLiteral("c.txt"), mine);
        m_server.putObject(QStringLiteral("data/ann/c.txt"), theirs);
        run(m_deviceA);
        QCOMPARE(m_disk->conflictFileList(), QStringList { QStringLiteral("c.txt") });
        QFile local(cloudDisk::localPath(QStringLiteral("c.txt")));
        QVERIFY(local.open(QIODevice::ReadWrite));
        QVERIFY(local.setFileTime(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)), QFileDevice::FileModificationTime));
        local.close();
        const QString cloudTime = QLocale::c()
                                      .toDateTime(wait(client()->getObject(QStringLiteral("data/ann/c.txt"))).lastModified.mid(5, 20),
                                                  QStringLiteral("dd MMM yyyy HH:mm:ss"))
                                      .addSecs(QDateTime::currentDateTime().offsetFromUtc())
                                      .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

        QQmlApplicationEngine engine;
        setUpMainEngine(engine, &engine);
        engine.rootContext()->setContextProperty(QStringLiteral("cloudDisk"), m_disk);
        engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nWindow { width: 900; height: 700; visible: true }");
        auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
        QVERIFY(window);
        const auto create = [&](const char* file) -> QObject* {
            QQmlComponent component(&engine, QUrl(QLatin1String(file)));
            QObject* object = component.beginCreate(engine.rootContext());
            if (!object) {
                qWarning() << component.errors();
                return nullptr;
            }
            if (auto* item = qobject_cast<QQuickItem*>(object))
                item->setParentItem(window->contentItem());
            else
                object->setProperty("parent", QVariant::fromValue(window->contentItem()));
            component.completeCreate();
            return object;
        };

        QObject* button = create("qrc:/qml/widget/CloudButton.qml");
        QVERIFY(button);
        QVERIFY(button->findChild<QObject*>(QStringLiteral("conflictDot"))->property("visible").toBool());
        QSignalSpy opened(global::instance(), &global::showConflictPage);
        QSignalSpy saved(global::instance(), &global::saveAllNoTips);
        QVERIFY(QMetaObject::invokeMethod(button, "activate"));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(saved.count(), 1);
        QVERIFY(!m_disk->updating());

        QObject* page = create("qrc:/qml/page/ConflictPage.qml");
        QVERIFY(page);
        QVERIFY(QMetaObject::invokeMethod(page, "show"));
        QCOMPARE(page->property("title").toString(), QStringLiteral("冲突选择 - c.txt"));
        // Each side by name with the time of its version: the local file's,
        // the cloud object's.
        QCOMPARE(page->findChild<QObject*>(QStringLiteral("localLabel"))->property("text").toString(), QStringLiteral("本机  2024-01-02 03:04:05"));
        QCOMPARE(page->findChild<QObject*>(QStringLiteral("serverLabel"))->property("text").toString(), QStringLiteral("云端  ") + cloudTime);
        for (const QString& side : { QStringLiteral("local"), QStringLiteral("server") }) {
            QObject* view = page->findChild<QObject*>(side + QStringLiteral("Text"));
            auto* flick = page->findChild<QQuickItem*>(side + QStringLiteral("Flick"));
            const QByteArray text = side == QLatin1String("local") ? mine : theirs;
            QCOMPARE(view->property("text").toString(), QString::fromUtf8(text));
            QCOMPARE(view->property("selectedText").toString(), selected.value(side == QLatin1String("local") ? 0 : 1));
            QRectF at;
            QVERIFY(QMetaObject::invokeMethod(view, "positionToRectangle", Q_RETURN_ARG(QRectF, at),
                                              Q_ARG(int, view->property("selectionStart").toInt())));
            const qreal top = flick->property("contentY").toReal();
            QVERIFY2(at.top() >= top && at.bottom() <= top + flick->height(), qPrintable(side));
            // The line is marked across the view, empty or not.
            auto* mark = page->findChild<QQuickItem*>(side + QStringLiteral("Mark"));
            QVERIFY(mark && mark->isVisible() && mark->width() > 100 && qAbs(mark->y() - at.top()) < 1 && mark->height() >= at.height());
        }
        QVERIFY(QMetaObject::invokeMethod(page->findChild<QObject*>(QStringLiteral("serverKeepButton")), "clicked"));
        QVERIFY(m_disk->conflictFileList().isEmpty());
        QCOMPARE(read(QStringLiteral("c.txt")), theirs);
        // Closing the page uploads the outcome with a quiet run.
        QTRY_VERIFY(!page->property("visible").toBool());
        QTRY_VERIFY(!m_disk->updating());
        QVERIFY(!button->findChild<QObject*>(QStringLiteral("conflictDot"))->property("visible").toBool());
        QCOMPARE(cloudDisk::getMetaData(QStringLiteral("c.txt")).Md5, cloudDisk::Md5(QStringLiteral("c.txt")));
        delete page;
        delete button;
    }
    // ---- statistics ---------------------------------------------------------------

    void statisticsSync()
    {
        global::instance()->setIsAppAction(true);
        use(m_deviceA);
        StatsClock::setNow(QDateTime::currentDateTime().addSecs(-60)); // its windows end before the next test's clock
        const QString day = StatsClock::today().toString(QStringLiteral("yyyy-MM-dd"));
        const QString tableKey = QStringLiteral("ranking/date/ann/day/") + day + QStringLiteral("_file.json");
        m_server.putObject(tableKey, QStringLiteral("[{\"path\":\"a.txt\",\"now\":80,\"initi\":50},{\"path\":\"b.txt\",\"now\":9,\"initi\":5}]").toUtf8());
        data store(false);
        // One counted window of ten words, with the application in the
        // background so the window's own sync stays out of the way.
        global::instance()->setIsAppAction(false);
        store.setFileData(m_deviceA + QStringLiteral("/a.txt"), 100);
        for (int i = 0; i < 3; ++i) {
            StatsClock::advance(1);
            QVERIFY(QMetaObject::invokeMethod(&store, "heartBeat"));
        }
        store.setFileData(m_deviceA + QStringLiteral("/a.txt"), 110);
        for (int i = store.updateTime(); i > 0; --i) {
            StatsClock::advance(1);
            QVERIFY(QMetaObject::invokeMethod(&store, "heartBeat"));
        }
        QCOMPARE(store.todayData()->words(), 10);
        global::instance()->setIsAppAction(true);

        // Nothing on the server yet: all four records are uploaded.
        store.syncServerData(true);
        QTRY_COMPARE(m_server.storageRequests("POST").size(), 5);
        QTRY_VERIFY(store.todayData()->pushed() && store.thisYearData()->pushed());
        QVERIFY(m_server.hasObject(QStringLiteral("ranking/date/ann/day/") + day + QStringLiteral(".json")));
        QVERIFY(m_server.hasObject(QStringLiteral("ranking/date/ann/year/") + day.left(4) + QStringLiteral(".json")));
        QCOMPARE(m_notices.count(QStringLiteral("同步今日字数成功(已上传)")), 1);
        const QJsonObject uploaded = QJsonDocument::fromJson(
            m_server.object(QStringLiteral("ranking/date/ann/day/") + day + QStringLiteral(".json"))).object();
        QCOMPARE(uploaded.value("Words").toInt(), 10);
        // The per-document tables merge: the earliest start wins, the local
        // current count stays, a document only the server knows is taken over.
        const QJsonArray table = QJsonDocument::fromJson(m_server.object(tableKey)).array();
        QCOMPARE(table.size(), 2);
        QCOMPARE(table[0].toObject().value("initi").toInt(), 50);
        QCOMPARE(table[0].toObject().value("now").toInt(), 110);
        QCOMPARE(table[1].toObject().value("path").toString(), QStringLiteral("b.txt"));
        QCOMPARE(table[1].toObject().value("now").toInt(), 9);

        // Equal records upload nothing and say so once.
        m_server.clearRequests();
        m_notices.clear();
        store.syncServerData(true);
        QTRY_COMPARE(m_server.storageRequests("GET").size(), 5);
        QTRY_COMPARE(m_server.storageRequests("POST").size(), 1);
        QTest::qWait(50);
        QCOMPARE(m_server.storageRequests("POST").size(), 1);
        QCOMPARE(m_notices.size(), 1);
        QVERIFY(m_notices.first().endsWith(QStringLiteral("(无变更)")));

        // A server error says nothing about the server copy: no upload over
        // it, neither of a record nor of the document table.
        m_server.clearRequests();
        store.todayData()->setPushed(false);
        const QByteArray tableBefore = m_server.object(tableKey);
        fail("GET", QStringLiteral("/lumoranking/*"), 500);
        store.syncServerData(false);
        QTRY_COMPARE(m_server.storageRequests("GET").size(), 5);
        QTest::qWait(50);
        QCOMPARE(m_server.storageRequests("POST").size(), 0);
        QCOMPARE(m_server.object(tableKey), tableBefore);
        m_server.clearFaults();

        // Signed out: a notice, no traffic.
        m_server.clearRequests();
        m_notices.clear();
        user()->setLogined(false);
        store.syncServerData(true);
        QCOMPARE(m_notices, QStringList { QCoreApplication::translate("data", "please login first") });
        QTest::qWait(20);
        QVERIFY(m_server.requests().isEmpty());
        user()->setLogined(true);
        StatsClock::setNow(QDateTime());
    }

    // ann's statistics stay hers: bob's sign-in by the real account client sends and shows none, ann finds them again.
    void statisticsStayWithTheAccount()
    {
        UserInfo* client = Users::instance()->getUserInfo();
        const auto signIn = [this, client](const QString& name) {
            client->logout();
            user()->setLogin(name);
            user()->setPassword(QStringLiteral("secret")); // the sign-out forgot it
            client->login();
            QTRY_VERIFY(user()->logined()); // set just before loginFinished(true)
        };
        const auto words = [this](const QString& key) { return QJsonDocument::fromJson(m_server.object(key)).object().value("Words").toInt(); };
        const QString annDay = "ranking/date/ann/day/" + QLocale::c().toString(QDate::currentDate(), "yyyy-MM-dd") + ".json";
        data& store = *data::instance(); // the program's one store: another would sync ann's records as well
        const auto write = [this, &store](int now) { // a document's count, then the window's end and its sync
            store.setFileData(m_deviceA + QStringLiteral("/a.txt"), now);
            do QVERIFY(QMetaObject::invokeMethod(&store, "heartBeat")); while (store.updateTime() != 20);
        };
        global::instance()->setIsAppAction(false); // a window begins unsynced, so none ends on its own in this test
        write(300);
        global::instance()->setIsAppAction(true);
        m_server.clearRequests();
        signIn(QStringLiteral("ann"));
        QTRY_COMPARE(m_server.storageRequests("POST").size(), 5); // the sign-in's sync: four records and the table
        QTRY_VERIFY(store.todayData()->pushed());
        const int before = store.todayData()->words();
        // Words of a window that ends while the last upload is on its way
        // go up too, though the next read of the server copy comes after it.
        m_server.clearRequests();
        m_server.addFault(QJsonObject { { "method", "POST" }, { "path", "/lumoranking" }, { "delay_ms", 300 } });
        write(312);
        QTRY_COMPARE(m_server.storageRequests("POST").size(), 5);
        m_server.addFault(QJsonObject { { "method", "GET" }, { "path", "/lumoranking/*" }, { "delay_ms", 900 } });
        write(317);
        QTRY_COMPARE(words(annDay), before + 17);
        m_server.clearFaults();

        signIn(QStringLiteral("bob"));
        QCOMPARE(store.todayData()->words(), 0);
        QTRY_COMPARE(m_server.keys(QStringLiteral("ranking/date/bob/")).size(), 5);
        for (const QString& key : m_server.keys(QStringLiteral("ranking/date/bob/"))) {
            QCOMPARE(words(key), 0); // and a document open at the switch enters bob's table unchanged
            for (const QJsonValue& row : QJsonDocument::fromJson(m_server.object(key)).array())
                QCOMPARE(row.toObject().value("now"), row.toObject().value("initi"));
        }
        signIn(QStringLiteral("ann"));
        QCOMPARE(store.todayData()->words(), before + 17);
        QCOMPARE(words(annDay), before + 17);
    }
};

PENLARK_TEST_MAIN(TestCloud)
#include "tst_cloud.moc"
