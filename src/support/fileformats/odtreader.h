#ifndef ODTREADER_H
#define ODTREADER_H

#include "boundedxmlreader.h"
#include "formatreader.h"
#include "stylechain.h"

#include <QHash>
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
    using Style = StyleChain::Formats;

    void readDocument();
    void readStyleGroup();
    void readStyle();
    void readParagraphProperties(QTextBlockFormat& format);
    void readTextProperties(QTextCharFormat& format);
    void readBody();
    void readBodyText();
    void readParagraph();

    BoundedXmlReader m_xml;
    StyleChain m_paragraphStyles;
    StyleChain m_textStyles;
    bool m_inBlock = false;
};

#endif
