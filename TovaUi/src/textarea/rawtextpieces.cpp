#include "rawtextpieces.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#define RAWTEXT_SIMD 1
#endif

namespace {

#ifdef RAWTEXT_SIMD
// Indexes for _mm_shuffle_epi8 laying out eight characters' three bytes,
// taken from the leading and middle bytes (first half, second half of the
// first vector) and the last bytes (second vector); -1 gives a zero.
struct Layout {
    char lead[2][16];
    char last[2][16];
    Layout()
    {
        for (int half = 0; half < 2; ++half) {
            for (int j = 0; j < 16; ++j) {
                const int at = half * 16 + j;
                const int k = at / 3;
                const int r = at % 3;
                const bool inside = at < 24;
                lead[half][j] = char(inside && r == 0 ? k : inside && r == 1 ? 8 + k : -1);
                last[half][j] = char(inside && r == 2 ? k : -1);
            }
        }
    }
};

// Encodes the eight characters at in to 24 bytes at out when every one
// takes three bytes and none is a separator; returns false otherwise
// (nothing written).
__attribute__((target("ssse3"))) bool threeBytesEach(const ushort* in, uchar* out)
{
    static const Layout layout;
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i top = _mm_and_si128(v, _mm_set1_epi16(short(0xf800)));
    const __m128i other = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(top, _mm_setzero_si128()), _mm_cmpeq_epi16(top, _mm_set1_epi16(short(0xd800)))),
        _mm_cmpeq_epi16(v, _mm_set1_epi16(short(QChar::ParagraphSeparator))));
    if (_mm_movemask_epi8(other))
        return false;
    const __m128i low6 = _mm_set1_epi16(0x3f);
    const __m128i follow = _mm_set1_epi16(0x80);
    const __m128i b0 = _mm_or_si128(_mm_srli_epi16(v, 12), _mm_set1_epi16(0xe0));
    const __m128i b1 = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(v, 6), low6), follow);
    const __m128i b2 = _mm_or_si128(_mm_and_si128(v, low6), follow);
    const __m128i leads = _mm_packus_epi16(b0, b1);
    const __m128i lasts = _mm_packus_epi16(b2, b2);
    const auto index = [](const char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); };
    const __m128i first = _mm_or_si128(_mm_shuffle_epi8(leads, index(layout.lead[0])), _mm_shuffle_epi8(lasts, index(layout.last[0])));
    const __m128i second = _mm_or_si128(_mm_shuffle_epi8(leads, index(layout.lead[1])), _mm_shuffle_epi8(lasts, index(layout.last[1])));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), first);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), second);
    return true;
}

const bool haveSsse3 = __builtin_cpu_supports("ssse3");
#endif

} // namespace

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
#ifdef RAWTEXT_SIMD
        if (haveSsse3) {
            while (i + 8 <= count && threeBytesEach(in + i, out)) {
                i += 8;
                out += 24;
            }
            if (i == count)
                break;
        }
#endif
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
