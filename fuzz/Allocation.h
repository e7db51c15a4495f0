// Keeps freed memory in the process. A score table is 400 000 bytes: given back to the system at
// each free, every run would fault its pages in again, and the faults would cost more than the
// code under test. AddressSanitizer has its own allocator; this changes nothing under it.
#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace cogitelle::fuzz {

inline void GarderLaMemoire()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

} // namespace cogitelle::fuzz
