#ifndef DOCUMENTSAVER_H
#define DOCUMENTSAVER_H

#include "support/userfile.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

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
// for line breaks, see RawTextCopy); the line feeds and the UTF-8 encoding
// are made on the writer thread, a piece at a time straight into the file,
// so that no book-sized encoded copy is made. The text is only read, and
// let go of as soon as it is written. Results come back on the owner's
// thread through written().
class DocumentSaver : public QObject
{
    Q_OBJECT
public:
    explicit DocumentSaver(QObject* parent = nullptr);
    ~DocumentSaver() override;

    // Queues a write of ready bytes; returns its ticket (increasing from 1).
    quint64 save(const QString& path, const QByteArray& bytes);
    // Queues a write of a document's raw text; returns its ticket.
    quint64 saveRawText(const QString& path, const QString& rawText);
    // Blocks until the write with this ticket, and every one before it, is
    // done (0: every write asked for so far); its written() is delivered
    // before this returns.
    void wait(quint64 ticket = 0);
    // Whether a write is queued or running.
    bool busy() const;

    // Tests: called on the writer thread before each write (to hold it).
    using Hook = std::function<void(const QString& path)>;
    static void setWriteHook(Hook hook);

signals:
    // ticket: the write; superseded: dropped for a newer one of the same
    // file (nothing was written); ok and error as UserFile::write returned
    // them.
    void written(quint64 ticket, const QString& path, bool superseded, bool ok, const QString& error);

private:
    struct Job {
        quint64 ticket = 0;
        QString path;
        QString rawText; // written when not null, else bytes
        QByteArray bytes;
    };
    struct Done {
        quint64 ticket = 0;
        QString path;
        bool superseded = false;
        UserFile::Result result;
    };
    quint64 queue(Job job);
    void run();
    void deliver();

    QThread* m_thread = nullptr;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    QList<Job> m_queue;
    QList<Done> m_done;
    quint64 m_nextTicket = 1;
    quint64 m_finished = 0; // every ticket up to this one is done
    bool m_running = false;
    bool m_stop = false;
};

#endif
