#include "rawtextpieces.h"

#include <algorithm>
#include <utility>

#if defined(__x86_64__)
#include <immintrin.h>
#define RAWTEXT_SIMD 1
#endif

namespace {

#ifdef RAWTEXT_SIMD
// Encodes the characters at in, eight at a time, as long as each of the
// eight takes three bytes and none is a separator; returns how many it
// encoded (3 bytes each at out).
__attribute__((target("ssse3"))) int threeByteRun(const ushort* in, int count, uchar* out)
{
    // Where each of 24 output bytes comes from: the leading and middle
    // bytes (first and second half of leads), the last bytes (lasts);
    // -1 gives a zero.
    const __m128i leadsFirst = _mm_setr_epi8(0, 8, -1, 1, 9, -1, 2, 10, -1, 3, 11, -1, 4, 12, -1, 5);
    const __m128i lastsFirst = _mm_setr_epi8(-1, -1, 0, -1, -1, 1, -1, -1, 2, -1, -1, 3, -1, -1, 4, -1);
    const __m128i leadsSecond = _mm_setr_epi8(13, -1, 6, 14, -1, 7, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i lastsSecond = _mm_setr_epi8(-1, 5, -1, -1, 6, -1, -1, 7, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i topBits = _mm_set1_epi16(short(0xf800));
    const __m128i surrogates = _mm_set1_epi16(short(0xd800));
    const __m128i separator = _mm_set1_epi16(short(QChar::ParagraphSeparator));
    const __m128i low6 = _mm_set1_epi16(0x3f);
    const __m128i follow = _mm_set1_epi16(0x80);
    const __m128i lead = _mm_set1_epi16(0xe0);
    int i = 0;
    for (; i + 8 <= count; i += 8, out += 24) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i top = _mm_and_si128(v, topBits);
        const __m128i other = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(top, _mm_setzero_si128()), _mm_cmpeq_epi16(top, surrogates)),
            _mm_cmpeq_epi16(v, separator));
        if (_mm_movemask_epi8(other))
            break;
        const __m128i b0 = _mm_or_si128(_mm_srli_epi16(v, 12), lead);
        const __m128i b1 = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(v, 6), low6), follow);
        const __m128i b2 = _mm_or_si128(_mm_and_si128(v, low6), follow);
        const __m128i leads = _mm_packus_epi16(b0, b1);
        const __m128i lasts = _mm_packus_epi16(b2, b2);
        const __m128i first = _mm_or_si128(_mm_shuffle_epi8(leads, leadsFirst), _mm_shuffle_epi8(lasts, lastsFirst));
        const __m128i second = _mm_or_si128(_mm_shuffle_epi8(leads, leadsSecond), _mm_shuffle_epi8(lasts, lastsSecond));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), first);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), second);
    }
    return i;
}

bool haveSsse3()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3");
}

const bool ssse3 = haveSsse3();
#endif
} // namespace

RawTextPieces::RawTextPieces(const QString& rawText, int pieceChars, int from, const TextFileForm& form)
    : m_text(rawText)
    , m_form(form)
    , m_pieceChars(std::max(2, pieceChars))
    , m_at(std::max(0, std::min(from, rawText.size())))
    , m_first(m_at == 0)
{
}

bool RawTextPieces::operator()(QByteArray& piece)
{
    const int size = m_text.size();
    // The mark of an empty text is a piece of its own.
    const bool first = std::exchange(m_first, false);
    if (m_at >= size && !(first && size == 0 && m_form.hasMark()))
        return false;
    const ushort* in = m_text.utf16() + m_at;
    int count = std::min(size - m_at, m_pieceChars);
    // A surrogate pair is never split between two pieces.
    if (m_at + count < size && QChar::isHighSurrogate(in[count - 1]))
        --count;
    if (m_form.encoding() != TextFileForm::Encoding::Utf8) {
        piece = m_form.encodeOther(m_text.constData() + m_at, count, first);
        m_at += count;
        return true;
    }
    const TextFileForm::LineEnd lineEnd = m_form.lineEnd();
    piece.resize(3 * count + 3); // the most a character of a piece takes, and the mark
    uchar* out = reinterpret_cast<uchar*>(piece.data());
    uchar* const start = out;
    if (first && m_form.hasMark()) {
        const QByteArray mark = m_form.mark();
        out = std::copy(mark.cbegin(), mark.cend(), out);
    }
    for (int i = 0; i < count; ++i) {
#ifdef RAWTEXT_SIMD
        if (ssse3) {
            const int run = threeByteRun(in + i, count - i, out);
            i += run;
            out += 3 * run;
            if (i == count)
                break;
        }
#endif
        const ushort u = in[i];
        if (u == QChar::ParagraphSeparator || u == '\n') {
            if (lineEnd != TextFileForm::LineEnd::Lf)
                *out++ = '\r';
            if (lineEnd != TextFileForm::LineEnd::Cr)
                *out++ = '\n';
        } else if (u < 0x80) {
            *out++ = uchar(u);
        } else if (u < 0x800) {
            *out++ = uchar(0xc0 | (u >> 6));
            *out++ = uchar(0x80 | (u & 0x3f));
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
        } else if (u >= 0xdc80 && u <= 0xdcff) {
            *out++ = uchar(u); // a byte of the file that was no UTF-8
        } else {
            *out++ = '?'; // as toUtf8() writes a lone surrogate
        }
    }
    piece.resize(int(out - start));
    m_at += count;
    return true;
}
