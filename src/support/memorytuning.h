#ifndef MEMORYTUNING_H
#define MEMORYTUNING_H

#include <cstdlib> // defines __GLIBC__ with the C library
#ifdef __GLIBC__
#include <malloc.h>
#endif

// Book-sized buffers (a loaded file, the text of a save, its UTF-8 bytes)
// live for a moment, often on another thread. glibc raises its threshold
// for giving such blocks straight back to the system after the first one
// is freed and then keeps them in per-thread heaps, which adds tens of
// megabytes to the resident size of a program editing a 20 MB book. A fixed
// threshold gives every block above 256 KiB back as soon as it is freed.
inline void giveBackLargeBlocks()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

#endif
