// The map between the editing window and the whole document: positions and
// selections both ways, window moves, edits in and around the window, the
// scroll position; then a random edit script against a plain list of lines
// with several window sizes.
#include "testenvironment.h"

#include "TovaUi/textarea/windowmap.h"

#include <QRandomGenerator>
#include <QStringList>

namespace {

using Selection = WindowMap::Selection;

// A document of lines "L00", "L01", ... (separators between them) and a
// window over lines first..last, worked out from the lines themselves.
struct Lines
{
    QStringList lines;

    QString text() const { return lines.join(QLatin1Char('\n')); }
    int offsetOf(int line) const
    {
        int offset = 0;
        for (int i = 0; i < line; ++i)
            offset += lines.at(i).size() + 1;
        return offset;
    }
    WindowMap window(int first, int last) const
    {
        const int start = offsetOf(first);
        return WindowMap(first, last - first + 1, start, offsetOf(last) + lines.at(last).size() - start);
    }
};

Lines numbered(int count)
{
    Lines doc;
    for (int i = 0; i < count; ++i)
        doc.lines << QStringLiteral("L%1").arg(i, 2, 10, QLatin1Char('0'));
    return doc;
}

} // namespace

Q_DECLARE_METATYPE(Selection)

class TestWindowMap : public QObject
{
    Q_OBJECT

private slots:
    // A window over lines 10..19 of "L00\nL01\n...": it starts at offset 40.
    void positions_data()
    {
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("inside");
        const WindowMap map = numbered(30).window(10, 19);
        QCOMPARE(map.start(), 40);
        QCOMPARE(map.length(), 39);
        QTest::newRow("first character") << 40 << 0 << true;
        QTest::newRow("last character") << 78 << 38 << true;
        QTest::newRow("after the last character") << 79 << 39 << true;
        QTest::newRow("separator before the window") << 39 << 0 << false;
        QTest::newRow("far above") << 0 << 0 << false;
        QTest::newRow("separator after the window") << 80 << 39 << false;
        QTest::newRow("far below") << 5000 << 39 << false;
    }

    void positions()
    {
        QFETCH(int, whole);
        QFETCH(int, window);
        QFETCH(bool, inside);
        const WindowMap map = numbered(30).window(10, 19);
        QCOMPARE(map.toWindow(whole), window);
        QCOMPARE(map.contains(whole), inside);
        if (inside)
            QCOMPARE(map.toWhole(window), whole);
        // Window offsets beyond the window are clamped to it.
        QCOMPARE(map.toWhole(-3), 40);
        QCOMPARE(map.toWhole(100), 79);
    }

    void emptyDocumentAndLastLine()
    {
        const WindowMap empty;
        QCOMPARE(empty.start(), 0);
        QCOMPARE(empty.length(), 0);
        QCOMPARE(empty.lineCount(), 1);
        QCOMPARE(empty.toWindow(5), 0);
        QCOMPARE(empty.toWhole(5), 0);
        QVERIFY(empty.contains(0));
        QCOMPARE(empty.settled(Selection { 0, 7 }), WindowMap::at(7));

        // A last line without a line break: the window's end is the end of
        // the document, and the position after its last character is shown.
        Lines doc = numbered(5);
        doc.lines.last() = QStringLiteral("tail");
        const WindowMap map = doc.window(3, 4);
        QCOMPARE(map.end(), doc.text().size());
        QVERIFY(map.contains(doc.text().size()));
        QCOMPARE(map.toWindow(doc.text().size()), map.length());
        QCOMPARE(map.lastLine(), 4);
    }

    // What the text area shows of a whole selection (window 40..79).
    void selectionShown_data()
    {
        QTest::addColumn<Selection>("whole");
        QTest::addColumn<Selection>("shown");
        QTest::newRow("inside") << Selection { 45, 50 } << Selection { 5, 10 };
        QTest::newRow("backwards inside") << Selection { 50, 45 } << Selection { 10, 5 };
        QTest::newRow("starts before the window") << Selection { 3, 50 } << Selection { 0, 10 };
        QTest::newRow("ends after the window") << Selection { 45, 500 } << Selection { 5, 39 };
        QTest::newRow("cursor above, anchor below") << Selection { 500, 3 } << Selection { 39, 0 };
        QTest::newRow("around the window") << Selection { 0, 900 } << Selection { 0, 39 };
        QTest::newRow("all above") << Selection { 3, 20 } << Selection { 0, 0 };
        QTest::newRow("all below") << Selection { 90, 95 } << Selection { 39, 39 };
        QTest::newRow("cursor on the first character") << WindowMap::at(40) << Selection { 0, 0 };
        QTest::newRow("cursor after the last character") << WindowMap::at(79) << Selection { 39, 39 };
    }

