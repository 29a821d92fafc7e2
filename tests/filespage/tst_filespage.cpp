// The document tree page: C++ tests that load the real main window (with the
// real files object, FilesPage.qml and the document tabs) on a fresh library
// and drive it with mouse and key events, checking the disk after each step;
// then Qt Quick Tests of the page on its own.
#include "testenvironment.h"
#include "testfiles.h"
#include "mainengine.h"
#include "treesnapshot.h"
#include "leasedfile.h"

#include "chapter/wordcountmodel.h"
#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "files/files.h"
#include "files/lumofilesystemmodel.h"
#include "folderlistmodel/qquickfolderlistmodel.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "support/filenamecodec.h"
#include "support/userfile.h"
#include "TovaUi/textarea/documentsaver.h"
#include "TovaUi/textarea/historysnapshots.h"
#include "TovaUi/textarea/lazytextdocument.h"
#include "TovaUi/theme/lumotheme.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonValue>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtQuickTest>

#include <functional>
#include <memory>

class TestTreePage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root; // the library: <dir>/docs
    QString m_sibling; // <dir>/docs2, beside it
    QString m_outside; // <dir>/outside, linked into the library as docs/Linked
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow* m_window = nullptr;
    QObject* m_page = nullptr;
    files* m_files = nullptr;
    QStringList m_questions;
    int m_answer = QMessageBox::Yes;
    QStringList m_notices;
    QMap<QString, QByteArray> m_outsideBefore;

    static void writeFile(const QString& path, const QByteArray& bytes) { QVERIFY(writeTestFile(path, bytes)); }
    static QByteArray readFile(const QString& path) { return readTestFile(path); }

    QString at(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }
    QUrl urlAt(const QString& relative) const { return QUrl::fromLocalFile(at(relative)); }

    QStringList listing(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A library with the given documents (each holding its own name), a
    // sibling folder "docs2" and a book linked in from a folder outside.
    void makeLibrary(const QStringList& entries, const QString& storedPath = QString())
    {
        m_dir.reset(new QTemporaryDir);
        m_root = m_dir->path() + QStringLiteral("/docs");
        m_sibling = m_dir->path() + QStringLiteral("/docs2");
        m_outside = m_dir->path() + QStringLiteral("/outside");
        QDir().mkpath(m_root);
        for (const QString& e : entries)
            writeFile(at(e), e.toUtf8());
        writeFile(m_sibling + QStringLiteral("/s.txt"), "sibling");
        writeFile(m_outside + QStringLiteral("/Book/第1章.txt"), "outside");
        QVERIFY(QFile::link(m_outside + QStringLiteral("/Book"), at(QStringLiteral("Linked"))));
        QSettings().setValue(QStringLiteral("files/path"), storedPath.isEmpty() ? m_root : storedPath);
        m_outsideBefore = treeSnapshot(m_dir->path() + QStringLiteral("/outside"));
        m_outsideBefore.unite(treeSnapshot(m_sibling));
    }

    void outsideUntouched()
    {
        QMap<QString, QByteArray> now = treeSnapshot(m_dir->path() + QStringLiteral("/outside"));
        now.unite(treeSnapshot(m_sibling));
        QVERIFY2(now == m_outsideBefore, qPrintable(snapshotDifference(m_outsideBefore, now)));
    }

    // The real main window on the library, its tree loaded.
    void openWindow(int rows)
    {
        m_engine.reset(new QQmlApplicationEngine);
        setUpMainEngine(*m_engine, m_engine.get());
        global::instance()->setEngine(m_engine.get());
        m_engine->load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
        global::instance()->setEngine(nullptr);
        QVERIFY(!m_engine->rootObjects().isEmpty());
        m_window = qobject_cast<QQuickWindow*>(m_engine->rootObjects().first());
        QVERIFY(m_window);
        m_window->resize(1000, 700);
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_files = qobject_cast<files*>(m_engine->rootContext()->contextProperty(QStringLiteral("files")).value<QObject*>());
        QVERIFY(m_files);
        QTRY_VERIFY(m_page = m_window->findChild<QObject*>(QStringLiteral("filesPage")));
        QTRY_VERIFY(!m_files->loading());
        QTRY_COMPARE(eval(QStringLiteral("page.visibleRows")).toInt(), rows);
    }

    // Runs a script in a page's own scope (its ids and the context objects).
    QVariant evalIn(QObject* scope, const QString& script)
    {
        QQmlExpression expression(qmlContext(scope), scope, script);
        const QVariant value = expression.evaluate();
        if (expression.hasError())
            qWarning() << expression.error().toString();
        return value;
    }
    QVariant eval(const QString& script) { return evalIn(m_page, script); }
    QObject* tabs() { return m_window->property("documentPage").value<QObject*>(); }
    QObject* editor() { return tabs()->property("currentEditor").value<QObject*>(); }

    static QString quoted(const QString& text)
    {
        return QString::fromUtf8(QJsonDocument::fromVariant(QVariantList { text }).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    }

    // The window point at the middle of the tree row showing `name`.
    QPoint rowPoint(const QString& name)
    {
        const QVariant point = eval(QStringLiteral(
            "(function(name) {"
            "  var lv = tree.__listView;"
            "  for (var r = 0; r < lv.count; ++r) {"
            "    if (files.model.data(tree.__model.mapRowToModelIndex(r)) !== name) continue;"
            "    lv.positionViewAtIndex(r, ListView.Contain);"
            "    var item = lv.itemAtIndex(r);"
            "    if (!item) return undefined;"
            "    return item.mapToItem(null, Math.min(item.width / 2, 120), item.height / 2);"
            "  }"
            "  return undefined;"
            "})(%1)").arg(quoted(name)));
        return point.toPointF().toPoint();
    }

    void clickRow(const QString& name, Qt::MouseButton button = Qt::LeftButton)
    {
        QPoint p;
        QTRY_VERIFY2(!(p = rowPoint(name)).isNull(), qPrintable(name));
        QTest::mouseClick(m_window, button, Qt::NoModifier, p);
    }

    void clickItem(const QString& objectName)
    {
        auto* item = m_page->findChild<QQuickItem*>(objectName);
        QVERIFY2(item, qPrintable(objectName));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                          item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    }

    // Clicks the entry of an open menu by its text.
    void clickEntry(QObject* menu, const QString& text)
    {
        QQuickItem* entry = nullptr;
        QTRY_VERIFY(menu && (entry = evalIn(menu, QStringLiteral("(function(t) { for (var i = 0; i < count; ++i) if (itemAt(i).text === t)"
                                                                 " return opened ? itemAt(i) : null; return null })(%1)").arg(quoted(text))).value<QQuickItem*>()));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, entry->mapToScene(QPointF(entry->width() / 2, entry->height() / 2)).toPoint());
        QTRY_VERIFY(!menu->property("visible").toBool()); // a closing menu still takes the next click
    }

    // The rows the tree draws highlighted, by name.
    QStringList highlightedRows()
    {
        return eval(QStringLiteral(
                        "(function() {"
                        "  var lv = tree.__listView; var names = [];"
                        "  for (var r = 0; r < lv.count; ++r) {"
                        "    var item = lv.itemAtIndex(r);"
                        "    if (item && item.children.length > 0 && item.children[0].itemSelected)"
                        "      names.push(files.model.data(tree.__model.mapRowToModelIndex(r)));"
                        "  }"
                        "  return names;"
                        "})()"))
            .toStringList();
    }

    // Rows at the top level, in order.
    QStringList topRows()
    {
        return eval(QStringLiteral("(function() { var n = []; for (var r = 0; r < files.model.rowCount(files.index); ++r)"
                                   " n.push(files.model.data(files.model.index(r, 0, files.index))); return n })()"))
            .toStringList();
    }

    // Key presses for each character (Chinese ones carry their text).
    void typeText(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, m_window, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // Double-clicks a row, replaces its name by what the keys type, and
    // ends with Enter; `midway` runs after the first character typed.
    void renameByKeys(const QString& row, const QString& typed, const std::function<void()>& midway = nullptr)
    {
        QPoint p;
        QTRY_VERIFY(!(p = rowPoint(row)).isNull());
        QTest::mouseDClick(m_window, Qt::LeftButton, Qt::NoModifier, p);
        QTRY_VERIFY(!eval(QStringLiteral("page.editingPath")).toString().isEmpty());
        QTest::keyClick(m_window, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_window, Qt::Key_Backspace);
        typeText(typed.left(1));
        if (midway)
            midway();
        typeText(typed.mid(1));
        QTest::keyClick(m_window, Qt::Key_Return);
        QTRY_VERIFY(eval(QStringLiteral("page.editingPath")).toString().isEmpty());
    }

    // Opens a document in a tab by clicking its row and waits for its text.
    void openByClick(const QString& row, const QString& relative)
    {
        clickRow(row);
        QTRY_VERIFY(editor() && editor() == tabOf(relative));
        QTRY_VERIFY(editor()->property("textLoaded").toBool() && !editor()->property("loading").toBool());
    }

    // The tab of a document, by its path in the library.
    QObject* tabOf(const QString& relative)
    {
        const QString url = urlAt(relative).toString();
        return evalIn(tabs(), QStringLiteral("indexOf(%1) >= 0 ? pages[indexOf(%1)] : null").arg(quoted(url))).value<QObject*>();
    }

    void typeInEditor(const QString& text)
    {
        evalIn(tabs(), QStringLiteral("currentEditor.textArea.textEdit.forceActiveFocus()"));
        QTest::keyClick(m_window, Qt::Key_End, Qt::ControlModifier);
        typeText(text);
    }

private slots:
    void initTestCase()
    {
        global::instance();
        connect(function::instance()->getMessage(), &Message::showMessage, this,
                [this](const QString& text, int, int, const QString&) { m_notices << text; });
        files::setQuestionHandler([this](const QString&, const QString& text) {
            m_questions << text;
            return m_answer;
        });
    }

    void init()
    {
        QSettings().setValue(QStringLiteral("Files/RecentFiles"), QStringList());
        global::instance()->settings()->setCurrentFile(QString());
        global::instance()->setFilesSortType(false);
        m_questions.clear();
        m_notices.clear();
        m_answer = QMessageBox::Yes;
    }

    void cleanup()
    {
        m_page = nullptr;
        m_window = nullptr;
        m_engine.reset();
        delete m_files;
        m_files = nullptr;
    }

    // Clearing a name in the tree's editor and pressing Enter refuses the
    // name with a notice: no hidden ".txt", the open tab keeps its file.
    void emptyNameRefused()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt") });
        openWindow(3);
        openByClick(QStringLiteral("第1章.txt"), QStringLiteral("第1章.txt"));
        renameByKeys(QStringLiteral("第1章.txt"), QString());
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt", "第2章.txt" }));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral(".txt"))));
        QVERIFY2(!m_notices.isEmpty() && m_notices.last().startsWith(QStringLiteral("无法重命名")), qPrintable(m_notices.join('|')));
        QCOMPARE(editor()->property("deleted").toBool(), false);
        QCOMPARE(editor()->property("fileName").toUrl(), urlAt(QStringLiteral("第1章.txt")));

        // A hidden name and a book's own index name are refused too.
        for (const QString& name : { QStringLiteral(".序章"), QStringLiteral("index") }) {
            m_notices.clear();
            renameByKeys(QStringLiteral("第2章.txt"), name);
            QVERIFY2(!m_notices.isEmpty(), qPrintable(name));
            QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt", "第2章.txt" }));
        }
        outsideUntouched();
    }

    // A document open in a tab is renamed in the tree: the tab follows
    // (title, path, counts, recent list, later snapshots) and typing and
    // Enter afterwards write the new file; the old name never comes back.
    void tabFollowsRename()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("Book/index.txt"), QStringLiteral("Book/第2章.txt") });
        openWindow(3);
        openByClick(QStringLiteral("第1章.txt"), QStringLiteral("第1章.txt"));
        WordsTypeClass* before = data::instance()->wordCountModel()->countClass(urlAt(QStringLiteral("第1章.txt")));
        QTRY_VERIFY(before->All() > 0);
        const int opened = before->All();
        typeInEditor(QStringLiteral("abc"));
        // The typed word is counted (at the counter's next hand-over).
        QTRY_COMPARE(before->All(), opened + 1);
        const int counted = before->All();
        renameByKeys(QStringLiteral("第1章.txt"), QStringLiteral("序章"));
        QCOMPARE(listing(m_root), QStringList({ "Book", "Linked", "序章.txt" }));
        QObject* page = editor();
        QCOMPARE(page->property("fileName").toUrl(), urlAt(QStringLiteral("序章.txt")));
        QCOMPARE(page->property("title").toString(), QStringLiteral("序章.txt"));
        QCOMPARE(page->property("deleted").toBool(), false);
        QCOMPARE(m_files->currentFile(), urlAt(QStringLiteral("序章.txt")));
        QCOMPARE(data::instance()->wordCountModel()->currentFile(), urlAt(QStringLiteral("序章.txt")));
        QVERIFY(m_files->recentFiles().contains(at(QStringLiteral("序章.txt"))));
        QVERIFY(!m_files->recentFiles().contains(at(QStringLiteral("第1章.txt"))));

        // The unsaved typing and what follows go to the new name.
        typeInEditor(QStringLiteral("好好"));
        QTest::keyClick(m_window, Qt::Key_Return);
        QTRY_VERIFY(readFile(at(QStringLiteral("序章.txt"))).contains(QStringLiteral("abc好好").toUtf8()));
        QTest::qWait(100);
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("第1章.txt"))));
        // The counts are those of the renamed document.
        WordsTypeClass* after = data::instance()->wordCountModel()->currentCountClass();
        QCOMPARE(after, data::instance()->wordCountModel()->countClass(urlAt(QStringLiteral("序章.txt"))));
        QTRY_COMPARE(after->All(), counted + 2);
        // A snapshot of the tab carries the new name.
        QVERIFY(evalIn(tabs(), QStringLiteral("currentEditor.document.saveTmpFile()")).toBool());
        QCOMPARE(QDir(global::historyPath()).entryList({ QStringLiteral("序章---*") }, QDir::Files).size(), 1);

        // A book holding an open document: the tab moves with the book.
        openByClick(QStringLiteral("Book"), QStringLiteral("Book/index.txt"));
        clickRow(QStringLiteral("Book"));
        QTest::keyClick(m_window, Qt::Key_Right);
        openByClick(QStringLiteral("第2章.txt"), QStringLiteral("Book/第2章.txt"));
        typeInEditor(QStringLiteral("xyz"));
        renameByKeys(QStringLiteral("Book"), QStringLiteral("卷一"));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "卷一", "序章.txt" }));
        QCOMPARE(tabs()->property("count").toInt(), 3);
        QVERIFY(tabOf(QStringLiteral("卷一/第2章.txt")));
        QVERIFY(tabOf(QStringLiteral("卷一/index.txt")));
        QVERIFY(!tabOf(QStringLiteral("Book/第2章.txt")));
        QCOMPARE(tabOf(QStringLiteral("卷一/第2章.txt"))->property("title").toString(), QStringLiteral("第2章.txt"));
        QVERIFY(QMetaObject::invokeMethod(tabs(), "saveAllNoTips"));
        QCOMPARE(readFile(at(QStringLiteral("卷一/第2章.txt"))), QByteArray("Book/第2章.txt\nxyz"));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("Book"))));
        outsideUntouched();
    }

    // A long chapter renamed while its save is being written (the writer
    // held a moment): the rename waits for that save, so the old name never
    // comes back, and every typed word ends under the new name.
    void renameDuringSaveKeepsOneFile()
    {
        QByteArray book;
        for (int i = 0; book.size() < 20 * 1024 * 1024; ++i)
            book += "　　第" + QByteArray::number(i) + "段，长长的一段文字，写得很长很长很长。\n";
        makeLibrary({ QStringLiteral("第1章.txt") });
        writeFile(at(QStringLiteral("长篇.txt")), book);
        openWindow(3);
        openByClick(QStringLiteral("长篇.txt"), QStringLiteral("长篇.txt"));
        QSemaphore release;
        QAtomicInt writing = 0;
        DocumentSaver::setWriteHook([&](const QString&) {
            writing = 1;
            release.tryAcquire(1, 2000);
        });
        typeInEditor(QStringLiteral("abc"));
        QTest::keyClick(m_window, Qt::Key_Return);
        QTRY_VERIFY(writing.loadAcquire());
        typeInEditor(QStringLiteral("xyz"));
        renameByKeys(QStringLiteral("长篇.txt"), QStringLiteral("终章"));
        release.release();
        DocumentSaver::setWriteHook(nullptr);
        QVERIFY(QMetaObject::invokeMethod(tabs(), "saveAllNoTips"));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt", "终章.txt" }));
        const QByteArray saved = readFile(at(QStringLiteral("终章.txt")));
        QVERIFY(saved.startsWith(book));
        QVERIFY2(saved.mid(book.size()).contains("abc") && saved.mid(book.size()).contains("xyz"), saved.mid(book.size()).constData());
        QTest::qWait(200);
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("长篇.txt"))));
    }

    // The tree can be older than the disk, as on a loaded machine: another
    // program moved the chapter, or the tree has not yet seen a rename of
    // its own. A rename acts on the entry the writer began it on or is
    // refused with a notice, whatever lands meanwhile; no chapter is ever
    // made again, empty, under an old or a typed name.
    void renameActsOnItsOwnRow_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("after"); // the library's entries, all with bytes
        QTest::addRow("its chapter moved away, the tree not yet told") << "moved" << "Linked 他处.txt 第2章.txt 第3章.txt";
        QTest::addRow("renamed a moment before, the tree not yet told") << "renamed" << "Linked 甲.txt 第2章.txt 第3章.txt";
        QTest::addRow("its chapter moved away while it is typed") << "moved while typed" << "Linked 他处.txt 第2章.txt 第3章.txt";
        QTest::addRow("a save and a new chapter land while it is typed") << "saved" << "Linked 序章.txt 第0章.txt 第2章.txt 第3章.txt";
    }
    void renameActsOnItsOwnRow()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, after);
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt"), QStringLiteral("第3章.txt") });
        openWindow(4);
        openByClick(QStringLiteral("第3章.txt"), QStringLiteral("第3章.txt"));
        typeInEditor(QStringLiteral("新写的"));
        const bool saved = meanwhile == QLatin1String("saved"), whileTyped = meanwhile == QLatin1String("moved while typed");
        // Changes on disk reach the tree no more: it keeps the rows it has.
        m_files->fileSystemModel()->setOption(QFileSystemModel::DontWatchForChanges, !saved && !whileTyped);
        if (meanwhile == QLatin1String("moved"))
            QVERIFY(QFile::rename(at(QStringLiteral("第1章.txt")), at(QStringLiteral("他处.txt"))));
        if (meanwhile == QLatin1String("renamed"))
            renameByKeys(QStringLiteral("第1章.txt"), QStringLiteral("甲"));
        m_notices.clear();
        renameByKeys(QStringLiteral("第1章.txt"), QStringLiteral("序章"), [&] {
            if (saved) {
                QVERIFY(QMetaObject::invokeMethod(tabs(), "saveAllNoTips"));
                writeFile(at(QStringLiteral("第0章.txt")), "第0章.txt");
                QTRY_COMPARE(eval(QStringLiteral("page.visibleRows")).toInt(), 5);
            }
            if (whileTyped) { // its row goes, and its editor
                QVERIFY(QFile::rename(at(QStringLiteral("第1章.txt")), at(QStringLiteral("他处.txt"))));
                QTRY_VERIFY(rowPoint(QStringLiteral("第1章.txt")).isNull());
            }
        });
        QCOMPARE(listing(m_root).join(QLatin1Char(' ')), after);
        for (const QString& name : listing(m_root))
            QVERIFY2(QFileInfo(at(name)).size() > 0, qPrintable(name));
        QCOMPARE(m_notices.join('|'), saved ? QString() : QStringLiteral("无法重命名"));
        QVERIFY(!saved || readFile(at(QStringLiteral("第3章.txt"))).contains(QStringLiteral("新写的").toUtf8()));
        m_files->fileSystemModel()->setOption(QFileSystemModel::DontWatchForChanges, false);
    }

    // A chapter whose read waits (another program holds a lease on it):
    // the window answers meanwhile, keys typed then change nothing, and
    // the whole text shows once the read goes on. One over 2 GiB: a notice, no tab.
    void stalledReadKeepsWindowAnswering()
    {
        makeLibrary({ QStringLiteral("第1章.txt") });
        const QByteArray text = QByteArray("　　山河远阔，人间烟火。\n").repeated(3000);
        writeFile(at(QStringLiteral("第1章.txt")), text);
        openWindow(2);
        LeasedFile lease;
        QVERIFY(lease.take(at(QStringLiteral("第1章.txt"))));
        clickRow(QStringLiteral("第1章.txt"));
        QTRY_VERIFY(editor() && editor()->property("loading").toBool());
        bool answered = false;
        QTimer::singleShot(300, this, [&] { answered = editor()->property("loading").toBool(); });
        QTRY_VERIFY(answered);
        typeInEditor(QStringLiteral("丢"));
        const auto status = [this] { return m_window->findChild<QObject*>(QStringLiteral("countLabel"))->property("text").toString(); };
        QCOMPARE(status(), QStringLiteral("统计中…")); // no count of the part read so far
        lease.release();
        QTRY_VERIFY(editor()->property("textLoaded").toBool() && !editor()->property("loading").toBool());
        QTRY_COMPARE(status(), QStringLiteral("字数: ") + QString::number(10 * 3000));
        auto* document = editor()->property("document").value<LazyTextDocument*>();
        QCOMPARE(document->allText().toUtf8(), text);
        QVERIFY(!document->isModified());
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt" }));
        const QString huge = at(QStringLiteral("巨著.txt"));
        QVERIFY(QFile(huge).open(QIODevice::WriteOnly) && QFile::resize(huge, (qint64(2) << 30) + 1));
        clickRow(QStringLiteral("巨著.txt"));
        QTRY_VERIFY2(m_notices.join('|').contains(QStringLiteral("无法完整读取文件")), qPrintable(m_notices.join('|')));
        QCOMPARE(tabs()->property("count").toInt(), 1);
    }

    // Deleting an open chapter with unsaved typing: the history copy is the
    // tab's text, and the question says where that copy is.
    void deleteKeepsUnsavedTyping()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt") });
        openWindow(3);
        openByClick(QStringLiteral("第2章.txt"), QStringLiteral("第2章.txt"));
        typeInEditor(QStringLiteral("未存的字"));
        QVERIFY(editor()->property("isModified").toBool());
        clickItem(QStringLiteral("deleteButton"));
        QVERIFY2(m_questions.last().contains(QStringLiteral("历史记录")), qPrintable(m_questions.last()));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt" }));
        const QStringList copies = QDir(global::historyPath()).entryList({ QStringLiteral("第2章---*") }, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(readFile(global::historyPath() + QLatin1Char('/') + copies.first()).contains(QStringLiteral("未存的字").toUtf8()));
        QVERIFY(!tabOf(QStringLiteral("第2章.txt")));
        // Nothing the closed tab still had brings the file back.
        QTest::qWait(200);
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("第2章.txt"))));
    }

    // Tree, Open Recent, the address plain or escaped reach that file (its text is its name), in one tab.
    void oddNamesOpenThemselves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("decoy");
        QTest::addRow("hash") << QStringLiteral("Chapter #3.txt") << QStringLiteral("Chapter .txt");
        QTest::addRow("escape-like") << QStringLiteral("100%41 done.txt") << QStringLiteral("100A done.txt");
        QTest::addRow("percent") << QStringLiteral("完成度50%.txt") << QStringLiteral("完成度50.txt");
        QTest::addRow("spaces and CJK") << QStringLiteral("第 3 章 归来.txt") << QStringLiteral("第3章归来.txt");
        QTest::addRow("GBK bytes, from a zip made on Chinese Windows") << QFile::decodeName("\xb5\xda\x31\xd5\xc2.txt") << QStringLiteral("第2章.txt");
    }
    void oddNamesOpenThemselves()
    {
        QFETCH(QString, name);
        QFETCH(QString, decoy);
        makeLibrary({ name, decoy });
        openWindow(3);
        const QStringList before = listing(m_root);
        openByClick(FileNameCodec::shown(name), name); // the tree shows a name of other bytes readably
        QCOMPARE(editor()->property("title").toString(), FileNameCodec::shown(name));
        QObject* menuBar = m_window->findChild<QObject*>(QStringLiteral("windowsMenuBar"));
        const QString current = m_files->currentFile().toString();
        for (const QString& address : { current, QUrl(current).toString(QUrl::FullyEncoded) })
            evalIn(tabs(), QStringLiteral("openFile(%1)").arg(quoted(address)));
        evalIn(menuBar, QStringLiteral("recentMenu.itemAt(0).triggered()"));
        QCOMPARE(tabs()->property("count").toInt(), 1);
        evalIn(tabs(), QStringLiteral("close()"));
        QTRY_COMPARE(tabs()->property("count").toInt(), 0);
        evalIn(menuBar, QStringLiteral("recentMenu.itemAt(0).triggered()"));
        QTRY_COMPARE(editor() ? editor()->property("document").value<LazyTextDocument*>()->allText().trimmed() : QString(), name);
        // Edited and saved under its own bytes: no file of other bytes beside it.
        typeInEditor(QStringLiteral("改"));
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(readFile(at(name)).startsWith(name.toUtf8()) && readFile(at(name)).endsWith("改"));
        QCOMPARE(listing(m_root), before);
    }

    // A copy the program kept, put back by the History page's own 恢复, reached from Tools → History or from
    // the tree's History: the document holds the copy's bytes (in its own form), its text before is a snapshot.
    void restoredFromTheHistoryPage_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("typed"); // into its open tab first; none: it stays closed
        QTest::addColumn<QString>("copy"); // in the history, or in the program's own folder ("Unsaved/")
        QTest::addColumn<QStringList>("listed");
        const QStringList all { "Book---100.txt", "Chapter 4---100.txt", "Chapter 41---200.txt", "Chapter 9---150.txt", "index---50.txt", "第1章---300.txt" };
        QTest::addRow("Tools, a snapshot of a closed chapter") << "tools" << "Chapter 4.txt" << "" << "Chapter 4---100.txt" << all;
        QTest::addRow("title bar, over unsaved typing, Chapter 41 beside") << "title bar" << "Chapter 4.txt" << "Qz" << "Chapter 4---100.txt" << QStringList { "Chapter 4---100.txt" };
        QTest::addRow("Tools, the snapshot of a deleted chapter") << "tools" << "Chapter 9.txt" << "" << "Chapter 9---150.txt" << all;
        QTest::addRow("right-click, a book's own history") << "right-click" << "Book/index.txt" << "" << "Book---100.txt" << QStringList { "Book---100.txt" };
        QTest::addRow("Tools, a kept copy of an open GBK CR LF chapter") << "tools" << "第1章.txt" << "Qz" << "Unsaved/第1章---300.txt" << all;
    }
    void restoredFromTheHistoryPage()
    {
        QFETCH(QString, road);
        QFETCH(QString, document);
        QFETCH(QString, typed);
        QFETCH(QString, copy);
        QFETCH(QStringList, listed);
        makeLibrary({ "Chapter 4.txt", "Chapter 41.txt", "Book/index.txt" });
        QTextCodec* gbk = QTextCodec::codecForName("GBK");
        writeFile(at("第1章.txt"), gbk->fromUnicode("第1章\r\n旧\r\n"));
        const QString history = at(".History/"), unsaved = m_dir->path() + QStringLiteral("/Unsaved/");
        HistorySnapshots::setFallbackFolder(unsaved);
        for (const char* name : { "Chapter 4---100.txt", "Chapter 41---200.txt", "Chapter 9---150.txt", "Book---100.txt", "index---50.txt" })
            writeFile(history + name, "copy " + QByteArray(name) + "\n");
        writeFile(unsaved + "第1章---300.txt", gbk->fromUnicode("甲\r\n乙\r\n"));
        const QString copyPath = copy.startsWith("Unsaved/") ? m_dir->path() + '/' + copy : history + copy;
        const QByteArray old = readFile(at(document)), bytes = readFile(copyPath);
        const bool existed = QFileInfo::exists(at(document));
        const QStringList snapshots = listing(history);
        openWindow(5);
        if (!typed.isEmpty()) {
            openByClick(document, document);
            typeInEditor(typed);
        }
        QObject* page = nullptr;
        if (road == "tools") {
            QObject* menuBar = m_window->findChild<QObject*>(QStringLiteral("windowsMenuBar"));
            QTest::keySequence(m_window, QKeySequence("Alt+" + evalIn(menuBar, "mnemonics['toolsMenu']").toString()));
            clickEntry(m_window->findChild<QObject*>(QStringLiteral("toolsMenu")), QStringLiteral("历史记录"));
            QTRY_VERIFY((page = tabs()->property("currentPage").value<QObject*>()) && page->property("model").isValid());
        } else {
            if (road == "title bar")
                clickItem(QStringLiteral("historyButton"));
            else {
                clickRow(QStringLiteral("Book"), Qt::RightButton);
                clickEntry(m_page->findChild<QObject*>(QStringLiteral("treeMenu")), QStringLiteral("历史记录"));
            }
            QObject* loader = m_window->findChild<QObject*>(QStringLiteral("fileHistoryLoader"));
            QTRY_VERIFY(loader->property("item").value<QObject*>() && loader->property("item").value<QObject*>()->property("opened").toBool());
            page = loader->property("item").value<QObject*>()->property("page").value<QObject*>();
        }
        const QList<QObject*> lists { page->findChild<QObject*>(QStringLiteral("historyList")), page->findChild<QObject*>(QStringLiteral("keptList")) };
        const auto rows = [&] {
            QStringList names;
            for (QObject* list : lists)
                names += evalIn(list, "(function() { var n = []; for (var r = 0; r < count; ++r) n.push(model.get(r, 'fileName')); return n })()").toStringList();
            names.sort();
            return names;
        };
        listed.sort();
        QTRY_VERIFY(page->property("loaded").toBool());
        QTRY_COMPARE(rows(), listed);
        // Its row clicked shows its text; its 恢复 pressed puts it back. The point is taken just before each click.
        const auto click = [&](const QString& what) {
            for (QObject* list : lists) // laid out (the lists' sizes follow what they hold)
                QVERIFY(QQuickTest::qWaitForItemPolished(qobject_cast<QQuickItem*>(list)->parentItem()) && QQuickTest::qWaitForItemPolished(qobject_cast<QQuickItem*>(list)));
            QVariant point;
            for (QObject* list : lists)
                point = point.isValid() ? point : evalIn(list, QStringLiteral("(function(name) { for (var r = 0; r < count; ++r) if (model.get(r, 'fileName') === name) {"
                    " positionViewAtIndex(r, ListView.Contain); var i = itemAtIndex(r); for (var c = i.contentItem.children[1]; c && %2; c = null) i = c;"
                    " return i.mapToItem(null, %2 ? i.width / 2 : 10, i.height / 2) } })(%1)").arg(quoted(copy.section('/', -1)), what));
            QVERIFY(point.isValid());
            QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, point.toPointF().toPoint());
        };
        click(QStringLiteral("false"));
        QTRY_COMPARE(page->property("preview").toString(), QString(gbk->toUnicode(bytes)).remove('\r'));
        click(QStringLiteral("true")); // its 恢复 button
        QTRY_COMPARE(readFile(at(document)), bytes);
        QTRY_VERIFY(editor() && editor() == tabOf(document)); // shown in its tab
        QTRY_COMPARE(editor()->property("document").value<LazyTextDocument*>()->allText(), page->property("preview").toString());
        // The text before, unsaved typing included, is the one new snapshot (none for a deleted chapter).
        QStringList added = listing(history);
        for (const QString& s : snapshots)
            added.removeOne(s);
        QCOMPARE(added.size(), existed ? 1 : 0);
        const QByteArray before = existed ? readFile(history + added.first()) : old;
        QVERIFY2(typed.isEmpty() ? before == old : before.contains(typed.toUtf8()), before.constData());
        QVERIFY(m_notices.last().startsWith(QStringLiteral("已恢复")));
    }

    // A name up to the file system's limit is taken and saved; one past it
    // is refused with a notice. Never taken and then failing to save.
    void longNamesSavedOrRefused()
    {
        makeLibrary({ QStringLiteral("第1章.txt") });
        openWindow(2);
        openByClick(QStringLiteral("第1章.txt"), QStringLiteral("第1章.txt"));
        const QString longest = QString(82, QChar(0x7AE0)); // 246 bytes, 250 with ".txt"
        renameByKeys(QStringLiteral("第1章.txt"), longest + QChar(0x7AE0) + QChar(0x7AE0));
        QVERIFY2(!m_notices.isEmpty() && m_notices.last().contains(QStringLiteral("名称太长")), qPrintable(m_notices.join('|')));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt" }));
        m_notices.clear();
        renameByKeys(QStringLiteral("第1章.txt"), longest);
        QCOMPARE(listing(m_root), QStringList({ "Linked", longest + QStringLiteral(".txt") }));
        typeInEditor(QStringLiteral("长名"));
        QTest::keyClick(m_window, Qt::Key_Return);
        QVERIFY(QMetaObject::invokeMethod(tabs(), "saveAllNoTips"));
        QVERIFY(readFile(at(longest + QStringLiteral(".txt"))).contains(QStringLiteral("长名").toUtf8()));
        QCOMPARE(m_notices, QStringList());
        QCOMPARE(QDir(m_root).entryList(QDir::Hidden | QDir::Files).size(), 1);
    }

    // After Sort and after a rename the highlight stays on the current
    // document; "−" deletes the highlighted row after a question that names
    // it.
    void deleteActsOnTheHighlightedRow()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt"), QStringLiteral("序言.txt") });
        openWindow(4);
        clickRow(QStringLiteral("序言.txt"));
        QTRY_COMPARE(highlightedRows(), QStringList { "序言.txt" });
        QCOMPARE(m_files->currentFile(), urlAt(QStringLiteral("序言.txt")));

        clickItem(QStringLiteral("sortButton"));
        QTRY_COMPARE(topRows(), QStringList({ "Linked", "序言.txt", "第2章.txt", "第1章.txt" }));
        QTRY_COMPARE(highlightedRows(), QStringList { "序言.txt" });

        // Arrow keys move the highlight and the current document together.
        clickRow(QStringLiteral("序言.txt"));
        QTest::keyClick(m_window, Qt::Key_Down);
        QTRY_COMPARE(m_files->currentFile(), urlAt(QStringLiteral("第2章.txt")));
        QTRY_COMPARE(highlightedRows(), QStringList { "第2章.txt" });
        QTest::keyClick(m_window, Qt::Key_Up);
        QTRY_COMPARE(m_files->currentFile(), urlAt(QStringLiteral("序言.txt")));

        m_answer = QMessageBox::No;
        clickItem(QStringLiteral("deleteButton"));
        QCOMPARE(m_questions.size(), 1);
        QVERIFY2(m_questions.last().contains(QStringLiteral("“序言.txt”")), qPrintable(m_questions.last()));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "序言.txt", "第1章.txt", "第2章.txt" }));

        // Renaming moves rows around; the highlight stays with the document.
        renameByKeys(QStringLiteral("序言.txt"), QStringLiteral("第0章"));
        QTRY_COMPARE(highlightedRows(), QStringList { "第0章.txt" });
        clickItem(QStringLiteral("sortButton"));
        QTRY_COMPARE(topRows(), QStringList({ "Linked", "第0章.txt", "第1章.txt", "第2章.txt" }));
        QTRY_COMPARE(highlightedRows(), QStringList { "第0章.txt" });

        // The context menu names the row it was opened on.
        clickRow(QStringLiteral("第1章.txt"), Qt::RightButton);
        QTRY_VERIFY(eval(QStringLiteral("contextMenu.opened")).toBool());
        QCOMPARE(eval(QStringLiteral("contextMenu.itemAt(3).text")).toString(), QStringLiteral("删除 第1章.txt"));
        QTRY_COMPARE(highlightedRows(), QStringList { "第1章.txt" });
        QTest::keyClick(m_window, Qt::Key_Escape);
        QTRY_VERIFY(!eval(QStringLiteral("contextMenu.opened")).toBool());
        clickRow(QStringLiteral("第0章.txt"));
        QTRY_COMPARE(highlightedRows(), QStringList { "第0章.txt" });

        m_answer = QMessageBox::Yes;
        clickItem(QStringLiteral("deleteButton"));
        QCOMPARE(m_questions.size(), 2);
        QVERIFY2(m_questions.last().contains(QStringLiteral("“第0章.txt”")), qPrintable(m_questions.last()));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt", "第2章.txt" }));
        QCOMPARE(QDir(global::historyPath()).entryList({ QStringLiteral("第0章---*") }, QDir::Files).size(), 1);
        QTRY_COMPARE(highlightedRows(), QStringList());

        // A book: the question names the book and says its documents go too.
        writeFile(at(QStringLiteral("Book/第3章.txt")), "three");
        clickRow(QStringLiteral("Book"));
        QTRY_COMPARE(highlightedRows(), QStringList { "Book" });
        clickItem(QStringLiteral("deleteButton"));
        QVERIFY2(m_questions.last().contains(QStringLiteral("书“Book”")), qPrintable(m_questions.last()));
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("Book"))));
        outsideUntouched();
    }

    // Menu and Shift+F10 open the row's context menu, the arrows reach its commands;
    // F2 renames at once, also while the timed save lands (its row updated meanwhile).
    void treeKeys_data()
    {
        QTest::addColumn<QString>("typed"); // typed in the chapter first
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("entry"); // key presses in the menu (opened on its first entry), Enter last; 0 when none opens
        QTest::addColumn<QString>("shown"); // a script in the page, or a loader's name
        QTest::addRow("F2") << QString() << QKeySequence(Qt::Key_F2) << 0 << "page.editingPath !== ''";
        QTest::addRow("Menu key, rename") << QString() << QKeySequence(Qt::Key_Menu) << 3 << "page.editingPath !== ''";
        QTest::addRow("Menu key, export") << QString() << QKeySequence(Qt::Key_Menu) << 6 << "exportDialog.visible";
        QTest::addRow("Shift+F10, history") << QString() << QKeySequence(Qt::SHIFT + Qt::Key_F10) << 7 << "fileHistoryLoader";
        QTest::addRow("F2 as a save lands") << QStringLiteral("新写的") << QKeySequence(Qt::Key_F2) << 0 << "page.editingPath !== ''";
    }
    void treeKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QKeySequence, key);
        QFETCH(int, entry);
        QFETCH(QString, shown);
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt") });
        openWindow(3);
        openByClick(QStringLiteral("第2章.txt"), QStringLiteral("第2章.txt"));
        typeInEditor(typed);
        QSignalSpy rowUpdated(m_files->filterModel(), &QAbstractItemModel::dataChanged);
        QTest::keyClick(m_window, Qt::Key_1, Qt::ControlModifier);
        QTRY_VERIFY(eval(QStringLiteral("tree.activeFocus")).toBool());
        QTest::keySequence(m_window, key);
        QTRY_COMPARE(eval(QStringLiteral("contextMenu.opened")).toBool(), entry > 0);
        for (int i = 0; i < entry; ++i)
            QTest::keyClick(m_window, i + 1 < entry ? Qt::Key_Down : Qt::Key_Return);
        QObject* loader = m_window->findChild<QObject*>(shown);
        QTRY_VERIFY2(loader ? !!loader->property("item").value<QObject*>() : eval(shown).toBool(), qPrintable(shown));
        if (shown.startsWith(QLatin1String("page.editingPath"))) {
            typeText(QStringLiteral("序章"));
            QTRY_VERIFY_WITH_TIMEOUT( // the timed save landed, its row updated
                typed.isEmpty() || (readFile(at(QStringLiteral("第2章.txt"))).contains(typed.toUtf8()) && rowUpdated.count() > 0), 15000);
            QTest::keyClick(m_window, Qt::Key_Return);
            QTRY_COMPARE(listing(m_root), QStringList({ "Linked", "序章.txt", "第1章.txt" }));
            QVERIFY(readFile(at(QStringLiteral("序章.txt"))).contains(typed.toUtf8()));
        }
    }

    // A save reloads the document's folder: the highlight stays on the
    // document, also when a new entry moves it to another row.
    void highlightStaysThroughSaves()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("第2章.txt") });
        openWindow(3);
        clickRow(QStringLiteral("第2章.txt"));
        QTRY_COMPARE(highlightedRows(), QStringList { "第2章.txt" });
        const int row = eval(QStringLiteral("tree.__listView.currentIndex")).toInt();

        QSignalSpy reloaded(m_files, &files::ensureVisible);
        QVERIFY(UserFile::write(at(QStringLiteral("第2章.txt")), "saved", UserFile::NoOptions));
        QTRY_VERIFY(reloaded.count() > 0);
        QCoreApplication::processEvents();
        QCOMPARE(highlightedRows(), QStringList { "第2章.txt" });
        QCOMPARE(eval(QStringLiteral("tree.__listView.currentIndex")).toInt(), row);
        QCOMPARE(m_files->currentFile(), urlAt(QStringLiteral("第2章.txt")));

        writeFile(at(QStringLiteral("第0章.txt")), "new");
        QTRY_COMPARE(eval(QStringLiteral("page.visibleRows")).toInt(), 4);
        QTRY_COMPARE(highlightedRows(), QStringList { "第2章.txt" });
        QCOMPARE(m_files->currentFile(), urlAt(QStringLiteral("第2章.txt")));
    }

    // In a book that is a link to a folder outside the library, new
    // documents and books go to the library's own folder, imports do not
    // pass through it, and nothing outside changes.
    void linkedBookStaysUntouched()
    {
        makeLibrary({ QStringLiteral("第1章.txt") });
        openWindow(2);
        clickRow(QStringLiteral("Linked"));
        QCOMPARE(m_files->currentPath(), urlAt(QStringLiteral("Linked")));
        outsideUntouched(); // no index.txt made in the linked book

        clickItem(QStringLiteral("newFileButton"));
        QCOMPARE(listing(m_root), QStringList({ "Linked", "第1章.txt", "第2章.txt" }));
        outsideUntouched();
        clickRow(QStringLiteral("Linked"));
        clickItem(QStringLiteral("newDirButton"));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("新书/index.txt"))));
        outsideUntouched();

        // Imports into the linked book or the sibling land in the library.
        QTemporaryDir source;
        writeFile(source.path() + QStringLiteral("/外来.txt"), "import");
        m_files->importDir(QUrl::fromLocalFile(source.path()), urlAt(QStringLiteral("Linked")));
        m_files->importDir(QUrl::fromLocalFile(source.path()), QUrl::fromLocalFile(m_sibling));
        m_files->importFiles({ QUrl::fromLocalFile(source.path() + QStringLiteral("/外来.txt")) }, QUrl::fromLocalFile(m_sibling));
        QCOMPARE(readFile(at(QStringLiteral("外来.txt"))), QByteArray("import"));
        outsideUntouched();

        // Deleting and renaming inside the linked book are refused.
        m_files->setCurrentFile(QUrl::fromLocalFile(at(QStringLiteral("Linked/第1章.txt"))));
        clickItem(QStringLiteral("deleteButton"));
        QVERIFY(!m_files->renameFile(QStringLiteral("x.txt"), at(QStringLiteral("Linked/第1章.txt"))));
        outsideUntouched();
    }

    // A document folder stored with a trailing separator: the tree still
    // follows the current document into its book.
    void storedFolderNormalised()
    {
        makeLibrary({ QStringLiteral("第1章.txt"), QStringLiteral("Book/index.txt"), QStringLiteral("Book/Part/第9章.txt") });
        QSettings().setValue(QStringLiteral("files/path"), m_root + QStringLiteral("//"));
        QCOMPARE(global::documentPath(), m_root);
        openWindow(3);
        m_files->setCurrentFile(urlAt(QStringLiteral("Book/Part/第9章.txt")));
        QTRY_COMPARE(highlightedRows(), QStringList { "第9章.txt" });
    }

    // A changed "第1章.txt" imported again gets a free name without digits:
    // it stays beside 第1章 in the tree and in the export, and new chapters
    // keep counting from the highest chapter.
    void importKeepsChapterOrder()
    {
        QStringList chapters;
        for (int i = 1; i <= 11; ++i)
            chapters << QStringLiteral("第%1章.txt").arg(i);
        makeLibrary(chapters);
        openWindow(12);
        QTemporaryDir source;
        writeFile(source.path() + QStringLiteral("/第1章.txt"), "changed");
        m_files->importFiles({ QUrl::fromLocalFile(source.path() + QStringLiteral("/第1章.txt")) }, QUrl::fromLocalFile(m_root));
        m_files->importDir(QUrl::fromLocalFile(source.path()), QUrl::fromLocalFile(m_root));
        QCOMPARE(readFile(at(QStringLiteral("第1章 (导入).txt"))), QByteArray("changed"));
        QCOMPARE(readFile(at(QStringLiteral("第1章.txt"))), QByteArray("第1章.txt"));
        QTRY_COMPARE(eval(QStringLiteral("page.visibleRows")).toInt(), 13);
        const QStringList rows = topRows();
        QCOMPARE(qAbs(rows.indexOf(QStringLiteral("第1章 (导入).txt")) - rows.indexOf(QStringLiteral("第1章.txt"))), 1);
        QCOMPARE(rows.mid(3), QStringList({ "第2章.txt", "第3章.txt", "第4章.txt", "第5章.txt", "第6章.txt", "第7章.txt", "第8章.txt",
                                            "第9章.txt", "第10章.txt", "第11章.txt" }));

        const QString exported = m_dir->path() + QStringLiteral("/export.txt");
        m_files->exportThisBook(QUrl::fromLocalFile(m_root), QUrl::fromLocalFile(exported));
        const QString text = QString::fromLocal8Bit(readFile(exported));
        const int first = text.indexOf(QStringLiteral("第1章\r\n"));
        const int copy = text.indexOf(QStringLiteral("第1章 (导入)\r\n"));
        const int second = text.indexOf(QStringLiteral("第2章\r\n"));
        const int eleventh = text.indexOf(QStringLiteral("第11章\r\n"));
        QVERIFY(first >= 0 && copy >= 0 && second > qMax(first, copy) && eleventh > second);

        clickItem(QStringLiteral("newFileButton"));
        QVERIFY(QFileInfo::exists(at(QStringLiteral("第12章.txt"))));
    }
};

