#ifndef TEXTFILEFORM_H
#define TEXTFILEFORM_H

#include <QByteArray>
#include <QString>

// How a text file's bytes stand for its text: the encoding, the byte-order
// mark and the line end. Found when the file is read, kept with its text and
// applied when the text is written, so that a save changes no byte the
// writer did not edit.
//
// - Encoding: a mark names its encoding (UTF-8, UTF-16 or UTF-32, either
//   byte order). Without one the file is UTF-8 when it is valid UTF-8, and
//   also when its invalid bytes are few beside its valid multi-byte
//   characters (a stray byte, a last character cut short) or GBK reads it
//   no better; otherwise it is GBK.
// - Bytes of a UTF-8 file that are not UTF-8 are held in the text one by
//   one as the lone surrogates U+DC80 to U+DCFF and written back as the
//   bytes they were; so are the bytes of characters the document would
//   take for line breaks (U+2029, U+FDD0, U+FDD1).
// - A GBK, UTF-16 or UTF-32 file whose bytes do not come back when its text
//   is written again (bytes the encoding leaves undefined, a cut last
//   character) is not exact: the editor shows it and never writes it.
// - Line end: the file's most frequent of LF, CR LF and CR (the first found
//   of equally frequent ones; LF for a file without any). Every line break
//   of the text is written with it; in a file of mixed line ends, the
//   breaks between lines the writer did not edit keep the ends they had
//   (encodeAfter()).
class TextFileForm
{
public:
    enum class Encoding { Utf8, Gbk, Utf16Le, Utf16Be, Utf32Le, Utf32Be };
    enum class LineEnd { Lf, CrLf, Cr };
    struct Read;

    // Finds the form of a file's bytes and reads its text, line ends left
    // as they are and the mark not part of it.
    static Read read(const QByteArray& bytes);
    // A text read, for readers that only show it: the kept bytes of a UTF-8
    // file become U+FFFD.
    static QString shown(QString text);

    // UTF-8 without a mark, LF.
    TextFileForm() = default;
    TextFileForm(Encoding encoding, LineEnd lineEnd, bool mark);

    Encoding encoding() const { return m_encoding; }
    LineEnd lineEnd() const { return m_lineEnd; }
    bool hasMark() const { return m_mark; }
    // Whether the file read has more than one kind of line end.
    bool mixedLineEnds() const { return m_mixed; }
    // Whether the text read gives back the file's bytes.
    bool exact() const { return m_exact; }
    // "UTF-8", "GBK", "UTF-16" or "UTF-32".
    QString encodingName() const;
    bool operator==(const TextFileForm& other) const;
    bool operator!=(const TextFileForm& other) const { return !(*this == other); }

    // The bytes of a text: each line feed and paragraph separator written
    // as the line end, the mark in front.
    QByteArray encode(const QString& text) const;
    // The bytes of a text that replaces the file holding before: as
    // encode(), except that each line break between lines the two share at
    // their start or at their end keeps the line end it has in before.
    QByteArray encodeAfter(const QString& text, const QByteArray& before) const;
    // The bytes of count characters of a text in an encoding other than
    // UTF-8 (which RawTextPieces writes itself), line breaks as in
    // encode(); first: they begin the file (the mark goes in front).
    QByteArray encodeOther(const QChar* text, int count, bool first) const;
    // The mark's bytes; empty without one.
    QByteArray mark() const;

private:
    Encoding m_encoding = Encoding::Utf8;
    LineEnd m_lineEnd = LineEnd::Lf;
    bool m_mark = false;
    bool m_exact = true;
    bool m_mixed = false;
};

struct TextFileForm::Read {
    TextFileForm form;
    QString text;
};

#endif
