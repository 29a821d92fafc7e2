// Writing rooms: the XML records, the store against the real penlark-server,
// the room hall, the room ranking, the simulated writers and the ranking
// page.
#include "testenvironment.h"

#include "penlarkserver.h"
#include "trickleproxy.h"

#include "data/breply.h"
#include "data/data.h"
#include "data/signalobject.h"
#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/settings.h"
#include "data/statsclock.h"
#include "files/cloudDisk/clouddisk.h"
#include "function/boolreply.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "ranking/bot.h"
#include "ranking/myrankingdata.h"
#include "ranking/botsdatareply.h"
#include "ranking/rankingdata.h"
#include "ranking/rankinghallmodel.h"
#include "ranking/roomdatalistreply.h"
#include "ranking/roomdatareply.h"
#include "ranking/roomdownloads.h"
#include "ranking/roommodel.h"
#include "ranking/rankingxml.h"
#include "ranking/roomname.h"
#include "ranking/roomreader.h"
#include "ranking/userdaydatalistreply.h"
#include "TovaUi/theme/lumotheme.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/usersetting.h"
#include "users/users.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

namespace {

// R(a, b) as the application draws it, but always the middle of the range.
int middle(int a, int b)
{
    if (b == 0)
        return 0;
    if (b <= a)
        return a;
    return a + (b - a) / 2;
}

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << text;
    g_previous(type, context, text);
}

// Attributes of one element, `count` of them.
QByteArray attributeFlood(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += " a" + QByteArray::number(i, 36) + "=\"\"";
    return out;
}

} // namespace

class TestRanking : public QObject
{
    Q_OBJECT

private:
    PenlarkServer m_server;
    QStringList m_notices;
    qint32 m_noon = 0;

    static UserDatas* user() { return Users::instance()->getUserData(); }

    template <typename Reply, typename Signal>
    static QList<QVariant> wait(Reply* reply, Signal signal)
    {
        QSignalSpy spy(reply, signal);
        if (!spy.wait(5000))
            return QList<QVariant>();
        return spy.takeFirst();
    }
    // Signed in again against another server address (the old one's credentials go), and
    // back at the old address when the guard returned goes.
    static auto signedInAt(const QByteArray& server)
    {
        const auto at = [](const QByteArray& address) { qputenv("PENLARK_SERVER", address); user()->setLogined(false); user()->setLogined(true); };
        const QByteArray was = qgetenv("PENLARK_SERVER");
        at(server);
        return qScopeGuard([at, was] { at(was); });
    }
    static bool answer(BoolReply* reply) { return wait(reply, &BoolReply::finished).value(0).toBool(); }
    static QList<UserDayData> rows(UserDayDataListReply* reply)
    {
        return wait(reply, &UserDayDataListReply::finished).value(0).value<QList<UserDayData>>();
    }

