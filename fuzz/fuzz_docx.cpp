// Fuzz target: the DOCX reader on arbitrary bytes. An input that is no ZIP
// package is packed into one first, so that the XML reading is fuzzed past
// the members' checksums: the text before a line "--" is "word/styles.xml",
// the rest "word/document.xml".
#include "fuzzsetup.h"

#include "support/fileformats/docxreader.h"

#include <private/qzipwriter_p.h>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DocxReader reader;
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    if (input.startsWith("PK")) {
        readInto(&reader, data, size);
        return 0;
    }
    const int split = input.indexOf("\n--\n");
    QByteArray package;
    QBuffer buffer(&package);
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter zip(&buffer);
        zip.setCompressionPolicy(QZipWriter::NeverCompress);
        if (split >= 0)
            zip.addFile(QStringLiteral("word/styles.xml"), input.left(split));
        zip.addFile(QStringLiteral("word/document.xml"), split >= 0 ? input.mid(split + 4) : input);
        zip.close();
    }
    readInto(&reader, reinterpret_cast<const uint8_t*>(package.constData()), size_t(package.size()));
    return 0;
}
