// Editor extras: one-key typesetting rules, sensitive-word masking, word
// marks (persisting, reloading, merging), the Markdown highlighter's formats
// per line, and the editor page with its sheets loading without warnings.
#include "testenvironment.h"

#include "chapter/wordcountmodel.h"
#include "data/data.h"
#include "data/global.h"
#include "data/sensitivewords.h"
#include "data/settings.h"
#include "document/counthandler.h"
#include "files/cloudDisk/clouddisk.h"
#include "files/files.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/keys.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/qmlkey.h"
#include "TovaUi/function/t.h"
#include "TovaUi/mark/markmodel.h"
#include "registertype/registertype.h"
#include "TovaUi/textarea/lazytextdocument.h"
#include "TovaUi/textarea/makeuper.h"
#include "TovaUi/textarea/markdownhighlighter.h"
#include "TovaUi/textarea/sensitivepattern.h"
#include "TovaUi/textarea/subtle.h"
#include "TovaUi/textarea/subtler.h"
#include "TovaUi/theme/lumotheme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtQml>

namespace {
const QString kIndent = QString(2, QChar(0x3000));

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray markFile(const QList<QJsonObject>& marks)
{
    QJsonArray array;
    for (const QJsonObject& m : marks)
        array.append(m);
    return QJsonDocument(QJsonObject { { QStringLiteral("marks"), array } }).toJson();
}

QJsonObject mark(const QString& word, const QString& color, const QString& note, const QJsonValue& time)
{
    QJsonObject o { { QStringLiteral("word"), word }, { QStringLiteral("color"), color }, { QStringLiteral("note"), note } };
    if (!time.isUndefined())
        o.insert(QStringLiteral("time"), time);
    return o;
}

// The character format the layout holds at a position of a block (the last
// range covering it), and whether any range covers it.
QTextCharFormat formatAt(const QTextBlock& block, int position, bool* covered = nullptr)
{
    QTextCharFormat found;
    bool any = false;
    const auto ranges = block.layout()->formats();
    for (const QTextLayout::FormatRange& r : ranges) {
        if (position >= r.start && position < r.start + r.length) {
            found = r.format;
            any = true;
        }
    }
    if (covered)
        *covered = any;
    return found;
}

bool isFormatted(const QTextBlock& block, int position)
{
    bool covered = false;
    formatAt(block, position, &covered);
    return covered;
}

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;
void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << text;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}
}

class EditorExtrasTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qmlRegisterType<CountHandler>("com.velmora.count", 1, 0, "CountHandler");
        qmlRegisterUncreatableType<cloudDisk>("com.velmora.clouddisk", 1, 0, "CloudDisk", QString());
        RegisterType::installTextRules();
    }

    // ---- typesetting --------------------------------------------------------

    void makeupRules_data()
    {
        QTest::addColumn<QString>("rules"); // a r s p: append, remove empty, spaces at front, remove spaces
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("defaults: paragraphs, two blank lines")
            << "ars" << QStringList { "第一段", "", "", "第二段" }
            << QStringList { kIndent + "第一段", "", kIndent + "第二段" };
        QTest::newRow("defaults: crlf pair gives an empty part that vanishes")
            << "ars" << QString("甲\r\n乙\r\n").split(QRegularExpression("[\r\n]"))
            << QStringList { kIndent + "甲", "", kIndent + "乙" };
        QTest::newRow("defaults: indentation replaces white space at both ends")
            << "ars" << QStringList { "  \u3000正文 \t", "\u3000\u3000", "下一段" }
            << QStringList { kIndent + "正文", "", kIndent + "下一段" };
        QTest::newRow("all off: only a blank last line and the delete marker go")
            << "" << QStringList { "a", " ", QString(QChar(0x2423)), "b", "" }
            << QStringList { "a", " ", "b" };
        QTest::newRow("append only: no second empty line beside an existing one")
            << "a" << QStringList { "p1", "p2", "", "p3" }
            << QStringList { "p1", "", "p2", "", "p3" };
        QTest::newRow("without removing empty lines, indentation empties blank lines")
            << "s" << QStringList { "p1", "\u3000 ", "p2" }
            << QStringList { kIndent + "p1", "", kIndent + "p2" };
        QTest::newRow("remove spaces")
            << "p" << QStringList { "  hello   world  中 文" }
            << QStringList { "hello world 中文" };
        QTest::newRow("empty document gives no lines")
            << "ars" << QStringList { "" } << QStringList {};
        QTest::newRow("ideographic-space line is blank at the end")
            << "a" << QStringList { "x", "\u3000" } << QStringList { "x" };
    }

    void makeupRules()
    {
        QFETCH(QString, rules);
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        makeuper worker;
        worker.setRules(rules.contains('a'), rules.contains('r'), rules.contains('s'), rules.contains('p'));
        worker.setTextList(input);
        QSignalSpy finished(&worker, &makeuper::makeupFinished);
        worker.makeupText();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toStringList(), expected);
    }

    void makeupReadsSettingsAndRunsOnItsThread()
    {
        QSettings settings;
        settings.setValue("makeup/appendEmptyLineAtEnd", false);
        settings.setValue("makeup/removeEmptyLines", true);
        settings.setValue("makeup/spacesAtFront", false);
        settings.setValue("makeup/removeSpaces", true);
        settings.sync();

        QPointer<makeuper> worker = new makeuper(nullptr);
        QVERIFY(!worker->isAppendEmptyLineAtEnd() && worker->isRemoveEmptyLines());
        QVERIFY(!worker->isSpacesAtFront() && worker->isRemoveSpaces());
        QTextDocument document(QStringLiteral(" a  b\n\n中 文"));
        worker->setTextDocument(&document);
        QSignalSpy finished(worker.data(), &makeuper::makeupFinished);
        worker->start();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toStringList(), (QStringList { "a b", "中文" }));
        QTRY_VERIFY(worker.isNull()); // deletes itself after its run
        settings.clear();
    }

    // ---- masking ---------------------------------------------------------------

    void maskText_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const QStringList bad { SensitiveWords::escapeWord("坏蛋") };
        QTest::newRow("asterisks: every occurrence in the line") << bad << 2 << "坏蛋说坏蛋" << "**说**";
        QTest::newRow("dashes: three characters") << QStringList { "abc" } << 1 << "xabcx" << "xa-b-cx";
        QTest::newRow("dashes: one character stays") << QStringList { "a" } << 1 << "bab" << "bab";
        QTest::newRow("dashes: a mask holding the word is not masked again")
            << QStringList { "a-" } << 1 << "a-b" << "a--b";
        QTest::newRow("pinyin: ASCII word has no syllables") << QStringList { "bad" } << 3 << "so bad" << "so ";
        QTest::newRow("meow") << bad << 4 << "坏蛋!" << "喵喵!";
        QTest::newRow("woof") << bad << 5 << "坏蛋!" << "汪汪!";
        QTest::newRow("red only keeps words, line ends become crlf") << bad << 0 << "坏蛋\n好\r人" << "坏蛋\r\n好\r\n人";
        QTest::newRow("unknown style changes nothing") << bad << 9 << "坏蛋" << "坏蛋";
        QTest::newRow("words are literal") << QStringList { SensitiveWords::escapeWord("a.b") } << 2
                                           << "axb a.b" << "axb ***";
        QTest::newRow("patterns matching empty text mask nothing")
            << QStringList { "", "x*" } << 2 << "abc\nxxb" << "abc\r\n**b";
        QTest::newRow("invalid pattern matches nothing") << QStringList { "(" } << 2 << "(a" << "(a";
        QTest::newRow("lines masked separately") << bad << 2 << "坏蛋\n\n坏蛋" << "**\r\n\r\n**";
    }

    void maskText()
    {
        QFETCH(QStringList, words);
        QFETCH(int, style);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Subtler::maskText(text, words, style), expected);
    }

    void subtleRelaysResultWithFile()
    {
        Settings* settings = global::instance()->settings();
        settings->setSubtleType(2);
        settings->setSensitiveWords(SensitiveWords::escapeWord("坏蛋") + "|" + SensitiveWords::escapeWord("a+b"));
        Subtle subtle;
        QSignalSpy finished(&subtle, &Subtle::subtleFinish);
        QSignalSpy state(&subtle, &Subtle::subtleStateChanged);
        const QUrl file = QUrl::fromLocalFile(QDir::homePath() + "/book/a.txt");
        subtle.subtleText(QStringLiteral("坏蛋 a+b aab\n"), file, settings->sensitiveWords());
        QCOMPARE(subtle.text(), QStringLiteral("坏蛋 a+b aab\n"));
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toString(), QStringLiteral("** *** aab\r\n"));
        QCOMPARE(finished.at(0).at(1).toUrl(), file);
        QTRY_VERIFY(!subtle.subtleState());
        QVERIFY(state.count() >= 1);
        settings->setSubtleType(0);
    }

    // ---- word marks ------------------------------------------------------------

    void markSetTrimsAndPersists()
    {
        const QString folder = QDir::homePath() + "/marks1";
        QDir().mkpath(folder);
        MarkModel model;
        model.setFileName(QUrl::fromLocalFile(folder + "/a.txt"));
        QCOMPARE(model.markFileName(), folder + "/.index.mark");
        QSignalSpy changed(&model, &MarkModel::markModelChanged);
        QSignalSpy words(&model, &MarkModel::wordListChanged);
        QSignalSpy colors(&model, &MarkModel::colorListChanged);

        model.setMark("  林远 ", "#4caf50", QString(250, 'n'));
        QVERIFY(model.isExist("林远"));
        QCOMPARE(model.getNote("林远").size(), 200);
        QCOMPARE(model.wordList(), QStringList { "林远" });
        QCOMPARE(changed.count(), 1);
        QCOMPARE(words.count(), 1);
        QCOMPARE(colors.count(), 0); // palette colour already listed

        model.setMark("林远", "#123456", "");
        QVERIFY(model.colorList().endsWith("#123456"));
        QCOMPARE(colors.count(), 1);
        const qint64 time = model.item("林远").time;
        model.setMark(" 林远", "#123456", " ");
        QCOMPARE(changed.count(), 2); // same colour and note: nothing
        QCOMPARE(model.item("林远").time, time);

        model.setMark("", "#123456", "x");
        model.setMark("x", "", "x");
        QCOMPARE(model.wordList().size(), 1);

        // Written indented, keys in order, and shared by a second document
        // of the folder; another folder has its own file.
        const QByteArray bytes = readFile(folder + "/.index.mark");
        QVERIFY(bytes.contains("\n    \"marks\""));
        const QJsonObject first = QJsonDocument::fromJson(bytes).object().value("marks").toArray().at(0).toObject();
        QCOMPARE(first.keys(), (QStringList { "color", "note", "time", "word" }));
        MarkModel sibling;
        sibling.setFileName(QUrl::fromLocalFile(folder + "/b.txt"));
        QCOMPARE(sibling.getColor("林远"), QStringLiteral("#123456"));
        MarkModel other;
        other.setFileName(QUrl::fromLocalFile(QDir::homePath() + "/marks1b/c.txt"));
        QVERIFY(!other.isExist("林远"));
    }

    void markDeleteAndRegex()
    {
        const QString folder = QDir::homePath() + "/marks2";
        QDir().mkpath(folder);
        MarkModel model;
        model.setFileName(QUrl::fromLocalFile(folder + "/a.txt"));
        model.setMark("a.b", "#f44336", "");
        model.setMark("c|d", "#f44336", "");
        QCOMPARE(model.markTextRegex(), QStringLiteral("a\\.b|c\\|d"));

        QSignalSpy changed(&model, &MarkModel::markModelChanged);
        QFile::remove(folder + "/.index.mark");
        model.deleteMark("missing");
        QCOMPARE(changed.count(), 1);
        QVERIFY(QFile::exists(folder + "/.index.mark")); // rewritten in every case

        model.deleteMark("a.b");
        QCOMPARE(model.wordList(), QStringList { "c|d" });
        QVERIFY(!readFile(folder + "/.index.mark").contains("a.b"));
    }

    void markReloadsOnOutsideChangeAndDropsOtherFolders()
    {
        const QString folder = QDir::homePath() + "/marks3";
        const QString path = writeFile(folder + "/.index.mark",
                                       markFile({ mark("山", "#ff9800", "高", 5), mark("水", "#ff9800", "", 6) }));
        MarkModel model;
        model.setFileName(QUrl::fromLocalFile(folder + "/a.txt"));
        QCOMPARE(model.wordList(), (QStringList { "山", "水" }));
        QCOMPARE(model.colorList(), QStringList { "#ff9800" });

        writeFile(path, markFile({ mark("云", "#03a9f4", "", 7) }));
        QSignalSpy changed(&model, &MarkModel::markModelChanged);
        model.fileChanged(path + ".other");
        QCOMPARE(changed.count(), 0);
        model.fileChanged(path);
        QCOMPARE(model.wordList(), QStringList { "云" });

        // A folder without a mark file starts without marks; the first mark
        // there does not carry the other folder's marks along.
        const QString empty = QDir::homePath() + "/marks3b";
        QDir().mkpath(empty);
        model.setFileName(QUrl::fromLocalFile(empty + "/b.txt"));
        QVERIFY(model.wordList().isEmpty());
        model.setMark("风", "#f44336", "");
        const QByteArray bytes = readFile(empty + "/.index.mark");
        QVERIFY(bytes.contains("风") && !bytes.contains("云"));
    }

    void malformedMarkFileIsKeptAside()
    {
        const QString folder = QDir::homePath() + "/marks4";
        const QByteArray broken = "{\"marks\": [ {\"word\": \"半";
        writeFile(folder + "/.index.mark", broken);
        MarkModel model;
        model.setFileName(QUrl::fromLocalFile(folder + "/a.txt"));
        QVERIFY(model.wordList().isEmpty());
        model.setMark("新", "#f44336", "");
        const QStringList aside = QDir(folder).entryList({ ".index.mark.broken-*" }, QDir::Files | QDir::Hidden);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(folder + "/" + aside.first()), broken);
        QVERIFY(!QJsonDocument::fromJson(readFile(folder + "/.index.mark")).isNull());
    }

    void markTimeReading_data()
    {
        QTest::addColumn<QJsonValue>("time");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("whole") << QJsonValue(123) << qint64(123);
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << qint64(0);
        QTest::newRow("text") << QJsonValue("5") << qint64(0);
        QTest::newRow("fraction") << QJsonValue(1.5) << qint64(0);
        QTest::newRow("out of range") << QJsonValue(1e12) << qint64(0);
    }

    void markTimeReading()
    {
        QFETCH(QJsonValue, time);
        QFETCH(qint64, expected);
        const QString path = writeFile(QDir::homePath() + "/marks5/.index.mark", markFile({ mark("w", "#f44336", "", time) }));
        QCOMPARE(MarkModel::jsonFileToMarkItem(path).value("w").time, expected);
    }

    void mergeMarkFiles()
    {
        const QString dir = QDir::homePath() + "/merge/";
        const QString local = writeFile(dir + ".index.mark", markFile({
            mark("newer-local", "#1", "L", 200), mark("older-local", "#1", "L", 100),
            mark("tie", "#1", "L", 50), mark("untimed", "#1", "L", QJsonValue()),
            mark("local-only", "#1", "L", 1) }));
        const QString server = writeFile(dir + ".index.mark.server", QJsonDocument::fromJson(markFile({
            mark("newer-local", "#2", "S", 100), mark("older-local", "#2", "S", 200),
            mark("tie", "#2", "S", 50), mark("untimed", "#2", "S", 1),
            mark("server-only", "#2", "S", 1) })).toJson(QJsonDocument::Compact));

        const QString merged = MarkModel::mergeJsonFiles(local, server);
        QVERIFY(!merged.contains('\n'));
        QJsonArray marks = QJsonDocument::fromJson(merged.toUtf8()).object().value("marks").toArray();
        QHash<QString, QString> notes;
        QStringList order;
        for (const QJsonValue& v : marks) {
            notes.insert(v.toObject().value("word").toString(), v.toObject().value("note").toString());
            order << v.toObject().value("word").toString();
        }
        QCOMPARE(notes.value("newer-local"), QStringLiteral("L"));
        QCOMPARE(notes.value("older-local"), QStringLiteral("S"));
        QCOMPARE(notes.value("tie"), QStringLiteral("S"));
        QCOMPARE(notes.value("untimed"), QStringLiteral("S"));
        QCOMPARE(notes.value("local-only"), QStringLiteral("L"));
        QCOMPARE(notes.value("server-only"), QStringLiteral("S"));
        QStringList sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(order, sorted);

        QCOMPARE(MarkModel::mergeJsonFiles(dir + "none", dir + "none2"), QStringLiteral("{\"marks\":[]}"));
        QVERIFY(QFile::exists(local) && readFile(local).contains("newer-local")); // nothing written
    }

    // ---- highlighter ---------------------------------------------------------

    void headingsAndSetext()
    {
        QTextDocument document(QStringLiteral("# 标题\n####### 七\n## 二\n正文\n===\n\n===\n---\n\n---\n下\n---"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents(); // the first highlighting is deferred
        QCOMPARE(highlighter.defaultFontSize(), 12.0);
        highlighter.timerTick();
        QTextBlock b = document.firstBlock();
        QCOMPARE(b.userState(), 12);
        QCOMPARE(formatAt(b, 0).foreground().color(), QColor("#cccccc"));       // "#" markup
        QCOMPARE(formatAt(b, 2).fontPointSize(), 18.0);                          // title text
        QCOMPARE(formatAt(b, 2).foreground().color(), QColor(Qt::black));
        b = b.next();
        QCOMPARE(b.userState(), 17);
        b = b.next();
        QCOMPARE(b.userState(), 13);
        QCOMPARE(formatAt(b, 3).fontPointSize(), 72.0);
        b = b.next();                                                             // 正文 over ===
        QCOMPARE(b.userState(), 12);
        QCOMPARE(formatAt(b, 0).fontPointSize(), 18.0);
        b = b.next();
        QCOMPARE(b.userState(), 101);
        b = b.next().next();                                                      // === after an empty line
        QCOMPARE(b.userState(), -1);
        QVERIFY(!isFormatted(b, 0));
        b = b.next();                                                             // --- after a line of =
        QCOMPARE(b.userState(), -1);
        b = b.next().next();                                                      // --- after an empty line: rule
        QCOMPARE(formatAt(b, 0).background().color(), QColor(Qt::lightGray));
        b = b.next();                                                             // 下 over ---
        QCOMPARE(b.userState(), 13);
        QCOMPARE(b.next().userState(), 101);
        QCOMPARE(formatAt(b.next(), 0).foreground().color(), QColor("#cccccc"));

        // Title properties rebuild the formats.
        highlighter.setTitleColorSame(false);
        highlighter.setTitleColor("#ff0000");
        highlighter.setTitleMultiple(2);
        QCOMPARE(formatAt(document.firstBlock(), 2).fontPointSize(), 24.0);
        QCOMPARE(formatAt(document.firstBlock(), 2).foreground().color(), QColor("#ff0000"));
    }

    void setextTitleTypedAfterItsLine()
    {
        QTextDocument document(QStringLiteral("正文\n"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents(); // the first highlighting is deferred
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("==="));
        // The title line is queued, not highlighted from inside the underline.
        highlighter.rehighlightBlock(document.lastBlock());
        QCOMPARE(document.lastBlock().userState(), 101);
        QVERIFY(!isFormatted(document.firstBlock(), 0));
        QCOMPARE(highlighter.dirtyBlockCount(), 1);
        QSignalSpy finished(&highlighter, &MarkdownHighlighter::highlightingFinished);
        highlighter.timerTick();
        QCOMPARE(highlighter.dirtyBlockCount(), 0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(formatAt(document.firstBlock(), 0).fontPointSize(), 18.0);
        highlighter.timerTick();
        QCOMPARE(finished.count(), 1); // nothing highlighted since
    }

    void emphasisCodeCommentsAndTables()
    {
        QTextDocument document(QStringLiteral(
            "a *em* **st** `co`\n"
            "x <!-- c --> y\n"
            "<!-- open\n"
            "\n"
            "still -->\n"
            "after\n"
            "```cpp\n"
            "int a;\n"
            "```\n"
            "text\n"
            "| a | b |\n"
            "- item"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents(); // the first highlighting is deferred
        QTextBlock b = document.firstBlock();
        QCOMPARE(formatAt(b, 2).foreground().color(), QColor("#cccccc"));      // "*" markup
        QCOMPARE(formatAt(b, 3).fontWeight(), 1);                               // emphasis
        QCOMPARE(formatAt(b, 3).foreground().color(), QColor(0, 87, 174));
        QCOMPARE(formatAt(b, 9).fontWeight(), int(QFont::Bold));               // strong
        QCOMPARE(formatAt(b, 15).background().color(), QColor(217, 231, 217)); // inline code
        b = b.next();
        QVERIFY(!isFormatted(b, 0));
        QCOMPARE(formatAt(b, 6).foreground().color(), QColor(Qt::gray));
        QVERIFY(!isFormatted(b, 13));
        b = b.next();
        QCOMPARE(b.userState(), 11);
        QCOMPARE(b.next().userState(), 11);                                     // empty line inside
        b = b.next().next();
        QCOMPARE(formatAt(b, 0).foreground().color(), QColor(Qt::gray));
        b = b.next();
        QVERIFY(!isFormatted(b, 0));
        b = b.next();
        QCOMPARE(b.userState(), 4);
        QCOMPARE(b.next().userState(), 4);
        QCOMPARE(formatAt(b.next(), 0).background().color(), QColor(217, 231, 217));
        QCOMPARE(b.next().next().userState(), 100);
        b = b.next().next().next();
        QCOMPARE(b.userState(), -1);
        b = b.next();
        QCOMPARE(formatAt(b, 2).foreground().color(), QColor("#649449"));
        b = b.next();
        QCOMPARE(b.userState(), 9);
    }

    // A rule is skipped on lines without one of its marker characters, so
    // every line its pattern matches must hold one. The lines are samples of
    // each syntax with random pieces cut out, put in and swapped, so that
    // every pattern matches often, with and without parts of its markup.
    void ruleMarkersHoldForTheirPatterns()
    {
        const QStringList samples = {"[a]: http://x.y", "- item", "12. item", "> quote", "***", "a *em* b",
                                     "_em_", "**st**", "__st__", "see http://x", "<http://x>", "[t](http://x)",
                                     "[](u)", "<a@b>", "[t] [r]", "![i](u)", "![](u)", "[![i](u)](v)",
                                     "[![](u)](v)", "`c`", "<!-- c -->", "[c]: # (note)", "| a | b |"};
        const QStringList pieces = {"*", "_", "[", "]", "(", ")", "<", ">", "`", "|", "-", "+", ".", "1",
                                    ":", "/", "@", "#", "=", "!", " ", "\t", "a", "中文", "。", "："};
        QTextDocument document;
        MarkdownHighlighter highlighter(&document);
        for (const int options : {0, int(MarkdownHighlighter::FullyHighlightedBlockQuote)}) {
            highlighter.setHighlightingOptions(options);
            const QList<MarkdownHighlighter::HighlightingRule> rules = highlighter.syntaxRules();
            QCOMPARE(rules.size(), 23);
            QVector<int> matched(rules.size());
            QRandomGenerator random(options + 7);
            for (int line = 0; line < 20000; ++line) {
                QString text = samples.at(random.bounded(samples.size()));
                if (random.bounded(3) == 0)
                    text += pieces.at(random.bounded(pieces.size())) + samples.at(random.bounded(samples.size()));
                for (int n = random.bounded(5); n > 0; --n) {
                    const int at = random.bounded(text.size() + 1);
                    const int cut = at < text.size() ? random.bounded(2) : 0;
                    text.replace(at, cut, random.bounded(2) ? pieces.at(random.bounded(pieces.size())) : QString());
                }
                for (int i = 0; i < rules.size(); ++i) {
                    const MarkdownHighlighter::HighlightingRule& rule = rules.at(i);
                    if (!rule.pattern.match(text).hasMatch())
                        continue;
                    ++matched[i];
                    bool holdsMarker = false;
                    for (const char marker : rule.markers)
                        holdsMarker = holdsMarker || text.contains(QLatin1Char(marker));
                    if (!holdsMarker)
                        QFAIL(qPrintable(QStringLiteral("%1 matched \"%2\" without any of \"%3\"")
                                             .arg(rule.pattern.pattern(), text, QString::fromLatin1(rule.markers))));
                }
            }
            for (int i = 0; i < rules.size(); ++i)
                QVERIFY2(matched.at(i) >= 5, qPrintable(rules.at(i).pattern.pattern()));
        }
    }

    void chapterTitlesSensitiveWordsAndTypewriter()
    {
        QSettings().setValue("Subtle/AutoMark", true);
        QTextDocument document(QStringLiteral("第一章 出发\n坏人来了，坏人走了\n平常的一行"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents(); // the first highlighting is deferred
        QVERIFY(!isFormatted(document.firstBlock(), 0));
        highlighter.setAutoChapterKeys(global::instance()->autoChapterKeys());
        highlighter.setIsMarkAutoChapter(true);
        highlighter.setSensitiveWords(SensitiveWords::escapeWord("坏人"));
        QTextBlock title = document.firstBlock();
        QCOMPARE(title.userState(), 12);
        QCOMPARE(formatAt(title, 5).fontPointSize(), 18.0);
        const QTextBlock line = title.next();
        QCOMPARE(formatAt(line, 0).foreground().color(), QColor(Qt::darkRed));
        QCOMPARE(formatAt(line, 5).foreground().color(), QColor(Qt::darkRed));
        QVERIFY(!isFormatted(line, 2));

        // Typewriter mode is only stored: the formats of every line stay.
        const auto before = line.layout()->formats();
        QSignalSpy typewriter(&highlighter, &MarkdownHighlighter::isTypewriterChanged);
        highlighter.setIsTypewriter(true);
        highlighter.setTypewriterFocusedText(2);
        QCOMPARE(typewriter.count(), 1);
        QVERIFY(line.layout()->formats() == before);

        // Without automatic marking the words are not coloured.
        QSettings().setValue("Subtle/AutoMark", false);
        highlighter.setSensitiveWords(SensitiveWords::escapeWord("坏人") + "|x");
        QVERIFY(!isFormatted(line, 0));
        QSettings().setValue("Subtle/AutoMark", true);
    }

    // Grouping the words by their first character must not change what the
    // pattern matches: the plain alternation is the oracle, on random word
    // lists (words that are prefixes of others, escaped specials, characters
    // outside the basic plane) and on the built-in list.
    void sensitiveWordsGroupedMatchAlike()
    {
        auto matches = [](const QString& pattern, const QString& text) {
            QVector<QPair<int, int>> found;
            const QRegularExpression expression(pattern);
            QRegularExpressionMatchIterator it = expression.globalMatch(text);
            while (it.hasNext()) {
                const QRegularExpressionMatch match = it.next();
                found.append({ match.capturedStart(), match.capturedLength() });
            }
            return found;
        };
        const QStringList alphabet = { "赌", "博", "场", "毒", "a", "b", ".", "(", "\\", "*", QString::fromUtf8("😀"),
                                       QString::fromUtf8("😁"), " " };
        for (int seed = 1; seed <= 300; ++seed) {
            QRandomGenerator random(seed);
            auto piece = [&](int longest) {
                QString text;
                const int length = 1 + random.bounded(longest);
                for (int i = 0; i < length; ++i)
                    text += alphabet.at(random.bounded(alphabet.size()));
                return text;
            };
            QStringList words;
            const int count = 1 + random.bounded(12);
            for (int i = 0; i < count; ++i)
                words << SensitiveWords::escapeWord(piece(4));
            const QString flat = words.join('|');
            const QString grouped = SensitivePattern::groupedByFirstCharacter(flat);
            QVERIFY2(QRegularExpression(grouped).isValid(), qPrintable(grouped));
            for (int t = 0; t < 20; ++t) {
                const QString text = piece(40);
                QVERIFY2(matches(grouped, text) == matches(flat, text),
                         qPrintable(QStringLiteral("seed %1: %2 / %3 on \"%4\"").arg(seed).arg(flat, grouped, text)));
            }
        }
        const QString builtIn = SensitiveWords::buildPattern(SensitiveWords::Light, { "赌博机器", "a.b" });
        const QString grouped = SensitivePattern::groupedByFirstCharacter(builtIn);
        QVERIFY(grouped.contains(QStringLiteral("赌(?:博|场|")));
        const QString words = SensitiveWords::builtInList().remove('|') + QStringLiteral("赌博机器 a.b axb porn xx");
        for (int seed = 1; seed <= 50; ++seed) {
            QRandomGenerator random(seed);
            QString text;
            for (int i = 0; i < 300; ++i)
                text += words.at(random.bounded(words.size()));
            QCOMPARE(matches(grouped, text), matches(builtIn, text));
        }
        // What is not a list of escaped words is left alone.
        for (const QString& other : { QStringLiteral("a|(b)"), QStringLiteral("a||b"), QStringLiteral("a\\"), QString() })
            QCOMPARE(SensitivePattern::groupedByFirstCharacter(other), other);
        // The highlighter colours with the grouped pattern: a word that
        // shares its first character with an earlier one still counts.
        QTextDocument document(QStringLiteral("好人和坏蛋和坏人"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents();
        highlighter.setSensitiveWords(QStringLiteral("好人|坏蛋|坏人"));
        for (int at : { 0, 1, 3, 4, 6, 7 })
            QCOMPARE(formatAt(document.firstBlock(), at).foreground().color(), QColor(Qt::darkRed));
        QVERIFY(!isFormatted(document.firstBlock(), 2));
        QVERIFY(!isFormatted(document.firstBlock(), 5));
    }

    void markedWordsAndHover()
    {
        const QString folder = QDir::homePath() + "/hl";
        QDir().mkpath(folder);
        QTextDocument document(QStringLiteral("林远走进书铺\n没有标记"));
        MarkdownHighlighter highlighter(&document);
        QCoreApplication::processEvents(); // the first highlighting is deferred
        highlighter.setFileName(QUrl::fromLocalFile(folder + "/a.txt"));
        QCOMPARE(highlighter.markModel()->fileName(), QUrl::fromLocalFile(folder + "/a.txt"));
        QSignalSpy modelChanged(&highlighter, &MarkdownHighlighter::markModelChanged);
        highlighter.markModel()->setMark("林远", "#4caf50", "主角");
        QCOMPARE(modelChanged.count(), 1);
        const QTextBlock block = document.firstBlock();
        QCOMPARE(formatAt(block, 1).foreground().color(), QColor("#4caf50"));
        QVERIFY(formatAt(block, 1).fontUnderline());
        QVERIFY(!isFormatted(block, 3));

        QSignalSpy hovered(&highlighter, &MarkdownHighlighter::markTextHovered);
        QSignalSpy activated(&highlighter, &MarkdownHighlighter::markTextActivated);
        highlighter.setHoveredPosition(2); // just after the word still counts
        highlighter.setHoveredPosition(4);
        highlighter.setHoveredPosition(-1);
        highlighter.setHoveredPosition(document.characterCount() + 5);
        QCOMPARE(hovered.count(), 4);
        QCOMPARE(hovered.at(0).at(0).toString(), QStringLiteral("林远"));
        QCOMPARE(hovered.at(1).at(0).toString(), QString());
        QCOMPARE(hovered.at(2).at(0).toString(), QString());
        QCOMPARE(hovered.at(3).at(0).toString(), QString());
        highlighter.clickedPosition(0);
        highlighter.clickedPosition(8);
        QCOMPARE(activated.at(0).at(0).toString(), QStringLiteral("林远"));
        QCOMPARE(activated.at(1).at(0).toString(), QString());

        highlighter.setUseMark(false);
        QVERIFY(!isFormatted(block, 1));
    }

    // ---- the editor page ------------------------------------------------------

    // The context objects the editor page binds to; returns the masking
    // front.
    static Subtle* setUpEngine(QQmlEngine& engine)
    {
        engine.addImportPath(QStringLiteral("qrc:///"));
        QQmlContext* context = engine.rootContext();
        global* g = global::instance();
        context->setContextProperty("qmlKey", new QmlKey(&engine));
        context->setContextProperty("g_theme", new LumoTheme(&engine));
        context->setContextProperty("functions", function::instance());
        context->setContextProperty("message", function::instance()->getMessage());
        context->setContextProperty("t", t::instance());
        context->setContextProperty("keys", new keys(&engine));
        context->setContextProperty("csettings", g->settings());
        context->setContextProperty("files", new files(&engine));
        context->setContextProperty("wordCountModel", data::instance()->wordCountModel());
        context->setContextProperty("cglobal", g);
        context->setContextProperty("g_data", data::instance());
        Subtle* subtle = new Subtle(&engine);
        context->setContextProperty("csubtle", subtle);
        return subtle;
    }

    // A window with an editor page (property editor) showing a file, loaded.
    static QQuickWindow* openPage(QQmlEngine& engine, const QString& path, int width, int height)
    {
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/page\"\n"
                                         "Window { width: %1; height: %2; visible: true\n"
                                         "  property alias editor: editor\n"
                                         "  LazyEdit { id: editor; anchors.fill: parent } }")
                              .arg(width)
                              .arg(height)
                              .toUtf8(),
            QUrl(QStringLiteral("qrc:/qml/page/editorxtest.qml")));
        auto* window = qobject_cast<QQuickWindow*>(component.create());
        if (!window) {
            qWarning() << component.errorString();
            return nullptr;
        }
        QObject* editor = window->property("editor").value<QObject*>();
        editor->setProperty("fileName", QUrl::fromLocalFile(path));
        QObject* document = editor->property("document").value<QObject*>();
        QElapsedTimer wait;
        wait.start();
        while (!document->property("textLoaded").toBool() && wait.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return window;
    }

    // The whole-document scroll bar of a 100 000-line book: shown, its
    // handle at least 0.05 long, following the view, and dragging it takes
    // the view to that place in the book.
    void wholeScrollBarOnLongBook()
    {
        QQmlEngine engine;
        setUpEngine(engine);
        QString book;
        for (int i = 0; i < 100000; ++i)
            book += QStringLiteral("第%1行，山河远阔，人间烟火。\n").arg(i);
        const QString path = writeFile(QDir::homePath() + "/long/book.txt", book.toUtf8());
        QScopedPointer<QQuickWindow> window(openPage(engine, path, 800, 600));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QObject* editor = window->property("editor").value<QObject*>();
        auto* document = qobject_cast<LazyTextDocument*>(editor->property("document").value<QObject*>());
        auto* bar = editor->findChild<QQuickItem*>("wholeBar");
        QVERIFY(document && bar);
        QCOMPARE(document->lineCount(), 100001);
        QTRY_VERIFY(bar->isVisible());
        const double size = bar->property("size").toDouble();
        QVERIFY2(size > 0 && size < 0.01, qPrintable(QString::number(size)));
        QCOMPARE(bar->property("visualSize").toDouble(), 0.05);
        QCOMPARE(bar->property("position").toDouble(), 0.0);

        // Scrolling the text moves the bar.
        auto* area = editor->property("textArea").value<QQuickItem*>();
        area->setProperty("contentY", 1500);
        QTRY_VERIFY(bar->property("position").toDouble() > 0);

        // Dragging the handle to the middle shows the middle of the book.
        const auto handleAt = [&](double position) {
            const double visual = position * (1 - 0.05) / (1 - size);
            return bar->mapToScene(QPointF(bar->width() / 2, (visual + 0.025) * bar->height())).toPoint();
        };
        const QPoint from = handleAt(bar->property("position").toDouble());
        const QPoint to = handleAt(0.5);
        QTest::mousePress(window.data(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(window.data(), from + (to - from) * step / 10);
        QTest::mouseRelease(window.data(), Qt::LeftButton, Qt::NoModifier, to);
        const double position = document->scrollPostion();
        QVERIFY2(qAbs(position - 0.5) < 0.01, qPrintable(QString::number(position)));
        QTRY_VERIFY(qAbs(bar->property("position").toDouble() - position) < 0.001);
        // The line at the view's top is the line at that position (the
        // cursor went there; the view may have moved by a line to show it).
        const int top = WindowMap::lineAt(position, document->lineCount());
        QVERIFY2(document->startLine() <= top && top <= document->endLine(),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(document->startLine()).arg(top).arg(document->endLine())));
        QVERIFY2(qAbs(document->cursorLineNumber() - top) <= 1, qPrintable(QString::number(document->cursorLineNumber())));
        const QRectF cursor = area->property("cursorRectangle").toRectF();
        const double contentY = area->property("contentY").toDouble();
        QVERIFY(cursor.y() >= contentY && cursor.y() < contentY + area->height());
    }

    void editorPageLoadsWithoutWarnings()
    {
        QQmlEngine engine;
        Subtle* subtle = setUpEngine(engine);
        global* g = global::instance();

        const QString folder = QDir::homePath() + "/page";
        writeFile(folder + "/a.txt", QStringLiteral("林远来了\n坏蛋\n").toUtf8());
        g_warnings.clear();
        g_previousHandler = qInstallMessageHandler(recordWarnings);
        QScopedPointer<QObject> window(openPage(engine, folder + "/a.txt", 900, 700));
        QVERIFY(window);
        QObject* editor = window->property("editor").value<QObject*>();
        QObject* document = editor->property("document").value<QObject*>();
        QVERIFY(document->property("textLoaded").toBool());

        QVERIFY(editor->property("markModel").value<QObject*>());
        QMetaObject::invokeMethod(editor, "showSubtle");
        QObject* sheet = editor->property("subtlePage").value<QObject*>();
        QTRY_VERIFY(sheet->property("visible").toBool());
        QVERIFY(sheet->property("text").toString().startsWith(QStringLiteral("林远来了")));

        // A masking result for this file is applied; one for another file
        // is not; a result for text edited meanwhile is not applied.
        Settings* settings = g->settings();
        settings->setSubtleType(2);
        settings->setSensitiveWords(SensitiveWords::escapeWord("坏蛋"));
        const QStringList before = QDir(global::historyPath()).entryList(QDir::Files);
        QMetaObject::invokeMethod(sheet, "doOk");
        QTRY_VERIFY(document->property("allText").toString().startsWith(QStringLiteral("林远来了\n**\n")));
        // The text before masking is in the history, as the sheet says.
        QStringList added = QDir(global::historyPath()).entryList(QDir::Files);
        for (const QString& name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QCOMPARE(QString::fromUtf8(readFile(global::historyPath() + "/" + added.first())), QStringLiteral("林远来了\n坏蛋\n"));
        emit subtle->subtleFinish(QStringLiteral("other"), QUrl::fromLocalFile(folder + "/b.txt"));
        QVERIFY(document->property("allText").toString().startsWith(QStringLiteral("林远来了")));
        editor->setProperty("subtleSentText", QStringLiteral("not the text any more"));
        emit subtle->subtleFinish(QStringLiteral("stale"), QUrl::fromLocalFile(folder + "/a.txt"));
        QVERIFY(document->property("allText").toString().startsWith(QStringLiteral("林远来了")));
        settings->setSubtleType(0);

        // The mark editor opens for a marked word and saves its note.
        QObject* model = editor->property("markModel").value<QObject*>();
        QMetaObject::invokeMethod(model, "setMark", Q_ARG(QString, "林远"), Q_ARG(QString, "#ff9800"), Q_ARG(QString, "主角"));
        QMetaObject::invokeMethod(editor, "openMark", Q_ARG(QVariant, QStringLiteral("林远")));
        QObject* panel = editor->property("markTextWidget").value<QObject*>();
        QTRY_VERIFY(panel->property("visible").toBool());
        QCOMPARE(panel->property("note").toString(), QStringLiteral("主角"));
        panel->setProperty("note", QStringLiteral("镇上的掌柜"));
        QMetaObject::invokeMethod(panel, "ok");
        QString note;
        QMetaObject::invokeMethod(model, "getNote", Q_RETURN_ARG(QString, note), Q_ARG(QString, "林远"));
        QCOMPARE(note, QStringLiteral("镇上的掌柜"));

        QTest::qWait(50);
        qInstallMessageHandler(g_previousHandler);
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
    }
};

PENLARK_TEST_MAIN(EditorExtrasTest)

#include "tst_editorx.moc"
