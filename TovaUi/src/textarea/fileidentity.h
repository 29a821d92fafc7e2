#ifndef FILEIDENTITY_H
#define FILEIDENTITY_H

#include "support/userfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Which file a document's text was last read from or written to: its
// device, inode, size and time of last change, and, for a file read, a
// digest of its content. A file still has the identity when all of these
// are the same. The time alone cannot tell: a rewrite in place within the
// file system's clock tick keeps it, and so does one of a file whose time is
// ahead of the clock. While the clock has not passed the file's time by a
// tick, equal stamps of a file read are settled by reading it again and
// comparing the digest; a file written here has its own fresh stamp taken
// from the write.
class FileIdentity
{
public:
    enum class Seen {
        Same, // the file is the one identified
        Changed, // another file, or the same one changed
        Gone, // no file at the path
    };

    // The file open at fd as it is now (null when it cannot be read).
    static FileIdentity ofOpenFile(int fd);
    // The file at path as it is now (null when there is none).
    static FileIdentity ofPath(const QString& path);
    // The file a write left (UserFile::Result::stamp), identified now.
    static FileIdentity ofWrite(const UserFile::Stamp& stamp);
    // Notes the bytes the file holds (all of them, just read).
    void setContent(const QByteArray& bytes);

    bool isNull() const { return m_stamp.isNull(); }
    // The same stamp (the digest aside).
    bool operator==(const FileIdentity& other) const { return m_stamp == other.m_stamp; }
    // How the file at path compares; a null identity finds any file Changed.
    Seen compare(const QString& path) const;
    QDateTime modified() const;

private:
    static quint64 digest(const QByteArray& bytes);
    // Whether a change made right after the stamp could have kept it.
    bool fresh() const;

    UserFile::Stamp m_stamp;
    // Nanoseconds since the epoch; moved on once the file was found the same
    // after its tick, when no change can keep the stamp any more.
    mutable qint64 m_takenAt = 0;
    bool m_hasDigest = false;
    quint64 m_digest = 0;
};

#endif
