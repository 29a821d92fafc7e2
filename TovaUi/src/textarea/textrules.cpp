#include "textrules.h"

namespace {
TextRules::TitleTest chapterTitleTest = nullptr;
TextRules::TitleTest countedTitleTest = nullptr;
} // namespace

void TextRules::install(TitleTest chapterTitle, TitleTest countedTitle)
{
    chapterTitleTest = chapterTitle;
    countedTitleTest = countedTitle;
}

bool TextRules::isChapterTitle(const QString& line, const QStringList& patterns)
{
    return chapterTitleTest && chapterTitleTest(line, patterns);
}

bool TextRules::isCountedTitle(const QString& line, const QStringList& patterns)
{
    return countedTitleTest && countedTitleTest(line, patterns);
}
