#include "heapreuse.h"

#include <cstdlib> // defines __GLIBC__ with glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tavrolin {

// glibc maps each block from 128 KB up on its own and unmaps it when freed. Below these limits
// such blocks come from the heap, and the heap keeps what is freed at its top.
void keepFreedMemoryForReuse()
{
#ifdef __GLIBC__
    constexpr int kOwnMappingFrom = 32 * 1024 * 1024; // the most glibc takes
    constexpr int kKeptAtTop = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTop);
#endif
}

} // namespace tavrolin
