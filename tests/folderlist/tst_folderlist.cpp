// The folder list model and its scanning thread on temporary folders.
#include "testenvironment.h"

#include "data/global.h"
#include "folderlistmodel/fileinfothread.h"
#include "folderlistmodel/qquickfolderlistmodel.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"

#include <QAbstractItemModelTester>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <random>

class TestFolderList : public QObject
{
    Q_OBJECT

private:
    QStringList m_messages;

    static void touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    static QList<FileProperty> props(const QStringList& names)
    {
        QList<FileProperty> list;
        for (const QString& n : names) {
            FileProperty p;
            p.fileName = n;
            p.isDir = n.endsWith(QLatin1Char('/'));
            if (p.isDir)
                p.fileName.chop(1);
            list << p;
        }
        return list;
    }

    static QStringList names(const QList<FileProperty>& list)
    {
        QStringList out;
        for (const FileProperty& p : list)
            out << p.fileName;
        return out;
    }

    static QStringList names(const QQuickFolderListModel& model)
    {
        QStringList out;
        for (int r = 0; r < model.count(); ++r)
            out << model.get(r, QStringLiteral("fileName")).toString();
        return out;
    }

    // A model over `folder` as a page sets it up, started.
    static void setUp(QQuickFolderListModel& model, const QString& folder)
    {
        model.classBegin();
        model.setNameFilters({ QStringLiteral("*.txt"), QStringLiteral("*.md") });
        model.setFolder(QUrl::fromLocalFile(folder));
        model.setExcludeFiles({ QStringLiteral("index.txt"), QStringLiteral("Library") });
        model.setShowDirs(true);
        model.componentComplete();
    }

private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text, int, int, const QString&) { m_messages << text; });
    }

    void init() { m_messages.clear(); }

    void numberOrder_data()
    {
        QTest::addColumn<QStringList>("listing");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("ordered");
        const int name = QDir::Name;
        const int reversed = QDir::Name | QDir::Reversed;
        QTest::newRow("ascending") << QStringList { "序.txt", "第10章.txt", "第2章.txt" } << name
                                   << QStringList { "序.txt", "第2章.txt", "第10章.txt" };
        QTest::newRow("reversed") << QStringList { "第10章.txt", "第2章.txt", "序.txt" } << reversed
                                  << QStringList { "第10章.txt", "第2章.txt", "序.txt" };
        QTest::newRow("equal numbers ascending") << QStringList { "a.txt", "b.txt" } << name << QStringList { "b.txt", "a.txt" };
        QTest::newRow("equal numbers reversed") << QStringList { "b.txt", "a.txt" } << reversed << QStringList { "b.txt", "a.txt" };
        QTest::newRow("joined digits") << QStringList { "第3卷第4章.txt", "1-2.txt", "99999999999.txt" } << name
                                       << QStringList { "99999999999.txt", "1-2.txt", "第3卷第4章.txt" };
        QTest::newRow("folders by number") << QStringList { "B2/", "a1.txt", "c3.txt" } << name << QStringList { "a1.txt", "B2", "c3.txt" };
        QTest::newRow("time keeps listing") << QStringList { "9.txt", "1.txt" } << int(QDir::Time) << QStringList { "9.txt", "1.txt" };
        QTest::newRow("unsorted keeps listing") << QStringList { "9.txt", "1.txt" } << int(QDir::Unsorted) << QStringList { "9.txt", "1.txt" };
    }

    void numberOrder()
    {
        QFETCH(QStringList, listing);
        QFETCH(int, flags);
        QFETCH(QStringList, ordered);
        QList<FileProperty> list = props(listing);
        FileInfoThread::orderListing(list, QDir::SortFlags(flags));
        QCOMPARE(names(list), ordered);
    }

    void changeRanges_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("first listing") << QStringList {} << QStringList { "a", "b" } << 0 << 1;
        QTest::newRow("rename in the middle") << QStringList { "a", "b", "c", "d" } << QStringList { "a", "x", "c", "d" } << 1 << 3;
        QTest::newRow("same names") << QStringList { "a", "b" } << QStringList { "a", "b" } << 1 << 1;
        QTest::newRow("all gone") << QStringList { "a", "b" } << QStringList {} << -1 << 1;
        QTest::newRow("appended") << QStringList { "a" } << QStringList { "a", "b", "c" } << 0 << 2;
        QTest::newRow("kind differs") << QStringList { "a", "b" } << QStringList { "a", "b/" } << 1 << 1;
    }

    void changeRanges()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, from);
        QFETCH(int, to);
        int f = -2;
        int t = -2;
        FileInfoThread::changeRange(props(before), props(after), f, t);
        QCOMPARE(f, from);
        QCOMPARE(t, to);
    }

    void historyRoles()
    {
        QCOMPARE(QQuickFolderListModel::formatHistoryName(QStringLiteral("第1章---0")), QStringLiteral("第1章"));
        QCOMPARE(QQuickFolderListModel::formatHistoryTime(QStringLiteral("第1章---0")),
                 QDateTime::fromSecsSinceEpoch(0).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        QCOMPARE(QQuickFolderListModel::formatHistoryName(QStringLiteral("a---b---1")), QStringLiteral("a---b---1"));
        QCOMPARE(QQuickFolderListModel::formatHistoryTime(QStringLiteral("a---b---1")), QStringLiteral("a---b---1"));
        QCOMPARE(QQuickFolderListModel::formatHistoryName(QStringLiteral("---5")), QString());
        QCOMPARE(QQuickFolderListModel::formatHistoryTime(QStringLiteral("x---y")),
                 QDateTime::fromSecsSinceEpoch(0).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        // A snapshot of a chapter whose name is GBK bytes is listed, read as GBK, and names its own bytes.
        QTemporaryDir dir;
        const QByteArray raw = "\xb5\xda\x31\xd5\xc2---7.txt";
        touch(dir.path() + QLatin1Char('/') + QFile::decodeName(raw));
        QQuickFolderListModel model;
        setUp(model, dir.path());
        QTRY_COMPARE(model.count(), 1);
        QCOMPARE(model.get(0, QStringLiteral("fileHistoryName")).toString(), QStringLiteral("第1章"));
        QCOMPARE(QFile::encodeName(model.get(0, QStringLiteral("fileUrl")).toUrl().toLocalFile()), QFile::encodeName(dir.path()) + '/' + raw);
    }

    void largeFolderOffTheGuiThread()
    {
        QTemporaryDir dir;
        QVector<int> numbers(5000);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), std::mt19937(7));
        for (int n : numbers)
            touch(dir.path() + QStringLiteral("/第%1章.txt").arg(n));

        // Written by the worker while this thread polls: every access holds
        // the lock. Declared before the thread, so they outlive its worker.
        QMutex lock;
        QThread* worker = nullptr;
        int listed = 0;
        QStringList order;
        FileInfoThread thread;
        auto listing = [&](const QList<FileProperty>& list) {
            const QStringList listedNames = names(list);
            QMutexLocker locked(&lock);
            worker = QThread::currentThread();
            listed = list.size();
            order = listedNames;
        };
        auto listedSoFar = [&] {
            QMutexLocker locked(&lock);
            return listed;
        };
        connect(&thread, &FileInfoThread::directoryChanged, this,
                [&](const QString&, const QList<FileProperty>& list) { listing(list); }, Qt::DirectConnection);
        connect(&thread, &FileInfoThread::directoryUpdated, this,
                [&](const QString&, const QList<FileProperty>& list, int, int) { listing(list); }, Qt::DirectConnection);
        thread.setNameFilters({ QStringLiteral("*.txt") });
        thread.setPath(dir.path());
        thread.start(QThread::LowPriority);
        QTRY_COMPARE_WITH_TIMEOUT(listedSoFar(), 5000, 20000);
        {
            QMutexLocker locked(&lock);
            QVERIFY(worker && worker != QThread::currentThread());
            QCOMPARE(order.first(), QStringLiteral("第1章.txt"));
            QCOMPARE(order.at(999), QStringLiteral("第1000章.txt"));
            QCOMPARE(order.last(), QStringLiteral("第5000章.txt"));
        }

        QQuickFolderListModel model;
        QSignalSpy counted(&model, &QQuickFolderListModel::countChanged);
        setUp(model, dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 5000, 20000);
        QVERIFY(model.loaded());
        QCOMPARE(model.get(4999, QStringLiteral("fileName")).toString(), QStringLiteral("第5000章.txt"));
        QVERIFY(counted.count() >= 1);
    }

    void followsChangesOnDisk()
    {
        QTemporaryDir dir;
        for (const char* n : { "第1章.txt", "第2章.txt", "第3章.txt", "index.txt", "x.doc" })
            touch(dir.path() + QLatin1Char('/') + QString::fromUtf8(n));
        QQuickFolderListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        setUp(model, dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 3, 5000);
        QCOMPARE(names(model), QStringList({ "第1章.txt", "第2章.txt", "第3章.txt" }));
        QTRY_COMPARE(model.status(), QQuickFolderListModel::Ready);

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

        // Renamed in the middle: same count, rows from the change to the end.
        QVERIFY(QFile::rename(dir.path() + QStringLiteral("/第2章.txt"), dir.path() + QStringLiteral("/第2节.txt")));
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 5000);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 2);
        QCOMPARE(names(model), QStringList({ "第1章.txt", "第2节.txt", "第3章.txt" }));

        // Added: the rows are replaced.
        touch(dir.path() + QStringLiteral("/第4章.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 4, 5000);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(2).toInt(), 3);
        QCOMPARE(names(model).last(), QStringLiteral("第4章.txt"));

        // Deleted.
        QVERIFY(QFile::remove(dir.path() + QStringLiteral("/第1章.txt")));
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 3, 5000);
        QCOMPARE(names(model), QStringList({ "第2节.txt", "第3章.txt", "第4章.txt" }));
        QVERIFY(removed.count() >= 2);

        // Reversed order.
        model.setSortReversed(true);
        QTRY_COMPARE_WITH_TIMEOUT(names(model), QStringList({ "第4章.txt", "第3章.txt", "第2节.txt" }), 5000);
        QCOMPARE(model.indexOf(QUrl::fromLocalFile(QStringLiteral("/elsewhere/第3章.txt"))), 1);
        QVERIFY(!model.isFolder(-1));
        QVERIFY(!model.isFolder(model.count()));
        QVERIFY(!model.get(0, QStringLiteral("noSuchRole")).isValid());
        QCOMPARE(model.get(0, QStringLiteral("fileBaseName")).toString(), QStringLiteral("第4章"));
    }

    void resetAlwaysEnds()
    {
        QTemporaryDir a;
        QTemporaryDir b;
        touch(a.path() + QStringLiteral("/1.txt"));
        touch(b.path() + QStringLiteral("/1.txt"));
        touch(b.path() + QStringLiteral("/2.txt"));
        QQuickFolderListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        // Filter setters mark the first report as an update.
        setUp(model, a.path());
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 1, 5000);
        model.setFolder(QUrl::fromLocalFile(b.path()));
        model.setShowFiles(true);
        QTRY_COMPARE_WITH_TIMEOUT(model.count(), 2, 5000);
        QTRY_COMPARE(reset.count(), aboutToReset.count());

        // A missing folder empties the list and ends the reset at once.
        model.setFolder(QUrl::fromLocalFile(b.path() + QStringLiteral("/missing")));
        QCOMPARE(model.count(), 0);
        QCOMPARE(reset.count(), aboutToReset.count());
        QCOMPARE(model.status(), QQuickFolderListModel::Null);

        // Name filters before any folder: empty and loaded at once.
        QQuickFolderListModel fresh;
        fresh.setNameFilters({ QStringLiteral("*.md") });
        QVERIFY(fresh.loaded());
        QCOMPARE(fresh.count(), 0);
    }

    void destroyedWhileScanning()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 3000; ++i)
            touch(dir.path() + QStringLiteral("/%1.txt").arg(i));
        for (int round = 0; round < 5; ++round) {
            auto* model = new QQuickFolderListModel;
            setUp(*model, dir.path());
            QTest::qWait(round); // 0..4 ms into the scan
            delete model; // joins the thread; nothing arrives afterwards
        }
        QTest::qWait(20);
    }

    void changeDuringScanIsNotLost()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 3000; ++i)
            touch(dir.path() + QStringLiteral("/%1.txt").arg(i));
        FileInfoThread thread;
        int last = 0;
        connect(&thread, &FileInfoThread::directoryChanged, this, [&](const QString&, const QList<FileProperty>& l) { last = l.size(); });
        connect(&thread, &FileInfoThread::directoryUpdated, this, [&](const QString&, const QList<FileProperty>& l, int, int) { last = l.size(); });
        thread.setPath(dir.path());
        thread.start(QThread::LowPriority);
        // Most likely while the first scan runs.
        touch(dir.path() + QStringLiteral("/new.txt"));
        thread.updateFile(dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(last, 3001, 10000);
    }

    void renameEntries_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("notice");
        QTest::newRow("suffix appended") << "序章" << "第1章.txt" << QStringList { "index.txt", "卷一", "序章.txt", "第2章.txt" } << false;
        QTest::newRow("suffix typed") << "序章.txt" << "第1章.txt" << QStringList { "index.txt", "卷一", "序章.txt", "第2章.txt" } << false;
        QTest::newRow("ends with txt") << "序章txt" << "第1章.txt" << QStringList { "index.txt", "卷一", "序章txt", "第2章.txt" } << false;
        QTest::newRow("folder") << "卷二.x" << "卷一" << QStringList { "index.txt", "卷二.x", "第1章.txt", "第2章.txt" } << false;
        QTest::newRow("taken") << "第2章" << "第1章.txt" << QStringList { "index.txt", "卷一", "第1章.txt", "第2章.txt" } << true;
        QTest::newRow("own name") << "第1章" << "第1章.txt" << QStringList { "index.txt", "卷一", "第1章.txt", "第2章.txt" } << true;
        QTest::newRow("leaves the folder") << "../x" << "第1章.txt" << QStringList { "index.txt", "卷一", "第1章.txt", "第2章.txt" } << true;
        QTest::newRow("excluded but listed") << "about" << "index.txt" << QStringList { "about.txt", "卷一", "第1章.txt", "第2章.txt" } << false;
        QTest::newRow("no such entry") << "x" << "nothing.txt" << QStringList { "index.txt", "卷一", "第1章.txt", "第2章.txt" } << false;
        // An empty or blank base name, a hidden name and the names the lists
        // keep for themselves are refused with a notice.
        const QStringList start { "index.txt", "卷一", "第1章.txt", "第2章.txt" };
        QTest::newRow("empty") << "" << "第1章.txt" << start << true;
        QTest::newRow("blank base") << " .txt" << "第1章.txt" << start << true;
        QTest::newRow("hidden") << ".序章" << "第1章.txt" << start << true;
        QTest::newRow("hidden folder") << ".卷二" << "卷一" << start << true;
        QTest::newRow("service file") << "index" << "第2章.txt" << start << true;
        QTest::newRow("service folder") << "Library" << "卷一" << start << true;
    }

    void renameEntries()
    {
        QFETCH(QString, newName);
        QFETCH(QString, oldName);
        QFETCH(QStringList, after);
        QFETCH(bool, notice);
        QTemporaryDir dir;
        for (const char* n : { "第1章.txt", "第2章.txt", "index.txt", "卷一/a.txt" })
            touch(dir.path() + QLatin1Char('/') + QString::fromUtf8(n));
        global::setDocumentPath(dir.path());
        QQuickFolderListModel model;
        setUp(model, dir.path());
        model.fileRename(newName, oldName);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), after);
        QCOMPARE(!m_messages.isEmpty(), notice);
    }

    // A folder that is not in the library (a sibling whose name begins with
    // the library's, or a book linked to a folder elsewhere) is never
    // renamed in.
    void renameOnlyInTheLibrary()
    {
        QTemporaryDir dir;
        const QString library = dir.path() + QStringLiteral("/docs");
        touch(library + QStringLiteral("/a.txt"));
        touch(dir.path() + QStringLiteral("/docs2/b.txt"));
        touch(dir.path() + QStringLiteral("/elsewhere/c.txt"));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/elsewhere"), library + QStringLiteral("/Linked")));
        global::setDocumentPath(library);
        for (const QString& folder : { dir.path() + QStringLiteral("/docs2"), library + QStringLiteral("/Linked") }) {
            m_messages.clear();
            QQuickFolderListModel model;
            setUp(model, folder);
            const QString name = QDir(folder).entryList(QDir::Files).value(0);
            QVERIFY(!name.isEmpty());
            model.fileRename(QStringLiteral("renamed"), name);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList { name });
            QCOMPARE(m_messages.size(), 1);
        }
        QQuickFolderListModel model;
        setUp(model, library);
        model.fileRename(QStringLiteral("renamed"), QStringLiteral("a.txt"));
        QVERIFY(QFileInfo::exists(library + QStringLiteral("/renamed.txt")));
    }
};

PENLARK_TEST_MAIN(TestFolderList)
#include "tst_folderlist.moc"
