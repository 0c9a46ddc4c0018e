#pragma once

#include "LimbNumber.h"

#include <span>
#include <string_view>

// Repetend detection on limbs: the digit loop's lookups, one per fraction place. Each
// remainder follows from the one before and the quotient's own digit at the next place,
// by one multiply-subtract over the divisor's limbs; nothing is divided again.
namespace tallaro {

struct RepetendPlaces {
    int head = 0; // the matching entry's number, 0 when no remainder came back
    int tail = 0; // the fraction place whose remainder matched
};

// Looks up, in order, the remainders dividend * 10^t mod divisor of the fraction places t
// from `first` to `last`, and stops at the first that matches an entry. `remainder` is the
// one of place `first`, and `fraction` holds the quotient's fraction digits up to place `last`
// (fraction[t - 1] is place t's); no remainder up to there is zero. Entries 1 to `first` are
// the preparation's, dividend * 10^j for j below `first`: matched by value, never stored.
RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            std::span<const Limb> remainder, std::string_view fraction, int first,
                            int last);

} // namespace tallaro
