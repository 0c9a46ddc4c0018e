#pragma once

#include <climits>
#include <cstdint>
#include <new>

namespace tallaro {

// The engine counts places and lengths in int, as its working members do, so no text it
// builds or indexes may run past INT_MAX characters. Such a text is refused the way one too
// large for memory is, which the window and tallaro-calc already report.
inline void refuseOverlong(std::uint64_t length) {
    if (length > static_cast<std::uint64_t>(INT_MAX))
        throw std::bad_alloc();
}

} // namespace tallaro