    QString userXml(const QString& id, const QString& name, int words, int second, qint32 endTime,
                    const QString& room = QStringLiteral("Alpha")) const
    {
        UserDayData r;
        r.ID = id;
        r.Name = name;
        r.RoomID = room;
        r.Words = words;
        r.Second = second;
        r.BeginTime = endTime - 100;
        r.EndTime = endTime;
        return RankingData::userDayDataToXml(r);
    }
    void putRoom(const QString& name, int type, const QString& password = QString(), int padding = 0)
    {
        RoomData room;
        room.RoomKey = name;
        room.Name = name;
        room.Type = type;
        room.PassWd = function::md5(password);
        QVERIFY(m_server.putObject(QStringLiteral("ranking/hall/") + name + QStringLiteral(".room.xml"),
                                   RankingData::roomDataToXml(room).toUtf8() + QByteArray(padding, ' ')));
    }
    void putCatalogue(const QString& room, const QByteArray& entries)
    {
        QVERIFY(m_server.putObject(QStringLiteral("ranking/") + room + QStringLiteral(".bot.user.xml"),
                                   "<?xml version=\"1.0\"?><BotUsers>" + entries + "</BotUsers>"));
    }
    int requestsFor(const QString& key) const
    {
        int n = 0;
        for (const ServerRequest& r : m_server.storageRequests())
            n += r.key() == key || r.part("key").content == key.toUtf8();
        return n;
    }

private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text) { m_notices << text; });
        QVERIFY(m_server.start());
        QVERIFY(m_server.createAccount(QStringLiteral("ann"), QStringLiteral("secret"), QString(), QStringLiteral("Ann")) > 0);
        qputenv("PENLARK_SERVER", m_server.url().toUtf8());
        qputenv("PENLARK_AVATAR_PROXY", "http://127.0.0.1:1");
        user()->setLogin(QStringLiteral("ann"));
        user()->setPassword(QStringLiteral("secret"));
        user()->setNickname(QStringLiteral("Ann"));
        user()->setLogined(true);
        // Noon today: every record of the day lies strictly inside it.
        StatsClock::setNow(QDateTime(QDate::currentDate(), QTime(12, 0)));
        m_noon = StatsClock::currentSeconds();
        bot::setRandomSource(&middle);
        global::instance()->setIsAppAction(true);
    }

    void init()
    {
        QVERIFY(m_server.reset(true));
        m_notices.clear();
        QDir(global::dataPath() + QStringLiteral("/cache")).removeRecursively();
    }

    // ---- XML ------------------------------------------------------------------

    void roomDocumentIsExactAndRoundTrips()
    {
        RoomData room;
        room.RoomKey = QStringLiteral("A&<\"b'>");
        room.Name = QStringLiteral("露墨 & <co>\"");
        room.Type = 1;
        room.PassWd = function::md5(QStringLiteral("pw"));
        room.Number = 7;
        room.Owner = QStringLiteral("ann");
        room.CreateTime = 1234;
        const QString xml = RankingData::roomDataToXml(room);
        QCOMPARE(xml, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<Room RoomKey=\"A&amp;&lt;&quot;b'&gt;\" Name=\"露墨 &amp; &lt;co&gt;&quot;\" "
                                     "Type=\"1\" PassWd=\"%1\" Number=\"7\" Owner=\"ann\" AvatarUrl=\"\" "
                                     "CreateTime=\"1234\"/>\n")
                          .arg(room.PassWd));
        const RoomData back = RankingData::roomXmlToRoomData(xml);
        QVERIFY(back.valid);
        QCOMPARE(back.Name, room.Name);
        QCOMPARE(back.RoomKey, room.RoomKey);
        QCOMPARE(back.Type, 1);
        QCOMPARE(RankingData::roomDataToXml(back), xml);
    }

    void userDocumentsRoundTrip()
    {
        UserRoomData r;
        r.ID = QStringLiteral("ann");
        r.RoomID = QStringLiteral("Alpha");
        r.Name = QStringLiteral("Ann\tA\nB");
        r.Grade = 3;
        r.AvatarUrl = QStringLiteral("http://a/b?c=1&d=2");
        r.Words = 1200;
        r.Second = 3600;
        r.BeginTime = m_noon - 3600;
        r.EndTime = m_noon;
        r.DeviceIdList = { QStringLiteral("dev-1"), QStringLiteral("dev-2") };
        const QString xml = RankingData::userRoomDateToXml(r);
        QCOMPARE(xml.section(QLatin1Char('\n'), 2),
                 QStringLiteral(" <DeviceIdList>\n  <DeviceId id=\"dev-1\"/>\n  <DeviceId id=\"dev-2\"/>\n"
                                " </DeviceIdList>\n</User>\n"));
        const UserRoomData room = RankingData::userXmlToUserRoomData(xml);
        QCOMPARE(RankingData::userRoomDateToXml(room), xml);
        const UserDayData day = RankingData::userXmlToUserDayData(xml);
        QVERIFY(day.valid);
        QCOMPARE(day.Name, r.Name);
        QCOMPARE(day.Words, 1200);
        QCOMPARE(day.DeviceIdList, r.DeviceIdList);
        QCOMPARE(RankingData::userDayDataToXml(day), xml);

        UserDayData empty;
        QCOMPARE(RankingData::userDayDataToXml(empty).section(QLatin1Char('\n'), 2),
                 QStringLiteral(" <DeviceIdList/>\n</User>\n"));
    }

    void botsDocumentRoundTrips()
    {
        BotsData plan;
        plan.RoomKey = QStringLiteral("Alpha");
        plan.InitTime = m_noon;
        BotUserData b;
        b.LoginName = QStringLiteral("bot1");
        b.Nickname = QStringLiteral("小明");
        b.AllSecond = 90;
        b.BeginTime = m_noon - 90;
        b.EndTime = m_noon;
        b.WordsOnTime = { { m_noon - 90, 30, 5 }, { m_noon - 60, 60, 9 } };
        plan.BotList << b << BotUserData();
        const QString xml = RankingData::botDataToXml(plan);
        QVERIFY(xml.contains(QStringLiteral("  <Bot LoginName=\"bot1\"")));
        QVERIFY(xml.contains(QStringLiteral("    <w t=\"%1\" w=\"5\" s=\"30\"/>").arg(m_noon - 90)));
        QVERIFY(xml.contains(QStringLiteral("   <WordsOnTime/>")));
        const BotsData back = RankingData::botXmlToBotData(xml);
        QVERIFY(back.valid);
        QCOMPARE(back.BotList.size(), 2);
        QCOMPARE(back.BotList[0].WordsOnTime.size(), 2);
        QCOMPARE(back.BotList[0].WordsOnTime[1].w, 9);
        QCOMPARE(RankingData::botDataToXml(back), xml);
        QCOMPARE(RankingData::botDataToXml(BotsData()).section(QLatin1Char('\n'), 2), QStringLiteral(" <BotList/>\n</Bots>\n"));
    }

    void readersFollowTheDocumentRules()
    {
        QVERIFY(!RankingData::roomXmlToRoomData(QStringLiteral("<room Name=\"x\"/>")).valid);
        QCOMPARE(RankingData::roomXmlToRoomData(QStringLiteral("<Room Name=\"x\"/>")).Type, 0);

        const qint32 yesterday = m_noon - 86400;
        const UserDayData old = RankingData::userXmlToUserDayData(userXml("bob", "Bob", 500, 600, yesterday));
        QVERIFY(old.valid);
        QCOMPARE(old.Words, 0);
        QCOMPARE(old.Second, 0);

        const UserDayData devices = RankingData::userXmlToUserDayData(QStringLiteral(
            "<User ID=\"a\"><DeviceIdList><DeviceId id=\"1\"/><Other/></DeviceIdList>"
            "<DeviceIdList><DeviceId id=\"2\"/></DeviceIdList></User>"));
        QCOMPARE(devices.DeviceIdList, QList<QString>({ "1", "", "2" }));

        const BotsData plan = RankingData::botXmlToBotData(
            QStringLiteral("<Bots InitTime=\"5\"><BotList><Bot Nickname=\"a\"/><Stranger/></BotList></Bots>"));
        QCOMPARE(plan.BotList.size(), 2);
        QCOMPARE(plan.InitTime, 5);
    }

    void hostileDocumentsGiveDefaultRecords_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::newRow("empty") << QString();
        QTest::newRow("garbage") << QStringLiteral("not xml at all <<<");
        QTest::newRow("unclosed") << QStringLiteral("<User ID=\"a\">");
        QTest::newRow("two roots") << QStringLiteral("<User ID=\"a\"/><User ID=\"b\"/>");
        // Well-formed and small, so only the depth limit refuses it.
        QTest::newRow("deep") << QStringLiteral("<User><Bots><Room>") + QStringLiteral("<a>").repeated(200)
                + QStringLiteral("</a>").repeated(200) + QStringLiteral("</Room></Bots></User>");
        QTest::newRow("deep plan") << QStringLiteral("<Bots><BotList><Bot>") + QStringLiteral("<a>").repeated(200)
                + QStringLiteral("</a>").repeated(200) + QStringLiteral("</Bot></BotList></Bots>");
        QTest::newRow("entity bomb") << QStringLiteral(
            "<!DOCTYPE User [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
            "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
            "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]><User Name=\"&g;&g;&g;&g;\"/>");
        QTest::newRow("external entity") << QStringLiteral(
            "<!DOCTYPE User [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><User Name=\"&x;\"/>");
    }

    void hostileDocumentsGiveDefaultRecords()
    {
        QFETCH(QString, xml);
        const UserDayData r = RankingData::userXmlToUserDayData(xml);
        QVERIFY(!r.valid);
        QVERIFY(r.Name.isEmpty());
        QVERIFY(!RankingData::roomXmlToRoomData(xml).valid);
        QVERIFY(!RankingData::botXmlToBotData(xml).valid);
    }

    // A document type that declares entities or attribute defaults is
    // refused by every room reader before anything is expanded: nested, or
    // flat (thousands of references to one large entity) in an attribute.
    void declaredEntitiesAreRefused_data()
    {
        QTest::addColumn<QString>("doctype");
        QTest::addColumn<QString>("value");
        QTest::newRow("nested") << QStringLiteral(
            "<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY e \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>")
                                << QStringLiteral("&e;&e;&e;&e;");
        QTest::newRow("flat") << QStringLiteral("<!DOCTYPE d [<!ENTITY e \"%1\">]>").arg(QString(4000, QLatin1Char('e')))
                              << QStringLiteral("&e;").repeated(3000);
        QTest::newRow("attribute defaults") << QStringLiteral("<!DOCTYPE d [<!ATTLIST w t CDATA \"%1\">]>").arg(QString(8000, QLatin1Char('7')))
                                            << QStringLiteral("x");
    }

    void declaredEntitiesAreRefused()
    {
        QFETCH(QString, doctype);
        QFETCH(QString, value);
        const QString head = QStringLiteral("<?xml version=\"1.0\"?>") + doctype;
        QVERIFY(!RankingData::userXmlToUserDayData(head + QStringLiteral("<User ID=\"a\" Name=\"%1\"/>").arg(value)).valid);
        QVERIFY(!RankingData::roomXmlToRoomData(head + QStringLiteral("<Room Name=\"%1\"/>").arg(value)).valid);
        const QString steps = QStringLiteral("<w/>").repeated(2000);
        QVERIFY(!RankingData::botXmlToBotData(head + QStringLiteral("<Bots InitTime=\"5\"><BotList><Bot Nickname=\"%1\"><WordsOnTime>%2</WordsOnTime></Bot></BotList></Bots>")
                                                      .arg(value, steps)).valid);
        QVERIFY(bot::botXmlToBotUser((head + QStringLiteral("<BotUsers><BotUser Nickname=\"%1\"/></BotUsers>").arg(value)).toUtf8(), 100).isEmpty());
    }

    // The reader of a refresh parses on a thread of its own and hands the
    // result over on the GUI thread; past its budget of bytes it reads no
    // more, while a new refresh has a new budget; a reply that is gone gets
    // nothing.
    void roomReaderKeepsItsBudget()
    {
        const RoomReader reader(100);
        QList<int> results;
        QThread* parsedOn = nullptr;
        QObject context;
        for (int i = 1; i <= 3; ++i)
            reader.read<int>(&context, 45, [i, &parsedOn]() { parsedOn = QThread::currentThread(); return i; },
                             [&results](const int& r) { results << r; QVERIFY(QThread::currentThread() == qApp->thread()); });
        RoomReader().read<int>(&context, 45, []() { return 4; }, [&results](const int& r) { results << r; });
        auto* gone = new QObject;
        RoomReader().read<int>(gone, 1, []() { QThread::msleep(50); return 5; }, [&results](const int& r) { results << r; });
        delete gone;
        QTRY_COMPARE(results.size(), 4);
        QCOMPARE(results, QList<int>({1, 2, 0, 4}));
        QVERIFY(parsedOn && parsedOn != qApp->thread());
        QTest::qWait(100);
        QCOMPARE(results.size(), 4);
    }

    // Records of a size or with entries no client writes are refused whole:
    // each limit, at and past its bound.
    void oversizedDocumentsAreRefused()
    {
        auto user = [](int devices, int extra) {
            QString xml = QStringLiteral("<User ID=\"a\"><DeviceIdList>");
            for (int i = 0; i < devices; ++i)
                xml += QStringLiteral("<DeviceId id=\"d%1\"/>").arg(i);
            return xml + QStringLiteral("</DeviceIdList>") + QString(extra, QLatin1Char(' ')) + QStringLiteral("</User>");
        };
        QCOMPARE(RankingData::userXmlToUserDayData(user(RankingXml::MaxDevices, 0)).DeviceIdList.size(), RankingXml::MaxDevices);
        QVERIFY(!RankingData::userXmlToUserDayData(user(RankingXml::MaxDevices + 1, 0)).valid);
        const QString fits = user(1, 0);
        QVERIFY(RankingData::userXmlToUserDayData(fits + QString(RankingXml::MaxRecordSize - fits.size(), QLatin1Char(' '))).valid);
        QVERIFY(!RankingData::userXmlToUserDayData(fits + QString(RankingXml::MaxRecordSize - fits.size() + 1, QLatin1Char(' '))).valid);
        const QString room = QStringLiteral("<Room Name=\"x\"/>");
        QVERIFY(!RankingData::roomXmlToRoomData(room + QString(RankingXml::MaxRecordSize, QLatin1Char(' '))).valid);

        auto plan = [](int writers, int steps) {
            BotsData p;
            p.InitTime = 5;
            for (int i = 0; i < writers; ++i) {
                BotUserData b;
                for (int t = 0; t < steps; ++t)
                    b.WordsOnTime.append(botTime {t, t, t});
                p.BotList << b;
            }
            return RankingData::botDataToXml(p);
        };
        const BotsData full = RankingData::botXmlToBotData(plan(RankingXml::MaxPlanWriters, 10));
        QVERIFY(full.valid);
        QCOMPARE(full.BotList.size(), RankingXml::MaxPlanWriters);
        QVERIFY(!RankingData::botXmlToBotData(plan(RankingXml::MaxPlanWriters + 1, 1)).valid);
        const BotsData day = RankingData::botXmlToBotData(plan(1, RankingXml::MaxPlanSteps));
        QCOMPARE(day.BotList.value(0).WordsOnTime.size(), RankingXml::MaxPlanSteps);
        QVERIFY(!RankingData::botXmlToBotData(plan(1, RankingXml::MaxPlanSteps + 1)).valid);
        QVERIFY(!RankingData::botXmlToBotData(plan(1, 1) + QString(RankingXml::MaxPlanSize, QLatin1Char(' '))).valid);
        {
            // Past the reading thread's deadline a parse stops.
            const RankingXml::ParseDeadline passed(QDeadlineTimer(0));
            QVERIFY(!RankingData::botXmlToBotData(plan(1, 10)).valid);
        }
        QVERIFY(RankingData::botXmlToBotData(plan(1, 10)).valid);
        QCOMPARE(bot::botXmlToBotUser("<BotUsers><BotUser/>" + QByteArray(RankingXml::MaxCatalogueSize, ' ') + "</BotUsers>", 100).size(), 0);
    }

    // A member record or plan of tens of megabytes in the bucket costs a
    // refresh neither the time nor the memory of reading it: it is refused
    // by its listed size and never requested, and the member is listed with
    // nothing written; a room record that announces more than a record's
    // size is stopped at its headers and reads as the default (open) room.
    void oversizedObjectsInTheBucket()
    {
        putRoom(QStringLiteral("Open"), 0, QString(), RankingXml::MaxRecordSize);
        const QByteArray huge = userXml("bob", "Bob", 500, 600, m_noon, "Open").toUtf8().replace("</User>", QByteArray(RankingXml::MaxRecordSize * 4 + 8, ' ') + "</User>");
        m_server.putObject(QStringLiteral("ranking/rooms/Open/bob.user.xml"), huge);
        BotsData plan;
        plan.InitTime = m_noon;
        BotUserData writer;
        writer.Nickname = QStringLiteral("Huge");
        writer.BeginTime = m_noon - 60;
        writer.WordsOnTime << botTime {m_noon - 60, 30, 5};
        plan.BotList << writer;
        const QByteArray bigPlan = RankingData::botDataToXml(plan).toUtf8().replace("</Bots>", QByteArray(RankingXml::MaxPlanSize + 1, ' ') + "</Bots>");
        m_server.putObject(QStringLiteral("ranking/rooms/Open/bot.xml"), bigPlan);
        for (int refresh = 0; refresh < 2; ++refresh) {
            const QList<UserDayData> list = rows(bot::sneakIntoBot(QStringLiteral("Open")));
            QCOMPARE(list.size(), 1);
            QCOMPARE(list[0].RoomID, QString());
            QCOMPARE(list[0].Words, 0);
        }
        QVERIFY(!QFile::exists(bot::localBotsFile(QStringLiteral("Open"))));
        QCOMPARE(requestsFor(QStringLiteral("ranking/rooms/Open/bob.user.xml")), 0);
        QCOMPARE(requestsFor(QStringLiteral("ranking/rooms/Open/bot.xml")), 0);
        QCOMPARE(requestsFor(QStringLiteral("ranking/hall/Open.room.xml")), 2);
    }

    // Two hundred hostile member records (16 KB each, full of entity
    // references) cost the refresh only their own rows: each reads as an
    // empty record, and the honest member's row is whole.
    void hostileRecordsCostOnlyThemselves()
    {
        putRoom(QStringLiteral("Closed"), 1);
        m_server.putObject(QStringLiteral("ranking/rooms/Closed/bob.user.xml"), userXml("bob", "Bob", 500, 600, m_noon, "Closed").toUtf8());
        const QByteArray hostile = "<!DOCTYPE User [<!ENTITY e \"" + QByteArray(4000, 'e') + "\">]><User ID=\"x\" Name=\""
            + QByteArray("&e;").repeated(4000) + "\"/>";
        QVERIFY(hostile.size() <= RankingXml::MaxRecordSize);
        for (int i = 0; i < 200; ++i)
            QVERIFY(m_server.putObject(QStringLiteral("ranking/rooms/Closed/h%1.user.xml").arg(i), hostile));
        QSignalSpy refreshed(bot::sneakIntoBot(QStringLiteral("Closed")), &UserDayDataListReply::finished);
        QVERIFY(refreshed.wait(60000));
        const QList<UserDayData> list = refreshed.at(0).at(0).value<QList<UserDayData>>();
        QCOMPARE(list.size(), 201);
        for (const UserDayData& r : list) {
            QCOMPARE(r.Words, r.ID == QLatin1String("bob") ? 500 : 0);
            QVERIFY(r.Name.size() < 10);
        }
    }

    // A record, plan or catalogue whose element carries thousands of
    // attributes (the parser's check for repeated names takes the square of
    // their number: minutes for a plan) is refused by their count, and the
    // refresh lists the honest member in the usual time. A refused record or
    // plan is not fetched again by the next refreshes, until it changes (the
    // catalogue, which only the operators write, is fetched each time).
    void slowDocumentsCostOnlyThemselves_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("document");
        const QByteArray noon = QByteArray::number(m_noon);
        QTest::newRow("record") << "ranking/rooms/Open/eve.user.xml"
                                << "<User ID=\"eve\" Words=\"900\" EndTime=\"" + noon + "\"" + attributeFlood(2000) + "/>";
        QTest::newRow("plan") << "ranking/rooms/Open/bot.xml"
                              << "<Bots InitTime=\"" + noon + "\"><BotList><Bot Nickname=\"Slow\" BeginTime=\"" + noon
                                     + "\"" + attributeFlood(100000) + "><WordsOnTime/></Bot></BotList></Bots>";
        QTest::newRow("catalogue") << "ranking/Open.bot.user.xml"
                                   << "<BotUsers><BotUser Nickname=\"Slow\" Speed=\"20\" TimeLength=\"3660\""
                                          + attributeFlood(100000) + "/></BotUsers>";
    }

    void slowDocumentsCostOnlyThemselves()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, document);
        putRoom(QStringLiteral("Open"), 0);
        m_server.putObject(QStringLiteral("ranking/rooms/Open/bob.user.xml"), userXml("bob", "Bob", 500, 600, m_noon, "Open").toUtf8());
        m_server.putObject(QStringLiteral("ranking/rooms/Open/eve.user.xml"), userXml("eve", "Eve", 5, 60, m_noon, "Open").toUtf8());
        QVERIFY(m_server.putObject(key, document));
        // A refused record lists its member with nothing written.
        const QString eve = key.contains(QLatin1String("eve")) ? QStringLiteral(":0") : QStringLiteral("Eve:5");
        QStringList expected = {QStringLiteral("Bob:500"), eve};
        expected.sort();
        for (int refresh = 0; refresh < 4; ++refresh) {
            // The third refresh finds the document changed (still refused).
            if (refresh == 2)
                QVERIFY(m_server.putObject(key, document + ' '));
            m_server.clearRequests();
            QSignalSpy refreshed(bot::sneakIntoBot(QStringLiteral("Open")), &UserDayDataListReply::finished);
            QVERIFY(refreshed.wait(15000));
            QStringList names;
            for (const UserDayData& r : refreshed.at(0).at(0).value<QList<UserDayData>>())
                names << QStringLiteral("%1:%2").arg(r.Name).arg(r.Words);
            names.sort();
            QCOMPARE(names, expected);
            QCOMPARE(requestsFor(key), refresh % 2 == 0 || key.endsWith(QLatin1String(".bot.user.xml")) ? 1 : 0);
        }
    }

    // The seed corpus of the rooms' fuzz target (scripts/fuzz.sh sets
    // PENLARK_FUZZ_SEEDS): one document of each kind, each of which reads.
    void fuzzSeeds()
    {
        RoomData room;
        room.RoomKey = QStringLiteral("Alpha");
        room.Name = QStringLiteral("露墨 & <co>");
        room.Type = 1;
        UserRoomData member;
        member.ID = QStringLiteral("ann");
        member.RoomID = QStringLiteral("Alpha");
        member.EndTime = m_noon;
        member.DeviceIdList = {QStringLiteral("d1"), QStringLiteral("d2")};
        BotsData plan;
        plan.InitTime = m_noon;
        BotUserData writer;
        writer.Nickname = QStringLiteral("小明");
        writer.WordsOnTime = {{m_noon - 60, 30, 5}, {m_noon - 30, 60, 9}};
        plan.BotList << writer;
        const QList<QByteArray> seeds = {
            RankingData::roomDataToXml(room).toUtf8(), RankingData::userRoomDateToXml(member).toUtf8(),
            RankingData::botDataToXml(plan).toUtf8(),
            "<BotUsers><BotUser LoginName=\"q\" Nickname=\"Quick\" Speed=\"20\" Endurance=\"120\" TimeLength=\"3660\"/><X/></BotUsers>",
            // Refused for its document type, and fuzzed around.
            "<?xml version=\"1.0\"?><!DOCTYPE User [<!ENTITY e \"ee\"><!ATTLIST User Words CDATA \"9\">]><User ID=\"a\" Name=\"&e;&e;\"/>",
            // Refused for the attributes of one element.
            "<User ID=\"a\"" + attributeFlood(40) + "/>"};
        QVERIFY(RankingData::roomXmlToRoomData(QString::fromUtf8(seeds[0])).valid);
        QVERIFY(RankingData::userXmlToUserDayData(QString::fromUtf8(seeds[1])).valid);
        QCOMPARE(RankingData::botXmlToBotData(QString::fromUtf8(seeds[2])).BotList.size(), 1);
        QCOMPARE(bot::botXmlToBotUser(seeds[3], 100).size(), 2);
        QVERIFY(!RankingData::userXmlToUserDayData(QString::fromUtf8(seeds[4])).valid);
        QVERIFY(!RankingData::userXmlToUserDayData(QString::fromUtf8(seeds[5])).valid);
        const QString target = qEnvironmentVariable("PENLARK_FUZZ_SEEDS");
        if (target.isEmpty())
            return;
        QVERIFY(QDir().mkpath(target + QStringLiteral("/ranking")));
        for (int i = 0; i < seeds.size(); ++i) {
            QFile file(QStringLiteral("%1/ranking/seed-%2.xml").arg(target).arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(seeds[i]), qint64(seeds[i].size()));
        }
    }

    void numbersAreRangeChecked()
    {
        const UserDayData r = RankingData::userXmlToUserDayData(
            QStringLiteral("<User Words=\"-50\" Second=\"99999999999\" Grade=\"x\" EndTime=\"%1\"/>").arg(m_noon));
        QVERIFY(r.valid);
        QCOMPARE(r.Words, 0);
        QCOMPARE(r.Second, 0);
        QCOMPARE(r.Grade, 0);
        // Characters XML cannot carry are left out when writing.
        RoomData room;
        room.Name = QStringLiteral("a\x01" "b");
        QCOMPARE(RankingData::roomXmlToRoomData(RankingData::roomDataToXml(room)).Name, QStringLiteral("ab"));
    }

    void keyHelpers()
    {
        QCOMPARE(RankingData::fixRoomKey(QStringLiteral("ranking/hall/Alpha.room.xml")), QStringLiteral("Alpha"));
        QCOMPARE(RankingData::fixRoomKeyToPath(QStringLiteral("Alpha")), QStringLiteral("ranking/hall/Alpha.room.xml"));
        QCOMPARE(RankingData::fixRoomKeyToPath(QStringLiteral("ranking/hall/Alpha.room.xml")),
                 QStringLiteral("ranking/hall/Alpha.room.xml"));
        QCOMPARE(RankingData::fixUserKeyToRoomPath(QStringLiteral("bob"), QStringLiteral("ranking/hall/Alpha.room.xml")),
                 QStringLiteral("ranking/rooms/Alpha/bob.user.xml"));
        QCOMPARE(RankingData::fixUserKeyToRoomPath(QStringLiteral("ranking/rooms/Beta/bob.user.xml"), QStringLiteral("Alpha")),
                 QStringLiteral("ranking/rooms/Beta/bob.user.xml"));
        QCOMPARE(RankingData::fixUserKeyToPathForDayData(QStringLiteral("a/bob.user.xml"), QDate(2026, 3, 4)),
                 QStringLiteral("ranking/date/bob/20260304.date.xml"));
    }

    // ---- store --------------------------------------------------------------------

    void hallListingDeliversEveryRoom()
    {
        putRoom(QStringLiteral("Alpha"), 0);
        putRoom(QStringLiteral("Beta"), 1, QStringLiteral("pw"));
        putRoom(QStringLiteral("Gamma"), 0);
        QVERIFY(m_server.putObject(QStringLiteral("ranking/hall/notes.txt"), "x"));
        m_server.addFault(QJsonObject { { "path", "*Gamma.room.xml" }, { "action", "status" }, { "status", 500 } });
        RoomDataListReply* reply = RankingData::getHallDataList();
        QSignalSpy added(reply, &RoomDataListReply::addedRoomData);
        QSignalSpy done(reply, &RoomDataListReply::finished);
        QVERIFY(done.wait(5000));
        QCOMPARE(added.size(), 3);
        QStringList names;
        for (const QList<QVariant>& a : added)
            names << a.at(0).value<RoomData>().Name;
        names.sort();
        QCOMPARE(names, QStringList({ "", "Alpha", "Beta" }));
    }

    void hallWithoutRoomsFinishesAtOnce()
    {
        QVERIFY(m_server.putObject(QStringLiteral("ranking/hall/"), ""));
        QVERIFY(m_server.putObject(QStringLiteral("ranking/hall/readme.txt"), "x"));
        RoomDataListReply* reply = RankingData::getHallDataList();
        QSignalSpy added(reply, &RoomDataListReply::addedRoomData);
        QSignalSpy done(reply, &RoomDataListReply::finished);
        QVERIFY(done.wait(5000));
        QCOMPARE(added.size(), 0);
        QCOMPARE(m_server.storageRequests("GET").size(), 1);
    }

    void roomExistenceAndRefusedUploads()
    {
        putRoom(QStringLiteral("Alpha"), 0);
        QVERIFY(answer(RankingData::isHasRoomKey(QStringLiteral("Alpha"))));
        QVERIFY(answer(RankingData::isHasRoomKey(QStringLiteral("Alpha.room.xml"))));
        QVERIFY(!answer(RankingData::isHasRoomKey(QStringLiteral("Beta"))));

        m_server.clearRequests();
        QVERIFY(!answer(RankingData::pushRoomData(RoomData())));
        UserRoomData noLogin;
        noLogin.RoomID = QStringLiteral("Alpha");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("No LoginName:"));
        QVERIFY(!answer(RankingData::pushUserRoomData(noLogin)));
        QVERIFY(m_server.storageRequests().isEmpty());
    }

    void membersArePublishedListedAndRemoved()
    {
        UserRoomData me;
        me.ID = QStringLiteral("ann");
        me.RoomID = QStringLiteral("Alpha");
        me.Words = 321;
        me.EndTime = m_noon;
        QVERIFY(answer(RankingData::pushUserRoomData(me)));
        QVERIFY(m_server.hasObject(QStringLiteral("ranking/rooms/Alpha/ann.user.xml")));
        m_server.putObject(QStringLiteral("ranking/rooms/Alpha/bob.user.xml"),
                           userXml("bob", "Bob", 500, 600, m_noon - 86400).toUtf8());
        m_server.putObject(QStringLiteral("ranking/rooms/Alpha/bot.xml"), "<Bots/>");

        QList<UserDayData> list = rows(RankingData::getRoomDateList(QStringLiteral("Alpha")));
        QCOMPARE(list.size(), 2);
        std::sort(list.begin(), list.end(), [](const UserDayData& a, const UserDayData& b) { return a.ID < b.ID; });
        QCOMPARE(list[0].Words, 321);
        QCOMPARE(list[1].ID, QStringLiteral("bob"));
        QCOMPARE(list[1].Words, 0);

        QVERIFY(answer(RankingData::removeUserDataFromRoom(QStringLiteral("Alpha"), QStringLiteral("ann"))));
        QVERIFY(!m_server.hasObject(QStringLiteral("ranking/rooms/Alpha/ann.user.xml")));
        QCOMPARE(rows(RankingData::getRoomDateList(QStringLiteral("Empty"))).size(), 0);
    }

    // ---- hall ---------------------------------------------------------------------------

    void hallPinsThreeRooms()
    {
        RankingHallModel hall;
        for (const char* name : { "神秘地带", "Beta", "露墨", "Alpha" }) {
            RoomData r;
            r.Name = QString::fromUtf8(name);
            r.Type = r.Name == QLatin1String("Beta");
            hall.addRoomData(r);
        }
        QStringList order;
        for (int i = 0; i < hall.rowCount(); ++i)
            order << hall.index(i, 0).data(RankingHallModel::DisplayTextRole).toString();
        QCOMPARE(order, QStringList({ "露墨", "神秘地带", "Beta", "Alpha" }));
        QCOMPARE(hall.index(2, 0).data(RankingHallModel::SortRole).toInt(), 5);
        QCOMPARE(hall.index(3, 0).data(RankingHallModel::SortRole).toInt(), 7);
        QCOMPARE(hall.index(2, 0).data(RankingHallModel::IconFileRole).toString(), QStringLiteral("qrc:/source/images/lock.png"));
        QVERIFY(hall.index(2, 0).data(RankingHallModel::HasPasswordRole).toBool());
        QCOMPARE(hall.roleNames().size(), 4);
    }

    void hallLoadsAtFirstActivation()
    {
        putRoom(QStringLiteral("Alpha"), 0);
        RankingHallModel hall;
        emit global::instance()->signalObject()->isAppActionFirstChanged(true);
        QTRY_COMPARE(hall.rowCount(), 1);
        QCOMPARE(hall.index(0, 0).data(RankingHallModel::IconFileRole).toString(), QStringLiteral("qrc:/source/images/open.png"));
    }

    void createRoomRefusals()
    {
        RankingHallModel hall;
        user()->setLogined(false);
        hall.createRoom(QStringLiteral("Alpha"), QString(), 0);
        user()->setLogined(true);
        hall.createRoom(QString(), QString(), 0);
        hall.createRoom(QStringLiteral("Alpha"), QString(), 1);
        QCOMPARE(m_notices, QStringList({ "请先登录", "请输入房间名", "请输入房间密码" }));
        QVERIFY(m_server.storageRequests().isEmpty());

        putRoom(QStringLiteral("Taken"), 1, QStringLiteral("old"));
        const QByteArray before = m_server.object(QStringLiteral("ranking/hall/Taken.room.xml"));
        hall.createRoom(QStringLiteral("Taken"), QStringLiteral("new"), 1);
        QTRY_COMPARE(m_notices.size(), 4);
        QCOMPARE(m_notices.last(), QStringLiteral("房间名已存在"));
        QCOMPARE(m_server.object(QStringLiteral("ranking/hall/Taken.room.xml")), before);
    }

    // Room names are checked like file names before anything is sent.
    void createRoomRefusesBadNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice");
        QTest::newRow("slash") << "a/b" << "房间名不能包含“/”";
        QTest::newRow("control") << QStringLiteral("a\tb") << "房间名不能包含控制字符";
        QTest::newRow("nul") << QString(QChar(0)) << "房间名不能包含控制字符";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "房间名不能包含控制字符";
        QTest::newRow("dot") << "." << "房间名不能是“.”或“..”";
        QTest::newRow("dots") << ".." << "房间名不能是“.”或“..”";
        QTest::newRow("too long") << QString(RoomName::MaxLength + 1, QChar(0x58A8)) << "房间名不能超过 32 个字符";
    }

    void createRoomRefusesBadNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        RankingHallModel hall;
        hall.createRoom(name, QString(), 0);
        QCOMPARE(m_notices, QStringList({notice}));
        QVERIFY(m_server.storageRequests().isEmpty());
        // The store refuses such a key too.
        RoomData room;
        room.RoomKey = name;
        QVERIFY(!answer(RankingData::pushRoomData(room)));
        QVERIFY(m_server.storageRequests().isEmpty());
        // At the limit a name is fine.
        QCOMPARE(RoomName::check(QString(RoomName::MaxLength, QChar(0x58A8)) ), RoomName::None);
        QCOMPARE(RoomName::check(QString::fromUtf8("露墨 😀")), RoomName::None);
    }

    void createRoomWritesAndReloads()
    {
        RankingHallModel hall;
        hall.createRoom(QStringLiteral("Open"), QString(), 0);
        QTRY_COMPARE(m_notices, QStringList({ "创建成功" }));
        const RoomData open = RankingData::roomXmlToRoomData(
            QString::fromUtf8(m_server.object(QStringLiteral("ranking/hall/Open.room.xml"))));
        QCOMPARE(open.Owner, QStringLiteral("ann"));
        QCOMPARE(open.PassWd, function::md5(QString()));
        QTRY_COMPARE(hall.rowCount(), 1);

        hall.createRoom(QStringLiteral("Locked"), QStringLiteral("pw"), 1);
        QTRY_COMPARE(hall.rowCount(), 2);
        const QModelIndexList locked = hall.match(hall.index(0, 0), RankingHallModel::DisplayTextRole, QStringLiteral("Locked"));
        QCOMPARE(locked.size(), 1);
        QCOMPARE(locked[0].data(RankingHallModel::PasswordRole).toString(), function::md5(QStringLiteral("pw")));
        QCOMPARE(locked[0].data(RankingHallModel::IconFileRole).toString(), QStringLiteral("qrc:/source/images/lock.png"));

        m_server.addFault(QJsonObject { { "method", "POST" }, { "path", "/lumoranking" }, { "action", "status" }, { "status", 500 } });
        hall.createRoom(QStringLiteral("Broken"), QString(), 0);
        QTRY_COMPARE(m_notices.last(), QStringLiteral("创建失败"));
    }

    // ---- room ranking ------------------------------------------------------------------------

    void rankingRows()
    {
        RoomModel model;
        auto row = [](const char* id, const char* name, int words, int second = 0) {
            UserDayData r;
            r.ID = QString::fromUtf8(id);
            r.Name = QString::fromUtf8(name);
            r.Words = words;
            r.Second = second;
            return r;
        };
        model.applyRows({ row("a", "A", 120, 119), row("b", "B", 0), row("c", "", 300), row("ann", "Ann", 0),
                          row("d", "D", 50), row("e", "E", 50) });
        QCOMPARE(model.rowCount(), 5);
        auto at = [&](int i, int role) { return model.index(i, 0).data(role); };
        QCOMPARE(at(0, RoomModel::DisplayTextRole).toString(), QStringLiteral("c"));
        QCOMPARE(at(0, RoomModel::NumberRole).toInt(), 1);
        QCOMPARE(at(1, RoomModel::MinuteRole).toInt(), 1);
        QCOMPARE(at(2, RoomModel::DisplayTextRole).toString(), QStringLiteral("D"));
        QCOMPARE(at(3, RoomModel::DisplayTextRole).toString(), QStringLiteral("E"));
        QCOMPARE(at(4, RoomModel::DisplayTextRole).toString(), QStringLiteral("Ann"));
        QVERIFY(at(4, RoomModel::IsMeRole).toBool());
        QVERIFY(!at(0, RoomModel::IsMeRole).toBool());

        QStandardItem* first = model.item(0);
        model.applyRows({ row("x", "X", 10), row("y", "Y", 20), row("ann", "Ann", 5) });
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.item(0), first);
        QCOMPARE(at(0, RoomModel::DisplayTextRole).toString(), QStringLiteral("Y"));

        model.applyRows({ row("b", "B", 0) });
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(!model.loading());
    }

    void enteringPublishesAndRanks()
    {
        putRoom(QStringLiteral("Alpha"), 1, QStringLiteral("pw"));
        m_server.putObject(QStringLiteral("ranking/rooms/Alpha/bob.user.xml"), userXml("bob", "Bob", 900, 600, m_noon).toUtf8());
        QPointer<DataTypeClass> today = data::instance()->getRankingTodayData();
        QVERIFY(today);
        today->addData(60, 40, false);

        RoomModel model;
        QSignalSpy named(&model, &RoomModel::roomNameChanged);
        model.setRoomName(QStringLiteral("Alpha"));
        QCOMPARE(named.size(), 1);
        QTRY_COMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, 0).data(RoomModel::DisplayTextRole).toString(), QStringLiteral("Bob"));
        QCOMPARE(model.index(1, 0).data(RoomModel::WordsRole).toInt(), today->words());
        QVERIFY(model.index(1, 0).data(RoomModel::IsMeRole).toBool());
        QCOMPARE(model.roomTitle(), QStringLiteral("Alpha"));
        QCOMPARE(global::instance()->settings()->roomName(), QStringLiteral("Alpha"));
        QVERIFY(model.refreshTimer()->isActive());
        QCOMPARE(model.refreshTimer()->interval(), RoomModel::refreshInterval);
        const UserRoomData published = RankingData::userXmlToUserRoomData(
            QString::fromUtf8(m_server.object(QStringLiteral("ranking/rooms/Alpha/ann.user.xml"))));
        QCOMPARE(published.Words, today->words());
        QCOMPARE(published.Name, QStringLiteral("Ann"));

        // A change of today's record is published at once.
        const int before = today->words();
        today->addData(60, 25, false);
        emit data::instance()->dayDataChanged(today);
        QTRY_COMPARE(model.index(1, 0).data(RoomModel::WordsRole).toInt(), before + 25);

        // The same room again does nothing.
        m_server.clearRequests();
        model.setRoomName(QStringLiteral("Alpha"));
        QCOMPARE(named.size(), 1);
        QVERIFY(m_server.storageRequests().isEmpty());

        // Leaving stops publication and refresh.
        model.leaveRoom();
        QVERIFY(!model.refreshTimer()->isActive());
        today->addData(60, 5, false);
        emit data::instance()->dayDataChanged(today);
        QTest::qWait(50);
        QVERIFY(m_server.storageRequests().isEmpty());
    }

    void refreshRunsOnlyWhileActive()
    {
        putRoom(QStringLiteral("Alpha"), 1);
        RoomModel model;
        model.setRoomName(QStringLiteral("Alpha"));
        QTRY_VERIFY(model.refreshTimer()->isActive());
        QTRY_VERIFY(!model.loading());

        global::instance()->setIsAppAction(false);
        // Let requests still under way from entering the room finish first.
        for (int before = -1; before != m_server.storageRequests().size();) {
            before = m_server.storageRequests().size();
            QTest::qWait(100);
        }
        m_server.clearRequests();
        model.refreshTimer()->start(0);
        QTRY_VERIFY(!model.refreshTimer()->isActive());
        QTest::qWait(20);
        QVERIFY(m_server.storageRequests().isEmpty());

        global::instance()->setIsAppAction(true);
        QVERIFY(model.refreshTimer()->isActive());
        QVERIFY(model.loading());
        QTRY_VERIFY(!model.loading());
        QVERIFY(!m_server.storageRequests().isEmpty());
    }

    void publishingSignedOutAnswersFalse()
    {
        RoomModel model;
        user()->setLogined(false);
        bReply* reply = model.pushTodayData(data::instance()->getRankingTodayData());
        QSignalSpy spy(reply, &bReply::finished);
        QVERIFY(spy.wait(1000));
        user()->setLogined(true);
        QCOMPARE(spy.at(0).at(0).toBool(), false);

        putRoom(QStringLiteral("Alpha"), 1);
        m_server.addFault(QJsonObject { { "method", "POST" }, { "path", "/lumoranking" }, { "action", "status" }, { "status", 500 } });
        model.setRoomName(QStringLiteral("Alpha"));
        reply = model.pushTodayData(data::instance()->getRankingTodayData());
        QSignalSpy failed(reply, &bReply::finished);
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed.at(0).at(0).toBool(), false);
    }

    // ---- simulated writers ------------------------------------------------------------------

    void planFollowsTheDraws()
    {
        BotUser quick { QStringLiteral("Quick"), QStringLiteral("q"), QString(), 20, 120, 3660 };
        BotUser idle { QStringLiteral("Idle"), QStringLiteral("i"), QString(), 1, 0, 0 };
        BotUser hostile { QStringLiteral("H"), QStringLiteral("h"), QString(), 2147483647, -5, 2147483647 };
        const BotsData plan = bot::planFor(QStringLiteral("Alpha"), { quick, idle, hostile });
        QCOMPARE(plan.InitTime, m_noon);
        QCOMPARE(plan.BotList.size(), 3);

        const BotUserData& q = plan.BotList[0];
        const qint32 dayStart = m_noon - 12 * 3600;
        QCOMPARE(q.AllSecond, 1860);
        QCOMPARE(q.BeginTime, dayStart + 86400 - 1860 - 42270);
        QCOMPARE(q.EndTime, q.BeginTime + 42270 - 21435);
        QVERIFY(!q.WordsOnTime.isEmpty());
        for (int i = 1; i < q.WordsOnTime.size(); ++i) {
            QVERIFY(q.WordsOnTime[i].t > q.WordsOnTime[i - 1].t);
            QCOMPARE(q.WordsOnTime[i].s, q.WordsOnTime[i - 1].s + 30);
            QVERIFY(q.WordsOnTime[i].w >= q.WordsOnTime[i - 1].w);
        }

        QCOMPARE(plan.BotList[1].AllSecond, 0);
        for (const botTime& step : plan.BotList[1].WordsOnTime)
            QCOMPARE(step.w, 0);
        // Values beyond a day are held to one day of 30-second steps.
        QVERIFY(plan.BotList[2].WordsOnTime.size() <= 86400 / 30);
    }

    void rowsAtTheCurrentTime()
    {
        BotsData plan;
        BotUserData early;
        early.Nickname = QStringLiteral("Early");
        early.BeginTime = m_noon - 60;
        early.WordsOnTime = { { m_noon - 60, 30, 4 }, { m_noon - 30, 60, 9 }, { m_noon, 90, 15 } };
        BotUserData starting = early;
        starting.Nickname = QStringLiteral("Now");
        starting.BeginTime = m_noon;
        starting.WordsOnTime = { { m_noon, 30, 3 } };
        starting.AvatarUrl = QStringLiteral("http://pic");
        BotUserData later = early;
        later.BeginTime = m_noon + 1;
        BotUserData yesterday = early;
        yesterday.BeginTime = m_noon - 86400;
        plan.BotList << early << starting << later << yesterday;
        const QList<UserDayData> rows = bot::botToUser(plan);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].Words, 9);
        QCOMPARE(rows[0].Second, 60);
        QCOMPARE(rows[0].AvatarUrl, QStringLiteral("http://127.0.0.1:1/gravatarproxy/%1?s=80&default=identicon")
                                        .arg(function::md5(QStringLiteral("Early"))));
        QCOMPARE(rows[1].Words, 0);
        QCOMPARE(rows[1].AvatarUrl, QStringLiteral("http://pic"));
    }

    void planIsBuiltSharedAndCached()
    {
        putRoom(QStringLiteral("Open"), 0);
        putCatalogue(QStringLiteral("Open"),
                     "<BotUser LoginName=\"q\" Nickname=\"Quick\" Speed=\"20\" Endurance=\"120\" TimeLength=\"3660\"/>"
                     "<Other/>");
        m_server.putObject(QStringLiteral("ranking/rooms/Open/bob.user.xml"), userXml("bob", "Bob", 5, 60, m_noon, "Open").toUtf8());
        const QList<UserDayData> list = rows(bot::sneakIntoBot(QStringLiteral("Open")));
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].ID, QStringLiteral("bob"));
        QCOMPARE(list[1].Name, QStringLiteral("Quick"));
        QVERIFY(list[1].Words > 0);
        QTRY_VERIFY(m_server.hasObject(QStringLiteral("ranking/rooms/Open/bot.xml")));
        QVERIFY(QFile::exists(bot::localBotsFile(QStringLiteral("Open"))));
        QVERIFY(QFile::exists(bot::localBotUserFile(QStringLiteral("Open"))));

        // The next refresh takes the local plan: no catalogue or plan download.
        m_server.clearRequests();
        QCOMPARE(rows(bot::sneakIntoBot(QStringLiteral("Open"))).size(), 3);
        QCOMPARE(requestsFor(QStringLiteral("ranking/rooms/Open/bot.xml")), 0);
        QCOMPARE(requestsFor(QStringLiteral("ranking/Open.bot.user.xml")), 0);

        // Another client without a local copy takes the shared plan.
        QDir(global::dataPath() + QStringLiteral("/cache")).removeRecursively();
        const BotsData shared = RankingData::botXmlToBotData(
            QString::fromUtf8(m_server.object(QStringLiteral("ranking/rooms/Open/bot.xml"))));
        m_server.removeObject(QStringLiteral("ranking/Open.bot.user.xml"));
        BotsDataReply* reply = bot::checkBotsData(QStringLiteral("Open"));
        const BotsData taken = wait(reply, &BotsDataReply::finished).value(0).value<BotsData>();
        QCOMPARE(RankingData::botDataToXml(taken), RankingData::botDataToXml(shared));
    }

    void staleAndClosedRooms()
    {
        // A local plan written today that holds yesterday's plan is ignored.
        BotsData old;
        old.InitTime = m_noon - 86400;
        old.BotList << BotUserData();
        QVERIFY(bot::saveLocalBots(QStringLiteral("Open"), RankingData::botDataToXml(old).toUtf8()));
        QVERIFY(bot::getLocalBots(QStringLiteral("Open")).BotList.isEmpty());

        // A password room gets its members only; a room without record gets
        // simulated writers.
        putRoom(QStringLiteral("Closed"), 1);
        putCatalogue(QStringLiteral("Closed"), "<BotUser Nickname=\"Q\" Speed=\"20\" Endurance=\"120\" TimeLength=\"3660\"/>");
        putCatalogue(QStringLiteral("Nowhere"), "<BotUser Nickname=\"Q\" Speed=\"20\" Endurance=\"120\" TimeLength=\"3660\"/>");
        QCOMPARE(rows(bot::sneakIntoBot(QStringLiteral("Closed"))).size(), 0);
        QCOMPARE(rows(bot::sneakIntoBot(QStringLiteral("Nowhere"))).size(), 1);

        // A room key that names a path stays inside the cache folder.
        QVERIFY(bot::localBotsFile(QStringLiteral("../../x")).startsWith(global::dataPath() + QStringLiteral("/cache/")));
        QVERIFY(!bot::localBotsFile(QStringLiteral("../../x")).contains(QStringLiteral("/../")));
    }

    void catalogueParsing()
    {
        QCOMPARE(bot::botXmlToBotUser("<Other><BotUser/></Other>", 100).size(), 0);
        QCOMPARE(bot::botXmlToBotUser("<BotUsers><BotUser", 100).size(), 0);
        const QList<BotUser> users = bot::botXmlToBotUser(
            "<BotUsers><BotUser Nickname=\"a\" Speed=\"x\" TimeLength=\"90\"/><X/><BotUser/></BotUsers>", 2);
        QCOMPARE(users.size(), 2);
        QCOMPARE(users[0].Speed, 0);
        QCOMPARE(users[0].TimeLength, 90);
        QVERIFY(users[1].Nickname.isEmpty());
    }

    // ---- personal ranking data ---------------------------------------------------------------

    void personalRecordMovesBetweenRooms()
    {
        putRoom(QStringLiteral("Old"), 0);
        putRoom(QStringLiteral("Alpha"), 0);
        putRoom(QStringLiteral("Secret"), 1, QStringLiteral("pw"));
        putRoom(QStringLiteral("Invited"), 2);
        m_server.putObject(QStringLiteral("ranking/rooms/Old/ann.user.xml"), userXml("ann", "Ann", 5, 60, m_noon, "Old").toUtf8());
        UserInfo* info = Users::instance()->getUserInfo();
        info->getUserSetting()->setValue(QStringLiteral("RoomKey"), QStringLiteral("Old"));

        myRankingData mine;
        QVERIFY(!answer(mine.gotoRoom(QStringLiteral("Alpha")))); // no account client yet
        mine.setUserInfo(info);
        QVERIFY(answer(mine.CheckAccess(QStringLiteral("Alpha"))));
        global::instance()->settings()->setRoomPassword(QStringLiteral("Secret"), function::md5(QStringLiteral("other")));
        QVERIFY(!answer(mine.CheckAccess(QStringLiteral("Secret"))));
        global::instance()->settings()->setRoomPassword(QStringLiteral("Secret"), function::md5(QStringLiteral("pw")));
        QVERIFY(answer(mine.CheckAccess(QStringLiteral("Secret"))));
        QVERIFY(!answer(mine.CheckAccess(QStringLiteral("Invited"))));
        QMessageBox* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("立入禁止"));
        box->close();

        QVERIFY(answer(mine.gotoRoom(QStringLiteral("Alpha"))));
        QVERIFY(m_notices.contains(QStringLiteral("已离开 Old 房间")));
        QVERIFY(!m_server.hasObject(QStringLiteral("ranking/rooms/Old/ann.user.xml")));
        QCOMPARE(info->getUserSetting()->value(QStringLiteral("RoomKey")).toString(), QStringLiteral("Alpha"));
        const QString member = QStringLiteral("ranking/rooms/Alpha/ann.user.xml");
        QTRY_VERIFY(m_server.hasObject(member));
        const int words = data::instance()->getRankingTodayData()->words();
        QCOMPARE(RankingData::userXmlToUserRoomData(QString::fromUtf8(m_server.object(member))).Words, words);
        const QString day = RankingData::fixUserKeyToPathForDayData(QStringLiteral("ann"), StatsClock::today());
        QCOMPARE(RankingData::userXmlToUserDayData(QString::fromUtf8(m_server.object(day))).RoomID,
                 QStringLiteral("Alpha"));

        // Staying in the same room publishes again.
        m_server.removeObject(member);
        QVERIFY(answer(mine.gotoRoom(QStringLiteral("Alpha"))));
        QVERIFY(m_server.hasObject(member));

        // A push still in flight when its object goes answers no.
        auto* gone = new myRankingData;
        gone->setUserInfo(info);
        BoolReply* pushed = gone->pushData();
        delete gone;
        QSignalSpy answered(pushed, &BoolReply::finished);
        QVERIFY(answered.wait(5000));
        QCOMPARE(answered.at(0).at(0).toBool(), false);
    }

    // ---- page ------------------------------------------------------------------------------------

