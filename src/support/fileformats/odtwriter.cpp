#include "odtwriter.h"

#include "formatreader.h"
#include "xmltext.h"
#include "zippackage.h"

#include <private/qzipwriter_p.h>

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QVector>

namespace {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");

const char* const MimeType = "application/vnd.oasis.opendocument.text";

const char* const Manifest =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.2\">\n"
    " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>\n"
    " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
    " <manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>\n"
    "</manifest:manifest>\n";

struct FixedStyle {
    QString name;
    QString displayName;
    QString level;
    QString size;
    QString weight;
};

const QVector<FixedStyle>& fixedStyles()
{
    static const QVector<FixedStyle> styles = [] {
        QVector<FixedStyle> list;
        list.append({QStringLiteral("Normal"), QStringLiteral("Normal"), QString(), QStringLiteral("12pt"), QStringLiteral("normal")});
        for (int level = 1; level <= 6; ++level)
            list.append({QStringLiteral("Heading-%1").arg(level), QStringLiteral("Heading %1").arg(level),
                         QString::number(level), QStringLiteral("%1pt").arg((10 - level) * 2), QStringLiteral("bold")});
        return list;
    }();
    return styles;
}

}

OdtWriter::OdtWriter() = default;

bool OdtWriter::write(QIODevice* device, const QTextDocument* document)
{
    if (!device || !document)
        return false;
    return m_flat ? writeUncompressed(device, document) : writeCompressed(device, document);
}

void OdtWriter::startXml(QIODevice* device, bool withText)
{
    setDevice(device);
    setCodec("UTF-8");
    setAutoFormatting(true);
    setAutoFormattingIndent(1);
    writeNamespace(OfficeNs, QStringLiteral("office"));
    writeNamespace(StyleNs, QStringLiteral("style"));
    if (withText)
        writeNamespace(TextNs, QStringLiteral("text"));
    writeNamespace(FoNs, QStringLiteral("fo"));
    writeStartDocument(QStringLiteral("1.0"));
}

bool OdtWriter::writeCompressed(QIODevice* device, const QTextDocument* document)
{
    return ZipPackage::writePackage(device, [&](QZipWriter& zip) {
        // The mime type comes first and uncompressed, where readers look.
        zip.setCompressionPolicy(QZipWriter::NeverCompress);
        zip.addFile(QStringLiteral("mimetype"), QByteArray(MimeType));
        zip.setCompressionPolicy(QZipWriter::AlwaysCompress);
        zip.addFile(QStringLiteral("META-INF/manifest.xml"), QByteArray(Manifest));
        zip.addFile(QStringLiteral("content.xml"), writeDocument(document));
        zip.addFile(QStringLiteral("styles.xml"), writeStylesDocument(document));
    });
}

bool OdtWriter::writeUncompressed(QIODevice* device, const QTextDocument* document)
{
    startXml(device, true);
    writeStartElement(OfficeNs, QStringLiteral("document"));
    writeAttribute(OfficeNs, QStringLiteral("mimetype"), QLatin1String(MimeType));
    writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
    writeStyles(document);
    writeAutomaticStyles(document);
    writeBody(document);
    writeEndDocument();
    const bool ok = !hasError();
    setDevice(nullptr);
    return ok;
}

QByteArray OdtWriter::writeDocument(const QTextDocument* document)
{
    return writeMemberDocument(QStringLiteral("document-content"), true, [&] {
        writeAutomaticStyles(document);
        writeBody(document);
    });
}

QByteArray OdtWriter::writeStylesDocument(const QTextDocument* document)
{
    return writeMemberDocument(QStringLiteral("document-styles"), false, [&] { writeStyles(document); });
}

QByteArray OdtWriter::writeMemberDocument(const QString& root, bool withText, const std::function<void()>& content)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    startXml(&buffer, withText);
    writeStartElement(OfficeNs, root);
    writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
    content();
    writeEndDocument();
    setDevice(nullptr);
    return data;
}

