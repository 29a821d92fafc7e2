// Writing statistics: the period record, the store with its 1 s heartbeat
// and 20 s windows, the statistics files, charts, points milestones and the
// writing lock. The statistics clock is fixed by each test, and the store's
// heartbeat is driven by hand.
#include "testenvironment.h"
#include "smalldisk.h"

#include "data/countchartsmodel.h"
#include "data/data.h"
#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/points.h"
#include "data/settings.h"
#include "data/statsclock.h"
#include "chapter/wordcountmodel.h"
#include "data/statsfile.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/keys.h"
#include "TovaUi/function/message.h"
#include "i18n/i18n.h"
#include "locker/locker.h"
#include "ranking/rankingdata.h"
#include "TovaUi/theme/lumotheme.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QDirIterator>
#include <QHostInfo>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {
const char kDevice[] = "{aaaaaaaa-0000-0000-0000-000000000001}";
const char kOtherDevice[] = "{bbbbbbbb-0000-0000-0000-000000000002}";

int secs(const QDateTime& t) { return int(t.toSecsSinceEpoch()); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList g_qmlWarnings;
QtMessageHandler g_previousHandler = nullptr;

void recordQmlWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg)
        g_qmlWarnings << text;
    g_previousHandler(type, context, text);
}

QString countPath(const QString& name) { return global::countDataPath() + QLatin1Char('/') + name; }

int storedWords(const QDate& date, DataTypeClass::DataEnum kind)
{
    return QJsonDocument::fromJson(readFile(countPath(data::fileName(date, kind)))).object().value("Words").toInt();
}
} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QSignalSpy> m_messages;

    // Runs the heartbeat of a store by hand, moving the clock with it.
    static void tick(data* store, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            StatsClock::advance(1);
            QVERIFY(QMetaObject::invokeMethod(store, "heartBeat"));
        }
    }

    // Ticks to the end of the running window.
    static void finishWindow(data* store) { tick(store, store->updateTime()); }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const QList<QVariant>& m : *m_messages)
            texts << m.value(0).toString();
        return texts;
    }

