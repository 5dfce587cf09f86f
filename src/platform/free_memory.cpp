#include "platform/free_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quellan::platform {

void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace quellan::platform
