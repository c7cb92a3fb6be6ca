#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

// Memory for the blocks that cover the whole pool (the survivor flags, the verdict bit sets). Each
// is written once in full right after it is allocated, so what it costs is mostly one page fault
// per 4 KB page; a block of a megabyte or more is therefore placed on 2 MB boundaries and offered
// to the kernel for huge pages, which turns hundreds of faults into a few. Smaller blocks come from
// the ordinary heap.

namespace quorvane {

namespace detail {
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;
inline constexpr std::size_t kLargeBlock = std::size_t{1} << 20;

void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* p, std::size_t bytes);
} // namespace detail

template <typename T> class LargeBlockAllocator
{
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(detail::AllocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { detail::FreeLargeBlock(p, n * sizeof(T)); }

    template <typename U> friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator<U>&)
    {
        return true;
    }
    template <typename U> friend bool operator!=(const LargeBlockAllocator&, const LargeBlockAllocator<U>&)
    {
        return false;
    }
};

} // namespace quorvane
