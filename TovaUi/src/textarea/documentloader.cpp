#include "documentloader.h"

#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "textarea/documentfile.h"
#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/fileidentity.h"
#include "textarea/lazytextdocument.h"
#include "textarea/textfileform.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QTextDocument>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <utility>

namespace {

// Steps of a long file's loading: the size from which it is put into the
// document in parts, and the characters of one part (about 0.1 s of work
// each).
qint64 stepLoadBytes = 4 * 1024 * 1024;
int stepLoadCharacters = 1 << 20;

// The lines of a text as the document's blocks will hold them (line feed,
// carriage return and both together end a line); empty when the text holds
// other block separators.
QStringList documentLines(const QString& text)
{
    QStringList lines;
    const QChar* data = text.constData();
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const ushort c = data[i].unicode();
        if (c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1)
            return QStringList();
        if (c != '\n' && c != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

// The file's text as the document takes it, and the file's form: every
// line, the last included, ends with a line break, so the document ends
// with one empty line and a saved file ends with a line end.
TextFileForm::Read documentText(const QByteArray& bytes)
{
    TextFileForm::Read read = TextFileForm::read(bytes);
    QString& text = read.text;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text += QLatin1Char('\n');
    return read;
}

} // namespace

// A document's file as a reader thread found it.
struct DocumentRead {
    // Why it was not read; empty when it was.
    QString problem;
    // The file as it was when the read began, and the bytes read: a change
    // made during the read or after it shows when the file is compared
    // with it.
    FileIdentity identity;
    // As the document takes it, and how the file's bytes stand for it.
    QString text;
    TextFileForm form;
    // Longer than the step size: put in in parts, the counting given these
    // lines (instead of asking a million blocks on the GUI thread).
    bool isLong = false;
    QStringList lines;
    // A read ahead of a file that changed while it was read: read again.
    bool changed = false;
};

namespace {

// Off the GUI thread.
DocumentRead readDocument(const QString& path, qint64 longFrom)
{
    DocumentRead read;
    QFile file;
    if (!DocumentFile::open(file, path, &read.problem))
        return read;
    read.identity = FileIdentity::ofOpenFile(file.handle());
    // A file read in part (too large to hold, or a read that stops short)
    // would be shown cut short and saved over the file: it is refused.
    const qint64 size = file.size();
    if (DocumentFile::tooLarge(size)) {
        read.problem = DocumentFile::notReadWhole();
        return read;
    }
    const QByteArray bytes = file.readAll();
    // A text cut short by a failed read would be saved over the file.
    if (file.error() != QFileDevice::NoError) {
        read.problem = file.errorString();
        return read;
    }
    if (bytes.size() < size) {
        read.problem = DocumentFile::notReadWhole();
        return read;
    }
    read.identity.setContent(bytes);
    TextFileForm::Read taken = documentText(bytes);
    read.text = std::move(taken.text);
    read.form = taken.form;
    read.isLong = bytes.size() > longFrom;
    if (read.isLong)
        read.lines = documentLines(read.text);
    return read;
}

// A missing file is not made: a document deleted or moved away by another
// program is not brought back empty by opening it.
QFuture<DocumentRead> startReading(const QString& path)
{
    return QtConcurrent::run(DocumentLoader::readers(), [path, longFrom = stepLoadBytes] {
        return readDocument(path, longFrom);
    });
}

// The file a read ahead is of, as it was when the read began.
struct ReadAhead {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QFuture<DocumentRead> read;

    bool sameFile(const QFileInfo& info) const
    {
        return info.size() == size && info.lastModified() == modified;
    }
};

ReadAhead& pendingReadAhead()
{
    static ReadAhead ahead;
    return ahead;
}

// Where a cursor at `at` in before goes in after: the same place in the
// text both share. Within their common start it stays; from its end on, it goes
// before the text that followed it (found again in after, exactly so when
// that lies in their common end), or to the end when it was at the end;
// failing both, to the end of the common start. The next keys then land
// where the writer was, after any lines another program put there, never
// inside them. Line breaks count as one character, as in the document.
int placeInNewText(const QString& before, QString after, int at)
{
    if (after.contains(QLatin1Char('\r')))
        after.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    at = qBound(0, at, before.size());
    const int shorter = qMin(before.size(), after.size());
    int start = 0;
    while (start < shorter && before.at(start) == after.at(start))
        ++start;
    if (at < start)
        return at;
    int end = 0;
    while (end < shorter - start && before.at(before.size() - 1 - end) == after.at(after.size() - 1 - end))
        ++end;
    constexpr int followingChars = 64;
    const QString following = before.mid(at, followingChars);
    if (following.isEmpty())
        return after.size();
    if (following.size() == followingChars && before.size() - at <= end)
        return after.size() - (before.size() - at);
    const int found = after.indexOf(following, start);
    return found >= 0 ? found : start;
}

} // namespace

DocumentLoader::DocumentLoader(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
}

DocumentLoader::~DocumentLoader() = default;

void DocumentLoader::cancel()
{
    ++m_generation;
    m_earlyUrl.clear();
    m_early = QFuture<DocumentRead>();
}

void DocumentLoader::readEarly(const QUrl& url)
{
    // The start's document may be read ahead already.
    if (url.isLocalFile() && url.toLocalFile() != pendingReadAhead().path) {
        m_earlyUrl = url;
        m_early = startReading(url.toLocalFile());
    }
}

QThreadPool* DocumentLoader::readers()
{
    // Left at exit on purpose: a pool's destruction waits for its reads.
    // Enough threads that reads stalled on one file system leave others
    // free for documents elsewhere.
    static QThreadPool* pool = [] {
        auto* readers = new QThreadPool;
        readers->setMaxThreadCount(qMax(8, QThread::idealThreadCount()));
        return readers;
    }();
    return pool;
}

void DocumentLoader::readAhead(const QUrl& url)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() <= stepLoadBytes)
        return;
    ReadAhead ahead;
    ahead.path = path;
    ahead.size = info.size();
    ahead.modified = info.lastModified();
    const qint64 longFrom = stepLoadBytes;
    ahead.read = QtConcurrent::run(readers(), [ahead, longFrom] {
        DocumentRead read = readDocument(ahead.path, longFrom);
        read.changed = !ahead.sameFile(QFileInfo(ahead.path));
        return read;
    });
    pendingReadAhead() = ahead;
    // Not kept for a start that never opens it.
    QTimer::singleShot(30000, qApp, [] { pendingReadAhead() = ReadAhead(); });
}

