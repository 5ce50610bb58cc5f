#pragma once

namespace tavrolin {

// Keeps large blocks that the program frees for its next allocations instead of handing them back
// to the system at once. A headless command reads a whole list file, decodes it and frees the
// bytes, then makes tens of thousands of small texts: reusing the freed memory saves touching as
// many fresh pages, each of which costs a page fault. Does nothing where the C library decides
// this itself.
void keepFreedMemoryForReuse();

} // namespace tavrolin
