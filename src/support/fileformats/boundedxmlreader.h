#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include <QXmlStreamReader>

class ReadMeter;

// The XML reader of the document readers. Every token goes through the
// read meter: elements are counted, nesting and time are bounded, and a
// limit passed anywhere in the read (also by the text inserted) becomes
// this reader's error, which ends every reading loop at once. The calls
// below hide those of QXmlStreamReader so that skipped elements count too.
class BoundedXmlReader : public QXmlStreamReader
{
public:
    BoundedXmlReader();

    void setMeter(ReadMeter* meter) { m_meter = meter; }

    TokenType readNext();
    bool readNextStartElement();
    void skipCurrentElement();

private:
    ReadMeter* m_meter = nullptr;
};

#endif