    void selectionShown()
    {
        QFETCH(Selection, whole);
        QFETCH(Selection, shown);
        QCOMPARE(numbered(30).window(10, 19).toWindow(whole), shown);
    }

    // The whole selection after the text area reports a new one (window
    // 40..79), from the selection before.
    void selectionReported_data()
    {
        QTest::addColumn<Selection>("before");
        QTest::addColumn<Selection>("shown");
        QTest::addColumn<Selection>("after");
        QTest::newRow("nothing changed keeps a selection beyond the window")
            << Selection { 0, 900 } << Selection { 0, 39 } << Selection { 0, 900 };
        QTest::newRow("shift extends from an anchor above")
            << Selection { 3, 50 } << Selection { 0, 20 } << Selection { 3, 60 };
        QTest::newRow("shift extends from an anchor below")
            << Selection { 500, 50 } << Selection { 39, 2 } << Selection { 500, 42 };
        QTest::newRow("a cursor move without shift collapses it")
            << Selection { 3, 50 } << Selection { 11, 11 } << WindowMap::at(51);
        QTest::newRow("a click on the anchor's edge collapses too")
            << Selection { 3, 50 } << Selection { 0, 0 } << WindowMap::at(40);
        QTest::newRow("a new selection from another anchor")
            << Selection { 3, 50 } << Selection { 2, 20 } << Selection { 42, 60 };
        QTest::newRow("inside the window") << Selection { 45, 50 } << Selection { 5, 12 } << Selection { 45, 52 };
        QTest::newRow("from a cursor") << WindowMap::at(45) << Selection { 5, 9 } << Selection { 45, 49 };
        QTest::newRow("nothing of the old one was shown: its cursor")
            << Selection { 3, 20 } << Selection { 0, 0 } << WindowMap::at(20);
        QTest::newRow("a cursor scrolled away stays")
            << WindowMap::at(500) << Selection { 39, 39 } << WindowMap::at(500);
        QTest::newRow("a cursor scrolled away, then moved")
            << WindowMap::at(500) << Selection { 38, 38 } << WindowMap::at(78);
        QTest::newRow("shift from a cursor scrolled away")
            << WindowMap::at(10) << Selection { 0, 12 } << Selection { 10, 52 };
        QTest::newRow("shift after select all")
            << Selection { 0, 900 } << Selection { 0, 38 } << Selection { 0, 78 };
    }

    void selectionReported()
    {
        QFETCH(Selection, before);
        QFETCH(Selection, shown);
        QFETCH(Selection, after);
        QCOMPARE(numbered(30).window(10, 19).toWhole(shown, before), after);
    }

    void selectionSettled_data()
    {
        QTest::addColumn<Selection>("whole");
        QTest::addColumn<Selection>("settled");
        QTest::newRow("cursor inside stays") << WindowMap::at(50) << WindowMap::at(50);
        QTest::newRow("cursor above stays") << WindowMap::at(10) << WindowMap::at(10);
        QTest::newRow("cursor below stays") << WindowMap::at(500) << WindowMap::at(500);
        QTest::newRow("selection partly shown stays") << Selection { 10, 50 } << Selection { 10, 50 };
        QTest::newRow("selection around the window stays") << Selection { 0, 900 } << Selection { 0, 900 };
        QTest::newRow("selection above becomes its cursor") << Selection { 20, 10 } << WindowMap::at(10);
        QTest::newRow("selection below becomes its cursor") << Selection { 85, 95 } << WindowMap::at(95);
    }

    void selectionSettled()
    {
        QFETCH(Selection, whole);
        QFETCH(Selection, settled);
        QCOMPARE(numbered(30).window(10, 19).settled(whole), settled);
    }

