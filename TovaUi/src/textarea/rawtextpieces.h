#ifndef RAWTEXTPIECES_H
#define RAWTEXTPIECES_H

#include "TovaUi/textarea/textfileform.h"

#include <QByteArray>
#include <QString>

// A document's raw text (paragraph separators for line breaks) as the bytes
// of its file, handed out piece by piece for UserFile::writePieces(), in
// the file's form (TextFileForm): its mark first, its line end for each
// paragraph separator and line feed. In UTF-8 the pieces together are byte
// for byte what the text with its separators replaced gives through
// QString::toUtf8() (a lone surrogate becomes '?'), except that the escape
// of a byte that was no UTF-8 becomes that byte; but no book-sized encoded
// copy is made, and the line ends and the encoding are done in one pass
// into a small buffer that stays in the processor's cache. Runs of
// characters of three bytes each (most of a Chinese text) are encoded
// eight at a time where the processor can. Other encodings go through
// their codec a piece at a time.
class RawTextPieces
{
public:
    // pieceChars: characters encoded per piece; from: the first character
    // handed out (never the second half of a surrogate pair).
    explicit RawTextPieces(const QString& rawText, int pieceChars = 32 * 1024, int from = 0,
        const TextFileForm& form = TextFileForm());

    // Sets piece to the next piece (reusing its buffer) and returns true,
    // or returns false once the text is all handed out (an empty text with
    // a mark is one piece: the mark).
    bool operator()(QByteArray& piece);

    // The characters handed out so far, from the start of the text. A
    // boundary between two pieces never splits a surrogate pair.
    int at() const { return m_at; }

private:
    QString m_text;
    TextFileForm m_form;
    int m_pieceChars;
    int m_at = 0;
    bool m_first = true; // the mark is still to come
};

#endif
