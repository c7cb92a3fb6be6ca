#include "base/LargeBlocks.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quorvane::detail {

void* AllocateLargeBlock(std::size_t bytes)
{
    if (bytes < kLargeBlock) {
        return ::operator new(bytes);
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(p, rounded, MADV_HUGEPAGE); // only advice: without huge pages the block works alike
#endif
    return p;
}

void FreeLargeBlock(void* p, std::size_t bytes)
{
    if (bytes < kLargeBlock) {
        ::operator delete(p);
    } else {
        std::free(p);
    }
}

} // namespace quorvane::detail
