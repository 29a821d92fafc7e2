#ifndef HISTORYRESTORE_H
#define HISTORYRESTORE_H

#include <QString>
#include <QStringList>
#include <QUrl>

// Restoring a copy the program kept of a document (a history snapshot, or a
// copy of unsaved text in the history or the program's own folder): which
// copies are one document's, which document a copy is of, its text as the
// editor holds text, and the copy put back into a document no tab holds.
// An open document is restored through its editor instead, which saves it
// its own way.
class HistoryRestore
{
public:
    // Name filters that list one document's copies only: its snapshot base
    // name (a book's index: its folder's name), "---", anything, ".txt" or
    // ".md"; wildcard characters in the name match only themselves.
    static QStringList filters(const QUrl& document);
    // The document a copy is of: the one of preferred (the current
    // document) when the copy's name fits it, else the only document in
    // the library whose copies it names, else, when none is left (it was
    // deleted), a new one in the library's root. Empty, with the reason,
    // when several documents fit.
    static QUrl documentOf(const QUrl& copy, const QUrl& preferred, QString* reason);
    // The copy's text as the editor holds it: read in the copy's own form
    // (encoding, mark, kept bytes), line breaks as "\n". Null when it
    // cannot be read, with the reason.
    static QString text(const QUrl& copy, QString* reason);
    // Writes the copy's text into the document at path in the document's
    // own form, after a snapshot of the document as it is (a document that
    // is gone is written anew). False with the notice for the writer when
    // anything fails; the document is then unchanged.
    static bool restoreInto(const QUrl& copy, const QString& path, QString* notice);
};

#endif
