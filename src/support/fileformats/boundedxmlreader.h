#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include "guardedxmlreader.h"

class ReadMeter;

// The XML reader of the document readers. Every token goes through the
// read meter: elements are counted, nesting and time are bounded, and a
// limit passed anywhere in the read (also by the text inserted) becomes
// this reader's error, which ends every reading loop at once; so does
// unpacked markup out of proportion to the text. A token is
// bounded by the character limit and the read's time limit while it is read. The calls below hide
// those of QXmlStreamReader so that skipped elements count too.
class BoundedXmlReader : public GuardedXmlReader
{
public:
    void setMeter(ReadMeter* meter) { m_meter = meter; }
    // Starts a document; the meter must have been started. An unpacked
    // document is a member of a package (DOCX, ODT).
    void setDevice(QIODevice* device, bool unpacked = false);
    // From here on (the body of the text) the markup of an unpacked
    // document counts against the text read (ReadLimits::markupAllowance).
    void countMarkup();
    // While on, the markup counted is markup ahead of its text
    // (ReadLimits::markupAhead) instead.
    void setMarkupAhead(bool ahead);

    TokenType readNext();
    bool readNextStartElement();
    void skipCurrentElement();

private:
    // Counts the markup up to here against the meter.
    bool countToHere();

    ReadMeter* m_meter = nullptr;
    bool m_unpacked = false;
    bool m_counting = false;
    bool m_ahead = false;
    // Characters of the document counted as markup so far.
    qint64 m_counted = 0;
};

#endif
