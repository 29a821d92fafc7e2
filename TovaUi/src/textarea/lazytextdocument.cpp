#include "lazytextdocument.h"

#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/documentfile.h"
#include "textarea/documentsaver.h"
#include "textarea/editwindow.h"
#include "textarea/historysnapshots.h"
#include "textarea/makeuper.h"
#include "textarea/rawtextcopy.h"
#include "textarea/textrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"
#include "textarea/windowmirror.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickTextDocument>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <private/qtextdocument_p.h>

#include <cmath>
#include <utility>

namespace {

QElapsedTimer m_timeElapsed;

const QChar paragraphSeparator(QChar::ParagraphSeparator);
const QString twoIdeographicSpaces = QStringLiteral("\u3000\u3000");

} // namespace

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
    m_timeElapsed.restart();
    m_parts.document = this;
    m_parts.whole = m_wholeDoc = new WholeDocument(this);
    m_allDoc = m_wholeDoc->document();
    m_parts.selection = m_selection = new WriterSelection(m_parts, this);
    m_parts.window = m_window = new EditWindow(m_parts, this);
    m_parts.scroller = m_scroller = new WindowScroller(m_parts, this);
    m_parts.mirror = new WindowMirror(m_parts, this);
    m_format = std::make_unique<WindowFormat>(m_parts);
    m_parts.format = m_format.get();
    connect(m_wholeDoc, &WholeDocument::changed, this, &LazyTextDocument::afterWholeChange);
    m_copyTimer = new QTimer(this);
    m_copyTimer->setSingleShot(true);
    m_copyTimer->setInterval(0);
    connect(m_copyTimer, &QTimer::timeout, this, &LazyTextDocument::copyAhead);
    connect(m_allDoc, &QTextDocument::modificationChanged, this, &LazyTextDocument::refreshModified);

    m_loadTimer = new QTimer(this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(5);
    connect(m_loadTimer, &QTimer::timeout, this, &LazyTextDocument::doSetFile);

    m_historyTimer = new QTimer(this);
    m_historyTimer->setObjectName(QStringLiteral("historyTimer"));
    connect(m_historyTimer, &QTimer::timeout, this, qOverload<>(&LazyTextDocument::saveTmpFile));
    m_historyTimer->start(m_historyTime * 60000);

    m_saver = new DocumentSaver(this);
    connect(m_saver, &DocumentSaver::written, this, &LazyTextDocument::savedInBackground);
    connect(this, &LazyTextDocument::sendSave, this, &LazyTextDocument::saveInBackground, Qt::QueuedConnection);
    // Every jump moves the cursor: typing after it is a step of its own.
    connect(this, &LazyTextDocument::sendEditPostion, this, [this] { m_typingRun.end(); });
    m_window->connectEditAndAllDocument(true);
}

LazyTextDocument::~LazyTextDocument()
{
    handOverEnterSave(); // the writer, ended with the document, writes it
    unwatchFile();
}

int LazyTextDocument::timeElapsed()
{
    return m_timeElapsed.isValid() ? int(m_timeElapsed.elapsed()) : 0;
}

// ---- small helpers ----------------------------------------------------------

void LazyTextDocument::afterWholeChange(bool textEdited)
{
    if (textEdited)
        setIsTmpModified(true);
    // Edits made with the whole document's signals blocked do not report the
    // modified flag: read it back after every change.
    refreshModified();
    const int lines = m_allDoc->blockCount();
    if (lines != m_lineCount) {
        m_lineCount = lines;
        emit lineCountChanged();
    }
    emit allTextChanged();
    const bool undo = m_allDoc->isUndoAvailable();
    const bool redo = m_allDoc->isRedoAvailable();
    if (undo != m_undoAvailable) {
        m_undoAvailable = undo;
        emit isUndoAvailableChanged();
    }
    if (redo != m_redoAvailable) {
        m_redoAvailable = redo;
        emit isRedoAvailableChanged();
    }
    m_selection->refreshSelectedAll();
}

bool LazyTextDocument::joinsTypingRun(int position, int removed, const QString& inserted)
{
    // Enter's line break starts no run, and what it adds joins its own step.
    if (m_wholeDoc->joinsUndo() || m_inserting) {
        m_typingRun.end();
        return false;
    }
    return m_typingRun.extend(m_wholeDoc->revision(), position, removed, inserted);
}

void LazyTextDocument::endTypingRunOn(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_typingRun.end();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
            break;
        default:
            if (!typing)
                m_typingRun.end();
        }
    }
}

QString LazyTextDocument::localPath() const
{
    if (m_fileName.isLocalFile())
        return m_fileName.toLocalFile();
    return QString();
}

QString LazyTextDocument::historyDir() const
{
    return m_historyPath.isLocalFile() ? m_historyPath.toLocalFile() : m_historyPath.toString();
}

// ---- the text area ---------------------------------------------------------------

// ---- the window ---------------------------------------------------------------

// ---- mirroring window edits ---------------------------------------------------

// ---- jumps and scrolling -----------------------------------------------------

// ---- paragraph format ----------------------------------------------------------

// ---- whole-document text access ----------------------------------------------

QString LazyTextDocument::allText() const
{
    return m_wholeDoc->text();
}

QString LazyTextDocument::allRawText() const
{
    return m_wholeDoc->rawText();
}

QString LazyTextDocument::getText(int start, int end) const
{
    return WholeDocument::toLineFeeds(m_wholeDoc->range(qMin(start, end), qMax(start, end)));
}

