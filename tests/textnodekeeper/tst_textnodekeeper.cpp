// The text node keeper: after every edit, a text edit whose lines in front
// of the edit were kept draws exactly what a text edit built afresh from the
// same text draws.
#include "testenvironment.h"

#include "TovaUi/textarea/markdownhighlighter.h"
#include "TovaUi/textarea/textnodekeeper.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickTextDocument>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <private/qquickwindow_p.h>
#include <private/qsgsoftwarerenderer_p.h>

namespace {

// A text edit alone in a window, or in a clipping view inside it as in the
// editor's scrolling area.
QByteArray editQml(bool clipped)
{
    const QByteArray edit = R"(
        TextEdit {
            id: edit
            width: parent.width
            wrapMode: TextEdit.Wrap
            textFormat: TextEdit.PlainText
            cursorVisible: false
            font.pixelSize: 13
            color: "black"
            selectionColor: "yellow"
            selectedTextColor: "blue"
        })";
    return QByteArray(R"(
        import QtQuick 2.15
        import QtQuick.Window 2.15
        Window {
            width: 360; height: 700; visible: true; color: "white"
            property alias edit: edit
        )") + (clipped ? "Item { y: 50; width: parent.width; height: 400; clip: true\n" + edit + "}" : edit) + "}";
}

const QStringList alphabets {
    QStringLiteral("abcdefghij klmnopqrstuvwxyz"),
    QStringLiteral("天地玄黄宇宙洪荒日月盈昃辰宿列张，。"),
    QStringLiteral("0123456789 .,;"),
    QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي "),
    // Markdown that highlights across lines: headings, underlines, fences.
    QStringLiteral("#=-`*_ ab"),
};

// count short lines, each with its number.
QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1 with some words").arg(i);
    return lines.join(QLatin1Char('\n'));
}

QString randomText(QRandomGenerator& random, int length)
{
    const QString& letters = alphabets.at(random.bounded(alphabets.size()));
    QString text;
    for (int i = 0; i < length; ++i)
        text += letters.at(random.bounded(letters.size()));
    return text;
}

struct EditWindow {
    QScopedPointer<QObject> root;
    QQuickWindow* window = nullptr;
    QQuickItem* edit = nullptr;
    QTextDocument* document = nullptr;

    bool create(QQmlEngine& engine, bool clipped = false)
    {
        QQmlComponent component(&engine);
        component.setData(editQml(clipped), QUrl());
        root.reset(component.create());
        if (!root)
            qWarning() << component.errorString();
        window = qobject_cast<QQuickWindow*>(root.data());
        edit = root ? root->property("edit").value<QQuickItem*>() : nullptr;
        if (!window || !edit)
            return false;
        document = edit->property("textDocument").value<QQuickTextDocument*>()->textDocument();
        // Grabs need a window that has shown a frame.
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        return QTest::qWaitForWindowExposed(window) && (!frames.isEmpty() || frames.wait(5000));
    }
    // What the window shows once its next frame is drawn.
    QImage image() const
    {
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        window->update();
        if (!frames.wait(5000))
            return QImage();
        return window->screen()->grabWindow(window->winId()).toImage();
    }
    // What the software renderer painted for the last frame.
    QRegion painted() const
    {
        auto* renderer = dynamic_cast<QSGSoftwareRenderer*>(QQuickWindowPrivate::get(window)->renderer);
        return renderer ? renderer->flushRegion() : QRegion();
    }
};

} // namespace

