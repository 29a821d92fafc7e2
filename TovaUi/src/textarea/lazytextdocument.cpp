#include "lazytextdocument.h"

#include "textarea/documentediting.h"
#include "textarea/editorfile.h"
#include "textarea/documentloader.h"
#include "textarea/documentsearch.h"
#include "textarea/editwindow.h"
#include "textarea/historysnapshots.h"
#include "textarea/saveschedule.h"
#include "textarea/typingrules.h"
#include "textarea/wholedocument.h"
#include "textarea/windowformat.h"
#include "textarea/windowmirror.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QElapsedTimer>
#include <QTextDocument>

namespace {
QElapsedTimer m_timeElapsed;
} // namespace

LazyTextDocument::LazyTextDocument(QObject* parent)
    : QObject(parent)
{
    m_timeElapsed.restart();
    // Every part is built before any is used; each reaches the others
    // through m_parts.
    m_parts.document = this;
    m_parts.whole = new WholeDocument(this);
    m_allDoc = m_parts.whole->document();
    m_parts.selection = m_selection = new WriterSelection(m_parts, this);
    m_parts.window = m_window = new EditWindow(m_parts, this);
    m_parts.scroller = m_scroller = new WindowScroller(m_parts, this);
    m_parts.mirror = new WindowMirror(m_parts, this);
    m_format = std::make_unique<WindowFormat>(m_parts);
    m_parts.format = m_format.get();
    m_parts.file = m_file = new EditorFile(m_parts, this);
    m_parts.loader = m_loader = new DocumentLoader(m_parts, this);
    m_parts.history = m_history = new HistorySnapshots(m_parts, this);
    m_parts.saves = m_saves = new SaveSchedule(m_parts, this);
    m_parts.typing = m_typing = new TypingRules(m_parts, this);
    m_search = std::make_unique<DocumentSearch>(m_parts);
    m_parts.search = m_search.get();
    m_editing = std::make_unique<DocumentEditing>(m_parts);
    m_parts.editing = m_editing.get();

    connect(m_parts.whole, &WholeDocument::changed, this, &LazyTextDocument::afterWholeChange);
    connect(m_allDoc, &QTextDocument::modificationChanged, m_file, &EditorFile::refreshModified);
    // The loader reports the file it read to the part that owns the file's
    // identity; the file is compared once the text is in.
    connect(m_loader, &DocumentLoader::fileRead, m_file, &EditorFile::takeFileRead);
    connect(m_loader, &DocumentLoader::loaded, m_file, [this] { m_file->checkFile(); }, Qt::QueuedConnection);
    // Every jump moves the cursor: typing after it is a step of its own.
    connect(this, &LazyTextDocument::sendEditPostion, m_typing, &TypingRules::endTypingRun);
    m_window->connectEditAndAllDocument(true);
}

LazyTextDocument::~LazyTextDocument()
{
    m_saves->handOverEnterSave(); // the writer, ended with the document, writes it
    // A text its file could not take is kept before it goes.
    m_file->keepAtEnd();
    m_file->unwatchFile();
}

int LazyTextDocument::timeElapsed()
{
    return m_timeElapsed.isValid() ? int(m_timeElapsed.elapsed()) : 0;
}

void LazyTextDocument::afterWholeChange(bool textEdited)
{
    if (textEdited)
        m_history->setIsTmpModified(true);
    // Edits made with the whole document's signals blocked do not report the
    // modified flag: read it back after every change.
    m_file->refreshModified();
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

int LazyTextDocument::lineCount() const
{
    return m_allDoc->blockCount();
}

QString LazyTextDocument::allText() const
{
    return m_parts.whole->text();
}

QString LazyTextDocument::allRawText() const
{
    return m_parts.whole->rawText();
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

void LazyTextDocument::setMarkdownForFormat(bool value)
{
    if (value == m_markdownForFormat)
        return;
    m_markdownForFormat = value;
    emit markdownForFormatChanged();
}

void LazyTextDocument::setTestTips(const QString& value)
{
    if (value == m_testTips)
        return;
    m_testTips = value;
    emit testTipsChanged();
}
