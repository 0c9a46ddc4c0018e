#pragma once

#include "LimbNumber.h"
#include "Thresholds.h"

#include <cstdint>
#include <span>

// Division with remainder on limb magnitudes (base 10^9, least significant limb first).
namespace tallaro {

struct LimbQuotient {
    Limbs quotient;  // floor(x / d), without leading zero limbs (empty for zero)
    Limbs remainder; // x mod d, without leading zero limbs (empty for zero)
};

// x / d and x mod d. d must not be zero. The method goes by the divisor's length: one limb
// by short division, then long division on wide limbs, then, once divisor and quotient both
// have `newtonFrom` limbs, blocks of quotient limbs by Newton's reciprocal, whose cost is a
// small multiple of a product's; its reciprocal's iteration starts from `newtonFrom` limbs
// or its own threshold, the smaller. The tests and fuzz targets move `newtonFrom` to run
// either method at any size.
LimbQuotient divideLimbs(std::span<const Limb> x, std::span<const Limb> d,
                         std::size_t newtonFrom = thresholds::kNewtonDivideMinLimbs);

// Division by one limb without a hardware division: for any t below 2^64,
// floor(t m / 2^64) with m = floor((2^64 - 1) / d) is t / d or one less, and one
// comparison sets it right.
class LimbDivisor {
  public:
    explicit LimbDivisor(Limb d);

    // t / d, leaving t mod d in rest.
    std::uint64_t divide(std::uint64_t t, std::uint64_t &rest) const {
        const auto q = static_cast<std::uint64_t>((Uint128{t} * m_inverse) >> 64);
        rest = t - q * m_d;
        const std::uint64_t over = rest >= m_d ? 1 : 0;
        rest -= over * m_d;
        return q + over;
    }

  private:
    std::uint64_t m_d, m_inverse;
};

} // namespace tallaro
