#include "odtreader.h"

#include "zippackage.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextDocument>
#include <QVector>

namespace {

// A "text:s" may name any count; more spaces than this in one element are
// not inserted, so a crafted file cannot exhaust memory.
const int MaxSpaces = 65536;

QString attribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toString();
}

}

OdtReader::OdtReader()
{
    m_xml.setNamespaceProcessing(false);
}

bool OdtReader::canRead(QIODevice* device)
{
    if (!device)
        return false;
    const QByteArray head = device->peek(77);
    if (ZipPackage::canRead(device) && head.size() == 77
        && head.mid(30) == "mimetypeapplication/vnd.oasis.opendocument.text")
        return true;
    const QByteArray trimmed = head.trimmed();
    if (!trimmed.startsWith("<?xml"))
        return false;
    const int end = trimmed.indexOf("?>");
    if (end < 0)
        return false;
    const int open = trimmed.indexOf('<', end + 2);
    return open >= 0 && trimmed.mid(open).startsWith("<office:document");
}

int OdtReader::type() const
{
    return 3;
}

void OdtReader::readData(QIODevice* device)
{
    m_inBlock = m_cursor.document() && m_cursor.document()->blockCount() > 0;
    if (ZipPackage::canRead(device)) {
        m_error = ZipPackage::readMembers(device, {QStringLiteral("styles.xml"), QStringLiteral("content.xml")},
                                          QCoreApplication::translate("OdtReader", "Unable to open archive."),
                                          [this](const QByteArray& data) {
                                              m_xml.addData(data);
                                              readDocument();
                                              const QString error = m_xml.hasError() ? m_xml.errorString() : QString();
                                              m_xml.clear();
                                              return error;
                                          });
    } else {
        m_xml.setDevice(device);
        readDocument();
        if (m_xml.hasError())
            m_error = m_xml.errorString();
        m_xml.setDevice(nullptr);
    }
    QCoreApplication::processEvents();
}

void OdtReader::readDocument()
{
    if (!m_xml.readNextStartElement())
        return;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("office:styles") || name == QLatin1String("office:automatic-styles"))
            readStyleGroup();
        else if (name == QLatin1String("office:body"))
            readBody();
        else
            m_xml.skipCurrentElement();
    }
}

void OdtReader::readStyleGroup()
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("style:style"))
            readStyle();
        else
            m_xml.skipCurrentElement();
    }
}

void OdtReader::readStyle()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QString name = attribute(attributes, "style:name");
    const QString family = attribute(attributes, "style:family");
    QHash<QString, Style>* table = nullptr;
    if (family == QLatin1String("paragraph"))
        table = &m_paragraphStyles;
    else if (family == QLatin1String("text"))
        table = &m_textStyles;
    if (!table) {
        m_xml.skipCurrentElement();
        return;
    }

    // A new definition replaces an earlier one of the same name; only the
    // list of styles based on it is kept.
    Style style;
    if (attributes.hasAttribute(QLatin1String("style:parent-style-name"))) {
        const QString parentName = attribute(attributes, "style:parent-style-name");
        Style& parent = (*table)[parentName];
        style.blockFormat = parent.blockFormat;
        style.charFormat = parent.charFormat;
        if (parentName != name && !parent.children.contains(name))
            parent.children.append(name);
    }
    const int level = FormatHeading::levelFromStyleName(name);
    if (level > 0)
        FormatHeading::setLevel(style.blockFormat, level);

    while (m_xml.readNextStartElement()) {
        const QStringRef element = m_xml.qualifiedName();
        if (element == QLatin1String("style:paragraph-properties"))
            readParagraphProperties(style.blockFormat);
        else if (element == QLatin1String("style:text-properties"))
            readTextProperties(style.charFormat);
        m_xml.skipCurrentElement();
    }

    // Keep the children learnt so far (also from parents named earlier).
    style.children = (*table)[name].children;
    (*table)[name] = style;
    for (const QString& childName : style.children) {
        if (childName == name)
            continue;
        Style& child = (*table)[childName];
        inherit(child.blockFormat, child.charFormat, style.blockFormat, style.charFormat);
    }
}

void OdtReader::readParagraphProperties(QTextBlockFormat& format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QString align = attribute(attributes, "fo:text-align");
    if (align == QLatin1String("start"))
        format.setAlignment(Qt::AlignLeft);
    else if (align == QLatin1String("end"))
        format.setAlignment(Qt::AlignRight);
    else if (align == QLatin1String("left"))
        format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (align == QLatin1String("right"))
        format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    else if (align == QLatin1String("center"))
        format.setAlignment(Qt::AlignHCenter);
    else if (align == QLatin1String("justify"))
        format.setAlignment(Qt::AlignJustify);

    const QString mode = attribute(attributes, "style:writing-mode");
    if (mode == QLatin1String("rl-tb") || mode == QLatin1String("rl"))
        format.setLayoutDirection(Qt::RightToLeft);
    else if (mode == QLatin1String("lr-tb") || mode == QLatin1String("lr"))
        format.setLayoutDirection(Qt::LeftToRight);

    const QString margin = attribute(attributes, "fo:margin-left");
    if (!margin.isEmpty()) {
        const QString unit = margin.right(2);
        const double number = margin.left(margin.size() - 2).toDouble();
        double steps = 0;
        if (unit == QLatin1String("in"))
            steps = number * 2;
        else if (unit == QLatin1String("cm"))
            steps = number / 1.27;
        else if (unit == QLatin1String("mm"))
            steps = number / 12.7;
        else if (unit == QLatin1String("pt"))
            steps = number / 36;
        else if (unit == QLatin1String("pc"))
            steps = number / 3;
        else if (unit == QLatin1String("px"))
            steps = number / 48;
        // Bounded before rounding: a huge margin must not overflow an int.
        format.setIndent(qRound(qBound(0.0, steps, 1000.0)));
    }

    const QString outline = attribute(attributes, "style:default-outline-level");
    if (!outline.isEmpty())
        FormatHeading::setLevel(format, qBound(1, outline.toInt(), 6));
}

