#include "rtfwriter.h"

#include "codepage.h"
#include "formatreader.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>

#include <clocale>

namespace {

const char* const StyleSheet =
    "{\\stylesheet\n"
    "{\\s0 Normal;}\n"
    "{\\s1\\snext0\\outlinelevel0\\fs36\\b\\rtlch\\afs36\\ab\\ltrch Heading 1;}\n"
    "{\\s2\\snext0\\outlinelevel1\\fs32\\b\\rtlch\\afs32\\ab\\ltrch Heading 2;}\n"
    "{\\s3\\snext0\\outlinelevel2\\fs28\\b\\rtlch\\afs28\\ab\\ltrch Heading 3;}\n"
    "{\\s4\\snext0\\outlinelevel3\\fs24\\b\\rtlch\\afs24\\ab\\ltrch Heading 4;}\n"
    "{\\s5\\snext0\\outlinelevel4\\fs20\\b\\rtlch\\afs20\\ab\\ltrch Heading 5;}\n"
    "{\\s6\\snext0\\outlinelevel5\\fs16\\b\\rtlch\\afs16\\ab\\ltrch Heading 6;}\n"
    "}\n";

QHash<int, QByteArray> mapCodePages()
{
    QHash<int, QByteArray> table;
    auto add = [&table](const char* page, std::initializer_list<QLocale::Language> languages) {
        for (QLocale::Language language : languages)
            table.insert(language, QByteArray(page));
    };
    add("CP874", {QLocale::Thai});
    add("CP932", {QLocale::Japanese});
    add("CP949", {QLocale::Korean});
    add("CP1250", {QLocale::Albanian, QLocale::Bosnian, QLocale::Croatian, QLocale::Czech, QLocale::Hungarian,
                   QLocale::Polish, QLocale::Romanian, QLocale::Serbian, QLocale::Slovak, QLocale::Slovenian,
                   QLocale::Turkmen});
    add("CP1251", {QLocale::Bashkir, QLocale::Bulgarian, QLocale::Belarusian, QLocale::Kazakh, QLocale::Kirghiz,
                   QLocale::Macedonian, QLocale::Mongolian, QLocale::Russian, QLocale::Tajik, QLocale::Tatar,
                   QLocale::Ukrainian});
    add("CP1252", {QLocale::Afrikaans, QLocale::Basque, QLocale::Breton, QLocale::Corsican, QLocale::Danish,
                   QLocale::Dutch, QLocale::English, QLocale::Faroese, QLocale::Finnish, QLocale::French,
                   QLocale::WesternFrisian, QLocale::Gaelic, QLocale::Galician, QLocale::German,
                   QLocale::Greenlandic, QLocale::Hausa, QLocale::Icelandic, QLocale::Indonesian,
                   QLocale::Inuktitut, QLocale::Irish, QLocale::Italian, QLocale::Kinyarwanda, QLocale::Malay,
                   QLocale::NorwegianBokmal, QLocale::Occitan, QLocale::Portuguese, QLocale::Quechua,
                   QLocale::Romansh, QLocale::Spanish, QLocale::Swahili, QLocale::Swedish, QLocale::Welsh,
                   QLocale::Wolof, QLocale::Xhosa, QLocale::Yoruba, QLocale::Zulu, QLocale::NorwegianNynorsk,
                   QLocale::Igbo, QLocale::Filipino, QLocale::SwissGerman, QLocale::LowGerman,
                   QLocale::NorthernSami, QLocale::CentralMoroccoTamazight});
    add("CP1253", {QLocale::Greek});
    add("CP1254", {QLocale::Azerbaijani, QLocale::Turkish, QLocale::Uzbek});
    add("CP1255", {QLocale::Hebrew, QLocale::Yiddish});
    add("CP1256", {QLocale::Arabic, QLocale::Persian, QLocale::Urdu});
    add("CP1257", {QLocale::Estonian, QLocale::Latvian, QLocale::Lithuanian});
    add("CP1258", {QLocale::Vietnamese});
    return table;
}

bool supportsAscii(QTextCodec* codec)
{
    static QMutex mutex;
    static QHash<int, bool> cache;
    QMutexLocker locker(&mutex);
    const int mib = codec->mibEnum();
    const auto found = cache.constFind(mib);
    if (found != cache.constEnd())
        return *found;
    bool result = true;
    for (ushort c = 32; c <= 127 && result; ++c) {
        // No header: the UTF-8 codec would put a byte-order mark first.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const QChar ch(c);
        const QByteArray bytes = codec->fromUnicode(&ch, 1, &state);
        result = bytes.size() == 1 && uchar(bytes.at(0)) == c && state.invalidChars == 0;
    }
    cache.insert(mib, result);
    return result;
}

// Names other than "CP<number>" for code pages the header can name.
QByteArray codePageAlias(const QByteArray& encoding)
{
    static const QRegularExpression cp(QStringLiteral("^CP\\d+$"));
    if (cp.match(QString::fromLatin1(encoding)).hasMatch())
        return encoding;
    static const QHash<QByteArray, QByteArray> aliases = {
        {"GBK", "CP936"}, {"GB2312", "CP936"}, {"BIG5", "CP950"}, {"EUC-KR", "CP949"}, {"EUCKR", "CP949"},
        {"WINDOWS-1250", "CP1250"}, {"WINDOWS-1251", "CP1251"}, {"WINDOWS-1252", "CP1252"},
        {"WINDOWS-1253", "CP1253"}, {"WINDOWS-1254", "CP1254"}, {"WINDOWS-1255", "CP1255"},
        {"WINDOWS-1256", "CP1256"}, {"WINDOWS-1257", "CP1257"}, {"WINDOWS-1258", "CP1258"}};
    return aliases.value(encoding.toUpper());
}

}

