#pragma once

#include <cstddef>
#include <cstdint>

// Every size at which the engine changes method, in one place. The values were found with
// bench/fastmultiply_bench and bench/fastdivide_bench on the development machine; they only
// move speed, never a digit of an answer or a place of a repetend.
namespace tallaro::thresholds {

// Multiplication.

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

// The longest transform the three primes allow: 5 * 2^23 points, a product of up to
// 3.7 * 10^8 digits. Longer products are assembled from slices of half this length. A limit
// of correctness, not of speed.
inline constexpr std::size_t kNttMaxLength = std::size_t{5} << 23;

// Division.

// Quotient places times divisor digits below which the digit loop itself is the fastest
// way to a quotient: packing the texts into limbs costs more than the loop saves.
inline constexpr std::uint64_t kLimbDivideMinDigitPairs = 24;

// Divisor and quotient length, in limbs, from which Burnikel and Ziegler's recursive
// division (whose products go through the fast multiplication) beats Knuth's long
// division on limbs.
inline constexpr std::size_t kRecursiveDivideMinLimbs = 200;

// Inside the recursion, halves shorter than this go to long division: there a product
// of the halves no longer saves what the recursion's bookkeeping costs.
inline constexpr std::size_t kRecursiveDivideBlockLimbs = 100;

} // namespace tallaro::thresholds
