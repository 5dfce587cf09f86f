#include "platform/free_memory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace quellan::platform {
namespace {

#if defined(__linux__)
// The process's resident bytes, as the system counts them.
long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}
#endif

TEST(FreeMemory, FreedBlocksBelowOneStillInUseGoBackToTheSystem) {
#if !defined(__linux__) || !defined(__GLIBC__)
    GTEST_SKIP() << "resident memory is read from Linux's /proc, the allocator is glibc's";
#else
    // Small blocks come from the allocation area; the last one, kept, holds
    // the freed ones below it in the area.
    constexpr int kBlocks = 4000;
    constexpr size_t kBlockBytes = 1000;
    std::vector<void*> blocks;
    for (int i = 0; i < kBlocks; ++i) {
        blocks.push_back(std::malloc(kBlockBytes));
        std::memset(blocks.back(), 1, kBlockBytes);
    }
    for (int i = 0; i + 1 < kBlocks; ++i) std::free(blocks[i]);
    const long before = residentBytes();
    returnFreedMemory();
    EXPECT_LT(residentBytes(), before - long(kBlocks * kBlockBytes) / 2);
    std::free(blocks.back());
#endif
}

}  // namespace
}  // namespace quellan::platform
