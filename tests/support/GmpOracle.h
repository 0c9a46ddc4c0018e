#pragma once

#include <string>

// An independent oracle for the engine's answers: GMP's integers on numbers scaled by a
// power of ten. Operands are plain decimal texts: optional "-", digits, optional "." part.
namespace tallaro::test {

// The exact sum or difference, written with the larger fraction width of the operands.
// Zero is written without a sign; the engine's negative zeros are compared separately.
std::string exactSum(const std::string &a, char op, const std::string &b);

// The exact product, with the sum of the operands' fraction widths.
std::string exactProduct(const std::string &a, const std::string &b);

// What the engine's truncated long division must produce, worked out from the remainder of
// each fraction place and a map of remainders.
struct ExpectedDivision {
    std::string quotient; // the answer text, sign included
    int head = 0;         // first and last fraction place of the repetend, 0 when not found
    int tail = 0;
};

// a and b are non-zero; p < 0 is 0. The quotient is |a| / |b| truncated; how many
// fraction digits there are, and the repetend places, follow from the remainders: one step
// of the digit loop ends after fraction place t exactly when the remainder left there has
// at least n - 1 digits (n the scaled divisor's length), so the quotient stops at the first
// such place at or beyond p, or where a remainder is zero. The dividend's zero places in
// front of the first comparison (when it is shorter than the divisor) are a single step.
ExpectedDivision expectedDivision(const std::string &a, const std::string &b, int p);

} // namespace tallaro::test
