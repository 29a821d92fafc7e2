// Search and replace of the windowed document, against a window document
// that stands in for the QML text area.
#include "searchtest.h"

#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/textarea/lazytextdocument.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

const QChar separator(QChar::ParagraphSeparator);

// A loaded document with a window document in place of the text area (the
// document's own window cursor then stands for the text area's).
struct Editor
{
    explicit Editor(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        file.close();
        window.documentLayout();
        doc.setEditHeight(400);
        doc.setContentHeight(20);
        doc.setContentY(0);
        doc.setEditDocument(&window);
        doc.setFileName(QUrl::fromLocalFile(path));
        QTRY_VERIFY(doc.textLoaded() && !doc.loading());
        doc.gotoStart();
    }
    QString whole() const { return doc.allRawText().replace(separator, QLatin1Char('\n')); }
    QString windowText() const { return window.toRawText().replace(separator, QLatin1Char('\n')); }
    QString selected() const { return doc.getText(doc.allSelectionStart(), doc.allSelectionEnd()); }

    LazyTextDocument doc;
    QTextDocument window;
};

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

SearchTest::SearchTest(QObject* parent)
    : QObject(parent)
{
}

QString SearchTest::newPath()
{
    const QString dir = QDir::homePath() + QStringLiteral("/search");
    QDir().mkpath(dir);
    return dir + QStringLiteral("/doc%1.txt").arg(++m_file);
}

QString SearchTest::lastMessage() const
{
    return m_messages.isEmpty() ? QString() : m_messages.last();
}

void SearchTest::initTestCase()
{
    connect(function::instance()->getMessage(), &Message::showMessage, this,
        [this](const QString& text) { m_messages.append(text); });
}

void SearchTest::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    const int plain = LazyTextDocument::PlainTextMode;
    const int regex = LazyTextDocument::RegularExpressionMode;
    QTest::newRow("adjacent matches") << "ababab\n" << "ab" << "x" << plain << "xxx\n";
    QTest::newRow("no case distinction") << "AaA\n" << "a" << "b" << plain << "bbb\n";
    QTest::newRow("replacement holds the match") << "aaa\n" << "a" << "aa" << plain << "aaaaaa\n";
    QTest::newRow("over many lines") << "ab\nab ab\n" << "ab" << "c" << plain << "c\nc c\n";
    QTest::newRow("end of line") << "one\ntwo\n" << "$" << "!" << regex << "one!\ntwo!\n!";
    QTest::newRow("may match empty") << "baaa\n" << "a*" << "x" << regex << "xbxx\nx";
    QTest::newRow("expression as typed") << "12px 3px\n" << "(\\d+)px" << "x" << regex << "x x\n";
    QTest::newRow("empty replacement does nothing") << "abc\n" << "b" << "" << plain << "abc\n";
    QTest::newRow("no match") << "abc\n" << "z" << "y" << plain << "abc\n";
}

void SearchTest::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    const QString path = newPath();
    Editor editor(path, text.toUtf8());
    QString shadow = editor.doc.allRawText();
    QSignalSpy changes(editor.doc.allTextDocument(), &QTextDocument::contentsChange);
    editor.doc.setSelectedText(search);
    editor.doc.setReplaceText(replacement);
    editor.doc.setSearchMode(LazyTextDocument::SearchMode(mode));
    editor.doc.doReplaceAll();
    QCOMPARE(editor.whole(), expected);
    QCOMPARE(editor.windowText(), expected);
    // The counting handler follows one notification for the whole span.
    QVERIFY(changes.count() <= 1);
    for (const QList<QVariant>& change : changes) {
        const int position = change.at(0).toInt();
        shadow = shadow.left(position) + editor.doc.allRawText().mid(position, change.at(2).toInt())
            + shadow.mid(position + change.at(1).toInt());
    }
    QCOMPARE(shadow, editor.doc.allRawText());
    if (expected != text) {
        editor.doc.waitForSaves();
        QCOMPARE(readFile(path), expected);
        QVERIFY(!editor.doc.isModified());
        // One undo step brings the text back.
        editor.doc.undo();
        QCOMPARE(editor.whole(), text);
    }
}

