#ifndef TXTREADER_H
#define TXTREADER_H

#include "formatreader.h"

// Reads plain text (UTF-8 or GBK, or Unicode with a byte-order mark) into
// the document as unformatted paragraphs.
class TxtReader : public FormatReader
{
public:
    int type() const override;
    void readData(QIODevice* device) override;

    // The encoding of the whole content, by the program's shared detection.
    static QString getCodecName(QIODevice* device);
    static QString toHexString(const QByteArray& bytes);
};

#endif
