#include "docxwriter.h"

#include "formatreader.h"
#include "xmltext.h"
#include "zippackage.h"

#include <private/qzipwriter_p.h>

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const char* const WordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

const char* const PackageRelationships =
    "<?xml version=\"1.0\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"pkgRId0\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>";

const char* const DocumentRelationships =
    "<?xml version=\"1.0\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"docRId0\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
    "</Relationships>";

const char* const ContentTypes =
    "<?xml version=\"1.0\"?>"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "</Types>";

QByteArray styleSheet()
{
    QByteArray result =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:style w:type=\"paragraph\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:pPr/><w:rPr><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr></w:style>";
    for (int level = 1; level <= 6; ++level) {
        const QByteArray n = QByteArray::number(level);
        result += "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + n + "\"><w:name w:val=\"Heading " + n
            + "\"/><w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\""
            + QByteArray::number(level - 1) + "\"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val=\""
            + QByteArray::number((10 - level) * 4) + "\"/><w:szCs w:val=\"" + QByteArray::number((10 - level) * 4)
            + "\"/></w:rPr></w:style>";
    }
    result += "</w:styles>";
    return result;
}

}

DocxWriter::DocxWriter() = default;

bool DocxWriter::write(QIODevice* device, const QTextDocument* document)
{
    if (!device || !document)
        return false;
    return ZipPackage::writePackage(device, [&](QZipWriter& zip) {
        zip.addFile(QStringLiteral("_rels/.rels"), QByteArray(PackageRelationships));
        zip.addFile(QStringLiteral("word/_rels/document.xml.rels"), QByteArray(DocumentRelationships));
        zip.addFile(QStringLiteral("word/document.xml"), writeDocument(document));
        zip.addFile(QStringLiteral("word/styles.xml"), styleSheet());
        zip.addFile(QStringLiteral("[Content_Types].xml"), QByteArray(ContentTypes));
    });
}

QByteArray DocxWriter::writeDocument(const QTextDocument* document)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    m_xml.setDevice(&buffer);
    m_xml.setCodec("UTF-8");
    m_xml.setAutoFormatting(false);
    m_xml.writeNamespace(QLatin1String(WordNamespace), QStringLiteral("w"));
    m_xml.writeStartDocument(QStringLiteral("1.0"), true);
    m_xml.writeStartElement(QLatin1String(WordNamespace), QStringLiteral("document"));
    m_xml.writeStartElement(QLatin1String(WordNamespace), QStringLiteral("body"));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        writeParagraph(block);
    m_xml.writeEndElement();
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
    m_xml.setDevice(nullptr);
    return data;
}

void DocxWriter::writeParagraph(const QTextBlock& block)
{
    const QString w = QLatin1String(WordNamespace);
    m_xml.writeStartElement(w, QStringLiteral("p"));
    writeParagraphProperties(block.blockFormat(), block.charFormat());
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        m_xml.writeStartElement(w, QStringLiteral("r"));
        writeRunProperties(fragment.charFormat());
        writeText(fragment.text());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void DocxWriter::writeText(const QString& text)
{
    const QString w = QLatin1String(WordNamespace);
    const QString clean = XmlText::clean(text);
    int start = 0;
    auto flush = [&](int end) {
        if (end > start) {
            m_xml.writeStartElement(w, QStringLiteral("t"));
            m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            m_xml.writeCharacters(clean.mid(start, end - start));
            m_xml.writeEndElement();
        }
    };
    for (int i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        if (c == QChar(0x0009) || c == QChar(0x2028)) {
            flush(i);
            m_xml.writeEmptyElement(w, c == QChar(0x0009) ? QStringLiteral("tab") : QStringLiteral("br"));
            start = i + 1;
        }
    }
    flush(clean.size());
}

void DocxWriter::writeParagraphProperties(const QTextBlockFormat& format, const QTextCharFormat& mark)
{
    const QString w = QLatin1String(WordNamespace);
    bool open = false;
    auto property = [&](const QString& name, const QString& attribute, const QString& value) {
        if (!open) {
            m_xml.writeStartElement(w, QStringLiteral("pPr"));
            open = true;
        }
        m_xml.writeStartElement(w, name);
        m_xml.writeAttribute(w, attribute, value);
        m_xml.writeEndElement();
    };

    const int level = FormatHeading::level(format);
    if (level != 0)
        property(QStringLiteral("pStyle"), QStringLiteral("val"), QStringLiteral("Heading") + QString::number(level));

    const bool rtl = format.layoutDirection() == Qt::RightToLeft;
    if (rtl)
        property(QStringLiteral("bidi"), QStringLiteral("val"), QStringLiteral("1"));
    // In a right-to-left paragraph word processors read "left" (or "start")
    // as its start, the right edge, and "right" (or "end") as the left edge.
    const QString end = m_strict ? QStringLiteral("end") : QStringLiteral("right");
    const QString start = m_strict ? QStringLiteral("start") : QStringLiteral("left");
    QString jc;
    switch (FormatAlignment::edge(format)) {
    case FormatAlignment::LeftEdge:
        jc = rtl ? end : QString();
        break;
    case FormatAlignment::RightEdge:
        jc = rtl ? start : end;
        break;
    case FormatAlignment::Centre:
        jc = QStringLiteral("center");
        break;
    case FormatAlignment::Justify:
        jc = QStringLiteral("both");
        break;
    }
    if (!jc.isEmpty())
        property(QStringLiteral("jc"), QStringLiteral("val"), jc);

    if (format.indent() > 0) {
        const QString attribute = m_strict ? QStringLiteral("start") : (rtl ? QStringLiteral("right") : QStringLiteral("left"));
        property(QStringLiteral("ind"), attribute, QString::number(format.indent() * 720));
    }

    writeRunProperties(mark, open ? nullptr : &open);
    if (open)
        m_xml.writeEndElement();
}

bool DocxWriter::writeRunProperties(const QTextCharFormat& format, bool* openParagraphProperties)
{
    const QString w = QLatin1String(WordNamespace);
    bool open = false;
    auto property = [&](const QString& name, const QString& value = QString()) {
        if (!open) {
            if (openParagraphProperties && !*openParagraphProperties) {
                m_xml.writeStartElement(w, QStringLiteral("pPr"));
                *openParagraphProperties = true;
            }
            m_xml.writeStartElement(w, QStringLiteral("rPr"));
            open = true;
        }
        m_xml.writeEmptyElement(w, name);
        if (!value.isEmpty())
            m_xml.writeAttribute(w, QStringLiteral("val"), value);
    };
    // "w:b" and "w:i" hold for Western and East Asian text, the "Cs" forms
    // for complex (right-to-left) text.
    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() == QFont::Bold) {
        property(QStringLiteral("b"));
        property(QStringLiteral("bCs"));
    }
    if (format.fontItalic()) {
        property(QStringLiteral("i"));
        property(QStringLiteral("iCs"));
    }
    if (format.fontUnderline())
        property(QStringLiteral("u"), QStringLiteral("single"));
    if (format.fontStrikeOut())
        property(QStringLiteral("strike"));
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        property(QStringLiteral("vertAlign"), QStringLiteral("superscript"));
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        property(QStringLiteral("vertAlign"), QStringLiteral("subscript"));
    if (open)
        m_xml.writeEndElement();
    return !open;
}
