#ifndef QTLOCKEDFILE_H
#define QTLOCKEDFILE_H

#include <QLockFile>
#include <QString>

// An exclusive, non-blocking lock on a file in the temporary folder. A lock
// left behind by a killed process is recognised as stale and taken over.
class QtLockedFile
{
public:
    explicit QtLockedFile(const QString& fileName);
    ~QtLockedFile();

    QString fileName() const { return m_fileName; }
    bool lock();
    bool isLocked() const { return m_locked; }
    void unlock();

private:
    QString m_fileName;
    QLockFile m_lock;
    bool m_locked = false;
};

#endif
