#ifndef DOCUMENTSAVER_H
#define DOCUMENTSAVER_H

#include "support/userfile.h"
#include "TovaUi/textarea/fileidentity.h"
#include "TovaUi/textarea/textfileform.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QVector>
#include <QWaitCondition>

#include <climits>
#include <functional>

class QThread;

// Writes a document's text on a thread of its own, so that saving a long
// book never holds up the window. Writes are done one at a time in the
// order they were asked for, each through UserFile::write (whole file or
// nothing): a newer save is never overtaken by an older one. A write still
// waiting when a newer one for the same file arrives is dropped, its text
// being older. wait() and the destructor return only once every write asked
// for is done, so a quit or a closing tab never cuts a save short.
//
// A document's text is handed over as its raw text (paragraph separators
// for line breaks, see RawTextCopy) with its file's form (TextFileForm);
// the line ends and the encoding are made on the writer thread, a piece at a time straight into the file,
// so that no book-sized encoded copy is made. The text is only read, and
// let go of as soon as it is written. Results come back on the owner's
// thread through written().
//
// A save told how much of its text's start is unchanged since the saver's
// previous raw text keeps that part of the file this saver wrote last: the
// system copies it from the old file (when that file is still the one
// written) and only the rest is encoded. Typing at the end of a long book
// then encodes a piece, not the book.
//
// A save told which file it replaces (expected) writes nothing when the file
// at its path is no longer that one (another program wrote, moved or
// deleted it, also while the new file was written): found() says so, and
// the owner decides what follows. A change landing during the rename itself
// is handed back (overwrote()).
class DocumentSaver : public QObject
{
    Q_OBJECT
public:
    // pieceChars: characters encoded per piece (the steps in which a file's
    // start can be kept).
    explicit DocumentSaver(QObject* parent = nullptr, int pieceChars = 32 * 1024);
    ~DocumentSaver() override;

    // Queues a write of ready bytes; returns its ticket (increasing from 1).
    quint64 save(const QString& path, const QByteArray& bytes, const FileIdentity& expected = FileIdentity());
    // Queues a write of a document's raw text; returns its ticket.
    // unchanged: leading characters that are the same as in the raw text
    // of the previous saveRawText() (0 when not known); form: the file's;
    // expected: the file the text was read from or last written to.
    quint64 saveRawText(const QString& path, const QString& rawText, int unchanged = 0,
        const TextFileForm& form = TextFileForm(), const FileIdentity& expected = FileIdentity());
    // Learns what of the file at path is this raw text's encoding (as a
    // file just read for it is): later saves keep that part. Nothing is
    // written, nothing is told; a save queued after it is not held up.
    // unchanged and form as for saveRawText().
    void adoptFile(const QString& path, const QString& rawText, int unchanged, const TextFileForm& form = TextFileForm());
    // Blocks until the write with this ticket, and every one before it, is
    // done (0: everything asked for so far, adoptFile() included); its
    // written() is delivered before this returns.
    void wait(quint64 ticket = 0);
    // Whether a write is queued or running.
    bool busy() const;

    // Tests: called on the writer thread before each write (to hold it).
    using Hook = std::function<void(const QString& path)>;
    static void setWriteHook(Hook hook);
    // Tests: called on the writer thread after each write, before its
    // result is handed back (another program's change landing just then).
    static void setWrittenHook(Hook hook);
    // Tests: called on the writer thread once a raw text's bytes are all
    // in its new file, before that is put in place.
    static void setRenameHook(Hook hook);

signals:
    // ticket: the write; superseded: dropped for a newer one of the same
    // file (nothing was written); ok and error as UserFile::write returned
    // them.
    void written(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error);
    // Just before written() of a write that was not superseded: the file it
    // left (seen Same), or, when the file was not the one expected, how it
    // was found instead (Changed or Gone; nothing was written, ok is false
    // and error empty).
    void found(quint64 ticket, FileIdentity::Seen seen, const FileIdentity& file);
    // Before found() of a write that replaced a file another program
    // changed while it was renamed over: that file's bytes.
    void overwrote(quint64 ticket, const QString& path, const QByteArray& bytes);

private:
    struct Job {
        quint64 ticket = 0;
        QString path;
        QString rawText; // written when not null, else bytes
        QByteArray bytes;
        TextFileForm form;
        int unchanged = 0;
        bool adopt = false; // adoptFile(): compared, not written
        FileIdentity expected; // null: whatever file is there
    };
    // What the last raw text written put in its file.
    struct OnDisk {
        QString path;
        TextFileForm form;
        UserFile::Stamp stamp;
        QVector<quint64> chunks; // its digest's parts, when written here
        // Characters and bytes at the ends of its pieces whose bytes stay
        // the same whatever follows (not at the end of the text, nor behind
        // a high surrogate).
        QVector<QPair<int, qint64>> marks;
        // Leading characters of the newest raw text taken that are still
        // those of the file.
        int unchanged = 0;
    };
    struct Done {
        quint64 ticket = 0;
        QString path;
        bool superseded = false;
        UserFile::Result result;
        FileIdentity::Seen seen = FileIdentity::Seen::Same;
        FileIdentity file;
    };
    static Job rawTextJob(const QString& path, const QString& rawText, int unchanged, const TextFileForm& form);
    quint64 queue(Job job);
    void run();
    UserFile::Result writeRawText(const Job& job, const UserFile::Stamp& expected);
    void adopt(const Job& job);
    static void addMark(QVector<QPair<int, qint64>>& marks, const QString& text, int at, qint64 bytes);
    bool isWrite(const Job& job) const { return !job.adopt; }
    void deliver();

    const int m_pieceChars;
    OnDisk m_onDisk; // the writer thread's
    // The writer thread's: the files its last writes of one path replaced
    // and left, oldest first. A write asked for before an earlier one was
    // reported expects the file that one replaced, and gets the one it left.
    QString m_replacedPath;
    QVector<QPair<FileIdentity, FileIdentity>> m_replaced;
    QThread* m_thread = nullptr;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    QList<Job> m_queue;
    QList<Done> m_done;
    quint64 m_nextTicket = 1;
    // What changed in raw texts dropped with no raw text queued after them.
    int m_droppedUnchanged = INT_MAX;
    quint64 m_finished = 0; // every ticket up to this one is done
    bool m_running = false;
    bool m_adopting = false; // the job running is an adoptFile()
    bool m_stop = false;
};

#endif
