#include "editorfile.h"

#include "function/message.h"
#include "support/log.h"
#include "support/userfile.h"
#include "support/writenotice.h"
#include "textarea/documentloader.h"
#include "textarea/documentsaver.h"
#include "textarea/editwindow.h"
#include "textarea/historysnapshots.h"
#include "textarea/lazytextdocument.h"
#include "textarea/rawtextcopy.h"
#include "textarea/saveschedule.h"
#include "textarea/wholedocument.h"
#include "textarea/windowscroller.h"
#include "textarea/writerselection.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTextDocument>
#include <QTimer>

EditorFile::EditorFile(const EditorParts& parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
    m_copyTimer = new QTimer(this);
    m_copyTimer->setSingleShot(true);
    m_copyTimer->setInterval(0);
    connect(m_copyTimer, &QTimer::timeout, this, &EditorFile::copyAhead);

    m_loadTimer = new QTimer(this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(5);
    connect(m_loadTimer, &QTimer::timeout, this, &EditorFile::doSetFile);

    m_saver = new DocumentSaver(this);
    connect(m_saver, &DocumentSaver::found, this, &EditorFile::fileFound);
    connect(m_saver, &DocumentSaver::written, this, &EditorFile::savedInBackground);
    connect(m_saver, &DocumentSaver::overwrote, this, &EditorFile::keepOverwritten);
}

QString EditorFile::localPath() const
{
    if (m_fileName.isLocalFile())
        return m_fileName.toLocalFile();
    return QString();
}

bool EditorFile::isHtml() const
{
    return m_fileType.startsWith(QLatin1String("htm"));
}

void EditorFile::setFileName(const QUrl& url)
{
    if (url == m_fileName)
        return;
    WholeDocument* whole = m_parts.whole;
    if (url.isEmpty()) {
        logDebug(lcEditor) << "fileName is empty";
        const bool hadText = whole->length() > 0;
        m_parts.window->empty();
        whole->replaceAll(QString());
        if (hadText)
            whole->announce(0, -1, 0);
        return;
    }
    unwatchFile();
    m_parts.loader->cancel();
    setLoading(true);
    whole->rawCopy().clear(); // the last file's; remade once this one is in
    m_fileName = url;
    m_identity = FileIdentity();
    m_gone = false;
    m_parts.loader->readEarly(url);
    m_loadTimer->start();
}

void EditorFile::doSetFile()
{
    setFileType(QFileInfo(m_fileName.path()).suffix());
    if (!m_fileName.isEmpty())
        m_parts.loader->loadText(m_fileName, true);
    watchFile();
    emit m_parts.document->fileNameChanged(m_fileName);
    if (m_fileName.scheme() == QLatin1String("qrc"))
        m_parts.scroller->gotoPostionByAll(0);
}

void EditorFile::refreshModified()
{
    const bool modified = m_parts.whole->document()->isModified();
    const quint64 revision = m_parts.whole->revision();
    setIsModified(m_savedRevision == m_cleanRevision ? modified : modified || revision != m_savedRevision);
}

void EditorFile::setIsModified(bool value)
{
    HistorySnapshots* history = m_parts.history;
    if (value && !history->isTmpModified())
        history->setIsTmpModified(true);
    if (value == m_isModified)
        return;
    m_isModified = value;
    QTextDocument* whole = m_parts.whole->document();
    if (whole->isModified() != value)
        whole->setModified(value);
    emit m_parts.document->isModifiedChanged();
}

QByteArray EditorFile::encodedText() const
{
    if (isHtml())
        return m_parts.whole->document()->toHtml(QByteArrayLiteral("utf-8")).toUtf8();
    if (m_textForm.mixedLineEnds()) {
        QFile old(localPath());
        if (old.open(QIODevice::ReadOnly))
            return m_textForm.encodeAfter(m_parts.whole->rawText(), old.readAll());
    }
    return m_textForm.encode(m_parts.whole->rawText());
}

QString EditorFile::unsavableNotice() const
{
    return LazyTextDocument::tr("此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。")
        .arg(m_textForm.encodingName());
}

bool EditorFile::modified() const
{
    return m_isModified || m_parts.whole->document()->isModified();
}

bool EditorFile::save()
{
    // A document still loading is not the file's whole text: the file
    // already holds it.
    if (m_loading)
        return true;
    waitForSaves();
    if (!modified())
        return true;
    // Another program's change is not written over unseen; a file deleted
    // or moved away is not brought back.
    if (!m_identity.isNull()) {
        const QString path = localPath();
        switch (m_identity.compare(path)) {
        case FileIdentity::Seen::Changed:
            // Not written: the writer's text goes to the history and the
            // file's is loaded.
            changedOutside(path, true);
            return false;
        case FileIdentity::Seen::Gone:
            fileGone(path);
            return false;
        case FileIdentity::Seen::Unreadable:
            fileUnreadable(path, true);
            return false;
        case FileIdentity::Seen::Same:
            break;
        }
    }
    return saveAs(m_fileName);
}

bool EditorFile::saveAs(const QUrl& fileUrl)
{
    const QString path = fileUrl.isLocalFile() ? fileUrl.toLocalFile() : QString();
    if (path.isEmpty()) {
        message::show(Message::Error, LazyTextDocument::tr("Cannot save: ") + LazyTextDocument::tr("not a local file"), 5000);
        return false;
    }
    if (m_loading) {
        message::show(Message::Error, LazyTextDocument::tr("Cannot save: ") + LazyTextDocument::tr("文件正在载入"), 5000);
        return false;
    }
    if (!m_textForm.exact()) {
        message::show(Message::Error, LazyTextDocument::tr("Cannot save: ") + unsavableNotice(), 5000);
        return false;
    }
    // Writes handed over before come first, so that none of them lands
    // after this one.
    waitForSaves();
    // Written to a temporary file and renamed over the document only when
    // every byte is on disk: a failed save leaves the old file intact.
    // Over its own file, only while that is the file last read or written.
    const bool own = fileUrl == m_fileName && !m_gone && !m_identity.isNull();
    const UserFile::Result written
        = UserFile::write(path, encodedText(), UserFile::WithDigest, own ? m_identity.stamp() : UserFile::Stamp());
    if (!written && written.replacedChanged) {
        changedOutside(path, true);
        return false;
    }
    if (!written) {
        WriteNotice::show(LazyTextDocument::tr("Cannot save: "), path, written.error);
        return false;
    }
    WriteNotice::passed(path);
    if (written.replacedChanged)
        keepOverwritten(0, path, written.replacedBytes);
    m_identity = FileIdentity::ofWrite(written.stamp, written.digest);
    m_unreadable = false;
    m_writeFailing = false;
    setSavedRevision(m_parts.whole->revision());
    m_parts.whole->document()->setModified(false);
    setIsModified(false);
    if (fileUrl != m_fileName) {
        unwatchFile();
        m_fileName = fileUrl;
        emit m_parts.document->fileNameChanged(m_fileName);
    }
    followSavedFile(path);
    return true;
}

void EditorFile::saveInBackground()
{
    WholeDocument* whole = m_parts.whole;
    // A closed tab writes nothing more: it was saved as it closed, or its
    // file was deleted (a write would bring it back).
    // Nor is a file deleted or moved away brought back, nor one whose bytes
    // would not come back written.
    if (m_exiting || m_loading || m_gone || !m_textForm.exact() || !modified())
        return;
    for (const quint64 revision : qAsConst(m_pendingSaves)) {
        if (revision == whole->revision())
            return; // this very text is on its way
    }
    const QString path = localPath();
    if (path.isEmpty()) {
        message::show(Message::Error, LazyTextDocument::tr("Cannot save: ") + LazyTextDocument::tr("not a local file"), 5000);
        return;
    }
    // Only what changed since the last save is copied here; the line feeds,
    // the encoding and the write are the writer thread's, which keeps the
    // file's start where the text's is unchanged.
    quint64 ticket = 0;
    if (isHtml()) {
        ticket = m_saver->save(path, encodedText(), m_identity);
    } else {
        const QString text = whole->rawCopy().text();
        ticket = m_saver->saveRawText(path, text, whole->rawCopy().takeUnchanged(), m_textForm, m_identity);
    }
    m_pendingSaves.insert(ticket, whole->revision());
}

bool EditorFile::isSaving() const
{
    // Until its result is taken here: the file watcher may report the
    // write before that.
    return m_parts.saves->isEnterSavePending() || !m_pendingSaves.isEmpty() || m_saver->busy();
}

void EditorFile::waitForSaves()
{
    m_parts.saves->handOverEnterSave();
    m_saver->wait();
}

void EditorFile::fileFound(quint64 ticket, FileIdentity::Seen seen, const FileIdentity& file)
{
    if (!m_pendingSaves.contains(ticket))
        return;
    m_foundTicket = ticket;
    m_found = seen;
    m_foundFile = file;
}

void EditorFile::savedInBackground(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error)
{
    const auto pending = m_pendingSaves.constFind(ticket);
    if (pending == m_pendingSaves.constEnd())
        return;
    const quint64 revision = pending.value();
    m_pendingSaves.erase(pending);
    // A write that was not done compares the file again once no other
    // write is under way; so does one that was, for a change landing just
    // after it.
    struct CheckAfter {
        EditorFile* file;
        ~CheckAfter()
        {
            if (!file->isSaving())
                file->checkFile();
        }
    } checkAfter { this };
    if (superseded)
        return;
    const bool refused = m_foundTicket == ticket && m_found != FileIdentity::Seen::Same;
    m_foundTicket = 0;
    if (refused)
        return;
    UserFile::Result result;
    result.ok = ok;
    result.error = error;
    // The next Enter tries again; one notice until a write succeeds. The
    // text the file could not take is kept at the first failure, and the
    // notice names the copy.
    if (!WriteNotice::track(LazyTextDocument::tr("Cannot save: "), path, result)) {
        if (!m_writeFailing && path == localPath()) {
            m_writeFailing = true;
            const QString kept = keepUnsaved();
            if (!kept.isEmpty()) {
                const QString notice = WriteNotice::text(LazyTextDocument::tr("Cannot save: "), path, error) + QLatin1Char(' ')
                    + LazyTextDocument::tr("未保存的修改已存入：%1").arg(kept);
                // After the write notice, which comes from the event loop.
                QTimer::singleShot(0, this, [notice] { message::show(Message::TipsError, notice, 8000); });
            }
        }
        return;
    }
    m_writeFailing = false;
    if (path != localPath())
        return; // the document has another file by now
    // Later writes expect the file this one left.
    m_identity = m_foundFile;
    m_savedRevision = revision;
    // Edits made after the text was handed over are not in the file: the
    // document stays modified, and the save schedule saves again (its timer
    // starts on a change of isModified, which then never comes).
    if (revision == m_parts.whole->revision()) {
        m_cleanRevision = revision;
        m_parts.whole->document()->setModified(false);
        setIsModified(false);
    } else {
        refreshModified();
        m_parts.saves->savedBehindEdits();
    }
    followSavedFile(path);
}

// After a write of the document's own file: not deleted, the time of the
// file written (not of whatever is found at the path by now), and the watch
// on the file that the rename replaced.
void EditorFile::followSavedFile(const QString& path)
{
    Q_UNUSED(path)
    m_gone = false;
    emit m_parts.document->fileDeleted(m_fileName, false);
    setLastModification(m_identity.modified());
    unwatchFile();
    watchFile();
}

void EditorFile::scheduleCopyAhead()
{
    m_copyTimer->start();
}

void EditorFile::copyAhead()
{
    if (m_loading || m_readOnly || isHtml())
        return;
    RawTextCopy& copy = m_parts.whole->rawCopy();
    if (!copy.refresh(1 << 20)) {
        m_copyTimer->start();
        return;
    }
    // The file just read is most likely this text's encoding: the first
    // save then keeps it instead of writing the book again.
    const QString path = localPath();
    if (!path.isEmpty()) {
        const QString text = copy.text();
        m_saver->adoptFile(path, text, copy.takeUnchanged(), m_textForm);
    }
}

void EditorFile::followRename(const QUrl& url)
{
    if (url.isEmpty() || url == m_fileName)
        return;
    unwatchFile();
    m_fileName = url;
    m_gone = false; // the file is there under its new name
    // A load still waiting for its timer reads the new name by itself.
    if (m_loadTimer->isActive())
        return;
    setFileType(QFileInfo(m_fileName.path()).suffix());
    watchFile();
    emit m_parts.document->fileDeleted(m_fileName, false);
    emit m_parts.document->fileNameChanged(m_fileName);
}

void EditorFile::watchFile()
{
    const QString path = localPath();
    if (path.isEmpty())
        return;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &EditorFile::fileChanged);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_parts.document, &LazyTextDocument::dirChanged);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &EditorFile::folderChanged);
    }
    if (!m_watcher->files().contains(path) && QFileInfo::exists(path))
        m_watcher->addPath(path);
    // A folder moved away or deleted says nothing to the file's watch: the
    // file's folder and the one above it are watched too.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    QStringList folders { folder.absoluteFilePath() };
    if (!folder.isRoot())
        folders << folder.absolutePath();
    for (const QString& dir : qAsConst(folders)) {
        if (!m_watcher->directories().contains(dir) && QFileInfo(dir).isDir())
            m_watcher->addPath(dir);
    }
}

