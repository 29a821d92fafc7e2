// Fuzz target: the ZIP package reader on arbitrary bytes, unpacking the
// members the document readers ask for.
#include "fuzzsetup.h"

#include "support/fileformats/zippackage.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    ZipPackage package(&buffer);
    for (const char* name : {"mimetype", "styles.xml", "content.xml", "word/styles.xml", "word/document.xml"}) {
        bool damaged = false;
        const QByteArray member = package.fileData(QLatin1String(name), &damaged);
        if (damaged && !member.isEmpty())
            __builtin_trap();
    }
    return 0;
}
