// Live counting on a generated 20 MB Chinese book: full count throughput
// against a plain UTF-16 scan, time from opening to a complete chapter list,
// and 30 s of typing at 20 characters/s with 50 KB pastes and 10 000-line
// deletes, timing every 500 ms hand-over on the GUI thread and comparing the
// end result with a full recount. One figure a line: "name: value unit".
#include "chapter/autochaptermodel.h"
#include "chapter/wordcountmodel.h"
#include "chapter/wordstypeclass.h"
#include "data/data.h"
#include "data/global.h"
#include "document/count.h"
#include "document/counthandler.h"
#include "document/lumocounter.h"
#include "TovaUi/function/function.h"

#include "../tests/counting/recount.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 kBookBytes = 20 * 1000 * 1000;

void figure(const char* name, double value, const char* unit)
{
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(msg));
}

QString randomParagraph(QRandomGenerator& rng)
{
    static const QString punctuation = QStringLiteral("，，，。。！？、；：“”…—");
    QString p = QStringLiteral("　　");
    const int length = rng.bounded(40, 200);
    for (int i = 0; i < length; ++i) {
        const int r = rng.bounded(100);
        if (r < 8)
            p.append(punctuation.at(rng.bounded(punctuation.size())));
        else if (r == 8)
            p.append(QString::number(rng.bounded(2000)));
        else if (r == 9)
            p.append(QStringLiteral(" Penlark "));
        else
            p.append(QChar(0x4E00 + rng.bounded(0x5000)));
    }
    return p;
}

// Chapters "第N章 ..." with paragraphs of Chinese text, about `bytes` of UTF-8.
QByteArray generateBook(qint64 bytes, QRandomGenerator& rng)
{
    QByteArray out;
    out.reserve(int(bytes + 4096));
    int chapter = 1;
    while (out.size() < bytes) {
        out += QStringLiteral("第%1章 风起云涌之时\n").arg(chapter++).toUtf8();
        for (int i = rng.bounded(30, 80); i > 0; --i) {
            out += randomParagraph(rng).toUtf8();
            out += '\n';
        }
    }
    return out;
}

void waitIdle(CountHandler* handler)
{
    while (!handler->counter()->isIdle())
        QThread::msleep(1);
}

} // namespace

