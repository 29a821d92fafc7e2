#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include "guardedxmlreader.h"

class ReadMeter;

// The XML reader of the document readers. Every token goes through the
// read meter: elements are counted, nesting and time are bounded, and a
// limit passed anywhere in the read (also by the text inserted) becomes
// this reader's error, which ends every reading loop at once. A token is
// bounded by the character limit and the read's time limit while it is read. The calls below hide
// those of QXmlStreamReader so that skipped elements count too.
class BoundedXmlReader : public GuardedXmlReader
{
public:
    void setMeter(ReadMeter* meter) { m_meter = meter; }
    // Starts a document; the meter must have been started.
    void setDevice(QIODevice* device);

    TokenType readNext();
    bool readNextStartElement();
    void skipCurrentElement();

private:
    ReadMeter* m_meter = nullptr;
};

#endif
