#ifndef RECOUNT_H
#define RECOUNT_H

// A document's counts and chapter list worked out from scratch, to compare
// the live figures with (tests and the counting benchmark).

#include "chapter/chaptertype.h"
#include "document/count.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

inline QStringList documentLines(const QTextDocument& doc)
{
    QStringList lines;
    lines.reserve(doc.blockCount());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines.append(b.text());
    return lines;
}

// One row per title line, and an untitled first row when line 0 is no
// title; `total` receives the sum of every line's record.
inline QList<ChapterType> recountChapters(const QStringList& lines, const QStringList& patterns,
                                          wordsType* total = nullptr)
{
    QList<ChapterType> rows;
    for (int i = 0; i < lines.size(); ++i) {
        const wordsType rec = count::countString(lines.at(i), false, patterns);
        if (total)
            total->add(rec);
        if (rec.hasTitle())
            rows.append({ rec.title, i, rec.all() });
        else if (rows.isEmpty())
            rows.append({ QString(), 0, rec.all() });
        else
            rows.last().wordNumber += rec.all();
    }
    return rows;
}

#endif
