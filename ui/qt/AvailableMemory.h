#pragma once

#include <cstdint>

namespace tallaro::qt {

// The memory, in bytes, that this program can still have: what the system can give without
// swapping (MemAvailable), and no more than its address-space limit (ulimit -v) leaves.
std::uint64_t availableMemory();

} // namespace tallaro::qt
