#ifndef DOCUMENTFILE_H
#define DOCUMENTFILE_H

#include <QString>

class QFile;

// Opens a file to be read as a document. Only a regular file is one: a
// device (/dev/zero never ends), a FIFO (opening it waits for a writer), a
// folder or an unreadable file is refused with the reason. The check never
// blocks and cannot be fooled by a swap: the file is opened without waiting
// and its kind is read from the open file itself, before any read.
class DocumentFile
{
public:
    // Opens path for reading into file (any name file had is kept) when it
    // is a regular file; false with *reason set otherwise.
    static bool open(QFile& file, const QString& path, QString* reason);
    // Why path cannot be opened as a document; empty when it can.
    static QString problem(const QString& path);
};

#endif