QByteArray RtfWriter::codePageForLocaleName(const QByteArray& name)
{
    static const struct {
        const char* part;
        const char* page;
    } parts[] = {{"8859-2", "CP1250"}, {"8859-3", "CP1254"}, {"8859-4", "CP1257"}, {"8859-5", "CP1251"},
                 {"8859-6", "CP1256"}, {"8859-7", "CP1253"}, {"8859-8", "CP1255"}, {"8859-9", "CP1254"},
                 {"8859-11", "CP874"}, {"8859-13", "CP1257"}};
    for (const auto& part : parts) {
        if (name.contains(part.part))
            return part.page;
    }
    if (name.contains("UTF-8"))
        return "CP65001";
    return QByteArray();
}

QByteArray RtfWriter::localeCodePage()
{
    static const QHash<int, QByteArray> languages = mapCodePages();
    const QLocale locale;
    const auto found = languages.constFind(locale.language());
    if (found != languages.constEnd())
        return *found;
    if (locale.language() == QLocale::Chinese) {
        const QLocale::Country country = locale.country();
        if (country == QLocale::HongKong || country == QLocale::Macau || country == QLocale::Taiwan)
            return "CP950";
        return "CP936";
    }
    QByteArray name;
    if (const char* current = std::setlocale(LC_CTYPE, nullptr))
        name = current;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        if (!name.isEmpty() && name != "C")
            break;
        name = qgetenv(variable);
    }
    const QByteArray page = codePageForLocaleName(name);
    return page.isEmpty() ? QByteArray("CP1252") : page;
}

RtfWriter::RtfWriter(const QByteArray& encoding)
    : m_encoding(encoding.isEmpty() ? localeCodePage() : encoding)
{
    if (m_encoding == "CP932")
        m_encoding = "Shift-JIS";
    m_codec = CodePage::codecForName(m_encoding);
    const int mib = m_codec ? m_codec->mibEnum() : 0;
    // Qt names Apple Roman "macintosh" (MIB 2027) in some builds and -168
    // in others.
    const bool fixedHeader = mib == 17 || mib == 106 || mib == 2009 || mib == -168 || mib == 2027;
    if (m_codec && !fixedHeader) {
        // The header names the code page by number, so an encoding given by
        // another name is mapped to its number, or replaced by CP1252 when
        // no code page number fits; text in it stays readable either way.
        const QByteArray page = codePageAlias(m_encoding);
        if (page.isEmpty()) {
            m_codec = nullptr;
        } else {
            m_encoding = page;
            m_codec = CodePage::codecForName(page);
        }
    }
    if (!m_codec) {
        m_encoding = "CP1252";
        m_codec = CodePage::codecForName(m_encoding);
    }
    if (!m_codec)
        return;
    m_supportsAscii = supportsAscii(m_codec);
    switch (m_codec->mibEnum()) {
    case 17:
        m_header = "{\\rtf1\\ansi\\ansicpg932";
        break;
    case 106:
        m_header = "{\\rtf1\\ansi\\ansicpg65001";
        break;
    case 2009:
        m_header = "{\\rtf1\\pca\\ansicpg850";
        break;
    case -168:
    case 2027:
        m_header = "{\\rtf1\\mac\\ansicpg10000";
        break;
    default:
        m_header = "{\\rtf1\\ansi\\ansicpg" + m_encoding.mid(2);
        break;
    }
    m_header += '\n';
    m_header += StyleSheet;
}

