#ifndef HISTORYSNAPSHOTS_H
#define HISTORYSNAPSHOTS_H

#include <QString>

// History snapshots of documents: copies named "<name up to its first
// dot>---<seconds since the epoch>.txt" in a history folder. A snapshot is
// never replaced: when the name of this second is taken (two documents with
// one base name, or two snapshots in one second), the next free second is
// used.
class HistorySnapshots
{
public:
    // The start of a document's snapshot names: its name before the first
    // ".", cut to leave room for the rest of the snapshot's name.
    static QString baseName(const QString& documentName);
    static QString fileName(const QString& documentName, qint64 seconds);
    // Where a new snapshot of the document named documentName goes in
    // folder; empty when the thousand seconds from now on are all taken.
    static QString newPath(const QString& folder, const QString& documentName);
};

#endif