void LazyTextDocument::remove(int start, int end)
{
    const int from = qBound(0, qMin(start, end), m_wholeDoc->length());
    const int to = qBound(0, qMax(start, end), m_wholeDoc->length());
    if (from == to || m_readOnly)
        return;
    const int blocks = m_allDoc->blockCount();
    m_selection->take();
    m_wholeDoc->replace(from, to, QString());
    m_selection->setWhole(m_selection->whole().shifted(from, to - from, 0));
    m_window->wholeEditedOutside(from, to - from, 0, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(from, to - from, 0);
}

void LazyTextDocument::append(const QString& text)
{
    if (text.isEmpty())
        return;
    const int at = m_wholeDoc->length();
    const int blocks = m_allDoc->blockCount();
    const int inserted = m_wholeDoc->replace(at, at, text);
    m_window->wholeEditedOutside(at, 0, inserted, m_allDoc->blockCount() - blocks);
    m_wholeDoc->announce(at, 0, inserted);
}

void LazyTextDocument::setAllText(const QString& text)
{
    const bool hadText = beginTextReplacement();
    m_wholeDoc->replaceAll(text, m_fileType != QLatin1String("md") && m_fileType.startsWith(QLatin1String("htm")));
    endTextReplacement(hadText);
}

bool LazyTextDocument::beginTextReplacement()
{
    const bool hadText = m_textLoaded || m_wholeDoc->length() > 0;
    m_window->empty();
    return hadText;
}

void LazyTextDocument::endTextReplacement(bool hadText)
{
    m_allDoc->setModified(false);
    setLoading(false);
    // A reload replaces a counted text: everything is reported removed.
    emit m_allDoc->contentsChange(0, hadText ? -1 : 0, m_wholeDoc->length());
    m_wholeDoc->settle(false);
    setTextLoaded(true);
    m_copyTimer->start();
}

// Makes the copy a save hands over while nothing else is going on, a slice
// at a time (a long book's first save then copies nothing but its edits).
void LazyTextDocument::copyAhead()
{
    if (m_loading || m_readOnly || m_fileType.startsWith(QLatin1String("htm")))
        return;
    if (!m_wholeDoc->rawCopy().refresh(1 << 20)) {
        m_copyTimer->start();
        return;
    }
    // The file just read is most likely this text's encoding: the first
    // save then keeps it instead of writing the book again.
    const QString path = localPath();
    if (!path.isEmpty()) {
        const QString text = m_wholeDoc->rawCopy().text();
        m_saver->adoptFile(path, text, m_wholeDoc->rawCopy().takeUnchanged());
    }
}

// ---- loading and saving --------------------------------------------------------

void LazyTextDocument::setFileName(const QUrl& url)
{
    if (url == m_fileName)
        return;
    if (url.isEmpty()) {
        logDebug(lcEditor) << "fileName is empty";
        const bool hadText = m_wholeDoc->length() > 0;
        m_window->empty();
        m_wholeDoc->replaceAll(QString());
        if (hadText)
            m_wholeDoc->announce(0, -1, 0);
        return;
    }
    unwatchFile();
    ++m_loadGeneration;
    setLoading(true);
    m_wholeDoc->rawCopy().clear(); // the last file's; remade once this one is in
    m_fileName = url;
    m_loadTimer->start();
}

void LazyTextDocument::doSetFile()
{
    setFileType(QFileInfo(m_fileName.path()).suffix());
    if (!m_fileName.isEmpty())
        loadText(m_fileName, true);
    watchFile();
    emit fileNameChanged(m_fileName);
    if (m_fileName.scheme() == QLatin1String("qrc"))
        gotoPostionByAll(0);
}

QString LazyTextDocument::getCodecName(QIODevice* device)
{
    return function::getCodecName(device);
}

namespace {

// Steps of a long file's loading: the size from which it is read and
// decoded off the GUI thread and put into the document in parts, and the
// characters of one part (about 0.1 s of work each).
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

// The file's text as the document takes it: every line, the last included,
// ends with a line break, so the document ends with one empty line and a
// saved file ends with "\n".
QString documentText(const QByteArray& bytes)
{
    QString text = function::decodeText(bytes);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        text += QLatin1Char('\n');
    return text;
}

// A long file's text, then its lines (the counting takes them instead of
// asking a million blocks on the GUI thread); off the GUI thread.
QStringList readLines(const QString& path)
{
    QFile file;
    QString problem;
    const QString text = DocumentFile::open(file, path, &problem) ? documentText(file.readAll()) : QString();
    return QStringList(text) + documentLines(text);
}

// The file a read ahead is of, as it was when the read began.
struct ReadAhead {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QFuture<QStringList> read;

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

} // namespace

void LazyTextDocument::readAhead(const QUrl& url)
{
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() <= stepLoadBytes)
        return;
    ReadAhead ahead;
    ahead.path = path;
    ahead.size = info.size();
    ahead.modified = info.lastModified();
    // Nothing when the file changed while it was read: the load reads again.
    ahead.read = QtConcurrent::run([ahead] {
        QStringList lines = readLines(ahead.path);
        return ahead.sameFile(QFileInfo(ahead.path)) ? lines : QStringList();
    });
    pendingReadAhead() = ahead;
    // Not kept for a start that never opens it.
    QTimer::singleShot(30000, qApp, [] { pendingReadAhead() = ReadAhead(); });
}

void LazyTextDocument::setStepLoading(qint64 fromBytes, int charactersPerStep)
{
    stepLoadBytes = fromBytes;
    stepLoadCharacters = qMax(1, charactersPerStep);
}

bool LazyTextDocument::loadText(const QUrl& url)
{
    return loadText(url, false);
}

bool LazyTextDocument::loadText(const QUrl& url, bool inSteps)
{
    QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const bool resource = url.scheme() == QLatin1String("qrc");
    // The first load uses a read ahead or nobody does.
    const ReadAhead ahead = std::exchange(pendingReadAhead(), ReadAhead());
    if (path.isEmpty()) {
        if (!resource) {
            message::show(Message::Error, tr("未支持的打开方式"), 5000);
            return false;
        }
        path = QLatin1Char(':') + url.path();
    }
    if (!resource && !QFileInfo::exists(path)) {
        // A missing document is created empty; never over an existing file.
        UserFile::write(path, QByteArray(), UserFile::NewFileOnly);
    }
    // A document is a regular file, checked before anything is read.
    QFile file(path);
    QString problem;
    if (resource ? !file.open(QIODevice::ReadOnly) : !DocumentFile::open(file, path, &problem)) {
        if (problem.isEmpty())
            problem = file.errorString();
        logWarning(lcEditor) << "cannot open" << path << problem;
        message::show(Message::Error, tr("无法打开文件: ") + problem, 5000);
        return false;
    }
    setLastModification(QFileInfo(path).lastModified());
    m_allDoc->setModified(false);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    setIsModified(false);

    const bool html = m_fileType != QLatin1String("md") && m_fileType.startsWith(QLatin1String("htm"));
    if (inSteps && !resource && !html && file.size() > stepLoadBytes) {
        file.close();
        const bool readAlready = ahead.path == path && ahead.sameFile(QFileInfo(path));
        loadInSteps(path, readAlready ? ahead.read : QFuture<QStringList>());
        return true;
    }
    QString text = documentText(file.readAll());
    file.close();
    if (text.isEmpty() && m_add2SpaceAtFrontByEnter) {
        text = twoIdeographicSpaces;
        setInitPosition(2);
    }
    setAllText(text);
    textTaken(path, resource);
    return true;
}

// A long file: read and decoded on a worker thread, then put into the
// whole document a part at a time, the event loop running between parts,
// so the window never freezes for long. Until the last part is in, the
// document is loading: nothing is shown, saved or snapshotted, and a
// newer file or a reload drops what is still to come.
void LazyTextDocument::loadInSteps(const QString& path, const QFuture<QStringList>& readAhead)
{
    const quint64 generation = ++m_loadGeneration;
    const bool readAlready = !readAhead.isCanceled();
    auto* reading = new QFutureWatcher<QStringList>(this);
    connect(reading, &QFutureWatcherBase::finished, this, [this, reading, generation, path] {
        reading->deleteLater();
        if (generation != m_loadGeneration)
            return;
        if (reading->result().isEmpty()) {
            // The file changed while it was read ahead.
            loadInSteps(path, QFuture<QStringList>());
            return;
        }
        const bool hadText = beginTextReplacement();
        m_wholeDoc->replaceAll(QString());
        // No undo history for the loaded text (as for any whole text).
        m_allDoc->setUndoRedoEnabled(false);
        QStringList read = reading->result();
        const QString text = read.takeFirst();
        insertStep(generation, text, read, 0, hadText, path);
    });
    reading->setFuture(readAlready ? readAhead : QtConcurrent::run(readLines, path));
}

void LazyTextDocument::insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
    const QString& path)
{
    if (generation != m_loadGeneration)
        return;
    int to = qMin(text.size(), from + stepLoadCharacters);
    // A part ends after a line feed, so a "\r\n" is never cut in two.
    const int lineEnd = text.indexOf(QLatin1Char('\n'), to - 1);
    to = lineEnd < 0 ? text.size() : lineEnd + 1;
    {
        m_wholeDoc->appendRaw(text.mid(from, to - from));
    }
    if (to < text.size()) {
        QTimer::singleShot(0, this, [=] { insertStep(generation, text, lines, to, hadText, path); });
        return;
    }
    m_allDoc->setUndoRedoEnabled(true);
    if (lines.size() == m_allDoc->blockCount()) {
        m_allDoc->setProperty(lineTextsProperty, lines);
        m_allDoc->setProperty(lineTextsRevisionProperty, m_allDoc->revision());
    }
    endTextReplacement(hadText);
    m_allDoc->setProperty(lineTextsProperty, QVariant());
    m_allDoc->setProperty(lineTextsRevisionProperty, QVariant());
    textTaken(path, false);
}

