#pragma once

#include "LimbNumber.h"

#include <span>

// Division with remainder on limb magnitudes (base 10^9, least significant limb first).
namespace tallaro {

struct LimbQuotient {
    Limbs quotient;  // floor(x / d), without leading zero limbs (empty for zero)
    Limbs remainder; // x mod d, without leading zero limbs (empty for zero)
};

// x / d and x mod d. d must not be zero. The method goes by the divisor's length: one limb
// by short division, then Knuth's long division, then Burnikel and Ziegler's recursion,
// whose cost is a small multiple of a product's.
LimbQuotient divideLimbs(std::span<const Limb> x, std::span<const Limb> d);

} // namespace tallaro
