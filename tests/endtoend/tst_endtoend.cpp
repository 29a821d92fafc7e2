// End to end on one machine: the real penlark-server and devices, each a
// separate process of the program's own client classes with a HOME of its
// own (this test program started again with "--device"). Two writers
// register through the captcha on their devices, create rooms and see each
// other's in the hall and the day's ranking; one of them signs in on a
// second device, syncs a book both ways byte for byte and finds the
// statistics of both devices added up on the server; the update check hears
// of a newer version from the server's feed.
#include "testenvironment.h"

#include "penlarkserver.h"

#include "data/breply.h"
#include "data/data.h"
#include "data/datatypeclass.h"
#include "data/global.h"
#include "data/statsclock.h"
#include "files/cloudDisk/clouddisk.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "ranking/rankingdata.h"
#include "ranking/rankinghallmodel.h"
#include "ranking/roomdatalistreply.h"
#include "ranking/roommodel.h"
#include "update/update.h"
#include "users/userdatas.h"
#include "users/userinfo.h"
#include "users/users.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <cstdio>
#include <sys/stat.h>

namespace {
const int stepTimeoutMs = 30000;

// ---- one device: a step of a user's work in a process of its own ---------------------

class Device
{
public:
    QJsonObject run(const QString& step, const QStringList& args)
    {
        connect();
        QJsonObject out;
        if (step == QLatin1String("register"))
            out = signUp(args.value(0), args.value(1), args.value(2));
        else if (step == QLatin1String("signin"))
            out = signIn(args.value(0), args.value(1));
        else if (step == QLatin1String("words"))
            out = words(args.value(0).toInt());
        else if (step == QLatin1String("create-room"))
            out = createRoom(args.value(0));
        else if (step == QLatin1String("hall"))
            out = hall();
        else if (step == QLatin1String("enter-room"))
            out = enterRoom(args.value(0));
        else if (step == QLatin1String("sync"))
            out = sync();
        else if (step == QLatin1String("update"))
            out = checkUpdate();
        else if (step == QLatin1String("signout"))
            out = signOut();
        else if (step == QLatin1String("start"))
            out = started();
        else
            out.insert(QStringLiteral("error"), QStringLiteral("no such step"));
        out.insert(QStringLiteral("documents"), global::documentPath());
        out.insert(QStringLiteral("login"), data()->login());
        return out;
    }

private:
    static UserDatas* data() { return Users::instance()->getUserData(); }
    static UserInfo* user() { return Users::instance()->getUserInfo(); }

    void connect()
    {
        QObject::connect(function::instance()->getMessage(), &Message::showMessage,
                         [this](const QString& text) { m_notices << text; });
    }

    // Signs in with what the settings hold, as the program does at start.
    bool signInStored()
    {
        QSignalSpy done(user(), &UserInfo::loginFinished);
        user()->login();
        return done.wait(stepTimeoutMs) && done.at(0).at(0).toBool();
    }