void DocumentLoader::setStepLoading(qint64 fromBytes, int charactersPerStep)
{
    stepLoadBytes = fromBytes;
    stepLoadCharacters = qMax(1, charactersPerStep);
}

QString DocumentLoader::getCodecName(QIODevice* device)
{
    return function::getCodecName(device);
}

bool DocumentLoader::loadText(const QUrl& url, bool inSteps)
{
    // The first load uses a read ahead or nobody does.
    const ReadAhead ahead = std::exchange(pendingReadAhead(), ReadAhead());
    if (url.scheme() == QLatin1String("qrc")) {
        // Built into the program: nothing to wait for.
        QFile source(QLatin1Char(':') + url.path());
        if (!source.open(QIODevice::ReadOnly)) {
            logWarning(lcEditor) << "cannot open" << url << source.errorString();
            message::show(Message::Error, LazyTextDocument::tr("无法打开文件: ") + source.errorString(), 5000);
            return false;
        }
        DocumentRead read;
        read.text = documentText(source.readAll()).text;
        textRead(Load { ++m_generation, url }, read);
        return true;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (path.isEmpty()) {
        message::show(Message::Error, LazyTextDocument::tr("未支持的打开方式"), 5000);
        return false;
    }
    const bool readAlready = ahead.path == path && ahead.sameFile(QFileInfo(path));
    const QFuture<DocumentRead> early = std::exchange(m_early, QFuture<DocumentRead>());
    const bool readEarly = std::exchange(m_earlyUrl, QUrl()) == url;
    startRead(Load { ++m_generation, url, inSteps }, readAlready ? ahead.read : readEarly ? early : QFuture<DocumentRead>());
    return true;
}

// before: the file's read when it was started before (ahead or early),
// else a default future (which is a canceled one).
void DocumentLoader::startRead(const Load& load, const QFuture<DocumentRead>& before)
{
    // The deferred work is the document's, as all of its deferred work.
    auto* reading = new QFutureWatcher<DocumentRead>(m_parts.document);
    connect(reading, &QFutureWatcherBase::finished, m_parts.document, [this, reading, load] {
        reading->deleteLater();
        if (load.generation != m_generation)
            return;
        const DocumentRead read = reading->result();
        if (read.changed)
            startRead(load, QFuture<DocumentRead>());
        else
            textRead(load, read);
    });
    reading->setFuture(!before.isCanceled() ? before : startReading(load.url.toLocalFile()));
}

void DocumentLoader::textRead(const Load& load, const DocumentRead& read)
{
    EditorFile* file = m_parts.file;
    const bool resource = load.url.scheme() == QLatin1String("qrc");
    const QString path = resource ? load.url.toString() : load.url.toLocalFile();
    const bool reload = load.cursor >= 0;
    if (!read.problem.isEmpty()) {
        logWarning(lcEditor) << "cannot open" << path << read.problem;
        message::show(Message::Error, LazyTextDocument::tr("无法打开文件: ") + read.problem, 5000);
        // A reload keeps the text it had; a document never read stays
        // loading, so nothing is saved over the file.
        if (reload)
            file->setLoading(false);
        return;
    }
    EditWindow* window = m_parts.window;
    int cursorAt = load.cursor;
    if (reload) {
        cursorAt = placeInNewText(m_parts.whole->text(), read.text, load.cursor);
        window->connectEditAndAllDocument(false);
        file->setTextLoaded(false);
        window->clear();
    }
    emit fileRead(read.identity, read.form);
    m_parts.whole->document()->setModified(false);
    file->setSavedRevision(m_parts.whole->revision());
    file->setIsModified(false);
    if (load.inSteps && read.isLong && !file->isHtml()) {
        // A long file: put into the whole document a part at a time, the
        // event loop running between parts, so the window never freezes
        // for long. Until the last part is in, the document is loading.
        const bool hadText = beginTextReplacement();
        m_parts.whole->replaceAll(QString());
        // No undo history for the loaded text (as for any whole text).
        m_parts.whole->document()->setUndoRedoEnabled(false);
        insertStep(load.generation, read.text, read.lines, 0, hadText, path, m_parts.whole->revision());
        return;
    }
    QString text = read.text;
    if (text.isEmpty() && m_parts.typing->add2SpaceAtFrontByEnter()) {
        text = QStringLiteral("\u3000\u3000");
        file->setInitPosition(2);
    }
    setAllText(text);
    textTaken(path, resource, cursorAt);
    if (reload)
        window->connectEditAndAllDocument(true);
}

void DocumentLoader::insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
    const QString& path, quint64 revision)
{
    if (generation != m_generation)
        return;
    if (m_parts.whole->revision() != revision) {
        // Something edited the part already in: what follows would land
        // after it, and the shortened text be taken for the file's. The
        // parts go in again from the start.
        logWarning(lcEditor) << "the text was edited while" << path << "was loading; loading it again";
        m_parts.whole->replaceAll(QString());
        revision = m_parts.whole->revision();
        from = 0;
    }
    int to = qMin(text.size(), from + stepLoadCharacters);
    // A part ends after a line feed, so a "\r\n" is never cut in two.
    const int lineEnd = text.indexOf(QLatin1Char('\n'), to - 1);
    to = lineEnd < 0 ? text.size() : lineEnd + 1;
    m_parts.whole->appendRaw(text.mid(from, to - from));
    if (to < text.size()) {
        QTimer::singleShot(0, m_parts.document, [=] { insertStep(generation, text, lines, to, hadText, path, revision); });
        return;
    }
    QTextDocument* whole = m_parts.whole->document();
    whole->setUndoRedoEnabled(true);
    if (lines.size() == whole->blockCount()) {
        whole->setProperty(LazyTextDocument::lineTextsProperty, lines);
        whole->setProperty(LazyTextDocument::lineTextsRevisionProperty, whole->revision());
    }
    endTextReplacement(hadText);
    whole->setProperty(LazyTextDocument::lineTextsProperty, QVariant());
    whole->setProperty(LazyTextDocument::lineTextsRevisionProperty, QVariant());
    textTaken(path, false);
}

