#include "documentsaver.h"

#include "rawtextpieces.h"

#include <QMutexLocker>
#include <QThread>

#include <algorithm>

namespace {

DocumentSaver::Hook writeHook;

} // namespace

DocumentSaver::DocumentSaver(QObject* parent)
    : QObject(parent)
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
    writeHook = std::move(hook);
}

quint64 DocumentSaver::save(const QString& path, const QByteArray& bytes)
{
    Job job;
    job.path = path;
    job.bytes = bytes;
    return queue(std::move(job));
}

quint64 DocumentSaver::saveRawText(const QString& path, const QString& rawText)
{
    Job job;
    job.path = path;
    job.rawText = rawText.isNull() ? QString(QLatin1String("")) : rawText;
    return queue(std::move(job));
}

quint64 DocumentSaver::queue(Job job)
{
    if (!m_thread) {
        m_thread = QThread::create([this] { run(); });
        m_thread->setObjectName(QStringLiteral("DocumentSaver"));
        m_thread->start();
    }
    QMutexLocker lock(&m_mutex);
    job.ticket = m_nextTicket++;
    for (int i = 0; i < m_queue.size(); ++i) {
        if (m_queue.at(i).path == job.path) {
            Done dropped;
            dropped.ticket = m_queue.at(i).ticket;
            dropped.path = job.path;
            dropped.superseded = true;
            m_done.append(dropped);
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
    return m_running || !m_queue.isEmpty();
}

void DocumentSaver::wait(quint64 ticket)
{
    {
        QMutexLocker lock(&m_mutex);
        const quint64 until = ticket ? ticket : m_nextTicket - 1;
        while (m_finished < until && (m_running || !m_queue.isEmpty()))
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
        lock.unlock();
        if (writeHook)
            writeHook(job.path);
        Done done;
        done.ticket = job.ticket;
        done.path = job.path;
        if (!job.rawText.isNull())
            done.result = UserFile::writePieces(job.path, RawTextPieces(job.rawText), UserFile::NoOptions);
        else
            done.result = UserFile::write(job.path, job.bytes, UserFile::NoOptions);
        job = Job(); // the text is let go of before anybody hears of the write
        lock.relock();
        m_running = false;
        m_done.append(done);
        m_finished = done.ticket;
        m_idle.wakeAll();
        QMetaObject::invokeMethod(this, &DocumentSaver::deliver, Qt::QueuedConnection);
    }
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
    for (const Done& d : qAsConst(done))
        emit written(d.ticket, d.path, d.superseded, d.result.ok, d.result.error);
}
