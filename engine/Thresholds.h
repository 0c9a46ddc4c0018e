#pragma once

#include <cstddef>
#include <cstdint>

// Every size at which the engine changes method, in one place. The values were found with
// bench/fastmultiply_bench and bench/fastdivide_bench on the development machine; they only
// move speed, never a digit of an answer or a place of a repetend.
namespace tallaro::thresholds {

// Multiplication.

// From this many digit pairs (lenX x lenY) on, the texts are packed into limbs; below it
// the digit-by-digit accumulator is used as it stands. The digit loop costs about 6 ns a
// pair, the limb path about 30 ns whatever the size.
inline constexpr std::uint64_t kLimbMinDigitPairs = 6;

// Shorter operand, in limbs, from which Karatsuba splits instead of running schoolbook,
// whose products are summed eighteen rows at a time before one carrying (300 to 400 measure
// the same).
inline constexpr std::size_t kKaratsubaMinLimbs = 320;

// Shorter operand, in limbs, from which the number-theoretic transform beats the methods
// above: schoolbook where the processor runs the AVX2 kernels (from 100 to 120 limbs),
// Karatsuba where only the portable ones run (from 800 to 1000).
inline constexpr std::size_t kNttMinLimbs = 112;
inline constexpr std::size_t kNttMinLimbsPortable = 896;

// The longest transform the three primes allow: 5 * 2^23 points, a product of up to
// 3.7 * 10^8 digits. Longer products are assembled from slices of half this length. A limit
// of correctness, not of speed.
inline constexpr std::size_t kNttMaxLength = std::size_t{5} << 23;

// Division.

// Quotient places times divisor digits below which the digit loop itself is the fastest
// way to a quotient: packing the texts into limbs costs more than the loop saves.
inline constexpr std::uint64_t kLimbDivideMinDigitPairs = 24;

// Divisor and quotient length, in limbs, from which division goes by Newton's reciprocal and
// blocks of quotient limbs, each a product with the reciprocal and a cyclic product with the
// divisor, instead of long division on wide limbs.
inline constexpr std::size_t kNewtonDivideMinLimbs = 900;

// Length, in limbs, from which a reciprocal takes a step of Newton's iteration from the
// reciprocal of its top half instead of being found by long division on wide limbs.
inline constexpr std::size_t kNewtonReciprocalMinLimbs = 250;

} // namespace tallaro::thresholds
