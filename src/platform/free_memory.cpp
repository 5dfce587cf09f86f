#include "platform/free_memory.h"

// Any header of the C library says whether it is glibc; without one before
// the test below, the test fails and the calls are left out.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quellan::platform {

namespace {
// Blocks from this size up are mapped on their own and unmapped when freed:
// the allocator's own starting figure, but fixed, so that it does not grow
// with each large block freed (decoded pictures and sounds, the window's
// first paint) until such blocks stay in the allocation areas.
constexpr int kOwnMappingFrom = 128 * 1024;
// Free memory at the top of an allocation area beyond this goes back at
// once; fixed for the same reason.
constexpr int kKeepFreeAtTop = 128 * 1024;
// All threads share one allocation area: a second one kept its own free
// memory after the start-up threads were done (about 50 kB), and those
// threads seldom allocate at the same moment, so they hardly ever wait for
// one another.
constexpr int kAllocationAreas = 1;
}  // namespace

void keepAllocatorLean() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
    mallopt(M_TRIM_THRESHOLD, kKeepFreeAtTop);
    mallopt(M_ARENA_MAX, kAllocationAreas);
#endif
}

void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace quellan::platform
