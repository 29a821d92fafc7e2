#include "documentsaver.h"

#include "rawtextpieces.h"

#include <QFile>
#include <QMutexLocker>
#include <QThread>

#include <algorithm>
#include <climits>

namespace {

// Set by tests on their thread while a writer may be reading it.
QMutex writeHookMutex;
DocumentSaver::Hook writeHook;
DocumentSaver::Hook writtenHook;
DocumentSaver::Hook renameHook;

void callHook(const DocumentSaver::Hook& which, const QString& path)
{
    DocumentSaver::Hook hook;
    {
        QMutexLocker lock(&writeHookMutex);
        hook = which;
    }
    if (hook)
        hook(path);
}

} // namespace

DocumentSaver::DocumentSaver(QObject* parent, int pieceChars)
    : QObject(parent)
    , m_pieceChars(pieceChars)
{
}

DocumentSaver::~DocumentSaver()
{
    if (!m_thread)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_stop = true;
        m_wake.wakeAll();
    }
    // The thread finishes every queued write before it ends.
    m_thread->wait();
    delete m_thread;
}

void DocumentSaver::setWriteHook(Hook hook)
{
    QMutexLocker lock(&writeHookMutex);
    writeHook = std::move(hook);
}

void DocumentSaver::setRenameHook(Hook hook)
{
    QMutexLocker lock(&writeHookMutex);
    renameHook = std::move(hook);
}

void DocumentSaver::setWrittenHook(Hook hook)
{
    QMutexLocker lock(&writeHookMutex);
    writtenHook = std::move(hook);
}

quint64 DocumentSaver::save(const QString& path, const QByteArray& bytes, const FileIdentity& expected)
{
    Job job;
    job.path = path;
    job.bytes = bytes;
    job.expected = expected;
    return queue(std::move(job));
}

DocumentSaver::Job DocumentSaver::rawTextJob(const QString& path, const QString& rawText, int unchanged, const TextFileForm& form)
{
    Job job;
    job.path = path;
    job.form = form;
    job.rawText = rawText.isNull() ? QString(QLatin1String("")) : rawText;
    job.unchanged = std::max(0, unchanged);
    return job;
}

quint64 DocumentSaver::saveRawText(const QString& path, const QString& rawText, int unchanged, const TextFileForm& form,
    const FileIdentity& expected)
{
    Job job = rawTextJob(path, rawText, unchanged, form);
    job.expected = expected;
    return queue(std::move(job));
}

void DocumentSaver::adoptFile(const QString& path, const QString& rawText, int unchanged, const TextFileForm& form)
{
    Job job = rawTextJob(path, rawText, unchanged, form);
    job.adopt = true;
    queue(std::move(job));
}

quint64 DocumentSaver::queue(Job job)
{
    if (!m_thread) {
        m_thread = QThread::create([this] { run(); });
        m_thread->setObjectName(QStringLiteral("DocumentSaver"));
        m_thread->start();
    }
    QMutexLocker lock(&m_mutex);
    if (!job.adopt)
        job.ticket = m_nextTicket++;
    if (!job.rawText.isNull()) {
        job.unchanged = std::min(job.unchanged, m_droppedUnchanged);
        m_droppedUnchanged = INT_MAX;
    }
    // A write makes a queued write or comparison of the same file moot.
    for (int i = 0; isWrite(job) && i < m_queue.size(); ++i) {
        if (m_queue.at(i).path == job.path) {
            if (isWrite(m_queue.at(i))) {
                Done dropped;
                dropped.ticket = m_queue.at(i).ticket;
                dropped.path = job.path;
                dropped.superseded = true;
                m_done.append(dropped);
            }
            // What changed in the dropped text counts for the raw text
            // taken after it.
            if (!m_queue.at(i).rawText.isNull()) {
                int next = i + 1;
                while (next < m_queue.size() && m_queue.at(next).rawText.isNull())
                    ++next;
                int& unchanged = next < m_queue.size() ? m_queue[next].unchanged
                    : !job.rawText.isNull()                ? job.unchanged
                                                           : m_droppedUnchanged;
                unchanged = std::min(unchanged, m_queue.at(i).unchanged);
            }
            m_queue.removeAt(i);
            break;
        }
    }
    const quint64 ticket = job.ticket;
    m_queue.append(std::move(job));
    m_wake.wakeAll();
    return ticket;
}