class TestTextNodeKeeper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

    // Appending at the end of a long text rebuilds only the last line's
    // nodes; an edit at the top keeps nothing.
    void keepsTheLinesInFront()
    {
        QQmlEngine engine;
        EditWindow kept;
        QVERIFY(kept.create(engine));
        kept.edit->setProperty("text", numberedLines(40));
        TextNodeKeeper keeper(kept.edit);
        kept.image();

        QTextCursor cursor(kept.document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("x"));
        QVERIFY2(keeper.keptByLastEdit() >= 30, qPrintable(QString::number(keeper.keptByLastEdit())));
        kept.image();
        // ... and the renderer does not repaint them.
        QVERIFY2(keeper.unpaintedByLastFrame() >= 30, qPrintable(QString::number(keeper.unpaintedByLastFrame())));

        cursor.setPosition(0);
        cursor.insertText(QStringLiteral("y"));
        QCOMPARE(keeper.keptByLastEdit(), 0);
    }

    // A line scrolled out of the view is painted over once. Qt's renderer
    // remembers where such a line was last painted and, left alone, paints
    // that place again on every later edit.
    void linesScrolledAwayAreNotRepainted()
    {
        QQmlEngine engine;
        EditWindow kept;
        QVERIFY(kept.create(engine, true));
        kept.edit->setProperty("text", numberedLines(12));
        TextNodeKeeper keeper(kept.edit);
        kept.image();
        const qreal lineHeight = kept.document->documentLayout()->blockBoundingRect(kept.document->firstBlock()).height();
        QVERIFY(lineHeight > 5);
        // Half of the first line shows, then none of it.
        kept.edit->setY(-lineHeight / 2);
        kept.image();
        kept.edit->setY(-lineHeight * 1.5);
        kept.image();

        for (int i = 0; i < 3; ++i) {
            QTextCursor cursor(kept.document);
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(QStringLiteral("x"));
            kept.image();
            const QRectF last = kept.document->documentLayout()->blockBoundingRect(kept.document->lastBlock());
            const int lastTop = int(50 + kept.edit->y() + last.top());
            const QRegion painted = kept.painted();
            QVERIFY(!painted.isEmpty());
            QVERIFY2(painted.boundingRect().top() >= lastTop - 1,
                     qPrintable(QStringLiteral("painted from %1, the edited line starts at %2")
                                    .arg(painted.boundingRect().top()).arg(lastTop)));
        }
    }

    // Random edits (typing, deleting, line breaks, pastes of several lines,
    // selections, text in a right-to-left script, Markdown that the editor's
    // highlighter formats across lines), some with the text edit moved in the
    // same frame, in and out of a clipping view: after each one the kept
    // text edit draws what a fresh one with the same text, place and
    // selection draws.
    void drawsLikeAFreshTextEdit_data()
    {
        QTest::addColumn<bool>("clipped");
        QTest::addColumn<int>("move");
        QTest::newRow("open") << false << 30;
        // Whole lines leave the view and come back.
        QTest::newRow("clipped") << true << 80;
    }
    void drawsLikeAFreshTextEdit()
    {
        QFETCH(bool, clipped);
        QFETCH(int, move);
        const int seeds = qEnvironmentVariableIntValue("PENLARK_EDITOR_SEEDS") > 0
            ? qEnvironmentVariableIntValue("PENLARK_EDITOR_SEEDS") : 4;
        QQmlEngine engine;
        EditWindow kept;
        EditWindow fresh;
        QVERIFY(kept.create(engine, clipped));
        QVERIFY(fresh.create(engine, clipped));
        TextNodeKeeper keeper(kept.edit);
        MarkdownHighlighter keptHighlighter(kept.document);
        MarkdownHighlighter freshHighlighter(fresh.document);
        int keptNodes = 0;
        int unpainted = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            QRandomGenerator random(seed);
            QRandomGenerator moves(-seed);
            QStringList lines;
            const int count = 20 + random.bounded(20);
            for (int i = 0; i < count; ++i)
                lines << randomText(random, random.bounded(60));
            kept.edit->setProperty("text", lines.join(QLatin1Char('\n')));
            kept.image();
            for (int step = 0; step < 30; ++step) {
                QTextCursor cursor(kept.document);
                const int length = kept.document->characterCount() - 1;
                const int kind = random.bounded(6);
                const int at = random.bounded(2) ? length : random.bounded(length + 1);
                if (moves.bounded(4) == 0)
                    kept.edit->setY(-moves.bounded(move));
                cursor.setPosition(at);
                if (kind == 0 && at > 0) {
                    cursor.setPosition(random.bounded(at), QTextCursor::KeepAnchor);
                    cursor.removeSelectedText();
                } else if (kind == 1) {
                    cursor.insertText(QStringLiteral("\n"));
                } else if (kind == 2) {
                    cursor.insertText(randomText(random, 5) + QLatin1Char('\n') + randomText(random, 40));
                } else if (kind == 3) {
                    const int from = random.bounded(length + 1);
                    QMetaObject::invokeMethod(kept.edit, "select", Q_ARG(int, qMin(from, at)), Q_ARG(int, qMax(from, at)));
                } else {
                    cursor.insertText(randomText(random, 1 + random.bounded(3)));
                }
                keptNodes += keeper.keptByLastEdit();
                // Lines that a later line made headings are highlighted on
                // the highlighter's next tick.
                keptHighlighter.timerTick();
                const QImage image = kept.image();
                unpainted += keeper.unpaintedByLastFrame();
                fresh.edit->setY(kept.edit->y());
                fresh.edit->setProperty("text", kept.edit->property("text"));
                QMetaObject::invokeMethod(fresh.edit, "select", Q_ARG(int, kept.edit->property("selectionStart").toInt()),
                                          Q_ARG(int, kept.edit->property("selectionEnd").toInt()));
                freshHighlighter.timerTick();
                QVERIFY2(image == fresh.image(), qPrintable(QStringLiteral("seed %1 step %2 kind %3 at %4").arg(seed).arg(step).arg(kind).arg(at)));
            }
        }
        QVERIFY(keptNodes > 0);
        QVERIFY(unpainted > 0);
    }
};

PENLARK_TEST_MAIN(TestTextNodeKeeper)
#include "tst_textnodekeeper.moc"
