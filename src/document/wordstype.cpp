#include "wordstype.h"

void wordsType::add(const wordsType& other)
{
    Letters += other.Letters;
    Numbers += other.Numbers;
    FullWidthSpace += other.FullWidthSpace;
    HalfWidthSpace += other.HalfWidthSpace;
    Chars += other.Chars;
    Words += other.Words;
    Paragraphs += other.Paragraphs;
    BC += other.BC;
    if (!other.title.isEmpty())
        title = other.title;
}

void wordsType::subtract(const wordsType& other)
{
    Letters -= other.Letters;
    Numbers -= other.Numbers;
    FullWidthSpace -= other.FullWidthSpace;
    HalfWidthSpace -= other.HalfWidthSpace;
    Chars -= other.Chars;
    Words -= other.Words;
    Paragraphs -= other.Paragraphs;
    BC -= other.BC;
}

bool wordsType::sameCounts(const wordsType& other) const
{
    return Letters == other.Letters && Numbers == other.Numbers && FullWidthSpace == other.FullWidthSpace
        && HalfWidthSpace == other.HalfWidthSpace && Chars == other.Chars && Words == other.Words
        && Paragraphs == other.Paragraphs && BC == other.BC && title == other.title;
}