void OdtReader::readTextProperties(QTextCharFormat& format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    if (attribute(attributes, "fo:font-weight") == QLatin1String("bold"))
        format.setFontWeight(QFont::Bold);
    const QString style = attribute(attributes, "fo:font-style");
    if (!style.isEmpty())
        format.setFontItalic(style != QLatin1String("normal"));
    const QString underline = attribute(attributes, "style:text-underline-style");
    if (!underline.isEmpty())
        format.setFontUnderline(underline != QLatin1String("none"));
    const QString strike = attribute(attributes, "style:text-line-through-type");
    if (!strike.isEmpty())
        format.setFontStrikeOut(strike != QLatin1String("none"));
    const QString position = attribute(attributes, "style:text-position");
    if (position == QLatin1String("super")) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (position == QLatin1String("sub")) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    } else if (!position.isEmpty()) {
        QString word = position.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        word.chop(1);
        const int value = word.toInt();
        if (value > 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (value < 0)
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
}

void OdtReader::readBody()
{
    m_cursor.beginEditBlock();
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("office:text"))
            readBodyText();
        else
            m_xml.skipCurrentElement();
    }
    m_cursor.endEditBlock();
}

// Paragraphs of "office:text" and of sections inside it, at any depth;
// followed without recursion so deep nesting cannot exhaust the stack.
void OdtReader::readBodyText()
{
    int depth = 1;
    while (depth > 0 && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = m_xml.qualifiedName();
            if (name == QLatin1String("text:p") || name == QLatin1String("text:h"))
                readParagraph();
            else if (name == QLatin1String("text:section"))
                ++depth;
            else
                m_xml.skipCurrentElement();
        }
    }
}

void OdtReader::readParagraph()
{
    const bool heading = m_xml.qualifiedName() == QLatin1String("text:h");
    const QXmlStreamAttributes attributes = m_xml.attributes();
    QTextBlockFormat blockFormat;
    QTextCharFormat charFormat;
    if (attributes.hasAttribute(QLatin1String("text:style-name"))) {
        const Style& style = m_paragraphStyles[attribute(attributes, "text:style-name")];
        blockFormat = style.blockFormat;
        charFormat = style.charFormat;
    }

    const int styleLevel = FormatHeading::level(blockFormat);
    int level = 0;
    if (heading) {
        const QString outline = attribute(attributes, "text:outline-level");
        level = outline.isEmpty() ? qBound(1, styleLevel, 6) : qBound(1, outline.toInt(), 6);
    } else if (styleLevel >= 1) {
        level = qMin(styleLevel, 6);
    }
    if (level > 0) {
        FormatHeading::setLevel(blockFormat, level);
        charFormat = QTextCharFormat();
    }

    if (m_inBlock) {
        m_cursor.mergeBlockFormat(blockFormat);
        m_cursor.mergeBlockCharFormat(charFormat);
    } else {
        m_cursor.insertBlock(blockFormat, charFormat);
        m_inBlock = true;
    }

    // Paragraph content; spans nest, so the formats in force are kept on a
    // stack (one entry per open element; spans restore theirs on close).
    struct Open {
        bool span;
        QTextCharFormat saved;
    };
    QVector<Open> open;
    QTextCharFormat current = charFormat;
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            m_cursor.insertText(m_xml.text().toString(), current);
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = m_xml.qualifiedName();
            const QXmlStreamAttributes element = m_xml.attributes();
            if (name == QLatin1String("text:span")) {
                open.append({true, current});
                if (element.hasAttribute(QLatin1String("text:style-name")))
                    current.merge(m_textStyles[attribute(element, "text:style-name")].charFormat);
                if (element.hasAttribute(QLatin1String("text:class-names"))) {
                    const QStringList names = attribute(element, "text:class-names").split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    for (const QString& className : names)
                        current.merge(m_textStyles[className].charFormat);
                }
                continue;
            }
            open.append({false, QTextCharFormat()});
            if (name == QLatin1String("text:s")) {
                const int count = qBound(1, element.value(QLatin1String("text:c")).toInt(), MaxSpaces);
                m_cursor.insertText(QString(count, QLatin1Char(' ')), current);
            } else if (name == QLatin1String("text:tab")) {
                m_cursor.insertText(QString(QChar(0x0009)), current);
            } else if (name == QLatin1String("text:line-break")) {
                m_cursor.insertText(QString(QChar(0x2028)), current);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (open.isEmpty())
                break;
            const Open closed = open.takeLast();
            if (closed.span)
                current = closed.saved;
        }
    }
    m_inBlock = false;
    QCoreApplication::processEvents();
}