// The Quick Tests of the page on its own: a fixed library and the context
// objects it reads.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral("qrc:///"));
        global::instance(); // settings location first
        const QString root = QDir::homePath() + QStringLiteral("/Books");
        for (const QString& name : { QStringLiteral("第2章.txt"), QStringLiteral("第1章.txt"), QStringLiteral("第10章.txt"),
                                     QStringLiteral("index.txt"), QStringLiteral("Book/index.txt"), QStringLiteral("Book/a.txt") }) {
            const QString path = root + QLatin1Char('/') + name;
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        }
        global::setDocumentPath(root);
        for (const QString& name : { QStringLiteral("第1章---100.txt"), QStringLiteral("第10章---200.txt"), QStringLiteral("第1章---300.txt") }) {
            QFile f(root + QStringLiteral("/.History/") + name);
            QDir().mkpath(root + QStringLiteral("/.History"));
            f.open(QIODevice::WriteOnly);
            f.write("old");
            f.flush();
            f.setFileTime(QDateTime::fromSecsSinceEpoch(name.section(QStringLiteral("---"), 1).section(QLatin1Char('.'), 0, 0).toLongLong()),
                          QFileDevice::FileModificationTime);
        }
        qmlRegisterType<QQuickFolderListModel>("com.velmora.folderlistmodel", 1, 0, "FolderListModel");
        engine->rootContext()->setContextProperty(QStringLiteral("cglobal"), global::instance());
        engine->rootContext()->setContextProperty(QStringLiteral("functions"), function::instance());
        engine->rootContext()->setContextProperty(QStringLiteral("g_theme"), new LumoTheme(engine));
        global::instance()->setFilesSortType(false);
        // The delete confirmation answers Yes instead of opening a modal box.
        files::setQuestionHandler([](const QString&, const QString&) { return int(QMessageBox::Yes); });
        m_files = new files(this);
        engine->rootContext()->setContextProperty(QStringLiteral("files"), m_files);
        engine->rootContext()->setContextProperty(QStringLiteral("documentRoot"), root);
    }

private:
    files* m_files = nullptr;
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    app.setQuitOnLastWindowClosed(false);
    int status = 0;
    {
        TestTreePage tree;
        char* treeArgs[] = { argv[0] };
        status |= QTest::qExec(&tree, 1, treeArgs);
    }
    Setup setup;
    status |= quick_test_main_with_setup(argc, argv, "filespage", TEST_SOURCE_DIR "/qml", &setup);
    return status;
}

#include "tst_filespage.moc"
