#include "documentloader.h"

#include "function/function.h"
#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "textarea/documentfile.h"
#include "textarea/editorfile.h"
#include "textarea/editwindow.h"
#include "textarea/lazytextdocument.h"
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
#include <QTimer>
#include <QtConcurrent>

#include <utility>

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

DocumentLoader::DocumentLoader(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
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
    // Nothing when the file changed while it was read: the load reads again.
    ahead.read = QtConcurrent::run([ahead] {
        QStringList lines = readLines(ahead.path);
        return ahead.sameFile(QFileInfo(ahead.path)) ? lines : QStringList();
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
    EditorFile* file = m_parts.file;
    QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    const bool resource = url.scheme() == QLatin1String("qrc");
    // The first load uses a read ahead or nobody does.
    const ReadAhead ahead = std::exchange(pendingReadAhead(), ReadAhead());
    if (path.isEmpty()) {
        if (!resource) {
            message::show(Message::Error, LazyTextDocument::tr("未支持的打开方式"), 5000);
            return false;
        }
        path = QLatin1Char(':') + url.path();
    }
    if (!resource && !QFileInfo::exists(path)) {
        // A missing document is created empty; never over an existing file.
        UserFile::write(path, QByteArray(), UserFile::NewFileOnly);
    }
    // A document is a regular file, checked before anything is read.
    QFile source(path);
    QString problem;
    if (resource ? !source.open(QIODevice::ReadOnly) : !DocumentFile::open(source, path, &problem)) {
        if (problem.isEmpty())
            problem = source.errorString();
        logWarning(lcEditor) << "cannot open" << path << problem;
        message::show(Message::Error, LazyTextDocument::tr("无法打开文件: ") + problem, 5000);
        return false;
    }
    file->setLastModification(QFileInfo(path).lastModified());
    m_parts.whole->document()->setModified(false);
    file->setSavedRevision(m_parts.whole->revision());
    file->setIsModified(false);

    if (inSteps && !resource && !file->isHtml() && source.size() > stepLoadBytes) {
        source.close();
        const bool readAlready = ahead.path == path && ahead.sameFile(QFileInfo(path));
        loadInSteps(path, readAlready ? ahead.read : QFuture<QStringList>());
        return true;
    }
    QString text = documentText(source.readAll());
    source.close();
    if (text.isEmpty() && m_parts.typing->add2SpaceAtFrontByEnter()) {
        text = QStringLiteral("\u3000\u3000");
        file->setInitPosition(2);
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
void DocumentLoader::loadInSteps(const QString& path, const QFuture<QStringList>& readAhead)
{
    const quint64 generation = ++m_generation;
    const bool readAlready = !readAhead.isCanceled();
    // The deferred work is the document's, as all of its deferred work.
    auto* reading = new QFutureWatcher<QStringList>(m_parts.document);
    connect(reading, &QFutureWatcherBase::finished, m_parts.document, [this, reading, generation, path] {
        reading->deleteLater();
        if (generation != m_generation)
            return;
        if (reading->result().isEmpty()) {
            // The file changed while it was read ahead.
            loadInSteps(path, QFuture<QStringList>());
            return;
        }
        const bool hadText = beginTextReplacement();
        m_parts.whole->replaceAll(QString());
        // No undo history for the loaded text (as for any whole text).
        m_parts.whole->document()->setUndoRedoEnabled(false);
        QStringList read = reading->result();
        const QString text = read.takeFirst();
        insertStep(generation, text, read, 0, hadText, path);
    });
    reading->setFuture(readAlready ? readAhead : QtConcurrent::run(readLines, path));
}

void DocumentLoader::insertStep(quint64 generation, const QString& text, const QStringList& lines, int from, bool hadText,
    const QString& path)
{
    if (generation != m_generation)
        return;
    int to = qMin(text.size(), from + stepLoadCharacters);
    // A part ends after a line feed, so a "\r\n" is never cut in two.
    const int lineEnd = text.indexOf(QLatin1Char('\n'), to - 1);
    to = lineEnd < 0 ? text.size() : lineEnd + 1;
    m_parts.whole->appendRaw(text.mid(from, to - from));
    if (to < text.size()) {
        QTimer::singleShot(0, m_parts.document, [=] { insertStep(generation, text, lines, to, hadText, path); });
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
void DocumentLoader::textTaken(const QString& path, bool resource)
{
    EditorFile* file = m_parts.file;
    QTextDocument* whole = m_parts.whole->document();
    whole->setModified(false);
    file->setSavedRevision(m_parts.whole->revision());
    file->setIsModified(false);
    const int length = whole->characterCount();
    const int initPosition = file->initPosition();
    const int cursor = initPosition < length ? qMax(0, initPosition) : length - 1;
    // Kept also when the text area comes later: the window is built there.
    m_parts.selection->setWhole(WindowMap::at(cursor));
    m_parts.scroller->gotoPostionByAll(cursor);
    file->setReadOnly(resource);
    logDebug(lcEditor) << "loaded" << path << whole->blockCount() << "lines";
}

bool DocumentLoader::reloadText()
{
    EditorFile* file = m_parts.file;
    EditWindow* window = m_parts.window;
    window->connectEditAndAllDocument(false);
    file->setTextLoaded(false);
    window->clear();
    const QString path = file->localPath();
    const bool ok = !path.isEmpty() && QFileInfo::exists(path) && loadText(file->fileName());
    if (!ok)
        file->setTextLoaded(true);
    window->connectEditAndAllDocument(true);
    return ok;
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
