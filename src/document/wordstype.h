#ifndef WORDSTYPE_H
#define WORDSTYPE_H

#include <QList>
#include <QMetaType>
#include <QString>

// The count record of one line or text. All = Chars + Letters + Words +
// Numbers is the word count used everywhere; NoBc and NoSpace both leave the
// punctuation runs out.
struct wordsType
{
    int line = -1;
    int Letters = 0;
    int Numbers = 0;
    int FullWidthSpace = 0;
    int HalfWidthSpace = 0;
    int Chars = 0;
    int Words = 0;
    int Paragraphs = 0;
    int BC = 0;
    QString title;
    // On a title record: the words of the chapter that this title closes.
    int chapterFront = -1;

    int all() const { return Chars + Letters + Words + Numbers; }
    int noBc() const { return all() - BC; }
    int noSpace() const { return all() - BC; }
    bool hasTitle() const { return !title.isEmpty(); }

    // Field-wise sum of the eight counters; a non-empty title replaces ours.
    void add(const wordsType& other);
    // Takes the eight counters of a record away again (the title stays).
    void subtract(const wordsType& other);
    // The eight counters and the title are equal (line and front ignored).
    bool sameCounts(const wordsType& other) const;
};

Q_DECLARE_METATYPE(wordsType)
Q_DECLARE_METATYPE(QList<wordsType>)

#endif
