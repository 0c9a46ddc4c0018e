#pragma once

#include <string>

// What a truncated long division must produce, worked out independently of the engine:
// on GMP integers, with the remainder of each fraction place and a map of remainders.
namespace tallaro::test {

struct ExpectedDivision {
    std::string quotient; // the answer text, sign included
    int head = 0;         // first and last fraction place of the repetend, 0 when not found
    int tail = 0;
};

// a and b are non-zero plain numbers (optional "-", digits, at most one "."); p < 0 is 0.
// The quotient digits come from GMP's truncated quotient; how many fraction digits there
// are, and the repetend places, follow from the remainders: one step of the digit loop
// ends after fraction place t exactly when the remainder left there has at least n - 1
// digits (n the scaled divisor's length), so the quotient stops at the first such place
// at or beyond p, or where a remainder is zero. The dividend's zero places in front of
// the first comparison (when it is shorter than the divisor) are a single step.
ExpectedDivision expectedDivision(const std::string &a, const std::string &b, int p);

} // namespace tallaro::test
