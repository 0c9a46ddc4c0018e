#pragma once

#include "LimbNumber.h"
#include "Thresholds.h"

#include <span>

namespace tallaro {

// For d of n limbs whose top limb is at least base / 2: X = floor(base^2n / d) or one less,
// n + 1 limbs (X is base^n and more), so that d X < base^2n < d (X + 2). Newton's iteration
// from the reciprocal of d's top half: each step costs a cyclic product of about n limbs and
// a product of two halves, so the whole costs about two products of n limbs.
// Below `newtonFrom` limbs it is found by long division.
Limbs reciprocal(std::span<const Limb> d,
                 std::size_t newtonFrom = thresholds::kNewtonReciprocalMinLimbs);

} // namespace tallaro
