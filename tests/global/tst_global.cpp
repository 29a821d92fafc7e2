// The application object: paths, history snapshots, pruning, mirrored
// settings and shared values.
#include "smalldisk.h"
#include "testenvironment.h"

#include "data/global.h"
#include "data/settings.h"
#include "data/signalobject.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QtConcurrent>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>

class TestGlobal : public QObject
{
    Q_OBJECT

private:
    QString m_home;

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void setModified(const QString& path, const QDateTime& when)
    {
        struct utimbuf times;
        times.actime = time_t(when.toSecsSinceEpoch());
        times.modtime = time_t(when.toSecsSinceEpoch());
        ::utime(QFile::encodeName(path).constData(), &times);
    }

    // Points HOME at a fresh folder holding the given entries.
    QString useHome(const QString& name, const QStringList& folders)
    {
        const QString home = m_home + QStringLiteral("/homes/") + name;
        QDir().mkpath(home);
        for (const QString& f : folders)
            QDir().mkpath(home + QLatin1Char('/') + f);
        ::setenv("HOME", QFile::encodeName(home).constData(), 1);
        return home;
    }

private slots:
    void initTestCase()
    {
        m_home = QDir::homePath();
        global::instance();
    }

    void cleanup()
    {
        ::setenv("HOME", QFile::encodeName(m_home).constData(), 1);
        QSettings().remove(QStringLiteral("files/path"));
    }

    void settingsFileLocation()
    {
        const QString expected = m_home + QStringLiteral("/Library/Penlark/Settings/Unknown Organization/Penlark.ini");
        QCOMPARE(global::settingsFileName(), expected);
        QSettings s;
        QCOMPARE(QFileInfo(s.fileName()).symLinkTarget(), expected); // through a private link
        s.setValue(QStringLiteral("userInfo/password"), QStringLiteral("secret"));
        s.sync();
        QVERIFY(QFileInfo::exists(expected));
        // The file holds the password: owner read/write only, also after a rewrite.
        const QFileDevice::Permissions perms = QFile::permissions(expected);
        QVERIFY(perms.testFlag(QFileDevice::ReadOwner) && perms.testFlag(QFileDevice::WriteOwner));
        QCOMPARE(int(perms & 0x0077), 0); // nothing for group or others
    }

    void dataFolders()
    {
        QCOMPARE(global::dataPath(), m_home + QStringLiteral("/Library/Penlark"));
        QCOMPARE(global::countDataPath(), m_home + QStringLiteral("/Library/Penlark/count"));
        QCOMPARE(global::tmpPath(), m_home + QStringLiteral("/Library/Penlark/tmp"));
        QVERIFY(QFileInfo(global::countDataPath()).isDir());
        QVERIFY(QFileInfo(global::tmpPath()).isDir());
    }

