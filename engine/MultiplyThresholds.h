#pragma once

#include <cstddef>
#include <cstdint>

// Every size at which multiplication changes method, in one place. The values were found
// with bench/fastmultiply_bench on the development machine; they only move speed, never
// a digit of an answer.
namespace tallaro::thresholds {

// Below this many digit pairs (lenX x lenY) the digit-by-digit accumulator is used as it
// stands; above it the texts are packed into limbs. Packing costs a pass over both texts
// and a few allocations, which the digit loop only repays for tiny operands.
inline constexpr std::uint64_t kLimbMinDigitPairs = 10;

// Shorter operand, in limbs, from which Karatsuba beats limb schoolbook.
inline constexpr std::size_t kKaratsubaMinLimbs = 40;

// Shorter operand, in limbs, from which the number-theoretic transform beats Karatsuba.
inline constexpr std::size_t kNttMinLimbs = 400;

// The longest cyclic convolution the transform's three primes allow (2^24 points, the
// largest power of two dividing 754974721 - 1). Longer products are assembled from
// slices of half this length.
inline constexpr std::size_t kNttMaxLength = std::size_t{1} << 24;

} // namespace tallaro::thresholds
