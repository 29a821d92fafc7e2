#ifndef RAWTEXTPIECES_H
#define RAWTEXTPIECES_H

#include <QByteArray>
#include <QString>

// A document's raw text (paragraph separators for line breaks) as the bytes
// of its file, handed out piece by piece for UserFile::writePieces(): UTF-8,
// with a line feed for each paragraph separator. The pieces together are
// byte for byte what the text with its separators replaced gives through
// QString::toUtf8() (a lone surrogate becomes '?'), but no book-sized
// encoded copy is made, and the line feeds and the encoding are done in one
// pass into a small buffer that stays in the processor's cache. Runs of
// characters of three bytes each (most of a Chinese text) are encoded
// eight at a time where the processor can.
class RawTextPieces
{
public:
    // pieceChars: characters encoded per piece; from: the first character
    // handed out (never the second half of a surrogate pair).
    explicit RawTextPieces(const QString& rawText, int pieceChars = 32 * 1024, int from = 0);

    // Sets piece to the next piece (reusing its buffer) and returns true,
    // or returns false once the text is all handed out.
    bool operator()(QByteArray& piece);

    // The characters handed out so far, from the start of the text. A
    // boundary between two pieces never splits a surrogate pair.
    int at() const { return m_at; }

private:
    QString m_text;
    int m_pieceChars;
    int m_at = 0;
};

#endif
