#pragma once

#include "LimbNumber.h"
#include "Thresholds.h"

#include <span>

namespace tallaro {

// x * y into product (x.size() + y.size() limbs) by number-theoretic transforms modulo
// three primes below 2^30, joined by the Chinese remainder theorem. The convolution's
// coefficients are below n * 10^18, under the primes' product (about 5.9 * 10^25) for
// every n up to 2^25, so the result is exact. Products longer than maxLength limbs are
// assembled from slices of maxLength / 2 limbs.
void nttMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                 std::size_t maxLength = thresholds::kNttMaxLength);

} // namespace tallaro