QByteArray RtfWriter::fromUnicode(const QString& text) const
{
    QByteArray result;
    if (!m_codec)
        return result;
    static const QHash<ushort, QByteArray> special = {
        {0x0009, "\\tab "}, {'\\', "\\'5C"}, {'{', "\\'7B"}, {'}', "\\'7D"}, {0x00A0, "\\~"},
        {0x00AD, "\\-"}, {0x00B7, "\\|"}, {0x2002, "\\enspace "}, {0x2003, "\\emspace "},
        {0x2004, "\\qmspace "}, {0x200C, "\\zwnj "}, {0x200D, "\\zwj "}, {0x200E, "\\ltrmark "},
        {0x200F, "\\rtlmark "}, {0x2011, "\\_"}, {0x2013, "\\endash "}, {0x2014, "\\emdash "},
        {0x2018, "\\lquote "}, {0x2019, "\\rquote "}, {0x201C, "\\ldblquote "}, {0x201D, "\\rdblquote "},
        {0x2022, "\\bullet "}, {0x2028, "\\line "}};
    // IgnoreHeader: the UTF-8 codec would otherwise start with a
    // byte-order mark that would land inside the first paragraph.
    QTextCodec::ConverterState state(QTextCodec::ConvertInvalidToNull | QTextCodec::IgnoreHeader);
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const auto found = special.constFind(u);
        if (found != special.constEnd()) {
            result += *found;
            continue;
        }
        if (u >= 32 && u <= 127 && m_supportsAscii) {
            result += char(u);
            continue;
        }
        if (u == 0)
            continue;
        // Surrogate halves cannot be converted alone; each is escaped.
        QByteArray bytes;
        bool invalid = c.isSurrogate();
        if (!invalid) {
            const int before = state.invalidChars;
            bytes = m_codec->fromUnicode(&c, 1, &state);
            invalid = state.invalidChars != before || bytes.isEmpty() || bytes.at(0) == 0;
        }
        if (invalid) {
            result += "\\u" + QByteArray::number(u) + '?';
        } else if (bytes.size() == 1 && uchar(bytes.at(0)) >= 32 && uchar(bytes.at(0)) <= 127) {
            result += bytes;
        } else {
            for (const char byte : bytes)
                result += "\\'" + QByteArray::number(uchar(byte), 16).rightJustified(2, '0').toUpper();
        }
    }
    return result;
}

bool RtfWriter::write(QIODevice* device, const QTextDocument* document)
{
    if (!m_codec || !device || !document)
        return false;
    bool ok = device->write(m_header) == m_header.size();
    for (QTextBlock block = document->begin(); block.isValid() && ok; block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QByteArray line = "{\\pard\\plain";
        const int level = FormatHeading::level(format);
        if (level == 0)
            line += "\\s0";
        else
            line += "\\s" + QByteArray::number(level) + "\\outlinelevel" + QByteArray::number(level - 1) + "\\fs"
                + QByteArray::number((10 - level) * 4) + "\\b\\rtlch\\afs" + QByteArray::number((10 - level) * 4)
                + "\\ab\\ltrch";
        const bool rtl = format.layoutDirection() == Qt::RightToLeft;
        if (rtl)
            line += "\\rtlpar";
        // "ql" and "qr" are the left and right edges, also in right-to-left
        // paragraphs (a right-to-left paragraph without an alignment lines
        // up on its start, the right edge).
        if (format.hasProperty(QTextFormat::BlockAlignment) || rtl) {
            switch (FormatAlignment::edge(format)) {
            case FormatAlignment::LeftEdge:
                line += "\\ql";
                break;
            case FormatAlignment::RightEdge:
                line += "\\qr";
                break;
            case FormatAlignment::Centre:
                line += "\\qc";
                break;
            case FormatAlignment::Justify:
                line += "\\qj";
                break;
            }
        }
        if (format.indent() > 0)
            line += "\\li" + QByteArray::number(format.indent() * 720);

        if (block.begin().atEnd()) {
            line += "\\par}\n";
        } else {
            line += ' ';
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid())
                    continue;
                const QTextCharFormat chars = fragment.charFormat();
                QByteArray words;
                const bool bold = chars.hasProperty(QTextFormat::FontWeight) && chars.fontWeight() == QFont::Bold;
                if (bold)
                    words += "\\b";
                if (chars.fontItalic())
                    words += "\\i";
                // The same for right-to-left text, which word processors
                // take from the associated properties.
                if (bold || chars.fontItalic())
                    words += QByteArray("\\rtlch") + (bold ? "\\ab" : "") + (chars.fontItalic() ? "\\ai" : "") + "\\ltrch";
                if (chars.fontUnderline())
                    words += "\\ul";
                if (chars.fontStrikeOut())
                    words += "\\strike";
                if (chars.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                    words += "\\super";
                else if (chars.verticalAlignment() == QTextCharFormat::AlignSubScript)
                    words += "\\sub";
                const QByteArray text = fromUnicode(fragment.text());
                if (words.isEmpty())
                    line += text;
                else
                    line += '{' + words + ' ' + text + '}';
            }
            line += "\\par}\n";
        }
        ok = device->write(line) == line.size();
    }
    // Write failures are reported, so a full disk never passes as success.
    return ok && device->write("}", 1) == 1;
}
