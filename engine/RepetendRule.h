#pragma once

// How the digit loop numbers and finds the remainders it has seen. The loop keeps them as text
// and the limb scan as limbs; both look them up by this one rule, so that both report the
// same places.
namespace tallaro {

// Remainders are recorded at the fraction places below this; lookups go on for as long as the
// division runs.
inline constexpr int kRecordedPlaces = 100;

// The number of the entry that the remainder left after fraction place `place` matches, or 0.
// The preparation's entries (the zero places in front of a dividend shorter than the divisor)
// are numbered first, 1 to presets.count(), then those recorded, in order. A remainder is
// recorded only when it matches nothing, so entries are unique and a match is the first one.
template <class Presets, class Recorded, class Remainder>
int lookUpRemainder(const Presets &presets, Recorded &recorded, const Remainder &r, int place) {
    if (const int entry = presets.find(r); entry != 0)
        return entry;
    if (const int entry = recorded.find(r); entry != 0)
        return presets.count() + entry;
    if (place < kRecordedPlaces)
        recorded.add(r);
    return 0;
}

} // namespace tallaro