private slots:
    void initTestCase()
    {
        global::instance();
        QSettings().setValue(QStringLiteral("countly/deviceId"), QString::fromLatin1(kDevice));
        m_messages.reset(new QSignalSpy(function::instance()->getMessage(), &Message::showMessage));
    }

    void init()
    {
        StatsClock::setNow(QDateTime(QDate(2026, 3, 11), QTime(10, 0, 0)));
        QDir(global::countDataPath()).removeRecursively();
        QSettings s;
        s.remove(QStringLiteral("lock"));
        s.remove(QStringLiteral("Points"));
        s.remove(QStringLiteral("Message"));
        s.setValue(QStringLiteral("files/path"), global::tmpPath());
        Users::instance()->getUserData()->setLogined(false);
        m_messages->clear();
    }

    void cleanupTestCase() { StatsClock::setNow(QDateTime()); }

    // ---- the record -------------------------------------------------------------

    void toJsonIsByteExact()
    {
        DataTypeClass record(DataTypeClass::day);
        QSignalSpy changed(&record, &DataTypeClass::dataChanged);
        record.addData(20, 10, false);
        QCOMPARE(changed.count(), 1);
        const int now = StatsClock::currentSeconds();
        QCOMPARE(record.words(), 10);
        QCOMPARE(record.second(), 20);
        QCOMPARE(record.speed(), 30);
        QCOMPARE(record.maxSpeed(), 30);
        QCOMPARE(record.beginTime(), now);
        QCOMPARE(record.deviceList().size(), 1);
        const QByteArray expected = "{\"BeginTime\":" + QByteArray::number(now) + ",\"DeviceIdList\":[\"" + kDevice
            + "\"],\"DeviceList\":[{\"BeginTime\":" + QByteArray::number(now) + ",\"DeviceId\":\"" + kDevice
            + "\",\"DeviceName\":\"" + QHostInfo::localHostName().toUtf8() + "\",\"EndTime\":" + QByteArray::number(now)
            + ",\"Second\":20,\"Words\":10}],\"EndTime\":" + QByteArray::number(now)
            + ",\"MaxSpeed\":30,\"Second\":20,\"Words\":10}";
        QCOMPARE(record.toJson(), expected);
    }

    void fromJsonForms()
    {
        DataTypeClass old(DataTypeClass::day);
        old.fromJson("{\"Words\":500,\"Second\":600}");
        QVERIFY(old.ok());
        QCOMPARE(old.words(), 500);
        QCOMPARE(old.second(), 600);
        QCOMPARE(old.deviceList().size(), 1);
        QCOMPARE(old.thisDevice()->words(), 500);
        QCOMPARE(old.thisDevice()->second(), 600);
        QCOMPARE(old.deviceIdList(), QList<QString>() << QString::fromLatin1(kDevice));
        QCOMPARE(old.beginTime(), StatsClock::currentSeconds());

        DataTypeClass array(DataTypeClass::day);
        array.fromJson("[1,2]");
        QVERIFY(!array.ok());
        QVERIFY(array.error().isEmpty());
        QVERIFY(array.deviceList().isEmpty());

        DataTypeClass broken(DataTypeClass::day);
        broken.fromJson("{\"Words\":");
        QVERIFY(!broken.error().isEmpty());
        QVERIFY(!broken.ok());

        DataTypeClass withSpeed(DataTypeClass::day);
        withSpeed.fromJson(QByteArray("{\"Words\":10,\"Second\":20,\"DeviceList\":[{\"DeviceId\":\"") + kOtherDevice
                           + "\",\"Words\":10,\"Second\":20,\"MaxSpeed\":44},7]}");
        QCOMPARE(withSpeed.maxSpeed(), 44);
        QCOMPARE(withSpeed.deviceList().size(), 1);
        const QJsonObject written = QJsonDocument::fromJson(withSpeed.toJson()).object();
        QVERIFY(!written.value("DeviceList").toArray().at(0).toObject().contains("MaxSpeed"));
    }

    // Totals that no entry covers become this device's share once, at
    // load; later windows then keep adding to the record.
    void shortfallIsAddedNotAssigned()
    {
        DataTypeClass record(DataTypeClass::day);
        record.fromJson(QByteArray("{\"Words\":500,\"Second\":600,\"DeviceList\":[{\"DeviceId\":\"") + kDevice
                        + "\",\"Words\":300,\"Second\":400}]}");
        QCOMPARE(record.thisDevice()->words(), 500);
        record.addData(20, 10, false);
        QCOMPARE(record.words(), 510);
        record.addData(20, 10, false);
        QCOMPARE(record.words(), 520);
        QCOMPARE(record.second(), 640);
        QCOMPARE(record.thisDevice()->words(), 520);
    }

    void mergeTwoDevices()
    {
        DataTypeClass local(DataTypeClass::day);
        local.addData(40, 30, false);
        local.setPushed(true);

        const int later = StatsClock::currentSeconds() + 300;
        auto* server = new DataTypeClass(DataTypeClass::day);
        server->fromJson(QByteArray("{\"BeginTime\":") + QByteArray::number(StatsClock::currentSeconds() - 100)
                         + ",\"Words\":45,\"Second\":80,\"DeviceIdList\":[\"" + kDevice + "\",\"" + kOtherDevice
                         + "\"],\"DeviceList\":[{\"DeviceId\":\"" + kDevice + "\",\"Words\":5,\"Second\":20,\"EndTime\":"
                         + QByteArray::number(later) + "},{\"DeviceId\":\"" + kOtherDevice
                         + "\",\"DeviceName\":\"laptop\",\"Words\":40,\"Second\":60}]}");
        QPointer<DataTypeClass> watched(server);
        QVERIFY(local.mergeData(server));
        QCOMPARE(local.words(), 70);
        QCOMPARE(local.second(), 100);
        QCOMPARE(local.thisDevice()->words(), 30);
        QCOMPARE(local.thisDevice()->endTime(), later);
        QCOMPARE(local.deviceList().size(), 2);
        QCOMPARE(local.deviceIdList().size(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watched.isNull());
        // The moved entry survives the server copy.
        QCOMPARE(local.deviceList().at(1)->deviceName(), QStringLiteral("laptop"));

        // Merging the same copy again changes nothing.
        local.setPushed(true);
        auto* again = new DataTypeClass(DataTypeClass::day);
        again->fromJson(local.toJson());
        QVERIFY(!local.mergeData(again));
        QCOMPARE(local.words(), 70);
    }

    void mergeOldCopyAndRefusals()
    {
        DataTypeClass local(DataTypeClass::day);
        local.addData(20, 10, false);
        auto* old = new DataTypeClass(DataTypeClass::day);
        old->setBeginTime(local.beginTime());
        old->setWords(25);
        old->setSecond(10);
        QVERIFY(local.mergeData(old));
        QCOMPARE(local.words(), 25);
        QCOMPARE(local.deviceIdList().last(), DataTypeClass::oldVersionDeviceId());

        auto* week = new DataTypeClass(DataTypeClass::week);
        QVERIFY(!local.mergeData(week));
        delete week; // refused copies stay with the caller

        DataTypeClass thisMonth(DataTypeClass::month);
        thisMonth.setBeginTime(secs(QDateTime(QDate(2026, 3, 2), QTime(9, 0))));
        auto* lastYear = new DataTypeClass(DataTypeClass::month);
        lastYear->setBeginTime(secs(QDateTime(QDate(2025, 3, 5), QTime(9, 0))));
        lastYear->setWords(5);
        QVERIFY(thisMonth.mergeData(lastYear));
    }

    void tmpDataAndTrends()
    {
        DataTypeClass record(DataTypeClass::day);
        record.fromJson("{\"Words\":100,\"Second\":200}");
        record.addTmpData(1, 5, true);
        QCOMPARE(record.words(), 0);
        QCOMPARE(record.tmpWords(), 0);
        QCOMPARE(record.tmpSecond(), 0);
        QCOMPARE(record.tmpBeginTime(), StatsClock::currentSeconds());
        DataTypeClass empty(DataTypeClass::day);
        empty.addTmpData(1, 5, true);
        QCOMPARE(empty.tmpWords(), 5);
        QCOMPARE(empty.tmpSecond(), 1);

        DataTypeClass now(DataTypeClass::day);
        now.setWords(150);
        DataTypeClass previous(DataTypeClass::day);
        previous.setWords(100);
        now.updatePreviousData(&previous);
        QCOMPARE(now.wordTrend(), 50);
        now.setWords(50);
        now.updatePreviousData(&previous);
        QCOMPARE(now.wordTrend(), -50);
        previous.setWords(0);
        now.updatePreviousData(&previous);
        QCOMPARE(now.wordTrend(), -50);
    }

    // ---- the store --------------------------------------------------------------

    // Today follows the typed words, or with "today's count follows the
    // result" the documents' change; the other records and the lock keep to
    // the typed words.
    void windows_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("counted");
        QTest::addColumn<bool>("byResult");
        QTest::addColumn<int>("today");
        QTest::newRow("none") << 0 << 0 << false << 0;
        QTest::newRow("one") << 1 << 1 << false << 1;
        QTest::newRow("forty-nine") << 49 << 49 << false << 49;
        QTest::newRow("paste of fifty") << 50 << 0 << false << 0;
        QTest::newRow("paste of fifty, by result") << 50 << 0 << true << 50;
    }

    void windows()
    {
        QFETCH(int, written);
        QFETCH(int, counted);
        QFETCH(bool, byResult);
        QFETCH(int, today);
        QSettings().setValue(QStringLiteral("WordCount/WordResult"), byResult);
        global::instance()->reloadSetting();
        QSettings().setValue(QStringLiteral("lock/words"), 100);
        QSettings().setValue(QStringLiteral("lock/second"), 100);
        data store(false);
        QSignalSpy added(&store, &data::addWordsChanged);
        const QString file = global::documentPath() + QStringLiteral("/book/one.txt");
        store.setFileData(file, 10000); // an opened document counts nothing
        tick(&store, 3);
        store.setFileData(file, 10000 + written);
        finishWindow(&store);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.first(), QList<QVariant>() << written << 20);
        QSettings().remove(QStringLiteral("WordCount/WordResult"));
        global::instance()->reloadSetting();
        for (DataTypeClass* r : { store.todayData().data(), store.thisWeekData().data(), store.thisMonthData().data(),
                                  store.thisYearData().data() }) {
            QCOMPARE(r->words(), r == store.todayData() ? today : counted);
            QCOMPARE(r->second(), counted ? 20 : 0);
        }
        QCOMPARE(store.lockWord(), 100 - counted);
        QCOMPARE(store.lockSecond(), counted ? 80 : 100);
        QCOMPARE(store.updateTime(), 20);
        QCOMPARE(store.fileDayCount().initi.keys(), QStringList() << QStringLiteral("book/one.txt"));
    }

    void decreasesCountNothing()
    {
        data store(false);
        const QString a = QStringLiteral("/elsewhere/a.txt");
        const QString b = global::documentPath() + QStringLiteral("/b.txt");
        store.setFileData(a, 100);
        store.setFileData(b, 100);
        store.setFileData(a, 90);  // ten deleted ...
        store.setFileData(a, 100); // ... and ten written in the same window
        finishWindow(&store);
        QCOMPARE(store.todayData()->words(), 0);

        store.setFileData(a, 90);
        finishWindow(&store);
        QCOMPARE(store.todayData()->words(), 0);
        store.setFileData(a, 100); // written again in a later window: counts
        store.setFileData(b, 105); // and the growth of both documents adds up
        finishWindow(&store);
        QCOMPARE(store.todayData()->words(), 15);
        QVERIFY(store.fileDayCount().initi.contains(QStringLiteral("elsewhere/a.txt")));
        QVERIFY(store.fileDayCount().initi.contains(QStringLiteral("b.txt")));

        // Ticks: each second adds its words to the live figures, and the
        // window end sets them back to the counted values.
        store.setFileData(a, 103);
        tick(&store);
        QCOMPARE(store.todayData()->tmpWords(), 18);
        store.setFileData(a, 200); // a pasted second adds nothing, not even time
        const int before = store.todayData()->tmpSecond();
        tick(&store);
        QCOMPARE(store.todayData()->tmpSecond(), before);
        finishWindow(&store);
        QCOMPARE(store.todayData()->tmpWords(), 15);
    }

    void rollover_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<bool>("weekKept");
        QTest::addColumn<bool>("monthKept");
        QTest::addColumn<bool>("yearKept");
        QTest::newRow("midnight") << QDateTime(QDate(2026, 3, 11), QTime(23, 59, 30)) << true << true << true;
        QTest::newRow("into monday") << QDateTime(QDate(2026, 3, 15), QTime(23, 59, 30)) << false << true << true;
        QTest::newRow("new year") << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 30)) << true << false << false;
    }

    void rollover()
    {
        QFETCH(QDateTime, before);
        QFETCH(bool, weekKept);
        QFETCH(bool, monthKept);
        QFETCH(bool, yearKept);
        StatsClock::setNow(before);
        const QDate oldDay = before.date();
        data store(false);
        store.setFileData(QStringLiteral("/x.txt"), 0);
        store.setFileData(QStringLiteral("/x.txt"), 12);
        finishWindow(&store);
        QCOMPARE(store.todayData()->words(), 12);
        tick(&store, 40); // past midnight
        QVERIFY(StatsClock::today() != oldDay);
        QCOMPARE(store.todayData()->words(), 0);
        QCOMPARE(store.thisWeekData()->words(), weekKept ? 12 : 0);
        QCOMPARE(store.thisMonthData()->words(), monthKept ? 12 : 0);
        QCOMPARE(store.thisYearData()->words(), yearKept ? 12 : 0);

        // The old periods' files keep their last state; the new day's file
        // was written at once.
        QCOMPARE(storedWords(oldDay, DataTypeClass::day), 12);
        QCOMPARE(storedWords(oldDay, DataTypeClass::year), 12);
        QVERIFY(QFileInfo::exists(countPath(data::fileName(StatsClock::today(), DataTypeClass::day))));
    }

    // The clock jumps between windows of writing: every stored record keeps
    // its words (each window's words lie in one record of each kind), and no
    // jump counts as writing time.
    void clockSteps_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QList<int>>("jumps");
        QTest::newRow("back an hour across midnight") << QDateTime(QDate(2026, 3, 11), QTime(23, 50)) << QList<int>{ 1200, -3600 };
        QTest::newRow("a day forward and back") << QDateTime(QDate(2026, 3, 11), QTime(10, 0)) << QList<int>{ 86400, -86400 };
        QTest::newRow("a year boundary backwards") << QDateTime(QDate(2025, 12, 31), QTime(23, 58)) << QList<int>{ 600, -600 };
    }

    void clockSteps()
    {
        QFETCH(QDateTime, start);
        QFETCH(QList<int>, jumps);
        StatsClock::setNow(start);
        data store(false);
        store.setFileData(QStringLiteral("/x.txt"), 0);
        for (int i = 0; i <= jumps.size(); ++i) {
            StatsClock::advance(i > 0 ? jumps.at(i - 1) : 0);
            store.setFileData(QStringLiteral("/x.txt"), 10 * (i + 1));
            finishWindow(&store);
        }
        QMap<QString, QPair<int, int>> sums; // words and seconds of every kind
        QDirIterator it(global::countDataPath(), { QStringLiteral("*.json") }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QJsonObject record = QJsonDocument::fromJson(readFile(it.next())).object();
            sums[it.fileInfo().dir().dirName()].first += record.value("Words").toInt();
            sums[it.fileInfo().dir().dirName()].second += record.value("Second").toInt();
        }
        for (const char* kind : { "day", "week", "month", "year" })
            QCOMPARE(sums.value(kind), qMakePair(10 * (jumps.size() + 1), 20 * (jumps.size() + 1)));
    }

    void filesAtTheirPaths()
    {
        StatsClock::setNow(QDateTime(QDate(2026, 3, 12), QTime(8, 0))); // a Thursday
        {
            data store(false);
            store.setFileData(global::documentPath() + QStringLiteral("/b/c.txt"), 7);
            store.setFileData(global::documentPath() + QStringLiteral("/b/c.txt"), 20);
            finishWindow(&store);
        }
        const QString root = QDir::homePath() + QStringLiteral("/Library/Penlark/count/");
        for (const char* name : { "day/2026-03-12.json", "week/2026-03-09.json", "month/2026-03.json", "year/2026.json" }) {
            DataTypeClass r(DataTypeClass::notSet);
            r.loadFromJsonFile(root + QLatin1String(name));
            QVERIFY2(r.ok(), name);
            QCOMPARE(r.words(), 13);
        }
        const QJsonArray table = QJsonDocument::fromJson(readFile(root + "day/2026-03-12_file.json")).array();
        QCOMPARE(table.size(), 1);
        QCOMPARE(table.at(0).toObject().value("path").toString(), QStringLiteral("b/c.txt"));
        QCOMPARE(table.at(0).toObject().value("initi").toInt(), 7); // the first count of the day
        QCOMPARE(table.at(0).toObject().value("now").toInt(), 20);
        QSettings s;
        QCOMPARE(s.value(QStringLiteral("Data/Words")).toInt(), 13);
        QCOMPARE(s.value(QStringLiteral("Data/DeviceId")).toString(), QString::fromLatin1(kDevice));
    }

    // Under a system language with other digits (in a child): ASCII names, old names folded in once.
    void namesUnderLocale_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Arabic, the old file stays") << "ar_EG.UTF-8";
        QTest::newRow("Persian") << "fa_IR.UTF-8";
    }
    void namesUnderLocale()
    {
        QFETCH(QString, language);
        if (qEnvironmentVariableIsEmpty("PENLARK_CHILD_LOCALE")) {
            QProcess child;
            child.setEnvironment(QProcess::systemEnvironment() << "LANG=" + language << "LC_ALL=" + language << "PENLARK_CHILD_LOCALE=1");
            child.start(QCoreApplication::applicationFilePath(), { "namesUnderLocale:" + QString(QTest::currentDataTag()) });
            const QByteArray out = child.waitForFinished(60000) ? child.readAllStandardOutput() : QByteArray("the child did not finish");
            QVERIFY2(child.exitCode() == 0 && out.contains("PASS   : TestStatistics::namesUnderLocale("), out.right(3000).constData());
            return;
        }
        const QDate today = StatsClock::today();
        QVERIFY(QLocale::system().zeroDigit() != QLatin1Char('0'));
        writeFile(countPath(data::fileName(today, DataTypeClass::day)), "{\"Words\":100}");
        const QString old = countPath("day/" + QLocale::system().toString(today, "yyyy-MM-dd") + ".json");
        writeFile(old, "{\"Words\":30}");
        std::unique_ptr<ImmutableFile> stays(language.startsWith("ar") ? new ImmutableFile(old) : nullptr); // chattr +i
        QVERIFY(!stays || stays->isActive());
        QCOMPARE(data(false).todayData()->words(), 130);
        QCOMPARE(data(false).todayData()->words(), 130); // folded once
        stays.reset();
        QCOMPARE(data(false).todayData()->words(), 130);
        QCOMPARE(QDir(countPath("day")).entryList(QDir::Files).join(' ').toLatin1(), QDir(countPath("day")).entryList(QDir::Files).join(' ').toUtf8());
        QCOMPARE(data::fileName(today, DataTypeClass::week), QStringLiteral("week/2026-03-09.json"));
        QVERIFY(RankingData::fixUserKeyToPathForDayData(QStringLiteral("ann"), today).contains(QLatin1String("/20260311")));
        QCOMPARE(function::formatDate(QString::number(secs(QDateTime(today, QTime(12, 0))))), QStringLiteral("2026-03-11"));
    }

    // With "today's count follows the result", words written before midnight, a clock step or a quit stay their day's.
    void resultBookedToItsDay_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("midnight") << 30;
        QTest::newRow("clock set two days on") << 2 * 86400;
        QTest::newRow("quit") << 0;
    }
    void resultBookedToItsDay()
    {
        QFETCH(int, step);
        global::instance()->settings()->setIsWordCountWordResult(true);
        const auto reset = qScopeGuard([] { global::instance()->settings()->setIsWordCountWordResult(false); });
        const QDate day(2026, 3, 11);
        StatsClock::setNow(QDateTime(day, QTime(23, 59, 30)));
        {
            data store(false);
            store.setFileData(QStringLiteral("/r.txt"), 100);
            tick(&store, 22); // a window ended at 23:59:50
            store.setFileData(QStringLiteral("/r.txt"), 110);
            StatsClock::advance(step);
            tick(&store, step > 0 ? 1 : 0); // a quit sees no heartbeat after
        }
        data restarted(false);
        restarted.setUpdateTime(1);
        tick(&restarted); // a window ends
        QCOMPARE(restarted.todayData()->words(), step > 0 ? 0 : 10);
        QCOMPARE(storedWords(day, DataTypeClass::day), 10);
    }

    void corruptFileIsKeptAside()
    {
        const QString path = countPath(data::fileName(StatsClock::today(), DataTypeClass::year));
        writeFile(path, "{\"Words\": 9000, \"Sec");
        data store(false);
        QCOMPARE(store.thisYearData()->words(), 0);
        QCOMPARE(readFile(path + ".corrupt"), QByteArray("{\"Words\": 9000, \"Sec"));
        store.setFileData(QStringLiteral("/y.txt"), 1);
        store.setFileData(QStringLiteral("/y.txt"), 6);
        finishWindow(&store);
        QCOMPARE(readFile(path + ".corrupt"), QByteArray("{\"Words\": 9000, \"Sec"));
        QCOMPARE(storedWords(StatsClock::today(), DataTypeClass::year), 5);
    }

    void failedWriteIsReported()
    {
        DataTypeClass record(DataTypeClass::day);
        record.addData(20, 5, false);
        const QString blocker = global::countDataPath() + QStringLiteral("/blocked");
        writeFile(blocker, "a file where a folder should be");
        QVERIFY(!record.saveToJsonFile(blocker + QStringLiteral("/day.json")));

        const QString path = countPath(QStringLiteral("kept.json"));
        writeFile(path, "old");
        QDir().mkpath(path + QStringLiteral(".dir"));
        QVERIFY(!StatsFile::write(path + QStringLiteral(".dir"), "new")); // a folder is not replaced
        QCOMPARE(readFile(path), QByteArray("old"));
    }

    // Run only as the child of killedWriteKeepsOldFile: writes a record while
    // the file-size limit kills the process in the middle of the write.
    void childWrite()
    {
        const QString path = qEnvironmentVariable("PENLARK_CHILD_WRITE");
        if (path.isEmpty())
            QSKIP("child process only");
        DataTypeClass record(DataTypeClass::year);
        for (int i = 0; i < 50; ++i) {
            auto* entry = new DeviceDataClass(&record);
            entry->setDeviceId(QStringLiteral("device-%1").arg(i));
            entry->setWords(i);
            record.addDeviceData(entry);
        }
        struct rlimit limit = { 300, 300 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        record.saveToJsonFile(path);
        QFAIL("the write was not stopped");
    }

    void killedWriteKeepsOldFile()
    {
        const QString path = countPath(QStringLiteral("year/2026.json"));
        const QByteArray old = "{\"Words\":123456}";
        writeFile(path, old);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PENLARK_CHILD_WRITE"), path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("childWrite") });
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.exitCode(), int(SIGXFSZ)); // stopped by the size limit, mid-write
        QCOMPARE(readFile(path), old);
    }

    // ---- the lock -----------------------------------------------------------------

    void lockAndUnlock()
    {
        data store(false);
        Locker locker(&store);
        QVERIFY(!store.lockState());
        store.setLockWord(5);
        locker.doLock();
        QVERIFY(store.lockState());
        QCOMPARE(messageTexts(), QStringList() << QStringLiteral("已锁定"));
        QCOMPARE(QSettings().value(QStringLiteral("lock/words")).toInt(), 5);
        QVERIFY(global::isHasLockNumber());

        // A restart finds the lock in the settings.
        {
            data restarted(false);
            QVERIFY(restarted.lockState());
            QCOMPARE(restarted.lockWord(), 5);
        }

        // A window without words and a pasted window leave the targets.
        store.setFileData(QStringLiteral("/l.txt"), 0);
        finishWindow(&store);
        store.setFileData(QStringLiteral("/l.txt"), 60);
        finishWindow(&store);
        QCOMPARE(store.lockWord(), 5);
        QVERIFY(store.lockState());

        m_messages->clear();
        store.setFileData(QStringLiteral("/l.txt"), 68);
        finishWindow(&store);
        QCOMPARE(store.lockWord(), 0);
        QVERIFY(!store.lockState());
        QVERIFY(!locker.lockState());
        QCOMPARE(messageTexts(), QStringList() << QStringLiteral("已解锁"));
        QCOMPARE(QSettings().value(QStringLiteral("lock/words")).toInt(), 0);
        QVERIFY(!global::isHasLockNumber());
        // The window's state from before a lock, and its clearing, outlive the locker (a restart).
        for (const QVariantMap& window : { QVariantMap { { "width", 920 }, { "height", 600 }, { "fullScreen", false } }, QVariantMap() }) {
            locker.keepWindowBeforeLock(window);
            QCOMPARE(Locker(&store).windowBeforeLock(), window);
        }
    }

    void lockTimeNeedsTwoWindows()
    {
        data store(false);
        Locker locker(&store);
        store.setLockSecond(30);
        locker.doLock();
        for (int expected : { 10, 0 }) {
            store.setFileData(QStringLiteral("/t.txt"), 0);
            store.setFileData(QStringLiteral("/t.txt"), store.todayData()->words() + 3);
            finishWindow(&store);
            QCOMPARE(store.lockSecond(), expected);
        }
        QVERIFY(!store.lockState());
    }

    // ---- points -------------------------------------------------------------------

    void milestonesOncePerDay()
    {
        Points points;
        QStringList awarded;
        points.setAwardFunction([&awarded](int n, const QString& key) { awarded << key + QLatin1Char('=') + QString::number(n); });

        points.checkWords(999); // signed out: nothing awarded, nothing shown
        QVERIFY(awarded.isEmpty());
        QVERIFY(m_messages->isEmpty());

        Users::instance()->getUserData()->setLogined(true);
        for (int words : { 999, 999, 1000, 1001, 1500, 2000, 6500, 10000, 11000 })
            points.checkWords(words);
        QCOMPARE(awarded, QStringList() << "edit_0=1" << "edit_1000=1");
        QCOMPARE(messageTexts().size(), 2);
        QVERIFY(messageTexts().at(0).endsWith(QStringLiteral("积分 + 1")));

        points.checkWords(2500);
        points.checkWords(10500);
        QCOMPARE(awarded.mid(2), QStringList() << "edit_2000=2" << "edit_10000=20");

        // The next day every milestone is open again; notices can be off.
        StatsClock::advance(24 * 3600);
        QSettings().setValue(QStringLiteral("Message/isShowPointsMessage"), false);
        m_messages->clear();
        points.checkWords(500);
        QCOMPARE(awarded.last(), QStringLiteral("edit_0=1"));
        QVERIFY(m_messages->isEmpty());
    }

    void milestonesFollowTodayRecord()
    {
        Users::instance()->getUserData()->setLogined(true);
        data store(false);
        QStringList awarded;
        store.points()->setAwardFunction([&awarded](int, const QString& key) { awarded << key; });
        store.setFileData(QStringLiteral("/p.txt"), 0);
        store.setFileData(QStringLiteral("/p.txt"), 12);
        finishWindow(&store);
        QCOMPARE(awarded, QStringList() << QStringLiteral("edit_0"));
    }

    // ---- the pages ------------------------------------------------------------------

    void pagesLoadAndWork()
    {
        data store(false);
        Locker locker(&store);
        // The target page is a sheet of the component library.
        LumoTheme theme;
        QQmlEngine engine;
        QQmlPropertyMap settings;
        settings.insert(QStringLiteral("wordCountFontSize"), 14);
        settings.insert(QStringLiteral("royalties"), 100);
        settings.insert(QStringLiteral("mainHeight"), 600);
        engine.addImportPath(QStringLiteral("qrc:///"));
        QQmlContext* context = engine.rootContext();
        context->setContextProperty(QStringLiteral("g_theme"), &theme);
        context->setContextProperty(QStringLiteral("functions"), function::instance());
        context->setContextProperty(QStringLiteral("g_data"), &store);
        context->setContextProperty(QStringLiteral("locker"), &locker);
        context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
        context->setContextProperty(QStringLiteral("userdata"), Users::instance()->getUserData());
        context->setContextProperty(QStringLiteral("wordCountModel"), store.wordCountModel());
        context->setContextProperty(QStringLiteral("csettings"), &settings);
        keys shortcuts;
        context->setContextProperty(QStringLiteral("keys"), &shortcuts);
        I18n i18n(nullptr, nullptr);
        context->setContextProperty(QStringLiteral("i18n"), &i18n);
        g_qmlWarnings.clear();
        g_previousHandler = qInstallMessageHandler(recordQmlWarnings);

        auto create = [&engine](const char* url) {
            QQmlComponent component(&engine, QUrl(QLatin1String(url)));
            QObject* object = component.create();
            if (!object)
                qWarning() << component.errors();
            return std::unique_ptr<QObject>(object);
        };

        auto chart = create("qrc:/qml/page/CountChartWindow.qml");
        QVERIFY(chart);
        auto* title = chart->findChild<QObject*>(QStringLiteral("chartTitle"));
        QCOMPARE(title->property("text").toString(), QStringLiteral("近期字数"));
        QMetaObject::invokeMethod(chart.get(), "previousChart");
        QCOMPARE(title->property("text").toString(), QStringLiteral("近期用时"));
        QMetaObject::invokeMethod(chart.get(), "nextChart");
        QMetaObject::invokeMethod(chart.get(), "nextChart");
        QCOMPARE(title->property("text").toString(), QStringLiteral("近期速度"));
        // Days in the interface language's digits, not the system's: today's bar's label.
        const auto today = [&chart] { return chart->findChild<QQuickItem*>("bars")->childItems().value(13)->childItems().last()->property("text"); };
        QCOMPARE(today().toString(), QStringLiteral("03-11"));
        i18n.reTrans(QStringLiteral("عربي"));
        QCOMPARE(today().toString(), QStringLiteral("٠٣-١١"));
        i18n.reTrans(QStringLiteral("English"));
        QVERIFY(create("qrc:/qml/page/WordCountPage.qml"));

        // The target page: only a words target leaves the time target; both
        // fields empty lock nothing.
        store.setLockSecond(120);
        auto target = create("qrc:/qml/page/TargetPage.qml");
        QVERIFY(target);
        QSignalSpy doLock(target.get(), SIGNAL(doLock()));
        m_messages->clear();
        QMetaObject::invokeMethod(target.get(), "accept");
        QCOMPARE(doLock.count(), 0);
        QCOMPARE(messageTexts(), QStringList() << QStringLiteral("请输入锁定时间或者字数"));
        target->findChild<QObject*>(QStringLiteral("wordsField"))->setProperty("text", QStringLiteral("300"));
        QMetaObject::invokeMethod(target.get(), "accept");
        QCOMPARE(doLock.count(), 1);
        QCOMPARE(store.lockWord(), 300);
        QCOMPARE(store.lockSecond(), 120);
        // A lower target than what is left is set back.
        target->findChild<QObject*>(QStringLiteral("minutesField"))->setProperty("text", QStringLiteral("1"));
        QMetaObject::invokeMethod(target.get(), "accept");
        QCOMPARE(store.lockSecond(), 120);
        QVERIFY(messageTexts().contains(QStringLiteral("锁定时间不能小于当前锁定时间")));

        // The label re-applies a lock carried over from the last run.
        store.setLockState(true);
        m_messages->clear();
        auto label = create("qrc:/qml/widget/LockerLabel.qml");
        QVERIFY(label);
        QCOMPARE(messageTexts(), QStringList() << QStringLiteral("已锁定"));
        QObject* lockText = label->findChild<QObject*>(QStringLiteral("lockText"));
        QCOMPARE(lockText->property("text").toString(), QStringLiteral("300-120-20"));
        // Hidden, the label follows no tick; shown again, it has the figures
        // of the moment.
        store.setLockState(false);
        QCOMPARE(label->property("visible").toBool(), false);
        store.setUpdateTime(7);
        QCOMPARE(lockText->property("text").toString(), QString());
        store.setLockState(true);
        QCOMPARE(lockText->property("text").toString(), QStringLiteral("300-120-7"));

        qInstallMessageHandler(g_previousHandler);
        QVERIFY2(g_qmlWarnings.isEmpty(), qPrintable(g_qmlWarnings.join(QLatin1Char('\n'))));
    }

    // ---- charts -------------------------------------------------------------------

    void chartRows()
    {
        const QDate today = StatsClock::today();
        writeFile(countPath(data::fileName(today.addDays(-13), DataTypeClass::day)),
                  "{\"Words\":400,\"Second\":119}");
        writeFile(countPath(data::fileName(today.addDays(-2), DataTypeClass::day)), "{\"Words\":30,\"Second\":59}");
        data store(false);
        CountChartsModel* words = store.dayWordModel();
        QCOMPARE(words->rowCount(), 14);
        for (int r = 0; r < 14; ++r) {
            QCOMPARE(words->item(r)->data(CountChartsModel::DateRole).toDate(), today.addDays(r - 13));
            QCOMPARE(words->item(r)->data(CountChartsModel::MaxRole).toInt(), 400);
        }
        QCOMPARE(words->item(0)->data(CountChartsModel::NumberRole).toInt(), 400);
        QCOMPARE(store.dayTimeModel()->item(0)->data(CountChartsModel::NumberRole).toInt(), 1);
        QCOMPARE(store.dayTimeModel()->item(11)->data(CountChartsModel::NumberRole).toInt(), 0);
        QCOMPARE(store.daySpeedModel()->item(0)->data(CountChartsModel::NumberRole).toInt(), 400 * 60 / 119);
        QCOMPARE(store.daySpeedModel()->item(5)->data(CountChartsModel::NumberRole).toInt(), 0);
        QCOMPARE(words->roleNames().value(CountChartsModel::NumberRole), QByteArray("number"));

        // Writing below the maximum moves only today's bar.
        store.setFileData(QStringLiteral("/c.txt"), 0);
        store.setFileData(QStringLiteral("/c.txt"), 20);
        finishWindow(&store);
        QCOMPARE(words->item(13)->data(CountChartsModel::NumberRole).toInt(), 20);
        QCOMPARE(words->item(13)->data(CountChartsModel::MaxRole).toInt(), 400);

        // Writing past the highest bar: today's bar shows the live count at
        // once, and every bar's scale follows it.
        int written = 20;
        while (written <= 400) {
            written += 45;
            store.setFileData(QStringLiteral("/c.txt"), written);
            finishWindow(&store);
        }
        store.setFileData(QStringLiteral("/c.txt"), written + 30);
        tick(&store);
        QCOMPARE(words->item(13)->data(CountChartsModel::NumberRole).toInt(), written + 30);
        for (int r = 0; r < 14; ++r)
            QCOMPARE(words->item(r)->data(CountChartsModel::MaxRole).toInt(), written + 30);
        QCOMPARE(words->item(0)->data(CountChartsModel::NumberRole).toInt(), 400);

        // After midnight the first update relabels every row.
        tick(&store, 24 * 3600 - 20);
        QCOMPARE(words->item(13)->data(CountChartsModel::DateRole).toDate(), StatsClock::today());
        QCOMPARE(words->item(12)->data(CountChartsModel::NumberRole).toInt(), written + 30);
        QCOMPARE(words->item(0)->data(CountChartsModel::MaxRole).toInt(), written + 30); // the 400 day dropped out
    }
};

PENLARK_TEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