private:
    // The ranking page in a window, with the context objects it uses and
    // models of its own; item is null when the page did not build.
    struct Page
    {
        QQmlEngine engine;
        RankingHallModel* hall = new RankingHallModel(&engine);
        RoomModel* room = new RoomModel(&engine);
        QQuickWindow window;
        QScopedPointer<QObject> item;
        Page()
        {
            engine.addImportPath(QStringLiteral("qrc:///"));
            QQmlContext* context = engine.rootContext();
            context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(&engine));
            context->setContextProperty(QStringLiteral("functions"), function::instance());
            context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
            context->setContextProperty(QStringLiteral("csettings"), global::instance()->settings());
            context->setContextProperty(QStringLiteral("userdata"), user());
            context->setContextProperty(QStringLiteral("cglobal"), global::instance());
            context->setContextProperty(QStringLiteral("rankingHallModel"), hall);
            context->setContextProperty(QStringLiteral("roomModel"), room);
            QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/qml/page/RankingPage.qml")));
            item.reset(component.create());
            if (!item) {
                qWarning() << component.errorString();
                return;
            }
            window.resize(320, 480);
            qobject_cast<QQuickItem*>(item.data())->setParentItem(window.contentItem());
        }
        QObject* child(const char* name) const { return item->findChild<QObject*>(QLatin1String(name)); }
    };

