#include "count.h"

#include "data/global.h"

#include <QStringView>

namespace {

constexpr int kTitleLength = 20;

inline bool isTitleBoundary(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(':') || c == QChar(0xFF1A);
}

// The full-width punctuation that counts once per character.
inline bool isCountedPunctuation(ushort c)
{
    switch (c) {
    case 0x3002: // 。
    case 0xFF1F: // ？
    case 0xFF01: // ！
    case 0xFF0C: // ，
    case 0x3001: // 、
    case 0xFF1B: // ；
    case 0xFF1A: // ：
    case 0x300C: // 「
    case 0x300D: // 」
    case 0x300E: // 『
    case 0x300F: // 』
    case 0x2018: // ‘
    case 0x2019: // ’
    case 0x201C: // “
    case 0x201D: // ”
    case 0xFF08: // （
    case 0xFF09: // ）
    case 0x3014: // 〔
    case 0x3015: // 〕
    case 0x3010: // 【
    case 0x3011: // 】
    case 0x2014: // —
    case 0x2026: // …
    case 0x2013: // –
    case 0xFF0E: // ．
    case 0x300A: // 《
    case 0x300B: // 》
    case 0x3008: // 〈
    case 0x3009: // 〉
        return true;
    default:
        return false;
    }
}

// ASCII punctuation (and the space): a run of these counts once.
inline bool isAsciiPunctuation(ushort c)
{
    return (c >= 32 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
}

QStringView trimmedView(QStringView text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin).isSpace())
        ++begin;
    while (end > begin && text.at(end - 1).isSpace())
        --end;
    return text.mid(begin, end - begin);
}

// The title test on an already trimmed text.
bool isTitleView(QStringView t, const QList<QString>& patterns)
{
    for (const QString& pattern : patterns) {
        // An empty pattern ends the search: nothing after it is tried.
        if (pattern.isEmpty())
            return false;
        const int star = pattern.indexOf(QLatin1Char('*'));
        if (star < 0) {
            if (t.startsWith(QStringView(pattern)))
                return true;
            continue;
        }
        if (pattern.indexOf(QLatin1Char('*'), star + 1) >= 0)
            continue; // more than one placeholder never matches
        const QStringView prefix = QStringView(pattern).left(star);
        const QStringView suffix = QStringView(pattern).mid(star + 1);
        if (!t.startsWith(prefix))
            continue;
        const int i = int(t.indexOf(suffix));
        if (i < 2 || i > 12)
            continue;
        // Look at the unit after the whole suffix, so that a suffix of more
        // than one unit ("第*部分") can match too.
        const int after = i + int(suffix.size());
        if (after >= t.size() || isTitleBoundary(t.at(after)))
            return true;
    }
    return false;
}

// A character the editor keeps as its UTF-8 bytes (the escapes U+DC80 to
// U+DCFF, one a byte: a paragraph separator or a frame mark read from a
// file) counts as the character itself. The length of the kept run at i
// and the character, or 0 when none begins there.
int keptCharacter(const QChar* data, int size, int i, ushort* character)
{
    if (size - i < 3)
        return 0;
    uint c = 0;
    for (int k = 0; k < 3; ++k) {
        const ushort u = data[i + k].unicode();
        if (u < 0xdc80 || u > 0xdcff)
            return 0;
        c = (c << 8) | (u & 0xff);
    }
    switch (c) {
    case 0xe280a9: *character = 0x2029; return 3;
    case 0xefb790: *character = 0xfdd0; return 3;
    case 0xefb791: *character = 0xfdd1; return 3;
    default: return 0;
    }
}

} // namespace

wordsType count::countString(const QString& input, bool dialogue, const QList<QString>& patterns)
{
    QString text = input;
    if (dialogue) {
        // Split at the ASCII colon, or failing that at the full-width one;
        // drop the part before the first colon and the colons themselves.
        QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() < 2)
            parts = text.split(QChar(0xFF1A));
        if (parts.size() >= 2) {
            parts.removeFirst();
            text = parts.join(QString());
        }
    }

    wordsType result;
    bool paragraphPending = false;
    bool inNumber = false;
    bool inWord = false;
    bool inPunctuation = false;
    const QChar* data = text.constData();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        ushort c = data[i].unicode();
        if (c >= 0xdc80 && c <= 0xdcff) {
            if (const int kept = keptCharacter(data, size, i, &c))
                i += kept - 1;
        }
        if (c == '\n' || c == 0x2029) {
            paragraphPending = true;
            inNumber = false;
            inWord = false;
            continue;
        }
        if (paragraphPending)
            ++result.Paragraphs;

        if (c > 127) {
            if (c == 0x3000)
                ++result.FullWidthSpace;
            else
                ++result.Chars;
            inNumber = false;
            inWord = false;
        } else if (c >= '0' && c <= '9') {
            if (!inNumber) {
                ++result.Numbers;
                inNumber = true;
            }
            inWord = false;
        } else if (c == ' ') {
            ++result.HalfWidthSpace;
            inNumber = false;
            inWord = false;
        } else {
            inNumber = false;
            if (!inWord) {
                ++result.Words;
                inWord = true;
            }
        }

        if (c <= 127 && isAsciiPunctuation(c)) {
            if (!inPunctuation) {
                ++result.BC;
                inPunctuation = true;
            }
        } else if (c > 127 && isCountedPunctuation(c)) {
            ++result.BC;
            inPunctuation = false;
        } else {
            inPunctuation = false;
        }
        paragraphPending = false;
    }
    ++result.Paragraphs;

    QStringView t = trimmedView(QStringView(text));
    if (t.size() > kTitleLength)
        t = t.left(kTitleLength);
    if (!t.isEmpty() && isTitleView(trimmedView(t), patterns))
        result.title = t.toString();
    return result;
}

bool count::isChapterTitle(const QString& text, const QList<QString>& patterns)
{
    if (patterns.isEmpty())
        return false;
    return isTitleView(trimmedView(QStringView(text)), patterns);
}

bool count::isVolumeTitle(const QString& text)
{
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("Volume")))
        return true;
    if (!t.startsWith(QChar(0x7B2C))) // 第
        return false;
    // 卷 册 集 部 本, each at its first occurrence.
    static const ushort units[] = { 0x5377, 0x518C, 0x96C6, 0x90E8, 0x672C };
    for (ushort u : units) {
        const int i = t.indexOf(QChar(u));
        if (i >= 2 && i <= 4)
            return true;
    }
    return false;
}

QStringList count::chapterPatterns()
{
    QStringList patterns = global::instance()->autoChapterKeys();
    if (patterns.isEmpty() || (patterns.size() == 1 && patterns.first().isEmpty()))
        patterns = global::defaultChapterKeys();
    return patterns;
}