int main(int argc, char* argv[])
{
    // Keep the data folder and settings of this run in a temporary home.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietDebug);
    QApplication app(argc, argv);
    global::instance();
    const QStringList patterns = count::chapterPatterns();
    const int typingSeconds = qEnvironmentVariableIsSet("TYPING_SECONDS") ? qEnvironmentVariableIntValue("TYPING_SECONDS") : 30;

    // The book, written to and read back from a temporary folder.
    QRandomGenerator rng(42);
    const QString bookPath = home.path() + QStringLiteral("/book.txt");
    {
        QFile f(bookPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(generateBook(kBookBytes, rng)) < 0)
            return 1;
    }
    QFile bookFile(bookPath);
    if (!bookFile.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = bookFile.readAll();
    const QString book = function::decodeText(bytes);
    const double megabytes = bytes.size() / 1e6;
    figure("book_size", megabytes, "MB");
    const QStringList bookLines = book.split(QLatin1Char('\n'));
    figure("book_lines", bookLines.size(), "lines");

    // Full count of every line against a plain UTF-16 scan of the same text.
    {
        QElapsedTimer t;
        double best = 1e9;
        wordsType sum;
        for (int round = 0; round < 3; ++round) {
            t.start();
            sum = wordsType();
            for (const QString& line : bookLines)
                sum.add(count::countString(line, false, patterns));
            best = std::min(best, t.nsecsElapsed() / 1e9);
        }
        double scanBest = 1e9;
        volatile int sink = 0;
        for (int round = 0; round < 3; ++round) {
            t.start();
            int wide = 0;
            for (const QString& line : bookLines) {
                const QChar* p = line.constData();
                for (int i = 0, n = line.size(); i < n; ++i)
                    wide += p[i].unicode() > 127;
            }
            sink = wide;
            scanBest = std::min(scanBest, t.nsecsElapsed() / 1e9);
        }
        Q_UNUSED(sink)
        figure("full_count_time", best * 1000, "ms");
        figure("full_count_throughput", megabytes / best, "MB/s");
        figure("utf16_scan_throughput", megabytes / scanBest, "MB/s");
        figure("full_count_to_scan_time_ratio", best / scanBest, "x");
        figure("full_count_words", sum.all(), "words");
    }

    wordsType expectedTotal;
    const QList<ChapterType> expected = recountChapters(bookLines, patterns, &expectedTotal);

    // Opening: the document takes the text, the handler counts it, the
    // chapter list is complete.
    QTextDocument doc;
    doc.setDocumentLayout(new QPlainTextDocumentLayout(&doc));
    doc.setUndoRedoEnabled(false);
    const QUrl url = QUrl::fromLocalFile(bookPath);
    // Time spent in the handler for each change: a slot connected before
    // the handler's notes the start, one connected after it the end.
    QElapsedTimer changeTimer;
    double changeMax = 0;
    QObject::connect(&doc, &QTextDocument::contentsChange, [&] { changeTimer.start(); });
    auto* handler = new CountHandler();
    handler->counter()->setAutoDrain(false);
    handler->setTextDocument(&doc);
    handler->setFileName(url);
    data::instance()->wordCountModel()->setCurrentFile(url);
    bool measureChanges = false;
    QObject::connect(&doc, &QTextDocument::contentsChange, [&] {
        if (measureChanges)
            changeMax = std::max(changeMax, changeTimer.nsecsElapsed() / 1e6);
    });
    AutoChapterModel* chapters = data::instance()->wordCountModel()->autoChapterModel(url);
    WordsTypeClass* counts = data::instance()->wordCountModel()->countClass(url);
    {
        QElapsedTimer t;
        t.start();
        doc.setPlainText(book);
        const double loaded = t.nsecsElapsed() / 1e6;
        handler->setInited(true);
        QElapsedTimer drainTimer;
        double openDrainMax = 0;
        while (chapters->rowCount() != expected.size() || counts->All() != expectedTotal.all()) {
            waitIdle(handler);
            drainTimer.start();
            handler->counter()->doSentData();
            openDrainMax = std::max(openDrainMax, drainTimer.nsecsElapsed() / 1e6);
            app.processEvents();
            if (t.elapsed() > 120000)
                break;
        }
        figure("open_document_set_text", loaded, "ms");
        figure("open_to_complete_chapter_list", t.nsecsElapsed() / 1e6, "ms");
        figure("open_largest_hand_over", openDrainMax, "ms");
        figure("chapters", chapters->rowCount(), "rows");
    }

    // Typing with the editor's cursor updates, pastes and large deletes;
    // the 500 ms hand-over is timed on the GUI thread.
    QList<double> drains;
    double editMax = 0;
    int typed = 0;
    int pastes = 0;
    int deletes = 0;
    QTextCursor cursor(&doc);
    cursor.setPosition(doc.findBlockByNumber(doc.blockCount() / 2).position());
    QString pasteText;
    while (pasteText.size() < 50 * 1000 / 3) {
        pasteText += randomParagraph(rng);
        pasteText += QLatin1Char('\n');
        if (rng.bounded(20) == 0)
            pasteText += QStringLiteral("第%1章 插入的章节\n").arg(rng.bounded(9000));
    }
    auto timedEdit = [&](const std::function<void()>& edit) {
        QElapsedTimer t;
        t.start();
        edit();
        editMax = std::max(editMax, t.nsecsElapsed() / 1e6);
    };
    auto moveCursor = [&] {
        const QTextBlock block = cursor.block();
        const int inLine = cursor.position() - block.position();
        handler->setCursorLinePreText(block.text().left(inLine));
        handler->setcursorLinePostion(inLine);
        handler->setCursorLineNumber(block.blockNumber());
    };

    QTimer typing;
    typing.setInterval(50);
    QObject::connect(&typing, &QTimer::timeout, [&] {
        timedEdit([&] {
            if (typed % 40 == 39)
                cursor.insertText(QStringLiteral("\n"));
            else
                cursor.insertText(QString(QChar(0x4E00 + rng.bounded(0x5000))));
            moveCursor();
        });
        ++typed;
    });
    QTimer bigEdits;
    bigEdits.setInterval(5000);
    QObject::connect(&bigEdits, &QTimer::timeout, [&] {
        QTextCursor c(&doc);
        const int line = rng.bounded(doc.blockCount() - 10001);
        if ((pastes + deletes) % 2 == 0) {
            c.setPosition(doc.findBlockByNumber(line).position());
            timedEdit([&] { c.insertText(pasteText); });
            ++pastes;
        } else {
            c.setPosition(doc.findBlockByNumber(line).position());
            c.setPosition(doc.findBlockByNumber(line + 10000).position(), QTextCursor::KeepAnchor);
            timedEdit([&] { c.removeSelectedText(); });
            ++deletes;
        }
    });
    QTimer drain;
    drain.setInterval(500);
    QObject::connect(&drain, &QTimer::timeout, [&] {
        QElapsedTimer t;
        t.start();
        handler->counter()->doSentData();
        drains.append(t.nsecsElapsed() / 1e6);
    });
    measureChanges = true;
    QTimer::singleShot(typingSeconds * 1000, &app, &QCoreApplication::quit);
    typing.start();
    bigEdits.start();
    drain.start();
    app.exec();
    typing.stop();
    bigEdits.stop();
    drain.stop();

    std::sort(drains.begin(), drains.end());
    double mean = 0;
    for (double d : drains)
        mean += d;
    mean /= std::max(1, drains.size());
    figure("typed_characters", typed, "chars");
    figure("pastes_50KB", pastes, "pastes");
    figure("deletes_10000_lines", deletes, "deletes");
    figure("hand_overs", drains.size(), "drains");
    figure("hand_over_mean", mean, "ms");
    figure("hand_over_p95", drains.isEmpty() ? 0 : drains.at(int(drains.size() * 0.95)), "ms");
    figure("hand_over_max", drains.isEmpty() ? 0 : drains.last(), "ms");
    figure("hand_over_max_to_4ms_target_ratio", drains.isEmpty() ? 0 : drains.last() / 4.0, "x");
    figure("largest_edit_on_gui_thread_document_and_handler", editMax, "ms");
    figure("largest_change_handling_in_count_handler", changeMax, "ms");

    // Zero drift: the live figures equal a count of the final text from scratch.
    waitIdle(handler);
    handler->counter()->doSentData();
    wordsType recount;
    const QList<ChapterType> want = recountChapters(documentLines(doc), patterns, &recount);
    const QList<ChapterType> got = chapters->chapters();
    int chapterDifferences = std::abs(got.size() - want.size());
    for (int i = 0; i < std::min(got.size(), want.size()); ++i)
        chapterDifferences += got.at(i) == want.at(i) ? 0 : 1;
    figure("total_words_live", counts->All(), "words");
    figure("total_words_recount", recount.all(), "words");
    figure("total_words_drift", std::abs(counts->All() - recount.all()), "words");
    const bool totalsEqual = counts->All() == recount.all() && counts->Chars() == recount.Chars
        && counts->Words() == recount.Words && counts->Numbers() == recount.Numbers && counts->BC() == recount.BC
        && counts->Paragraphs() == recount.Paragraphs && counts->FullWidthSpace() == recount.FullWidthSpace
        && counts->HalfWidthSpace() == recount.HalfWidthSpace;
    figure("totals_differ_from_recount", totalsEqual ? 0 : 1, "flag");
    figure("chapter_rows_differing_from_recount", chapterDifferences, "rows");
    delete handler;
    return totalsEqual && chapterDifferences == 0 ? 0 : 2;
}
