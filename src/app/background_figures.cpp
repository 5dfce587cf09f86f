#include "app/background_figures.h"

#include "coach/distance_map.h"
#include "platform/free_memory.h"

namespace quellan {

void releaseWorkerMemory() {
    releaseBuildMemory();
    platform::returnFreedMemory();
}

}  // namespace quellan
