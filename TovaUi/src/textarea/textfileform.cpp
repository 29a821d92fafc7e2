#include "textfileform.h"

#include "support/filenamecodec.h"
#include "textarea/rawtextpieces.h"

#include <QVector>

#include <QTextCodec>

#include <climits>

namespace {

// A valid multi-byte character for every this many invalid bytes, at
// least, makes a file UTF-8 with a few stray bytes rather than GBK (whose
// Chinese text reads as UTF-8 with about one valid character in seven).
constexpr int validPerInvalid = 8;

// The escapes of bytes that are not UTF-8.
constexpr ushort firstEscape = 0xdc80;
constexpr ushort lastEscape = 0xdcff;

QTextCodec* codecOf(TextFileForm::Encoding encoding)
{
    switch (encoding) {
    case TextFileForm::Encoding::Utf8:
        return QTextCodec::codecForName("UTF-8");
    // GB18030 reads GBK's bytes and can write any character a writer types.
    case TextFileForm::Encoding::Gbk:
        return QTextCodec::codecForName("GB18030");
    case TextFileForm::Encoding::Utf16Le:
        return QTextCodec::codecForName("UTF-16LE");
    case TextFileForm::Encoding::Utf16Be:
        return QTextCodec::codecForName("UTF-16BE");
    case TextFileForm::Encoding::Utf32Le:
        return QTextCodec::codecForName("UTF-32LE");
    case TextFileForm::Encoding::Utf32Be:
        return QTextCodec::codecForName("UTF-32BE");
    }
    return nullptr;
}

// Characters the document would take for line breaks of its own (a
// paragraph separator, the frame marks): in a UTF-8 file they are kept as
// the bytes they are, as invalid bytes are.
bool breaksLines(uint c)
{
    return c == QChar::ParagraphSeparator || c == 0xfdd0 || c == 0xfdd1;
}

bool holdsLineBreakCharacters(const QString& text)
{
    const ushort* data = text.utf16();
    const int size = text.size();
    bool found = false;
    for (int i = 0; i < size; ++i)
        found |= breaksLines(data[i]);
    return found;
}

// UTF-8 with every invalid byte kept as its escape (and the bytes of
// characters that would break lines); counts the valid multi-byte
// characters and the invalid bytes.
QString readUtf8Escaped(const QByteArray& bytes, int from, int* valid, int* invalid)
{
    QString text;
    text.reserve(bytes.size() - from);
    const uchar* const begin = reinterpret_cast<const uchar*>(bytes.constData());
    const Utf8Counts counts = appendUtf8Keeping(begin + from, begin + bytes.size(), text, [](uint c) { return breaksLines(c); },
                                                [](uchar byte) { return QChar(ushort(0xdc00 | byte)); });
    *valid = counts.valid;
    *invalid = counts.invalid;
    return text;
}

// Bytes that are no GBK character: neither ASCII nor a lead byte followed
// by a trail byte (nor a four-byte GB18030 character).
int invalidGbk(const QByteArray& bytes)
{
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    const uchar* const end = p + bytes.size();
    int invalid = 0;
    while (p < end) {
        const uchar c = *p;
        if (c < 0x80) {
            ++p;
        } else if (c == 0x80 || c == 0xff || end - p < 2) {
            ++invalid;
            ++p;
        } else if (p[1] >= 0x40 && p[1] != 0x7f && p[1] != 0xff) {
            p += 2;
        } else if (p[1] >= 0x30 && p[1] <= 0x39 && end - p >= 4 && p[2] >= 0x81 && p[2] <= 0xfe && p[3] >= 0x30 && p[3] <= 0x39) {
            p += 4;
        } else {
            ++invalid;
            ++p;
        }
    }
    return invalid;
}

TextFileForm::LineEnd lineEndOf(const QString& text, bool* mixed)
{
    *mixed = false;
    // Most files have no carriage return at all: one fast search.
    const int cr = text.indexOf(QLatin1Char('\r'));
    if (cr < 0)
        return TextFileForm::LineEnd::Lf;
    const int lf = text.indexOf(QLatin1Char('\n'));
    const QChar* data = text.constData();
    const int size = text.size();
    int counts[3] = { 0, 0, 0 }; // LF, CR LF, CR
    int first = -1;
    for (int i = lf >= 0 ? qMin(cr, lf) : cr; i < size; ++i) {
        int kind = -1;
        if (data[i] == QLatin1Char('\n')) {
            kind = 0;
        } else if (data[i] == QLatin1Char('\r')) {
            kind = i + 1 < size && data[i + 1] == QLatin1Char('\n') ? 1 : 2;
            i += kind == 1;
        }
        if (kind >= 0) {
            ++counts[kind];
            if (first < 0)
                first = kind;
        }
    }
    int most = first;
    for (int kind = 0; kind < 3; ++kind) {
        if (counts[kind] > counts[most])
            most = kind;
    }
    *mixed = (counts[0] > 0) + (counts[1] > 0) + (counts[2] > 0) > 1;
    return TextFileForm::LineEnd(most);
}

QString decoded(QTextCodec* codec, const QByteArray& bytes, int from)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec->toUnicode(bytes.constData() + from, bytes.size() - from, &state);
}

} // namespace

