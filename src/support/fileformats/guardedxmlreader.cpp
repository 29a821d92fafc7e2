#include "guardedxmlreader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDecoder>

namespace {

// Characters given to the parser at a time.
const int SliceSize = 64 * 1024;
// Declarations that make the parser produce text the input does not hold.
const char* const Refused[] = {"<!ENTITY", "<!ATTLIST"};
const int LongestRefused = 9;
// Tokens read between two looks at the clock.
const int TokensPerCheck = 256;

// The encoding of a document by its first four bytes, as the XML rules
// tell it: a byte-order mark, else the pattern of zero bytes that "<"
// leaves in UTF-32 and UTF-16. Null when none of them is found.
QTextCodec* codecOfHead(const QByteArray& head)
{
    struct Pattern {
        const char* bytes;
        int size;
        const char* codec;
    };
    // UTF-32 before UTF-16: "FF FE 00 00" also starts like UTF-16's mark.
    static const Pattern patterns[] = {
        {"\x00\x00\xFE\xFF", 4, "UTF-32BE"}, {"\xFF\xFE\x00\x00", 4, "UTF-32LE"},
        {"\x00\x00\x00<", 4, "UTF-32BE"},    {"<\x00\x00\x00", 4, "UTF-32LE"},
        {"\xFE\xFF", 2, "UTF-16BE"},         {"\xFF\xFE", 2, "UTF-16LE"},
        {"\x00<", 2, "UTF-16BE"},            {"<\x00", 2, "UTF-16LE"},
        {"\xEF\xBB\xBF", 3, "UTF-8"},
    };
    for (const Pattern& p : patterns) {
        if (head.startsWith(QByteArray::fromRawData(p.bytes, p.size)))
            return QTextCodec::codecForName(p.codec);
    }
    return nullptr;
}

}

GuardedXmlReader::GuardedXmlReader()
{
    setNamespaceProcessing(false);
}

GuardedXmlReader::~GuardedXmlReader() = default;

void GuardedXmlReader::restart()
{
    QXmlStreamReader::clear();
    m_source = Source::None;
    m_device = nullptr;
    m_held.clear();
    m_bytes.clear();
    m_text.clear();
    m_position = 0;
    m_decoder.reset();
    m_inDocument = false;
    m_tail.clear();
    m_scanner.reset();
    m_spanned = 0;
    m_tokenSinceFeed = true;
    m_lastUnits = 0;
    m_tokens = 0;
    m_finished = false;
}

void GuardedXmlReader::setDevice(QIODevice* device)
{
    restart();
    m_device = device;
    m_source = device ? Source::Device : Source::None;
}

void GuardedXmlReader::setData(const QByteArray& bytes)
{
    restart();
    m_source = Source::Bytes;
    m_bytes = bytes;
}

void GuardedXmlReader::setText(const QString& text)
{
    restart();
    m_source = Source::Text;
    m_text = text;
}

void GuardedXmlReader::setTokenLimit(qint64 characters, const QString& message)
{
    m_tokenLimit = characters;
    m_tokenMessage = message;
}

void GuardedXmlReader::setDeadline(QDeadlineTimer deadline, const QString& message)
{
    m_deadline = deadline;
    m_lateMessage = message;
}

// Whether the deadline has passed; the read then stops.
bool GuardedXmlReader::late()
{
    if (!m_deadline.hasExpired())
        return false;
    if (error() == NoError || error() == PrematureEndOfDocumentError)
        raiseError(m_lateMessage);
    return true;
}

QXmlStreamReader::TokenType GuardedXmlReader::readNext()
{
    for (;;) {
        if (++m_tokens % TokensPerCheck == 0 && late())
            return Invalid;
        const TokenType token = QXmlStreamReader::readNext();
        if (token == Invalid && error() == PrematureEndOfDocumentError && !m_finished) {
            if (feed())
                continue;
            return Invalid;
        }
        if (token != Invalid) {
            m_tokenSinceFeed = true;
            m_spanned = 0;
        }
        // Declarations come before the root element; none can follow it.
        if (token == StartElement)
            m_inDocument = true;
        return token;
    }
}

