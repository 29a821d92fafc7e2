#ifndef SENSITIVEWORDS_H
#define SENSITIVEWORDS_H

#include <QString>
#include <QStringList>

// The sensitive-word list: the built-in words, the user's own words and the
// pattern built from them by strictness level. The pattern is a
// "|"-separated list that is also a valid regular-expression alternation:
// every word is taken literally (regular-expression characters escaped, a "|"
// inside a user's word separates two words), so no word can make the pattern
// invalid or let it match empty text.
class SensitiveWords
{
public:
    enum Level { Light = 0, CustomOnly = 1, Heavy = 2 };

    // The built-in list, words separated by "|".
    static QString builtInList();
    // The second built-in list that heavy filtering adds (empty).
    static QString heavyList();

    // The user's words from the text of the word box: one per line (a
    // carriage return or a line feed ends a line), trimmed, blanks dropped,
    // repeats dropped keeping the first.
    static QStringList userWordsFromText(const QString& text);

    // The pattern for a level from the user's stored words; an unknown level
    // gives the empty pattern.
    static QString buildPattern(int level, const QStringList& userWords);

    // A word as a literal piece of a regular expression.
    static QString escapeWord(const QString& word);
};

#endif
