#include "odtreader.h"

#include "zippackage.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QVector>

#include <algorithm>

namespace {

// A "text:s" may name any count; more spaces than this in one element are
// not inserted (the total is bounded by the read limits).
const int MaxSpaces = 65536;

QString attribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toString();
}

// Elements of the body text that hold paragraphs: sections, lists and
// tables at any depth.
bool holdsParagraphs(const QStringRef& name)
{
    static const QSet<QString> names = {
        QStringLiteral("text:section"), QStringLiteral("text:list"), QStringLiteral("text:list-item"),
        QStringLiteral("text:list-header"), QStringLiteral("table:table"), QStringLiteral("table:table-header-rows"),
        QStringLiteral("table:table-rows"), QStringLiteral("table:table-row-group"), QStringLiteral("table:table-row"),
        QStringLiteral("table:table-cell"), QStringLiteral("table:covered-table-cell")};
    return names.contains(name.toString());
}

// A weight or style given for Western, East Asian and complex text alike:
// any of them that says "bold" (or italic) wins, since a paragraph of
// Chinese text carries its emphasis in the East Asian attribute only.
enum class Switch { Unchanged, On, Off };

Switch fontSwitch(const QXmlStreamAttributes& attributes, const char* const names[3], const char* onValue)
{
    Switch result = Switch::Unchanged;
    for (int i = 0; i < 3; ++i) {
        const QStringRef v = attributes.value(QLatin1String(names[i]));
        if (v.isEmpty())
            continue;
        if (onValue ? v == QLatin1String(onValue) : v != QLatin1String("normal"))
            return Switch::On;
        if (v == QLatin1String("normal"))
            result = Switch::Off;
    }
    return result;
}

// Character data of a paragraph as text. A line break in it is white
// space, never a new paragraph: it reads as a space, and the line breaks and
// indentation between the elements inside a picture's frame or a
// footnote's body (LibreOffice lays its flat ODT out so) are dropped.
QString paragraphText(const QStringRef& data, bool inElement)
{
    if (!data.contains(QLatin1Char('\n')) && !data.contains(QLatin1Char('\r')))
        return data.toString();
    if (inElement && data.trimmed().isEmpty())
        return QString();
    static const QRegularExpression lineBreak(QStringLiteral("[ \\t]*[\\r\\n][ \\t\\r\\n]*"));
    return data.toString().replace(lineBreak, QStringLiteral(" "));
}

}