// The encoding as the XML rules find it: by the first four bytes, else
// the declaration's encoding, else UTF-8.
bool GuardedXmlReader::decodeStart(const QByteArray& head)
{
    QTextCodec* codec = codecOfHead(head);
    if (!codec && head.startsWith("<?xml")) {
        static const QRegularExpression encoding(QStringLiteral("^<\\?xml[^>]*\\sencoding\\s*=\\s*[\"']([^\"']*)[\"']"));
        const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(head.left(head.indexOf("?>"))));
        if (match.hasMatch()) {
            codec = QTextCodec::codecForName(match.captured(1).toLatin1());
            if (!codec) {
                raiseError(QCoreApplication::translate("FormatReader", "不支持文档的编码 %1。").arg(match.captured(1)));
                return false;
            }
        }
    }
    if (!codec)
        codec = QTextCodec::codecForMib(106);
    m_decoder.reset(codec->makeDecoder());
    return true;
}

template <typename Text>
bool GuardedXmlReader::refuse(const Text& window)
{
    for (const char* declaration : Refused) {
        if (window.contains(QLatin1String(declaration))) {
            raiseError(QCoreApplication::translate("FormatReader", "文档类型声明了实体或属性默认值（%1），已拒绝读取。")
                           .arg(QLatin1String(declaration)));
            return true;
        }
    }
    return false;
}

// Gives the parser the next slice; false once the read was stopped. At the
// end of the input the parser is left to report it.
bool GuardedXmlReader::feed()
{
    if (late())
        return false;
    // No token since the last slice: one token spans it whole.
    if (m_tokenLimit > 0 && !m_tokenSinceFeed) {
        m_spanned += m_lastUnits;
        if (m_spanned > m_tokenLimit) {
            raiseError(m_tokenMessage);
            return false;
        }
    }
    m_tokenSinceFeed = false;
    if (m_source == Source::Text) {
        const QString slice = m_text.mid(int(m_position), SliceSize);
        m_position += SliceSize;
        return feedText(slice);
    }
    auto next = [this]() {
        const QByteArray bytes = m_source == Source::Device ? m_device->read(SliceSize)
            : m_source == Source::Bytes                    ? m_bytes.mid(int(m_position), SliceSize)
                                                           : QByteArray();
        m_position += bytes.size();
        return bytes;
    };
    QByteArray bytes = next();
    // The encoding is told from four bytes at least.
    while (!m_decoder && !bytes.isEmpty() && bytes.size() < 4) {
        const QByteArray more = next();
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.isEmpty())
        return feedText(QString());
    if (!m_decoder && !decodeStart(bytes))
        return false;
    const QString slice = m_decoder->toUnicode(bytes);
    if (m_decoder->hasFailure()) {
        raiseError(QCoreApplication::translate("FormatReader", "文档中有不符合其编码的字节。"));
        return false;
    }
    return feedText(slice);
}

bool GuardedXmlReader::feedText(const QString& text)
{
    QString slice = m_held + text;
    m_held.clear();
    if (slice.isEmpty()) {
        m_finished = true;
        return true;
    }
    if (!m_inDocument) {
        const QString window = m_tail + slice;
        if (refuse(window))
            return false;
        m_tail = window.right(LongestRefused);
    }
    // A pair of surrogates is never cut between two slices.
    if (slice.size() > 1 && slice.at(slice.size() - 1).isHighSurrogate()) {
        m_held = slice.back();
        slice.chop(1);
    }
    if (!m_scanner.scan(slice, m_attributeLimit)) {
        raiseError(QCoreApplication::translate("FormatReader", "文档中一个元素的属性过多：超过 %n 个，已停止读取。",
                                               nullptr, m_attributeLimit));
        return false;
    }
    m_lastUnits = slice.size();
    addData(slice);
    return true;
}
