// The windowed editor document: window moves, mirroring of window edits into
// the whole document, change notifications, loading, saving, snapshots and
// file watching.
#include "smalldisk.h"
#include "testenvironment.h"

#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QClipboard>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickTextDocument>
#include <QQuickWindow>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QChar separator(QChar::ParagraphSeparator);

// Plays the QML text area's text edit: owns the window document and a
// cursor on it, which the window's edits move like the real one's. Its
// cursorPosition, selectionStart and selectionEnd are properties whose
// change signals come in a different order each time, and, like the real
// text area, it scrolls to its cursor in the middle of them. Content height:
// 20 pixels a line.
class FakeTextArea : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int cursorPosition READ cursorPosition WRITE setCursorPosition NOTIFY cursorPositionChanged)
    Q_PROPERTY(int selectionStart READ selectionStart NOTIFY selectionStartChanged)
    Q_PROPERTY(int selectionEnd READ selectionEnd NOTIFY selectionEndChanged)

public:
    explicit FakeTextArea(LazyTextDocument* document, int height = 400)
        : doc(document)
    {
        window.documentLayout();
        cursor = QTextCursor(&window);
        connect(&window, &QTextDocument::cursorPositionChanged, this, [this](const QTextCursor& moved) {
            if (moved.isCopyOf(cursor))
                report();
        });
        connect(doc, &LazyTextDocument::sendEditPostion, this, [this] { scrollToCursor(); });
        connect(doc, &LazyTextDocument::ensureVisible, this, [this] { scrollToCursor(); });
        connect(&window, &QTextDocument::contentsChanged, this, [this] {
            doc->setContentHeight(window.blockCount() * 20);
            doc->setEditLineCount(window.blockCount());
        });
        doc->setEditHeight(height);
        doc->setContentHeight(20);
        doc->setContentY(0);
        doc->setEditDocument(&window);
        doc->setTextEdit(this);
    }

    int cursorPosition() const { return cursor.position(); }
    int selectionStart() const { return cursor.selectionStart(); }
    int selectionEnd() const { return cursor.selectionEnd(); }
    void setCursorPosition(int p)
    {
        if (p < 0 || p >= window.characterCount() || (cursor.position() == p && !cursor.hasSelection()))
            return;
        cursor.setPosition(p);
        report();
    }
    Q_INVOKABLE void select(int start, int end)
    {
        const int length = window.characterCount() - 1;
        if (start < 0 || end < 0 || start > length || end > length)
            return;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        report();
    }

    void place(int p) { setCursorPosition(p); }
    void type(const QString& text)
    {
        cursor.insertText(text);
        report();
    }
    void enter()
    {
        doc->enterPressed();
        cursor.insertBlock();
        report();
    }
    void backspace()
    {
        if (cursor.hasSelection())
            cursor.removeSelectedText();
        else
            cursor.deletePreviousChar();
        report();
    }
    QString text() const { return window.toRawText(); }
    // Lets the document's deferred window maintenance run.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // The three change signals in turn, one of them first each time, with a
    // scroll to the cursor after the first, as the real text area's cursor
    // signal makes it.
    void report()
    {
        static int turn = 0;
        const int first = turn++ % 3;
        for (int i = 0; i < 3; ++i) {
            switch ((first + i) % 3) {
            case 0: emit cursorPositionChanged(); break;
            case 1: emit selectionStartChanged(); break;
            default: emit selectionEndChanged(); break;
            }
            if (i == 0)
                scrollToCursor();
        }
    }
    void scrollToCursor()
    {
        const int y = cursor.blockNumber() * 20;
        const int height = doc->editHeight();
        if (y < doc->contentY())
            doc->setContentY(y);
        else if (y + 20 > doc->contentY() + height)
            doc->setContentY(y + 20 - height);
    }

signals:
    void cursorPositionChanged();
    void selectionStartChanged();
    void selectionEndChanged();

public:
    LazyTextDocument* doc;
    QTextDocument window;
    QTextCursor cursor;
};

QString bookText(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i % 300 == 0)
            text += QStringLiteral("第%1章 风起\n").arg(i / 300 + 1);
        else
            text += QStringLiteral("　　第%1行，山河远阔，人间烟火。abc\n").arg(i);
    }
    return text;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// Applies every whole-document change notification to a shadow text, the
// way the counting handler reads them, and counts them.
class ChangeFollower : public QObject
{
public:
    explicit ChangeFollower(QTextDocument* document)
        : doc(document)
        , shadow(document->toRawText())
    {
        connect(doc, &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
            ++count;
            const QString now = doc->toRawText();
            if (removed == -1)
                shadow = now.mid(position, added);
            else
                shadow = shadow.left(position) + now.mid(position, added) + shadow.mid(position + removed);
        });
    }
    QTextDocument* doc;
    QString shadow;
    int count = 0;
};

} // namespace

