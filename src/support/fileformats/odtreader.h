#ifndef ODTREADER_H
#define ODTREADER_H

#include "formatreader.h"

#include <QHash>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QXmlStreamReader>

// Reads OpenDocument text, as a ZIP package or a flat XML file, with a
// small subset of paragraph and text properties.
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
        QStringList children;
    };

    void readDocument();
    void readStyleGroup();
    void readStyle();
    void readParagraphProperties(QTextBlockFormat& format);
    void readTextProperties(QTextCharFormat& format);
    void readBody();
    void readBodyText();
    void readParagraph();

    QXmlStreamReader m_xml;
    QHash<QString, Style> m_paragraphStyles;
    QHash<QString, Style> m_textStyles;
    bool m_inBlock = false;
};

#endif