// What follows a loaded text: unmodified, the cursor at the start
// position, read-only for resources.
void LazyTextDocument::textTaken(const QString& path, bool resource)
{
    m_allDoc->setModified(false);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    setIsModified(false);
    const int length = m_allDoc->characterCount();
    const int cursor = m_initPosition < length ? qMax(0, m_initPosition) : length - 1;
    // Kept also when the text area comes later: the window is built there.
    m_selection->setWhole(WindowMap::at(cursor));
    gotoPostionByAll(cursor);
    setReadOnly(resource);
    logDebug(lcEditor) << "loaded" << path << m_allDoc->blockCount() << "lines";
}

bool LazyTextDocument::reloadText()
{
    m_window->connectEditAndAllDocument(false);
    setTextLoaded(false);
    m_window->clear();
    const QString path = localPath();
    const bool ok = !path.isEmpty() && QFileInfo::exists(path) && loadText(m_fileName);
    if (!ok)
        setTextLoaded(true);
    m_window->connectEditAndAllDocument(true);
    return ok;
}

QByteArray LazyTextDocument::encodedText() const
{
    if (m_fileType.startsWith(QLatin1String("htm")))
        return m_allDoc->toHtml(QByteArrayLiteral("utf-8")).toUtf8();
    return allText().toUtf8();
}

bool LazyTextDocument::save()
{
    // A document still loading is not the file's whole text: the file
    // already holds it.
    if (m_loading)
        return true;
    waitForSaves();
    if (!m_isModified && !m_allDoc->isModified())
        return true;
    return saveAs(m_fileName);
}