class TestTextarea : public QObject
{
    Q_OBJECT

private:
    QString m_dir;
    int m_file = 0;

    QString newPath(const QString& suffix = QStringLiteral("txt"))
    {
        return m_dir + QStringLiteral("/doc%1.%2").arg(++m_file).arg(suffix);
    }

    QString fileWith(const QByteArray& bytes)
    {
        const QString path = newPath();
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

    // Opens a file through the deferred load and waits until it is loaded.
    static void open(LazyTextDocument& doc, const QString& path)
    {
        doc.setFileName(QUrl::fromLocalFile(path));
        QTRY_VERIFY(doc.textLoaded() && !doc.loading());
    }

    static void checkWindow(LazyTextDocument& doc, FakeTextArea& area)
    {
        const QString whole = doc.allRawText();
        const QString window = area.text();
        QCOMPARE(whole.mid(doc.startPosition(), window.size()), window);
        QCOMPARE(doc.startPosition(), doc.allTextDocument()->findBlockByNumber(doc.startLine()).position());
        QCOMPARE(doc.endLine(), doc.startLine() + area.window.blockCount() - 1);
    }

    // The text area shows the part of the whole selection that lies in the
    // window (a cursor outside it at its edge); a selection lies in it at
    // least partly.
    static void checkShown(LazyTextDocument& doc, FakeTextArea& area)
    {
        const WindowMap::Selection whole = doc.wholeSelection();
        const int start = doc.startPosition();
        const int length = area.window.characterCount() - 1;
        auto clip = [&](int p) { return qBound(0, p - start, length); };
        QCOMPARE(area.cursor.anchor(), clip(whole.anchor));
        QCOMPARE(area.cursor.position(), clip(whole.cursor));
        if (whole.anchor != whole.cursor)
            QVERIFY(area.cursor.hasSelection());
    }

    static void checkText(LazyTextDocument& doc, const QString& windowText)
    {
        QString window = windowText;
        window.replace(QLatin1Char('\n'), separator);
        QCOMPARE(doc.allRawText().mid(doc.startPosition(), window.size()), window);
    }

    // Lines of the text area's window whose layout drops its shaped text,
    // which every read of the cursor rectangle would then shape again.
    static int linesDroppingShapes(QQuickItem* edit)
    {
        auto* quick = edit->property("textDocument").value<QQuickTextDocument*>();
        int count = 0;
        for (QTextBlock block = quick->textDocument()->firstBlock(); block.isValid(); block = block.next()) {
            if (!block.layout()->cacheEnabled())
                ++count;
        }
        return count;
    }

private slots:
    void initTestCase()
    {
        m_dir = QDir::homePath() + QStringLiteral("/docs");
        QDir().mkpath(m_dir);
        ::signal(SIGXFSZ, SIG_IGN);
    }

    void loadShowsWindowAroundCursor()
    {
        const QString path = fileWith(bookText(10000).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        QSignalSpy changes(doc.allTextDocument(), &QTextDocument::contentsChange);
        open(doc, path);
        QCOMPARE(doc.lineCount(), 10001);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).toInt(), 0);
        QCOMPARE(changes.first().at(1).toInt(), 0);
        // 40 lines after the cursor's, and a window shorter than five view
        // heights gets 11 more (from the window's upkeep, which runs once
        // the events of the load are delivered).
        QCOMPARE(doc.startLine(), 0);
        QTRY_COMPARE(doc.endLine(), 51);
        QVERIFY(!doc.isModified());
        checkWindow(doc, area);
        QCOMPARE(doc.allText(), bookText(10000));
    }

