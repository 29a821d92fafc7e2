#include "docxreader.h"

#include "zippackage.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextDocument>

DocxReader::DocxReader()
{
    m_xml.setNamespaceProcessing(false);
}

bool DocxReader::canRead(QIODevice* device)
{
    return ZipPackage::canRead(device);
}

int DocxReader::type() const
{
    return 4;
}

void DocxReader::readData(QIODevice* device)
{
    m_inBlock = m_cursor.document() && m_cursor.document()->blockCount() > 0;
    m_current.blockFormat = m_cursor.blockFormat();

    m_error = ZipPackage::readMembers(device, {QStringLiteral("word/styles.xml"), QStringLiteral("word/document.xml")},
                                      QCoreApplication::translate("DocxReader", "Unable to open archive."),
                                      [this](const QByteArray& data) {
                                          m_xml.addData(data);
                                          readContent();
                                          const QString error = m_xml.hasError() ? m_xml.errorString() : QString();
                                          m_xml.clear();
                                          return error;
                                      });
    QCoreApplication::processEvents();
}

QString DocxReader::value() const
{
    return m_xml.attributes().value(QLatin1String("w:val")).toString();
}

bool DocxReader::readBool() const
{
    const QString v = value();
    return !(v == QLatin1String("false") || v == QLatin1String("0") || v == QLatin1String("off"));
}

void DocxReader::readContent()
{
    if (!m_xml.readNextStartElement())
        return;
    if (m_xml.qualifiedName() == QLatin1String("w:styles"))
        readStyles();
    else if (m_xml.qualifiedName() == QLatin1String("w:document"))
        readDocument();
}

void DocxReader::readStyles()
{
    bool first = true;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (first && name == QLatin1String("w:docDefaults")) {
            while (m_xml.readNextStartElement()) {
                const bool run = m_xml.qualifiedName() == QLatin1String("w:rPrDefault");
                const bool par = m_xml.qualifiedName() == QLatin1String("w:pPrDefault");
                if (!run && !par) {
                    m_xml.skipCurrentElement();
                    continue;
                }
                while (m_xml.readNextStartElement()) {
                    if (run && m_xml.qualifiedName() == QLatin1String("w:rPr"))
                        readRunProperties(m_current, true);
                    else if (par && m_xml.qualifiedName() == QLatin1String("w:pPr"))
                        readParagraphProperties(m_current, true);
                    else
                        m_xml.skipCurrentElement();
                }
            }
        } else if (name == QLatin1String("w:style")) {
            readStyle();
        } else {
            m_xml.skipCurrentElement();
        }
        first = false;
    }

    const auto paragraph = m_defaultStyles.constFind(ParagraphStyle);
    if (paragraph != m_defaultStyles.constEnd() && m_styles.contains(*paragraph))
        m_current.blockFormat.merge(m_styles.value(*paragraph).blockFormat);
    const auto character = m_defaultStyles.constFind(CharacterStyle);
    if (character != m_defaultStyles.constEnd() && m_styles.contains(*character))
        m_current.charFormat.merge(m_styles.value(*character).charFormat);
    m_waiting.clear();
}

void DocxReader::readStyle()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringRef kind = attributes.value(QLatin1String("w:type"));
    Style style;
    if (kind == QLatin1String("paragraph")) {
        style.type = ParagraphStyle;
    } else if (kind == QLatin1String("character")) {
        style.type = CharacterStyle;
    } else {
        m_xml.skipCurrentElement();
        return;
    }
    const QString id = attributes.value(QLatin1String("w:styleId")).toString();
    if (attributes.hasAttribute(QLatin1String("w:default"))) {
        const QStringRef v = attributes.value(QLatin1String("w:default"));
        if (!(v == QLatin1String("false") || v == QLatin1String("0") || v == QLatin1String("off")))
            m_defaultStyles.insert(style.type, id);
    }

    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("w:name")) {
            const int level = FormatHeading::levelFromStyleName(value());
            if (level > 0)
                FormatHeading::setLevel(style.blockFormat, level);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:basedOn")) {
            const QString base = value();
            const auto found = m_styles.constFind(base);
            if (found != m_styles.constEnd() && base != id) {
                inherit(style.blockFormat, style.charFormat, found->blockFormat, found->charFormat);
            } else if (!m_waiting.value(base).contains(id)) {
                m_waiting[base].append(id);
            }
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:pPr")) {
            readParagraphProperties(style, false);
        } else if (name == QLatin1String("w:rPr")) {
            readRunProperties(style, false);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    m_styles.insert(id, style);
    QStringList visited(id);
    resolveWaiting(id, visited);
}

