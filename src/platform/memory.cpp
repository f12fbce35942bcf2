#include "platform/memory.h"

#include <cstdlib> // defines __GLIBC__ with the C library that has the settings below

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    // Texts up to this size come from the heap and go back to it, not to the system.
    constexpr int kLargestHeapText = 32 * 1024 * 1024; // the most the heap may be asked for
    mallopt(M_MMAP_THRESHOLD, kLargestHeapText);
    // The heap's free top is never given back: it is what the next texts are made in.
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
}
