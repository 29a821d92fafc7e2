#include "rtfreader.h"

#include "codepage.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>

namespace {

using Table = RtfReader::FunctionTable;

void add(Table& table, const char* word, void (RtfReader::*handler)(int), int value = 0, bool opensBlock = true)
{
    Table::Function function;
    function.handler = handler;
    function.value = value;
    function.opensBlock = opensBlock;
    table.words.insert(QByteArray(word), function);
}

void addParagraphAndCharacterWords(Table& t)
{
    add(t, "qc", &RtfReader::setBlockAlignment, 4);
    add(t, "qj", &RtfReader::setBlockAlignment, 8);
    add(t, "ql", &RtfReader::setBlockAlignment, 17);
    add(t, "qr", &RtfReader::setBlockAlignment, 18);
    add(t, "li", &RtfReader::setBlockIndent);
    add(t, "ltrpar", &RtfReader::setBlockDirection, 0);
    add(t, "rtlpar", &RtfReader::setBlockDirection, 1);
    add(t, "b", &RtfReader::setTextBold, 1);
    add(t, "i", &RtfReader::setTextItalic, 1);
    add(t, "ab", &RtfReader::setAssociatedBold, 1);
    add(t, "ai", &RtfReader::setAssociatedItalic, 1);
    add(t, "rtlch", &RtfReader::setRightToLeftChars, 1);
    add(t, "ltrch", &RtfReader::setRightToLeftChars, 0);
    add(t, "dbch", &RtfReader::setDoubleByteChars, 1);
    add(t, "loch", &RtfReader::setDoubleByteChars, 0);
    add(t, "hich", &RtfReader::setDoubleByteChars, 0);
    add(t, "strike", &RtfReader::setTextStrikeOut, 1);
    add(t, "striked", &RtfReader::setTextStrikeOut, 1);
    for (const char* word : {"ul", "uld", "uldash", "uldashd", "uldb", "ulth", "ulw", "ulwave", "ulhwave", "ululdbwave"})
        add(t, word, &RtfReader::setTextUnderline, 1);
    add(t, "ulnone", &RtfReader::setTextUnderline, 0);
    add(t, "sub", &RtfReader::setTextVerticalAlignment, 2);
    add(t, "super", &RtfReader::setTextVerticalAlignment, 1);
    add(t, "nosupersub", &RtfReader::setTextVerticalAlignment, 0);
    add(t, "outlinelevel", &RtfReader::setOutlineLevel);
}

Table makeFunctions()
{
    Table t;
    t.text = &RtfReader::insertText;
    add(t, "\\", &RtfReader::insertSymbol, 92);
    add(t, "_", &RtfReader::insertSymbol, 0x2011);
    add(t, "{", &RtfReader::insertSymbol, 123);
    add(t, "|", &RtfReader::insertSymbol, 0x00B7);
    add(t, "}", &RtfReader::insertSymbol, 125);
    add(t, "~", &RtfReader::insertSymbol, 0x00A0);
    add(t, "-", &RtfReader::insertSymbol, 0x00AD);
    const struct {
        const char* word;
        int code;
    } symbols[] = {{"bullet", 0x2022}, {"emdash", 0x2014}, {"emspace", 0x2003}, {"endash", 0x2013},
                   {"enspace", 0x2002}, {"ldblquote", 0x201C}, {"lquote", 0x2018}, {"line", 0x2028},
                   {"ltrmark", 0x200E}, {"qmspace", 0x2004}, {"rdblquote", 0x201D}, {"rquote", 0x2019},
                   {"rtlmark", 0x200F}, {"tab", 0x0009}, {"zwj", 0x200D}, {"zwnj", 0x200C}};
    for (const auto& symbol : symbols)
        add(t, symbol.word, &RtfReader::insertSymbol, symbol.code);
    add(t, "'", &RtfReader::insertHexSymbol);
    add(t, "u", &RtfReader::insertUnicodeSymbol);
    add(t, "uc", &RtfReader::setSkipCharacters);
    add(t, "par", &RtfReader::endBlock);
    add(t, "\n", &RtfReader::endBlock);
    add(t, "\r", &RtfReader::endBlock);
    // Each table cell is a paragraph; the end of a row only closes the last.
    add(t, "cell", &RtfReader::endBlock);
    add(t, "nestcell", &RtfReader::endBlock);
    add(t, "row", &RtfReader::endBlock, 0, false);
    add(t, "nestrow", &RtfReader::endBlock, 0, false);
    add(t, "pard", &RtfReader::resetBlockFormatting);
    add(t, "plain", &RtfReader::resetTextFormatting);
    addParagraphAndCharacterWords(t);
    add(t, "ansicpg", &RtfReader::setCodepage, 0);
    add(t, "ansi", &RtfReader::setCodepage, 1252);
    add(t, "mac", &RtfReader::setCodepage, 10000);
    add(t, "pc", &RtfReader::setCodepage, 850);
    add(t, "pca", &RtfReader::setCodepage, 850);
    add(t, "deff", &RtfReader::setFont);
    add(t, "f", &RtfReader::setFont);
    add(t, "cpg", &RtfReader::setFontCodepage);
    add(t, "fcharset", &RtfReader::setFontCharset);
    add(t, "stylesheet", &RtfReader::startStyleSheet);
    add(t, "s", &RtfReader::setStyle);
    add(t, "fonttbl", &RtfReader::ignoreText);
    // Destinations whose text is not text of the document: tables, document
    // information, pictures, the number or bullet text of list paragraphs,
    // page headers and footers.
    for (const char* word : {"filetbl", "colortbl", "info", "pict", "*", "listtext", "pntext", "pntxta", "pntxtb",
                             "listtable", "listoverridetable", "revtbl", "rsidtbl", "xmlnstbl", "themedata",
                             "colorschememapping", "latentstyles", "datastore", "generator", "header", "headerl",
                             "headerr", "headerf", "footer", "footerl", "footerr", "footerf"})
        add(t, word, &RtfReader::ignoreGroup);
    return t;
}

const Table& functions()
{
    static const Table table = makeFunctions();
    return table;
}

const Table& headingFunctions()
{
    static const Table table = [] {
        Table t = functions();
        t.words.remove("b");
        t.words.remove("ab");
        return t;
    }();
    return table;
}

const Table& stylesheetFunctions()
{
    static const Table table = [] {
        Table t;
        t.text = &RtfReader::setStyleName;
        add(t, "s", &RtfReader::setStyleId);
        add(t, "sbasedon", &RtfReader::setStyleParent);
        addParagraphAndCharacterWords(t);
        return t;
    }();
    return table;
}

}

