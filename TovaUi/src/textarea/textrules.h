#ifndef TEXTRULES_H
#define TEXTRULES_H

#include <QString>
#include <QStringList>

// The application's writing rules that the editor applies without owning
// them. The component library includes nothing of the application: the
// application installs its rules once at start-up. Until then no line is a
// chapter title.
class TextRules
{
public:
    // Whether a line is a chapter title by the chapter patterns.
    using TitleTest = bool (*)(const QString& line, const QStringList& patterns);

    // chapterTitle judges the whole trimmed line (Enter's automatic chapter
    // names leave a title alone); countedTitle is the counting rules' view
    // of a line, which looks at its first characters only (the highlighter
    // colours the lines counted as titles).
    static void install(TitleTest chapterTitle, TitleTest countedTitle);

    static bool isChapterTitle(const QString& line, const QStringList& patterns);
    static bool isCountedTitle(const QString& line, const QStringList& patterns);
};

#endif
