// Replacement allocation operators that count the live blocks of the whole test
// program. Aligned allocations are left to the library: they are not counted, and
// nothing in the core asks for over-aligned types.
#include "soak/HeapCounter.h"

#include <malloc.h>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> liveBlocks{0};
std::atomic<long long> liveBytes{0};

void* allocate(std::size_t size) noexcept {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block) {
        liveBlocks.fetch_add(1, std::memory_order_relaxed);
        liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
    }
    return block;
}

void release(void* block) noexcept {
    if (!block) return;
    liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
    std::free(block);
}

void* allocateOrThrow(std::size_t size) {
    void* block = allocate(size);
    if (!block) throw std::bad_alloc();
    return block;
}

}  // namespace

namespace solvane::testing {

HeapUse currentHeapUse() {
    return {liveBlocks.load(std::memory_order_relaxed), liveBytes.load(std::memory_order_relaxed)};
}

}  // namespace solvane::testing

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
