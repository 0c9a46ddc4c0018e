#pragma once

#include <climits>
#include <cstdint>
#include <new>

namespace tallaro {

// The engine counts the lengths of operands and products in int, as its working members do,
// and the window shows places in 32 bits, so no such length or place may run past INT_MAX.
// It is refused the way a text too large for memory is, which the window and tallaro-calc
// already report, never counted with a number that has wrapped. A quotient's places and
// steps are counted in 64 bits: at most 2147483647 fraction places are asked for, and the
// few the stop rule may add fit.
inline void refuseOverlong(std::uint64_t length) {
    if (length > static_cast<std::uint64_t>(INT_MAX))
        throw std::bad_alloc();
}

} // namespace tallaro
