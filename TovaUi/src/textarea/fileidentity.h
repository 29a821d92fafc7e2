#ifndef FILEIDENTITY_H
#define FILEIDENTITY_H

#include "support/userfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Which file a document's text was last read from or written to: its
// device, inode, size, time of last change and status time, and a digest of
// its content. A change is a change of the bytes or of which file the name
// points to: a file whose stamp moved (a touch, the same bytes renamed over
// it) but whose bytes are the same is still the file, and the identity is
// taken again. A rewrite that puts the time back moves the status time. The
// stamp alone cannot tell a rewrite in place within the file system's clock
// tick: while the clock has not passed a read file's time by a tick, equal
// stamps are settled by reading it again; a file written here has its own
// fresh stamp taken from the write.
class FileIdentity
{
public:
    enum class Seen {
        Same, // the file is the one identified
        Changed, // another file, or the same one changed
        Gone, // no file at the path
        Unreadable, // the file or its folder may not be read (no permission)
    };

    // The file open at fd as it is now (null when it cannot be read).
    static FileIdentity ofOpenFile(int fd);
    // The file at path as it is now (null when there is none).
    static FileIdentity ofPath(const QString& path);
    // The file a write left (UserFile::Result::stamp and digest), identified now.
    static FileIdentity ofWrite(const UserFile::Stamp& stamp, quint64 digest);
    // Notes the bytes the file holds (all of them, just read).
    void setContent(const QByteArray& bytes);

    bool isNull() const { return m_stamp.isNull(); }
    const UserFile::Stamp& stamp() const { return m_stamp; }
    // The same stamp (the digest aside).
    bool operator==(const FileIdentity& other) const { return m_stamp == other.m_stamp; }
    // How the file at path compares; a null identity finds any file Changed.
    // Found the same under another stamp, the identity becomes the file's.
    Seen compare(const QString& path);
    QDateTime modified() const;

private:
    // Whether a change made right after the stamp could have kept it.
    bool fresh() const;
    // Reads the file at path: Same when its bytes have the digest.
    Seen compareContent(const QString& path) const;

    UserFile::Stamp m_stamp;
    bool m_read = false; // taken from a read (not from a write)
    // Nanoseconds since the epoch; moved on once the file was found the same
    // after its tick, when no change can keep the stamp any more.
    mutable qint64 m_takenAt = 0;
    bool m_hasDigest = false;
    quint64 m_digest = 0;
};

#endif
