#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t failFrom = 0; // 0: allocations do not fail

void *allocate(std::size_t size) {
    if (failFrom != 0 && size >= failFrom)
        throw std::bad_alloc();
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

} // namespace

AllocationLimit::AllocationLimit(std::size_t from) {
    failFrom = from;
}
AllocationLimit::~AllocationLimit() {
    failFrom = 0;
}

void *operator new(std::size_t size) {
    return allocate(size);
}
void *operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete[](void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    std::free(p);
}