// Styles that named `id` as their base before it was defined now take its
// formats as their ground, and so on down the chain. The visited list stops
// cycles of styles based on each other.
void DocxReader::resolveWaiting(const QString& id, QStringList& visited)
{
    const QStringList waiting = m_waiting.value(id);
    const Style base = m_styles.value(id);
    for (const QString& child : waiting) {
        if (visited.contains(child) || !m_styles.contains(child))
            continue;
        visited.append(child);
        Style& style = m_styles[child];
        inherit(style.blockFormat, style.charFormat, base.blockFormat, base.charFormat);
        resolveWaiting(child, visited);
    }
}

void DocxReader::applyStyle(Style& target, const QString& id)
{
    const Style named = m_styles.value(id);
    inherit(target.blockFormat, target.charFormat, named.blockFormat, named.charFormat);
    target.type = named.type;
}

void DocxReader::readDocument()
{
    m_cursor.beginEditBlock();
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("w:body"))
            readBody();
        else
            m_xml.skipCurrentElement();
    }
    m_cursor.endEditBlock();
}

void DocxReader::readBody()
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("w:p"))
            readParagraph();
        else
            m_xml.skipCurrentElement();
    }
}

void DocxReader::readParagraph()
{
    bool pushed = false;
    bool blockStarted = false;
    auto startBlock = [&]() {
        if (blockStarted)
            return;
        blockStarted = true;
        if (m_inBlock) {
            m_cursor.mergeBlockFormat(m_current.blockFormat);
            m_cursor.mergeBlockCharFormat(m_current.charFormat);
        } else {
            m_cursor.insertBlock(m_current.blockFormat, m_current.charFormat);
        }
    };

    bool first = true;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (first && name == QLatin1String("w:pPr")) {
            first = false;
            m_styleStack.append(m_current);
            pushed = true;
            readParagraphProperties(m_current, true);
            continue;
        }
        first = false;
        startBlock();
        if (name == QLatin1String("w:r"))
            readRun();
        else
            m_xml.skipCurrentElement();
    }
    startBlock();

    m_inBlock = false;
    if (pushed)
        m_current = m_styleStack.takeLast();
    QCoreApplication::processEvents();
}

void DocxReader::readRun()
{
    bool pushed = false;
    bool first = true;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (first && name == QLatin1String("w:rPr")) {
            first = false;
            m_styleStack.append(m_current);
            pushed = true;
            readRunProperties(m_current, true);
            continue;
        }
        first = false;
        if (name == QLatin1String("w:t")) {
            readText();
        } else if (name == QLatin1String("w:tab")) {
            m_cursor.insertText(QString(QChar(0x0009)), m_current.charFormat);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:br") || name == QLatin1String("w:cr")) {
            m_cursor.insertText(QString(QChar(0x2028)), m_current.charFormat);
            m_xml.skipCurrentElement();
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (pushed)
        m_current = m_styleStack.takeLast();
}

void DocxReader::readText()
{
    const bool preserve = m_xml.attributes().value(QLatin1String("xml:space")) == QLatin1String("preserve");
    QString text;
    int depth = 1;
    while (depth > 0 && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters && depth == 1) {
            if (preserve || !m_xml.isWhitespace())
                text += m_xml.text();
        }
    }
    if (!text.isEmpty())
        m_cursor.insertText(text, m_current.charFormat);
}

