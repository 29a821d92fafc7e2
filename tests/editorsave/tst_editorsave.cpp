// Saving off the GUI thread and loading long chapters in steps: the order
// of writes while the writer is held, waiting for them on save and on
// destruction, one notice for a failing disk, and a document that is never
// saved, snapshotted or shown half loaded.
#include "leasedfile.h"
#include "testenvironment.h"

#include "TovaUi/function/function.h"
#include "TovaUi/function/message.h"
#include "TovaUi/textarea/blanklayout.h"
#include "TovaUi/textarea/documentloader.h"
#include "TovaUi/textarea/documentsaver.h"
#include "TovaUi/textarea/lazytextdocument.h"
#include "TovaUi/textarea/rawtextcopy.h"
#include "TovaUi/textarea/rawtextpieces.h"
#include "TovaUi/textarea/textfileform.h"
#include "support/userfile.h"

#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QThreadPool>

#include <csignal>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/resource.h>

Q_DECLARE_METATYPE(TextFileForm)

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

bool setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

// Holds the writer thread before each write until released; counts the
// writes that reached it.
class HeldWriter
{
public:
    HeldWriter()
    {
        DocumentSaver::setWriteHook([this](const QString&) {
            m_arrived.release();
            m_gate.acquire();
        });
    }
    ~HeldWriter()
    {
        DocumentSaver::setWriteHook(nullptr);
        m_gate.release(1000);
    }
    // Waits until a write has reached the hook.
    bool arrived() { return m_arrived.tryAcquire(1, 5000); }
    void release(int writes = 1) { m_gate.release(writes); }
    // Whether another write reached the hook within ms.
    bool arrivedWithin(int ms) { return m_arrived.tryAcquire(1, ms); }

private:
    QSemaphore m_arrived;
    QSemaphore m_gate;
};

// A document with a plain window document for a text area (no QML): the
// document's own cursor stands in for the text area's.
struct Editor {
    LazyTextDocument doc;
    QTextDocument window;

    Editor()
    {
        doc.setEditDocument(&window);
        doc.setEditHeight(600);
        doc.setContentHeight(20);
        doc.setContentY(0);
    }
    void open(const QString& path)
    {
        doc.setFileName(QUrl::fromLocalFile(path));
        QTRY_VERIFY(doc.textLoaded() && !doc.loading());
    }
    void type(const QString& text) { doc.insertAtEditCursor(text); }
    // Enter as the text area does it: the key is announced, then the line
    // break is inserted at the cursor; the document adds the indentation
    // and hands the text to the writer on the event loop's next turn.
    void enter(bool turn = true)
    {
        doc.enterPressed();
        QTextCursor cursor(&window);
        cursor.setPosition(doc.editCursorPostion());
        cursor.insertBlock();
        if (turn)
            QCoreApplication::sendPostedEvents(&doc, QEvent::MetaCall);
    }
    QByteArray text() const { return doc.allText().toUtf8(); }
};

// A document with the copy of its raw text that saves take, told of every
// change the way the editor's whole document tells it.
struct CopiedDocument {
    QTextDocument document;
    RawTextCopy copy { &document };

    CopiedDocument()
    {
        auto* layout = new BlankLayout(&document);
        document.setDocumentLayout(layout);
        QObject::connect(layout, &BlankLayout::changed, [this](int from, int removed, int added) {
            copy.noteChange(from, removed, added);
        });
    }
};