    // Lines added or dropped at either end keep every whole position where
    // it was.
    void windowMoves_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("add above") << "addAbove" << 7 << 19;
        QTest::newRow("drop above") << "dropAbove" << 13 << 19;
        QTest::newRow("add below") << "addBelow" << 10 << 22;
        QTest::newRow("drop below") << "dropBelow" << 10 << 16;
        QTest::newRow("add above to line 0") << "addAboveAll" << 0 << 19;
        QTest::newRow("add below to the last line") << "addBelowAll" << 10 << 29;
    }

    void windowMoves()
    {
        QFETCH(QString, move);
        QFETCH(int, first);
        QFETCH(int, last);
        const Lines doc = numbered(30);
        WindowMap map = doc.window(10, 19);
        const WindowMap expected = doc.window(first, last);
        // The characters moved: whole lines and the separator between them
        // and the window.
        const int above = map.start() - expected.start();
        const int below = expected.end() - map.end();
        if (move.startsWith(QLatin1String("addAbove")))
            map.addAbove(10 - first, above);
        else if (move == QLatin1String("dropAbove"))
            map.dropAbove(first - 10, -above);
        else if (move.startsWith(QLatin1String("addBelow")))
            map.addBelow(last - 19, below);
        else
            map.dropBelow(19 - last, -below);
        QCOMPARE(map.firstLine(), expected.firstLine());
        QCOMPARE(map.lineCount(), expected.lineCount());
        QCOMPARE(map.start(), expected.start());
        QCOMPARE(map.length(), expected.length());
        // Line 15 is at the same whole offset, wherever the window begins.
        QCOMPARE(map.toWhole(map.toWindow(doc.offsetOf(15))), doc.offsetOf(15));
    }

    void editsAroundTheWindow_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("lineDelta");
        QTest::addColumn<bool>("outside");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("firstLine");
        // Window 40..79 over lines 10..19.
        QTest::newRow("insert far above") << 5 << 0 << 3 << 0 << true << 43 << 10;
        QTest::newRow("insert a line above") << 5 << 0 << 4 << 1 << true << 44 << 11;
        QTest::newRow("remove lines above") << 0 << 8 << 0 << -2 << true << 32 << 8;
        QTest::newRow("insert at the end of the line before") << 39 << 0 << 2 << 0 << true << 42 << 10;
        QTest::newRow("remove the separator before") << 39 << 1 << 0 << -1 << false << 40 << 10;
        QTest::newRow("insert at the window's start") << 40 << 0 << 1 << 0 << false << 40 << 10;
        QTest::newRow("remove into the window") << 30 << 12 << 0 << -2 << false << 40 << 10;
        QTest::newRow("insert at the window's end") << 79 << 0 << 2 << 0 << false << 40 << 10;
        QTest::newRow("insert below") << 80 << 0 << 9 << 1 << true << 40 << 10;
        QTest::newRow("remove below") << 90 << 5 << 0 << -1 << true << 40 << 10;
    }

    void editsAroundTheWindow()
    {
        QFETCH(int, position);
        QFETCH(int, removed);
        QFETCH(int, added);
        QFETCH(int, lineDelta);
        QFETCH(bool, outside);
        QFETCH(int, start);
        QFETCH(int, firstLine);
        WindowMap map = numbered(30).window(10, 19);
        QCOMPARE(map.editOutside(position, removed, added, lineDelta), outside);
        if (outside) {
            QCOMPARE(map.start(), start);
            QCOMPARE(map.firstLine(), firstLine);
            QCOMPARE(map.length(), 39);
        }
    }

    // 100 lines of 20 pixels, a window of lines 40..59 (400 pixels) and a
    // view of 100 pixels.
    void scrollPositions_data()
    {
        QTest::addColumn<double>("contentY");
        QTest::addColumn<double>("position");
        QTest::newRow("window's top") << 0.0 << 0.4;
        QTest::newRow("window's middle") << 200.0 << 0.5;
        QTest::newRow("view at the window's end") << 300.0 << 0.55;
    }

    void scrollPositions()
    {
        QFETCH(double, contentY);
        QFETCH(double, position);
        const WindowMap map(40, 20, 4000, 2000);
        QCOMPARE(map.scrollPosition(contentY, 400, 100), position);
        QCOMPARE(map.contentYFor(position, 100, 400, 100), contentY);
        QCOMPARE(map.viewShare(100, 400, 100), 0.05);
        QCOMPARE(WindowMap::lineAt(position, 100), 40 + int(contentY / 20));
    }

    void scrollOutsideTheWindow()
    {
        const WindowMap map(40, 20, 4000, 2000);
        QCOMPARE(map.contentYFor(0.1, 100, 400, 100), -1.0);  // above
        QCOMPARE(map.contentYFor(0.58, 100, 400, 100), -1.0); // the view would pass the window's end
        QCOMPARE(WindowMap::lineAt(1.0, 100), 99);
        // A window at either end of the document scrolls to its edges.
        QCOMPARE(WindowMap(0, 20, 0, 2000).contentYFor(0.0, 100, 400, 100), 0.0);
        QCOMPARE(WindowMap(80, 20, 4000, 2000).contentYFor(1.0, 100, 400, 100), 300.0);
        // A book of 100 000 lines: a tiny but non-zero share.
        const double share = WindowMap(0, 300, 0, 9000).viewShare(600, 6000, 100000);
        QVERIFY(share > 0 && share < 0.001);
        QCOMPARE(WindowMap().viewShare(600, 0, 1), 1.0);
    }

    // Random edits inside and around windows of several sizes, and window
    // moves at both ends, against the window worked out again from the
    // lines after every step.
    void randomScript_data()
    {
        QTest::addColumn<int>("windowLines");
        QTest::newRow("1 line") << 1;
        QTest::newRow("3 lines") << 3;
        QTest::newRow("10 lines") << 10;
        QTest::newRow("60 lines") << 60;
    }

    void randomScript()
    {
        QFETCH(int, windowLines);
        const quint32 seed = 7001u + quint32(windowLines);
        QRandomGenerator random(seed);
        Lines doc = numbered(200);
        int first = 50;
        int last = first + windowLines - 1;
        WindowMap map = doc.window(first, last);
        auto randomText = [&] {
            QString text;
            const int n = random.bounded(0, 6);
            for (int i = 0; i < n; ++i)
                text += random.bounded(5) == 0 ? QChar('\n') : QChar('a' + random.bounded(26));
            return text;
        };
        // Replaces [position, position + removed) of the text by `text`.
        auto edit = [&](int position, int removed, const QString& text) {
            QString whole = doc.text();
            whole.replace(position, removed, text);
            doc.lines = whole.split(QLatin1Char('\n'));
        };

        for (int step = 0; step < 3000; ++step) {
            const QString before = doc.text();
            const int kind = random.bounded(6);
            if (kind == 0) {
                // An edit inside the window, as the text area makes it.
                const int p = random.bounded(map.length() + 1);
                const int removed = random.bounded(qMin(8, map.length() - p) + 1);
                const QString text = randomText();
                const int lines = doc.lines.size();
                edit(map.toWhole(p), removed, text);
                map.editInside(removed, text.size(), doc.lines.size() - lines);
                last += doc.lines.size() - lines;
            } else if (kind == 1) {
                // An edit anywhere in the whole document.
                const int p = random.bounded(before.size() + 1);
                const int removed = random.bounded(qMin(8, before.size() - p) + 1);
                const QString text = randomText();
                const int lines = doc.lines.size();
                const int delta = text.count(QLatin1Char('\n')) - before.mid(p, removed).count(QLatin1Char('\n'));
                edit(p, removed, text);
                QCOMPARE(doc.lines.size() - lines, delta);
                if (map.editOutside(p, removed, text.size(), delta)) {
                    if (p < map.start()) {
                        first += delta;
                        last += delta;
                    }
                } else {
                    // Touched: rebuilt over the same number of lines.
                    first = qMin(first, doc.lines.size() - 1);
                    last = qBound(first, last, doc.lines.size() - 1);
                    map = doc.window(first, last);
                }
            } else if (kind == 2 && first > 0) {
                const int n = random.bounded(1, qMin(first, 40) + 1);
                map.addAbove(n, doc.offsetOf(first) - doc.offsetOf(first - n));
                first -= n;
            } else if (kind == 3 && last < doc.lines.size() - 1) {
                const int n = random.bounded(1, qMin(doc.lines.size() - 1 - last, 41) + 1);
                map.addBelow(n, doc.offsetOf(last + n) + doc.lines.at(last + n).size() - (doc.offsetOf(last) + doc.lines.at(last).size()));
                last += n;
            } else if (kind == 4 && last > first) {
                const int n = random.bounded(1, qMin(last - first, 40) + 1);
                map.dropAbove(n, doc.offsetOf(first + n) - doc.offsetOf(first));
                first += n;
            } else if (kind == 5 && last > first) {
                const int n = random.bounded(1, qMin(last - first, 40) + 1);
                map.dropBelow(n, doc.offsetOf(last) + doc.lines.at(last).size() - (doc.offsetOf(last - n) + doc.lines.at(last - n).size()));
                last -= n;
            }

            const WindowMap expected = doc.window(first, last);
            const QString failure = QStringLiteral("seed %1, step %2").arg(seed).arg(step);
            QVERIFY2(map.firstLine() == expected.firstLine() && map.lineCount() == expected.lineCount()
                         && map.start() == expected.start() && map.length() == expected.length(),
                qPrintable(failure));
            // Every window offset names the same character in the whole text.
            const QString whole = doc.text();
            const QString window = whole.mid(expected.start(), expected.length());
            const int p = random.bounded(map.length() + 1);
            const int n = qMin(3, window.size() - p);
            QVERIFY2(whole.mid(map.toWhole(p), n) == window.mid(p, n), qPrintable(failure));
            // A random whole selection shows exactly its part in the window.
            const Selection selection { random.bounded(whole.size() + 1), random.bounded(whole.size() + 1) };
            const Selection shown = map.toWindow(selection);
            const int visibleStart = qBound(map.start(), selection.start(), map.end());
            const int visibleEnd = qBound(map.start(), selection.end(), map.end());
            QVERIFY2(window.mid(shown.start(), shown.end() - shown.start())
                         == whole.mid(visibleStart, visibleEnd - visibleStart),
                qPrintable(failure));
            // Reported back unchanged, it stays (or, when nothing of it is
            // shown, its cursor does).
            QVERIFY2(map.toWhole(shown, selection) == map.settled(selection), qPrintable(failure));
        }
    }
};

PENLARK_TEST_MAIN(TestWindowMap)
#include "tst_windowmap.moc"
