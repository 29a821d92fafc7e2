#ifndef STYLECHAIN_H
#define STYLECHAIN_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

// The named styles of a document, each with its own formats and the name of
// the style it is based on. A style is worked out when it is used: its
// base's formats (down the whole chain) are the ground and its own values
// win. Each style is worked out once and kept, walking the chain without
// recursion, so chains of any length defined in any order cost linear time;
// a chain that comes back on itself stops where it repeats, and unknown
// names are empty styles.
// Documents define their styles before their text. A definition read after
// styles were worked out (only a hostile file interleaves them) replaces
// that one style; styles already worked out from it keep their formats, so
// a redefinition costs one entry, never a walk of every chain again.
class StyleChain
{
public:
    struct Formats {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };

    // A new definition replaces an earlier one of the same name; an empty
    // base (or the style's own name) means none.
    void define(const QString& name, const Formats& own, const QString& base);
    bool contains(const QString& name) const { return m_definitions.contains(name); }
    Formats resolved(const QString& name);

private:
    struct Definition {
        Formats own;
        QString base;
    };

    QHash<QString, Definition> m_definitions;
    QHash<QString, Formats> m_resolved;
};

#endif
