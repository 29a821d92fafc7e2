#ifndef FILENAMECODEC_H
#define FILENAMECODEC_H

#include <QString>
#include <QTextCodec>

// How the program turns file names' bytes into text and back (Qt reads and
// writes every name through the locale's codec). In a UTF-8 locale a name
// that is not valid UTF-8 (a zip made on Chinese Windows keeps GBK bytes)
// would otherwise be passed over when a folder is listed and could not be
// opened: here each byte that is not UTF-8 is held as one character of
// U+F780 to U+F7FF and written back as the byte it was, so every name
// comes back as its own bytes, also through a file URL. The bytes of a
// valid character in that range are held the same way, so that no other
// name is written with those bytes.
class FileNameCodec : public QTextCodec
{
public:
    // Makes it the locale's codec when the locale is UTF-8; other locales
    // keep theirs.
    static void install();
    // A name for the writer to read: held bytes that are GBK text are shown
    // as that text, others as U+FFFD; any other name is itself.
    static QString shown(const QString& name);

    QByteArray name() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char* in, int length, ConverterState* state) const override;
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState* state) const override;
};

// The length of the valid UTF-8 character at p, as Qt reads UTF-8 (no
// overlong forms, no surrogates, nothing above U+10FFFF); 0 when it is not
// one. For every reader that keeps the bytes that are not UTF-8.
int utf8Length(const uchar* p, const uchar* end);

// Appends the text of the UTF-8 bytes [p, end) to out. A byte that is no
// part of a valid character, and each byte of a character keep(c) names,
// goes in as hold(byte), so the bytes come back as they were. Counts the
// valid multi-byte characters and the invalid bytes.
struct Utf8Counts {
    int valid = 0;
    int invalid = 0;
};
template <typename Keep, typename Hold>
Utf8Counts appendUtf8Keeping(const uchar* p, const uchar* const end, QString& out, Keep keep, Hold hold)
{
    Utf8Counts counts;
    while (p < end) {
        const int length = utf8Length(p, end);
        if (length == 1) {
            out += QChar(ushort(*p++));
            continue;
        }
        if (length == 0) {
            out += hold(*p++);
            ++counts.invalid;
            continue;
        }
        ++counts.valid;
        uint c = *p & (0x7f >> length);
        for (int i = 1; i < length; ++i)
            c = (c << 6) | (p[i] & 0x3f);
        if (keep(c)) {
            for (int i = 0; i < length; ++i)
                out += hold(*p++);
            continue;
        }
        p += length;
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(ushort(c));
        }
    }
    return counts;
}

#endif
