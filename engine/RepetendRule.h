#pragma once

// How the digit loop numbers and finds the remainders it has seen. The loop keeps them as text
// and the limb scan as limbs; both look them up by this one rule, so that both report the
// same places.
#include "SizeGuard.h"

#include <cstdint>

namespace tallaro {

// Remainders are recorded at the fraction places below this; lookups go on for as long as the
// division runs.
inline constexpr int kRecordedPlaces = 100;

// The number of the entry that the remainder left after fraction place `place` matches, or 0.
// The preparation's entries (the zero places in front of a dividend shorter than the divisor)
// are numbered first, 1 to presets.count(), then those recorded, in order. A remainder is
// recorded only when it matches nothing, so entries are unique and a match is the first one.
template <class Presets, class Recorded, class Remainder>
int lookUpRemainder(const Presets &presets, Recorded &recorded, const Remainder &r,
                    std::int64_t place) {
    if (const int entry = presets.find(r); entry != 0)
        return entry;
    if (const int entry = recorded.find(r); entry != 0)
        return presets.count() + entry;
    if (place < kRecordedPlaces)
        recorded.add(r);
    return 0;
}

// The place where the repetend ends, as the window shows it: in 32 bits. A quotient to
// 2147483647 places can run a few places further, and a repetend found there is refused as
// too large, as its quotient would be, never shown as a wrapped place.
inline int repetendTail(std::int64_t place) {
    refuseOverlong(static_cast<std::uint64_t>(place));
    return static_cast<int>(place);
}

} // namespace tallaro
