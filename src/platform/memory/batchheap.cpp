#include "batchheap.h"

#include "core/largetext.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ with glibc
#ifdef __GLIBC__
#include <malloc.h>
#include <unistd.h>
#endif

namespace tavrolin {

#ifdef __GLIBC__

namespace {

constexpr int kHeapStep = 64 * 1024 * 1024;

// glibc maps each block from 128 KB up on its own and unmaps it when freed, and hands the top of
// the heap back when 128 KB of it are free. Below these limits such blocks come from the heap and
// stay there for reuse.
void keepFreedBlocks()
{
    constexpr int kOwnMappingFrom = 32 * 1024 * 1024; // the most glibc takes
    constexpr int kKeptAtTop = 2 * kHeapStep;
    mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTop);
}

// The heap grows by kHeapStep at a time; the first step is taken now, by a block more than its top
// holds, so its whole range is known and can be advised as memory for transparent huge pages. Its
// pages are still only made as they are touched.
void growHeapInLargePages()
{
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    mallopt(M_TOP_PAD, kHeapStep);
    void *volatile block = std::malloc(kLargePageSize); // volatile: the pair is not optimised away
    std::free(block);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    adviseLargePages(reinterpret_cast<void *>(before), after - before);
}

} // namespace

void prepareHeapForBatchWork()
{
    keepFreedBlocks();
    growHeapInLargePages();
}

#else

void prepareHeapForBatchWork() {}

#endif

} // namespace tavrolin