RtfReader::RtfReader()
{
    m_state.table = &functions();
    setCodepage(1252);
}

RtfReader::~RtfReader() = default;

bool RtfReader::canRead(QIODevice* device)
{
    return device && device->peek(5) == "{\\rtf";
}

int RtfReader::type() const
{
    return 2;
}

QTextCodec* RtfReader::codecForPage(int page)
{
    QByteArray name;
    if (page == 932)
        name = "Shift-JIS";
    else if (page == 10000)
        name = "Apple Roman";
    else if (page == 65001)
        name = "UTF-8";
    else
        name = "CP" + QByteArray::number(page);
    return CodePage::codecForName(name);
}

void RtfReader::setActiveCodec(QTextCodec* codec)
{
    if (!codec || (codec == m_codec && m_decoder))
        return;
    m_codec = codec;
    m_decoder.reset(codec->makeDecoder());
}

void RtfReader::readData(QIODevice* device)
{
    ReadSession session(this);
    m_defaultBlockFormat = m_cursor.blockFormat();
    m_state.blockFormat = m_defaultBlockFormat;
    m_cursor.beginEditBlock();
    m_tokenizer.setDevice(device);

    const QString unsupported = QCoreApplication::translate("RtfReader", "Not a supported RTF file.");
    bool ok = device && device->isReadable();
    if (ok) {
        m_tokenizer.readNext();
        ok = m_tokenizer.type() == RtfTokenizer::StartGroupToken;
    }
    if (ok) {
        pushState();
        m_tokenizer.readNext();
        ok = m_tokenizer.type() == RtfTokenizer::ControlWordToken && m_tokenizer.text() == "rtf"
            && m_tokenizer.hasValue() && m_tokenizer.value() == 1;
    }
    if (!ok) {
        m_error = unsupported;
        m_cursor.endEditBlock();
        return;
    }

    while (!m_states.isEmpty() && m_tokenizer.hasNext() && !m_meter.failed()) {
        m_tokenizer.readNext();
        const RtfTokenizer::TokenType token = m_tokenizer.type();
        if (m_tokenizer.hasError() || token == RtfTokenizer::NoToken)
            break;
        if (token == RtfTokenizer::EndGroupToken) {
            endGroup();
            continue;
        }
        if (token != RtfTokenizer::TextToken && !m_meter.addElement())
            break;
        const FunctionTable::Function* function = nullptr;
        if (token == RtfTokenizer::ControlWordToken && !m_state.ignoreControlWords) {
            const auto found = m_state.table->words.constFind(m_tokenizer.text());
            if (found != m_state.table->words.constEnd())
                function = &*found;
        }
        if (!m_inBlock && (!function || function->opensBlock) && !openBlock())
            break;
        if (token == RtfTokenizer::StartGroupToken) {
            pushState();
        } else if (token == RtfTokenizer::TextToken) {
            if (!m_state.ignoreText)
                handleText(m_tokenizer.text());
        } else if (function) {
            (this->*(function->handler))(m_tokenizer.hasValue() ? m_tokenizer.value() : function->value);
        }
    }
    flushText();
    m_cursor.endEditBlock();
    if (m_meter.failed())
        m_error = m_meter.errorString();
    else if (m_tokenizer.hasError())
        m_error = m_tokenizer.errorString();
}

