#ifndef GUARDEDXMLREADER_H
#define GUARDEDXMLREADER_H

#include <QString>
#include <QXmlStreamReader>

#include <memory>

class QIODevice;
class QTextDecoder;

// An XML stream reader for outside documents (office files, room records)
// that is fed by itself, a slice at a time, so that a small input cannot
// make it hold much more than the input:
// - a document type that declares entities or attribute defaults
//   ("<!ENTITY", "<!ATTLIST") is refused before the parser sees the
//   declaration: entity references and defaults multiply text without
//   bound, and no office document or room record uses them (declarations
//   can only stand before the root element, so only that part is looked at);
// - with a token limit set, one token (a text run, a comment, an attribute
//   value) still being read when it passes that many characters stops the
//   read, instead of being gathered whole first.
// The input's encoding is found here (byte-order mark, then the XML
// declaration's encoding, else UTF-8); what is not UTF-8 is decoded here,
// so the checks see the characters the parser sees.
// Reading calls must go through this class: it hides readNext().
class GuardedXmlReader : public QXmlStreamReader
{
public:
    GuardedXmlReader();
    ~GuardedXmlReader();

    // Starts a new document read from the device, the bytes or the text;
    // a null device clears the reader.
    void setDevice(QIODevice* device);
    void setData(const QByteArray& bytes);
    void setText(const QString& text);
    void setTokenLimit(qint64 characters, const QString& message);

    TokenType readNext();

private:
    void restart();
    bool feed();
    bool feedText(const QString& text);
    bool decodeStart(const QByteArray& head);
    template <typename Text>
    bool refuse(const Text& window);

    enum class Source { None, Device, Bytes, Text };
    Source m_source = Source::None;
    QIODevice* m_device = nullptr;
    QByteArray m_bytes;
    QString m_text;
    qint64 m_position = 0;
    std::unique_ptr<QTextDecoder> m_decoder;
    bool m_utf8 = false;
    bool m_inDocument = false;
    QString m_tail;
    QByteArray m_tailBytes;
    QString m_held;
    // Characters of the slices that one unfinished token spans whole.
    qint64 m_spanned = 0;
    bool m_tokenSinceFeed = true;
    QByteArray m_lastBytes;
    qint64 m_lastUnits = 0;
    qint64 m_tokenLimit = 0;
    QString m_tokenMessage;
    bool m_finished = true;
};

#endif
