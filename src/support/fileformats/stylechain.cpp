#include "stylechain.h"

#include <QStringList>

void StyleChain::define(const QString& name, const Formats& own, const QString& base)
{
    Definition definition;
    definition.own = own;
    if (base != name)
        definition.base = base;
    m_definitions.insert(name, definition);
    // Only this style is worked out again; those already worked out from
    // it keep their formats (see the header).
    m_resolved.remove(name);
}

StyleChain::Formats StyleChain::resolved(const QString& name)
{
    const auto known = m_resolved.constFind(name);
    if (known != m_resolved.constEnd())
        return *known;
    QStringList chain;
    QSet<QString> seen;
    Formats ground;
    QString current = name;
    for (;;) {
        const auto base = m_resolved.constFind(current);
        if (base != m_resolved.constEnd()) {
            ground = *base;
            break;
        }
        if (!m_definitions.contains(current) || seen.contains(current))
            break;
        seen.insert(current);
        chain.append(current);
        current = m_definitions.value(current).base;
        if (current.isEmpty())
            break;
    }
    for (int i = chain.size() - 1; i >= 0; --i) {
        Formats formats = m_definitions.value(chain.at(i)).own;
        QTextBlockFormat block = ground.blockFormat;
        block.merge(formats.blockFormat);
        QTextCharFormat chars = ground.charFormat;
        chars.merge(formats.charFormat);
        formats.blockFormat = block;
        formats.charFormat = chars;
        m_resolved.insert(chain.at(i), formats);
        ground = formats;
    }
    return m_resolved.value(name);
}