bool RtfReader::openBlock()
{
    flushText();
    if (!m_meter.addParagraph(m_cursor.block().length() <= 1))
        return false;
    m_cursor.insertBlock(m_state.blockFormat);
    m_inBlock = true;
    return true;
}

void RtfReader::flushText()
{
    if (m_pendingText.isEmpty())
        return;
    m_cursor.insertText(m_pendingText, m_pendingFormat);
    m_pendingText.clear();
}

void RtfReader::handleText(const QByteArray& bytes)
{
    const QString text = m_decoder ? m_decoder->toUnicode(bytes) : QString::fromLatin1(bytes);
    if (m_state.table->text)
        (this->*(m_state.table->text))(text);
}

void RtfReader::pushState()
{
    // Groups nest no deeper than the limit: a file of nothing but opening
    // braces stops with a message instead of exhausting memory.
    if (!m_meter.enter())
        return;
    m_states.append(m_state);
}

void RtfReader::endGroup()
{
    if (m_state.table == &stylesheetFunctions() && m_styleSheetEnd)
        (this->*m_styleSheetEnd)();
    popState();
}

void RtfReader::popState()
{
    if (m_states.isEmpty())
        return;
    m_meter.leave();
    m_state = m_states.takeLast();
    m_cursor.setCharFormat(m_state.charFormat);
    setFont(m_state.activeFont);
}

void RtfReader::mergeBlock(const QTextBlockFormat& format)
{
    m_state.blockFormat.merge(format);
    m_cursor.mergeBlockFormat(format);
}

void RtfReader::mergeChar(const QTextCharFormat& format)
{
    m_state.charFormat.merge(format);
    m_cursor.mergeCharFormat(format);
}

// Every character of the document comes through here; nothing is taken
// from a destination whose text is ignored (font, colour and style tables,
// list numbers, pictures), also not symbols, hexadecimal or \u characters.
void RtfReader::insertText(const QString& text)
{
    if (m_state.ignoreText || text.isEmpty() || !m_meter.addCharacters(text.size()))
        return;
    if (!m_pendingText.isEmpty() && !(m_pendingFormat == m_state.charFormat))
        flushText();
    if (m_pendingText.isEmpty())
        m_pendingFormat = m_state.charFormat;
    m_pendingText += text;
}

void RtfReader::endBlock(int)
{
    m_inBlock = false;
}

void RtfReader::ignoreGroup(int)
{
    m_state.ignoreControlWords = true;
    m_state.ignoreText = true;
}

