// The copy of a document's raw text that a save hands over: after any mix
// of edits (typed, removed, grouped, undone, redone, replaced wholesale,
// made with the document's signals blocked, formats only) and updates
// (whole or in slices), it is the document's toRawText(); a text handed out
// earlier and still held never changes; a copy nobody holds is updated in
// its own block.
#include "testenvironment.h"

#include "TovaUi/textarea/blanklayout.h"
#include "TovaUi/textarea/rawtextcopy.h"

#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace {

// A document told to its copy the way the editor's whole document is.
struct Copied
{
    QTextDocument document;
    RawTextCopy copy{&document};
    int toldLength = -1; // what the last change reported

    Copied()
    {
        auto* layout = new BlankLayout(&document);
        document.setDocumentLayout(layout);
        QObject::connect(layout, &BlankLayout::changed, [this](int from, int removed, int added) {
            toldLength = copy.noteChange(from, removed, added);
        });
    }
};

QString randomText(QRandomGenerator& random, int length)
{
    static const QString pieces[] = {
        QStringLiteral("山河远阔"), QStringLiteral("人间烟火"), QStringLiteral("word "), QStringLiteral("\n"),
        QStringLiteral("\r\n"), QStringLiteral("\t"), QStringLiteral("\U0001F600"), QStringLiteral("#"),
        QString(QChar(QChar::ParagraphSeparator)), QStringLiteral("x"),
    };
    QString text;
    while (text.size() < length)
        text += pieces[random.bounded(int(sizeof pieces / sizeof *pieces))];
    return text;
}

