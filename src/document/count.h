#ifndef COUNT_H
#define COUNT_H

#include "document/wordstype.h"

#include <QList>
#include <QString>
#include <QStringList>

// The counting rules: what a word, a number, a punctuation run and a
// paragraph are, and whether a line is a chapter title. Stateless and
// reentrant: counting threads and the GUI thread call it at the same time.
class count
{
public:
    // Counts one text (in practice one line). With dialogue on, the text up
    // to the first colon is left out (see the .cpp for the exact rule).
    static wordsType countString(const QString& text, bool dialogue, const QList<QString>& patterns);
    // Whether the trimmed text is a chapter title by patterns with one "*"
    // placeholder (or none).
    static bool isChapterTitle(const QString& text, const QList<QString>& patterns);
    static bool isVolumeTitle(const QString& text);
    // The configured title patterns, or the default list when none are set.
    static QStringList chapterPatterns();
};

#endif
