#ifndef DOCXREADER_H
#define DOCXREADER_H

#include "boundedxmlreader.h"
#include "formatreader.h"
#include "stylechain.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>

// Reads the text of an Office Open XML word-processing package
// ("word/styles.xml" and "word/document.xml") with a small subset of
// paragraph and character properties. Paragraphs in tables, content
// controls and the like come in as paragraphs of their own; text in
// hyperlinks, fields and tracked insertions is kept.
class DocxReader : public FormatReader
{
public:
    DocxReader();

    static bool canRead(QIODevice* device);
    int type() const override;
    void readData(QIODevice* device) override;

private:
    enum StyleType { ParagraphStyle, CharacterStyle };
    struct Style {
        StyleType type = ParagraphStyle;
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
    };

    void readContent();
    void readStyles();
    void readStyle();
    void readDocument();
    void readBlocks();
    void readParagraph();
    void readParagraphContent();
    void readRun();
    void readText();
    void readParagraphProperties(Style& style, bool allowStyles);
    void readRunProperties(Style& style, bool allowStyles);
    void applyStyle(Style& target, const QString& id);
    bool startBlock();
    bool insertRunText(const QString& text);
    bool readBool() const;
    QString value() const;

    BoundedXmlReader m_xml;
    StyleChain m_styles;
    QHash<QString, StyleType> m_styleTypes;
    QVector<Style> m_styleStack;
    Style m_current;
    bool m_inBlock = false;
    bool m_blockStarted = false;
    // A page break inside a paragraph: it becomes a line separator only
    // when text follows it in the same paragraph.
    bool m_paragraphHasText = false;
    bool m_pendingBreak = false;
    QHash<int, QString> m_defaultStyles;
};

#endif
