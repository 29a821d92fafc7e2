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
    m_tail.clear();
    m_fed = 0;
    m_tokenEnd = 0;
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
        if (token != Invalid)
            m_tokenEnd = characterOffset();
        return token;
    }
}

// The encoding as the XML rules find it: a byte-order mark, UTF-16 by its
// first characters, the declaration's encoding, else UTF-8.
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
    if (!codec)
        codec = QTextCodec::codecForMib(106);
    m_decoder.reset(codec->makeDecoder());
    return true;
}

// Gives the parser the next slice; false once the input has ended (the
// parser then reports the end) or the read was stopped.
bool GuardedXmlReader::feed()
{
    if (m_tokenLimit > 0 && m_fed - m_tokenEnd > m_tokenLimit) {
        raiseError(m_tokenMessage);
        return false;
    }
    QString slice = m_held;
    m_held.clear();
    if (m_source == Source::Text) {
        slice += m_text.mid(int(m_position), SliceSize);
        m_position += SliceSize;
    } else if (m_source != Source::None) {
        const QByteArray bytes = m_source == Source::Device ? m_device->read(SliceSize) : m_bytes.mid(int(m_position), SliceSize);
        m_position += bytes.size();
        if (!bytes.isEmpty()) {
            if (!m_decoder && !decodeStart(bytes))
                return false;
            slice += m_decoder->toUnicode(bytes);
            if (m_decoder->hasFailure()) {
                raiseError(QCoreApplication::translate("FormatReader", "文档中有不符合其编码的字节。"));
                return false;
            }
        }
    }
    if (slice.isEmpty()) {
        m_finished = true;
        return true;
    }
    const QString window = m_tail + slice;
    for (const char* declaration : Refused) {
        if (window.contains(QLatin1String(declaration))) {
            raiseError(QCoreApplication::translate("FormatReader", "文档类型声明了实体或属性默认值（%1），已拒绝读取。")
                           .arg(QLatin1String(declaration)));
            return false;
        }
    }
    m_tail = window.right(LongestRefused);
    // A pair of surrogates is never cut between two slices.
    if (slice.size() > 1 && slice.at(slice.size() - 1).isHighSurrogate()) {
        m_held = slice.back();
        slice.chop(1);
    }
    addData(slice);
    m_fed += slice.size();
    return true;
}