bool LazyTextDocument::saveAs(const QUrl& fileUrl)
{
    const QString path = fileUrl.isLocalFile() ? fileUrl.toLocalFile() : QString();
    if (path.isEmpty()) {
        message::show(Message::Error, tr("Cannot save: ") + tr("not a local file"), 5000);
        return false;
    }
    if (m_loading) {
        message::show(Message::Error, tr("Cannot save: ") + tr("文件正在载入"), 5000);
        return false;
    }
    // Writes handed over before come first, so that none of them lands
    // after this one.
    waitForSaves();
    // Written to a temporary file and renamed over the document only when
    // every byte is on disk: a failed save leaves the old file intact.
    const UserFile::Result written = UserFile::write(path, encodedText(), UserFile::NoOptions);
    if (!written) {
        WriteNotice::show(tr("Cannot save: "), path, written.error);
        return false;
    }
    WriteNotice::passed(path);
    m_savedRevision = m_wholeDoc->revision();
    m_cleanRevision = m_wholeDoc->revision();
    m_allDoc->setModified(false);
    setIsModified(false);
    if (fileUrl != m_fileName) {
        unwatchFile();
        m_fileName = fileUrl;
        emit fileNameChanged(m_fileName);
    }
    followSavedFile(path);
    return true;
}

void LazyTextDocument::saveInBackground()
{
    // A closed tab writes nothing more: it was saved as it closed, or its
    // file was deleted (a write would bring it back).
    if (m_exiting || m_loading || (!m_isModified && !m_allDoc->isModified()))
        return;
    for (const quint64 revision : qAsConst(m_pendingSaves)) {
        if (revision == m_wholeDoc->revision())
            return; // this very text is on its way
    }
    const QString path = localPath();
    if (path.isEmpty()) {
        message::show(Message::Error, tr("Cannot save: ") + tr("not a local file"), 5000);
        return;
    }
    // Only what changed since the last save is copied here; the line feeds,
    // the encoding and the write are the writer thread's, which keeps the
    // file's start where the text's is unchanged.
    quint64 ticket = 0;
    if (m_fileType.startsWith(QLatin1String("htm"))) {
        ticket = m_saver->save(path, encodedText());
    } else {
        const QString text = m_wholeDoc->rawCopy().text();
        ticket = m_saver->saveRawText(path, text, m_wholeDoc->rawCopy().takeUnchanged());
    }
    m_pendingSaves.insert(ticket, m_wholeDoc->revision());
}

bool LazyTextDocument::isSaving() const
{
    // Until its result is taken here: the file watcher may report the
    // write before that.
    return m_enterSavePending || !m_pendingSaves.isEmpty() || m_saver->busy();
}

void LazyTextDocument::waitForSaves()
{
    handOverEnterSave();
    m_saver->wait();
}

void LazyTextDocument::savedInBackground(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error)
{
    const auto pending = m_pendingSaves.constFind(ticket);
    if (pending == m_pendingSaves.constEnd())
        return;
    const quint64 revision = pending.value();
    m_pendingSaves.erase(pending);
    if (superseded)
        return;
    UserFile::Result result;
    result.ok = ok;
    result.error = error;
    // The next Enter tries again; one notice until a write succeeds.
    if (!WriteNotice::track(tr("Cannot save: "), path, result))
        return;
    if (path != localPath())
        return; // the document has another file by now
    m_savedRevision = revision;
    // Edits made after the text was handed over are not in the file: the
    // document stays modified, and the page's save timer is told to run
    // again (it starts on a change of isModified, which then never comes).
    if (revision == m_wholeDoc->revision()) {
        m_cleanRevision = revision;
        m_allDoc->setModified(false);
        setIsModified(false);
    } else {
        refreshModified();
        emit savedBehindEdits();
    }
    followSavedFile(path);
}

// After a write of the document's own file: not deleted, the new time, and
// the watch on the file that the rename replaced.
void LazyTextDocument::followSavedFile(const QString& path)
{
    emit fileDeleted(m_fileName, false);
    setLastModification(QFileInfo(path).lastModified());
    unwatchFile();
    watchFile();
}

void LazyTextDocument::followRename(const QUrl& url)
{
    if (url.isEmpty() || url == m_fileName)
        return;
    unwatchFile();
    m_fileName = url;
    // A load still waiting for its timer reads the new name by itself.
    if (m_loadTimer->isActive())
        return;
    setFileType(QFileInfo(m_fileName.path()).suffix());
    watchFile();
    emit fileDeleted(m_fileName, false);
    emit fileNameChanged(m_fileName);
}

bool LazyTextDocument::saveTmpFile()
{
    if (m_historyPath.isEmpty() || m_loading)
        return false;
    if (!m_isTmpModified)
        return true;
    const QString text = allText();
    if (text.trimmed().isEmpty())
        return false;
    if (!saveTmpFile(localPath(), text, historyDir()))
        return false;
    setIsTmpModified(false);
    return true;
}

bool LazyTextDocument::saveTmpFile(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (m_historyPath.isEmpty())
        return false;
    const QString dir = historyDir.isEmpty() ? this->historyDir() : historyDir;
    const QString folder = QDir::cleanPath(QFileInfo(dir).absoluteFilePath()) + QLatin1Char('/');
    if (QFileInfo(filePath).absoluteFilePath().startsWith(folder))
        return false; // a snapshot is never snapshotted
    if (m_readOnly || text.trimmed().isEmpty())
        return false;
    return writeSnapshot(filePath, text, dir);
}

// Writes one snapshot named like every history snapshot; an existing
// snapshot is never replaced (the next free second is taken).
bool LazyTextDocument::writeSnapshot(const QString& filePath, const QString& text, const QString& historyDir)
{
    if (filePath.isEmpty() || historyDir.isEmpty())
        return false;
    const QString path = HistorySnapshots::newPath(historyDir, getNameFromUrl(QUrl::fromLocalFile(filePath)));
    if (path.isEmpty())
        return false;
    // Timed snapshots try again by themselves: a document is reported once.
    return WriteNotice::track(tr("无法保存历史记录："), filePath,
                              UserFile::write(path, text.toUtf8(), UserFile::NewFileOnly | UserFile::CreateFolder));
}

