#ifndef DOCXWRITER_H
#define DOCXWRITER_H

#include <QXmlStreamWriter>

class QIODevice;
class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a QTextDocument as a minimal Office Open XML word-processing
// package: paragraphs, heading levels, alignment, direction, indent and
// bold, italic, underline, strike-out, superscript and subscript.
class DocxWriter
{
public:
    DocxWriter();

    bool write(QIODevice* device, const QTextDocument* document);
    void setStrict(bool strict) { m_strict = strict; }

private:
    QByteArray writeDocument(const QTextDocument* document);
    void writeParagraph(const QTextBlock& block);
    void writeParagraphProperties(const QTextBlockFormat& block, const QTextCharFormat& mark);
    // Writes the run properties; returns true when nothing was written.
    bool writeRunProperties(const QTextCharFormat& format, bool* openParagraphProperties = nullptr);
    void writeText(const QString& text);

    QXmlStreamWriter m_xml;
    bool m_strict = false;
};

#endif
