// Live counting: the counting rules, the chapter list, the word-count
// registry, the counting thread and the counting handler on plain documents.
#include "testenvironment.h"

#include "editorpage.h"
#include "mainengine.h"
#include "recount.h"

#include "chapter/autochaptermodel.h"
#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "data/global.h"
#include "data/settings.h"
#include "document/count.h"
#include "document/counthandler.h"
#include "document/lumocounter.h"
#include "support/userfile.h"
#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

const QStringList kDefaults = global::defaultChapterKeys();

QList<ChapterType> expectedChapters(const QStringList& lines) { return recountChapters(lines, kDefaults); }

wordsType recount(const QStringList& lines)
{
    wordsType sum;
    recountChapters(lines, kDefaults, &sum);
    return sum;
}

QString describe(const QList<ChapterType>& rows)
{
    QStringList parts;
    for (const ChapterType& c : rows)
        parts << QStringLiteral("(%1,%2,%3)").arg(c.displayText).arg(c.line).arg(c.wordNumber);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestCounting : public QObject
{
    Q_OBJECT

private:
    int m_fileNumber = 0;
    QQmlApplicationEngine m_engine;

    // A book in the real editor page, whose counting handler gets the
    // editor's signals in the editor's own order.
    CountHandler* openBook(EditorPage& page, const QString& text)
    {
        if (!page.open(&m_engine, QDir::homePath() + QStringLiteral("/books/page%1.txt").arg(++m_fileNumber), text))
            return nullptr;
        auto* handler = page.page->property("countHandler").value<CountHandler*>();
        return settle(handler) ? handler : nullptr;
    }

    QUrl newUrl() { return QUrl::fromLocalFile(QStringLiteral("/books/file%1.txt").arg(++m_fileNumber)); }

    CountHandler* newHandler(QTextDocument* doc, const QUrl& url)
    {
        auto* handler = new CountHandler(this);
        handler->counter()->setAutoDrain(false);
        handler->setTextDocument(doc);
        handler->setFileName(url);
        return handler;
    }

    static bool settle(CountHandler* handler)
    {
        QElapsedTimer t;
        t.start();
        while (!handler->counter()->isIdle()) {
            if (t.elapsed() > 20000)
                return false;
            QTest::qWait(1);
        }
        handler->counter()->doSentData();
        return true;
    }

    // Table, totals, registry figures and chapter list all match a count of
    // the document from scratch.
    static void verifyMatchesDocument(CountHandler* handler, const QTextDocument& doc)
    {
        const QStringList lines = documentLines(doc);
        const QList<wordsType> table = handler->counter()->table();
        QCOMPARE(table.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(table.at(i).sameCounts(count::countString(lines.at(i), false, kDefaults)),
                     qPrintable(QStringLiteral("line %1").arg(i)));
        const wordsType expected = recount(lines);
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(handler->fileName());
        QCOMPARE(counts->All(), expected.all());
        QCOMPARE(counts->Chars(), expected.Chars);
        QCOMPARE(counts->Words(), expected.Words);
        QCOMPARE(counts->Numbers(), expected.Numbers);
        QCOMPARE(counts->BC(), expected.BC);
        QCOMPARE(counts->Paragraphs(), expected.Paragraphs);
        QCOMPARE(counts->FullWidthSpace(), expected.FullWidthSpace);
        QCOMPARE(counts->HalfWidthSpace(), expected.HalfWidthSpace);
        QCOMPARE(counts->NoBc(), expected.all() - expected.BC);
        QCOMPARE(counts->NoSpace(), counts->NoBc());
        AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(handler->fileName());
        const QList<ChapterType> want = expectedChapters(lines);
        QVERIFY2(chapters->chapters() == want,
                 qPrintable(QStringLiteral("\n got %1\nwant %2").arg(describe(chapters->chapters()), describe(want))));
        QCOMPARE(chapters->count(), want.size());
    }

private slots:
    void initTestCase()
    {
        global::instance();
        QCOMPARE(kDefaults.size(), 13);
        setUpMainEngine(m_engine, &m_engine);
        global::instance()->settings()->setIsMakeupParagraphSpacing(false);
        global::instance()->settings()->setIsMakeupFirstLineIndentation(false);
    }

    // ---- counting rules -------------------------------------------------------------

    void countString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dialogue");
        QTest::addColumn<QStringList>("patterns");
        // Chars Words Numbers FullWidthSpace HalfWidthSpace BC Paragraphs
        QTest::addColumn<QVector<int>>("counts");
        QTest::addColumn<QString>("title");
        const QStringList d = kDefaults;
        const QString none;
        QTest::newRow("empty") << "" << false << d << QVector<int>{ 0, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("lone line feed") << "\n" << false << d << QVector<int>{ 0, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("empty line between") << "a\n\nb" << false << d << QVector<int>{ 0, 2, 0, 0, 0, 0, 2 } << none;
        QTest::newRow("leading break") << "\nb" << false << d << QVector<int>{ 0, 1, 0, 0, 0, 0, 2 } << none;
        QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b" << false << d
                                             << QVector<int>{ 0, 2, 0, 0, 0, 0, 2 } << none;
        // Characters the editor keeps as their UTF-8 bytes count as themselves; a stray byte as one character.
        const auto kept = [](std::initializer_list<ushort> bytes) { QString t; for (ushort b : bytes) t += QChar(ushort(0xdc00 | b)); return t; };
        QTest::newRow("kept paragraph separator") << "a" + kept({ 0xe2, 0x80, 0xa9 }) + "b" << false << d << QVector<int>{ 0, 2, 0, 0, 0, 0, 2 } << none;
        QTest::newRow("kept frame mark") << "a" + kept({ 0xef, 0xb7, 0x90 }) << false << d << QVector<int>{ 1, 1, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("stray kept bytes") << "a" + kept({ 0xe2, 0x80 }) + "b" << false << d << QVector<int>{ 2, 2, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("english") << "Hello, world!" << false << d << QVector<int>{ 0, 2, 0, 0, 1, 2, 1 } << none;
        QTest::newRow("ascii dots") << "..." << false << d << QVector<int>{ 0, 1, 0, 0, 0, 1, 1 } << none;
        QTest::newRow("full-width stops") << "。。。" << false << d << QVector<int>{ 3, 0, 0, 0, 0, 3, 1 } << none;
        QTest::newRow("mixed punctuation run") << "!。!" << false << d << QVector<int>{ 1, 2, 0, 0, 0, 3, 1 } << none;
        QTest::newRow("digits split words") << "abc123def" << false << d << QVector<int>{ 0, 2, 1, 0, 0, 0, 1 } << none;
        QTest::newRow("numbers and space") << "12 34" << false << d << QVector<int>{ 0, 0, 2, 0, 1, 1, 1 } << none;
        QTest::newRow("version text") << "Penlark 2.0 版本" << false << d << QVector<int>{ 2, 2, 2, 0, 2, 3, 1 } << none;
        QTest::newRow("tab and carriage return") << "a\tb\r" << false << d << QVector<int>{ 0, 1, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("indented dialogue") << "　　他说，“你好。”" << false << d << QVector<int>{ 8, 0, 0, 2, 0, 4, 1 } << none;
        QTest::newRow("full-width digits are characters") << "１２３" << false << d << QVector<int>{ 3, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("outside the basic plane") << QString::fromUtf8("\xF0\xA0\x80\x80") << false << d
                                                 << QVector<int>{ 2, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("default title") << "第一章 开始" << false << d << QVector<int>{ 5, 0, 0, 0, 1, 1, 1 } << "第一章 开始";
        QTest::newRow("title with colon") << "第12章：开端" << false << d << QVector<int>{ 5, 0, 1, 0, 0, 1, 1 } << "第12章：开端";
        QTest::newRow("no boundary after suffix") << "第一章风起" << false << d << QVector<int>{ 5, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("long title is cut") << "第一章 一二三四五六七八九十一二三四五六七八九十" << false << d
                                           << QVector<int>{ 23, 0, 0, 0, 1, 1, 1 } << "第一章 一二三四五六七八九十一二三四五六";
        QTest::newRow("markdown heading") << "# Title" << false << d << QVector<int>{ 0, 2, 0, 0, 1, 1, 1 } << "# Title";
        QTest::newRow("trimmed title") << "　　第二章 雨" << false << d << QVector<int>{ 4, 0, 0, 2, 1, 1, 1 } << "第二章 雨";
        QTest::newRow("dialogue full-width colon") << "张三：你好" << true << d << QVector<int>{ 2, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("dialogue ascii colons") << "a:b:c" << true << d << QVector<int>{ 0, 1, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("dialogue ascii first") << "他说：a:b" << true << d << QVector<int>{ 0, 1, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("dialogue drops title") << "第一章：开始" << true << d << QVector<int>{ 2, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("dialogue without colon") << "你好" << true << d << QVector<int>{ 2, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("dialogue off") << "张三：你好" << false << d << QVector<int>{ 5, 0, 0, 0, 0, 1, 1 } << none;
        const QStringList parts{ QStringLiteral("第*部分") };
        QTest::newRow("multi-unit suffix") << "第一部分 起源" << false << parts << QVector<int>{ 6, 0, 0, 0, 1, 1, 1 } << "第一部分 起源";
        QTest::newRow("multi-unit suffix run on") << "第一部分起源" << false << parts << QVector<int>{ 6, 0, 0, 0, 0, 0, 1 } << none;
        QTest::newRow("custom list skips defaults") << "第一章 开始" << false << parts << QVector<int>{ 5, 0, 0, 0, 1, 1, 1 } << none;
    }

    void countString()
    {
        QFETCH(QString, text);
        QFETCH(bool, dialogue);
        QFETCH(QStringList, patterns);
        QFETCH(QVector<int>, counts);
        QFETCH(QString, title);
        const wordsType r = count::countString(text, dialogue, patterns);
        const QVector<int> got{ r.Chars, r.Words, r.Numbers, r.FullWidthSpace, r.HalfWidthSpace, r.BC, r.Paragraphs };
        QCOMPARE(got, counts);
        QCOMPARE(r.title, title);
        QCOMPARE(r.Letters, 0);
        QCOMPARE(r.all(), r.Chars + r.Words + r.Numbers);
        QCOMPARE(r.noBc(), r.all() - r.BC);
        QCOMPARE(r.noSpace(), r.noBc());
        QCOMPARE(r.line, -1);
        QCOMPARE(r.chapterFront, -1);
    }

    void isChapterTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<bool>("title");
        const QStringList d = kDefaults;
        QTest::newRow("suffix at end") << "第十二章" << d << true;
        QTest::newRow("run-on text") << "第一章开始" << d << false;
        QTest::newRow("ascii colon") << "第一章:" << d << true;
        QTest::newRow("full-width colon") << "第一章：" << d << true;
        QTest::newRow("suffix too early") << "第章 x" << d << false;
        QTest::newRow("suffix at 12") << "第一二三四五六七八九十一章" << d << true;
        QTest::newRow("suffix at 13") << "第一二三四五六七八九十一二章" << d << false;
        QTest::newRow("plain prefix") << "Chapter One" << d << true;
        QTest::newRow("lower-case prefix") << "chapter 2" << d << true;
        QTest::newRow("case matters") << "CHAPTER 2" << d << false;
        QTest::newRow("traditional") << "第三話 夜" << d << true;
        QTest::newRow("surrounding spaces") << "  第一章 风起  " << d << true;
        QTest::newRow("empty first pattern") << "第一章" << QStringList{ "", "第*章" } << false;
        QTest::newRow("two placeholders") << "第一章x章" << QStringList{ "第*章*" } << false;
        QTest::newRow("trailing placeholder") << "第一章" << QStringList{ "第*" } << false;
        QTest::newRow("leading placeholder") << "上中卷" << QStringList{ "*卷" } << true;
        QTest::newRow("no patterns") << "第一章" << QStringList() << false;
        QTest::newRow("multi-unit suffix at end") << "第一部分" << QStringList{ "第*部分" } << true;
        QTest::newRow("multi-unit suffix colon") << "第十部分：x" << QStringList{ "第*部分" } << true;
        QTest::newRow("multi-unit suffix run on") << "第一部分x" << QStringList{ "第*部分" } << false;
    }

    void isChapterTitle()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, patterns);
        QFETCH(bool, title);
        QCOMPARE(count::isChapterTitle(text, patterns), title);
    }

    void isVolumeTitle()
    {
        QVERIFY(count::isVolumeTitle(QStringLiteral("Volume 1")));
        QVERIFY(count::isVolumeTitle(QStringLiteral(" 第一卷 出发")));
        QVERIFY(count::isVolumeTitle(QStringLiteral("第十二部")));
        QVERIFY(!count::isVolumeTitle(QStringLiteral("第一二三四五卷")));
        QVERIFY(!count::isVolumeTitle(QStringLiteral("卷一")));
        QVERIFY(!count::isVolumeTitle(QStringLiteral("volume 1")));
    }

    // ---- chapter list ------------------------------------------------------------------

    void chapterRolesAndLookups()
    {
        AutoChapterModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE(roles.value(356), QByteArray("displayText"));
        QCOMPARE(roles.value(357), QByteArray("line"));
        QCOMPARE(roles.value(358), QByteArray("wordNumber"));
        QCOMPARE(model.getIndexByLine(3), -1);

        wordsType body = count::countString(QStringLiteral("正文"), false, kDefaults);
        model.update(0, wordsType(), body);
        QCOMPARE(model.chapters(), (QList<ChapterType>{ { "", 0, 2 } }));

        QList<wordsType> lines;
        for (const char* s : { "第一章 起", "一二三", "第二章 承", "四五" }) {
            lines.append(count::countString(QString::fromUtf8(s), false, kDefaults));
        }
        lines[0].chapterFront = 2;
        lines[2].chapterFront = 7;
        model.insertList(1, lines);
        QCOMPARE(model.chapters(), (QList<ChapterType>{ { "", 0, 2 }, { "第一章 起", 1, 7 }, { "第二章 承", 3, 6 } }));
        QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("第一章 起"));
        QCOMPARE(model.data(model.index(2, 0), AutoChapterModel::LineRole).toInt(), 3);
        QVERIFY(!model.data(model.index(5, 0), AutoChapterModel::LineRole).isValid());
        QVERIFY(!model.item(3) && !model.item(-1));

        QCOMPARE(model.getIndexByLine(-5), 0);
        QCOMPARE(model.getIndexByLine(0), 0);
        QCOMPARE(model.getIndexByLine(2), 1);
        QCOMPARE(model.getIndexByLine(3), 2);
        QCOMPARE(model.getIndexByLine(99), 2);
        for (int line = 0; line < 6; ++line)
            QCOMPARE(model.getIndexByLine(line), model.checkGetIndexByLine(line));
        model.setCurrentIndexByLine(4);
        QCOMPARE(model.currentIndex(), 2);
    }

    void chapterShiftsAreBatched()
    {
        AutoChapterModel model;
        QList<wordsType> lines;
        for (const char* s : { "第一章 起", "甲", "第二章 承", "乙", "第三章 转" })
            lines.append(count::countString(QString::fromUtf8(s), false, kDefaults));
        for (int i = 0; i < lines.size(); ++i)
            lines[i].line = i;
        model.appendList(lines);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        // Two plain lines inserted in the first chapter move the later ones.
        model.insertList(2, { count::countString(QStringLiteral("丙"), false, kDefaults),
                              count::countString(QStringLiteral("丁"), false, kDefaults) });
        QCOMPARE(model.item(1)->line, 4);
        QCOMPARE(model.item(2)->line, 6);
        const int immediate = changed.size();
        model.doDataChanged();
        QCOMPARE(changed.size(), immediate + 1);
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.last().at(1).toModelIndex().row(), 2);
        model.doDataChanged();
        QCOMPARE(changed.size(), immediate + 1);
    }

    void chapterReentryIsDropped()
    {
        AutoChapterModel model;
        const wordsType body = count::countString(QStringLiteral("正文"), false, kDefaults);
        bool entered = false;
        connect(&model, &QAbstractItemModel::modelReset, &model, [&] {
            entered = true;
            model.update(0, wordsType(), body); // re-entered while the lock is held
        });
        model.appendList({ body, body });
        QVERIFY(entered);
        QCOMPARE(model.chapters(), (QList<ChapterType>{ { "", 0, 4 } }));
    }

    void chapterRowOperationsAreBoundsChecked()
    {
        // Nonsense records (lines far away, titles without rows) must never
        // crash the list or break the item-model contract.
        AutoChapterModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator rng(7);
        const QStringList texts{ "第一章 甲", "正文内容", "", "Chapter 9", "第二章 乙" };
        for (int i = 0; i < 400; ++i) {
            wordsType rec = count::countString(texts.at(rng.bounded(texts.size())), false, kDefaults);
            rec.chapterFront = rng.bounded(-1, 50);
            const int line = rng.bounded(-3, 40);
            QList<wordsType> list;
            for (int k = rng.bounded(1, 4); k > 0; --k)
                list.append(rec);
            switch (rng.bounded(6)) {
            case 0: model.update(line, rec, count::countString(texts.at(rng.bounded(texts.size())), false, kDefaults)); break;
            case 1: model.insertList(line, list); break;
            case 2: model.appendList(list); break;
            case 3: model.removeList(line, list); break;
            case 4: model.doDataChanged(); break;
            default: if (rng.bounded(10) == 0) model.resetList(); break;
            }
            QCOMPARE(model.count(), model.rowCount());
        }
    }

    // ---- word-count registry --------------------------------------------------------------

    void registry()
    {
        WordCountModel registry;
        const QUrl a = newUrl();
        const QUrl b = newUrl();
        WordsTypeClass* standby = registry.currentCountClass();
        QVERIFY(standby && registry.currentAutoChapterModel());
        QCOMPARE(standby->All(), -1);
        QCOMPARE(registry.countClass(a), registry.countClass(a));

        QStringList order;
        connect(&registry, &WordCountModel::currentCountClassChanged, this, [&] { order << "count"; });
        connect(&registry, &WordCountModel::currentAutoChapterModelChanged, this, [&] { order << "chapters"; });
        connect(&registry, &WordCountModel::currentFileChanged, this, [&] { order << "file"; });
        registry.setCurrentFile(a);
        QCOMPARE(order, (QStringList{ "count", "chapters", "file" }));
        registry.setCurrentFile(a);
        QCOMPARE(order.size(), 3);
        QCOMPARE(registry.currentCountClass(), registry.countClass(a));

        // Closing a background file leaves the current one alone.
        registry.countClass(b)->setAll(5);
        registry.closeFile(b);
        QCOMPARE(registry.currentCountClass(), registry.countClass(a));

        global::instance()->setIsCurrentEdit(true);
        global::instance()->setIsCurrentEdit(false);
        QCOMPARE(registry.currentCountClass(), standby);
        global::instance()->setIsCurrentEdit(true);
        QCOMPARE(registry.currentCountClass(), registry.countClass(a));
        QCOMPARE(registry.currentAutoChapterModel(), registry.autoChapterModel(a));

        QPointer<WordsTypeClass> closed = registry.countClass(a);
        registry.closeFile(a);
        QCOMPARE(registry.currentCountClass(), standby);
        QCOMPARE(registry.currentFile(), a);
        QTRY_VERIFY(closed.isNull());
        QVERIFY(registry.countClass(b) != nullptr);
        QCOMPARE(registry.countClass(b)->All(), -1);
    }

    // ---- counting handler and thread ----------------------------------------------------

    void typingAndLineBreaks()
    {
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        QTextCursor cursor(&doc);
        cursor.insertText(QStringLiteral("第1章 开始\n　　今天天气很好。\n第2章 下雨\n雨下了一整天。"));
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);

        // Enter inside a line, a backspace at a line start, a paste of three
        // lines into the middle of a line, a selection of four lines deleted.
        cursor.setPosition(doc.findBlockByNumber(1).position() + 4);
        cursor.insertText(QStringLiteral("\n"));
        cursor.setPosition(doc.findBlockByNumber(2).position());
        cursor.deletePreviousChar();
        cursor.setPosition(doc.findBlockByNumber(1).position() + 3);
        cursor.insertText(QStringLiteral("甲\n第9章 插入\n乙"));
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        cursor.setPosition(doc.findBlockByNumber(0).position() + 2);
        cursor.setPosition(doc.findBlockByNumber(3).position() + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        handler->exit();
    }

    void sameLengthReplacements()
    {
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        QTextCursor cursor(&doc);
        cursor.insertText(QStringLiteral("a\nb\n第一章 甲\n正文"));
        QVERIFY(settle(handler));
        // A line break replaced by text of the same length.
        cursor.setPosition(0);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("xyz"));
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        // Two lines replaced by two lines: the second one changes its title.
        cursor.setPosition(0);
        cursor.setPosition(doc.findBlockByNumber(1).position() + 3, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("abc\n第二章"));
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        QCOMPARE(data::instance()->wordCountModel()->autoChapterModel(handler->fileName())->item(1)->displayText,
                 QStringLiteral("第二章 甲"));

        // A change of format only is not counted at all.
        QSignalSpy updates(handler->counter(), &LumoCounter::update);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.select(QTextCursor::Document);
        cursor.mergeCharFormat(bold);
        QVERIFY(settle(handler));
        QCOMPARE(updates.size(), 0);
        verifyMatchesDocument(handler, doc);
        handler->exit();
    }

    void randomEditsMatchRecount()
    {
        QTextDocument doc;
        const QUrl url = newUrl();
        CountHandler* handler = newHandler(&doc, url);
        QAbstractItemModelTester tester(data::instance()->wordCountModel()->autoChapterModel(url),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // SEED and STEPS may be set for longer runs by hand.
        QRandomGenerator rng(qEnvironmentVariableIntValue("SEED") ? qEnvironmentVariableIntValue("SEED") : 20240611);
        const QStringList snippets{ "第%1章 风起", "　　他说：“走吧。”", "Chapter %1", "hello 42 world", "", "。。。",
                                  "# 标题", "第%1章", "正文正文正文", "第十章 无数字" };
        auto snippet = [&] {
            return QString(snippets.at(rng.bounded(snippets.size()))).replace(QStringLiteral("%1"), QString::number(rng.bounded(100)));
        };
        auto randomText = [&](int maxLines) {
            QStringList lines;
            for (int i = rng.bounded(1, maxLines + 1); i > 0; --i)
                lines << snippet();
            return lines.join(QLatin1Char('\n'));
        };
        QTextCursor cursor(&doc);
        cursor.insertText(randomText(30));
        for (int step = 0, steps = qEnvironmentVariableIntValue("STEPS") ? qEnvironmentVariableIntValue("STEPS") : 400; step < steps; ++step) {
            // Positions are often line starts: whole lines are cut, titles
            // move to line 0, lines join at their start.
            const int size = doc.characterCount() - 1;
            const int blocks = doc.blockCount();
            const int startLine = rng.bounded(2) ? rng.bounded(qMin(blocks, 3)) : rng.bounded(blocks);
            const int a = rng.bounded(3) == 0 ? doc.findBlockByNumber(startLine).position() : rng.bounded(size + 1);
            const int aLine = doc.findBlock(a).blockNumber();
            const int b = rng.bounded(3) == 0 && aLine + 1 < blocks
                ? doc.findBlockByNumber(qMin(blocks - 1, aLine + 1 + rng.bounded(5))).position()
                : qMin(size, a + rng.bounded(40));
            cursor.setPosition(a);
            switch (rng.bounded(7)) {
            case 0: // typing
                cursor.insertText(QString(QChar(0x4E00 + rng.bounded(100))));
                break;
            case 1: // Enter
                cursor.insertText(QStringLiteral("\n"));
                break;
            case 2: // delete a range, across lines or not (while the text is long enough)
                cursor.setPosition(b, QTextCursor::KeepAnchor);
                if (blocks > 20)
                    cursor.removeSelectedText();
                else
                    cursor.insertText(randomText(12));
                break;
            case 3: { // same-length replacement, line breaks included
                cursor.setPosition(b, QTextCursor::KeepAnchor);
                QString text = randomText(3).left(b - a);
                while (text.size() < b - a)
                    text.append(QLatin1Char('x'));
                cursor.insertText(text);
                break;
            }
            case 4: // multi-line paste, over a selection or not
                if (rng.bounded(2))
                    cursor.setPosition(b, QTextCursor::KeepAnchor);
                cursor.insertText(randomText(8));
                break;
            case 5: // a title typed at a line start
                cursor.movePosition(QTextCursor::StartOfBlock);
                cursor.insertText(QStringLiteral("第%1章 ").arg(rng.bounded(100)));
                break;
            default: // undo, or the whole text replaced
                if (rng.bounded(20) == 0)
                    doc.setPlainText(randomText(20));
                else if (doc.isUndoAvailable())
                    doc.undo();
                break;
            }
            // Hand-overs also happen while the thread is still counting.
            if (rng.bounded(4) == 0)
                handler->counter()->doSentData();
            if (step % 50 == 49) {
                QVERIFY(settle(handler));
                verifyMatchesDocument(handler, doc);
            }
        }
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);

        // A second handler counting the final text from scratch agrees.
        QTextDocument copy;
        copy.setPlainText(doc.toPlainText());
        CountHandler* fresh = newHandler(&copy, newUrl());
        QVERIFY(settle(fresh));
        QCOMPARE(data::instance()->wordCountModel()->autoChapterModel(fresh->fileName())->chapters(),
                 data::instance()->wordCountModel()->autoChapterModel(url)->chapters());
        fresh->exit();
        handler->exit();
    }

    void twoDocumentsAtOnce()
    {
        QTextDocument first;
        QTextDocument second;
        CountHandler* a = newHandler(&first, newUrl());
        CountHandler* b = newHandler(&second, newUrl());
        QTextCursor ca(&first);
        QTextCursor cb(&second);
        for (int i = 0; i < 200; ++i) {
            ca.insertText(QStringLiteral("第%1章 甲\n正文。\n").arg(i));
            cb.insertText(QStringLiteral("line %1 words\n").arg(i));
        }
        QVERIFY(settle(a));
        QVERIFY(settle(b));
        verifyMatchesDocument(a, first);
        verifyMatchesDocument(b, second);

        // Closing the background tab clears its own chapter list only.
        WordCountModel* registry = data::instance()->wordCountModel();
        registry->setCurrentFile(a->fileName());
        QPointer<CountHandler> closing = b;
        AutoChapterModel* bChapters = registry->autoChapterModel(b->fileName());
        b->exit();
        QCOMPARE(bChapters->rowCount(), 0);
        QCOMPARE(registry->currentAutoChapterModel()->rowCount(), 200);
        QTRY_VERIFY(closing.isNull());
        a->exit();
    }

    // Each hand-over reports the document's total to the statistics under
    // its path within the document folder; a renamed document under its new one.
    void totalsReachStatisticsUnderDocumentKey()
    {
        const QString folder = global::documentPath();
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, QUrl::fromLocalFile(folder + QStringLiteral("/book/keyed.txt")));
        handler->setInited(true); // the editor's text is loaded
        QTextCursor cursor(&doc);
        cursor.insertText(QStringLiteral("第1章 开始\n今天天气很好。"));
        QVERIFY(settle(handler));
        const int total = recount(documentLines(doc)).all();
        QVERIFY(total > 0);
        QCOMPARE(data::instance()->fileDayCount().now.value(QStringLiteral("book/keyed.txt"), -1), total);

        handler->setFileName(QUrl::fromLocalFile(folder + QStringLiteral("/book/renamed.txt")));
        cursor.insertText(QStringLiteral("又一句。"));
        QVERIFY(settle(handler));
        const int after = recount(documentLines(doc)).all();
        QVERIFY(after > total);
        QCOMPARE(data::instance()->fileDayCount().now.value(QStringLiteral("book/renamed.txt"), -1), after);
        QCOMPARE(data::instance()->fileDayCount().now.value(QStringLiteral("book/keyed.txt"), -1), total);
        handler->exit();
    }

    // A cursor placed before the text is counted (as when a book opens at
    // its stored position) gets its figures once the text is counted.
    void cursorPlacedBeforeTextIsCounted()
    {
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(handler->fileName());
        handler->setCursorLinePreText(QStringLiteral("四"));
        handler->setcursorLinePostion(1);
        handler->setCursorLineNumber(3);
        QVERIFY(settle(handler));
        // The editor loads a file into its whole document silently and then
        // announces that everything was replaced.
        doc.blockSignals(true);
        doc.setPlainText(QStringLiteral("序言\n第1章 甲\n一二三\n四五\n第3章 乙\n六"));
        doc.blockSignals(false);
        emit doc.contentsChange(0, -1, doc.characterCount());
        handler->setInited(true);
        QVERIFY(settle(handler));
        QCOMPARE(counts->Front(), 2 + 4 + 3 + 1);
        QCOMPARE(counts->thisChapterWords(), 4 + 3 + 2);
        handler->exit();
    }

    void cursorSelectionAndChapterSelection()
    {
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(handler->fileName());
        bool offThread = false;
        for (auto signal : { &WordsTypeClass::FrontChanged, &WordsTypeClass::SelectionChanged,
                             &WordsTypeClass::thisChapterWordsChanged, &WordsTypeClass::AllChanged }) {
            connect(counts, signal, this, [&] { offThread = offThread || QThread::currentThread() != qApp->thread(); },
                    Qt::DirectConnection);
        }

        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        handler->selectThisChapter();
        QCOMPARE(notices.size(), 1); // not loaded yet

        doc.setPlainText(QStringLiteral("序言\n第1章 甲\n一二三\n四五\n第3章 乙\n六"));
        handler->setInited(true);
        handler->setCursorLinePreText(QStringLiteral("四"));
        handler->setcursorLinePostion(1);
        handler->setCursorLineNumber(3);
        handler->setSelectedText(QStringLiteral("一二三 abc"));
        QVERIFY(settle(handler));
        QCOMPARE(counts->Front(), 2 + 4 + 3 + 1);
        QCOMPARE(counts->thisChapterIndex(), 3);
        QCOMPARE(counts->thisChapterWords(), 4 + 3 + 2);
        QCOMPARE(counts->Selection(), 4);
        QVERIFY(!offThread);
        QCOMPARE(data::instance()->wordCountModel()->autoChapterModel(handler->fileName())->currentIndex(), 1);

        QSignalSpy selected(handler, &CountHandler::selectLine);
        handler->selectThisChapter();
        handler->selectThisChapter();
        QCOMPARE(selected.size(), 2); // one selection per request
        QCOMPARE(selected.last(), (QVariantList{ 1, 4 }));
        handler->setCursorLineNumber(0);
        handler->selectThisChapter();
        QCOMPARE(selected.last(), (QVariantList{ 0, 1 }));
        handler->setCursorLineNumber(40);
        handler->selectThisChapter();
        QCOMPARE(selected.last(), (QVariantList{ -1, -1 }));
        handler->exit();
    }

    void nextTitleNumber()
    {
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        doc.setPlainText(QStringLiteral("第一章 起\n正文\n第3章 承\n正文\n正文\n第十章 无\n正文"));
        QCOMPARE(handler->getNextTitleNumber(4), 4);
        QCOMPARE(handler->getNextTitleNumber(6), 4); // Chinese numerals are passed over
        QCOMPARE(handler->getNextTitleNumber(2), 1);
        QCOMPARE(handler->getNextTitleNumber(0), 1);
        QCOMPARE(handler->getNextTitleNumber(99), 1);
        handler->exit();
    }

    void counterOperations()
    {
        // Operations the editor does not send in practice, straight on the counter.
        QTextDocument doc;
        CountHandler* handler = newHandler(&doc, newUrl());
        LumoCounter* counter = handler->counter();
        AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(handler->fileName());
        QSignalSpy resets(counter, &LumoCounter::resetList);

        // A whole-list count is not dropped for a cursor move queued after it.
        counter->setList({ QStringLiteral("第1章 甲"), QStringLiteral("正文"), QStringLiteral("第2章 乙") });
        counter->setCursorPostion(QString(), 0, 1);
        QVERIFY(settle(handler));
        QCOMPARE(counter->table().size(), 3);
        QCOMPARE(chapters->chapters(), (QList<ChapterType>{ { "第1章 甲", 0, 6 }, { "第2章 乙", 2, 4 } }));
        QCOMPARE(chapters->currentIndex(), 0);

        // Removing every line one by one leaves one empty line; a removal
        // outside the table changes nothing.
        counter->remove(7);
        counter->remove(2);
        counter->remove(0);
        counter->remove(0);
        QVERIFY(settle(handler));
        QCOMPARE(counter->table().size(), 1);
        QCOMPARE(counter->total().all(), 0);
        QCOMPARE(chapters->chapters(), (QList<ChapterType>{ { "", 0, 0 } }));

        counter->removeAll();
        QVERIFY(settle(handler));
        QVERIFY(counter->table().isEmpty());
        QVERIFY(resets.size() >= 2);
        QCOMPARE(chapters->rowCount(), 0);
        QCOMPARE(data::instance()->wordCountModel()->countClass(handler->fileName())->All(), 0);

        // The loaded mark: set by a whole-list count, cleared and set again.
        QVERIFY(counter->isInited());
        counter->setInitState(false);
        QVERIFY(settle(handler));
        QVERIFY(!counter->isInited());
        counter->setUpdate(QStringLiteral("字"), 0, true);
        QVERIFY(settle(handler));
        QVERIFY(counter->isInited());
        handler->exit();
    }

    void documentBoundAfterLoading()
    {
        // A document that already holds text is counted as it is.
        QTextDocument doc;
        doc.documentLayout();
        doc.setPlainText(QStringLiteral("第1章 甲\n正文\n第2章 乙"));
        CountHandler* handler = newHandler(&doc, newUrl());
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        handler->exit();
    }

    // A paragraph separator read from a file (kept as its bytes) counts as the line break it was.
    void keptParagraphSeparatorCountsAsABreak()
    {
        EditorPage page;
        CountHandler* handler = openBook(page, QStringLiteral("第1章 甲\u2029乙丙 ab\n第2章 丁"));
        QVERIFY(handler);
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(handler->fileName());
        const QString text = documentLines(*page.document->property("allTextDocument").value<QTextDocument*>()).join('\n');
        const QString kept = QStringLiteral("\xdce2\xdc80\xdca9");
        QVERIFY(text.contains(kept));
        const wordsType want = recount(QString(text).replace(kept, QStringLiteral("\n")).split('\n'));
        QCOMPARE(QVector<int>({ counts->All(), counts->Chars(), counts->Words(), counts->Paragraphs() }),
                 QVector<int>({ want.all(), want.Chars, want.Words, want.Paragraphs }));
    }

    // A whole text counted (a book just opened) is handed over at once, not
    // at the drain's next tick: with the drain's timer stopped, the chapter
    // list and the totals still arrive.
    // A keystroke's line update and cursor move wake the counting thread
    // once, when the event that queued them is done; with no event loop
    // running, every operation wakes it at once.
    void keystrokeWakesCounterOnce()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("第1章 甲\n正文"));
        CountHandler* handler = newHandler(&doc, newUrl());
        QVERIFY(settle(handler));
        LumoCounter* counter = handler->counter();
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);

        int before = counter->wakes();
        cursor.insertText(QStringLiteral("字"));
        QCOMPARE(counter->wakes(), before + 1);
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);

        before = counter->wakes();
        int duringEvent = -1;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            cursor.insertText(QStringLiteral("书"));
            handler->setCursorLinePreText(QStringLiteral("正文字书"));
            handler->setCursorLineNumber(1);
            handler->setcursorLinePostion(4);
            duringEvent = counter->wakes();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        QCOMPARE(duringEvent, before);
        QCOMPARE(counter->wakes(), before + 1);
        QVERIFY(settle(handler));
        verifyMatchesDocument(handler, doc);
        handler->exit();
    }

    // Dialogue counting switched on counts the open documents again at once,
    // and the statistics take the new count for no writing.
    void countingRulesRecountOpenDocuments()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("张三：你好吗\n李四：好"));
        CountHandler* handler = newHandler(&doc, newUrl());
        handler->setInited(true);
        QVERIFY(settle(handler));
        const auto reset = qScopeGuard([] { global::instance()->settings()->setIsWordCountChart(false); });
        global::instance()->settings()->setIsWordCountChart(true);
        QVERIFY(settle(handler));
        QCOMPARE(data::instance()->wordCountModel()->countClass(handler->fileName())->All(), 4);
        QCOMPARE(data::instance()->fileDayCount().initi.value(data::fileKey(handler->fileName().toLocalFile())), 4);
        handler->exit();
    }

    // The chapter figure and the words before the cursor after every key,
    // Enter and paste in the real editor, which reports the cursor before
    // the change that moved it.
    void figuresAfterEveryKey()
    {
        EditorPage page;
        CountHandler* handler = openBook(page, QStringLiteral("第1章 开始\n正文一二三\n第2章 下雨\n雨下了一整天。"));
        QVERIFY(handler);
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(handler->fileName());
        QGuiApplication::clipboard()->setText(QStringLiteral("戊\n第9章 己\n庚"));
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const struct { Qt::Key key; QString text; Qt::KeyboardModifiers modifiers; } keys[] = {
            { Qt::Key_Home, {}, Qt::ControlModifier }, { Qt::Key_Down, {}, none }, { Qt::Key_End, {}, none },
            { Qt::Key_unknown, "甲", none }, { Qt::Key_unknown, "乙", none }, { Qt::Key_Return, "\r", none },
            { Qt::Key_unknown, "丙", none }, { Qt::Key_Backspace, {}, none }, { Qt::Key_Backspace, {}, none },
            { Qt::Key_V, "\x16", Qt::ControlModifier }, { Qt::Key_Return, "\r", none }, { Qt::Key_unknown, "丁", none } };
        QStringList lines;
        for (const auto& k : keys) {
            QTest::sendKeyEvent(QTest::Click, page.window.data(), k.key, k.text, k.modifiers);
            QVERIFY(settle(handler));
            lines = documentLines(*page.document->property("allTextDocument").value<QTextDocument*>());
            const int line = page.document->property("cursorLineNumber").toInt();
            int chapter = 0;
            for (const ChapterType& c : expectedChapters(lines))
                chapter = c.line <= line ? c.wordNumber : chapter;
            QCOMPARE(counts->thisChapterWords(), chapter);
            const QString before = lines.at(line).left(page.document->property("cursorLinePostion").toInt());
            QCOMPARE(counts->Front(), recount(lines.mid(0, line) << before).all());
        }
        QCOMPARE(lines.join(QLatin1Char('/')), QStringLiteral("第1章 开始/正文一二三甲乙戊/第9章 己/庚/丁/第2章 下雨/雨下了一整天。/"));
    }

    // Typed words count, a paste only by result; a text read again or counted by new rules counts nothing, lock unmoved.
    void writingCounted_data()
    {
        QTest::addColumn<bool>("byResult");
        QTest::addColumn<QString>("change");
        for (const bool byResult : { false, true })
            for (const char* change : { "typed", "typed as the load ends", "pasted", "written by another program or a sync",
                                        "synced into the closed book", "rules changed while closed" })
                QTest::addRow("%s%s", change, byResult ? ", by result" : "") << byResult << QString(change);
    }

    void writingCounted()
    {
        QFETCH(bool, byResult);
        QFETCH(QString, change);
        const bool typed = change.startsWith(QLatin1String("typed"));
        Settings* settings = global::instance()->settings();
        settings->setIsWordCountWordResult(byResult);
        settings->setIsWordCountChart(true);
        data* store = data::instance();
        store->setLockWord(100);
        const auto reset = qScopeGuard([settings, store] { settings->setIsWordCountWordResult(false), store->setLockWord(0); });
        const QString path = QDir::homePath() + QStringLiteral("/books/written%1.txt").arg(++m_fileNumber);
        const QString text = QStringLiteral("第1章 开始\n张三：你好吗\n"), outside = text + QString(30, QChar(0x6587));
        QScopedPointer<EditorPage> page(new EditorPage);
        const auto finishWindow = [&page, store] {
            QVERIFY(settle(page->page->property("countHandler").value<CountHandler*>()));
            do QMetaObject::invokeMethod(store, "heartBeat"); while (store->updateTime() != 20);
        };
        QVERIFY(page->open(&m_engine, path, text));
        if (change != QLatin1String("typed as the load ends"))
            finishWindow();
        const int before = store->todayData()->words();
        if (typed) {
            for (const char* key : { "甲", "乙", "丙" })
                QTest::sendKeyEvent(QTest::Click, page->window.data(), Qt::Key_unknown, QString::fromUtf8(key), Qt::NoModifier);
        } else if (change == QLatin1String("pasted")) {
            QGuiApplication::clipboard()->setText(QString(55, QChar(0x5b57)));
            QTest::sendKeyEvent(QTest::Click, page->window.data(), Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        } else if (change.startsWith(QLatin1String("written"))) {
            QTest::qWait(20); // a later modification time than the load's
            QVERIFY(UserFile::write(path, outside.toUtf8()));
            QTRY_VERIFY_WITH_TIMEOUT(page->document->property("allTextDocument").value<QTextDocument*>()->toPlainText().contains(outside), 20000);
        } else {
            page.reset();
            settings->setIsWordCountChart(!change.startsWith(QLatin1String("rules")));
            page.reset(new EditorPage);
            QVERIFY(page->open(&m_engine, path, change.startsWith(QLatin1String("rules")) ? text : outside));
        }
        finishWindow();
        QCOMPARE(store->todayData()->words() - before, typed ? 3 : change == QLatin1String("pasted") && byResult ? 55 : 0);
        QCOMPARE(store->lockWord(), typed ? 97 : 100);
    }

    void wholeCountHandedOverAtOnce()
    {
        QTextDocument doc;
        doc.documentLayout();
        doc.setPlainText(QStringLiteral("第1章 甲\n正文\n第2章 乙\n又一行"));
        auto* handler = new CountHandler(this);
        auto* drain = handler->counter()->findChild<QTimer*>(QStringLiteral("sendTimer"));
        QVERIFY(drain);
        drain->stop();
        const QUrl url = newUrl();
        handler->setTextDocument(&doc);
        handler->setFileName(url);
        AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(url);
        QTRY_COMPARE(chapters->count(), 2);
        QTRY_VERIFY(handler->counter()->isIdle());
        QCoreApplication::processEvents();
        verifyMatchesDocument(handler, doc);

        // Typing afterwards (its operations wait a moment for the counting
        // thread) reaches the figures through the live drain.
        drain->start();
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        for (const QString& piece : { QStringLiteral("\n第3章 丙"), QStringLiteral("\n再一行"), QStringLiteral("字") })
            cursor.insertText(piece);
        const int expected = recount(documentLines(doc)).all();
        WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(url);
        QTRY_COMPARE(counts->All(), expected);
        QTRY_COMPARE(chapters->count(), 3);
        QTRY_VERIFY(handler->counter()->isIdle());
        handler->counter()->doSentData(); // whatever the last tick left
        verifyMatchesDocument(handler, doc);
        handler->exit();
    }
};

PENLARK_TEST_MAIN(TestCounting)
#include "tst_counting.moc"
