// Start-up of the real program binary: single instance, "-autostart" and
// failure to load the main QML file.
#include "filebytes.h"
#include "leasedfile.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>

#include <csignal>
#include <sys/stat.h>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    int m_counter = 0;

    // Each case gets a fresh home and temporary folder of its own.
    QProcessEnvironment freshEnvironment()
    {
        const QString root = QDir::tempPath() + QStringLiteral("/case%1").arg(++m_counter);
        QDir().mkpath(root + QStringLiteral("/home"));
        QDir().mkpath(root + QStringLiteral("/tmp"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
        env.insert(QStringLiteral("TMPDIR"), root + QStringLiteral("/tmp"));
        QDir().mkpath(root + QStringLiteral("/runtime"));
        QFile::setPermissions(root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        return env;
    }

    static void writeSetting(const QProcessEnvironment& env, const QString& key, const QVariant& value)
    {
        const QString ini = env.value(QStringLiteral("HOME"))
            + QStringLiteral("/Library/Penlark/Settings/Unknown Organization/Penlark.ini");
        QSettings s(ini, QSettings::IniFormat);
        s.setValue(key, value);
        s.sync();
    }

    static void start(QProcess& p, const QProcessEnvironment& env, const QStringList& args = {})
    {
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(PENLARK_APP_PATH), args);
        QVERIFY(p.waitForStarted());
    }

    // The first instance is ready once its single-instance socket exists.
    static bool waitUntilListening(const QProcessEnvironment& env)
    {
        QElapsedTimer t;
        t.start();
        QDir tmp(env.value(QStringLiteral("TMPDIR")));
        while (t.elapsed() < 15000) {
            const QStringList entries = tmp.entryList({ QStringLiteral("com.velmora.Penlark-*") }, QDir::System | QDir::Files);
            for (const QString& e : entries) {
                if (!e.endsWith(QStringLiteral("-lockfile")))
                    return true;
            }
            QTest::qWait(50);
        }
        return false;
    }

    static void stop(QProcess& p)
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    }

private slots:
    void secondStartActivatesFirst()
    {
        const QProcessEnvironment env = freshEnvironment();
        QProcess first;
        start(first, env);
        QVERIFY(waitUntilListening(env));

        QProcess second;
        start(second, env);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAll().contains("app is running"));

        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += first.readAll()).contains("activateQuickWindow"), 5000);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    void staleLockDoesNotBlockNextStart()
    {
        const QProcessEnvironment env = freshEnvironment();
        QProcess first;
        start(first, env);
        QVERIFY(waitUntilListening(env));
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(5000));

        // The killed instance left its lock and socket behind.
        QProcess next;
        start(next, env);
        QTest::qWait(1500);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }

    void unansweredMessageExitsWithOne()
    {
        const QProcessEnvironment env = freshEnvironment();
        QProcess first;
        start(first, env);
        QVERIFY(waitUntilListening(env));
        ::kill(pid_t(first.processId()), SIGSTOP);

        QElapsedTimer t;
        t.start();
        QProcess second;
        start(second, env);
        QVERIFY(second.waitForFinished(20000));
        const qint64 took = t.elapsed();
        ::kill(pid_t(first.processId()), SIGCONT);
        stop(first);

        QCOMPARE(second.exitCode(), 1);
        QVERIFY2(took >= 4500, qPrintable(QString::number(took)));
    }

    void autostartWithoutLockExits()
    {
        const QProcessEnvironment env = freshEnvironment();
        QProcess p;
        start(p, env, { QStringLiteral("-autostart") });
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAll().contains("close from app handle"));
    }

    void autostartWithLockStays_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("words") << QStringLiteral("lock/words") << QStringList { QStringLiteral("-autostart") };
        QTest::newRow("seconds") << QStringLiteral("lock/second") << QStringList { QStringLiteral("-autostart") };
        QTest::newRow("second argument ignored") << QString() << QStringList { QStringLiteral("x"), QStringLiteral("-autostart") };
        QTest::newRow("case-sensitive") << QString() << QStringList { QStringLiteral("-AUTOSTART") };
    }

    void autostartWithLockStays()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, args);
        const QProcessEnvironment env = freshEnvironment();
        if (!key.isEmpty())
            writeSetting(env, key, 500);
        QProcess p;
        start(p, env, args);
        QVERIFY(waitUntilListening(env));
        QTest::qWait(500);
        QCOMPARE(p.state(), QProcess::Running);
        stop(p);
    }

    // Statistics written under other digits are folded into the file of the ASCII name at start. A start
    // killed (by strace, at the system call) at each step of the fold, then one left to finish: each word counts once.
    void foldedStatisticsCountedOnce_data()
    {
        QTest::addColumn<QString>("watched"); // the file whose system call kills
        QTest::addColumn<QString>("calls");
        QTest::newRow("killed as the old file is read") << "old" << QStringLiteral("open,openat");
        QTest::newRow("killed as the old file goes") << "old" << QStringLiteral("unlink,unlinkat");
        // strace 6.1 matches a rename by its first name: the sum's move.
        QTest::newRow("killed as the sum takes its place") << "sum" << QStringLiteral("rename,renameat,renameat2");
    }
    void foldedStatisticsCountedOnce()
    {
        QFETCH(QString, watched);
        QFETCH(QString, calls);
        const QProcessEnvironment env = freshEnvironment();
        const QString day = env.value(QStringLiteral("HOME")) + QStringLiteral("/Library/Penlark/count/day/");
        const QString record = day + QStringLiteral("2026-03-11.json");
        const QString old = day + QStringLiteral("۲۰۲۶-۰۳-۱۱.json"); // Persian digits
        const QString sum = old + QStringLiteral(".fold");
        QVERIFY(QDir().mkpath(day) && putFileBytes(record, "{\"Words\":100}") && putFileBytes(old, "{\"Words\":30}"));
        const QString path = watched == QLatin1String("sum") ? sum : old;
        QProcess killed;
        killed.setProcessEnvironment(env);
        killed.start(QStringLiteral("strace"), { "-f", "-qq", "-o", "/dev/null", "-P", path, "-e", "trace=" + calls,
                                                 "-e", "inject=" + calls + ":signal=KILL", PENLARK_APP_PATH });
        QVERIFY2(killed.waitForFinished(30000), "strace is needed (scripts/setup.sh installs it)");
        QVERIFY2(killed.exitCode() != 0, killed.readAll().right(2000).constData()); // killed at the call

        QProcess next;
        start(next, env);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(old) && !QFileInfo::exists(sum), 20000);
        stop(next);
        QCOMPARE(QJsonDocument::fromJson(fileBytes(record)).object().value(QStringLiteral("Words")).toInt(), 130);
    }

    // What a crash, a hand edit or another program leaves behind must not
    // keep the real window from showing promptly and closing promptly
    // (Ctrl+Q), under a virtual X server of our own: a settings lock (empty,
    // garbled, or naming a process that is gone), which QSettings alone
    // waits half a minute for at the first settings write; a lock another
    // program holds, which it waits for without end (the settings are then
    // read, not written, and a notice says so); a window visibility that is
    // no visibility, which left the program running without a window; a
    // current file that is no document (a device that never ends, a FIFO
    // without a writer, a folder), which is not read: a notice, no tab; a
    // current file whose read waits for another program's lease, which
    // holds up neither the window nor the quit.
    void leftoversDelayNeitherStartNorQuit_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("logged");
        QProcess gone;
        gone.start(QStringLiteral("true"), QStringList());
        gone.waitForFinished(5000);
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const QByteArray stale("removing a stale lock");
        const QByteArray refused("not opened as a document");
        QTest::newRow("empty lock") << QByteArray("") << false << QString() << QVariant() << stale;
        QTest::newRow("garbled lock") << QByteArray("\x01\x02 not a lock\n") << false << QString() << QVariant() << stale;
        QTest::newRow("lock of a process gone")
            << QByteArray::number(gone.processId()) + "\nPenlark\n" + host + "\n" << false << QString() << QVariant() << stale;
        const QByteArray locked("locked by another program");
        QTest::newRow("lock held by another program") << QByteArray("") << true << QStringLiteral("Edit/FontSize") << QVariant(17) << locked;
        QTest::newRow("visibility 77") << QByteArray() << false << QStringLiteral("Window/visibility") << QVariant(77) << QByteArray();
        QTest::newRow("visibility -1") << QByteArray() << false << QStringLiteral("Window/visibility") << QVariant(-1) << QByteArray();
        const QString current = QStringLiteral("Save/CurrentFile");
        QTest::newRow("current file /dev/zero") << QByteArray() << false << current << QVariant("file:///dev/zero") << refused;
        QTest::newRow("current file a FIFO") << QByteArray() << false << current << QVariant("fifo") << refused;
        QTest::newRow("current file a folder") << QByteArray() << false << current << QVariant("folder") << refused;
        QTest::newRow("current file over 2 GiB") << QByteArray() << false << current << QVariant("huge file") << refused;
        QTest::newRow("current file read under a lease") << QByteArray() << false << current << QVariant("leased") << QByteArray();
        QTest::newRow("current file gone") << QByteArray() << false << current << QVariant("gone") << QByteArray("open at the last quit is gone");
        QTest::newRow("lock held from after start-up") << QByteArray() << false << QString() << QVariant("held later") << locked;
        QTest::newRow("lock held later, SIGTERM")
            << QByteArray() << false << QString() << QVariant("held later, SIGTERM") << QByteArray("saving and quitting");
        QTest::newRow("settings file of 100 MB") << QByteArray() << false << QString() << QVariant("huge") << QByteArray("too large to be read");
    }

    void leftoversDelayNeitherStartNorQuit()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, held);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, logged);
        QProcess xvfb;
        xvfb.start(QStringLiteral("Xvfb"), { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                                            QStringLiteral("tcp") });
        QVERIFY2(xvfb.waitForStarted(5000), "Xvfb is needed (scripts/setup.sh installs it)");
        QByteArray display;
        QTRY_VERIFY_WITH_TIMEOUT((display += xvfb.readAllStandardOutput()).contains('\n'), 10000);
        display = ":" + display.trimmed();

        QProcessEnvironment env = freshEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const QString home = env.value(QStringLiteral("HOME"));
        LeasedFile lease;
        // The current file the row makes, kept as a URL.
        const QString made = home + QStringLiteral("/第1章.txt");
        if (value == QVariant("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(made).constData(), 0600) == 0);
        else if (value == QVariant("leased"))
            QVERIFY(putFileBytes(made, "正文\n") && lease.take(made));
        else if (value == QVariant("huge file"))
            QVERIFY(putFileBytes(made, QByteArray()) && QFile::resize(made, (qint64(2) << 30) + 1));
        else if (value == QVariant("folder"))
            QVERIFY(QDir().mkpath(made));
        if (QFileInfo::exists(made) || value == QVariant("gone"))
            value = QUrl::fromLocalFile(made).toString();
        if (!key.isEmpty())
            writeSetting(env, key, value);
        const QString folder = home + QStringLiteral("/Library/Penlark/Settings/Unknown Organization");
        QVERIFY(QDir().mkpath(folder));
        const bool later = value.toString().startsWith(QLatin1String("held later"));
        if (value == QVariant("huge"))
            QVERIFY(putFileBytes(folder + QStringLiteral("/Penlark.ini"), "[General]\n" + QByteArray("key=value\n").repeated(10 << 20)));
        const QString lockPath = folder + QStringLiteral("/Penlark.ini.lock");
        if (!lock.isNull()) {
            QFile f(lockPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(lock);
        }
        // Another program's hold: an exclusive lock on the file, as a live
        // QLockFile keeps (held before the start, or once the window shows).
        QProcess holder;
        auto hold = [&] {
            holder.start(QStringLiteral("flock"), { lockPath, QStringLiteral("sleep"), QStringLiteral("120") });
            return holder.waitForStarted(5000) && QTest::qWaitFor([&] {
                return QProcess::execute(QStringLiteral("flock"), { QStringLiteral("-n"), lockPath, QStringLiteral("true") }) != 0; });
        };
        if (held)
            QVERIFY(hold());
        QByteArray settingsBefore = fileBytes(folder + QStringLiteral("/Penlark.ini"));
        QProcessEnvironment xenv = QProcessEnvironment::systemEnvironment();
        xenv.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        auto xdotool = [&xenv](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(xenv);
            p.start(QStringLiteral("xdotool"), args);
            p.waitForFinished(10000);
            return p.readAllStandardOutput().trimmed();
        };

        QElapsedTimer clock;
        clock.start();
        QProcess app;
        start(app, env);
        QByteArray window;
        while (window.isEmpty() && clock.elapsed() < 60000 && app.state() == QProcess::Running) {
            window = xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                               QString::number(app.processId()) }).split('\n').value(0);
            if (window.isEmpty())
                QTest::qWait(100);
        }
        const qint64 shown = clock.elapsed();
        QVERIFY2(!window.isEmpty(), "no window");
        // The stale-lock wait is 30 s, the wait for a held lock 3 s; an
        // unloaded start takes well under 1 s.
        QVERIFY2(shown < 10000, qPrintable(QStringLiteral("window shown after %1 ms").arg(shown)));
        if (later) {
            QVERIFY(hold());
            settingsBefore = fileBytes(folder + QStringLiteral("/Penlark.ini"));
        }

        xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window) });
        clock.restart();
        auto caught = [&app] { // SIGTERM is caught from just before the event loop on
            const QByteArray status = fileBytes(QStringLiteral("/proc/%1/status").arg(app.processId()));
            return status.mid(status.indexOf("SigCgt:") + 7, 17).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1) & 1;
        };
        if (value == QVariant("held later, SIGTERM") && QTest::qWaitFor(caught))
            ::kill(pid_t(app.processId()), SIGTERM);
        else
            xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+q") });
        const bool ended = app.waitForFinished(60000);
        const qint64 quit = clock.elapsed();
        const QByteArray output = app.readAll();
        stop(app);
        stop(holder);
        xvfb.kill();
        xvfb.waitForFinished(5000);
        QVERIFY2(ended, "Ctrl+Q or SIGTERM did not end the program");
        QVERIFY2(quit < 10000, qPrintable(QStringLiteral("quit took %1 ms").arg(quit)));
        QCOMPARE(app.exitCode(), 0);
        QVERIFY2(output.contains(logged), output.right(2000).constData());
        QCOMPARE(output.contains("removing a stale lock"), !lock.isNull() && !held);
        if (held || later || value == QVariant("huge")) // read (or refused), not written: the file is as it was
            QCOMPARE(fileBytes(folder + QStringLiteral("/Penlark.ini")), settingsBefore);
        else
            QVERIFY(!QFileInfo::exists(lockPath));
    }

    void brokenMainQmlExitsMinusOne()
    {
        QProcessEnvironment env = freshEnvironment();
        // Test seam: a main QML file that yields no root object.
        const QString broken = env.value(QStringLiteral("HOME")) + QStringLiteral("/broken.qml");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("import QtQuick 2.15\nItem { this is not qml }\n");
        f.close();
        env.insert(QStringLiteral("PENLARK_MAIN_QML"), QUrl::fromLocalFile(broken).toString());
        QProcess p;
        start(p, env);
        QVERIFY(p.waitForFinished(15000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 255);
    }
};

PENLARK_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
