#ifndef SENSITIVEPATTERN_H
#define SENSITIVEPATTERN_H

#include <QString>

// A sensitive-word pattern as the highlighter matches it: a "|"-separated
// list of words, each taken literally (its regular-expression characters
// escaped with a backslash), which is also a valid alternation.
class SensitivePattern
{
public:
    // Whether a character has a meaning in a regular expression and so is
    // escaped in a word.
    static bool isSpecial(QChar c);

    // The same alternation with its words grouped by their first character
    // ("赌博|毒品|赌场" gives "赌(?:博|场)|毒品"): it matches the same text at
    // the same places, but tries one group at each place instead of every
    // word. A pattern that is not a list of escaped words comes back as it
    // is.
    static QString groupedByFirstCharacter(const QString& pattern);
};

#endif