QString LazyTextDocument::getNameFromUrl(const QUrl& url)
{
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (info.fileName() == QLatin1String("index.txt"))
            return info.dir().dirName();
        return info.fileName();
    }
    return url.toString().split(QLatin1Char('/')).last();
}

void LazyTextDocument::setHistoryTime(int minutes)
{
    if (minutes == m_historyTime)
        return;
    m_historyTime = minutes;
    m_historyTimer->stop();
    // No interval of zero: it would snapshot on every pass of the event loop.
    if (minutes > 0)
        m_historyTimer->start(minutes * 60000);
    emit historyTimeChanged();
}

void LazyTextDocument::watchFile()
{
    const QString path = localPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &LazyTextDocument::fileChanged);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &LazyTextDocument::dirChanged);
    }
    if (!m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void LazyTextDocument::unwatchFile()
{
    const QString path = localPath();
    if (m_watcher && !path.isEmpty() && m_watcher->files().contains(path))
        m_watcher->removePath(path);
}

void LazyTextDocument::fileChanged(const QString& path)
{
    if (m_exiting || path != localPath())
        return;
    if (!QFileInfo::exists(path)) {
        emit fileDeleted(QUrl::fromLocalFile(path), true);
        return;
    }
    // Programs that save by renaming over the file end the watch; the file
    // is there again, so watch it again.
    watchFile();
    const QDateTime modified = QFileInfo(path).lastModified();
    // A write of our own still under way changes the file too; its time
    // is taken once it is done.
    if (modified == m_lastModification || m_loading || isSaving())
        return;
    if (m_isModified || m_allDoc->isModified()) {
        // The unsaved edits go into the history before the outside text is
        // loaded; when they cannot be kept there, they stay in the editor.
        if (!writeSnapshot(path, allText(), historyDir())) {
            setLastModification(modified);
            message::show(Message::Warn, tr("文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。"), 5000);
            return;
        }
        message::show(Message::Tips, tr("文件已被其他程序修改并重新载入，未保存的修改已存入历史记录。"), 5000);
    }
    const int cursor = m_selection->whole().cursor;
    if (reloadText())
        gotoPostionByAll(qBound(0, cursor, m_wholeDoc->length()));
}

void LazyTextDocument::dirChanged(const QString& dir)
{
    Q_UNUSED(dir)
}

void LazyTextDocument::exit()
{
    m_exiting = true;
    unwatchFile();
}

// ---- the cursor and the selection ------------------------------------------------

void LazyTextDocument::setAllSelectionStart(int value)
{
    if (value != m_selection->whole().start())
        select(value, m_selection->whole().end());
}

void LazyTextDocument::setAllSelectionEnd(int value)
{
    if (value != m_selection->whole().end())
        select(m_selection->whole().start(), value);
}

void LazyTextDocument::setAllCursorPostion(int value)
{
    if (value == m_selection->whole().cursor && m_selection->whole().isEmpty())
        return;
    gotoPostionByAll(value);
}

QString LazyTextDocument::selectedPlainText() const
{
    return WholeDocument::toLineFeeds(allSelectedText());
}

// ---- editing operations ------------------------------------------------------

void LazyTextDocument::select(int start, int end)
{
    if (start == -1 || end == -1)
        return;
    m_selection->take();
    m_window->showWhole(WindowMap::Selection { start, end });
}

void LazyTextDocument::selectByDocument(int start, int end)
{
    gotoPostionByAll(start);
    m_window->showWhole(WindowMap::Selection { start, end });
}

// Whole lines, the cursor at their start (the chapter selection).
void LazyTextDocument::selectLine(int startLine, int endLine)
{
    if (startLine == -1 && endLine == -1) {
        startLine = 0;
        endLine = m_allDoc->blockCount();
    }
    const QTextBlock first = m_allDoc->findBlockByNumber(startLine);
    if (!first.isValid())
        return;
    const int s = first.position();
    const QTextBlock last = m_allDoc->findBlockByNumber(endLine);
    const int e = last.isValid() ? last.position() : m_wholeDoc->length();
    if (e < s)
        return;
    gotoPostionByAll(s);
    m_window->showWhole(WindowMap::Selection { e, s });
}

// Everything, the cursor at the end (the text area shows its window
// selected, its cursor at the window's end).
void LazyTextDocument::selectAll()
{
    saveTmpFile();
    m_selection->take();
    m_selection->setWhole(WindowMap::Selection { 0, m_wholeDoc->length() });
    m_selection->show();
    emit isSelectedAllChanged(isSelectedAll());
}

void LazyTextDocument::deselect()
{
    m_selection->take();
    if (m_selection->whole().isEmpty())
        return;
    m_selection->setWhole(WindowMap::at(m_window->map().toWhole(m_selection->shown().cursor)));
    m_selection->show();
}

void LazyTextDocument::copy()
{
    m_selection->take();
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void LazyTextDocument::cut()
{
    m_selection->take();
    const QString text = selectedPlainText();
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    if (m_readOnly)
        return;
    replaceSelection(QString());
    emit ensureVisible();
}

void LazyTextDocument::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || m_readOnly || !m_window->document())
        return;
    replaceSelection(text);
    emit ensureVisible();
}