bool DocumentSaver::busy() const
{
    QMutexLocker lock(&m_mutex);
    if (m_running && !m_adopting)
        return true;
    return std::any_of(m_queue.cbegin(), m_queue.cend(), [this](const Job& job) { return isWrite(job); });
}

void DocumentSaver::wait(quint64 ticket)
{
    {
        QMutexLocker lock(&m_mutex);
        // Without a ticket, until nothing is left, comparisons included.
        while ((ticket == 0 || m_finished < ticket) && (m_running || !m_queue.isEmpty()))
            m_idle.wait(&m_mutex);
    }
    deliver();
}

void DocumentSaver::run()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (m_queue.isEmpty() && !m_stop)
            m_wake.wait(&m_mutex);
        if (m_queue.isEmpty())
            return; // stopping, nothing left to write
        Job job = m_queue.takeFirst();
        m_running = true;
        if (job.adopt) {
            m_adopting = true;
            lock.unlock();
            adopt(job);
            job = Job();
            lock.relock();
            m_adopting = false;
            m_running = false;
            m_idle.wakeAll();
            continue;
        }
        lock.unlock();
        Hook hook;
        {
            QMutexLocker hookLock(&writeHookMutex);
            hook = writeHook;
        }
        if (hook)
            hook(job.path);
        Done done;
        done.ticket = job.ticket;
        done.path = job.path;
        // The file is checked as late as can be: another program's write
        // is not overwritten unseen.
        FileIdentity expected = job.expected;
        if (job.path != m_replacedPath) {
            m_replacedPath = job.path;
            m_replaced.clear();
        }
        for (const auto& link : qAsConst(m_replaced)) {
            if (link.first == expected)
                expected = link.second;
        }
        if (!expected.isNull())
            done.seen = expected.compare(job.path);
        if (done.seen != FileIdentity::Seen::Same) {
            done.result = UserFile::Result(false, QString());
        } else if (!job.rawText.isNull()) {
            done.result = writeRawText(job, expected.stamp());
        } else {
            done.result = UserFile::write(job.path, job.bytes, UserFile::WithDigest, expected.stamp());
            if (job.path == m_onDisk.path)
                m_onDisk = OnDisk();
        }
        if (done.result.replacedChanged && !done.result.ok) {
            done.seen = FileIdentity::Seen::Changed;
            done.result.error.clear();
        }
        {
            QMutexLocker hookLock(&writeHookMutex);
            hook = writtenHook;
        }
        if (hook)
            hook(job.path);
        if (done.result.ok) {
            done.file = FileIdentity::ofWrite(done.result.stamp, done.result.digest);
            if (!expected.isNull())
                m_replaced.append({ expected, done.file });
            if (m_replaced.size() > 8)
                m_replaced.removeFirst();
        }
        job = Job(); // the text is let go of before anybody hears of the write
        lock.relock();
        m_running = false;
        m_done.append(done);
        m_finished = done.ticket;
        m_idle.wakeAll();
        QMetaObject::invokeMethod(this, &DocumentSaver::deliver, Qt::QueuedConnection);
    }
}

// Notes that the first at characters of text are the first bytes of its
// file, unless those bytes could depend on what follows: at the end of the
// text, or behind a high surrogate (which would pair with a low one put
// behind it later).
void DocumentSaver::addMark(QVector<QPair<int, qint64>>& marks, const QString& text, int at, qint64 bytes)
{
    if (at > 0 && at < text.size() && !text.at(at - 1).isHighSurrogate())
        marks.append({ at, bytes });
}

