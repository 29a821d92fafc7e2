#ifndef USERFILE_H
#define USERFILE_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

// The one writer of user files (documents, snapshots, statistics, marks, the
// book order, sync sidecars and downloads, exports, caches).
//
// A file is replaced whole or not at all: the bytes go to a temporary file
// in the same folder, which is flushed, synced and checked (the device's
// error state and the size on disk) before it is renamed over the file. Any
// failure removes the temporary file, leaves the old file byte-identical and
// is returned with the system's reason. QSaveFile::commit() alone is not
// enough: on a full disk it can report success after a failed flush and
// rename an empty file over the old one; and its temporary name, seven bytes
// longer than the file's, cannot be made for a name near the file system's
// limit. The temporary name here always fits that limit (the folder's
// NAME_MAX), so any file that exists can be written.
class UserFile
{
public:
    enum Option {
        NoOptions = 0,
        CreateFolder = 0x1, // make the missing folders first
        NewFileOnly = 0x2, // fail instead of replacing an existing file
        WithDigest = 0x4, // the result has the digest of the bytes written
    };
    Q_DECLARE_FLAGS(Options, Option)

    // Which file a write left at a path, to tell later whether it is still
    // that one: its device, inode, size, time of last change and time of
    // last status change (which no program can put back).
    struct Stamp {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0; // nanoseconds
        bool isNull() const { return size < 0; }
        bool operator==(const Stamp& other) const
        {
            return device == other.device && inode == other.inode && size == other.size && modified == other.modified
                && changed == other.changed;
        }
    };

    struct Result {
        Result() = default;
        Result(bool ok, const QString& error)
            : ok(ok)
            , error(error)
        {
        }
        bool ok = false;
        QString error; // why it failed; empty on success
        Stamp stamp; // the file written, on success, as the rename left it
        quint64 digest = 0; // of the bytes written, on success (see digest())
        QVector<quint64> chunks; // the digest's parts, one a mebibyte
        bool keptStale = false; // failed because the kept part's file had changed
        // The file replaced was not the one expected (see writePieces()):
        // nothing was written, or, when it changed during the rename, its
        // bytes as they were then.
        bool replacedChanged = false;
        QByteArray replacedBytes;
        explicit operator bool() const { return ok; }
    };

    // The first bytes of the file now at the path, kept as they are (copied
    // by the system, not handed out again) when the file still has this
    // stamp.
    struct Kept {
        qint64 bytes = 0;
        Stamp stamp;
        // That file's digest parts (Result::chunks), when known: those of
        // the kept part are not read again.
        QVector<quint64> chunks;
    };

    // Hands out a file's bytes piece by piece: sets piece to the next one
    // and returns true, or returns false once there are no more. A long
    // text is written without being encoded whole first.
    using Pieces = std::function<bool(QByteArray& piece)>;

    // The longest name, in bytes of the file system's encoding, that the
    // folder's file system takes (NAME_MAX when it does not say). Every
    // name up to it can be written.
    static int nameLimit(const QString& folder);
    // The longest start of name that takes at most bytes in the file
    // system's encoding, never ending between the halves of a surrogate
    // pair: the part of a long name that a longer name built on it keeps.
    static QString cutToFit(const QString& name, int bytes);

    // The stamp of an open file (null when it cannot be read).
    static Stamp stampOf(int fd);
    // A digest of a file's bytes: enough to tell a rewrite, at the speed of
    // reading them (Qt's hash of each mebibyte, combined).
    static quint64 digest(const QByteArray& bytes);

    // expected as for writePieces().
    static Result write(const QString& path, const QByteArray& bytes, Options options = CreateFolder);
    static Result write(const QString& path, const QByteArray& bytes, Options options, const Stamp& expected);
    // With kept bytes the pieces are what follows them; when the file no
    // longer has the kept part's stamp nothing is written and the result
    // says so (keptStale). With an expected stamp, the file at the path is
    // replaced only while it is that one: it is compared once the new file
    // is on disk and again through a handle on it after the rename, so that
    // another program's write landing meanwhile is never lost unseen
    // (replacedChanged).
    static Result writePieces(const QString& path, const Pieces& pieces, Options options, const Kept& kept,
        const Stamp& expected);
    static Result writePieces(const QString& path, const Pieces& pieces, Options options, const Kept& kept);
    static Result writePieces(const QString& path, const Pieces& pieces, Options options = CreateFolder);
    // The bytes of the file at source written to target by write(); by
    // default never over an existing file.
    static Result copy(const QString& source, const QString& target, Options options = NewFileOnly);

    // Tests: called with the path just before a write's rename (another
    // program's write landing then).
    static void setRenameHook(std::function<void(const QString& path)> hook);

    // Removes the temporary files that killed writers (of an earlier run)
    // left anywhere below folder, between creating and renaming them; links
    // to folders are not followed. The files of this process's writers stay.
    // Returns how many went.
    static int removeLeftovers(const QString& folder);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserFile::Options)

#endif
