#ifndef CHAPTERTYPE_H
#define CHAPTERTYPE_H

#include <QList>
#include <QMetaType>
#include <QString>

// One row of a chapter list: the title as the counting rules cut it ("" for
// the untitled part before the first title), the 0-based line of the title
// (0 for the untitled part) and the words of the chapter.
struct ChapterType
{
    QString displayText;
    int line = -1;
    int wordNumber = -1;

    bool operator==(const ChapterType& o) const
    {
        return displayText == o.displayText && line == o.line && wordNumber == o.wordNumber;
    }
};

Q_DECLARE_METATYPE(ChapterType)
Q_DECLARE_METATYPE(QList<ChapterType>)
Q_DECLARE_METATYPE(QList<ChapterType>*)

#endif