void RtfReader::ignoreText(int)
{
    m_state.ignoreText = true;
}

void RtfReader::setSkipCharacters(int value)
{
    m_state.skip = value;
}

void RtfReader::insertSymbol(int value)
{
    insertText(QString(QChar(ushort(value))));
}

void RtfReader::insertHexSymbol(int)
{
    if (m_decoder && !m_state.ignoreText)
        insertText(m_decoder->toUnicode(m_tokenizer.hex()));
}

void RtfReader::insertUnicodeSymbol(int value)
{
    if (value != 0)
        insertText(QString(QChar(ushort(value & 0xFFFF))));

    // Drop the fallback characters that follow for readers without Unicode.
    int count = m_state.skip;
    while (count > 0 && m_tokenizer.hasNext()) {
        m_tokenizer.readNext();
        switch (m_tokenizer.type()) {
        case RtfTokenizer::ControlWordToken:
            --count;
            break;
        case RtfTokenizer::TextToken: {
            const QByteArray text = m_tokenizer.text();
            if (text.size() <= count) {
                count -= text.size();
            } else {
                if (!m_state.ignoreText)
                    handleText(text.mid(count));
                count = 0;
            }
            break;
        }
        case RtfTokenizer::StartGroupToken:
            pushState();
            return;
        case RtfTokenizer::EndGroupToken:
            endGroup();
            return;
        case RtfTokenizer::NoToken:
            return;
        }
    }
}

void RtfReader::resetBlockFormatting(int)
{
    m_state.blockFormat = m_defaultBlockFormat;
    m_cursor.setBlockFormat(m_state.blockFormat);
}

void RtfReader::resetTextFormatting(int)
{
    m_state.rightToLeftChars = false;
    m_state.doubleByteChars = false;
    m_state.charFormat = QTextCharFormat();
    m_cursor.setCharFormat(m_state.charFormat);
}

void RtfReader::setBlockAlignment(int value)
{
    QTextBlockFormat format;
    format.setAlignment(Qt::Alignment(value));
    mergeBlock(format);
}

void RtfReader::setBlockIndent(int value)
{
    QTextBlockFormat format;
    format.setIndent(qMax(0, qRound(value / 720.0)));
    mergeBlock(format);
}

void RtfReader::setBlockDirection(int value)
{
    QTextBlockFormat format;
    format.setLayoutDirection(value ? Qt::RightToLeft : Qt::LeftToRight);
    const Qt::Alignment alignment = m_state.blockFormat.alignment();
    if (alignment == 0)
        format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (alignment & Qt::AlignLeft)
        format.setAlignment(alignment | Qt::AlignAbsolute);
    mergeBlock(format);
}

void RtfReader::setOutlineLevel(int value)
{
    QTextBlockFormat format;
    FormatHeading::setLevel(format, qBound(1, value + 1, 6));
    mergeBlock(format);
}

void RtfReader::setTextBold(int value)
{
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    mergeChar(format);
}

void RtfReader::setTextItalic(int value)
{
    QTextCharFormat format;
    format.setFontItalic(value != 0);
    mergeChar(format);
}

// Bold and italic of right-to-left or East Asian text (\ab, \ai after
// \rtlch or \dbch) are bold and italic; for other text they say nothing.
void RtfReader::setAssociatedBold(int value)
{
    if (m_state.rightToLeftChars || m_state.doubleByteChars)
        setTextBold(value);
}

void RtfReader::setAssociatedItalic(int value)
{
    if (m_state.rightToLeftChars || m_state.doubleByteChars)
        setTextItalic(value);
}

void RtfReader::setRightToLeftChars(int value)
{
    m_state.rightToLeftChars = value != 0;
}

void RtfReader::setDoubleByteChars(int value)
{
    m_state.doubleByteChars = value != 0;
}

void RtfReader::setTextStrikeOut(int value)
{
    QTextCharFormat format;
    format.setFontStrikeOut(value != 0);
    mergeChar(format);
}

