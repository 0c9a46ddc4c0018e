#pragma once

#include "LimbNumber.h"

#include <cstdint>
#include <span>
#include <string_view>

// Arithmetic modulo the prime P = 2^61 - 1, where a residue stands for a long number in one
// word: equal numbers have equal residues, and two different ones share a residue only by
// chance. 10 has order (P - 1) / 2 modulo P, so the residues of a number times 10^t do not
// repeat for any t a quotient can reach.
namespace tallaro::residue {

inline constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61) - 1;

// a b modulo P, for a and b below P.
std::uint64_t multiply(std::uint64_t a, std::uint64_t b);

// a + b and a - b modulo P, for a and b below P.
inline std::uint64_t add(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t sum = a + b;
    return sum >= kPrime ? sum - kPrime : sum;
}
inline std::uint64_t subtract(std::uint64_t a, std::uint64_t b) {
    return a >= b ? a - b : a + kPrime - b;
}

// 10^e modulo P.
std::uint64_t powerOfTen(std::uint64_t e);

// A number's residue from its limbs.
std::uint64_t ofLimbs(std::span<const Limb> limbs);

// The residue of the number whose digits are those of `high` followed by `digits`.
std::uint64_t appendDigits(std::uint64_t high, std::string_view digits);

} // namespace tallaro::residue
