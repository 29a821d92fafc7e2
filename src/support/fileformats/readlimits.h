#ifndef READLIMITS_H
#define READLIMITS_H

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QString>

// Bounds on one read of an outside document. They lie far above any real
// book (a 20 MB novel uses a small part of each), so only damaged or
// hostile files meet them; such a read stops with a clear message instead
// of hanging or exhausting memory.
struct ReadLimits {
    qint64 maxCharacters = 64LL * 1024 * 1024;
    qint64 maxParagraphs = 1024LL * 1024;
    // XML elements, or RTF groups and control words.
    qint64 maxElements = 64LL * 1024 * 1024;
    int maxDepth = 1024;
    qint64 maxMilliseconds = 120000;
    // Unpacked markup (XML characters read) beyond what the text read so far
    // justifies: an allowance for styles and short documents, then so many
    // characters of markup per character of text (a paragraph's end counts
    // as one). Tables of one-figure cells with borders, and text converted
    // from PDF with a run of formatting per character, stay far below it; a
    // small package that unpacks to hundreds of megabytes of markup without
    // text is stopped within its first megabytes.
    qint64 markupAllowance = 4LL * 1024 * 1024;
    qint64 markupPerCharacter = 1024;
    // Markup a format keeps ahead of the text it belongs to (LibreOffice
    // writes the record of every tracked change before the first paragraph):
    // no text has been read yet to measure it against, so it has a bound of
    // its own, far above the records of 100 000 changes.
    qint64 markupAhead = 64LL * 1024 * 1024;
    // Empty paragraphs beyond an allowance plus so many per paragraph with
    // text: blank lines between paragraphs and empty table cells stay below
    // it, a flood of bare paragraphs (each costs memory, none carries text)
    // is refused.
    qint64 emptyParagraphAllowance = 32768;
    qint64 emptyParagraphsPerParagraph = 4;
};

// Counts what a read has produced and spent against its limits. The first
// limit passed sets the error, which stays; every later count fails too.
class ReadMeter
{
public:
    void start(const ReadLimits& limits);

    bool addCharacters(qint64 count);
    // A new paragraph; `previousEmpty` when the one it follows holds nothing.
    bool addParagraph(bool previousEmpty = false);
    // Characters of markup read (unpacked XML, text included), and markup
    // ahead of its text (ReadLimits::markupAhead).
    bool addMarkup(qint64 count);
    bool addMarkupAhead(qint64 count);
    // One element (or token) read; the clock is checked every few hundred.
    bool addElement();
    bool enter();
    void leave();

    int depth() const { return m_depth; }
    const ReadLimits& limits() const { return m_limits; }
    static QString tooManyCharacters(qint64 limit);
    static QString tooMuchMarkup();
    // When the time limit runs out, for checks inside one token.
    QDeadlineTimer deadline() const { return m_deadline; }
    QString timeoutMessage() const;
    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);

    ReadLimits m_limits;
    QElapsedTimer m_timer;
    QDeadlineTimer m_deadline;
    qint64 m_characters = 0;
    qint64 m_paragraphs = 0;
    qint64 m_emptyParagraphs = 0;
    qint64 m_markup = 0;
    qint64 m_markupAhead = 0;
    qint64 m_elements = 0;
    int m_depth = 0;
    QString m_error;
};

#endif