void DocxReader::readParagraphProperties(Style& style, bool allowStyles)
{
    bool rightToLeftText = false;
    int left = 0;
    int right = 0;
    bool startSet = false;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        const QString v = value();
        if (name == QLatin1String("w:jc")) {
            if (v == QLatin1String("left"))
                style.blockFormat.setAlignment(rightToLeftText ? Qt::AlignLeft | Qt::AlignAbsolute : Qt::AlignLeft);
            else if (v == QLatin1String("right"))
                style.blockFormat.setAlignment(rightToLeftText ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignRight);
            else if (v == QLatin1String("center"))
                style.blockFormat.setAlignment(Qt::AlignCenter);
            else if (v == QLatin1String("both"))
                style.blockFormat.setAlignment(Qt::AlignJustify);
            else if (v == QLatin1String("start"))
                style.blockFormat.setAlignment(Qt::AlignLeft);
            else if (v == QLatin1String("end"))
                style.blockFormat.setAlignment(Qt::AlignRight);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:ind")) {
            const QXmlStreamAttributes attributes = m_xml.attributes();
            auto level = [&](const char* attribute) {
                return qRound(attributes.value(QLatin1String(attribute)).toInt() / 720.0);
            };
            left = level("w:left");
            right = level("w:right");
            const int start = level("w:start");
            if (start != 0) {
                style.blockFormat.setIndent(start);
                startSet = true;
            }
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:bidi")) {
            if (readBool())
                style.blockFormat.setLayoutDirection(Qt::RightToLeft);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:textDirection")) {
            if (v == QLatin1String("rl")) {
                style.blockFormat.setLayoutDirection(Qt::RightToLeft);
                rightToLeftText = true;
            } else if (v == QLatin1String("lr")) {
                style.blockFormat.setLayoutDirection(Qt::LeftToRight);
            }
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:outlineLvl")) {
            const int n = v.toInt();
            if (n != 9)
                FormatHeading::setLevel(style.blockFormat, qBound(1, n + 1, 6));
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:pStyle") && allowStyles) {
            applyStyle(style, v);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:rPr")) {
            readRunProperties(style, true);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (!startSet) {
        const int indent = style.blockFormat.layoutDirection() == Qt::RightToLeft ? right : left;
        if (indent != 0)
            style.blockFormat.setIndent(qMax(0, indent));
    }
    if (FormatHeading::level(style.blockFormat) != 0)
        style.charFormat.setFontWeight(QFont::Normal);
}

void DocxReader::readRunProperties(Style& style, bool allowStyles)
{
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        const QString v = value();
        if (name == QLatin1String("w:b") || name == QLatin1String("w:bCs")) {
            style.charFormat.setFontWeight(readBool() ? QFont::Bold : QFont::Normal);
        } else if (name == QLatin1String("w:i") || name == QLatin1String("w:iCs")) {
            style.charFormat.setFontItalic(readBool());
        } else if (name == QLatin1String("w:u")) {
            static const QStringList single = {
                QStringLiteral("single"), QStringLiteral("words"), QStringLiteral("double"),
                QStringLiteral("thick"), QStringLiteral("dotted"), QStringLiteral("dottedHeavy"),
                QStringLiteral("dash"), QStringLiteral("dashedHeavy"), QStringLiteral("dashLong"),
                QStringLiteral("dashLongHeavy"), QStringLiteral("dotDash"), QStringLiteral("dashDotHeavy"),
                QStringLiteral("dotDotDash"), QStringLiteral("dashDotDotHeavy"), QStringLiteral("wave"),
                QStringLiteral("wavyHeavy"), QStringLiteral("wavyDouble")};
            if (v == QLatin1String("none"))
                style.charFormat.setFontUnderline(false);
            else if (single.contains(v))
                style.charFormat.setFontUnderline(true);
        } else if (name == QLatin1String("w:strike")) {
            style.charFormat.setFontStrikeOut(readBool());
        } else if (name == QLatin1String("w:vertAlign")) {
            if (v == QLatin1String("superscript"))
                style.charFormat.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            else if (v == QLatin1String("subscript"))
                style.charFormat.setVerticalAlignment(QTextCharFormat::AlignSubScript);
            else if (v == QLatin1String("baseline"))
                style.charFormat.setVerticalAlignment(QTextCharFormat::AlignNormal);
        } else if (name == QLatin1String("w:rStyle") && allowStyles) {
            applyStyle(style, v);
        }
        m_xml.skipCurrentElement();
    }
}
