#pragma once

#include "CommandWork.h"
#include "Platform.h"

#include <cstdint>

namespace tallaro {

// The memory, in bytes, that a command will need beyond what the window holds already,
// estimated before it starts from its operands and settings: its answer, the engine's
// working space for it, and the answer laid out in the answer field.
std::uint64_t commandMemory(const CommandInput &input, Platform &platform);

} // namespace tallaro
