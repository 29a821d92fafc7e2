// Fuzz target: the ODT reader (package or flat XML) on arbitrary bytes.
#include "fuzzsetup.h"

#include "support/fileformats/odtreader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OdtReader reader;
    readInto(&reader, data, size);
    return 0;
}