TextFileForm::TextFileForm(Encoding encoding, LineEnd lineEnd, bool mark)
    : m_encoding(encoding)
    , m_lineEnd(lineEnd)
    , m_mark(mark)
{
}

TextFileForm::Read TextFileForm::read(const QByteArray& bytes)
{
    Read read;
    TextFileForm& form = read.form;
    // The byte order marks, the longest first (UTF-32 LE begins like UTF-16 LE).
    static const struct {
        QByteArray mark;
        Encoding encoding;
    } marks[] = {
        { QByteArray("\xff\xfe\x00\x00", 4), Encoding::Utf32Le },
        { QByteArray("\x00\x00\xfe\xff", 4), Encoding::Utf32Be },
        { QByteArray("\xef\xbb\xbf"), Encoding::Utf8 },
        { QByteArray("\xff\xfe"), Encoding::Utf16Le },
        { QByteArray("\xfe\xff"), Encoding::Utf16Be },
    };
    int from = 0;
    for (const auto& mark : marks) {
        if (bytes.startsWith(mark.mark)) {
            form.m_encoding = mark.encoding;
            form.m_mark = true;
            from = mark.mark.size();
            break;
        }
    }
    if (form.m_encoding == Encoding::Utf8) {
        // Valid UTF-8, as most files are: one pass of Qt's decoder.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        read.text = codecOf(Encoding::Utf8)->toUnicode(bytes.constData() + from, bytes.size() - from, &state);
        if (state.invalidChars != 0 || state.remainingChars != 0 || holdsLineBreakCharacters(read.text)) {
            int valid = 0;
            int invalid = 0;
            read.text = readUtf8Escaped(bytes, from, &valid, &invalid);
            if (!form.m_mark && valid < validPerInvalid * invalid && invalidGbk(bytes) < invalid) {
                form.m_encoding = Encoding::Gbk;
                read.text.clear();
            }
        }
    }
    if (form.m_encoding != Encoding::Utf8) {
        read.text = decoded(codecOf(form.m_encoding), bytes, from);
        // What the codec read only approximately does not come back.
        form.m_exact = form.encodeOther(read.text.constData(), read.text.size(), false) == bytes.mid(from);
    }
    form.m_lineEnd = lineEndOf(read.text, &form.m_mixed);
    return read;
}

QString TextFileForm::shown(QString text)
{
    QChar* data = text.data();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        if (data[i].unicode() >= firstEscape && data[i].unicode() <= lastEscape && (i == 0 || !data[i - 1].isHighSurrogate()))
            data[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString TextFileForm::encodingName() const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Gbk:
        return QStringLiteral("GBK");
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return QStringLiteral("UTF-16");
    case Encoding::Utf32Le:
    case Encoding::Utf32Be:
        return QStringLiteral("UTF-32");
    }
    return QString();
}

bool TextFileForm::operator==(const TextFileForm& other) const
{
    return m_encoding == other.m_encoding && m_lineEnd == other.m_lineEnd && m_mark == other.m_mark && m_exact == other.m_exact
        && m_mixed == other.m_mixed;
}

QByteArray TextFileForm::mark() const
{
    if (!m_mark)
        return QByteArray();
    switch (m_encoding) {
    case Encoding::Utf8:
        return QByteArray("\xef\xbb\xbf");
    case Encoding::Gbk:
        return QByteArray();
    case Encoding::Utf16Le:
        return QByteArray("\xff\xfe");
    case Encoding::Utf16Be:
        return QByteArray("\xfe\xff");
    case Encoding::Utf32Le:
        return QByteArray("\xff\xfe\x00\x00", 4);
    case Encoding::Utf32Be:
        return QByteArray("\x00\x00\xfe\xff", 4);
    }
    return QByteArray();
}

