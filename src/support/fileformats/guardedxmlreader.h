#ifndef GUARDEDXMLREADER_H
#define GUARDEDXMLREADER_H

#include "markupscanner.h"

#include <QDeadlineTimer>
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
//   read, instead of being gathered whole first;
// - a start tag with more attributes (namespace declarations included) than
//   the attribute limit is refused before the parser sees it: the parser
//   checks them pairwise, in time that grows with the square of their number;
// - with a time limit set, the read stops once it is passed, checked at
//   every slice and every few hundred tokens.
// The input's encoding is found here the way the XML rules (and Qt's parser)
// find it: a byte-order mark, the first four bytes of UTF-32 or UTF-16, the
// XML declaration's encoding, else UTF-8. Every input is decoded here and
// handed over as characters, so the parser reads exactly what the checks saw.
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
    // Attributes one start tag may hold; the limit stays for later documents.
    void setAttributeLimit(int attributes) { m_attributeLimit = attributes; }
    // The read stops with the message once the deadline has passed.
    void setDeadline(QDeadlineTimer deadline, const QString& message);

    // Far above the few dozen namespace declarations an office document's
    // root carries.
    static constexpr int MaxAttributes = 256;

    TokenType readNext();

private:
    void restart();
    bool feed();
    bool feedText(const QString& text);
    bool decodeStart(const QByteArray& head);
    bool late();
    template <typename Text>
    bool refuse(const Text& window);

    enum class Source { None, Device, Bytes, Text };
    Source m_source = Source::None;
    QIODevice* m_device = nullptr;
    QByteArray m_bytes;
    QString m_text;
    qint64 m_position = 0;
    std::unique_ptr<QTextDecoder> m_decoder;
    bool m_inDocument = false;
    QString m_tail;
    QString m_held;
    MarkupScanner m_scanner;
    // Characters of the slices that one unfinished token spans whole.
    qint64 m_spanned = 0;
    bool m_tokenSinceFeed = true;
    qint64 m_lastUnits = 0;
    qint64 m_tokenLimit = 0;
    QString m_tokenMessage;
    int m_attributeLimit = MaxAttributes;
    QDeadlineTimer m_deadline = QDeadlineTimer::Forever;
    QString m_lateMessage;
    int m_tokens = 0;
    bool m_finished = true;
};

#endif
