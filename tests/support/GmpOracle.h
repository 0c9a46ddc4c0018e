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

// |a| / |b| truncated to `fractionDigits` digits after the point, as bare digits with the
// point: "0.142", and with the sign of the true quotient when it is not zero.
std::string truncatedQuotient(const std::string &a, const std::string &b, int fractionDigits);

// Whether q is |a| / |b| cut off at q's own last fraction place: the remainder
// |a| - |q|·|b| lies in [0, |b|·10^-places). A zero divisor never holds.
bool truncatesQuotient(const std::string &a, const std::string &b, const std::string &q);

// The remainder the long division of |a| by |b| leaves after fraction place `place`, both
// scaled to whole numbers first; equal remainders at two places bound a repetend.
std::string remainderAfterPlace(const std::string &a, const std::string &b, std::size_t place);

} // namespace tallaro::test
