#ifndef CHINESELETTERHELPER_H
#define CHINESELETTERHELPER_H

#include <QChar>
#include <QString>

// Pinyin of Chinese text by way of each character's GB2312 zone-position
// code (zone x 100 + position): upper-case syllables without tone marks.
// The table is generated from the Unihan readings (tools/pinyin).
class ChineseLetterHelper
{
public:
    ChineseLetterHelper() = default;

    // The syllables of the text's GB2312 characters, run together; every other
    // character contributes nothing. A single space when no GB2312 codec exists.
    static QString GetPinyins(const QString& text);
    // The syllable of one zone-position code (1601..8794), or an empty text.
    static QString GetPinyin(int code);

    static bool In(wchar_t low, wchar_t high, wchar_t value);
    // Upper-case initial of a first-level character given as its 16-bit GB2312
    // code (first byte x 256 + second byte); ASCII codes come back unchanged,
    // anything else gives 0.
    static int Convert(int code);
    static QChar GetFirstLetter(QChar c);
    static QString GetFirstLetters(const QString& text);
    // First letter of each Chinese character's syllable, second level included.
    static QString GetFirstLettersAll(const QString& text);

private:
    // Zone-position code of a character, or -1 without a GB2312 double-byte form.
    static int gbCode(QChar c);
};

#endif
