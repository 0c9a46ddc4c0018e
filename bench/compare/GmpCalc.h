#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <string_view>

// tallaro-calc's work done with GMP's integers, for the comparison: decimal text in, the
// numbers scaled to integers by a power of ten, decimal text out. Operands are plain
// numbers: an optional "-", digits, an optional "." and fraction digits.
namespace tallaro::compare {

struct ScaledNumber {
    mpz_class value; // the number times 10^scale, with its sign
    std::size_t scale = 0;
};

ScaledNumber parseDecimal(std::string_view text);

// The value times 10^-scale as decimal text: "-" when negative, then at least one digit in
// front of the point, and exactly `scale` digits behind it.
std::string formatDecimal(const mpz_class &value, std::size_t scale);

// a op b, op one of + - * /: sums and products exact with the fraction width the engine
// gives them, a quotient truncated to `places` fraction digits. The empty text for a zero
// divisor or an unknown operator.
std::string gmpCalculate(std::string_view a, char op, std::string_view b, int places);

} // namespace tallaro::compare