    QJsonObject signUp(const QString& name, const QString& email, const QString& password)
    {
        data()->updateCaptcha();
        if (!QTest::qWaitFor([] { return data()->captchaFile().startsWith(QLatin1String("file:")); }, stepTimeoutMs))
            return { { "error", "no captcha picture" } };
        // The answer through the test server's control switch.
        QNetworkAccessManager manager;
        QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(qEnvironmentVariable("PENLARK_SERVER") + QStringLiteral("/_control/captcha/")
                                                                 + data()->captchaId())));
        QSignalSpy answered(reply, &QNetworkReply::finished);
        answered.wait(stepTimeoutMs);
        const QString answer = QJsonDocument::fromJson(reply->readAll()).object().value(QStringLiteral("answer")).toString();
        delete reply;
        data()->setLogin(name);
        data()->setEmail(email);
        data()->setPassword(password);
        data()->setReType(password);
        data()->setCaptchaText(answer);
        QSignalSpy registered(user(), &UserInfo::regFinished);
        user()->reg();
        if (!registered.wait(stepTimeoutMs) || !registered.at(0).at(0).toBool())
            return { { "error", QStringLiteral("registration refused: ") + registered.value(0).value(1).toString() } };
        return { { "registered", true }, { "signedIn", signInStored() } };
    }

    QJsonObject signIn(const QString& name, const QString& password)
    {
        data()->setLogin(name);
        data()->setPassword(password);
        return { { "signedIn", signInStored() } };
    }

    // Writes words in one counted 20-second window, then syncs the day's
    // statistics with the server, as the statistics page's sync does.
    QJsonObject words(int count)
    {
        // Signed in first, so the store's own sync at sign-in stays out.
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        ::data store(false);
        global::instance()->setIsAppAction(false);
        const QString file = global::documentPath() + QStringLiteral("/notes.txt");
        StatsClock::setNow(QDateTime::currentDateTime());
        store.setFileData(file, 1000);
        for (int i = 0; i < 3; ++i) {
            StatsClock::advance(1);
            QMetaObject::invokeMethod(&store, "heartBeat");
        }
        store.setFileData(file, 1000 + count);
        for (int i = store.updateTime(); i > 0; --i) {
            StatsClock::advance(1);
            QMetaObject::invokeMethod(&store, "heartBeat");
        }
        StatsClock::setNow(QDateTime());
        global::instance()->setIsAppAction(true);
        store.todayData()->setPushed(false);
        store.syncServerData(false);
        if (!QTest::qWaitFor([&store] { return store.todayData()->pushed(); }, stepTimeoutMs))
            return { { "error", "the day's record was not uploaded" } };
        return { { "today", store.todayData()->words() } };
    }

    QJsonObject createRoom(const QString& name)
    {
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        RankingHallModel hall;
        m_notices.clear();
        hall.createRoom(name, QString(), 0);
        if (!QTest::qWaitFor([this] { return m_notices.contains(QStringLiteral("创建成功")); }, stepTimeoutMs))
            return { { "error", QStringLiteral("room not created: ") + m_notices.join(QLatin1Char('|')) } };
        return { { "created", name } };
    }

    QJsonObject hall()
    {
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        RankingHallModel hall;
        RoomDataListReply* reply = RankingData::getHallDataList();
        QObject::connect(reply, &RoomDataListReply::addedRoomData, &hall, &RankingHallModel::addRoomData);
        QSignalSpy done(reply, &RoomDataListReply::finished);
        if (!done.wait(stepTimeoutMs))
            return { { "error", "the hall did not load" } };
        QJsonArray rooms;
        for (int i = 0; i < hall.rowCount(); ++i)
            rooms << hall.index(i, 0).data(RankingHallModel::DisplayTextRole).toString();
        return { { "rooms", rooms } };
    }

    QJsonObject enterRoom(const QString& name)
    {
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        global::instance()->setIsAppAction(true);
        RoomModel room;
        room.setRoomName(name);
        // Entering publishes today's record, then the room is read.
        if (!QTest::qWaitFor([&room] { return !room.loading() && room.rowCount() > 0; }, stepTimeoutMs))
            return { { "error", "the room did not load" } };
        // Published once more and waited for, so the record is on the
        // server before this device goes away.
        bReply* published = room.pushTodayData(::data::instance()->getRankingTodayData());
        QSignalSpy done(published, &bReply::finished);
        if (!done.wait(stepTimeoutMs) || !done.at(0).at(0).toBool())
            return { { "error", "today's record was not published" } };
        QJsonArray rows;
        for (int i = 0; i < room.rowCount(); ++i)
            rows << QJsonObject { { "name", room.index(i, 0).data(RoomModel::DisplayTextRole).toString() },
                                  { "words", room.index(i, 0).data(RoomModel::WordsRole).toInt() } };
        return { { "rows", rows } };
    }

    QJsonObject sync()
    {
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        cloudDisk disk(global::documentPath(), QString(), 3600000);
        disk.doUpdate(false);
        if (!QTest::qWaitFor([&disk] { return !disk.updating(); }, 120000))
            return { { "error", "the sync did not end" } };
        QJsonObject files;
        for (const localMeta& m : cloudDisk::localFiles())
            files.insert(m.sortPath, cloudDisk::Md5(m.sortPath));
        return { { "tips", disk.cloudTips() }, { "conflicts", QJsonArray::fromStringList(disk.conflictFileList()) }, { "files", files } };
    }

    QJsonObject signOut()
    {
        if (!signInStored())
            return { { "error", "sign-in failed" } };
        user()->logout();
        return { { "signedIn", data()->logined() } };
    }

    // A start: whether it signs anybody in automatically (only with a
    // password kept, as the main window does when first shown) and how that
    // ends, then what the settings file holds and its mode.
    QJsonObject started()
    {
        const bool signsIn = data()->autologin() && !data()->password().isEmpty();
        const bool signedIn = signsIn && signInStored();
        QFile file(global::settingsFileName());
        struct stat mode;
        if (!file.open(QIODevice::ReadOnly) || ::stat(QFile::encodeName(file.fileName()).constData(), &mode) != 0)
            return { { "error", "no settings file" } };
        return { { "signsIn", signsIn }, { "signedIn", signedIn }, { "passwordKept", file.readAll().contains("\npassword=") },
                 { "mode", QString::number(mode.st_mode & 0777, 8) } };
    }

    QJsonObject checkUpdate()
    {
        update u;
        QSignalSpy tips(&u, &update::tipsChanged);
        u.checkNewVersion();
        if (!tips.wait(stepTimeoutMs))
            return { { "error", "no answer from the update check" } };
        return { { "tips", u.tips() }, { "newer", u.hasNewVerison() } };
    }

    QStringList m_notices;
};

