#ifndef FORMATREADER_H
#define FORMATREADER_H

#include "readlimits.h"

#include <QByteArray>
#include <QString>
#include <QTextCursor>

class QIODevice;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Base of every document reader: fills a QTextDocument through a cursor.
// The caller binds the cursor (setCursor, or read() which places it at the
// document's end), calls readData() and then looks at errorString() and,
// for plain text and RTF, encoding().
class FormatReader
{
public:
    FormatReader();
    virtual ~FormatReader();

    virtual int type() const;
    virtual void readData(QIODevice* device) = 0;

    // Convenience entry: reads the device into the end of the document.
    // Returns true when no error was reported.
    bool read(QIODevice* device, QTextDocument* document);

    void setCursor(const QTextCursor& cursor) { m_cursor = cursor; }
    QTextCursor cursor() const { return m_cursor; }
    QString errorString() const { return m_error; }
    bool hasError() const { return !m_error.isEmpty(); }
    QByteArray encoding() const { return m_encoding; }

    // The bounds of the next read; the defaults suit every real book.
    void setLimits(const ReadLimits& limits) { m_limits = limits; }
    ReadLimits limits() const { return m_limits; }

protected:
    // Held for the whole of readData: starts the meter and switches the
    // target document's undo history off, so reading a book keeps no copy
    // of every insertion (the document's earlier history is dropped; it is
    // switched on again, empty, afterwards). A limit the meter met becomes
    // the read's error, if no other error was set, so a read cut short is
    // never taken for a whole one.
    class ReadSession
    {
    public:
        explicit ReadSession(FormatReader* reader);
        ~ReadSession();

    private:
        FormatReader* m_reader;
        QTextDocument* m_document = nullptr;
        bool m_undo = false;
    };

    // Insertions through the meter: false, and nothing inserted, once a
    // limit is passed. A new block counts an empty one it follows.
    bool insertText(const QString& text, const QTextCharFormat& format);
    bool insertBlock(const QTextBlockFormat& blockFormat, const QTextCharFormat& charFormat);

    // A style based on another: the base's formats with the style's own
    // values merged over them (its own values win).
    static void inherit(QTextBlockFormat& block, QTextCharFormat& chars, const QTextBlockFormat& baseBlock,
                        const QTextCharFormat& baseChars);

    QTextCursor m_cursor;
    QString m_error;
    QByteArray m_encoding;
    ReadLimits m_limits;
    ReadMeter m_meter;
};

// Heading level of a paragraph: an int under QTextFormat::UserProperty of
// its block format; 0 or no value is a body paragraph, 1..6 a heading.
namespace FormatHeading {
int level(const QTextBlockFormat& format);
void setLevel(QTextBlockFormat& format, int level);
// The level named by a style name: names starting with "Head" are headings
// whose level is the digit at position `digitAt` from the end (0 = last
// character), clamped to 1..6; any other name gives 0.
int levelFromStyleName(const QString& name, int digitAt = 0);
}

// The edge a paragraph lines up on. Qt's left and right without
// Qt::AlignAbsolute follow the direction (in a right-to-left paragraph
// "left" is the right edge), and no alignment is the start of the line.
// Writers give right-to-left paragraphs their edge in the form each format
// is read in by word processors.
namespace FormatAlignment {
enum Edge { LeftEdge, RightEdge, Centre, Justify };
Edge edge(const QTextBlockFormat& format);
}

#endif