void SearchTest::searchWrapsAround()
{
    Editor editor(newPath(), "foo bar\nbar foo\n");
    editor.doc.setSelectedText(QStringLiteral("foo"));
    QVERIFY(editor.doc.doSearchDown());
    QCOMPARE(editor.doc.allSelectionStart(), 0);
    QCOMPARE(editor.selected(), QStringLiteral("foo"));
    QCOMPARE(qMakePair(editor.doc.editSelectionStart(), editor.doc.editSelectionEnd()), qMakePair(0, 3));
    QVERIFY(editor.doc.doSearchDown());
    QCOMPARE(editor.doc.allSelectionStart(), 12);
    QCOMPARE(editor.selected(), QStringLiteral("foo"));

    // Past the last match: back to the start with a notice, nothing selected;
    // the next press selects the first match.
    m_messages.clear();
    QVERIFY(editor.doc.doSearchDown());
    QCOMPARE(lastMessage(), QStringLiteral("从头开始查找"));
    QCOMPARE(editor.doc.allSelectionStart(), editor.doc.allSelectionEnd());
    QVERIFY(editor.doc.doSearchDown());
    QCOMPARE(editor.doc.allSelectionStart(), 0);

    // Up from the first match wraps to the end.
    m_messages.clear();
    QVERIFY(editor.doc.doSearchUp());
    QCOMPARE(lastMessage(), QStringLiteral("从结尾开始查找"));
    QVERIFY(editor.doc.doSearchUp());
    QCOMPARE(editor.doc.allSelectionStart(), 12);

    // Without restart the notice comes and nothing moves.
    m_messages.clear();
    QVERIFY(!editor.doc.doSearch(true, false));
    QCOMPARE(lastMessage(), QStringLiteral("从头开始查找"));

    m_messages.clear();
    editor.doc.setSelectedText(QStringLiteral("nowhere"));
    QVERIFY(!editor.doc.doSearchDown());
    QCOMPARE(lastMessage(), QStringLiteral("未找到"));
    editor.doc.setSelectedText(QString());
    QVERIFY(!editor.doc.doSearchDown());
}

void SearchTest::searchModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QList<int>>("starts");
    const QString text = QStringLiteral("Cat concat cat\n");
    QTest::newRow("plain") << int(LazyTextDocument::PlainTextMode) << false << "cat" << QList<int>{ 0, 7, 11 };
    QTest::newRow("plain, case") << int(LazyTextDocument::PlainTextMode) << true << "cat" << QList<int>{ 7, 11 };
    QTest::newRow("whole words") << int(LazyTextDocument::WholeWordsMode) << false << "cat" << QList<int>{ 0, 11 };
    QTest::newRow("expression") << int(LazyTextDocument::RegularExpressionMode) << false << "c\\w+t"
                                << QList<int>{ 4, 11 };
    QTest::newRow("expression never empty") << int(LazyTextDocument::RegularExpressionMode) << false << "x*"
                                            << QList<int>{};
}

void SearchTest::searchModes()
{
    QFETCH(int, mode);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, search);
    QFETCH(QList<int>, starts);
    Editor editor(newPath(), "Cat concat cat\n");
    editor.doc.setSearchMode(LazyTextDocument::SearchMode(mode));
    editor.doc.setMatchCaseSensitive(caseSensitive);
    editor.doc.setSelectedText(search);
    QList<int> found;
    for (int i = 0; i < starts.size(); ++i) {
        QVERIFY(editor.doc.doSearch(true, false));
        found.append(editor.doc.allSelectionStart());
    }
    QCOMPARE(found, starts);
    QVERIFY(!editor.doc.doSearch(true, false));
}

void SearchTest::replaceOne()
{
    const QString path = newPath();
    Editor editor(path, "a 12px b 3px\n");
    editor.doc.setSearchMode(LazyTextDocument::RegularExpressionMode);
    editor.doc.setSelectedText(QStringLiteral("(\\d+)px"));
    editor.doc.setReplaceText(QStringLiteral("\\1 pt"));
    QVERIFY(editor.doc.doReplace());
    QCOMPARE(editor.whole(), QStringLiteral("a 12 pt b 3px\n"));
    QCOMPARE(editor.windowText(), editor.whole());
    // With a match selected, the next one is replaced.
    QVERIFY(editor.doc.doSearchDown());
    QCOMPARE(editor.selected(), QStringLiteral("3px"));
    editor.doc.setSearchMode(LazyTextDocument::PlainTextMode);
    editor.doc.setSelectedText(QStringLiteral("a"));
    editor.doc.setReplaceText(QStringLiteral("A"));
    editor.doc.selectByDocument(0, 1);
    QVERIFY(!editor.doc.doReplace()); // wraps to the start first
    QVERIFY(editor.doc.doReplace());
    QCOMPARE(editor.whole(), QStringLiteral("A 12 pt b 3px\n"));
    QCOMPARE(editor.windowText(), editor.whole());
    editor.doc.setReadOnly(true);
    QVERIFY(!editor.doc.doReplace());
}