    void windowMovesInChunks()
    {
        const QString path = fileWith(bookText(10000).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc, 400);
        open(doc, path);
        QTRY_COMPARE(area.window.blockCount(), 52);

        // Near the bottom: 41 lines appended (11 more while the window is
        // shorter than five view heights; none below while the view is
        // within 2 view heights of line 0); once the view is 4 view heights
        // below the top, 40 are dropped there with the view moved up by
        // their height.
        for (int step = 0; doc.startLine() == 0; ++step) {
            QVERIFY(step < 20);
            const int lastEnd = doc.endLine();
            const int y = area.window.blockCount() * 20 - 400 - 300;
            doc.setContentY(y);
            FakeTextArea::settle();
            const int grown = doc.endLine() - lastEnd;
            QVERIFY2(grown == 41 || grown == 11 || grown == 52, qPrintable(QString::number(grown)));
            if (doc.startLine() != 0) {
                QCOMPARE(doc.startLine(), 40);
                QCOMPARE(doc.contentY(), y - 40 * 20);
            } else {
                QCOMPARE(doc.contentY(), y);
            }
            checkWindow(doc, area);
        }

        // Near the top: 40 lines inserted above, view moved down by them;
        // a window then long enough below drops 40 lines there.
        const int end = doc.endLine();
        doc.setContentY(100);
        FakeTextArea::settle();
        QCOMPARE(doc.startLine(), 0);
        QCOMPARE(doc.contentY(), 100 + 40 * 20);
        const int below = (end + 1) * 20 - (100 + 40 * 20) - 400;
        QCOMPARE(doc.endLine(), below >= 4 * 400 ? end - 40 : end);
        checkWindow(doc, area);

        // At line 0 nothing more is loaded above.
        doc.setContentY(0);
        FakeTextArea::settle();
        QCOMPARE(doc.startLine(), 0);
        checkWindow(doc, area);

        // A jump outside the window rebuilds it 40 lines either side; a
        // jump inside only moves the cursor.
        const int line5000 = doc.allTextDocument()->findBlockByNumber(5000).position();
        QVERIFY(doc.gotoPostionByAll(line5000 + 3));
        QCOMPARE(doc.startLine(), 4960);
        QCOMPARE(doc.endLine(), 5040);
        QCOMPARE(doc.allCursorPostion(), line5000 + 3);
        QCOMPARE(doc.cursorLineNumber(), 5000);
        QCOMPARE(area.cursor.position(), line5000 + 3 - doc.startPosition());
        QVERIFY(doc.gotoPostionByAll(line5000 + 10));
        QCOMPARE(doc.startLine(), 4960);
        QVERIFY(!doc.gotoPostionByAll(doc.allTextDocument()->characterCount() + 5));
        checkWindow(doc, area);

        // The last line is reachable by scrolling, even when one line is left.
        doc.gotoLine(9860);
        for (int step = 0; doc.endLine() < 10000 && step < 20; ++step) {
            doc.setContentY(area.window.blockCount() * 20 - 400 - 300);
            FakeTextArea::settle();
        }
        QCOMPARE(doc.endLine(), 10000);
        checkWindow(doc, area);
    }

    void shortFileIsShownWhole()
    {
        const QString path = fileWith("one\ntwo\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QCOMPARE(area.text(), QStringLiteral("one") + separator + QStringLiteral("two") + separator);
        doc.setContentY(5);
        FakeTextArea::settle();
        QCOMPARE(doc.startLine(), 0);
        QCOMPARE(doc.endLine(), 2);
    }

    // Random edits at the top, middle and end of the window and at its
    // boundaries, with scrolling and jumps between them: the whole document
    // always equals the oracle, and every edit raises exactly one change
    // notification that describes it.
    void randomEditsKeepWholeDocumentExact()
    {
        const QString path = fileWith(bookText(10000).toUtf8());
        LazyTextDocument doc;
        doc.setAddEmptyLineAtEndByEnter(true);
        doc.setAdd2SpaceAtFrontByEnter(true);
        FakeTextArea area(&doc, 400);
        open(doc, path);
        QString oracle = doc.allRawText();
        ChangeFollower follower(doc.allTextDocument());
        QRandomGenerator random(20240521);
        const QStringList pieces = { QStringLiteral("字"), QStringLiteral("ab"), QStringLiteral("一行") + separator + QStringLiteral("二行"),
                                     QStringLiteral("\u00a0"), QString(separator) };

        for (int step = 0; step < 400; ++step) {
            const int kind = random.bounded(10);
            if (kind == 0) {
                doc.gotoLine(random.bounded(doc.lineCount()));
            } else if (kind == 1) {
                doc.setContentY(random.bounded(qMax(1, doc.contentHeight())));
                FakeTextArea::settle();
            } else {
                const int length = area.window.characterCount() - 1;
                const int where = random.bounded(5);
                int p = where == 0 ? 0 : where == 1 ? length : where == 2 ? random.bounded(length + 1)
                    : where == 3 ? area.window.lastBlock().position() : area.window.firstBlock().length() - 1;
                p = qBound(0, p, length);
                const int before = follower.count;
                const int whole = doc.startPosition() + p;
                if (kind < 6) {
                    const QString piece = pieces.at(random.bounded(pieces.size()));
                    area.place(p);
                    area.type(piece);
                    oracle.insert(whole, piece);
                } else if (kind < 8) {
                    const int end = qMin(length, p + random.bounded(1, 200));
                    if (end == p)
                        continue;
                    area.cursor.setPosition(p);
                    area.cursor.setPosition(end, QTextCursor::KeepAnchor);
                    area.report();
                    area.backspace();
                    oracle.remove(whole, end - p);
                } else {
                    area.place(p);
                    area.enter();
                    oracle.insert(whole, separator + QString(separator) + QStringLiteral("\u3000\u3000"));
                    doc.waitForSaves();
                    QVERIFY(!doc.isModified()); // Enter saved the file
                }
                QCOMPARE(follower.count - before, kind >= 8 ? 2 : 1);
            }
            FakeTextArea::settle();
            QCOMPARE(doc.allRawText(), oracle);
            QCOMPARE(follower.shadow, oracle);
            checkWindow(doc, area);
            checkShown(doc, area);
        }
        QVERIFY(doc.save());
        QString expected = oracle;
        expected.replace(separator, QLatin1Char('\n'));
        QCOMPARE(readAll(path), expected.toUtf8());
    }

    void selectAllThenTypeOrDelete_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("typed");
        QTest::newRow("type at top") << 0 << QStringLiteral("x");
        QTest::newRow("delete at top") << 0 << QString();
        QTest::newRow("type in the middle") << 5000 << QStringLiteral("y");
        QTest::newRow("delete in the middle") << 5000 << QString();
    }