// Writes a raw text, keeping the start of the file the last one left when
// that part of the text is unchanged and the file is still that one.
UserFile::Result DocumentSaver::writeRawText(const Job& job, const UserFile::Stamp& expected)
{
    if (job.form.mixedLineEnds()) {
        // Each line keeps its own line end: the file is written whole,
        // after the one it replaces.
        m_onDisk = OnDisk();
        QFile old(job.path);
        const QByteArray before = old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
        return UserFile::write(job.path, job.form.encodeAfter(job.rawText, before), UserFile::WithDigest, expected);
    }
    const int size = job.rawText.size();
    m_onDisk.unchanged = std::min(m_onDisk.unchanged, job.unchanged);
    QVector<QPair<int, qint64>> marks;
    UserFile::Kept kept;
    // The file's start is kept only in the form it is written in.
    if (job.path == m_onDisk.path && job.form == m_onDisk.form && !m_onDisk.stamp.isNull()) {
        const int usable = std::min(m_onDisk.unchanged, size);
        for (const auto& mark : qAsConst(m_onDisk.marks)) {
            if (mark.first > usable)
                break;
            marks.append(mark);
        }
        if (!marks.isEmpty()) {
            kept.bytes = marks.constLast().second;
            kept.stamp = m_onDisk.stamp;
            kept.chunks = m_onDisk.chunks;
        }
    }
    for (;;) {
        RawTextPieces pieces(job.rawText, m_pieceChars, marks.isEmpty() ? 0 : marks.constLast().first, job.form);
        qint64 bytes = kept.bytes;
        const UserFile::Result result = UserFile::writePieces(
            job.path, [&](QByteArray& piece) {
                if (!pieces(piece)) {
                    callHook(renameHook, job.path);
                    return false;
                }
                bytes += piece.size();
                addMark(marks, job.rawText, pieces.at(), bytes);
                return true;
            },
            UserFile::WithDigest, kept, expected);
        if (result.keptStale) {
            // Somebody else wrote the file since: all of it again.
            marks.clear();
            kept = UserFile::Kept();
            continue;
        }
        if (result.ok) {
            m_onDisk.path = job.path;
            m_onDisk.form = job.form;
            m_onDisk.stamp = result.stamp;
            m_onDisk.chunks = result.chunks;
            m_onDisk.marks = marks;
            m_onDisk.unchanged = INT_MAX;
        }
        // A failed write left the old file as it was.
        return result;
    }
}

// Compares the file with the encoding of the raw text, piece by piece, and
// keeps the marks of the part that is the same, provided the file stayed
// the one compared throughout.
void DocumentSaver::adopt(const Job& job)
{
    if (job.form.mixedLineEnds())
        return; // written whole every time
    m_onDisk.unchanged = std::min(m_onDisk.unchanged, job.unchanged);
    QFile file(job.path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    const UserFile::Stamp before = UserFile::stampOf(file.handle());
    RawTextPieces pieces(job.rawText, m_pieceChars, 0, job.form);
    QVector<QPair<int, qint64>> marks;
    qint64 bytes = 0;
    QByteArray piece;
    QByteArray read;
    while (pieces(piece)) {
        read.resize(piece.size());
        if (file.read(read.data(), read.size()) != read.size() || read != piece)
            break;
        bytes += piece.size();
        addMark(marks, job.rawText, pieces.at(), bytes);
    }
    if (marks.isEmpty() || !(UserFile::stampOf(file.handle()) == before))
        return;
    m_onDisk.path = job.path;
    m_onDisk.form = job.form;
    m_onDisk.stamp = before;
    m_onDisk.chunks.clear();
    m_onDisk.marks = marks;
    m_onDisk.unchanged = INT_MAX;
}

// Hands the finished writes to the owner's thread, in ticket order.
void DocumentSaver::deliver()
{
    QList<Done> done;
    {
        QMutexLocker lock(&m_mutex);
        done.swap(m_done);
    }
    std::sort(done.begin(), done.end(), [](const Done& a, const Done& b) { return a.ticket < b.ticket; });
    for (const Done& d : qAsConst(done)) {
        if (d.result.ok && d.result.replacedChanged)
            emit overwrote(d.ticket, d.path, d.result.replacedBytes);
        if (!d.superseded)
            emit found(d.ticket, d.seen, d.file);
        emit written(d.ticket, d.path, d.superseded, d.result.ok, d.result.error);
    }
}
