#pragma once

#include "LimbNumber.h"

#include <span>
#include <string>

// Repetend detection on limbs: the digit loop's lookups, one per fraction place, with each
// remainder computed from the one before by a single multiply-subtract over the divisor's
// limbs instead of up to ten passes over its digits.
namespace tallaro {

// The loop records the remainders of fraction places below this; it looks remainders up for
// as long as it runs.
inline constexpr int kRecordedPlaces = 100;

struct RepetendPlaces {
    int head = 0; // the matching entry's number, 0 when no remainder came back
    int tail = 0; // the fraction place whose remainder matched
};

// Looks up, in order, the remainders dividend * 10^t mod divisor of the fraction places t
// from presetEntries to lastPlace, and stops at the first that matches an entry or is zero.
// Entries 1 to presetEntries are dividend * 10^j for j below presetEntries (the zero places
// in front of a dividend shorter than the divisor); they are matched by value and never
// written. A remainder that matches nothing at a place below kRecordedPlaces becomes the
// next entry, and its digits and a "*" are appended to history.
RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            int presetEntries, int lastPlace, std::string &history);

} // namespace tallaro