void OdtWriter::writeStyles(const QTextDocument*)
{
    writeStartElement(OfficeNs, QStringLiteral("styles"));
    for (const FixedStyle& style : fixedStyles()) {
        writeStartElement(StyleNs, QStringLiteral("style"));
        writeAttribute(StyleNs, QStringLiteral("name"), style.name);
        writeAttribute(StyleNs, QStringLiteral("display-name"), style.displayName);
        writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
        if (!style.level.isEmpty()) {
            writeAttribute(StyleNs, QStringLiteral("parent-style-name"), QStringLiteral("Normal"));
            writeAttribute(StyleNs, QStringLiteral("next-style-name"), QStringLiteral("Normal"));
            writeAttribute(StyleNs, QStringLiteral("default-outline-level"), style.level);
        }
        // Sizes and weights hold for East Asian and complex text too, so
        // that Chinese and right-to-left headings show as headings.
        writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
        writeAttribute(FoNs, QStringLiteral("font-size"), style.size);
        writeAttribute(FoNs, QStringLiteral("font-weight"), style.weight);
        writeAttribute(StyleNs, QStringLiteral("font-size-asian"), style.size);
        writeAttribute(StyleNs, QStringLiteral("font-weight-asian"), style.weight);
        writeAttribute(StyleNs, QStringLiteral("font-size-complex"), style.size);
        writeAttribute(StyleNs, QStringLiteral("font-weight-complex"), style.weight);
        writeEndElement();
    }
    writeEndElement();
}

void OdtWriter::writeAutomaticStyles(const QTextDocument* document)
{
    writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
    const QVector<QTextFormat> formats = document->allFormats();
    QVector<int> paragraphFormats;
    QVector<int> textFormats;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int index = block.blockFormatIndex();
        if (!paragraphFormats.contains(index) && !m_styleNames.contains(index)) {
            const int level = FormatHeading::level(block.blockFormat());
            if (level != 0)
                m_styleNames.insert(index, QStringLiteral("Heading-") + QString::number(level));
            else
                paragraphFormats.append(index);
        }
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const int charIndex = fragment.charFormatIndex();
            if (!textFormats.contains(charIndex) && charIndex >= 0 && charIndex < formats.size()
                && !formats.at(charIndex).properties().isEmpty())
                textFormats.append(charIndex);
        }
    }

    int counter = 1;
    for (int index : textFormats) {
        const QString name = QStringLiteral("T") + QString::number(counter);
        if (writeTextStyle(formats.at(index).toCharFormat(), name)) {
            m_styleNames.insert(index, name);
            ++counter;
        }
    }
    counter = 1;
    for (int index : paragraphFormats) {
        const QString name = QStringLiteral("P") + QString::number(counter);
        const QTextBlockFormat format = index >= 0 && index < formats.size() ? formats.at(index).toBlockFormat() : QTextBlockFormat();
        if (writeParagraphStyle(format, name)) {
            m_styleNames.insert(index, name);
            ++counter;
        } else {
            m_styleNames.insert(index, QStringLiteral("Normal"));
        }
    }
    writeEndElement();
}

bool OdtWriter::writeParagraphStyle(const QTextBlockFormat& format, const QString& name)
{
    QXmlStreamAttributes attributes;
    const bool rtl = format.layoutDirection() == Qt::RightToLeft;
    if (rtl)
        attributes.append(StyleNs, QStringLiteral("writing-mode"), QStringLiteral("rl"));
    // The edge the paragraph lines up on, as "left" or "right" (a
    // left-to-right paragraph at the left edge needs nothing): LibreOffice
    // reads "start" and "end" as those edges too, whatever the direction.
    QString align;
    switch (FormatAlignment::edge(format)) {
    case FormatAlignment::LeftEdge:
        if (rtl)
            align = QStringLiteral("left");
        break;
    case FormatAlignment::RightEdge:
        align = QStringLiteral("right");
        break;
    case FormatAlignment::Centre:
        align = QStringLiteral("center");
        break;
    case FormatAlignment::Justify:
        align = QStringLiteral("justify");
        break;
    }
    if (!align.isEmpty())
        attributes.append(FoNs, QStringLiteral("text-align"), align);
    if (format.indent() > 0)
        attributes.append(FoNs, QStringLiteral("margin-left"), QString::number(format.indent() * 0.5, 'g', 6) + QStringLiteral("in"));
    if (attributes.isEmpty())
        return false;

    writeStartElement(StyleNs, QStringLiteral("style"));
    writeAttribute(StyleNs, QStringLiteral("name"), name);
    writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
    writeAttribute(StyleNs, QStringLiteral("parent-style-name"), QStringLiteral("Normal"));
    writeEmptyElement(StyleNs, QStringLiteral("paragraph-properties"));
    writeAttributes(attributes);
    writeEndElement();
    return true;
}