private slots:

    void emptyHallSaysWhy_data()
    {
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no server") << false << true << "未配置服务器地址，拼字房间不可用。";
        QTest::newRow("signed out") << true << false << "请先登录";
        QTest::newRow("signed in") << true << true << "";
    }

    void emptyHallSaysWhy()
    {
        QFETCH(bool, server);
        QFETCH(bool, signedIn);
        QFETCH(QString, notice);
        const QByteArray address = qgetenv("PENLARK_SERVER");
        const auto restore = qScopeGuard([address] {
            qputenv("PENLARK_SERVER", address);
            user()->setLogined(true);
        });
        if (!server)
            qunsetenv("PENLARK_SERVER");
        user()->setLogined(signedIn);
        Page page;
        QObject* label = page.item ? page.child("hallNotice") : nullptr;
        QVERIFY(label);
        QCOMPARE(label->property("text").toString(), notice);
        QCOMPARE(label->property("visible").toBool(), !notice.isEmpty());
    }

    void pageLoadsWithoutWarnings()
    {
        putRoom(QStringLiteral("Alpha"), 0);
        putRoom(QStringLiteral("Secret"), 1, QStringLiteral("pw"));
        g_warnings.clear();
        g_previous = qInstallMessageHandler(collectWarnings);
        Page p;
        QVERIFY(p.item);
        QObject* page = p.item.data();
        RankingHallModel* hall = p.hall;
        RoomModel* room = p.room;
        QCOMPARE(page->property("name").toString(), QStringLiteral("ranking"));
        hall->updateHall();
        QTRY_COMPARE(hall->rowCount(), 2);

        // A password room asks; the right password enters and is remembered.
        global::instance()->settings()->setRoomPassword(QStringLiteral("Secret"), QString());
        QVERIFY(QMetaObject::invokeMethod(page, "openRoom", Q_ARG(QVariant, "Secret"), Q_ARG(QVariant, true),
                                          Q_ARG(QVariant, function::md5(QStringLiteral("pw")))));
        QObject* sheet = page->findChild<QObject*>(QStringLiteral("roomPasswordSheet"));
        QVERIFY(sheet);
        QTRY_VERIFY(sheet->property("visible").toBool());
        QVariant ok;
        QMetaObject::invokeMethod(sheet, "check", Q_RETURN_ARG(QVariant, ok));
        QCOMPARE(sheet->property("error").toString(), QStringLiteral("请输入密码"));
        sheet->setProperty("input", QStringLiteral("wrong"));
        QMetaObject::invokeMethod(sheet, "check", Q_RETURN_ARG(QVariant, ok));
        QCOMPARE(sheet->property("error").toString(), QStringLiteral("密码错误"));
        sheet->setProperty("input", QStringLiteral("pw"));
        QMetaObject::invokeMethod(sheet, "check", Q_RETURN_ARG(QVariant, ok));
        QVERIFY(ok.toBool());
        QCOMPARE(global::instance()->settings()->roomPassword(QStringLiteral("Secret")), function::md5(QStringLiteral("pw")));

        // From the page's first control, where the shell's key leaves it, two Tabs reach the
        // hall, Down walks it, Enter enters the open room; leaving clears the setting.
        p.window.show();
        p.window.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        auto* hallList = qobject_cast<QQuickItem*>(p.child("hallList"));
        qobject_cast<QQuickItem*>(page)->nextItemInFocusChain(true)->forceActiveFocus();
        QTest::keyClick(&p.window, Qt::Key_Tab);
        QTest::keyClick(&p.window, Qt::Key_Tab);
        QVERIFY(hallList->hasActiveFocus());
        for (int row = 0; hall->item(row)->data(RankingHallModel::DisplayTextRole) != QStringLiteral("Alpha"); ++row)
            QTest::keyClick(&p.window, Qt::Key_Down);
        QTest::keyClick(&p.window, Qt::Key_Return);
        QCOMPARE(page->property("depth").toInt(), 2);
        QCOMPARE(room->roomName(), QStringLiteral("Alpha"));
        QTRY_VERIFY(m_notices.contains(QStringLiteral("已进入 Alpha 房间")));
        QTRY_COMPARE_WITH_TIMEOUT(room->rowCount(), 1, 15000);
        QObject* roomPage = page->findChild<QObject*>(QStringLiteral("roomPage"));
        QVERIFY(roomPage);
        QMetaObject::invokeMethod(roomPage, "leave");
        QTRY_COMPARE(page->property("depth").toInt(), 1);
        QCOMPARE(global::instance()->settings()->roomName(), QString());
        QVERIFY(m_notices.contains(QStringLiteral("已离开 Alpha 房间")));
        QVERIFY(room->roomName().isEmpty());

        qInstallMessageHandler(g_previous);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    }

    // A room and its password belong to the account that entered it: after
    // ann entered her private room, bob on the same computer starts in the
    // hall, publishes nothing into it and is asked for its password; ann
    // enters it again at her next sign-in.
    void roomBelongsToItsAccount()
    {
        QVERIFY(m_server.createAccount(QStringLiteral("bob"), QStringLiteral("secret")) > 0);
        putRoom(QStringLiteral("Secret"), 1, QStringLiteral("pw"));
        global::instance()->settings()->setRoomPassword(QStringLiteral("Secret"), QString());
        Page page;
        QVERIFY(page.item);
        QObject* sheet = page.child("roomPasswordSheet");
        const auto open = [&page, sheet]() {
            QMetaObject::invokeMethod(page.item.data(), "openRoom", Q_ARG(QVariant, "Secret"), Q_ARG(QVariant, true),
                                      Q_ARG(QVariant, function::md5(QStringLiteral("pw"))));
            return QTest::qWaitFor([sheet] { return sheet->property("visible").toBool(); });
        };
        const auto signIn = [](const QString& name) {
            Users::instance()->getUserInfo()->logout();
            user()->setLogin(name);
            user()->setPassword(QStringLiteral("secret"));
            user()->setLogined(true);
        };
        QVERIFY(open());
        sheet->setProperty("input", QStringLiteral("pw"));
        QVERIFY(QMetaObject::invokeMethod(sheet->findChild<QObject*>(QStringLiteral("passwordOkButton")), "clicked"));
        QCOMPARE(page.item->property("depth").toInt(), 2);
        QTRY_COMPARE(global::instance()->settings()->enteredRoom(QStringLiteral("ann")), QStringLiteral("Secret"));

        signIn(QStringLiteral("bob"));
        QCOMPARE(page.item->property("depth").toInt(), 1);
        QVERIFY(page.room->roomName().isEmpty());
        QVERIFY(open());
        QCOMPARE(sheet->property("input").toString(), QString());
        QCOMPARE(page.item->property("depth").toInt(), 1);
        QSignalSpy published(page.room->pushTodayData(data::instance()->getRankingTodayData()), &bReply::finished);
        QVERIFY(published.wait());
        QCOMPARE(published.at(0).at(0).toBool(), false);
        QCOMPARE(requestsFor(QStringLiteral("ranking/rooms/Secret/bob.user.xml")), 0);

        signIn(QStringLiteral("ann"));
        QCOMPARE(page.item->property("depth").toInt(), 2);
        QCOMPARE(page.room->roomName(), QStringLiteral("Secret"));
    }

    // One member's record behind a peer at the socket that trickles, stalls, cuts it short or
    // fails: the others and the simulated writer show meanwhile, its row is marked unavailable
    // (last, in the page too), a changed record shows at the next refresh, and once the peer
    // heals the member is ranked.
    void slowMemberCostsOnlyItsRow_data()
    {
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<int>("padding");
        QTest::addColumn<QString>("fault");
        QTest::newRow("a byte every 2 s") << 2000 << 0 << "";
        QTest::newRow("200 bytes a second, past the deadline") << 5 << 3000 << "";
        QTest::newRow("stalled") << 0 << 0 << "stall";
        QTest::newRow("cut short") << 0 << 0 << "cut";
        QTest::newRow("failing store") << 0 << 0 << "status";
    }

    void slowMemberCostsOnlyItsRow()
    {
        QFETCH(int, stepMs);
        QFETCH(int, padding);
        QFETCH(QString, fault);
        putRoom(QStringLiteral("Trickle"), 0);
        const QByteArray before = QByteArray::number(m_noon - 60);
        QVERIFY(m_server.putObject(QStringLiteral("ranking/rooms/Trickle/bot.xml"),
                                   "<Bots InitTime=\"" + before + "\"><BotList><Bot Nickname=\"kit\" BeginTime=\"" + before
                                       + "\"><WordsOnTime><w t=\"" + before + "\" w=\"400\"/></WordsOnTime></Bot></BotList></Bots>"));
        const auto member = [this](const char* id, int words, int padding = 0) {
            return m_server.putObject(QStringLiteral("ranking/rooms/Trickle/%1.user.xml").arg(QLatin1String(id)),
                                      userXml(id, id, words, 600, m_noon, "Trickle").toUtf8() + QByteArray(padding, ' '));
        };
        QVERIFY(member("bob", 500) && member("eve", 300) && member("slow", 700, padding));
        if (!fault.isEmpty())
            m_server.addFault({ { "method", "GET" }, { "path", "/lumoranking/ranking/rooms/Trickle/slow.user.xml" },
                                { "action", fault }, { "bytes", 10 }, { "status", 503 } });
        TrickleProxy proxy(m_server.port());
        QVERIFY(proxy.listen());
        proxy.setSlowPath("slow.user.xml", stepMs);
        const auto restore = signedInAt(proxy.url().toUtf8());
        Page page;
        page.window.show();
        const auto shown = [&page]() {
            QStringList rows;
            for (int i = 0; i < page.room->rowCount(); ++i) {
                const QModelIndex r = page.room->index(i, 0);
                if (!r.data(RoomModel::IsMeRole).toBool())
                    rows << r.data(RoomModel::DisplayTextRole).toString() + QLatin1Char(':')
                            + (r.data(RoomModel::UnavailableRole).toBool() ? QStringLiteral("-") : r.data(RoomModel::WordsRole).toString());
            }
            return rows.join(QLatin1Char(' '));
        };
        QVERIFY(QMetaObject::invokeMethod(page.item.data(), "enterRoom", Q_ARG(QVariant, "Trickle")));
        QTRY_COMPARE_WITH_TIMEOUT(shown().left(23), QStringLiteral("bob:500 kit:400 eve:300"), 3000);
        QVERIFY2(stepMs != 2000 || (proxy.slowed() == 1 && !shown().contains(QLatin1String("slow"))), qPrintable(shown()));
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("bob:500 kit:400 eve:300 slow:-"), 15000);
        std::function<bool(QQuickItem*)> says = [&says](QQuickItem* item) {
            const QList<QQuickItem*> children = item->childItems();
            return (item->isVisible() && item->property("text").toString() == QStringLiteral("暂不可用"))
                || std::any_of(children.begin(), children.end(), says);
        };
        QTRY_VERIFY(says(qobject_cast<QQuickItem*>(page.child("roomList"))));

        QVERIFY(member("bob", 900));
        QElapsedTimer sinceRefresh;
        sinceRefresh.start();
        page.room->refreshTimer()->start(0);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("bob:900 kit:400 eve:300 slow:-"), 3000);
        proxy.setSlowPath(QByteArray(), 0);
        m_server.clearFaults();
        page.room->refreshTimer()->start(0);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringLiteral("bob:900 slow:700 kit:400 eve:300"), 3000);
        // The refresh before, given up by its deadline at the latest, changes nothing landing late.
        QTest::qWait(qMax<qint64>(0, (stepMs ? RoomDownloads::pace(RankingXml::MaxRecordSize).deadlineMs : 0) + 1000 - sinceRefresh.elapsed()));
        QCOMPARE(shown(), QStringLiteral("bob:900 slow:700 kit:400 eve:300"));
    }

    // Entering publishes, then reads the room once: an open room's plan that
    // does not read is fetched once, not by two refreshes.
    void enteringFetchesTheRoomOnce()
    {
        putRoom(QStringLiteral("Open"), 0);
        const QString plan = QStringLiteral("ranking/rooms/Open/bot.xml");
        QVERIFY(m_server.putObject(plan, "<Bots><BotList><Bot" + attributeFlood(100000) + "/></BotList></Bots>"));
        RoomModel model;
        model.setRoomName(QStringLiteral("Open"));
        QTRY_VERIFY_WITH_TIMEOUT(model.refreshTimer()->isActive() && !model.loading(), 15000);
        QTest::qWait(500);
        QCOMPARE(requestsFor(plan), 1);
    }

    // A device clock a week behind the server's: the sync and the writing
    // rooms say so, with both times, instead of an empty list.
    void clockFarFromTheServer()
    {
        PenlarkServer ahead;
        ahead.setLauncher({ QStringLiteral("faketime"), QStringLiteral("-f"), QStringLiteral("+7d") });
        QVERIFY(ahead.start());
        QVERIFY(ahead.createAccount(QStringLiteral("ann"), QStringLiteral("secret")) > 0);
        const auto restore = signedInAt(ahead.url().toUtf8());
        // Either day when the test runs across midnight.
        const QDateTime started = QDateTime::currentDateTime();
        const auto named = [started](const QString& text) {
            for (const QDateTime& now : { started, QDateTime::currentDateTime() }) {
                if (text.contains(QStringLiteral("本机时钟与服务器相差太多（本机时间 ") + now.toString(QStringLiteral("yyyy-MM-dd ")))
                    && text.contains(QStringLiteral("服务器时间 ") + now.addDays(7).toString(QStringLiteral("yyyy-MM-dd "))))
                    return true;
            }
            return false;
        };
        cloudDisk disk(QString(), QString(), 3600000);
        disk.doUpdate(true);
        QTRY_VERIFY(!disk.updating());
        QVERIFY2(disk.cloudTips().startsWith(QStringLiteral("获取云端列表出错:")) && named(disk.cloudTips()), qPrintable(disk.cloudTips()));
        QVERIFY2(named(m_notices.last()), qPrintable(m_notices.last()));

        Page page;
        QVERIFY(page.item);
        page.hall->updateHall();
        QTRY_VERIFY(named(page.child("hallNotice")->property("text").toString()));
        QVERIFY(QMetaObject::invokeMethod(page.item.data(), "enterRoom", Q_ARG(QVariant, "Alpha")));
        QVERIFY(named(page.child("roomNotice")->property("text").toString()) && page.child("roomNotice")->property("visible").toBool());
    }
};

PENLARK_TEST_MAIN(TestRanking)
#include "tst_ranking.moc"
