// The writing challenge: the levels file, the game played to win and to lose
// in every mode with a hand-driven clock, the tickets and rewards sent to the
// account, leaving and resuming; then the pages in a Qt Quick Test.
#include "testenvironment.h"

#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "i18n/i18n.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/t.h"
#include "TovaUi/theme/lumotheme.h"
#include "through/throughclock.h"
#include "through/throughgame.h"
#include "through/throughmodel.h"
#include "users/userdatas.h"
#include "users/users.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtQuickTest>

// A clock that beats only when told to.
class ManualClock : public ThroughClock
{
    Q_OBJECT
public:
    using ThroughClock::ThroughClock;
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    void beat(int times)
    {
        for (int i = 0; i < times && m_active; ++i)
            emit tick();
    }

private:
    bool m_active = false;
};

// A challenge with its seams in hand: clock, statistics windows and a record
// of the account's points operations. Also the QML pages' driver.
class Driver : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList calls READ calls NOTIFY callsChanged)
public:
    explicit Driver(QObject* parent = nullptr)
        : QObject(parent)
        , model(new ThroughModel(this))
        , clock(new ManualClock(this))
        , stats(new data(false))
    {
        stats->setParent(this);
        game()->setClock(clock);
        game()->setWordSource(stats);
        game()->setAccountCall([this](const char* method, int points, const QString& reason) {
            m_calls << QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(method)).arg(points).arg(reason);
            emit callsChanged();
        });
    }
    ThroughGame* game() const { return model->game(); }
    QStringList calls() const { return m_calls; }

    Q_INVOKABLE void beat(int times) { clock->beat(times); }
    Q_INVOKABLE void words(int words) { emit stats->addWordsChanged(words, 20); }
    Q_INVOKABLE bool clockActive() const { return clock->isActive(); }
    Q_INVOKABLE void signIn(bool logined, int points)
    {
        UserDatas* user = Users::instance()->getUserData();
        user->setLogined(logined);
        user->setPoints(points);
    }
    Q_INVOKABLE void reset()
    {
        game()->leave();
        m_calls.clear();
        emit callsChanged();
        Settings* s = global::instance()->settings();
        s->setIsThroughing(false);
        s->setThroughType(QString());
        s->setThroughNumber(0);
        s->setThroughRoomId(0);
        signIn(false, 0);
    }

    ThroughModel* model;
    ManualClock* clock;
    data* stats;

signals:
    void callsChanged();

private:
    QStringList m_calls;
};

class TestChallenge : public QObject
{
    Q_OBJECT

private:
    Driver* d = nullptr;
    QVector<ThroughGame::Mode> modes;
    Settings* settings() { return global::instance()->settings(); }

private slots:
    void initTestCase()
    {
        QVERIFY(d == nullptr);
        global::instance();
        d = new Driver(this);
        QVERIFY(d->game()->loadLevels());
        modes = d->game()->modes();
    }
    void init() { d->reset(); }

