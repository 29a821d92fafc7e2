#ifndef ODTREADER_H
#define ODTREADER_H

#include "boundedxmlreader.h"
#include "formatreader.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

// Reads OpenDocument text, as a ZIP package or a flat XML file, with a
// small subset of paragraph and text properties. Paragraphs and headings in
// lists and table cells come in as paragraphs of their own.
class OdtReader : public FormatReader
{
public:
    OdtReader();

    static bool canRead(QIODevice* device);
    int type() const override;
    void readData(QIODevice* device) override;

private:
    struct Style {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };
    // A style as defined: its own values and its parent's name.
    struct StyleDefinition {
        Style own;
        QString parent;
        bool hasParent = false;
    };
    // One family of styles; a style is worked out with its parents' formats
    // when it is used, once, so parents may be defined in any order.
    struct StyleTable {
        QHash<QString, StyleDefinition> definitions;
        QHash<QString, Style> resolved;
        QSet<QString> parents;
        void define(const QString& name, const StyleDefinition& definition);
        Style style(const QString& name);
    };

    void readDocument();
    void readStyleGroup();
    void readStyle();
    void readParagraphProperties(QTextBlockFormat& format);
    void readTextProperties(QTextCharFormat& format);
    void readBody();
    void readBodyText();
    void readParagraph();

    BoundedXmlReader m_xml;
    StyleTable m_paragraphStyles;
    StyleTable m_textStyles;
    bool m_inBlock = false;
};

#endif
