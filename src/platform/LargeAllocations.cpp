#include "platform/LargeAllocations.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void returnLargeBlocksToTheSystem()
{
#if defined(__GLIBC__)
    // Blocks from 1 MB on are mapped on their own and unmapped when freed; a
    // fixed threshold also keeps the library from raising it after each free.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}
