#include "qtlockedfile.h"

QtLockedFile::QtLockedFile(const QString& fileName)
    : m_fileName(fileName)
    , m_lock(fileName)
{
    // Only a lock whose owner process is gone counts as stale; a live owner
    // keeps it for as long as it runs.
    m_lock.setStaleLockTime(0);
}

QtLockedFile::~QtLockedFile()
{
    unlock();
}

bool QtLockedFile::lock()
{
    if (m_locked)
        return true;
    m_locked = m_lock.tryLock(0);
    if (!m_locked && m_lock.error() == QLockFile::LockFailedError) {
        // tryLock already removes locks of dead processes; a second attempt
        // covers the race with an owner that just exited.
        m_lock.removeStaleLockFile();
        m_locked = m_lock.tryLock(0);
    }
    return m_locked;
}

void QtLockedFile::unlock()
{
    if (!m_locked)
        return;
    m_lock.unlock();
    m_locked = false;
}