int runDevice(int argc, char* argv[])
{
    // The device's own HOME, set before any Qt object exists.
    const QByteArray home = argv[2];
    for (const char* sub : { "/tmp", "/.config", "/.local/share", "/.cache" })
        QDir().mkpath(QString::fromLocal8Bit(home + sub));
    QDir().mkpath(QString::fromLocal8Bit(home + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(home + "/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ::setenv("HOME", home.constData(), 1);
    ::setenv("TMPDIR", (home + "/tmp").constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").constData(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/.cache").constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home + "/runtime").constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // As at the program's start: paths and the settings file first.
    global::instance();
    QStringList args;
    for (int i = 4; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Device device;
    const QJsonObject result = device.run(QString::fromLocal8Bit(argv[3]), args);
    const QByteArray line = QJsonDocument(result).toJson(QJsonDocument::Compact);
    std::fprintf(stdout, "\nRESULT %s\n", line.constData());
    std::fflush(stdout);
    return result.contains(QStringLiteral("error")) ? 1 : 0;
}

// A book of chapters in folders: Chinese names and text, spaces, a long
// chapter and a Markdown note.
QMap<QString, QByteArray> makeBook(quint32 seed)
{
    QRandomGenerator random(seed);
    const QString words = QStringLiteral("山水云雨风花雪月春夏秋冬日夜江河湖海书墨笔纸，。！？“”");
    QMap<QString, QByteArray> book;
    for (int part = 1; part <= 3; ++part) {
        for (int chapter = 1; chapter <= 10; ++chapter) {
            QString text = QStringLiteral("第%1章 标题\n").arg(chapter);
            const int length = chapter == 7 ? 60000 : 200 + random.bounded(2000);
            for (int i = 0; i < length; ++i)
                text += i % 80 == 79 ? QChar(QLatin1Char('\n')) : words.at(random.bounded(words.size()));
            book.insert(QStringLiteral("长篇 小说/第%1卷/第%2章.txt").arg(part).arg(chapter, 2, 10, QLatin1Char('0')), text.toUtf8());
        }
    }
    book.insert(QStringLiteral("长篇 小说/人物.md"), "# 人物\n\n- 林 & 周 <主角>\n");
    book.insert(QStringLiteral("随笔.txt"), QByteArray("line one\r\nline two\n\n"));
    return book;
}
} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

    PenlarkServer m_server;
    QString m_deviceA; // ann's
    QString m_deviceB; // ann's second device
    QString m_deviceC; // bob's
    QString m_documentsA;
    QString m_documentsB;
    QMap<QString, QByteArray> m_book;

    // Runs one step on a device and returns its result.
    QJsonObject device(const QString& home, const QStringList& step)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PENLARK_SERVER"), m_server.url());
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QCoreApplication::applicationFilePath(), QStringList { QStringLiteral("--device"), home } + step);
        if (!p.waitForFinished(180000))
            p.kill();
        const QString output = QString::fromUtf8(p.readAll());
        const int at = output.lastIndexOf(QStringLiteral("\nRESULT "));
        const QJsonObject result = at < 0 ? QJsonObject()
                                          : QJsonDocument::fromJson(output.mid(at + 8).section(QLatin1Char('\n'), 0, 0).toUtf8()).object();
        if (result.isEmpty() || result.contains(QStringLiteral("error")) || p.exitCode() != 0)
            qWarning().noquote() << step << "failed on" << home << ":\n" << output.right(4000);
        return result;
    }

    static QMap<QString, QByteArray> readBook(const QString& folder, const QMap<QString, QByteArray>& like)
    {
        QMap<QString, QByteArray> read;
        for (auto it = like.constBegin(); it != like.constEnd(); ++it) {
            QFile f(folder + QLatin1Char('/') + it.key());
            read.insert(it.key(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>"));
        }
        return read;
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_deviceA = QDir::tempPath() + QStringLiteral("/device A");
        m_deviceB = QDir::tempPath() + QStringLiteral("/device B");
        m_deviceC = QDir::tempPath() + QStringLiteral("/device C");
        m_book = makeBook(17);
        // A newer release in the server's feed folder.
        writeFile(m_server.dataPath() + QStringLiteral("/update/linux/Master/repository/Updates.xml"),
                  "<?xml version=\"1.0\"?><Updates><PackageUpdate><Name>penlark</Name><Version>2.0.14</Version>"
                  "<ReleaseDate>2026-12-01</ReleaseDate><UpdateText>更快的保存</UpdateText></PackageUpdate></Updates>");
    }

    void writersRegisterThroughTheCaptcha()
    {
        QJsonObject a = device(m_deviceA, { "register", "ann", "ann@example.org", "secret&1" });
        QCOMPARE(a.value(QStringLiteral("registered")).toBool(), true);
        QCOMPARE(a.value(QStringLiteral("signedIn")).toBool(), true);
        QCOMPARE(a.value(QStringLiteral("login")).toString(), QStringLiteral("ann"));
        m_documentsA = a.value(QStringLiteral("documents")).toString();
        QJsonObject c = device(m_deviceC, { "register", "bob", "bob@example.org", "hunter22" });
        QCOMPARE(c.value(QStringLiteral("signedIn")).toBool(), true);
        // Each captcha served one sign-up.
        QCOMPARE(m_server.requestsTo(QStringLiteral("/api/v1/users/sign_up")).size(), 4);
        // ann signs in on her second device.
        QJsonObject b = device(m_deviceB, { "signin", "ann", "secret&1" });
        QCOMPARE(b.value(QStringLiteral("signedIn")).toBool(), true);
        m_documentsB = b.value(QStringLiteral("documents")).toString();
        QVERIFY(m_documentsA.startsWith(m_deviceA));
        QVERIFY(m_documentsB.startsWith(m_deviceB));
    }

    void roomsAndTheDaysRanking()
    {
        QCOMPARE(device(m_deviceA, { "words", "12" }).value(QStringLiteral("today")).toInt(), 12);
        QCOMPARE(device(m_deviceC, { "words", "7" }).value(QStringLiteral("today")).toInt(), 7);
        QCOMPARE(device(m_deviceA, { "create-room", "晨光" }).value(QStringLiteral("created")).toString(), QStringLiteral("晨光"));
        QCOMPARE(device(m_deviceC, { "create-room", "夜航" }).value(QStringLiteral("created")).toString(), QStringLiteral("夜航"));
        for (const QString& home : { m_deviceA, m_deviceC }) {
            QStringList rooms;
            for (const QJsonValue& v : device(home, { "hall" }).value(QStringLiteral("rooms")).toArray())
                rooms << v.toString();
            rooms.sort();
            QCOMPARE(rooms, (QStringList { QStringLiteral("夜航"), QStringLiteral("晨光") }));
        }
        QVERIFY(!device(m_deviceA, { "enter-room", "晨光" }).value(QStringLiteral("rows")).toArray().isEmpty());
        const QJsonArray seenByC = device(m_deviceC, { "enter-room", "晨光" }).value(QStringLiteral("rows")).toArray();
        const QJsonArray seenByA = device(m_deviceA, { "enter-room", "晨光" }).value(QStringLiteral("rows")).toArray();
        const QJsonArray ranking { QJsonObject { { "name", "ann" }, { "words", 12 } }, QJsonObject { { "name", "bob" }, { "words", 7 } } };
        QCOMPARE(seenByA, ranking);
        QCOMPARE(seenByC, ranking);
    }

    void aBookSyncsBothWays()
    {
        for (auto it = m_book.constBegin(); it != m_book.constEnd(); ++it)
            writeFile(m_documentsA + QLatin1Char('/') + it.key(), it.value());
        QJsonObject a = device(m_deviceA, { "sync" });
        QCOMPARE(a.value(QStringLiteral("tips")).toString(), QStringLiteral("同步完成"));
        QCOMPARE(m_server.keys(QStringLiteral("data/ann/")).size(), m_book.size());
        for (auto it = m_book.constBegin(); it != m_book.constEnd(); ++it)
            QCOMPARE(m_server.object(QStringLiteral("data/ann/") + it.key()), it.value());

        QJsonObject b = device(m_deviceB, { "sync" });
        QCOMPARE(b.value(QStringLiteral("conflicts")).toArray().size(), 0);
        QCOMPARE(readBook(m_documentsB, m_book), m_book);
        QCOMPARE(b.value(QStringLiteral("files")).toObject(), a.value(QStringLiteral("files")).toObject());

        // Changes on B travel back to A, byte for byte.
        QMap<QString, QByteArray> changed = m_book;
        changed[QStringLiteral("长篇 小说/第2卷/第03章.txt")] += "\n续写的一段。\n";
        changed.insert(QStringLiteral("长篇 小说/第3卷/第11章.txt"), QStringLiteral("第11章 新\n新的一章。").toUtf8());
        for (const QString& rel : { QStringLiteral("长篇 小说/第2卷/第03章.txt"), QStringLiteral("长篇 小说/第3卷/第11章.txt") })
            writeFile(m_documentsB + QLatin1Char('/') + rel, changed.value(rel));
        QVERIFY(QFile::remove(m_documentsB + QStringLiteral("/随笔.txt")));
        changed.remove(QStringLiteral("随笔.txt"));
        QCOMPARE(device(m_deviceB, { "sync" }).value(QStringLiteral("tips")).toString(), QStringLiteral("同步完成"));
        a = device(m_deviceA, { "sync" });
        QCOMPARE(a.value(QStringLiteral("conflicts")).toArray().size(), 0);
        QCOMPARE(readBook(m_documentsA, changed), changed);
        QVERIFY(!QFile::exists(m_documentsA + QStringLiteral("/随笔.txt")));
        QCOMPARE(m_server.keys(QStringLiteral("data/ann/")).size(), changed.size());
        QCOMPARE(m_server.signatureFailures(), 0);
    }

    void statisticsAddUpOnTheServer()
    {
        // ann wrote 12 words on A; 9 more on her second device now.
        QCOMPARE(device(m_deviceB, { "words", "9" }).value(QStringLiteral("today")).toInt(), 21);
        const QString key = QStringLiteral("ranking/date/ann/day/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
            + QStringLiteral(".json");
        QCOMPARE(QJsonDocument::fromJson(m_server.object(key)).object().value(QStringLiteral("Words")).toInt(), 21);
        // A takes the sum over when it syncs its statistics again.
        QCOMPARE(device(m_deviceA, { "words", "1" }).value(QStringLiteral("today")).toInt(), 22);
        QCOMPARE(QJsonDocument::fromJson(m_server.object(key)).object().value(QStringLiteral("Words")).toInt(), 22);
        // bob's own record stays his.
        QCOMPARE(QJsonDocument::fromJson(m_server.object(QStringLiteral("ranking/date/bob/day/")
                                                         + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
                                                         + QStringLiteral(".json")))
                     .object()
                     .value(QStringLiteral("Words"))
                     .toInt(),
                 7);
    }

    void signingOutLeavesNobodySignedInAfterARestart()
    {
        QCOMPARE(device(m_deviceB, { "start" }).value(QStringLiteral("signsIn")).toBool(), true);
        QCOMPARE(device(m_deviceB, { "signout" }).value(QStringLiteral("signedIn")).toBool(), false);
        const QJsonObject restarted = device(m_deviceB, { "start" });
        QCOMPARE(restarted.value(QStringLiteral("signsIn")).toBool(), false);
        QCOMPARE(restarted.value(QStringLiteral("passwordKept")).toBool(), false);
        QCOMPARE(restarted.value(QStringLiteral("mode")).toString(), QStringLiteral("600"));
        QCOMPARE(restarted.value(QStringLiteral("login")).toString(), QStringLiteral("ann"));
    }

    // Only a password that signed in is kept: neither one refused as typed
    // nor a kept one refused at a start (changed on another computer) is in
    // the settings file, and the next start sends no sign-in.
    void aRefusedPasswordIsNeitherKeptNorSentAgain()
    {
        const auto start = [this](bool signsIn) {
            m_server.clearRequests();
            const QJsonObject s = device(m_deviceB, { "start" });
            QCOMPARE(s.value("signsIn").toBool(), signsIn);
            QCOMPARE(s.value("signedIn").toBool() || s.value("passwordKept").toBool(), false);
            QCOMPARE(m_server.requestsTo("/api/v1/users/login").size(), signsIn ? 1 : 0);
        };
        QCOMPARE(device(m_deviceB, { "signin", "ann", "wrong-one" }).value("signedIn").toBool(), false);
        start(false);
        QCOMPARE(device(m_deviceB, { "signin", "ann", "secret&1" }).value("signedIn").toBool(), true);
        QVERIFY(m_server.changePassword("ann", "secret&1", "secret&2"));
        start(true);
        start(false);
    }

    void theUpdateCheckAnnouncesTheServersNewerVersion()
    {
        const QJsonObject a = device(m_deviceA, { "update" });
        QCOMPARE(a.value(QStringLiteral("newer")).toBool(), true);
        QCOMPARE(a.value(QStringLiteral("tips")).toString(), QStringLiteral("有新版:2.0.14"));
        QCOMPARE(m_server.requestsTo(QStringLiteral("/update/linux/Master/repository/Updates.xml")).size(), 1);
    }
};

int main(int argc, char* argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--device") == 0)
        return runDevice(argc, argv);
    TestEnvironment environment;
    QApplication app(argc, argv);
    TestEndToEnd tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_endtoend.moc"
