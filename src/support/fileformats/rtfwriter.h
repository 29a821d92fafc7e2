#ifndef RTFWRITER_H
#define RTFWRITER_H

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextCodec;
class QTextDocument;

// Writes a QTextDocument as RTF in one 8-bit code page, chosen from the
// given encoding or, when that is empty, from the user's locale. Characters
// outside the code page become Unicode escapes.
class RtfWriter
{
public:
    explicit RtfWriter(const QByteArray& encoding = QByteArray());

    QByteArray encoding() const { return m_encoding; }
    bool write(QIODevice* device, const QTextDocument* document);
    QByteArray fromUnicode(const QString& text) const;

    // The code page for a locale name such as "ru_RU.ISO-8859-5"; empty when
    // the name says nothing about one.
    static QByteArray codePageForLocaleName(const QByteArray& name);

private:
    static QByteArray localeCodePage();

    QByteArray m_encoding;
    QTextCodec* m_codec = nullptr;
    bool m_supportsAscii = false;
    QByteArray m_header;
};

#endif
