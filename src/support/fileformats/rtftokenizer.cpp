#include "rtftokenizer.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

// Parameters are 16- or 32-bit numbers in practice; longer digit runs are
// held at this bound instead of overflowing.
const qint64 MaxValue = 1000000000;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

}

void RtfTokenizer::setDevice(QIODevice* device)
{
    m_device = device;
    m_buffer.clear();
    m_position = 0;
    m_error.clear();
}

bool RtfTokenizer::hasNext() const
{
    if (!m_device || hasError())
        return false;
    return m_position < m_buffer.size() || !m_device->atEnd();
}

bool RtfTokenizer::getChar(char& c)
{
    if (m_position >= m_buffer.size()) {
        m_buffer = m_device->read(8192);
        m_position = 0;
        QCoreApplication::processEvents();
        if (m_buffer.isEmpty())
            return false;
    }
    c = m_buffer.at(m_position++);
    return true;
}

void RtfTokenizer::ungetChar()
{
    if (m_position > 0)
        --m_position;
}

bool RtfTokenizer::fail()
{
    m_error = QCoreApplication::translate("RtfTokenizer", "Unexpectedly reached end of file.");
    m_type = NoToken;
    return false;
}

void RtfTokenizer::readNext()
{
    for (;;) {
        m_type = TextToken;
        m_text.clear();
        m_hex.clear();
        m_value = 0;
        m_hasValue = false;
        if (!m_device || hasError()) {
            m_type = NoToken;
            return;
        }

        char c = 0;
        do {
            if (!getChar(c)) {
                // Line ends after the last token are not a cut token.
                m_type = NoToken;
                return;
            }
        } while (c == '\r' || c == '\n');

        if (c == '{') {
            m_type = StartGroupToken;
            return;
        }
        if (c == '}') {
            m_type = EndGroupToken;
            return;
        }
        if (c != '\\') {
            m_text += c;
            for (;;) {
                if (!getChar(c)) {
                    fail();
                    return;
                }
                if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n') {
                    ungetChar();
                    return;
                }
                m_text += c;
            }
        }

        m_type = ControlWordToken;
        if (!getChar(c)) {
            fail();
            return;
        }
        if (c == '\'') {
            m_text = "'";
            char high = 0;
            char low = 0;
            if (!getChar(high) || !getChar(low)) {
                fail();
                return;
            }
            m_hex = QByteArray(1, char(hexDigit(high) * 16 + hexDigit(low)));
            return;
        }
        if (!isLetter(c)) {
            m_text = QByteArray(1, c);
            return;
        }
        while (isLetter(c)) {
            m_text += c;
            if (!getChar(c)) {
                fail();
                return;
            }
        }
        qint64 sign = 1;
        if (c == '-') {
            sign = -1;
            if (!getChar(c)) {
                fail();
                return;
            }
        }
        qint64 number = 0;
        while (c >= '0' && c <= '9') {
            m_hasValue = true;
            number = qMin(MaxValue, number * 10 + (c - '0'));
            if (!getChar(c)) {
                fail();
                return;
            }
        }
        m_value = int(sign * number);
        if (c != ' ')
            ungetChar();

        if (m_text == "bin") {
            // Binary data: skipped byte by byte, then the next token follows.
            for (int i = 0; i < m_value; ++i) {
                if (!getChar(c)) {
                    fail();
                    return;
                }
            }
            continue;
        }
        return;
    }
}