void EditorFile::unwatchFile()
{
    const QString path = localPath();
    if (m_watcher && !path.isEmpty() && m_watcher->files().contains(path))
        m_watcher->removePath(path);
    if (m_watcher && !m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
}

// A folder the file is in changed: the file may be gone, moved or back.
void EditorFile::folderChanged()
{
    checkFile(false);
}

void EditorFile::fileChanged(const QString& path)
{
    if (m_exiting || path != localPath())
        return;
    // Programs that save by renaming over the file end the watch; the file
    // is there again, so watch it again.
    watchFile();
    // A load or a write under way compares the file when it ends.
    checkFile(false);
}

void EditorFile::checkFile(bool tell)
{
    const QString path = localPath();
    if (m_exiting || m_loading || path.isEmpty() || m_identity.isNull() || isSaving())
        return;
    const FileIdentity::Seen seen = m_identity.compare(path);
    if (seen != FileIdentity::Seen::Unreadable)
        m_unreadable = false;
    switch (seen) {
    case FileIdentity::Seen::Unreadable:
        fileUnreadable(path, false);
        return;
    case FileIdentity::Seen::Same:
        if (m_gone) { // moved back
            m_gone = false;
            unwatchFile();
            watchFile();
            emit m_parts.document->fileDeleted(m_fileName, false);
        }
        return;
    case FileIdentity::Seen::Gone:
        fileGone(path);
        return;
    case FileIdentity::Seen::Changed:
        changedOutside(path, tell);
        return;
    }
}

bool EditorFile::changedOutside(const QString& path, bool tell)
{
    if (m_gone) {
        m_gone = false;
        unwatchFile();
        watchFile();
        emit m_parts.document->fileDeleted(m_fileName, false);
    }
    if (modified()) {
        // The unsaved edits go into the history before the outside text is
        // loaded; when they cannot be kept anywhere, they stay in the
        // editor, and the next save writes over the file found now.
        const QString kept = keepUnsaved();
        if (kept.isEmpty()) {
            m_identity = FileIdentity::ofPath(path);
            setLastModification(m_identity.modified());
            message::show(Message::Warn,
                LazyTextDocument::tr("文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。"), 5000);
            return false;
        }
        message::show(Message::Tips, LazyTextDocument::tr("文件已被其他程序修改并重新载入，未保存的修改已存入：%1").arg(kept), 8000);
    } else if (tell) {
        message::show(Message::Tips, LazyTextDocument::tr("文件已被其他程序修改，已重新载入。"), 5000);
    }
    // The cursor goes back to its place in the text both versions share.
    m_parts.loader->reloadText(m_parts.selection->whole().cursor);
    return true;
}

void EditorFile::fileUnreadable(const QString& path, bool asked)
{
    if (m_unreadable && !asked)
        return;
    m_unreadable = true;
    logWarning(lcEditor) << path << "may not be read; nothing is written or copied until it can be";
    message::show(Message::TipsError,
        LazyTextDocument::tr("无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。").arg(path), 8000);
}

void EditorFile::keepOverwritten(quint64 ticket, const QString& path, const QByteArray& bytes)
{
    if (ticket != 0 && !m_pendingSaves.contains(ticket))
        return;
    const QString kept = m_parts.history->keepUnsaved(path, bytes);
    if (kept.isEmpty()) {
        logWarning(lcEditor) << "another program's version of" << path << "could be kept nowhere";
        message::show(Message::TipsError, LazyTextDocument::tr("保存时另一个程序也修改了文件，它的版本无处存放。"), 8000);
        return;
    }
    message::show(Message::TipsError, LazyTextDocument::tr("保存时另一个程序也修改了文件，它的版本已存入：%1").arg(kept), 8000);
}

void EditorFile::fileGone(const QString& path)
{
    if (m_gone)
        return;
    m_gone = true;
    emit m_parts.document->fileDeleted(QUrl::fromLocalFile(path), true);
    // Put back (or moved back), the file is seen through its folders.
    watchFile();
    if (!modified())
        return;
    const QString kept = keepUnsaved();
    if (kept.isEmpty())
        message::show(Message::TipsError, LazyTextDocument::tr("文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。"), 8000);
    else
        message::show(Message::TipsError, LazyTextDocument::tr("文件已被移动或删除，未保存的修改已存入：%1").arg(kept), 8000);
}

QString EditorFile::keepUnsaved()
{
    WholeDocument* whole = m_parts.whole;
    if (m_keptRevision == whole->revision() && !m_keptPath.isEmpty())
        return m_keptPath;
    const QString text = whole->text();
    if (text.trimmed().isEmpty())
        return QString();
    // In the file's own form, so that bytes kept from it stay as they were.
    m_keptPath = m_parts.history->keepUnsaved(localPath(), m_textForm.encode(text));
    m_keptRevision = whole->revision();
    return m_keptPath;
}

void EditorFile::takeFileRead(const FileIdentity& file, const TextFileForm& form)
{
    m_identity = file;
    m_gone = false;
    setLastModification(file.modified());
    m_textForm = form;
    if (!form.exact()) {
        logWarning(lcEditor) << localPath() << "holds bytes that are not" << form.encodingName() << "; opened read-only";
        message::show(Message::Warn, unsavableNotice(), 5000);
    }
}

void EditorFile::keepAtEnd()
{
    if (m_exiting || m_loading || m_readOnly)
        return;
    m_exiting = true; // the writes' results reload nothing now
    waitForSaves();
    if (!modified() || localPath().isEmpty())
        return;
    const QString kept = keepUnsaved();
    if (kept.isEmpty())
        logWarning(lcEditor) << "the unsaved text of" << localPath() << "could be kept nowhere";
    else
        HistorySnapshots::noteKeptAtEnd(kept);
}

void EditorFile::exit()
{
    m_exiting = true;
    unwatchFile();
}

void EditorFile::setFileType(const QString& type)
{
    if (type == m_fileType)
        return;
    m_fileType = type;
    emit m_parts.document->fileTypeChanged();
}

void EditorFile::setReadOnly(bool value)
{
    if (value == m_readOnly)
        return;
    m_readOnly = value;
    emit m_parts.document->readOnlyChanged();
    emit m_parts.document->editableChanged();
}

void EditorFile::setLoading(bool value)
{
    if (value == m_loading)
        return;
    m_loading = value;
    emit m_parts.document->loadingChanged();
    emit m_parts.document->editableChanged();
}

bool EditorFile::mayEdit() const
{
    if (m_loading && !m_readOnly && (!m_loadingTold.isValid() || m_loadingTold.elapsed() > 3000)) {
        m_loadingTold.start();
        message::show(Message::Tips, LazyTextDocument::tr("文件正在载入"), 3000);
    }
    return editable();
}

void EditorFile::setTextLoaded(bool value)
{
    if (value == m_textLoaded)
        return;
    m_textLoaded = value;
    emit m_parts.document->textLoadedChanged();
}

void EditorFile::setLastModification(const QDateTime& value)
{
    if (value == m_lastModification)
        return;
    m_lastModification = value;
    emit m_parts.document->lastModificationChanged();
}

void EditorFile::setInitPosition(int value)
{
    if (value == m_initPosition)
        return;
    m_initPosition = value;
    emit m_parts.document->initPositionChanged(value);
}
