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

bool holds(const QString& window, const char* declaration) { return window.contains(QLatin1String(declaration)); }
bool holds(const QByteArray& window, const char* declaration) { return window.contains(declaration); }

// The UTF-16 units (as the parser counts characters) of UTF-8 bytes: every
// byte that does not continue a character, one more for a four-byte one.
qint64 utf16Units(const QByteArray& bytes)
{
    qint64 units = 0;
    for (const char c : bytes) {
        const uchar b = uchar(c);
        units += ((b & 0xC0) != 0x80) + (b >= 0xF0);
    }
    return units;
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
    m_utf8 = false;
    m_inDocument = false;
    m_tail.clear();
    m_tailBytes.clear();
    m_spanned = 0;
    m_tokenSinceFeed = true;
    m_lastBytes.clear();
    m_lastUnits = 0;
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

QXmlStreamReader::TokenType GuardedXmlReader::readNext()
{
    for (;;) {
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

// The encoding as the XML rules find it: a byte-order mark, UTF-16 by its
// first characters, the declaration's encoding, else UTF-8. UTF-8 is
// given to the parser as it comes; anything else is decoded here.
bool GuardedXmlReader::decodeStart(const QByteArray& head)
{
    QTextCodec* codec = QTextCodec::codecForUtfText(head, nullptr);
    if (!codec && head.startsWith(QByteArray("<\0?\0", 4)))
        codec = QTextCodec::codecForName("UTF-16LE");
    else if (!codec && head.startsWith(QByteArray("\0<\0?", 4)))
        codec = QTextCodec::codecForName("UTF-16BE");
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
    m_utf8 = !codec || codec->mibEnum() == 106;
    if (!m_utf8)
        m_decoder.reset(codec->makeDecoder());
    return true;
}

template <typename Text>
bool GuardedXmlReader::refuse(const Text& window)
{
    for (const char* declaration : Refused) {
        if (holds(window, declaration)) {
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
    // No token since the last slice: one token spans it whole.
    if (m_tokenLimit > 0 && !m_tokenSinceFeed) {
        m_spanned += m_lastUnits >= 0 ? m_lastUnits : utf16Units(m_lastBytes);
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
    const QByteArray bytes = m_source == Source::Device ? m_device->read(SliceSize)
        : m_source == Source::Bytes                    ? m_bytes.mid(int(m_position), SliceSize)
                                                       : QByteArray();
    m_position += bytes.size();
    if (bytes.isEmpty())
        return feedText(QString());
    if (!m_utf8 && !m_decoder && !decodeStart(bytes))
        return false;
    if (m_decoder) {
        const QString slice = m_decoder->toUnicode(bytes);
        if (m_decoder->hasFailure()) {
            raiseError(QCoreApplication::translate("FormatReader", "文档中有不符合其编码的字节。"));
            return false;
        }
        return feedText(slice);
    }
    if (!m_inDocument) {
        const QByteArray window = m_tailBytes + bytes;
        if (refuse(window))
            return false;
        m_tailBytes = window.right(LongestRefused);
    }
    m_lastBytes = bytes;
    m_lastUnits = -1;
    addData(bytes);
    return true;
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
    m_lastUnits = slice.size();
    addData(slice);
    return true;
}