void LazyTextDocument::replaceSelection(const QString& text)
{
    if (!m_window->document() || m_readOnly)
        return;
    m_selection->take();
    const int start = m_selection->whole().start();
    const int end = qMin(m_selection->whole().end(), m_wholeDoc->length());
    if (start == end && text.isEmpty())
        return;
    if (m_window->map().contains(start) && m_window->map().contains(end) && text.size() <= maxWindowPaste) {
        // Through the window, mirrored like typing (but a step of its own);
        // the text area's cursor moves on with the inserted text.
        QTextCursor cursor(m_window->document());
        cursor.setPosition(m_window->map().toWindow(start));
        cursor.setPosition(m_window->map().toWindow(end), QTextCursor::KeepAnchor);
        m_typingRun.end();
        if (text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(text);
        m_typingRun.end();
        m_selection->show();
        return;
    }
    const bool everything = isSelectedAll();
    const int inserted = m_wholeDoc->replace(start, end, text);
    m_selection->setWhole(WindowMap::at(start + inserted));
    m_window->rebuildAt(start + inserted);
    if (everything)
        m_wholeDoc->announce(0, -1, inserted);
    else
        m_wholeDoc->announce(start, end - start, inserted);
}

void LazyTextDocument::removeSelect(bool removeEditText)
{
    m_selection->take();
    if (m_selection->whole().isEmpty() || m_readOnly)
        return;
    // A selection the window holds is removed by the text area's own
    // deletion unless asked for.
    const bool inWindow = m_window->map().contains(m_selection->whole().start()) && m_window->map().contains(m_selection->whole().end());
    if (inWindow && !removeEditText)
        return;
    replaceSelection(QString());
    m_format->apply();
}

void LazyTextDocument::undo()
{
    undoRedo(true);
}

void LazyTextDocument::redo()
{
    undoRedo(false);
}

void LazyTextDocument::undoRedo(bool undo)
{
    if (m_readOnly || !(undo ? m_allDoc->isUndoAvailable() : m_allDoc->isRedoAvailable()))
        return;
    // Undo and redo run with the whole document's own signals: one step is
    // one change notification, with its exact range.
    int changed = -1;
    const auto connection = connect(m_allDoc, &QTextDocument::contentsChange, this, [&](int position, int, int added) {
        changed = position + added;
    });
    QTextCursor cursor(m_allDoc);
    if (undo)
        m_allDoc->undo(&cursor);
    else
        m_allDoc->redo(&cursor);
    disconnect(connection);
    m_wholeDoc->settle(true);
    const int position = changed >= 0 ? qMin(changed, m_wholeDoc->length()) : cursor.position();
    m_window->rebuildAt(position);
}

void LazyTextDocument::enterPressed()
{
    m_enterPressed = true;
    // Should the text area not insert the line break, the flag must not
    // keep the window from moving.
    QTimer::singleShot(0, this, [this] { m_enterPressed = false; });
}

void LazyTextDocument::doRealTimeSave(int blockCount)
{
    Q_UNUSED(blockCount)
    if (!m_enterPressed || m_inserting)
        return;
    QString text;
    if (m_addEmptyLineAtEndByEnter)
        text += QStringLiteral("\r\n");
    if (m_add2SpaceAtFrontByEnter)
        text += twoIdeographicSpaces;
    if (!text.isEmpty()) {
        m_wholeDoc->setJoinUndo(true);
        insertAtEditCursor(text);
        m_wholeDoc->setJoinUndo(false);
    }
    setSeriseEnterNumber(m_seriseEnterNumber + 1);
    m_enterPressed = false;
    m_scroller->scheduleMaintenance();
    // Handed to the writer on the event loop's next turn rather than
    // inside the key's handling, so that the window answers in between
    // (copying a long book's text takes a few milliseconds). A wait for
    // the saves, and the document's end, hand it over first.
    if (!m_enterSavePending) {
        m_enterSavePending = true;
        QTimer::singleShot(0, this, &LazyTextDocument::handOverEnterSave);
    }
}

void LazyTextDocument::handOverEnterSave()
{
    if (!m_enterSavePending)
        return;
    m_enterSavePending = false;
    saveInBackground();
}

void LazyTextDocument::insertAtEditCursor(const QString& text)
{
    if (!m_window->document())
        return;
    m_selection->take();
    m_window->returnToCursor();
    QTextCursor cursor(m_window->document());
    cursor.setPosition(m_selection->shown().cursor);
    m_inserting = true;
    cursor.insertText(text);
    m_inserting = false;
    m_selection->take();
}

void LazyTextDocument::addChapterName(int nextTitleIndex)
{
    deselect();
    if (!m_window->document())
        return;
    const QString line = m_window->document()->findBlock(m_selection->shown().cursor).text();
    if (TextRules::isChapterTitle(line, m_chapterKeys)) {
        message::show(Message::Tips, tr("已经是章节标题了"), 5000);
        return;
    }
    insertAtEditCursor(tr("第%1章").arg(nextTitleIndex));
}

void LazyTextDocument::makeup()
{
    if (m_makeupRunning || m_readOnly)
        return;
    m_makeupRunning = true;
    saveInBackground();
    saveTmpFile();
    auto* worker = new makeuper(nullptr);
    // The lines are taken here, on the GUI thread; the worker never reads
    // the document while it can change.
    worker->setTextList(allText().split(QRegularExpression(QStringLiteral("[\r\n]"))));
    m_makeupRevision = m_wholeDoc->revision();
    connect(worker, &makeuper::makeupFinished, this, &LazyTextDocument::makeupFinished);
    worker->start();
}

void LazyTextDocument::makeupFinished(const QStringList& list)
{
    m_makeupRunning = false;
    if (m_makeupRevision != m_wholeDoc->revision()) {
        // Edits made while the worker ran would be lost under its result.
        message::show(Message::Tips, tr("排版期间文档已被修改，排版结果未应用。"), 5000);
        return;
    }
    m_selection->setWhole(WindowMap::at(0));
    m_wholeDoc->replaceAll(list.join(QStringLiteral("\r\n")));
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    m_window->rebuildAt(0);
    gotoEnd();
}

bool LazyTextDocument::subtleFinish(const QString& text)
{
    // The text before masking goes into the history first (the masking
    // sheet tells the writer it can be found there); without that snapshot
    // the masking is not applied.
    if (!saveTmpFile()) {
        message::show(Message::Warn, tr("无法保存过滤前的历史记录，过滤结果未应用。"), 5000);
        return false;
    }
    m_selection->take();
    const int cursor = m_selection->whole().cursor;
    m_selection->setWhole(WindowMap::at(0));
    m_wholeDoc->replaceAll(text);
    m_allDoc->setModified(true);
    m_wholeDoc->announce(0, -1, m_wholeDoc->length());
    m_window->rebuildAt(qBound(0, cursor, m_wholeDoc->length()));
    m_scroller->scheduleMaintenance();
    return true;
}

// ---- search and replace ----------------------------------------------------------

QRegularExpression LazyTextDocument::searchExpression() const
{
    // Regular expressions are case-sensitive; the case option only applies
    // to plain text.
    return QRegularExpression(m_selectedText);
}

// The expression is matched line by line, as the document's own search does;
// backwards, the last match that starts before from.
LazyTextDocument::Match LazyTextDocument::findExpression(const QRegularExpression& expression, int from, bool backward) const
{
    Match result;
    if (!expression.isValid())
        return result;
    QTextBlock block = m_allDoc->findBlock(qBound(0, from, m_wholeDoc->length()));
    if (!backward) {
        int offset = from - block.position();
        for (; block.isValid(); block = block.next(), offset = 0) {
            const QRegularExpressionMatch match = expression.match(block.text(), offset);
            if (match.hasMatch()) {
                result.start = block.position() + match.capturedStart();
                result.length = match.capturedLength();
                return result;
            }
        }
        return result;
    }
    int limit = from - block.position();
    for (; block.isValid(); block = block.previous(), limit = INT_MAX) {
        QRegularExpressionMatchIterator it = expression.globalMatch(block.text());
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            if (match.capturedStart() >= limit)
                break;
            result.start = block.position() + match.capturedStart();
            result.length = match.capturedLength();
        }
        if (result.start >= 0)
            return result;
    }
    return result;
}

