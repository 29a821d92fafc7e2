#include "rawtextpieces.h"

#include <algorithm>

RawTextPieces::RawTextPieces(const QString& rawText, int pieceChars)
    : m_text(rawText)
    , m_pieceChars(std::max(2, pieceChars))
{
}

bool RawTextPieces::operator()(QByteArray& piece)
{
    const int size = m_text.size();
    if (m_at >= size)
        return false;
    const ushort* in = m_text.utf16() + m_at;
    int count = std::min(size - m_at, m_pieceChars);
    // A surrogate pair is never split between two pieces.
    if (m_at + count < size && QChar::isHighSurrogate(in[count - 1]))
        --count;
    piece.resize(3 * count); // the most a character of a piece takes
    uchar* out = reinterpret_cast<uchar*>(piece.data());
    uchar* const start = out;
    for (int i = 0; i < count; ++i) {
        const ushort u = in[i];
        if (u < 0x80) {
            *out++ = uchar(u);
        } else if (u < 0x800) {
            *out++ = uchar(0xc0 | (u >> 6));
            *out++ = uchar(0x80 | (u & 0x3f));
        } else if (u == QChar::ParagraphSeparator) {
            *out++ = '\n';
        } else if (!QChar::isSurrogate(u)) {
            *out++ = uchar(0xe0 | (u >> 12));
            *out++ = uchar(0x80 | ((u >> 6) & 0x3f));
            *out++ = uchar(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && i + 1 < count && QChar::isLowSurrogate(in[i + 1])) {
            const uint c = QChar::surrogateToUcs4(u, in[++i]);
            *out++ = uchar(0xf0 | (c >> 18));
            *out++ = uchar(0x80 | ((c >> 12) & 0x3f));
            *out++ = uchar(0x80 | ((c >> 6) & 0x3f));
            *out++ = uchar(0x80 | (c & 0x3f));
        } else {
            *out++ = '?'; // as toUtf8() writes a lone surrogate
        }
    }
    piece.resize(int(out - start));
    m_at += count;
    return true;
}
