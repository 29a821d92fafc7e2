#ifndef FUZZSETUP_H
#define FUZZSETUP_H

// Shared by the fuzz targets: the readers fill a QTextDocument, which needs
// a GUI application object (offscreen); limits are lower than the
// defaults so that each input stays quick, but every limit is still met
// by inputs the fuzzer finds.

#include "support/fileformats/formatreader.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdlib>
#include <memory>

inline void startFuzzing(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
}

inline ReadLimits fuzzLimits()
{
    ReadLimits limits;
    limits.maxCharacters = 1000000;
    limits.maxParagraphs = 100000;
    limits.maxElements = 1000000;
    limits.maxMilliseconds = 5000;
    limits.emptyParagraphAllowance = 1000;
    limits.markupAhead = 1024 * 1024;
    return limits;
}

// Reads the bytes with the reader into a fresh document.
inline void readInto(FormatReader* reader, const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    QTextDocument document;
    reader->setLimits(fuzzLimits());
    reader->read(&buffer, &document);
}

#endif