    void documentFolderFallbacks()
    {
        QString home = useHome(QStringLiteral("documents"), { QStringLiteral("Documents"), QStringLiteral("我的文档") });
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));
        QVERIFY(QFileInfo(home + QStringLiteral("/Documents/Penlark")).isDir());

        home = useHome(QStringLiteral("lower"), { QStringLiteral("documents") });
        QCOMPARE(global::documentPath(), home + QStringLiteral("/documents/Penlark"));

        home = useHome(QStringLiteral("chinese"), { QStringLiteral("我的文稿"), QStringLiteral("我的文档") });
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档/Penlark"));

        home = useHome(QStringLiteral("none"), {});
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));
        QVERIFY(QFileInfo(home + QStringLiteral("/Documents/Penlark")).isDir());

        QCOMPARE(global::notesPath(), home + QStringLiteral("/Documents/Penlark/.notes"));
        QCOMPARE(global::historyPath(), home + QStringLiteral("/Documents/Penlark/.History"));
        QCOMPARE(global::metaDataPath(), home + QStringLiteral("/Documents/Penlark/.MetaData/"));
    }

    void storedDocumentFolder()
    {
        const QString home = useHome(QStringLiteral("stored"), { QStringLiteral("Documents"), QStringLiteral("Books") });
        global::setDocumentPath(home + QStringLiteral("/Books"));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Books"));

        // A stored folder that no longer exists is cleared, not recreated.
        QDir(home + QStringLiteral("/Books")).removeRecursively();
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));
        QCOMPARE(QSettings().value(QStringLiteral("files/path")).toString(), QString());
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/Books")));
    }

    // A stored document folder the documents cannot live in is refused with
    // one notice and the default folder is used; what can never hold them
    // (the root, a file) is cleared, a folder that may become writable again
    // is kept. The setter refuses the same places.
    void refusedDocumentFolders_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("kept");
        QTest::newRow("file-system root") << QStringLiteral("root") << false;
        QTest::newRow("root by a detour") << QStringLiteral("dotdot") << false;
        QTest::newRow("a file") << QStringLiteral("file") << false;
        QTest::newRow("read-only folder") << QStringLiteral("rofolder") << true;
        QTest::newRow("immutable folder") << QStringLiteral("immutable") << true;
    }

    void refusedDocumentFolders()
    {
        QFETCH(QString, how);
        QFETCH(bool, kept);
        const QString home = useHome(QStringLiteral("refused-") + how, { QStringLiteral("Documents") });
        const QString fallback = home + QStringLiteral("/Documents/Penlark");
        QString stored = home + QStringLiteral("/Books");
        QVERIFY(QDir().mkpath(stored));
        std::unique_ptr<ReadOnlyFolder> readOnly;
        std::unique_ptr<ImmutableFile> immutable;
        if (how == QLatin1String("root")) {
            stored = QStringLiteral("/");
        } else if (how == QLatin1String("dotdot")) {
            stored = QDir::tempPath() + QStringLiteral("/../../../../../../../..");
        } else if (how == QLatin1String("file")) {
            stored = home + QStringLiteral("/Books/book.txt");
            QFile f(stored);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (how == QLatin1String("rofolder")) {
            readOnly = std::make_unique<ReadOnlyFolder>(stored);
            QVERIFY2(readOnly->isActive(), "cannot bind-mount read-only: the tests need root");
        } else {
            immutable = std::make_unique<ImmutableFile>(stored);
            QVERIFY2(immutable->isActive(), "chattr +i failed: the tests need root");
        }

        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        QVERIFY(!global::setDocumentPath(stored));
        QCOMPARE(notices.count(), 1);
        QVERIFY(notices.at(0).at(0).toString().contains(QDir::toNativeSeparators(stored)));
        QCOMPARE(notices.at(0).at(1).toInt(), int(Message::Warn));
        QVERIFY(!QSettings().contains(QStringLiteral("files/path")));

        // As left by an older version or a hand edit.
        QSettings().setValue(QStringLiteral("files/path"), stored);
        QCOMPARE(global::documentPath(), fallback);
        QCOMPARE(global::notesPath(), fallback + QStringLiteral("/.notes"));
        QCOMPARE(global::documentPath(), fallback);
        // Told from the event loop: at start-up the window is not there yet.
        QCOMPARE(notices.count(), 1);
        QTRY_COMPARE(notices.count(), 2);
        QTest::qWait(20);
        QCOMPARE(notices.count(), 2);
        QVERIFY(notices.at(1).at(0).toString().contains(QDir::toNativeSeparators(QDir::cleanPath(stored))));
        QCOMPARE(QSettings().value(QStringLiteral("files/path")).toString(), kept ? stored : QString());
        QVERIFY(!QFileInfo::exists(QStringLiteral("/.notes")) || how != QLatin1String("root"));
    }

    // A settings lock left by a crash is removed; one a live process holds
    // stays as it is.
    void staleSettingsLock_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("removed");
        QTest::newRow("empty") << QStringLiteral("empty") << true;
        QTest::newRow("garbled") << QStringLiteral("garbled") << true;
        QTest::newRow("named holder gone") << QStringLiteral("gone") << true;
        QTest::newRow("held") << QStringLiteral("held") << false;
        QTest::newRow("none") << QStringLiteral("none") << false;
    }

    void staleSettingsLock()
    {
        QFETCH(QString, how);
        QFETCH(bool, removed);
        const QString path = QDir::tempPath() + QStringLiteral("/lock-") + how + QStringLiteral(".lock");
        QLockFile held(path);
        held.setStaleLockTime(0);
        if (how == QLatin1String("held")) {
            QVERIFY(held.tryLock(0));
        } else if (how != QLatin1String("none")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (how == QLatin1String("garbled"))
                f.write("\x01\x02");
            else if (how == QLatin1String("gone"))
                f.write("999999999\nPenlark\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        const QByteArray before = QFile::exists(path) ? readFile(path) : QByteArray();
        QCOMPARE(global::clearStaleLock(path), removed);
        QCOMPARE(QFileInfo::exists(path), how != QLatin1String("none") && !removed);
        if (how == QLatin1String("held"))
            QCOMPARE(readFile(path), before);
    }

    // The default folder found in the home folder is kept between calls, but
    // never past a change of the home folder's entries, a removed folder, a
    // change of the setting or a change within one clock tick.
    void documentFolderFollowsHome()
    {
        const QString home = useHome(QStringLiteral("following"), { QStringLiteral("我的文档") });
        setModified(home, QDateTime::currentDateTime().addSecs(-3600));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档/Penlark"));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档/Penlark"));

        // Removed, the folder is made again.
        QVERIFY(QDir(home + QStringLiteral("/我的文档/Penlark")).removeRecursively());
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档/Penlark"));
        QVERIFY(QFileInfo(home + QStringLiteral("/我的文档/Penlark")).isDir());

        // A folder that sorts first appears beside it.
        QVERIFY(QDir(home).mkdir(QStringLiteral("Documents")));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));

        global::setDocumentPath(home + QStringLiteral("/我的文档"));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档"));
        global::setDocumentPath(QString());
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));

        // Renamed away, the next folder in order is taken.
        setModified(home, QDateTime::currentDateTime().addSecs(-3600));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));
        QVERIFY(QDir(home).rename(QStringLiteral("Documents"), QStringLiteral("Old")));
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文档/Penlark"));
    }

    void documentFolderChangedWithinOneTick()
    {
        const QString home = useHome(QStringLiteral("tick"), { QStringLiteral("我的文稿") });
        const QByteArray name = QFile::encodeName(home);
        struct stat before;
        QCOMPARE(::stat(name.constData(), &before), 0);
        QCOMPARE(global::documentPath(), home + QStringLiteral("/我的文稿/Penlark"));
        // A second change that leaves the same time stamp, as one within the
        // same clock tick would.
        QVERIFY(QDir(home).mkdir(QStringLiteral("Documents")));
        const struct timespec times[2] = { before.st_atim, before.st_mtim };
        QCOMPARE(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);
        QCOMPARE(global::documentPath(), home + QStringLiteral("/Documents/Penlark"));
    }

    void documentFolderNeverEmpty()
    {
        // "Documents/Penlark" is a dangling link: the folder cannot be made
        // and has no canonical path, yet the result must not be empty.
        const QString home = useHome(QStringLiteral("dangling"), { QStringLiteral("Documents") });
        QVERIFY(QFile::link(home + QStringLiteral("/nowhere/at/all"), home + QStringLiteral("/Documents/Penlark")));
        const QString path = global::documentPath();
        QCOMPARE(path, home + QStringLiteral("/Documents/Penlark"));
    }

    void snapshotNames()
    {
        const QString home = useHome(QStringLiteral("snap"), {});
        const QString doc = global::documentPath() + QStringLiteral("/Tale.v2.txt");
        writeFile(doc, "old text");

        QVERIFY(!global::saveTmpFile(doc + QStringLiteral(".missing"), QStringLiteral("x")));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(global::saveTmpFile(doc, QStringLiteral("新的文字")));
        const QStringList made = QDir(global::historyPath()).entryList(QDir::Files);
        QCOMPARE(made.size(), 1);
        QVERIFY2(made.first().startsWith(QStringLiteral("Tale---")) && made.first().endsWith(QStringLiteral(".txt")), qPrintable(made.first()));
        const qint64 stamp = made.first().mid(7, made.first().size() - 11).toLongLong();
        QVERIFY(stamp >= before && stamp <= before + 2);
        QCOMPARE(readFile(global::historyPath() + QLatin1Char('/') + made.first()), QString("新的文字").toUtf8());
        Q_UNUSED(home)
    }

    void snapshotsNeverReplaced()
    {
        useHome(QStringLiteral("snap2"), {});
        const QString a = global::documentPath() + QStringLiteral("/one/Tale.txt");
        const QString b = global::documentPath() + QStringLiteral("/two/Tale.md");
        writeFile(a, "first book");
        writeFile(b, "second book");

        // Same base name, same second: every snapshot survives in a file of its own.
        QVERIFY(global::saveTmpFile(a, QString()));
        QVERIFY(global::saveTmpFile(b, QString()));
        QVERIFY(global::saveTmpFile(a, QStringLiteral("edited")));
        const QStringList made = QDir(global::historyPath()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(made.size(), 3);
        QStringList contents;
        for (const QString& name : made)
            contents << QString::fromUtf8(readFile(global::historyPath() + QLatin1Char('/') + name));
        contents.sort();
        QCOMPARE(contents, (QStringList { "edited", "first book", "second book" }));
    }

    void snapshotFailureReported()
    {
        // The history folder cannot exist because a file holds its name.
        useHome(QStringLiteral("snap3"), {});
        const QString doc = global::documentPath() + QStringLiteral("/Tale.txt");
        writeFile(doc, "text");
        writeFile(global::documentPath() + QStringLiteral("/.History"), "not a folder");
        QVERIFY(!global::saveTmpFile(doc, QString()));
        QVERIFY(!global::saveTmpFile(doc, QStringLiteral("changed")));
        QCOMPARE(readFile(doc), QByteArray("text"));
    }

    void pruneHistory()
    {
        useHome(QStringLiteral("prune"), {});
        QVERIFY(!global::cleanHistoryPath(0) || QFileInfo(global::historyPath()).isDir());
        const QString h = global::historyPath();
        writeFile(h + QStringLiteral("/today---1.txt"), "a");
        writeFile(h + QStringLiteral("/yesterday---2.txt"), "b");
        writeFile(h + QStringLiteral("/old---3.txt"), "c");
        writeFile(h + QStringLiteral("/notes.md"), "d");
        const QDateTime midnight(QDate::currentDate(), QTime(0, 0));
        setModified(h + QStringLiteral("/today---1.txt"), midnight.addSecs(1));
        setModified(h + QStringLiteral("/yesterday---2.txt"), midnight.addSecs(-60));
        setModified(h + QStringLiteral("/old---3.txt"), midnight.addDays(-31));
        setModified(h + QStringLiteral("/notes.md"), midnight.addDays(-40));

        QVERIFY(global::cleanHistoryPath());
        QVERIFY(QFileInfo::exists(h + QStringLiteral("/yesterday---2.txt")));
        QVERIFY(!QFileInfo::exists(h + QStringLiteral("/old---3.txt")));

        QVERIFY(global::cleanHistoryPath(0));
        QVERIFY(QFileInfo::exists(h + QStringLiteral("/today---1.txt")));
        QVERIFY(!QFileInfo::exists(h + QStringLiteral("/yesterday---2.txt")));
        QVERIFY(QFileInfo::exists(h + QStringLiteral("/notes.md")));
    }

    void cleanTemporaryImages()
    {
        QVERIFY(global::cleanTmpPath());
        writeFile(global::tmpPath() + QStringLiteral("/a.jpg"), "x");
        writeFile(global::tmpPath() + QStringLiteral("/b.png"), "x");
        QVERIFY(global::cleanTmpPath());
        QVERIFY(!QFileInfo::exists(global::tmpPath() + QStringLiteral("/a.jpg")));
        QVERIFY(QFileInfo::exists(global::tmpPath() + QStringLiteral("/b.png")));
    }

    void chapterKeys_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QString() << global::defaultChapterKeys();
        QTest::newRow("bar") << QStringLiteral("第*卷|Part") << QStringList { "第*卷", "Part" };
        QTest::newRow("lines") << QStringLiteral("A\nB;") << QStringList { "A", "B" };
        QTest::newRow("blank among") << QStringLiteral("A;;B") << QStringList { "A", "B" };
        QTest::newRow("only blanks") << QStringLiteral(";\n;") << global::defaultChapterKeys();
    }

    void chapterKeys()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, expected);
        QSettings().setValue(QStringLiteral("Chapter/AutoChapterKeys"), stored);
        global::instance()->reloadSetting();
        QCOMPARE(global::instance()->autoChapterKeys(), expected);
        QCOMPARE(global::defaultChapterKeys().size(), 13);
    }

    void chapterKeysReadFromThreads()
    {
        QSettings().setValue(QStringLiteral("Chapter/AutoChapterKeys"), QString());
        global::instance()->reloadSetting();
        auto reader = QtConcurrent::run([] {
            int total = 0;
            for (int i = 0; i < 20000; ++i)
                total += global::instance()->autoChapterKeys().size();
            return total;
        });
        for (int i = 0; i < 2000; ++i)
            global::instance()->setAutoChapterKeys(i % 2 ? global::defaultChapterKeys() : QStringList { "x" });
        reader.waitForFinished();
        QVERIFY(reader.result() > 0);
    }

    void sharedValues()
    {
        global* g = global::instance();
        QSignalSpy rect(g, &global::typerRectChanged);
        g->setTyperRect(QRect(0, 0, 10, 10));
        g->setTyperRect(QRect(0, 0, 10, 10));
        g->setTyperRect(QRect(0, 0, 10, 11));
        QCOMPARE(rect.count(), 2);

        QSignalSpy first(g, &global::isAppActionFirstChanged);
        QSignalSpy hub(g->signalObject(), &SignalObject::isAppActionFirstChanged);
        g->setIsAppActionFirst(true);
        g->setIsAppActionFirst(true);
        QCOMPARE(first.count(), 1);
        QCOMPARE(hub.count(), 1);

        QCOMPARE(g->version(), QStringLiteral("2.0.13"));
        QCOMPARE(g->versionType(), QStringLiteral("Master"));
        QCOMPARE(g->settings(), g->settings());
    }

    void clock()
    {
        global* g = global::instance();
        const int start = g->timeElapsed();
        QTest::qWait(250);
        const int later = g->timeElapsed();
        QVERIFY2(later - start >= 240 && later - start < 1000, qPrintable(QString::number(later - start)));
    }

    void externalDocuments()
    {
        global* g = global::instance();
        const QString docs = global::documentPath();
        QVERIFY(!g->isExternal(QUrl::fromLocalFile(docs + QStringLiteral("/a.txt"))));
        QVERIFY(g->isExternal(QUrl::fromLocalFile(QStringLiteral("/elsewhere/a.txt"))));
        QVERIFY(g->isExternal(QUrl::fromLocalFile(docs.toUpper() + QStringLiteral("/a.txt"))));
    }

    void sharedObjectsRecreated()
    {
        global* g = global::instance();
        QNetworkAccessManager* nam = g->NetworkAccessManager();
        QCOMPARE(g->NetworkAccessManager(), nam);
        delete nam;
        QVERIFY(g->NetworkAccessManager() != nullptr);
        QVERIFY(g->signalObject() == g->signalObject());
    }

    void lockNumber()
    {
        QVERIFY(!global::isHasLockNumber());
        QSettings().setValue(QStringLiteral("lock/words"), 500);
        QVERIFY(global::isHasLockNumber());
        QSettings().setValue(QStringLiteral("lock/words"), 0);
        QSettings().setValue(QStringLiteral("lock/second"), 30);
        QVERIFY(global::isHasLockNumber());
        QSettings().setValue(QStringLiteral("lock/second"), 0);
    }
};

PENLARK_TEST_MAIN(TestGlobal)
#include "tst_global.moc"
