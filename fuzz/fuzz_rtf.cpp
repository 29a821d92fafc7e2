// Fuzz target: the RTF reader on arbitrary bytes.
#include "fuzzsetup.h"

#include "support/fileformats/rtfreader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RtfReader reader;
    readInto(&reader, data, size);
    return 0;
}
