#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// Replaces a file of the server's own (objects, avatars) so that readers
// see the old bytes or the new ones, never a part: the bytes go to a new
// file in a temporary folder (on the same filesystem), which commit() syncs,
// checks for size and renames over the path, then syncs the folder. The
// bytes may come in pieces; a file not committed is removed.
class AtomicFile
{
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(const QString& temporaryFolder, QString* error);
    // False once any write failed; the error is kept for commit().
    bool append(const char* data, qint64 size);
    // Overwrites bytes already appended (a placeholder filled in at the end).
    bool writeAt(qint64 offset, const QByteArray& bytes);
    qint64 size() const { return m_size; }
    bool ok() const { return m_error.isEmpty(); }
    // Puts the bytes so far on the disk, so that commit() has little left
    // to wait for; a failure is kept for commit().
    void sync();
    bool commit(const QString& path, QString* error);

    // The parts in one go.
    static bool write(const QString& path, const QString& temporaryFolder, const QList<QByteArray>& parts,
                      QString* error);

private:
    bool failed();

    QByteArray m_temporary;
    int m_fd = -1;
    qint64 m_size = 0;
    QString m_error;
};

#endif
