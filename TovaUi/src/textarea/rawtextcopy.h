#ifndef RAWTEXTCOPY_H
#define RAWTEXTCOPY_H

#include <QString>

#include <climits>

class QTextDocument;

// A copy of a document's raw text (as QTextDocument::toRawText() gives it:
// paragraph separators for line breaks) that is brought up to date by
// copying only what changed since: the text in front of the first change
// and behind the last one stays where it is, the part behind moved when the
// length changed. Saving a long book on every Enter then copies the edited
// lines, not the book.
//
// Every change of the document must be told through noteChange(), as the
// document gives it to its layout (the layout hears of every change, also
// of those made with the document's signals blocked). The text handed out
// by text() may be read on another thread while this copy is updated:
// a block still shared with a reader is never written to, the update makes
// a new one from it instead.
class RawTextCopy
{
public:
    explicit RawTextCopy(const QTextDocument* document);

    // The document changed at position from: removed characters went,
    // added came in their place. Returns the length of its raw text now
    // (read here anyway, and not cheap to read again).
    int noteChange(int from, int removed, int added);

    // Brings at most maxChars characters of the copy up to date; returns
    // whether it is all up to date.
    bool refresh(int maxChars = INT_MAX);

    // The document's raw text, brought up to date.
    QString text();

    // Gives the copy's memory back; the next update copies everything.
    void clear();

    // How many leading characters of the raw text are the same as when
    // this was last asked (0 the first time and after clear()); asking
    // starts the count again. A save reuses that part of the file.
    int takeUnchanged();

private:
    void adoptNewBlock(int length);
    void copyFromDocument(int from, int to);

    const QTextDocument* m_document;
    QString m_text;
    // Leading and trailing characters of m_text that are the document's
    // (each the whole text when nothing changed since the last update).
    int m_head = 0;
    int m_tail = 0;
    int m_unchanged = 0; // since takeUnchanged()
};

#endif
