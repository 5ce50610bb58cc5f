#pragma once

namespace tavrolin {

// Prepares the C library's heap for a headless command's work on a long drawing list, which makes
// a few large blocks (a list file's bytes) and then tens of thousands of small texts. Each fresh
// page of memory the program touches costs a page fault, and on a virtual machine a page fault
// can cost more than the work done on the page. So large blocks that are freed are kept for the
// next allocations instead of being handed back to the system, and the heap is grown at once
// and backed by large pages where the system offers them (2 MB for one fault instead of 512).
// Does nothing where the C library is not glibc.
void prepareHeapForBatchWork();

} // namespace tavrolin
