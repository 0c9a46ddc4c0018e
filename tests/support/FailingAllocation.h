#pragma once

#include <cstddef>

// Running out of memory made real: while an AllocationLimit lives, every allocation through
// operator new from `from` bytes up fails, as on a machine without that much memory to give.
// A program that uses it gets this file's operator new for all its allocations.
class AllocationLimit {
public:
    explicit AllocationLimit(std::size_t from);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit &) = delete;
    AllocationLimit &operator=(const AllocationLimit &) = delete;
};

// The largest allocation refused since the last AllocationLimit was made: how much the work
// asked for at once, where it met the limit.
std::size_t largestRefusedAllocation();

// The bytes that operator new has given out and operator delete has not yet had back, on all
// threads: what a piece of work still holds once it has ended.
std::size_t liveAllocatedBytes();
