#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Magnitudes in base 10^9, least significant limb first. Nine decimal digits fill one
// 32-bit limb exactly, so a digit text packs and unpacks without any radix conversion and
// the product of two limbs plus a carry still fits 64 bits. These are the carries, borrows
// and comparisons that multiplication, division and the repetend scan share.
namespace tallaro {

using Limb = std::uint32_t;
using Limbs = std::vector<Limb>;

// Products of two 64-bit words, which GCC and Clang give on every 64-bit target.
__extension__ using Uint128 = unsigned __int128;

inline constexpr Limb kLimbBase = 1'000'000'000;
inline constexpr std::size_t kLimbDigits = 9;

// True when every character is "0" to "9".
bool isAllDigits(std::string_view text);

// How many limbs n digits take.
constexpr std::size_t limbCount(std::size_t digits) {
    return (digits + kLimbDigits - 1) / kLimbDigits;
}

// The digits (most significant first, digits only) as limbCount(n) limbs.
Limbs packDigits(std::string_view digits);
// Limbs first, first + 1, ... of that value into limbs.
void packDigits(std::string_view digits, std::size_t first, std::span<Limb> limbs);

// Writes the value as exactly out.size() digits, leading zeros included. The value must
// fit that width; limbs above it are not read.
void unpackDigits(std::span<const Limb> limbs, std::span<char> out);
// Writes limbs, which are limbs first, first + 1, ... of a value, as their digits in out,
// which holds the value's whole width; digits of other limbs are left as they are.
void unpackDigits(std::span<const Limb> limbs, std::size_t first, std::span<char> out);

// sum += addend * base^offset. The carry runs up only as far as it must; sum must be long
// enough to hold the result.
void addLimbsAt(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset);
// The same, returning the carry out of sum's top limb instead of requiring that there is none.
Limb addLimbsWithCarry(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset);

// value -= subtrahend, where value is not the smaller one.
void subtractLimbs(std::span<Limb> value, std::span<const Limb> subtrahend);
// The same, returning the borrow out of value's top limb instead of requiring that there is
// none (value then holds the difference plus base^value.size()).
Limb subtractLimbsWithBorrow(std::span<Limb> value, std::span<const Limb> subtrahend);

// out = value * factor; out has one limb more than value and may begin where value does.
void multiplyByLimb(std::span<const Limb> value, Limb factor, std::span<Limb> out);

// window -= q * v, where window has one limb more than v. False when the result went below
// zero; window then holds it plus base^window.size().
bool subtractMultiple(std::span<Limb> window, std::span<const Limb> v, std::uint64_t q);

// value modulo base^L - 1 into out, L = out.size() >= 2: value's L-limb pieces added up, the
// carry out of the top going back to the bottom. The result is below base^L - 1.
void reduceCyclic(std::span<const Limb> value, std::span<Limb> out);

// value += addend modulo base^L - 1, L = value.size() >= addend.size(), the carry out of the
// top going back to the bottom; value may be base^L - 1 (0 too), the result is below it.
void addCyclic(std::span<Limb> value, std::span<const Limb> addend);

// value -= subtrahend modulo base^L - 1, L = value.size(), both below base^L - 1.
void subtractCyclic(std::span<Limb> value, std::span<const Limb> subtrahend);

// value holds r modulo base^L - 1 for some r with |r| below base^width, width < L: leaves |r|
// in value (its limbs from width up zero) and returns whether r is negative.
bool takeCyclicSign(std::span<Limb> value, std::size_t width);

// -1, 0 or 1 as x is below, equal to or above y; leading zero limbs do not count.
int compareLimbs(std::span<const Limb> x, std::span<const Limb> y);

// The limbs without their leading (most significant) zero limbs.
std::span<const Limb> withoutLeadingZeros(std::span<const Limb> limbs);

// The number of decimal digits of the value (0 for zero).
std::size_t decimalDigitCount(std::span<const Limb> value);

// value * 10^exponent, without leading zero limbs.
Limbs shiftedByDecimalPlaces(std::span<const Limb> value, std::size_t exponent);

} // namespace tallaro
