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
    // characters of markup per character of text. Real documents, blank
    // lines and run upon run of formatting included, stay far below it; a
    // small package that unpacks to hundreds of megabytes of empty
    // paragraphs is stopped within its first megabytes.
    qint64 markupAllowance = 4LL * 1024 * 1024;
    qint64 markupPerCharacter = 128;
};

// Counts what a read has produced and spent against its limits. The first
// limit passed sets the error, which stays; every later count fails too.
class ReadMeter
{
public:
    void start(const ReadLimits& limits);

    bool addCharacters(qint64 count);
    bool addParagraph();
    // Characters of markup read (unpacked XML, text included).
    bool addMarkup(qint64 count);
    // One element (or token) read; the clock is checked every few hundred.
    bool addElement();
    bool enter();
    void leave();

    int depth() const { return m_depth; }
    const ReadLimits& limits() const { return m_limits; }
    static QString tooManyCharacters(qint64 limit);
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
    qint64 m_markup = 0;
    qint64 m_elements = 0;
    int m_depth = 0;
    QString m_error;
};

#endif
