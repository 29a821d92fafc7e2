#include "sensitivepattern.h"

#include <QHash>
#include <QStringList>

bool SensitivePattern::isSpecial(QChar c)
{
    // "|" is not among them: the words are split at it before escaping.
    static const QString special = QStringLiteral("\\^$.?*+()[]{}");
    return special.contains(c);
}

QString SensitivePattern::groupedByFirstCharacter(const QString& pattern)
{
    // At any place only the words starting with the character there can
    // match, and of those the first in the list wins. Grouping keeps that
    // order within each group, so the first match is the same word.
    QStringList heads;
    QHash<QString, QStringList> tails;
    const QStringList words = pattern.split(QLatin1Char('|'));
    for (const QString& word : words) {
        // The first character: an escaped special, a surrogate pair or one
        // code unit; the rest must be literal too.
        int at = 0;
        int headLength = 0;
        while (at < word.size()) {
            int length = 1;
            if (word.at(at) == QLatin1Char('\\')) {
                if (at + 1 >= word.size() || !isSpecial(word.at(at + 1)))
                    return pattern;
                length = 2;
            } else if (isSpecial(word.at(at))) {
                return pattern;
            } else if (word.at(at).isHighSurrogate() && at + 1 < word.size() && word.at(at + 1).isLowSurrogate()) {
                length = 2;
            }
            if (at == 0)
                headLength = length;
            at += length;
        }
        if (headLength == 0)
            return pattern; // an empty word matches everywhere
        const QString head = word.left(headLength);
        if (!tails.contains(head))
            heads.append(head);
        tails[head].append(word.mid(headLength));
    }
    QStringList groups;
    groups.reserve(heads.size());
    for (const QString& head : heads) {
        const QStringList& rest = tails.value(head);
        if (rest.size() == 1)
            groups.append(head + rest.first());
        else
            groups.append(head + QStringLiteral("(?:") + rest.join(QLatin1Char('|')) + QLatin1Char(')'));
    }
    return groups.join(QLatin1Char('|'));
}