QByteArray TextFileForm::encode(const QString& text) const
{
    QByteArray bytes;
    RawTextPieces pieces(text, qMax(2, text.size()), 0, *this);
    QByteArray piece;
    while (pieces(piece))
        bytes += piece;
    return bytes;
}

QByteArray TextFileForm::encodeAfter(const QString& text, const QByteArray& before) const
{
    const Read old = read(before);
    if (old.form.m_encoding != m_encoding || old.form.m_mark != m_mark)
        return encode(text);
    // The lines of before with their ends ("" for the last), and of text.
    QVector<QStringRef> oldLines;
    QVector<QStringRef> oldEnds;
    const QString& was = old.text;
    for (int from = 0;;) {
        int at = from;
        while (at < was.size() && was.at(at) != QLatin1Char('\n') && was.at(at) != QLatin1Char('\r'))
            ++at;
        oldLines.append(was.midRef(from, at - from));
        if (at == was.size()) {
            oldEnds.append(QStringRef());
            break;
        }
        const int endSize = was.at(at) == QLatin1Char('\r') && at + 1 < was.size() && was.at(at + 1) == QLatin1Char('\n') ? 2 : 1;
        oldEnds.append(was.midRef(at, endSize));
        from = at + endSize;
    }
    QVector<QStringRef> lines;
    for (int from = 0;;) {
        int at = from;
        while (at < text.size() && text.at(at) != QChar::ParagraphSeparator && text.at(at) != QLatin1Char('\n'))
            ++at;
        lines.append(text.midRef(from, at - from));
        if (at == text.size())
            break;
        from = at + 1;
    }
    const int count = lines.size();
    const int oldCount = oldLines.size();
    int start = 0;
    while (start < qMin(count, oldCount) && lines.at(start) == oldLines.at(start))
        ++start;
    int end = 0;
    while (end < qMin(count, oldCount) - start && lines.at(count - 1 - end) == oldLines.at(oldCount - 1 - end))
        ++end;
    const TextFileForm plain(m_encoding, m_lineEnd, false);
    const QByteArray endBytes[3] = { TextFileForm(m_encoding, LineEnd::Lf, false).encode(QStringLiteral("\n")),
        TextFileForm(m_encoding, LineEnd::CrLf, false).encode(QStringLiteral("\n")),
        TextFileForm(m_encoding, LineEnd::Cr, false).encode(QStringLiteral("\n")) };
    const auto endOf = [&](const QStringRef& end) {
        const LineEnd kind = end.isEmpty() ? m_lineEnd
            : end.size() == 2             ? LineEnd::CrLf
            : end.at(0) == QLatin1Char('\r') ? LineEnd::Cr
                                             : LineEnd::Lf;
        return endBytes[int(kind)];
    };
    QByteArray bytes = mark();
    for (int i = 0; i < count; ++i) {
        bytes += plain.encode(lines.at(i).toString());
        if (i + 1 == count)
            break;
        // The break after line i: kept where line i is shared (and had one).
        const QStringRef kept = i < start ? oldEnds.at(i) : i >= count - 1 - end ? oldEnds.at(i - count + oldCount) : QStringRef();
        bytes += endOf(kept);
    }
    return bytes;
}

QByteArray TextFileForm::encodeOther(const QChar* text, int count, bool first) const
{
    QString lines;
    lines.reserve(count + count / 16);
    const QString lineEnd = m_lineEnd == LineEnd::Lf ? QStringLiteral("\n") : m_lineEnd == LineEnd::CrLf ? QStringLiteral("\r\n") : QStringLiteral("\r");
    for (int i = 0; i < count; ++i) {
        const QChar c = text[i];
        if (c == QChar::ParagraphSeparator || c == QLatin1Char('\n')) {
            lines += lineEnd;
        } else if (c.isSurrogate()) {
            // A lone surrogate becomes '?', as in UTF-8 (codecs would keep
            // one at the end of a piece back for the next).
            const bool paired = c.isHighSurrogate() ? i + 1 < count && text[i + 1].isLowSurrogate() : i > 0 && text[i - 1].isHighSurrogate();
            lines += paired ? c : QChar(QLatin1Char('?'));
        } else {
            lines += c;
        }
    }
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QByteArray bytes = codecOf(m_encoding)->fromUnicode(lines.constData(), lines.size(), &state);
    return first ? mark() + bytes : bytes;
}
