#include "archive/memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace custovia {

void keepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // the top of the heap is given back only beyond 256 MB, and it grows 64 MB at a time
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
#endif
}

}  // namespace custovia
