#include "archive/memory.h"

#include <cstdlib>  // names the C library (__GLIBC__), which the settings below depend on

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace custovia {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // the top of the heap is given back only beyond 256 MB, and it grows 64 MB at a time
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
    // blocks up to 32 MB (a scan's read buffer, the row list of a large search) come from the
    // heap too: setting the two above stops the library from raising this limit by itself, and
    // a block of its own would be mapped afresh, page by page, at every search
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace custovia