LazyTextDocument::Match LazyTextDocument::findMatch(const QRegularExpression& expression, int from, bool backward,
    QTextDocument::FindFlags flags, bool allowEmpty) const
{
    Match result;
    const int length = m_wholeDoc->length();
    while (from >= 0 && from <= length) {
        if (m_searchMode == RegularExpressionMode) {
            result = findExpression(expression, from, backward);
        } else {
            const QTextCursor found = m_allDoc->find(m_selectedText, from, flags | (backward ? QTextDocument::FindBackward : QTextDocument::FindFlags()));
            result = Match();
            if (!found.isNull()) {
                result.start = found.selectionStart();
                result.length = found.selectionEnd() - found.selectionStart();
            }
        }
        if (result.start < 0 || result.length > 0 || allowEmpty)
            return result;
        // An empty match selects nothing: look on from the next character.
        from = backward ? result.start : result.start + 1;
        if (backward && from == 0)
            return Match();
    }
    return Match();
}

bool LazyTextDocument::doSearch(bool searchDown, bool allowRestartAtTop)
{
    if (m_selectedText.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (m_searchMode == WholeWordsMode)
        flags |= QTextDocument::FindWholeWords;
    if (m_matchCaseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    const QRegularExpression expression = searchExpression();
    m_selection->take();
    const QTextCursor cursor = m_selection->wholeCursor();
    // Down: after the selection; up: before its start.
    const int from = searchDown ? cursor.selectionEnd() : cursor.selectionStart();
    Match match = findMatch(expression, from, !searchDown, flags, false);
    if (match.start >= 0) {
        selectByDocument(match.start, match.start + match.length);
        return true;
    }
    const QString restartTips = searchDown ? tr("从头开始查找") : tr("从结尾开始查找");
    if (!allowRestartAtTop) {
        message::show(Message::Tips, restartTips, 5000);
        return false;
    }
    // Wrap around: the cursor goes to the start (end) and the next search
    // step, from there, selects the match found now.
    const int restart = searchDown ? 0 : m_wholeDoc->length();
    gotoPostionByAll(restart);
    match = findMatch(expression, restart, !searchDown, flags, false);
    if (match.start < 0) {
        message::show(Message::Tips, tr("未找到"), 5000);
        return false;
    }
    message::show(Message::Tips, restartTips, 5000);
    return true;
}

bool LazyTextDocument::doReplace(bool forAll)
{
    if (m_readOnly || !m_window->document())
        return false;
    if (!doSearch(true, true))
        return false;
    const int start = m_selection->whole().start();
    const int end = m_selection->whole().end();
    if (!forAll && start == end)
        return false;
    QString text = m_replaceText;
    if (m_searchMode == RegularExpressionMode)
        text = m_wholeDoc->range(start, end).replace(searchExpression(), m_replaceText);
    replaceSelection(text);
    return true;
}

void LazyTextDocument::doReplaceAll()
{
    // Replace-all never deletes matches: an empty replacement does nothing.
    if (m_readOnly || m_selectedText.isEmpty() || m_replaceText.isEmpty())
        return;
    selectByDocument(0, 0);
    const QRegularExpression expression = searchExpression();
    int from = 0;
    int first = -1;
    int growth = 0;
    int oldEnd = 0;
    int newEnd = 0;
    {
        const QSignalBlocker blocker(m_allDoc);
        QTextCursor cursor(m_allDoc);
        cursor.beginEditBlock();
        for (;;) {
            const Match match = findMatch(expression, from, false, QTextDocument::FindFlags(), true);
            if (match.start < 0)
                break;
            if (first < 0)
                first = match.start;
            const int before = m_wholeDoc->length();
            cursor.setPosition(match.start);
            cursor.setPosition(match.start + match.length, QTextCursor::KeepAnchor);
            cursor.insertText(m_replaceText);
            const int inserted = m_wholeDoc->length() - (before - match.length);
            oldEnd = match.start + match.length - growth;
            growth += inserted - match.length;
            newEnd = match.start + inserted;
            // Go on right after the replacement, so that adjacent matches are
            // all replaced and the replacement itself is never searched; past
            // an empty match one character further, or it would match again.
            from = newEnd + (match.length == 0 ? 1 : 0);
        }
        cursor.endEditBlock();
    }
    if (first >= 0)
        m_wholeDoc->announce(first, oldEnd - first, newEnd - first); // one notice for the whole span
    saveInBackground();
    m_window->rebuildAt(0);
}

// ---- rich-text formatting of the window ------------------------------------------

// ---- plain properties ------------------------------------------------------------

int LazyTextDocument::lineCount() const
{
    return m_allDoc->blockCount();
}

bool LazyTextDocument::isUndoAvailable() const
{
    return m_allDoc->isUndoAvailable();
}

bool LazyTextDocument::isRedoAvailable() const
{
    return m_allDoc->isRedoAvailable();
}

void LazyTextDocument::setStartLineText(const QString& value)
{
    if (value == m_startLineText)
        return;
    m_startLineText = value;
    emit startLineTextChanged();
}

void LazyTextDocument::setFileType(const QString& type)
{
    if (type == m_fileType)
        return;
    m_fileType = type;
    emit fileTypeChanged();
}

void LazyTextDocument::setReadOnly(bool value)
{
    if (value == m_readOnly)
        return;
    m_readOnly = value;
    emit readOnlyChanged();
}

void LazyTextDocument::setLoading(bool value)
{
    if (value == m_loading)
        return;
    m_loading = value;
    emit loadingChanged();
}

void LazyTextDocument::setTextLoaded(bool value)
{
    if (value == m_textLoaded)
        return;
    m_textLoaded = value;
    emit textLoadedChanged();
}

// Modified while the text is not the one the file holds, also when undo
// brings the whole document back to an older saved state: the file may hold
// a later text by then.
void LazyTextDocument::refreshModified()
{
    const bool modified = m_allDoc->isModified();
    setIsModified(m_savedRevision == m_cleanRevision ? modified : modified || m_wholeDoc->revision() != m_savedRevision);
}

void LazyTextDocument::setIsModified(bool value)
{
    if (value && !m_isTmpModified)
        setIsTmpModified(true);
    if (value == m_isModified)
        return;
    m_isModified = value;
    if (m_allDoc->isModified() != value)
        m_allDoc->setModified(value);
    emit isModifiedChanged();
}

void LazyTextDocument::setIsTmpModified(bool value)
{
    if (value == m_isTmpModified)
        return;
    m_isTmpModified = value;
    emit isTmpModifiedChanged();
}

void LazyTextDocument::setLastModification(const QDateTime& value)
{
    if (value == m_lastModification)
        return;
    m_lastModification = value;
    emit lastModificationChanged();
}

void LazyTextDocument::setAddEmptyLineAtEndByEnter(bool value)
{
    if (value == m_addEmptyLineAtEndByEnter)
        return;
    m_addEmptyLineAtEndByEnter = value;
    emit addEmptyLineAtEndByEnterChanged();
}

void LazyTextDocument::setAdd2SpaceAtFrontByEnter(bool value)
{
    if (value == m_add2SpaceAtFrontByEnter)
        return;
    m_add2SpaceAtFrontByEnter = value;
    emit add2SpaceAtFrontByEnterChanged();
}

void LazyTextDocument::setAutoAddChapterName(int value)
{
    if (value == m_autoAddChapterName)
        return;
    m_autoAddChapterName = value;
    emit autoAddChapterNameChanged();
}

void LazyTextDocument::setSeriseEnterNumber(int value)
{
    if (value == m_seriseEnterNumber)
        return;
    m_seriseEnterNumber = value;
    emit seriseEnterNumberChanged();
}

void LazyTextDocument::setSelectedText(const QString& value)
{
    if (value == m_selectedText)
        return;
    m_selectedText = value;
    emit selectedTextChanged();
}

void LazyTextDocument::setReplaceText(const QString& value)
{
    if (value == m_replaceText)
        return;
    m_replaceText = value;
    emit replaceTextChanged();
}

void LazyTextDocument::setSearchMode(SearchMode value)
{
    if (value == m_searchMode)
        return;
    m_searchMode = value;
    emit searchModeChanged();
}

void LazyTextDocument::setReplaceMode(bool value)
{
    if (value == m_replaceMode)
        return;
    m_replaceMode = value;
    emit replaceModeChanged();
}

void LazyTextDocument::setMatchCaseSensitive(bool value)
{
    if (value == m_matchCaseSensitive)
        return;
    m_matchCaseSensitive = value;
    emit matchCaseSensitiveChanged();
}

void LazyTextDocument::setMarkdownForFormat(bool value)
{
    if (value == m_markdownForFormat)
        return;
    m_markdownForFormat = value;
    emit markdownForFormatChanged();
}

void LazyTextDocument::setHistoryPath(const QUrl& value)
{
    if (value == m_historyPath)
        return;
    m_historyPath = value;
    emit historyPathChanged();
}

void LazyTextDocument::setInitPosition(int value)
{
    if (value == m_initPosition)
        return;
    m_initPosition = value;
    emit initPositionChanged(value);
}

void LazyTextDocument::setChapterKeys(const QStringList& value)
{
    if (value == m_chapterKeys)
        return;
    m_chapterKeys = value;
    emit chapterKeysChanged();
}

void LazyTextDocument::setTestTips(const QString& value)
{
    if (value == m_testTips)
        return;
    m_testTips = value;
    emit testTipsChanged();
}