    // The shipped levels agree with the totals each mode card shows.
    void levelsFileIsConsistent()
    {
        QFile file(QString::fromLatin1(ThroughGame::levelsFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(root.value(QStringLiteral("ok")).toBool(), true);
        const QJsonArray main = root.value(QStringLiteral("data")).toObject().value(QStringLiteral("main")).toArray();
        QCOMPARE(main.size(), 5);
        QCOMPARE(modes.size(), 5);
        const int tickets[] = { 25, 30, 40, 60, 80 };
        for (int m = 0; m < 5; ++m) {
            const QJsonObject card = main.at(m).toObject();
            const ThroughGame::Mode& mode = modes.at(m);
            QCOMPARE(mode.id, m);
            QCOMPARE(mode.needCoins, tickets[m]);
            QCOMPARE(mode.levels.size(), 9);
            int reward = 0, time = 0, words = 0;
            for (int i = 0; i < 9; ++i) {
                const ThroughGame::Level& l = mode.levels.at(i);
                QCOMPARE(l.id, i);
                QCOMPARE(l.needTime, 600 + 300 * i);
                if (i < 8)
                    QCOMPARE(l.rewardConins, i + 1);
                QVERIFY(i == 0 || l.needWords > mode.levels.at(i - 1).needWords);
                reward += l.rewardConins;
                time += l.needTime;
                words += l.needWords;
            }
            QCOMPARE(card.value(QStringLiteral("rewardConins")).toInt(), reward);
            QCOMPARE(card.value(QStringLiteral("time")).toInt() * 60, time);
            QCOMPARE(card.value(QStringLiteral("word")).toInt(), words);
        }
    }

    void malformedLevels_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{data:");
        QTest::newRow("no modes") << QByteArray(R"({"data":{"main":[]},"ok":true})");
        QTest::newRow("mode without levels") << QByteArray(R"({"data":{"main":[{"id":0,"type":"a","needCoins":1}]}})");
    }
    void malformedLevels()
    {
        QFETCH(QByteArray, json);
        QVector<ThroughGame::Mode> read;
        QString error;
        QVERIFY(!ThroughGame::parseLevels(json, &read, &error));
        QVERIFY(read.isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void everyMode_data()
    {
        QTest::addColumn<int>("mode");
        for (int m = 0; m < 5; ++m)
            QTest::newRow(qPrintable(QString::number(m))) << m;
    }

    // Enter with exactly the ticket, write each level's words with a second
    // to spare: every level pays its reward, the last one ends the game.
    void everyMode_win_data() { everyMode_data(); }
    void everyMode_win()
    {
        QFETCH(int, mode);
        const ThroughGame::Mode& m = modes.at(mode);
        d->signIn(true, m.needCoins);
        QSignalSpy messages(function::instance()->getMessage(), &Message::showMessage);
        QCOMPARE(d->game()->enter(mode), int(ThroughGame::Entered));
        QCOMPARE(d->calls(), QStringList { QStringLiteral("delPoints %1 Through").arg(m.needCoins) });
        QCOMPARE(settings()->throughType(), m.type);
        QCOMPARE(settings()->throughRoomId(), mode);
        QVERIFY(settings()->isThroughing());
        QVERIFY(d->model->running());
        QVERIFY(d->clockActive());
        QCOMPARE(d->model->Status(), 0);

        int rewards = 0;
        for (int i = 0; i < 9; ++i) {
            const ThroughGame::Level& l = m.levels.at(i);
            QCOMPARE(d->game()->currentLevel(), i);
            QCOMPARE(settings()->throughNumber(), i);
            // a level starts afresh: no words or seconds carried over
            QCOMPARE(d->model->Words(), l.needWords);
            QCOMPARE(d->model->Time(), l.needTime);
            QCOMPARE(d->model->Name(), l.name);
            QCOMPARE(d->model->rewardConins(), l.rewardConins);
            d->beat(l.needTime - 1);
            d->words(l.needWords - 1);
            QCOMPARE(d->model->Words(), 1);
            QCOMPARE(d->model->Time(), 1);
            QVERIFY(d->model->running());
            // overshooting by far passes the level and nothing more
            d->words(l.needWords + 500);
            rewards += l.rewardConins;
            QCOMPARE(d->calls().last(), QStringLiteral("addPoints %1 through").arg(l.rewardConins));
            QCOMPARE(d->model->Status(), i < 8 ? 1 : 2);
        }
        QCOMPARE(d->calls().size(), 10);
        int total = 0;
        for (int i = 1; i < d->calls().size(); ++i)
            total += d->calls().at(i).section(QLatin1Char(' '), 1, 1).toInt();
        QCOMPARE(total, rewards);
        QVERIFY(!d->model->running());
        QVERIFY(!d->clockActive());
        QVERIFY(!settings()->isThroughing());
        QCOMPARE(d->game()->currentLevel(), 8);
        QCOMPARE(messages.size(), 9);
        QCOMPARE(messages.last().at(1).toInt(), int(Message::Tips));
        QVERIFY(messages.last().at(0).toString().endsWith(QStringLiteral("积分: +%1").arg(m.levels.last().rewardConins)));
        // further beats and words change nothing
        d->beat(5);
        d->words(40);
        QCOMPARE(d->calls().size(), 10);
        QCOMPARE(d->model->Status(), 2);
    }

    // Pass the first level, then let the second one's time run out.
    void everyMode_lose_data() { everyMode_data(); }
    void everyMode_lose()
    {
        QFETCH(int, mode);
        const ThroughGame::Mode& m = modes.at(mode);
        d->signIn(true, 1000);
        QCOMPARE(d->game()->enter(mode), int(ThroughGame::Entered));
        d->beat(30);
        d->words(m.levels.at(0).needWords);
        QCOMPARE(d->game()->currentLevel(), 1);
        QCOMPARE(d->model->Time(), m.levels.at(1).needTime);
        QSignalSpy messages(function::instance()->getMessage(), &Message::showMessage);
        d->words(10);
        d->beat(m.levels.at(1).needTime - 1);
        QVERIFY(d->model->running());
        QCOMPARE(d->game()->failId(), -1);
        d->beat(1);
        QCOMPARE(d->model->Status(), -1);
        QCOMPARE(d->model->Time(), 0);
        QCOMPARE(d->model->Words(), m.levels.at(1).needWords - 10);
        QCOMPARE(d->game()->failId(), 1);
        QVERIFY(!d->model->running());
        QVERIFY(!d->clockActive());
        QVERIFY(!settings()->isThroughing());
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(1).toInt(), int(Message::TipsError));
        // ticket and the first reward only
        QCOMPARE(d->calls().size(), 2);
        d->words(100000);
        QCOMPARE(d->calls().size(), 2);
        QCOMPARE(d->model->Status(), -1);
        // the view stays until left; leaving a lost game asks nothing more
        QVERIFY(d->game()->opened());
        d->game()->leave();
        QVERIFY(!d->game()->opened());
    }

    void refusedEntry_data()
    {
        QTest::addColumn<bool>("logined");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("result");
        QTest::newRow("signed out") << false << 1000 << false << int(ThroughGame::NotSignedIn);
        QTest::newRow("one point short") << true << 39 << false << int(ThroughGame::NotEnoughPoints);
        QTest::newRow("already running") << true << 1000 << true << int(ThroughGame::AlreadyRunning);
        QTest::newRow("no such mode") << true << 1000 << false << int(ThroughGame::UnknownMode);
    }
    void refusedEntry()
    {
        QFETCH(bool, logined);
        QFETCH(int, points);
        QFETCH(bool, running);
        QFETCH(int, result);
        d->signIn(logined, points);
        int calls = 0;
        if (running) {
            QCOMPARE(d->game()->enter(0), int(ThroughGame::Entered));
            d->words(20);
            calls = 1;
        }
        const int mode = result == ThroughGame::UnknownMode ? 7 : 2;
        QCOMPARE(d->game()->enter(mode), result);
        QCOMPARE(d->calls().size(), calls);
        QCOMPARE(d->model->running(), running);
        if (running) // the running game is untouched
            QCOMPARE(d->model->Words(), modes.at(0).levels.at(0).needWords - 20);
    }

    // Words written while no level view is open count for nothing; words of
    // a window count, its seconds do not.
    void wordsOnlyWhilePlaying()
    {
        d->signIn(true, 1000);
        const int before = d->model->Words();
        d->words(30);
        QCOMPARE(d->model->Words(), before);
        QCOMPARE(d->game()->enter(1), int(ThroughGame::Entered));
        QCOMPARE(d->model->Words(), 200);
        d->words(30);
        QCOMPARE(d->model->Words(), 170);
        QCOMPARE(d->model->Time(), 600);
        d->game()->leave();
        d->words(30);
        d->beat(3);
        QCOMPARE(d->model->Words(), 170);
        QCOMPARE(d->model->Time(), 600);
    }

    void leavingGivesUp()
    {
        d->signIn(true, 1000);
        QCOMPARE(d->game()->enter(3), int(ThroughGame::Entered));
        d->words(600);
        QVERIFY(settings()->isThroughing());
        QCOMPARE(settings()->throughNumber(), 1);
        d->game()->leave();
        QVERIFY(!d->model->running());
        QVERIFY(!d->game()->opened());
        QVERIFY(!d->clockActive());
        QVERIFY(!settings()->isThroughing());
    }

    // After a restart the saved level starts afresh without a ticket; the
    // game being played is not restarted by an offer to resume it.
    void resumeAfterRestart()
    {
        d->signIn(true, 0);
        settings()->setIsThroughing(true);
        settings()->setThroughType(QStringLiteral("普通模式"));
        settings()->setThroughRoomId(2);
        settings()->setThroughNumber(3);
        Driver fresh;
        QVERIFY(fresh.game()->resume(settings()->throughRoomId(), settings()->throughNumber()));
        QVERIFY(fresh.calls().isEmpty());
        QCOMPARE(fresh.game()->currentLevel(), 3);
        QCOMPARE(fresh.model->Words(), 1000);
        QCOMPARE(fresh.model->Time(), 1500);
        QVERIFY(fresh.model->running());
        fresh.words(400);
        QVERIFY(!fresh.game()->resume(2, 3));
        QCOMPARE(fresh.model->Words(), 600);
        QVERIFY(!fresh.game()->resume(2, 9) && fresh.model->running());
        fresh.game()->leave();
        QVERIFY(!fresh.game()->resume(2, 9));
        QVERIFY(!fresh.model->running());
    }
};

// Qt Quick Test set-up: the real challenge object with the driver's seams,
// the real account data and settings, and a count of QML warnings.
class WarningCounter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList texts READ texts)
public:
    QStringList texts() const { return s_texts; }
    // Qt Test puts its own handler in place while tests run; watching again
    // then chains ours in front of it.
    Q_INVOKABLE void watch()
    {
        QtMessageHandler current = qInstallMessageHandler(&WarningCounter::handler);
        if (current != &WarningCounter::handler)
            s_previous = current;
    }
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg && text.contains(QStringLiteral("qrc:/qml/")))
            s_texts << text;
        s_previous(type, context, text);
    }
    static QStringList s_texts;
    static QtMessageHandler s_previous;
};
QStringList WarningCounter::s_texts;
QtMessageHandler WarningCounter::s_previous = nullptr;

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        auto* driver = new Driver(engine);
        QQmlContext* context = engine->rootContext();
        context->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(engine));
        context->setContextProperty(QStringLiteral("functions"), function::instance());
        context->setContextProperty(QStringLiteral("message"), function::instance()->getMessage());
        context->setContextProperty(QStringLiteral("t"), t::instance());
        context->setContextProperty(QStringLiteral("csettings"), global::instance()->settings());
        context->setContextProperty(QStringLiteral("userdata"), Users::instance()->getUserData());
        context->setContextProperty(QStringLiteral("through"), driver->model);
        context->setContextProperty(QStringLiteral("driver"), driver);
        context->setContextProperty(QStringLiteral("warnings"), new WarningCounter());
        context->setContextProperty(QStringLiteral("i18n"), new I18n(nullptr, engine));
    }
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int status = 0;
    {
        TestChallenge rules;
        char* args[] = { argv[0] };
        status |= QTest::qExec(&rules, 1, args);
    }
    WarningCounter().watch();
    Setup setup;
    status |= quick_test_main_with_setup(argc, argv, "challenge", TEST_SOURCE_DIR "/qml", &setup);
    return status;
}

#include "tst_challenge.moc"