OdtReader::OdtReader()
{
    m_xml.setMeter(&m_meter);
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
    ReadSession session(this);
    m_inBlock = m_cursor.document() && m_cursor.document()->blockCount() > 0;
    if (ZipPackage::canRead(device)) {
        m_error = ZipPackage::readMembers(device, {QStringLiteral("styles.xml"), QStringLiteral("content.xml")},
                                          QCoreApplication::translate("OdtReader", "Unable to open archive."),
                                          [this](QIODevice* member) {
                                              m_xml.setDevice(member, true);
                                              readDocument();
                                              const QString error = m_xml.hasError() ? m_xml.errorString() : QString();
                                              m_xml.setDevice(nullptr);
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
    StyleChain* table = nullptr;
    if (family == QLatin1String("paragraph"))
        table = &m_paragraphStyles;
    else if (family == QLatin1String("text"))
        table = &m_textStyles;
    if (!table) {
        m_xml.skipCurrentElement();
        return;
    }

    Style style;
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
    // A new definition replaces an earlier one of the same name; parents
    // are found when a style is used, so they may come later.
    table->define(name, style, attribute(attributes, "style:parent-style-name"));
}

void OdtReader::readParagraphProperties(QTextBlockFormat& format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    // LibreOffice lays "start" and "end" out at the left and right edges
    // also in right-to-left paragraphs, and writes them so.
    const QString align = attribute(attributes, "fo:text-align");
    if (align == QLatin1String("start") || align == QLatin1String("left"))
        format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (align == QLatin1String("end") || align == QLatin1String("right"))
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
    static const char* const weights[3] = {"fo:font-weight", "style:font-weight-asian", "style:font-weight-complex"};
    // Numeric weights leave the weight as it is.
    const Switch bold = fontSwitch(attributes, weights, "bold");
    if (bold != Switch::Unchanged)
        format.setFontWeight(bold == Switch::On ? QFont::Bold : QFont::Normal);
    static const char* const styles[3] = {"fo:font-style", "style:font-style-asian", "style:font-style-complex"};
    const Switch italic = fontSwitch(attributes, styles, nullptr);
    if (italic != Switch::Unchanged)
        format.setFontItalic(italic == Switch::On);
    const QString underline = attribute(attributes, "style:text-underline-style");
    if (!underline.isEmpty())
        format.setFontUnderline(underline != QLatin1String("none"));
    const QString strike = attribute(attributes, "style:text-line-through-type");
    if (!strike.isEmpty())
        format.setFontStrikeOut(strike != QLatin1String("none"));
    const QString position = attribute(attributes, "style:text-position");
    if (!position.isEmpty()) {
        // "super" or "sub", or a percentage, each optionally followed by
        // the font size ("super 58%", "33% 58%").
        QString word = position.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (word == QLatin1String("super")) {
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        } else if (word == QLatin1String("sub")) {
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        } else {
            word.chop(1);
            bool ok = false;
            const double value = word.toDouble(&ok);
            if (ok && value > 0)
                format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            else if (ok && value < 0)
                format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
            else if (ok)
                format.setVerticalAlignment(QTextCharFormat::AlignNormal);
        }
    }
}

void OdtReader::readBody()
{
    m_xml.countMarkup();
    m_cursor.beginEditBlock();
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("office:text"))
            readBodyText();
        else
            m_xml.skipCurrentElement();
    }
    m_cursor.endEditBlock();
}

// Paragraphs of "office:text" and of the sections, lists and tables inside
// it, at any depth; followed without recursion so deep nesting cannot
// exhaust the stack.
void OdtReader::readBodyText()
{
    int depth = 1;
    while (depth > 0 && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = m_xml.qualifiedName();
            if (name == QLatin1String("text:p") || name == QLatin1String("text:h")) {
                readParagraph();
            } else if (name == QLatin1String("text:tracked-changes")) {
                // The records of tracked changes, which LibreOffice writes
                // before the first paragraph; the text keeps the document
                // as changed, so none of them is read.
                m_xml.setMarkupAhead(true);
                m_xml.skipCurrentElement();
                m_xml.setMarkupAhead(false);
            } else if (holdsParagraphs(name))
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
        const Style style = m_paragraphStyles.resolved(attribute(attributes, "text:style-name"));
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
    } else if (insertBlock(blockFormat, charFormat)) {
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
            const bool inElement = std::any_of(open.cbegin(), open.cend(), [](const Open& o) { return !o.span; });
            insertText(paragraphText(m_xml.text(), inElement), current);
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringRef name = m_xml.qualifiedName();
            const QXmlStreamAttributes element = m_xml.attributes();
            if (name == QLatin1String("text:span")) {
                open.append({true, current});
                if (element.hasAttribute(QLatin1String("text:style-name")))
                    current.merge(m_textStyles.resolved(attribute(element, "text:style-name")).charFormat);
                if (element.hasAttribute(QLatin1String("text:class-names"))) {
                    const QStringList names = attribute(element, "text:class-names").split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    for (const QString& className : names)
                        current.merge(m_textStyles.resolved(className).charFormat);
                }
                continue;
            }
            if (name == QLatin1String("office:annotation") || name == QLatin1String("office:binary-data")) {
                // A comment, with its author and date, and the Base64 bytes
                // of a picture or object kept in the file (flat ODT): not
                // text of the document.
                m_xml.skipCurrentElement();
                continue;
            }
            open.append({false, QTextCharFormat()});
            if (name == QLatin1String("text:s")) {
                const int count = qBound(1, element.value(QLatin1String("text:c")).toInt(), MaxSpaces);
                insertText(QString(count, QLatin1Char(' ')), current);
            } else if (name == QLatin1String("text:tab")) {
                insertText(QString(QChar(0x0009)), current);
            } else if (name == QLatin1String("text:line-break")) {
                insertText(QString(QChar(0x2028)), current);
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
