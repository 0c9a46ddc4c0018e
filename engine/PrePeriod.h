#pragma once

#include "LimbNumber.h"

#include <cstdint>
#include <optional>
#include <span>

// Where the remainders of a division start to repeat. The remainders x_t = A 10^t mod D of
// the fraction places t come back for the first time at x_(s+k) = x_s, where s is the
// largest of the powers of 2 and of 5 that D / gcd(A, D) holds and k is the order of 10
// modulo what is left of it: x_u = x_t (u < t) holds exactly when D divides
// A 10^u (10^(t-u) - 1), that is when u >= s and k divides t - u. So the first remainder to
// come back is x_s, and the place s follows from A and D alone.
namespace tallaro {

// s for a non-zero dividend and divisor, or nothing where the low limbs do not settle it:
// when the divisor, stripped of its trailing decimal zeros, holds 2^64 or 5^27, and the
// dividend as many as that might cancel.
std::optional<std::int64_t> prePeriod(std::span<const Limb> dividend,
                                      std::span<const Limb> divisor);

} // namespace tallaro
