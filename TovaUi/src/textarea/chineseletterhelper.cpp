#include "chineseletterhelper.h"

#include "support/log.h"

#include <QTextCodec>

namespace {
#include "gb2312pinyin.inc"

QTextCodec* gb2312Codec()
{
    static QTextCodec* codec = QTextCodec::codecForName("gb2312");
    return codec;
}

int codeOf(QTextCodec* codec, QChar c)
{
    const QByteArray bytes = codec->fromUnicode(QString(c));
    if (bytes.size() != 2)
        return -1;
    const int b1 = static_cast<unsigned char>(bytes.at(0));
    const int b2 = static_cast<unsigned char>(bytes.at(1));
    if (b1 < 0xA1 || b2 < 0xA1)
        return -1;
    return (b1 - 160) * 100 + (b2 - 160);
}
} // namespace

int ChineseLetterHelper::gbCode(QChar c)
{
    QTextCodec* codec = gb2312Codec();
    return codec ? codeOf(codec, c) : -1;
}

QString ChineseLetterHelper::GetPinyin(int code)
{
    if (code >= 5601 && code <= 8794) {
        const int syllable = kSecondLevel[code - 5601];
        if (syllable >= 0)
            return QString::fromLatin1(kSyllables[syllable]);
    }
    // The ranges ascend, so a binary search finds the one holding the code.
    int lo = 0;
    int hi = int(sizeof(kFirstLevel) / sizeof(kFirstLevel[0])) - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        if (code < kFirstLevel[mid].first)
            hi = mid - 1;
        else if (code > kFirstLevel[mid].last)
            lo = mid + 1;
        else
            return QString::fromLatin1(kSyllables[kFirstLevel[mid].syllable]);
    }
    return QString();
}

QString ChineseLetterHelper::GetPinyins(const QString& text)
{
    QTextCodec* codec = gb2312Codec();
    if (!codec)
        return QStringLiteral(" ");
    QString result;
    for (const QChar c : text) {
        const int code = codeOf(codec, c);
        if (code > 0)
            result += GetPinyin(code);
    }
    return result;
}

bool ChineseLetterHelper::In(wchar_t low, wchar_t high, wchar_t value)
{
    return low <= value && value <= high;
}

int ChineseLetterHelper::Convert(int code)
{
    if (code >= 0 && code <= 127)
        return code;
    // Lower bounds of the initials A..Z in the first level (no I, U, V).
    static const struct { int from; char letter; } kStarts[] = {
        { 45217, 'A' }, { 45253, 'B' }, { 45761, 'C' }, { 46318, 'D' }, { 46826, 'E' },
        { 47010, 'F' }, { 47297, 'G' }, { 47614, 'H' }, { 48119, 'J' }, { 49062, 'K' },
        { 49324, 'L' }, { 49896, 'M' }, { 50371, 'N' }, { 50614, 'O' }, { 50622, 'P' },
        { 50906, 'Q' }, { 51387, 'R' }, { 51446, 'S' }, { 52218, 'T' }, { 52698, 'W' },
        { 52980, 'X' }, { 53689, 'Y' }, { 54481, 'Z' },
    };
    if (code < 45217 || code > 55289)
        return 0;
    int letter = 0;
    for (const auto& start : kStarts) {
        if (code >= start.from)
            letter = start.letter;
    }
    return letter;
}

QChar ChineseLetterHelper::GetFirstLetter(QChar c)
{
    if (c.unicode() < 128)
        return c;
    QTextCodec* codec = gb2312Codec();
    const QByteArray bytes = codec ? codec->fromUnicode(QString(c)) : QByteArray();
    int letter = 0;
    if (bytes.size() == 2)
        letter = Convert(static_cast<unsigned char>(bytes.at(0)) * 256 + static_cast<unsigned char>(bytes.at(1)));
    if (letter == 0) {
        logDebug(lcEditor) << "unknown word";
        return QChar();
    }
    return QChar(letter);
}

QString ChineseLetterHelper::GetFirstLetters(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        const QChar letter = GetFirstLetter(c);
        if (!letter.isNull())
            result += letter;
    }
    return result;
}

QString ChineseLetterHelper::GetFirstLettersAll(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        const int code = gbCode(c);
        if (code <= 0)
            continue;
        const QString syllable = GetPinyin(code);
        if (!syllable.isEmpty())
            result += syllable.at(0);
    }
    return result;
}