bool OdtWriter::writeTextStyle(const QTextCharFormat& format, const QString& name)
{
    QXmlStreamAttributes attributes;
    // Bold and italic hold for East Asian and complex text too.
    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() == QFont::Bold) {
        attributes.append(FoNs, QStringLiteral("font-weight"), QStringLiteral("bold"));
        attributes.append(StyleNs, QStringLiteral("font-weight-asian"), QStringLiteral("bold"));
        attributes.append(StyleNs, QStringLiteral("font-weight-complex"), QStringLiteral("bold"));
    }
    if (format.fontItalic()) {
        attributes.append(FoNs, QStringLiteral("font-style"), QStringLiteral("italic"));
        attributes.append(StyleNs, QStringLiteral("font-style-asian"), QStringLiteral("italic"));
        attributes.append(StyleNs, QStringLiteral("font-style-complex"), QStringLiteral("italic"));
    }
    if (format.fontUnderline()) {
        attributes.append(StyleNs, QStringLiteral("text-underline-type"), QStringLiteral("single"));
        attributes.append(StyleNs, QStringLiteral("text-underline-style"), QStringLiteral("solid"));
    }
    if (format.fontStrikeOut())
        attributes.append(StyleNs, QStringLiteral("text-line-through-type"), QStringLiteral("single"));
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        attributes.append(StyleNs, QStringLiteral("text-position"), QStringLiteral("super"));
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        attributes.append(StyleNs, QStringLiteral("text-position"), QStringLiteral("sub"));
    if (attributes.isEmpty())
        return false;

    writeStartElement(StyleNs, QStringLiteral("style"));
    writeAttribute(StyleNs, QStringLiteral("name"), name);
    writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("text"));
    writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
    writeAttributes(attributes);
    writeEndElement();
    return true;
}

void OdtWriter::writeBody(const QTextDocument* document)
{
    writeStartElement(OfficeNs, QStringLiteral("body"));
    writeStartElement(OfficeNs, QStringLiteral("text"));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = FormatHeading::level(block.blockFormat());
        if (level != 0) {
            writeStartElement(TextNs, QStringLiteral("h"));
            writeAttribute(TextNs, QStringLiteral("outline-level"), QString::number(level));
        } else {
            writeStartElement(TextNs, QStringLiteral("p"));
        }
        writeAttribute(TextNs, QStringLiteral("style-name"), m_styleNames.value(block.blockFormatIndex(), QStringLiteral("Normal")));
        setAutoFormatting(false);
        m_afterText = false;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const auto name = m_styleNames.constFind(fragment.charFormatIndex());
            const bool span = name != m_styleNames.constEnd();
            if (span) {
                writeStartElement(TextNs, QStringLiteral("span"));
                writeAttribute(TextNs, QStringLiteral("style-name"), *name);
            }
            writeFragmentText(fragment.text());
            if (span)
                writeEndElement();
        }
        writeEndElement();
        setAutoFormatting(true);
    }
    writeEndElement();
    writeEndElement();
}

// ODF readers drop a space at the start of a paragraph and after another
// space, a tab, a line break or a space element. So a space is written as a
// character only right after a character of text; every other space, and
// the rest of a run, goes into a "text:s". Tabs and line separators become
// their own elements, NUL characters nothing.
void OdtWriter::writeFragmentText(const QString& rawText)
{
    const QString text = XmlText::clean(rawText);
    int start = 0;
    auto characters = [&](int end) {
        if (end > start)
            writeCharacters(text.mid(start, end - start));
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QChar(0x0009) || c == QChar(0x2028)) {
            characters(i);
            writeEmptyElement(TextNs, c == QChar(0x0009) ? QStringLiteral("tab") : QStringLiteral("line-break"));
            start = i + 1;
            m_afterText = false;
        } else if (c == QLatin1Char(' ')) {
            int end = i;
            while (end < text.size() && text.at(end) == QLatin1Char(' '))
                ++end;
            characters(m_afterText ? i + 1 : i);
            const int rest = end - i - (m_afterText ? 1 : 0);
            if (rest > 0) {
                writeEmptyElement(TextNs, QStringLiteral("s"));
                writeAttribute(TextNs, QStringLiteral("c"), QString::number(rest));
            }
            start = end;
            i = end - 1;
            m_afterText = false;
        } else {
            m_afterText = true;
        }
    }
    characters(text.size());
}
