#ifndef EDITORFILE_H
#define EDITORFILE_H

#include "TovaUi/textarea/editorparts.h"
#include "TovaUi/textarea/fileidentity.h"
#include "TovaUi/textarea/textfileform.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class DocumentSaver;
class QFileSystemWatcher;
class QTimer;

// The document's file: its name and type, whether the whole document holds
// the file's text (modified), the writes of it (waited for, in the
// background on the writer thread, or under a new name), and the file on
// disk followed while it is open (written by another program, renamed,
// deleted). When saves happen is the save schedule's.
//
// It owns the file's identity (what the program last read or wrote, see
// FileIdentity) and alone decides between reloading and writing over: the
// loader reports the file it read and the end of a load, the writer the
// file each write left or found instead. The file is compared when a load
// ends, before each write and when the writes end; another program's change
// is reloaded with the unsaved text kept in the history, and a file deleted
// or moved away is marked so, with its unsaved text kept, and never written
// again unasked. Text its file cannot take is never dropped: a copy goes to
// the history, else to the program's own folder, and the writer is told
// where (at the program's end, through the log and the next start).
class EditorFile : public QObject
{
    Q_OBJECT
public:
    EditorFile(const EditorParts& parts, QObject* parent);

    QUrl fileName() const { return m_fileName; }
    // A new file is loaded 5 ms later (doSetFile); the same one does
    // nothing; an empty one empties the document and keeps the name.
    void setFileName(const QUrl& url);
    QString fileType() const { return m_fileType; }
    void setFileType(const QString& type);
    QString localPath() const;
    bool isHtml() const;
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool value);
    bool loading() const { return m_loading; }
    void setLoading(bool value);
    // Whether the writer may change the text now: its whole text is in and
    // the document is not read-only. Every path that edits asks this.
    bool editable() const { return !m_readOnly && !m_loading; }
    // As editable(); a refusal while the text is still loading is told
    // (once in a while: every key of a writer typing on would tell it).
    bool mayEdit() const;
    bool textLoaded() const { return m_textLoaded; }
    void setTextLoaded(bool value);
    QDateTime lastModification() const { return m_lastModification; }
    void setLastModification(const QDateTime& value);
    // How the file's bytes stand for its text, as read; saves write it so.
    TextFileForm textForm() const { return m_textForm; }
    // Why a file whose bytes would not come back is not saved.
    QString unsavableNotice() const;
    int initPosition() const { return m_initPosition; }
    void setInitPosition(int value);

    // Modified while the text is not the one the file holds, also when
    // undo brings the whole document back to an older saved state: the
    // file may hold a later text by then.
    bool isModified() const { return m_isModified; }
    void setIsModified(bool value);
    void refreshModified();
    // The file holds the text of this edit revision, which is the whole
    // document's clean state too.
    void setSavedRevision(quint64 revision) { m_savedRevision = m_cleanRevision = revision; }

    // Saves when modified and returns whether the file holds the text: the
    // write is waited for (closing a tab, save all, the save button).
    bool save();
    bool saveAs(const QUrl& fileUrl);
    // Saves when modified without waiting: the text is handed to the writer
    // thread. A failed write leaves the document modified and is reported
    // once until a write succeeds.
    void saveInBackground();
    // Whether a write handed over (or an Enter's, about to be) is not done.
    bool isSaving() const;
    // Blocks until every write handed over so far is done.
    void waitForSaves();
    // Makes the text a save hands over, a slice at a time, while nothing
    // else is going on (once a file is loaded): a long book's first save
    // then copies nothing but its edits.
    void scheduleCopyAhead();

    // The file was renamed or moved on disk: the text, its edits and the
    // cursor stay; later saves and snapshots go to the new name.
    void followRename(const QUrl& url);
    void watchFile();
    void unwatchFile();
    // The page closes the document (saved, or its file deleted through the
    // tree, which keeps the text): the file is no longer followed.
    void exit();
    // The document ends with the program: a text its file does not hold is
    // kept and noted for the next start.
    void keepAtEnd();

    // The file the loader read, before its text is in; one whose bytes
    // would not come back written is told and never written.
    void takeFileRead(const FileIdentity& file, const TextFileForm& form);
    // Compares the file on disk with the one last read or written, unless
    // a load or a write is under way (each compares it when it ends).
    // tell: a reload of an unmodified text is told too.
    void checkFile(bool tell = true);
    // Whether the file was found gone (deleted or moved away).
    bool isGone() const { return m_gone; }
    // A copy of the text the file does not hold (once per edit revision);
    // its path, empty when nothing could take it.
    QString keepUnsaved();

public slots:
    void doSetFile();
    void fileChanged(const QString& path);

private:
    void copyAhead();
    void savedInBackground(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error);
    void fileFound(quint64 ticket, FileIdentity::Seen seen, const FileIdentity& file);
    void folderChanged();
    // Another program's text is loaded; the unsaved text goes to the
    // history first. False when it could be kept nowhere (the text stays).
    bool changedOutside(const QString& path, bool tell);
    void fileGone(const QString& path);
    // The file or its folder may not be read: told once until it can be,
    // nothing copied, nothing written.
    void fileUnreadable(const QString& path, bool asked);
    // Another program's version of the file that a write replaced as it
    // landed: kept as a copy, and told.
    void keepOverwritten(quint64 ticket, const QString& path, const QByteArray& bytes);
    bool modified() const;
    void followSavedFile(const QString& path);
    QByteArray encodedText() const;

    const EditorParts& m_parts;
    QUrl m_fileName;
    QString m_fileType;
    bool m_readOnly = false;
    bool m_loading = true;
    bool m_textLoaded = false;
    bool m_isModified = false;
    QDateTime m_lastModification;
    TextFileForm m_textForm;
    int m_initPosition = 0;
    bool m_exiting = false;
    // The edit revision of the text the file holds, and the one at which
    // the whole document was last marked unmodified (its undo history's
    // clean state). While they differ, undo back to the clean state does
    // not make the text the file's.
    quint64 m_savedRevision = 0;
    quint64 m_cleanRevision = 0;
    mutable QElapsedTimer m_loadingTold;
    QTimer* m_loadTimer = nullptr;
    QTimer* m_copyTimer = nullptr;
    QPointer<QFileSystemWatcher> m_watcher;
    // Writes queued on the writer thread: ticket -> edit revision written.
    DocumentSaver* m_saver = nullptr;
    QHash<quint64, quint64> m_pendingSaves;
    // What the writer found for the write it reports next.
    quint64 m_foundTicket = 0;
    FileIdentity::Seen m_found = FileIdentity::Seen::Same;
    FileIdentity m_foundFile;
    FileIdentity m_identity;
    bool m_gone = false;
    bool m_unreadable = false;
    bool m_writeFailing = false;
    quint64 m_keptRevision = ~quint64(0);
    QString m_keptPath;
};

#endif