// The file's bytes for a raw text, worked out plainly: every paragraph
// separator and line feed made the form's line end, then Qt's own UTF-8
// encoding (a byte kept as U+DC80 to U+DCFF made that byte again) or the
// form's codec (a lone surrogate made '?' first); the mark in front.
QByteArray plainBytes(QString rawText, const TextFileForm& form = TextFileForm())
{
    static const char* const lineEnds[] = { "\n", "\r\n", "\r" };
    rawText.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    rawText.replace(QLatin1Char('\n'), QLatin1String(lineEnds[int(form.lineEnd())]));
    QByteArray bytes = form.mark();
    if (form.encoding() != TextFileForm::Encoding::Utf8) {
        for (int i = 0; i < rawText.size(); ++i) {
            const QChar c = rawText.at(i);
            if (c.isHighSurrogate() && i + 1 < rawText.size() && rawText.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                rawText[i] = QLatin1Char('?');
        }
        static const char* const codecs[] = { "", "GB18030", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE" };
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        return bytes + QTextCodec::codecForName(codecs[int(form.encoding())])->fromUnicode(rawText.constData(), rawText.size(), &state);
    }
    int run = 0;
    for (int i = 0; i < rawText.size(); ++i) {
        const ushort c = rawText.at(i).unicode();
        if (c >= 0xdc80 && c <= 0xdcff && (i == 0 || !rawText.at(i - 1).isHighSurrogate())) {
            bytes += rawText.mid(run, i - run).toUtf8() + char(c & 0xff);
            run = i + 1;
        }
    }
    return bytes + rawText.mid(run).toUtf8();
}

QByteArray inPieces(const QString& rawText, int pieceChars, const TextFileForm& form = TextFileForm())
{
    RawTextPieces pieces(rawText, pieceChars, 0, form);
    QByteArray all;
    QByteArray piece;
    while (pieces(piece)) {
        if (piece.isEmpty())
            return "an empty piece";
        all += piece;
    }
    return all;
}

// A random text from the characters whose encodings differ: ASCII, the
// edges of two and three bytes, separators, surrogate pairs and lone
// surrogates; with chinese, mostly runs of Chinese characters (three bytes
// each, encoded several at a time) between them.
QString randomRawText(QRandomGenerator& random, int length, bool chinese = false)
{
    static const ushort units[] = { 'a', '\n', 0x7f, 0x80, 0x7ff, 0x800, 0x4e00, 0xfffd, 0xffff,
        QChar::ParagraphSeparator, QChar::LineSeparator, 0xd800, 0xdbff, 0xdc00, 0xdfff };
    QString text;
    for (int i = 0; i < length; ++i) {
        if (chinese && random.bounded(20) != 0) {
            static const ushort edges[] = { 0x800, 0xd7ff, 0xe000, 0xffff, 0x3000, 0x2028, 0x202a };
            text += random.bounded(8) == 0 ? QChar(edges[random.bounded(7)]) : QChar(ushort(0x4e00 + random.bounded(0x5200)));
        } else if (random.bounded(4) == 0) {
            text += QChar(ushort(0xd83d));
            text += QChar(ushort(0xde00 + random.bounded(64)));
        } else {
            text += QChar(units[random.bounded(int(sizeof units / sizeof units[0]))]);
        }
    }
    return text;
}

} // namespace

class TestEditorSave : public QObject
{
    Q_OBJECT

    QString m_dir;
    int m_file = 0;

    QString newPath()
    {
        return m_dir + QStringLiteral("/doc%1.txt").arg(++m_file);
    }

private slots:
    void initTestCase()
    {
        m_dir = QDir::homePath() + QStringLiteral("/docs");
        QVERIFY(QDir().mkpath(m_dir));
        LazyTextDocument::setStepLoading(4 * 1024 * 1024, 1 << 20);
    }

    void cleanup()
    {
        DocumentSaver::setWriteHook(nullptr);
        LazyTextDocument::setStepLoading(4 * 1024 * 1024, 1 << 20);
    }

    // Enter returns while the writer is held; a save asked for while an
    // older one is written waits behind it, a third replaces the waiting
    // second, and the file ends with the newest text, never an older one.
    void enterSavesInOrderWithoutWaiting()
    {
        const QString path = newPath();
        writeAll(path, "start\n");
        Editor editor;
        editor.open(path);
        HeldWriter writer;
        editor.type(QStringLiteral("一"));
        editor.enter();
        QVERIFY(writer.arrived()); // the first write is held in the writer
        const QByteArray first = editor.text();
        QVERIFY(editor.doc.isSaving());
        QVERIFY(editor.doc.isModified());
        editor.type(QStringLiteral("二"));
        editor.enter();
        editor.type(QStringLiteral("三"));
        editor.enter();
        const QByteArray newest = editor.text();
        QVERIFY(newest != first);
        QCOMPARE(readAll(path), QByteArray("start\n")); // nothing written yet
        QVERIFY(editor.doc.isModified());

        writer.release();
        QVERIFY(writer.arrived()); // the newest: the second was replaced
        QVERIFY(!writer.arrivedWithin(100));
        writer.release();
        QTRY_VERIFY(!editor.doc.isSaving());
        QCOMPARE(readAll(path), newest);
        QVERIFY(!editor.doc.isModified());
    }

    // Typing after the text was handed over keeps the document modified:
    // the file does not hold those keys yet.
    void editsDuringWriteStayModified()
    {
        const QString path = newPath();
        writeAll(path, "start\n");
        Editor editor;
        editor.open(path);
        HeldWriter writer;
        editor.type(QStringLiteral("甲"));
        editor.enter();
        QVERIFY(writer.arrived());
        const QByteArray handed = editor.text();
        editor.type(QStringLiteral("乙"));
        writer.release();
        QTRY_VERIFY(!editor.doc.isSaving());
        QCOMPARE(readAll(path), handed);
        QVERIFY(editor.doc.isModified());
        // Undo of the last key brings back the text the file holds; undo
        // once more goes to a text the file does not hold.
        editor.doc.undo();
        editor.doc.undo();
        QVERIFY(editor.doc.isModified());
        QVERIFY(editor.doc.save());
        QCOMPARE(readAll(path), editor.text());
        QVERIFY(!editor.doc.isModified());
    }

    // save() (closing a tab, save all, quitting) waits for the writes
    // handed over before and returns what the file then holds; so does the
    // document's end.
    void saveAndEndWaitForWriter()
    {
        const QString path = newPath();
        writeAll(path, "start\n");
        auto* editor = new Editor;
        editor->open(path);
        HeldWriter writer;
        editor->type(QStringLiteral("丙"));
        editor->enter();
        QVERIFY(writer.arrived());
        QThread* releaser = QThread::create([&writer] {
            QThread::msleep(200);
            writer.release(10);
        });
        releaser->start();
        QElapsedTimer waited;
        waited.start();
        editor->type(QStringLiteral("丁"));
        QVERIFY(editor->doc.save());
        QVERIFY(waited.elapsed() >= 150);
        QCOMPARE(readAll(path), editor->text());
        QVERIFY(!editor->doc.isModified());
        releaser->wait();
        delete releaser;

        // The end of the document (a closed tab, the program quitting)
        // waits for a write still held.
        editor->type(QStringLiteral("戊"));
        editor->enter();
        QVERIFY(writer.arrived());
        const QByteArray last = editor->text();
        releaser = QThread::create([&writer] {
            QThread::msleep(200);
            writer.release(10);
        });
        releaser->start();
        delete editor;
        QCOMPARE(readAll(path), last);
        releaser->wait();
        delete releaser;
    }

    // An Enter's save not yet handed to the writer (the event loop has not
    // turned) is handed over by a wait for the saves and by the document's
    // end: neither loses it.
    void enterSaveHandedOverBeforeWaitOrEnd()
    {
        const QString path = newPath();
        writeAll(path, "start\n");
        auto* editor = new Editor;
        editor->open(path);
        editor->type(QStringLiteral("己"));
        editor->enter(false);
        QVERIFY(editor->doc.isSaving());
        editor->doc.waitForSaves();
        QCOMPARE(readAll(path), editor->text());
        QVERIFY(!editor->doc.isModified());

        editor->type(QStringLiteral("庚"));
        editor->enter(false);
        const QByteArray last = editor->text();
        delete editor;
        QCOMPARE(readAll(path), last);
    }

    // A disk that refuses the writes: the old file stays byte-identical,
    // the document stays modified, and the writer's failures are told once
    // until a write succeeds again.
    void failingWritesToldOnce()
    {
        const QString path = newPath();
        const QByteArray old = "old text\n";
        writeAll(path, old);
        Editor editor;
        editor.open(path);
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        struct rlimit saved;
        ::getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        // Writing past the limit fails with EFBIG instead of a signal.
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        for (int i = 0; i < 3; ++i) {
            editor.type(QString(5000, QLatin1Char('x')));
            editor.enter();
            editor.doc.waitForSaves();
        }
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(readAll(path), old);
        QVERIFY(editor.doc.isModified());
        // The notice comes from the event loop.
        QTRY_COMPARE(notices.count(), 1);
        QTest::qWait(20);
        QCOMPARE(notices.count(), 1);
        QVERIFY(notices.first().at(0).toString().startsWith(QStringLiteral("Cannot save: ")));
        QVERIFY(notices.first().at(0).toString().contains(QFileInfo(path).fileName()));

        // Room again: the next Enter writes everything.
        editor.enter();
        editor.doc.waitForSaves();
        QCOMPARE(readAll(path), editor.text());
        QVERIFY(!editor.doc.isModified());
        // A later failure is told again.
        ::setrlimit(RLIMIT_FSIZE, &small);
        editor.type(QString(5000, QLatin1Char('y')));
        editor.enter();
        editor.doc.waitForSaves();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QTRY_COMPARE(notices.count(), 2);
        QVERIFY(editor.doc.isModified());
    }

    // A long chapter is put into the document in parts with the event loop
    // running between them; until the last part is in, the document is
    // loading and no save, snapshot or Save As writes anything; the counting
    // is told once, with every line.
    // The pieces of a raw text are together the bytes worked out plainly,
    // whatever the size of a piece.
    void rawTextPieces_data()
    {
        using Form = TextFileForm;
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextFileForm>("form");
        const QString pair = QStringLiteral("\U0001F600");
        QTest::newRow("empty") << QString() << Form();
        QTest::newRow("separators") << QStringLiteral("\u2029\u2029a\u2029\u2028") << Form();
        QTest::newRow("encoding edges") << QStringLiteral("\u007f\u0080\u07ff\u0800\uffff\u4e00") << Form();
        QTest::newRow("pairs across pieces") << QStringLiteral("a") + pair + pair + QStringLiteral("b") + pair << Form();
        QTest::newRow("lone high at the end") << QStringLiteral("ab") + QChar(ushort(0xd83d)) << Form();
        QTest::newRow("lone high before text") << QString(QChar(ushort(0xd83d))) + QStringLiteral("x\u4e00") << Form();
        QTest::newRow("lone low") << QString(QChar(ushort(0xde00))) + pair << Form();
        QTest::newRow("high before high") << QString(QChar(ushort(0xd83d))) + pair << Form();
        // The file's form: bytes that were no UTF-8 come back, line ends
        // and the mark are the file's.
        const QChar low(ushort(0xdc80)), high(ushort(0xdcff));
        const QString kept = QStringLiteral("a") + high + QStringLiteral("\u4e00") + low + QStringLiteral("\u2029") + pair + low;
        QTest::newRow("kept bytes") << kept << Form();
        QTest::newRow("crlf and mark") << kept + QStringLiteral("\u2029\n") << Form(Form::Encoding::Utf8, Form::LineEnd::CrLf, true);
        QTest::newRow("lone cr") << QStringLiteral("\u4e00\u2029\u2029b\n") << Form(Form::Encoding::Utf8, Form::LineEnd::Cr, false);
        QTest::newRow("gbk crlf") << QStringLiteral("第一行\u2029第二行") + pair << Form(Form::Encoding::Gbk, Form::LineEnd::CrLf, false);
        QTest::newRow("utf-16be mark") << QStringLiteral("一\u2029") + pair << Form(Form::Encoding::Utf16Be, Form::LineEnd::Lf, true);
        QTest::newRow("utf-32le cr") << QStringLiteral("一\u2029二") << Form(Form::Encoding::Utf32Le, Form::LineEnd::Cr, true);
    }

    void rawTextPieces()
    {
        QFETCH(QString, text);
        QFETCH(TextFileForm, form);
        for (const int pieceChars : { 2, 3, 5, 32 * 1024 })
            QCOMPARE(inPieces(text, pieceChars, form), plainBytes(text, form));
        QCOMPARE(form.encode(text), plainBytes(text, form));
    }

    // In every form, with bytes kept among the characters.
    void rawTextPiecesRandom()
    {
        using Form = TextFileForm;
        const Form forms[] = { Form(), Form(Form::Encoding::Utf8, Form::LineEnd::CrLf, true), Form(Form::Encoding::Utf8, Form::LineEnd::Cr, false),
            Form(Form::Encoding::Gbk, Form::LineEnd::CrLf, false), Form(Form::Encoding::Utf16Le, Form::LineEnd::Lf, true) };
        for (quint32 seed = 1; seed <= 600; ++seed) {
            QRandomGenerator random(seed);
            QString text = randomRawText(random, random.bounded(seed % 2 ? 200 : 2000), seed % 2 == 0);
            for (int i = random.bounded(4); i > 0; --i)
                text.insert(random.bounded(text.size() + 1), QChar(ushort(0xdc80 + random.bounded(128))));
            const int pieceChars = 2 + random.bounded(seed % 3 ? 40 : 400);
            const Form form = forms[seed % 5];
            QVERIFY2(inPieces(text, pieceChars, form) == plainBytes(text, form), qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }

    // Random UTF-8 files (separators, frame marks, stray bytes, characters
    // cut short) read and written again: an exact form gives back every
    // byte, and stray bytes few beside the characters leave it UTF-8.
    void readFormsWriteBytesBack()
    {
        for (quint32 seed = 1; seed <= 600; ++seed) {
            QRandomGenerator random(seed);
            QByteArray bytes;
            int characters = 0;
            int strays = 0;
            const int strayEvery = seed % 3 == 0 ? 3 : 200;
            for (int i = random.bounded(1, 400); i > 0; --i) {
                const int kind = random.bounded(strayEvery);
                if (kind == 0) {
                    // A stray byte, or a character cut short.
                    const uint wide = random.bounded(2) ? 0x4e00 + random.bounded(0x5000) : 0x10000 + random.bounded(0x1000);
                    const QByteArray cut = QString::fromUcs4(&wide, 1).toUtf8();
                    const QByteArray stray = random.bounded(2) ? QByteArray(1, char(0x80 + random.bounded(128))) : cut.left(random.bounded(1, cut.size()));
                    bytes += stray;
                    strays += stray.size();
                } else if (kind < 6) {
                    // Every fourth file mixes its line ends.
                    static const char* const ends[] = { "\n", "\r\n", "\r" };
                    bytes += kind < 3 ? QByteArray(ends[seed % 4 ? 0 : random.bounded(3)]) : QByteArray(1, char(random.bounded(0x20, 0x7f)));
                } else {
                    static const uint firsts[] = { 0x80, 0x800, 0xe000, 0x10000 };
                    static const uint sizes[] = { 0x780, 0xd000, 0x2000, 0x100000 };
                    const int length = random.bounded(4);
                    static const uint breaking[] = { 0x2029, 0xfdd0, 0xfdd1 };
                    const uint c = random.bounded(50) ? firsts[length] + random.bounded(sizes[length]) : breaking[random.bounded(3)];
                    bytes += QString::fromUcs4(&c, 1).toUtf8();
                    ++characters;
                }
            }
            const TextFileForm::Read read = TextFileForm::read(bytes);
            const QString where = QStringLiteral("seed %1").arg(seed);
            QString raw = read.text;
            raw.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator)).replace(QLatin1Char('\r'), QChar::ParagraphSeparator);
            // Mixed: each line keeps its end, also with letters typed at the end.
            if (read.form.exact())
                QVERIFY2(read.form.mixedLineEnds() ? read.form.encodeAfter(raw, bytes) == bytes && read.form.encodeAfter(raw + "Qz", bytes) == bytes + "Qz"
                                                   : read.form.encode(raw) == bytes, qPrintable(where));
            if (characters >= 8 * strays)
                QVERIFY2(read.form.encoding() == TextFileForm::Encoding::Utf8 && read.form.exact(), qPrintable(where));
        }
    }

    // Saves of a document's text kept up to date edit by edit: after edits
    // that grow and shrink the text, far apart and across the copy's size,
    // and saves that replace ones still waiting, the file holds the newest
    // text exactly (checked against a plain string with the same edits).
    void savedDocumentMatchesEdits()
    {
        const QString path = newPath();
        for (quint32 seed = 1; seed <= 4; ++seed) {
            QRandomGenerator random(seed);
            CopiedDocument copied;
            QTextDocument& document = copied.document;
            RawTextCopy& copy = copied.copy;
            QString oracle;
            DocumentSaver saver;
            for (int step = 0; step < 150; ++step) {
                QTextCursor cursor(&document);
                const int action = random.bounded(10);
                if (action < 5 || oracle.isEmpty()) {
                    const int at = random.bounded(oracle.size() + 1);
                    QString text = randomRawText(random, random.bounded(action == 0 ? 3000 : 30));
                    // No separators of its own: the document makes a block
                    // of each line feed, which is the separator read back.
                    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
                    cursor.setPosition(at);
                    cursor.insertText(text);
                    oracle.insert(at, text);
                } else if (action < 9) {
                    const int at = random.bounded(oracle.size());
                    const int count = 1 + random.bounded(qMin(oracle.size() - at, action == 5 ? 5000 : 20));
                    cursor.setPosition(at);
                    cursor.setPosition(at + count, QTextCursor::KeepAnchor);
                    cursor.removeSelectedText();
                    oracle.remove(at, count);
                } else if (step % 50 == 9) {
                    // Far longer, then far shorter: the copy's block is
                    // given up for a fitting one.
                    const QString long_(1200 * 1000, QLatin1Char('x'));
                    cursor.movePosition(QTextCursor::End);
                    cursor.insertText(long_);
                    oracle += long_;
                    const QString whole = copy.text();
                    saver.saveRawText(path, whole, copy.takeUnchanged());
                    saver.wait();
                    cursor.setPosition(oracle.size() - long_.size());
                    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                    cursor.removeSelectedText();
                    oracle.chop(long_.size());
                }
                const QString where = QStringLiteral("seed %1 step %2").arg(seed).arg(step);
                QVERIFY2(document.toRawText() == QString(oracle).replace(QLatin1Char('\n'), QChar(QChar::ParagraphSeparator)), qPrintable(where));
                const QString text = copy.text();
                saver.saveRawText(path, text, copy.takeUnchanged());
                // Some saves are waited for; the others queue, and the
                // newer replaces the one still waiting.
                if (random.bounded(3) == 0) {
                    saver.wait();
                    QVERIFY2(readAll(path) == oracle.toUtf8(), qPrintable(where));
                }
            }
            saver.wait();
            QVERIFY(readAll(path) == oracle.toUtf8());
        }
    }

    // Saves that keep the file's unchanged start (small pieces, so that
    // nearly every save keeps some) against a plain string with the same
    // edits, with everything that can make the kept start wrong in
    // between: saves dropped for newer ones, writes failing on a size
    // limit, the file rewritten in place or replaced by somebody else,
    // other bytes written to it by the saver, a save to another file.
    void keptStartsMatchEdits()
    {
        const QString path = newPath();
        const QString other = newPath();
        struct rlimit saved;
        ::getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            CopiedDocument copied;
            QTextDocument& document = copied.document;
            RawTextCopy& copy = copied.copy;
            QString oracle;
            DocumentSaver saver(nullptr, 2 + random.bounded(seed % 2 ? 30 : 300));
            auto save = [&](const QString& to) {
                const QString text = copy.text();
                saver.saveRawText(to, text, copy.takeUnchanged());
            };
            for (int step = 0; step < 300; ++step) {
                const QString where = QStringLiteral("seed %1 step %2").arg(seed).arg(step);
                QTextCursor cursor(&document);
                // Mostly near the end, as one writes.
                auto position = [&](int room) {
                    const int size = oracle.size() - room;
                    return random.bounded(4) ? size - random.bounded(qMin(size, 40) + 1) : random.bounded(size + 1);
                };
                const int action = random.bounded(10);
                if (action < 6 || oracle.isEmpty()) {
                    const int at = position(0);
                    QString text = randomRawText(random, random.bounded(action == 0 ? 400 : 12), seed % 3 == 0);
                    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
                    cursor.setPosition(at);
                    cursor.insertText(text);
                    oracle.insert(at, text);
                } else {
                    const int count = 1 + random.bounded(qMin(oracle.size(), action == 6 ? 300 : 6));
                    const int at = position(count);
                    cursor.setPosition(at);
                    cursor.setPosition(at + count, QTextCursor::KeepAnchor);
                    cursor.removeSelectedText();
                    oracle.remove(at, count);
                }
                QVERIFY2(document.toRawText() == QString(oracle).replace(QLatin1Char('\n'), QChar(QChar::ParagraphSeparator)), qPrintable(where));

                const int fault = random.bounded(40);
                if (fault == 0) {
                    // Rewritten in place by somebody else, with a time of
                    // its own (the system's clock for file times is coarse:
                    // a rewrite within its tick keeps the time).
                    saver.wait();
                    QFile file(path);
                    if (file.open(QIODevice::ReadWrite) && file.size() > 0) {
                        file.write("~");
                        file.close();
                        struct stat info;
                        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
                        const struct timespec times[2] = { info.st_atim, { info.st_mtim.tv_sec + 1, info.st_mtim.tv_nsec } };
                        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
                    }
                } else if (fault == 1) {
                    QVERIFY(UserFile::write(path, "somebody else's text\n"));
                } else if (fault == 2) {
                    saver.save(path, "other bytes\n");
                } else if (fault == 3) {
                    save(other);
                    saver.wait();
                    QVERIFY2(readAll(other) == oracle.toUtf8(), qPrintable(where));
                } else if (fault == 5) {
                    // Compared with whatever the file holds now.
                    const QString text = copy.text();
                    saver.adoptFile(path, text, copy.takeUnchanged());
                    if (random.bounded(2) == 0)
                        continue;
                } else if (fault == 4) {
                    // Nothing fits under the limit: the write fails, the
                    // file stays as it was.
                    saver.wait();
                    const QByteArray before = readAll(path);
                    struct rlimit small = saved;
                    small.rlim_cur = 1;
                    ::setrlimit(RLIMIT_FSIZE, &small);
                    save(path);
                    saver.wait();
                    ::setrlimit(RLIMIT_FSIZE, &saved);
                    QVERIFY2(readAll(path) == before || oracle.toUtf8().size() <= 1, qPrintable(where));
                    continue;
                }
                save(path);
                if (random.bounded(3) == 0) {
                    saver.wait();
                    QVERIFY2(readAll(path) == oracle.toUtf8(), qPrintable(where));
                }
            }
            save(path); // the last step's may have failed
            saver.wait();
            QVERIFY2(readAll(path) == oracle.toUtf8(), qPrintable(QStringLiteral("seed %1 at the end").arg(seed)));
        }
    }

    // A long text's save keeps the file's unchanged start; a change behind the editor's
    // back with size and time put back is still seen (the status time moves): nothing is
    // written, the file's text loads, the next save writes the text then; also in CR LF.
    void editorKeepsUnchangedStart()
    {
        QRandomGenerator random(7);
        QString text = randomRawText(random, 200 * 1000, true);
        text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
        text.replace(QChar(QChar::LineSeparator), QLatin1Char('x'));
        text.replace(QLatin1Char('\r'), QLatin1Char('x'));

        // The first byte changed with the time put back.
        auto tamper = [](const QString& path) {
            struct stat info;
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QCOMPARE(file.write("#"), qint64(1));
            file.close();
            const struct timespec times[2] = { info.st_atim, info.st_mtim };
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
        };
        auto typeAtEnd = [](Editor& editor, const QString& typed) {
            editor.doc.gotoEnd();
            editor.type(typed);
            editor.enter();
            editor.doc.waitForSaves();
            QTRY_VERIFY(!editor.doc.loading());
        };
        for (const QString& end : { QStringLiteral("\n"), QStringLiteral("\r\n") }) {
            const QString path = newPath();
            writeAll(path, QString(text).replace(QLatin1Char('\n'), end).toUtf8());
            Editor editor;
            editor.doc.setHistoryPath(QUrl::fromLocalFile(QDir::homePath() + QStringLiteral("/history-kept")));
            QVERIFY(setModified(path, QDateTime::currentDateTime().addSecs(-60)));
            editor.open(path);
            typeAtEnd(editor, QStringLiteral("末"));
            QCOMPARE(readAll(path), editor.text().replace("\n", end.toUtf8()));
            tamper(path);
            const QByteArray theirs = readAll(path);
            typeAtEnd(editor, QStringLiteral("尾"));
            QCOMPARE(readAll(path), theirs);
            QVERIFY(!editor.doc.isModified());
            typeAtEnd(editor, QStringLiteral("尾"));
            // Their first bytes, which are no UTF-8, kept as they were.
            QVERIFY(readAll(path).startsWith(theirs.left(3)));
            QCOMPARE(readAll(path).mid(3), editor.text().replace("\n", end.toUtf8()).mid(3));
        }
    }

    // Another program's change before or during a save is seen whatever it keeps (size,
    // time or both), the file's time a minute old or ahead of the clock: the save writes
    // nothing, the file's text loads and the writer's goes to the history.
    void outsideChangeSeenBeforeSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("age");
        QTest::newRow("appended") << QStringLiteral("append") << -3600;
        QTest::newRow("rewritten in place, size and time kept") << QStringLiteral("rewrite") << 60;
        QTest::newRow("renamed over, size and time kept") << QStringLiteral("rename") << 60;
        QTest::newRow("appended during the write") << QStringLiteral("during") << 60;
        QTest::newRow("appended as the file is renamed") << QStringLiteral("rename hook") << 60;
    }

    void outsideChangeSeenBeforeSave()
    {
        QFETCH(QString, how);
        QFETCH(int, age);
        const QString path = newPath();
        const QByteArray mine = "山河远阔\n", theirs = "人间烟火\n";
        writeAll(path, mine);
        const QDateTime time = QDateTime::currentDateTime().addSecs(-age);
        QVERIFY(setModified(path, time));
        Editor editor;
        const QString history = QDir::homePath() + QStringLiteral("/history-") + QTest::currentDataTag();
        editor.doc.setHistoryPath(QUrl::fromLocalFile(history));
        editor.open(path);
        HeldWriter writer;
        editor.doc.gotoEnd();
        editor.type(QStringLiteral("我的"));
        editor.enter();
        QVERIFY(writer.arrived()); // the write waits; the other program comes first
        const bool inPlace = how == QLatin1String("rewrite") || how == QLatin1String("rename");
        const auto change = [&] {
            QFile file(how == QLatin1String("rename") ? path + QStringLiteral(".new") : path);
            QVERIFY(file.open(inPlace ? QIODevice::ReadWrite : QIODevice::Append) && file.write(theirs) == theirs.size());
            file.close();
            if (inPlace)
                QVERIFY(setModified(file.fileName(), time));
            if (how == QLatin1String("rename"))
                QVERIFY(::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0);
        };
        const bool hooked = how == QLatin1String("during") || how == QLatin1String("rename hook");
        if (how == QLatin1String("during"))
            DocumentSaver::setRenameHook([&](const QString&) { DocumentSaver::setRenameHook(nullptr); change(); });
        else if (hooked)
            UserFile::setRenameHook([&](const QString& written) { if (written == path) { UserFile::setRenameHook(nullptr); change(); } });
        else
            change();
        const QByteArray outside = hooked ? mine + theirs : readAll(path);
        QSignalSpy notices(function::instance()->getMessage(), &Message::showMessage);
        writer.release(10);
        if (how == QLatin1String("rename hook")) {
            // Too late to leave the file to it: its version is kept and told.
            QTRY_VERIFY(!editor.doc.isSaving());
            QCOMPARE(readAll(path), editor.text());
            const QStringList copies = QDir(history).entryList(QDir::Files);
            QCOMPARE(copies.size(), 1);
            QCOMPARE(readAll(history + QLatin1Char('/') + copies.first()), outside);
            QTRY_VERIFY(!notices.isEmpty() && notices.last().first().toString().endsWith(history + QLatin1Char('/') + copies.first()));
            return;
        }
        QTRY_VERIFY(!editor.doc.isSaving() && !editor.doc.loading() && editor.doc.allText().toUtf8() == outside);
        QCOMPARE(readAll(path), outside);
        QVERIFY(!editor.doc.isModified());
        const QStringList copies = QDir(history).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(readAll(history + QLatin1Char('/') + copies.first()).startsWith(mine + "我的\n"));
    }

    void longChapterLoadsInSteps()
    {
        // A marked CR LF book with a stray byte in its middle.
        QByteArray bytes = "\xef\xbb\xbf";
        for (int i = 0; i < 3000; ++i)
            bytes += QStringLiteral("第%1行，山河远阔，人间烟火。\r\n").arg(i).toUtf8() + (i == 1500 ? "\xff" : "");
        const QString path = newPath();
        writeAll(path, bytes);
        LazyTextDocument::setStepLoading(1000, 2000);
        Editor editor;
        editor.doc.setHistoryPath(QUrl::fromLocalFile(QDir::homePath() + QStringLiteral("/history")));
        int steps = 0;
        QStringList linesGiven;
        QList<QList<int>> changes;
        connect(editor.doc.allTextDocument(), &QTextDocument::contentsChange, this, [&](int p, int r, int a) {
            changes.append({ p, r, a });
            QTextDocument* whole = editor.doc.allTextDocument();
            if (whole->property(LazyTextDocument::lineTextsRevisionProperty).toInt() == whole->revision())
                linesGiven = whole->property(LazyTextDocument::lineTextsProperty).toStringList();
        });
        editor.doc.setFileName(QUrl::fromLocalFile(path));
        const QDateTime modified = QFileInfo(path).lastModified();
        int lastCount = 1;
        while (!editor.doc.textLoaded()) {
            QVERIFY(editor.doc.loading());
            const int count = editor.doc.allTextDocument()->characterCount();
            if (count > 1 && count != lastCount) {
                ++steps;
                lastCount = count;
                // Half a document on screen or on disk would be lost text.
                QCOMPARE(editor.window.characterCount(), 1);
                QVERIFY(editor.doc.save());
                QVERIFY(!editor.doc.saveAs(QUrl::fromLocalFile(path)));
                editor.doc.saveInBackground();
                QVERIFY(!editor.doc.saveTmpFile());
                QVERIFY(!editor.doc.isSaving());
            }
            // One pass of the event loop: at most the next part.
            QCoreApplication::processEvents();
            QThread::msleep(1);
            QVERIFY(steps < 1000);
        }
        QVERIFY(steps >= 5);
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(!QDir(QDir::homePath() + QStringLiteral("/history")).exists());
        QCOMPARE(editor.doc.lineCount(), 3001);
        QCOMPARE(TextFileForm::shown(editor.doc.allText()), QString::fromUtf8(bytes.mid(3)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first(), (QList<int> { 0, 0, editor.doc.allTextDocument()->characterCount() - 1 }));
        QCOMPARE(linesGiven.size(), 3001);
        for (int i = 0; i < 3001; ++i)
            QCOMPARE(linesGiven.at(i), editor.doc.allTextDocument()->findBlockByNumber(i).text());
        QVERIFY(!editor.doc.isModified());
        QVERIFY(editor.window.characterCount() > 1);

        // Loaded: typing and Enter save as usual, every other byte kept.
        editor.type(QStringLiteral("尾"));
        editor.enter();
        editor.doc.waitForSaves();
        QCOMPARE(readAll(path), bytes.left(3) + QStringLiteral("尾\r\n\r\n\u3000\u3000").toUtf8() + bytes.mid(3));
    }

    // Another file chosen while a long one is still being put in: only the
    // newer file's text ends in the document.
    void newerFileStopsLoading()
    {
        QByteArray first;
        for (int i = 0; i < 2000; ++i)
            first += QStringLiteral("甲%1\n").arg(i).toUtf8();
        const QString firstPath = newPath();
        writeAll(firstPath, first);
        const QString secondPath = newPath();
        writeAll(secondPath, QByteArray("乙\n丙\n").repeated(1000));
        LazyTextDocument::setStepLoading(1000, 500);
        Editor editor;
        editor.doc.setFileName(QUrl::fromLocalFile(firstPath));
        for (int i = 0; i < 5000 && editor.doc.allTextDocument()->characterCount() <= 1; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
        QVERIFY(editor.doc.allTextDocument()->characterCount() > 1);
        QVERIFY(!editor.doc.textLoaded());
        editor.doc.setFileName(QUrl::fromLocalFile(secondPath));
        QTRY_VERIFY(editor.doc.textLoaded() && !editor.doc.loading());
        QTest::qWait(50); // a step of the first file would come now
        QCOMPARE(editor.doc.allText().toUtf8(), QByteArray("乙\n丙\n").repeated(1000));
        QCOMPARE(readAll(firstPath), first);

        // Chosen while the first file's read waits (another program's lease),
        // or closed then: the read, once it goes on, is dropped. A sparse file
        // over 2 GiB is never shown, Enter saves nothing, another file opens.
        LeasedFile lease;
        QVERIFY(lease.take(firstPath));
        const QString huge = newPath();
        QVERIFY(QFile(huge).open(QIODevice::WriteOnly) && QFile::resize(huge, (qint64(2) << 30) + 1));
        Editor waiting, refused;
        waiting.doc.setFileName(QUrl::fromLocalFile(firstPath));
        refused.doc.setFileName(QUrl::fromLocalFile(huge));
        std::unique_ptr<Editor> closed(new Editor);
        closed->doc.setFileName(QUrl::fromLocalFile(firstPath));
        QTest::qWait(100);
        QVERIFY(waiting.doc.loading() && closed->doc.loading());
        closed.reset();
        waiting.open(secondPath);
        lease.release();
        DocumentLoader::readers()->waitForDone();
        QTest::qWait(50);
        refused.enter();
        refused.doc.waitForSaves();
        QCOMPARE(waiting.doc.allText().toUtf8(), QByteArray("乙\n丙\n").repeated(1000));
        QVERIFY(refused.doc.loading() && !refused.doc.textLoaded() && QFileInfo(huge).size() == (qint64(2) << 30) + 1);
        refused.open(secondPath);
    }

    // The start's document read ahead: its first load takes that read while
    // the file is as it was, reads again once it has changed, and a load of
    // another file drops the read. A rewrite that keeps the size and the
    // time shows which text was taken.
    void readAheadTakenOnlyForTheSameFile()
    {
        LazyTextDocument::setStepLoading(1000, 700);
        const auto book = [](QChar mark, int lines) {
            QByteArray bytes;
            for (int i = 0; i < lines; ++i)
                bytes += QStringLiteral("%1%2，山河远阔。\n").arg(mark).arg(i, 5, 10, QLatin1Char('0')).toUtf8();
            return bytes;
        };
        const auto rewriteKeepingStamp = [](const QString& path, const QByteArray& bytes) {
            const QDateTime modified = QFileInfo(path).lastModified();
            writeAll(path, bytes);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
            file.close();
            QCOMPARE(QFileInfo(path).lastModified(), modified);
        };
        const auto load = [](const QString& path) {
            Editor editor;
            editor.doc.setFileName(QUrl::fromLocalFile(path));
            if (!QTest::qWaitFor([&] { return editor.doc.textLoaded() && !editor.doc.loading(); }))
                return QStringLiteral("(not loaded)");
            return editor.doc.allText();
        };
        const QByteArray first = book(QLatin1Char('A'), 400);
        const QByteArray second = book(QLatin1Char('B'), 400);
        QCOMPARE(first.size(), second.size());

        // Unchanged: the text read ahead is the one shown.
        const QString path = newPath();
        writeAll(path, first);
        LazyTextDocument::readAhead(QUrl::fromLocalFile(path));
        DocumentLoader::readers()->waitForDone();
        rewriteKeepingStamp(path, second);
        QCOMPARE(load(path), QString::fromUtf8(first));
        // Taken once: the next load reads the file.
        QCOMPARE(load(path), QString::fromUtf8(second));

        // Changed after the read: read again.
        writeAll(path, first);
        LazyTextDocument::readAhead(QUrl::fromLocalFile(path));
        DocumentLoader::readers()->waitForDone();
        writeAll(path, first + "C\n");
        QCOMPARE(load(path), QString::fromUtf8(first + "C\n"));

        // Another file opened first: the read is dropped.
        writeAll(path, first);
        LazyTextDocument::readAhead(QUrl::fromLocalFile(path));
        DocumentLoader::readers()->waitForDone();
        const QString other = newPath();
        writeAll(other, "乙\n");
        QCOMPARE(load(other), QStringLiteral("乙\n"));
        rewriteKeepingStamp(path, second);
        QCOMPARE(load(path), QString::fromUtf8(second));

        // A short file, a missing one and a non-local URL are not read ahead.
        const QString shortPath = newPath();
        writeAll(shortPath, "短\n");
        DocumentLoader::readers()->waitForDone();
        LazyTextDocument::readAhead(QUrl::fromLocalFile(shortPath));
        LazyTextDocument::readAhead(QUrl::fromLocalFile(m_dir + QStringLiteral("/none.txt")));
        LazyTextDocument::readAhead(QUrl(QStringLiteral("qrc:/file/Readme.md")));
        QCOMPARE(DocumentLoader::readers()->activeThreadCount(), 0);
        QCOMPARE(load(shortPath), QStringLiteral("短\n"));
    }
};

PENLARK_TEST_MAIN(TestEditorSave)
#include "tst_editorsave.moc"
