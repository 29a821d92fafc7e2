#ifndef DOCUMENTFILE_H
#define DOCUMENTFILE_H

#include <QString>
#include <QtGlobal>

class QFile;

// Opens a file to be read as a document. Only a regular file is one: a
// device (/dev/zero never ends), a FIFO (opening it waits for a writer), a
// folder or an unreadable file is refused with the reason. The kind is read
// through a handle on the name alone, which neither waits for a FIFO's
// writer nor breaks another program's lease, and the file is then opened
// through that handle, so a swap of names cannot slip another file in.
class DocumentFile
{
public:
    // Opens path for reading into file (any name file had is kept) when it
    // is a regular file; false with *reason set otherwise. The open waits
    // as any read does (a stalled file system, a lease being given back):
    // it belongs off the GUI thread.
    static bool open(QFile& file, const QString& path, QString* reason);
    // Why path cannot be opened as a document (its kind, its permissions,
    // a size too large to read whole);
    // empty when it can. Nothing is opened for reading: this never waits
    // for the file's content.
    static QString problem(const QString& path);
    // True for a file of `bytes` that cannot be held as a text whole (a
    // byte can be a character of two bytes, in a string of at most 2 GiB);
    // such a file is refused, never shown or copied cut short.
    static bool tooLarge(qint64 bytes) { return bytes > largestBytes; }
    static constexpr qint64 largestBytes = (qint64(1) << 30) - 4096;
    // The notice's reason for a file that was not read whole.
    static QString notReadWhole();
};

#endif
