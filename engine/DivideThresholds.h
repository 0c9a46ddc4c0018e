#pragma once

#include <cstddef>
#include <cstdint>

// Every size at which division changes method, in one place. The values were found with
// bench/fastdivide_bench on the development machine; they only move speed, never a digit
// of an answer or a place of a repetend.
namespace tallaro::thresholds {

// Divisor and quotient length, in limbs, from which Burnikel and Ziegler's recursive
// division (whose products go through the fast multiplication) beats Knuth's long
// division on limbs.
inline constexpr std::size_t kRecursiveDivideMinLimbs = 200;

// Inside the recursion, halves shorter than this go to long division: there a product
// of the halves no longer saves what the recursion's bookkeeping costs.
inline constexpr std::size_t kRecursiveDivideBlockLimbs = 100;

// Quotient places times divisor digits below which the digit loop itself is the fastest
// way to a quotient: packing the texts into limbs costs more than the loop saves.
inline constexpr std::uint64_t kLimbDivideMinDigitPairs = 24;

} // namespace tallaro::thresholds
