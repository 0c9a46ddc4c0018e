#pragma once

#include "LimbNumber.h"

#include <cstdint>
#include <span>
#include <string_view>

// Repetend detection beside the limb division: the digit loop's lookups, one per fraction
// place, on residues of the remainders modulo a prime, each from the one before and the
// quotient's own digit at the next place; the numbers themselves only to confirm a match.
namespace tallaro {

struct RepetendPlaces {
    int head = 0; // the matching entry's number, 0 when no remainder came back
    int tail = 0; // the fraction place whose remainder matched
};

// The repetend the digit loop reports for dividend / divisor (limbs, neither zero) when the
// quotient does not end: its lookups of the remainders dividend * 10^t mod divisor at the
// fraction places t from `first` to `last`, the place where the quotient stops. Entries 1 to
// `first` are the preparation's, dividend * 10^j for j below `first` (the zero places in
// front of a dividend shorter than the divisor). `integer` and `fraction` are the quotient's
// digits on either side of the point, the fraction to place `last` at least. A repetend that
// ends past the 32-bit places the window shows is refused as too large (std::bad_alloc).
RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            std::string_view integer, std::string_view fraction, int first,
                            std::int64_t last);

} // namespace tallaro
