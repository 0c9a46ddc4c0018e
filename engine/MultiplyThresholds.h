#pragma once

#include <cstddef>
#include <cstdint>

// Every size at which multiplication changes method, in one place. The values were found
// with bench/fastmultiply_bench on the development machine; they only move speed, never
// a digit of an answer.
namespace tallaro::thresholds {

// From this many digit pairs (lenX x lenY) on, the texts are packed into limbs; below it
// the digit-by-digit accumulator is used as it stands. The digit loop costs about 9 ns a
// pair, the limb path about 80 ns whatever the size (packing and a few allocations).
inline constexpr std::uint64_t kLimbMinDigitPairs = 10;

// Shorter operand, in limbs, from which Karatsuba splits instead of running schoolbook
// (anywhere from 20 to 40 measures the same).
inline constexpr std::size_t kKaratsubaMinLimbs = 32;

// Shorter operand, in limbs, from which the number-theoretic transform beats Karatsuba.
// The transform's cost steps at powers of two; square products of 257 to 512 limbs all
// take a 1024-point transform, which Karatsuba matches up to about 400 limbs.
inline constexpr std::size_t kNttMinLimbs = 400;

// The longest cyclic convolution the transform's three primes allow (2^24 points, the
// largest power of two dividing 754974721 - 1). Longer products are assembled from
// slices of half this length.
inline constexpr std::size_t kNttMaxLength = std::size_t{1} << 24;

} // namespace tallaro::thresholds