// What follows a loaded text: unmodified, the cursor at the start
// position, read-only for resources.
void DocumentLoader::textTaken(const QString& path, bool resource, int cursorAt)
{
    EditorFile* file = m_parts.file;
    QTextDocument* whole = m_parts.whole->document();
    whole->setModified(false);
    file->setSavedRevision(m_parts.whole->revision());
    file->setIsModified(false);
    const int length = whole->characterCount();
    const int initPosition = cursorAt >= 0 ? cursorAt : file->initPosition();
    const int cursor = initPosition < length ? qMax(0, initPosition) : length - 1;
    // Kept also when the text area comes later: the window is built there.
    m_parts.selection->setWhole(WindowMap::at(cursor));
    m_parts.scroller->gotoPostionByAll(cursor);
    // A file whose bytes would not come back is never written.
    file->setReadOnly(resource || !file->textForm().exact());
    logDebug(lcEditor) << "loaded" << path << whole->blockCount() << "lines";
    if (!resource)
        emit loaded();
}

void DocumentLoader::reloadText(int cursor)
{
    EditorFile* file = m_parts.file;
    // Nothing is typed, saved or snapshotted until the file's text is in.
    file->setLoading(true);
    startRead(Load { ++m_generation, file->fileName(), false, qMax(0, cursor) }, QFuture<DocumentRead>());
}

void DocumentLoader::setAllText(const QString& text)
{
    const bool hadText = beginTextReplacement();
    m_parts.whole->replaceAll(text, m_parts.file->isHtml());
    endTextReplacement(hadText);
}

bool DocumentLoader::beginTextReplacement()
{
    const bool hadText = m_parts.file->textLoaded() || m_parts.whole->length() > 0;
    m_parts.window->empty();
    return hadText;
}

void DocumentLoader::endTextReplacement(bool hadText)
{
    EditorFile* file = m_parts.file;
    WholeDocument* whole = m_parts.whole;
    whole->document()->setModified(false);
    file->setLoading(false);
    // A reload replaces a counted text: everything is reported removed.
    emit whole->document()->contentsChange(0, hadText ? -1 : 0, whole->length());
    whole->settle(false);
    file->setTextLoaded(true);
    file->scheduleCopyAhead();
}