    void selectAllThenTypeOrDelete()
    {
        QFETCH(int, line);
        QFETCH(QString, typed);
        const QString path = fileWith(bookText(10000).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        doc.gotoLine(line);
        ChangeFollower follower(doc.allTextDocument());
        QSignalSpy changes(doc.allTextDocument(), &QTextDocument::contentsChange);
        doc.selectAll();
        QVERIFY(doc.isSelectedAll());
        QVERIFY(area.cursor.hasSelection());
        if (typed.isEmpty())
            area.backspace();
        else
            area.type(typed);
        QCOMPARE(doc.allRawText(), typed);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).toInt(), 0);
        QCOMPARE(changes.first().at(1).toInt(), -1);
        QCOMPARE(follower.shadow, typed);
        QVERIFY(doc.isModified());
        // Releasing Backspace afterwards finds nothing left to remove.
        doc.removeSelect();
        QCOMPARE(doc.allRawText(), typed);
        QCOMPARE(changes.count(), 1);
        QCoreApplication::processEvents();
        checkWindow(doc, area);
        area.type(QStringLiteral("z"));
        QCOMPARE(doc.allRawText(), typed + QStringLiteral("z"));
    }

    // Lines selected through the whole document (the chapter selection);
    // the window shows only their beginning.
    void selectionBeyondWindow_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("typed");
        QTest::newRow("typed over") << 100 << 600 << QStringLiteral("新");
        QTest::newRow("removed") << 10 << 900 << QString();
    }

    void selectionBeyondWindow()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, typed);
        const QString path = fileWith(bookText(2000).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QString oracle = doc.allRawText();
        ChangeFollower follower(doc.allTextDocument());
        doc.selectLine(first, last);
        const int s = doc.allTextDocument()->findBlockByNumber(first).position();
        const int e = doc.allTextDocument()->findBlockByNumber(last).position();
        QVERIFY(area.cursor.hasSelection());
        if (typed.isEmpty())
            doc.removeSelect(false);
        else
            area.type(typed);
        oracle.replace(s, e - s, typed);
        QCOMPARE(doc.allRawText(), oracle);
        QCOMPARE(follower.shadow, oracle);
        QCOMPARE(follower.count, 1);
        QCoreApplication::processEvents();
        checkWindow(doc, area);
        QCOMPARE(doc.allCursorPostion(), s + typed.size());
    }

    void modifiedFollowsEveryEdit()
    {
        const QString path = fileWith("abc\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QSignalSpy modified(&doc, &LazyTextDocument::isModifiedChanged);
        QVERIFY(!doc.isModified());
        area.place(1);
        area.type(QStringLiteral("x"));
        QVERIFY(doc.isModified());
        QVERIFY(doc.isTmpModified());
        QVERIFY(doc.save());
        QVERIFY(!doc.isModified());
        QCOMPARE(readAll(path), QByteArray("axbc\n"));
        area.backspace();
        QVERIFY(doc.isModified());
        QCOMPARE(modified.count(), 3);
        // The snapshot flag is set again by every edit after a snapshot.
        doc.setHistoryPath(QUrl::fromLocalFile(m_dir + QStringLiteral("/hist-modified")));
        QVERIFY(doc.saveTmpFile());
        QVERIFY(!doc.isTmpModified());
        area.type(QStringLiteral("y"));
        QVERIFY(doc.isTmpModified());
    }

    void undoRedoRaiseOneChange()
    {
        const QString path = fileWith(bookText(600).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        const QString original = doc.allRawText();
        ChangeFollower follower(doc.allTextDocument());
        area.place(5);
        area.type(QStringLiteral("甲乙"));
        const QString edited = doc.allRawText();
        QVERIFY(doc.isUndoAvailable());
        doc.undo();
        QCOMPARE(doc.allRawText(), original);
        QCOMPARE(follower.count, 2);
        QCOMPARE(follower.shadow, original);
        QVERIFY(!doc.isModified());
        doc.redo();
        QCOMPARE(doc.allRawText(), edited);
        QCOMPARE(follower.count, 3);
        QCOMPARE(follower.shadow, edited);
        checkWindow(doc, area);
    }

    void pasteShortAndLong_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("backwards");
        QTest::newRow("2000 through the window") << 2000 << false;
        QTest::newRow("2001 into the whole document") << 2001 << false;
        QTest::newRow("2001 over a selection made backwards") << 2001 << true;
        QTest::newRow("short over a selection made backwards") << 10 << true;
    }

    void pasteShortAndLong()
    {
        QFETCH(int, length);
        QFETCH(bool, backwards);
        const QString path = fileWith(bookText(1000).toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        doc.gotoLine(500);
        QString oracle = doc.allRawText();
        ChangeFollower follower(doc.allTextDocument());
        const QString text = QString(length, QChar(0x6587));
        QGuiApplication::clipboard()->setText(text);
        const int at = doc.allCursorPostion() + 4;
        const int p = at - doc.startPosition();
        if (backwards) {
            area.cursor.setPosition(p + 6);
            area.cursor.setPosition(p, QTextCursor::KeepAnchor);
            area.report();
            oracle.replace(at, 6, text);
        } else {
            area.place(p);
            oracle.insert(at, text);
        }
        doc.paste();
        QCOMPARE(doc.allRawText(), oracle);
        QCOMPARE(follower.count, 1);
        QCOMPARE(follower.shadow, oracle);
        QCOMPARE(doc.allCursorPostion(), at + length);
        checkWindow(doc, area);
    }

    void enterSavesAndCounts()
    {
        const QString path = fileWith(QStringLiteral("　　开头\n").toUtf8());
        LazyTextDocument doc;
        doc.setAddEmptyLineAtEndByEnter(true);
        doc.setAdd2SpaceAtFrontByEnter(true);
        FakeTextArea area(&doc);
        open(doc, path);
        area.place(4);
        for (int i = 1; i <= 5; ++i) {
            area.enter();
            QCOMPARE(doc.seriseEnterNumber(), i);
        }
        doc.waitForSaves();
        QVERIFY(!doc.isModified());
        const QString expected = QStringLiteral("　　开头") + QStringLiteral("\n\n　　").repeated(5) + QStringLiteral("\n");
        QCOMPARE(QString::fromUtf8(readAll(path)), expected);
        doc.addChapterName(6);
        QCOMPARE(doc.allText(), QStringLiteral("　　开头") + QStringLiteral("\n\n　　").repeated(5) + QStringLiteral("第6章\n"));
        QCOMPARE(doc.seriseEnterNumber(), 0);
    }

    // Whoever reacts to a new cursor line or column (the word counter) reads
    // the text before the cursor that belongs to it, not the previous one.
    void cursorLineTextIsFreshOnEveryCursorSignal()
    {
        const QString path = fileWith("abc\nde\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QStringList seen;
        auto record = [&] {
            const QString line = doc.cursorLineNumber() == 0 ? QStringLiteral("abc") : QStringLiteral("de");
            seen << (doc.cursorLinePreText() == line.left(doc.cursorLinePostion()) ? QStringLiteral("ok")
                                                                                    : doc.cursorLinePreText());
        };
        connect(&doc, &LazyTextDocument::cursorLinePostionChanged, this, record);
        connect(&doc, &LazyTextDocument::cursorLineNumberChanged, this, record);
        for (int p : { 3, 2, 0, 4, 6, 1 })
            area.place(p);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.join(QLatin1Char(',')), QStringLiteral("ok,").repeated(seen.size()).chopped(1));
    }

    void loadEncodingsAndSaveBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");
        QTextCodec* gbk = QTextCodec::codecForName("GBK");
        const QString chinese = QStringLiteral("第一章 山河\n春风又绿江南岸\n");
        QTest::newRow("gbk written back as gbk") << gbk->fromUnicode(chinese) << chinese << gbk->fromUnicode(chinese);
        QTest::newRow("no final line feed") << QByteArray("a\nb") << QStringLiteral("a\nb\n") << QByteArray("a\nb\n");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone cr, no final line end") << QByteArray("a\rb") << QStringLiteral("a\nb\n") << QByteArray("a\rb\r");
        QTest::newRow("utf-8 mark") << QByteArray("\xef\xbb\xbf" "a\n") << QStringLiteral("a\n") << QByteArray("\xef\xbb\xbf" "a\n");
        QTest::newRow("no-break space kept") << QByteArray("a\xc2\xa0" "b\n") << QStringLiteral("a\u00a0b\n") << QByteArray("a\xc2\xa0" "b\n");
        QTest::newRow("utf-8 cut after 10 bytes") << QByteArray("abcdefghi\xe4\xb8\xad\n") << QStringLiteral("abcdefghi中\n")
                                                  << QByteArray("abcdefghi\xe4\xb8\xad\n");
    }

    void loadEncodingsAndSaveBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        const QString path = fileWith(file);
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QCOMPARE(doc.allText(), text);
        QCOMPARE(doc.lineCount(), text.count(QLatin1Char('\n')) + 1);
        // A save writes the file's own form once the document is modified.
        area.place(0);
        area.type(QStringLiteral("x"));
        area.backspace();
        QVERIFY(doc.save());
        QCOMPARE(readAll(path), saved);
    }

    // A document deleted or moved away by another program is not brought
    // back empty by opening it: nothing is made, shown or saved.
    void missingFileIsNotCreated()
    {
        const QString path = newPath();
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        doc.setFileName(QUrl::fromLocalFile(path));
        QTRY_VERIFY(!notices.isEmpty());
        QVERIFY(notices.last().at(0).toString().startsWith(LazyTextDocument::tr("无法打开文件: ")));
        QVERIFY(doc.loading() && !doc.textLoaded());
        QVERIFY(doc.save());
        area.enter();
        doc.waitForSaves();
        QVERIFY(!QFileInfo::exists(path));
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("short write") << QStringLiteral("short");
        QTest::newRow("missing folder") << QStringLiteral("folder");
        QTest::newRow("file nobody may change") << QStringLiteral("readonly");
    }

    void failedSaveKeepsOldFile()
    {
        QFETCH(QString, how);
        QString path = newPath();
        const QByteArray old = QByteArray("old text\n");
        writeAll(path, old);
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        area.place(0);
        area.type(QString(20000, QLatin1Char('n')));
        QVERIFY(doc.isModified());

        bool ok = true;
        if (how == QLatin1String("short")) {
            struct rlimit saved;
            ::getrlimit(RLIMIT_FSIZE, &saved);
            struct rlimit small = saved;
            small.rlim_cur = 4096;
            ::setrlimit(RLIMIT_FSIZE, &small);
            ok = doc.save();
            ::setrlimit(RLIMIT_FSIZE, &saved);
        } else if (how == QLatin1String("folder")) {
            ok = doc.saveAs(QUrl::fromLocalFile(m_dir + QStringLiteral("/no/such/folder/x.txt")));
        } else if (::geteuid() == 0) {
            // Permissions do not bind the superuser; an immutable file does.
            ImmutableFile immutable(path);
            QVERIFY2(immutable.isActive(), "chattr +i");
            ok = doc.save();
        } else {
            QFile::setPermissions(path, QFileDevice::ReadOwner);
            ok = doc.save();
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QVERIFY(!ok);
        QVERIFY(doc.isModified());
        QCOMPARE(readAll(path), old);
        QVERIFY(!notices.isEmpty());
        QVERIFY(notices.last().at(0).toString().startsWith(QStringLiteral("Cannot save: ")));
        QCOMPARE(notices.last().at(1).toInt(), int(Message::Error));
        QCOMPARE(doc.fileName(), QUrl::fromLocalFile(path));
        // The next save, with room again, succeeds.
        QVERIFY(doc.save());
        QCOMPARE(readAll(path).size(), 20000 + old.size());
    }

    void snapshotsNamesTimerAndRules()
    {
        const QString history = m_dir + QStringLiteral("/.History");
        const QString path = m_dir + QStringLiteral("/Tale.v2.txt");
        writeAll(path, "once upon a time\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        auto* timer = doc.findChild<QTimer*>(QStringLiteral("historyTimer"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10 * 60000);
        doc.setHistoryTime(3);
        QCOMPARE(timer->interval(), 3 * 60000);
        QVERIFY(timer->isActive());

        QVERIFY(!doc.saveTmpFile()); // no history folder
        doc.setHistoryPath(QUrl::fromLocalFile(history));
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(doc.saveTmpFile());
        const QStringList names = QDir(history).entryList(QDir::Files);
        QCOMPARE(names.size(), 1);
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Tale---(\\d+)\\.txt$")).match(names.first());
        QVERIFY(match.hasMatch());
        QVERIFY(match.captured(1).toLongLong() >= before);
        QCOMPARE(readAll(history + QLatin1Char('/') + names.first()), QByteArray("once upon a time\n"));
        QVERIFY(!doc.isTmpModified());

        // No edit since: nothing written.
        QVERIFY(doc.saveTmpFile());
        QCOMPARE(QDir(history).entryList(QDir::Files).size(), 1);
        // Edits within the same second never replace the first snapshot.
        area.place(0);
        area.type(QStringLiteral("Twice "));
        QVERIFY(doc.saveTmpFile());
        QCOMPARE(QDir(history).entryList(QDir::Files).size(), 2);
        QCOMPARE(readAll(history + QLatin1Char('/') + names.first()), QByteArray("once upon a time\n"));
        // A document inside the history folder is never snapshotted.
        QVERIFY(!doc.saveTmpFile(history + QStringLiteral("/Tale---1.txt"), QStringLiteral("x"), history));
        // Blank text is not snapshotted.
        QVERIFY(!doc.saveTmpFile(path, QStringLiteral(" \n\u3000"), history));
        // "index.txt" takes its folder's name.
        QCOMPARE(LazyTextDocument::getNameFromUrl(QUrl::fromLocalFile(QStringLiteral("/b/MyBook/index.txt"))), QStringLiteral("MyBook"));
    }

    // The masking sheet tells the writer that the text before masking is in
    // the history: the snapshot comes first, and without it the masked text
    // is not taken.
    void maskingTakesSnapshotFirst()
    {
        const QString history = m_dir + QStringLiteral("/hist-mask");
        const QString path = fileWith(QStringLiteral("坏蛋来了\n好人\n").toUtf8());
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        doc.setHistoryPath(QUrl::fromLocalFile(history));
        QVERIFY(doc.subtleFinish(QStringLiteral("**来了\r\n好人\r\n")));
        const QStringList names = QDir(history).entryList(QDir::Files);
        QCOMPARE(names.size(), 1);
        QCOMPARE(QString::fromUtf8(readAll(history + QLatin1Char('/') + names.first())), QStringLiteral("坏蛋来了\n好人\n"));
        QCOMPARE(doc.allText(), QStringLiteral("**来了\n好人\n"));
        QVERIFY(doc.isModified());

        // The history folder cannot be made (a file is in its place).
        area.place(0);
        area.type(QStringLiteral("x"));
        doc.setHistoryPath(QUrl::fromLocalFile(path + QStringLiteral("/history")));
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        QVERIFY(!doc.subtleFinish(QStringLiteral("masked")));
        QCOMPARE(doc.allText(), QStringLiteral("x**来了\n好人\n"));
        QCoreApplication::processEvents();
        bool refused = false;
        for (const QList<QVariant>& notice : notices)
            refused |= notice.at(1).toInt() == int(Message::Warn) && notice.at(0).toString().contains(QStringLiteral("未应用"));
        QVERIFY(refused);
    }

    void outsideChangeReloads()
    {
        const QString path = fileWith("first\nsecond\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        doc.setAllCursorPostion(3);
        QSignalSpy deleted(&doc, &LazyTextDocument::fileDeleted);
        // An own save causes no reload.
        area.place(0);
        area.type(QStringLiteral("A"));
        QVERIFY(doc.save());
        QTest::qWait(200);
        QCOMPARE(doc.allText(), QStringLiteral("Afirst\nsecond\n"));

        QTest::qWait(20);
        writeAll(path, "outside\nchange\n");
        QTRY_COMPARE(doc.allText(), QStringLiteral("outside\nchange\n"));
        QVERIFY(!doc.isModified());
        for (const QList<QVariant>& args : deleted)
            QVERIFY(!args.at(1).toBool());
    }

    void outsideChangeKeepsUnsavedEditsInHistory()
    {
        const QString history = m_dir + QStringLiteral("/hist-outside");
        const QString path = fileWith("mine\n");
        LazyTextDocument doc;
        doc.setHistoryPath(QUrl::fromLocalFile(history));
        FakeTextArea area(&doc);
        open(doc, path);
        area.place(4);
        area.type(QStringLiteral(" unsaved"));
        QVERIFY(doc.isModified());
        QTest::qWait(20);
        writeAll(path, "theirs\n");
        QTRY_COMPARE(doc.allText(), QStringLiteral("theirs\n"));
        const QStringList names = QDir(history).entryList(QDir::Files);
        QCOMPARE(names.size(), 1);
        QCOMPARE(readAll(history + QLatin1Char('/') + names.first()), QByteArray("mine unsaved\n"));
    }

    void outsideChangeWithoutHistoryKeepsEdits()
    {
        const QString path = fileWith("mine\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        area.place(4);
        area.type(QStringLiteral("!"));
        QTest::qWait(20);
        writeAll(path, "theirs\n");
        QTRY_VERIFY(!notices.isEmpty());
        QCOMPARE(doc.allText(), QStringLiteral("mine!\n"));
        QVERIFY(doc.isModified());
    }

    void outsideDeletion()
    {
        const QString path = fileWith("short lived\n");
        LazyTextDocument doc;
        FakeTextArea area(&doc);
        open(doc, path);
        QSignalSpy deleted(&doc, &LazyTextDocument::fileDeleted);
        QVERIFY(QFile::remove(path));
        QTRY_VERIFY(!deleted.isEmpty());
        QCOMPARE(deleted.last().at(0).toUrl(), QUrl::fromLocalFile(path));
        QVERIFY(deleted.last().at(1).toBool());
        QCOMPARE(doc.allText(), QStringLiteral("short lived\n"));
    }

    // The document bound to a real QML text area, as the editor control
    // binds it; keys go through the window.
    void realTextArea()
    {
        qmlRegisterType<LazyTextDocument>("PenlarkTest", 1, 0, "LazyTextDocument");
        const QString path = fileWith(bookText(3000).toUtf8());
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick 2.15
            import QtQuick.Window 2.15
            import PenlarkTest 1.0
            Window {
                width: 500; height: 400; visible: true
                property alias document: doc
                property alias edit: edit
                Flickable {
                    id: flick
                    anchors.fill: parent
                    contentHeight: edit.contentHeight
                    onContentYChanged: doc.contentY = contentY
                    TextEdit {
                        id: edit
                        width: flick.width
                        focus: true
                        wrapMode: TextEdit.Wrap
                        Keys.onPressed: if (event.key === Qt.Key_Return) doc.enterPressed()
                    }
                }
                LazyTextDocument {
                    id: doc
                    document: edit.textDocument
                    editHeight: flick.height
                    contentHeight: edit.contentHeight
                    editLineCount: edit.lineCount
                    textEdit: edit
                    addEmptyLineAtEndByEnter: false
                    add2SpaceAtFrontByEnter: true
                    onSendEditPostion: edit.forceActiveFocus()
                    onContentYChanged: if (Math.floor(flick.contentY) !== contentY) flick.contentY = contentY
                }
            })",
                          QUrl());
        QScopedPointer<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto* window = qobject_cast<QQuickWindow*>(root.data());
        auto* doc = root->property("document").value<LazyTextDocument*>();
        auto* edit = root->property("edit").value<QQuickItem*>();
        QVERIFY(window && doc && edit);
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        doc->setContentY(0);
        open(*doc, path);
        QTRY_VERIFY(!edit->property("text").toString().isEmpty());
        QCOMPARE(linesDroppingShapes(edit), 0);
        QString oracle = doc->allRawText();
        ChangeFollower follower(doc->allTextDocument());
        edit->forceActiveFocus();

        // Typing in the middle of a window that starts far down the book.
        doc->gotoLine(2000);
        QTRY_VERIFY(doc->startLine() > 1500);
        int at = doc->allCursorPostion();
        for (char c : QByteArray("abc")) QTest::keyClick(window, c);
        oracle.insert(at, QStringLiteral("abc"));
        QCOMPARE(doc->allRawText(), oracle);
        QCOMPARE(follower.count, 3);
        QCOMPARE(linesDroppingShapes(edit), 0);
        QTest::keyClick(window, Qt::Key_Backspace);
        oracle.remove(at + 2, 1);
        QCOMPARE(doc->allRawText(), oracle);

        // Enter: a line break, the indentation, and the file written.
        at = doc->allCursorPostion();
        QTest::keyClick(window, Qt::Key_Return);
        oracle.insert(at, separator + QStringLiteral("　　"));
        QCOMPARE(doc->allRawText(), oracle);
        QTRY_VERIFY(!doc->isModified()); // written on the writer thread
        QCOMPARE(QString::fromUtf8(readAll(path)), QString(oracle).replace(separator, QLatin1Char('\n')));
        QCOMPARE(follower.shadow, oracle);
        checkText(*doc, edit->property("text").toString());
        QCOMPARE(linesDroppingShapes(edit), 0);

        // Scrolling down and up moves the window in chunks; typing after
        // each move lands where the text area's cursor is.
        for (int i = 0; i < 8; ++i) {
            const int startLine = doc->startLine();
            // A scroll comes as a series of small moves; the first one after
            // a drop at the bottom only ends that move.
            for (int step = 0; step < 2 && doc->startLine() == startLine; ++step) {
                if (i < 4)
                    doc->setContentY(qMax(0, doc->contentHeight() - doc->editHeight() - 10 - step));
                else
                    doc->setContentY(10 + step);
                FakeTextArea::settle();
            }
            QVERIFY(doc->startLine() != startLine);
            at = doc->allCursorPostion();
            for (char c : QByteArray("q")) QTest::keyClick(window, c);
            oracle.insert(at, QStringLiteral("q"));
            QCOMPARE(doc->allRawText(), oracle);
            QCOMPARE(follower.shadow, oracle);
            checkText(*doc, edit->property("text").toString());
            QCOMPARE(linesDroppingShapes(edit), 0);
        }

        // Select all, then one character: the whole book is that character.
        doc->selectAll();
        for (char c : QByteArray("z")) QTest::keyClick(window, c);
        QCOMPARE(doc->allRawText(), QStringLiteral("z"));
        QCOMPARE(follower.shadow, QStringLiteral("z"));
        QCoreApplication::processEvents();
        for (char c : QByteArray("y")) QTest::keyClick(window, c);
        QCOMPARE(doc->allRawText(), QStringLiteral("zy"));
        QCOMPARE(linesDroppingShapes(edit), 0);
    }

    void paragraphFormat()
    {
        LazyTextDocument doc;
        QTextDocument window;
        QFont font;
        font.setPointSize(16);
        window.setDefaultFont(font);
        doc.setEditDocument(&window);
        doc.setLineSpacing(1.5);
        const QTextBlockFormat format = window.firstBlock().blockFormat();
        QCOMPARE(format.lineHeightType(), int(QTextBlockFormat::LineDistanceHeight));
        QVERIFY(qAbs(format.lineHeight() - 20.8) < 1e-9);
        QCOMPARE(format.topMargin(), 0.0);
    }
};

PENLARK_TEST_MAIN(TestTextarea)
#include "tst_textarea.moc"
