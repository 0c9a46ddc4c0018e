#include "FailingAllocation.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> failFrom{0}; // 0: allocations do not fail
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> largestRefused{0};

void *allocate(std::size_t size) {
    const std::size_t limit = failFrom.load(std::memory_order_relaxed);
    if (limit != 0 && size >= limit) {
        largestRefused = std::max(largestRefused.load(std::memory_order_relaxed), size);
        throw std::bad_alloc();
    }
    void *p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    liveBytes.fetch_add(malloc_usable_size(p), std::memory_order_relaxed);
    return p;
}

void release(void *p) noexcept {
    if (p != nullptr)
        liveBytes.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}

} // namespace

AllocationLimit::AllocationLimit(std::size_t from) {
    largestRefused = 0;
    failFrom = from;
}
AllocationLimit::~AllocationLimit() {
    failFrom = 0;
}

std::size_t largestRefusedAllocation() {
    return largestRefused.load(std::memory_order_relaxed);
}

std::size_t liveAllocatedBytes() {
    return liveBytes.load(std::memory_order_relaxed);
}

void *operator new(std::size_t size) {
    return allocate(size);
}
void *operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void *p) noexcept {
    release(p);
}
void operator delete[](void *p) noexcept {
    release(p);
}
void operator delete(void *p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    release(p);
}
