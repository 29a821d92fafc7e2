#ifndef RTFTOKENIZER_H
#define RTFTOKENIZER_H

#include <QByteArray>
#include <QString>

class QIODevice;

// Cuts an RTF byte stream into groups, control words and text runs, reading
// the device in chunks of 8192 bytes.
class RtfTokenizer
{
public:
    enum TokenType { StartGroupToken, EndGroupToken, ControlWordToken, TextToken, NoToken };

    void setDevice(QIODevice* device);
    bool hasNext() const;
    void readNext();

    TokenType type() const { return m_type; }
    QByteArray text() const { return m_text; }
    QByteArray hex() const { return m_hex; }
    int value() const { return m_value; }
    bool hasValue() const { return m_hasValue; }
    // Set when the bytes ran out in the middle of a token.
    QString errorString() const { return m_error; }
    bool hasError() const { return !m_error.isEmpty(); }

private:
    bool getChar(char& c);
    void ungetChar();
    bool fail();

    QIODevice* m_device = nullptr;
    QByteArray m_buffer;
    int m_position = 0;
    TokenType m_type = NoToken;
    QByteArray m_text;
    QByteArray m_hex;
    int m_value = 0;
    bool m_hasValue = false;
    QString m_error;
};

#endif