void edit(QTextDocument& document, QRandomGenerator& random, int action)
{
    QTextCursor cursor(&document);
    const int length = document.characterCount() - 1;
    const int at = random.bounded(length + 1);
    if (action < 4 || length == 0) {
        cursor.setPosition(at);
        cursor.insertText(randomText(random, random.bounded(action == 0 ? 400 : 6) + 1));
    } else {
        const int count = random.bounded(qMin(length - at, action == 4 ? 500 : 8) + 1);
        cursor.setPosition(at);
        cursor.setPosition(at + count, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

} // namespace

class TestRawTextCopy : public QObject
{
    Q_OBJECT

private slots:
    void followsEveryKindOfEdit()
    {
        const int seeds = qEnvironmentVariableIsSet("PENLARK_RAWCOPY_SEEDS") ? qEnvironmentVariableIntValue("PENLARK_RAWCOPY_SEEDS") : 60;
        for (quint32 seed = 1; seed <= quint32(seeds); ++seed) {
            QRandomGenerator random(seed);
            Copied copied;
            QTextDocument& document = copied.document;
            document.setPlainText(randomText(random, int(seed % 4) * 3000));
            struct Held {
                QString text;
                QString expected;
            };
            QList<Held> held;
            // The text last taken with what is unchanged since: the start
            // said to be unchanged must be the same in the next one.
            QString taken;
            int keptInAll = 0;
            auto take = [&](const QString& where) {
                const QString text = copied.copy.text();
                const int unchanged = copied.copy.takeUnchanged();
                QVERIFY2(unchanged >= 0, qPrintable(where));
                const int same = std::min(unchanged, text.size());
                QVERIFY2(same <= taken.size() && text.leftRef(same) == taken.leftRef(same), qPrintable(where + QStringLiteral(" (unchanged)")));
                keptInAll += same;
                taken = text;
            };
            for (int step = 0; step < 300; ++step) {
                const QString where = QStringLiteral("seed %1 step %2").arg(seed).arg(step);
                const int action = random.bounded(20);
                if (action < 8) {
                    edit(document, random, action);
                } else if (action == 8) {
                    // Grouped edits, told only once the group ends; a save
                    // may come in between.
                    QTextCursor cursor(&document);
                    cursor.beginEditBlock();
                    for (int i = random.bounded(4); i >= 0; --i) {
                        edit(document, random, random.bounded(8));
                        if (random.bounded(3) == 0) {
                            QVERIFY2(copied.copy.text() == document.toRawText(), qPrintable(where + QStringLiteral(" (group)")));
                            take(where + QStringLiteral(" (group)"));
                        }
                    }
                    cursor.endEditBlock();
                } else if (action == 9) {
                    document.undo();
                } else if (action == 10) {
                    document.redo();
                } else if (action == 11 && random.bounded(4) == 0) {
                    document.setPlainText(randomText(random, random.bounded(6000)));
                } else if (action == 12 && random.bounded(8) == 0) {
                    document.clear();
                } else if (action == 13) {
                    const QSignalBlocker blocker(&document);
                    edit(document, random, random.bounded(8));
                } else if (action == 14) {
                    QTextCursor cursor(&document);
                    cursor.setPosition(random.bounded(document.characterCount()));
                    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, random.bounded(20));
                    QTextCharFormat format;
                    format.setFontWeight(random.bounded(2) ? QFont::Bold : QFont::Normal);
                    cursor.mergeCharFormat(format);
                } else if (action == 15) {
                    // An update in slices, as when nothing else goes on.
                    const int slice = 1 + random.bounded(700);
                    int rounds = 0;
                    while (!copied.copy.refresh(slice))
                        QVERIFY2(++rounds < 100000, qPrintable(where));
                } else if (action == 16) {
                    copied.copy.refresh(random.bounded(50));
                } else if (action == 17 && !held.isEmpty()) {
                    held.removeAt(random.bounded(held.size()));
                } else {
                    const QString text = copied.copy.text();
                    const QString expected = document.toRawText();
                    QVERIFY2(text == expected, qPrintable(where));
                    QVERIFY2(copied.toldLength == -1 || copied.toldLength == expected.size(), qPrintable(where + QStringLiteral(" (length)")));
                    if (random.bounded(3) == 0)
                        held.append({text, expected});
                    take(where);
                }
                // What a reader still holds is never written to.
                for (const Held& h : qAsConst(held))
                    QVERIFY2(h.text == h.expected, qPrintable(where + QStringLiteral(" (held)")));
            }
            QVERIFY2(copied.copy.text() == document.toRawText(), qPrintable(QStringLiteral("seed %1 end").arg(seed)));
            // Not everything was called changed.
            QVERIFY2(seed % 4 == 1 || keptInAll > 0, qPrintable(QStringLiteral("seed %1 kept nothing").arg(seed)));
        }
    }

    // A copy nobody else holds is brought up to date in its own block; one
    // still held gets a new block and stays as it was.
    void updatesInPlaceUnlessHeld()
    {
        Copied copied;
        QString book;
        for (int i = 0; i < 2000; ++i)
            book += QStringLiteral("第%1行，山河远阔，人间烟火。\n").arg(i);
        copied.document.setPlainText(book);
        const QString first = copied.copy.text();
        const QChar* block = first.constData();

        QTextCursor cursor(&copied.document);
        cursor.setPosition(1000);
        cursor.insertText(QStringLiteral("字"));
        QString second = copied.copy.text();
        QVERIFY(second.constData() != block); // the first is still held
        QCOMPARE(first, QString(book).replace(QLatin1Char('\n'), QChar(QChar::ParagraphSeparator)));
        QCOMPARE(second, copied.document.toRawText());

        const QChar* secondBlock = second.constData();
        second = QString();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("尾"));
        cursor.setPosition(3);
        cursor.deletePreviousChar();
        const QString third = copied.copy.text();
        QCOMPARE(third.constData(), secondBlock);
        QCOMPARE(third, copied.document.toRawText());
    }

    // The copy of a much longer text than now is given up for a fitting one;
    // clear() lets the memory go and the next text is whole again.
    void givesMemoryBack()
    {
        Copied copied;
        copied.document.setPlainText(QString(3 << 20, QLatin1Char('x')));
        QCOMPARE(copied.copy.text().size(), 3 << 20);
        copied.document.setPlainText(QStringLiteral("short\ntext"));
        const QString text = copied.copy.text();
        QCOMPARE(text, copied.document.toRawText());
        QVERIFY(text.capacity() < (1 << 20));
        copied.copy.clear();
        QCOMPARE(copied.copy.text(), copied.document.toRawText());
        copied.document.clear();
        QCOMPARE(copied.copy.text(), QString());
    }
};

PENLARK_TEST_MAIN(TestRawTextCopy)
#include "tst_rawtextcopy.moc"