void RtfReader::setTextUnderline(int value)
{
    QTextCharFormat format;
    format.setUnderlineStyle(value ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
    mergeChar(format);
}

void RtfReader::setTextVerticalAlignment(int value)
{
    QTextCharFormat format;
    format.setVerticalAlignment(QTextCharFormat::VerticalAlignment(qBound(0, value, 2)));
    mergeChar(format);
}

void RtfReader::setCodepage(int value)
{
    QTextCodec* codec = codecForPage(value);
    if (!codec)
        return;
    m_defaultCodec = codec;
    setActiveCodec(codec);
    m_encoding = "CP" + QByteArray::number(value);
}

void RtfReader::setFont(int value)
{
    m_state.activeFont = value;
    QTextCodec* codec = m_fontCodecs.value(value);
    setActiveCodec(codec ? codec : m_defaultCodec);
}

void RtfReader::setFontCodepage(int value)
{
    QTextCodec* codec = codecForPage(value);
    if (codec) {
        m_fontCodecs.insert(m_state.activeFont, codec);
        setActiveCodec(codec);
    }
    m_state.ignoreControlWords = true;
    m_state.ignoreText = true;
}

void RtfReader::setFontCharset(int value)
{
    QTextCodec* existing = m_fontCodecs.value(m_state.activeFont);
    if (existing) {
        setActiveCodec(existing);
        m_state.ignoreText = true;
        return;
    }
    static const QHash<int, QByteArray> charsets = {
        {0, "CP1252"}, {1, "CP1252"}, {77, "Apple Roman"}, {128, "Shift-JIS"}, {129, "eucKR"},
        {130, "CP1361"}, {134, "GB2312"}, {136, "Big5-HKSCS"}, {161, "CP1253"}, {162, "CP1254"},
        {163, "CP1258"}, {177, "CP1255"}, {178, "CP1256"}, {186, "CP1257"}, {204, "CP1251"},
        {222, "CP874"}, {238, "CP1250"}, {255, "CP850"}};
    const auto name = charsets.constFind(value);
    if (name == charsets.constEnd())
        return;
    QTextCodec* codec = CodePage::codecForName(*name);
    if (!codec)
        return;
    m_fontCodecs.insert(m_state.activeFont, codec);
    setActiveCodec(codec);
    m_state.ignoreText = true;
}

void RtfReader::startStyleSheet(int)
{
    m_state.table = &stylesheetFunctions();
}

void RtfReader::setStyle(int value)
{
    m_state.styleId = value;
    const auto found = m_styles.constFind(value);
    if (found == m_styles.constEnd())
        return;
    const Style style = *found;
    mergeBlock(style.blockFormat);
    mergeChar(style.charFormat);
    if (style.table)
        m_state.table = style.table;
}

void RtfReader::setStyleId(int value)
{
    m_state.styleId = value;
    m_styleSheetEnd = &RtfReader::setStyleEnd;
}

void RtfReader::setStyleParent(int value)
{
    const int id = m_state.styleId;
    if (value == id)
        return;
    const Style parent = m_styles.value(value);
    Style& style = m_styles[id];
    inherit(style.blockFormat, style.charFormat, parent.blockFormat, parent.charFormat);
    m_styles[value].children.insert(id);
}

void RtfReader::setStyleName(const QString& text)
{
    const int level = FormatHeading::levelFromStyleName(text, 1);
    if (level > 0)
        FormatHeading::setLevel(m_styles[m_state.styleId].blockFormat, level);
}

void RtfReader::setStyleEnd()
{
    const int id = m_state.styleId;
    Style& style = m_styles[id];
    style.blockFormat.merge(m_state.blockFormat);
    style.charFormat.merge(m_state.charFormat);
    if (FormatHeading::level(style.blockFormat) != 0) {
        style.charFormat.setFontWeight(QFont::Normal);
        style.table = &headingFunctions();
    } else {
        style.table = &functions();
    }
    const Style base = style;
    for (int childId : base.children) {
        if (childId == id)
            continue;
        Style& child = m_styles[childId];
        inherit(child.blockFormat, child.charFormat, base.blockFormat, base.charFormat);
    }
    m_styleSheetEnd = &RtfReader::setStyleSheetEnd;
}

void RtfReader::setStyleSheetEnd()
{
    m_styleSheetEnd = nullptr;
}
