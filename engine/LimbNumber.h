#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Magnitudes in base 10^9, least significant limb first. Nine decimal digits fill one
// 32-bit limb exactly, so a digit text packs and unpacks without any radix conversion and
// the product of two limbs plus a carry still fits 64 bits.
namespace tallaro {

using Limb = std::uint32_t;
using Limbs = std::vector<Limb>;

inline constexpr Limb kLimbBase = 1'000'000'000;
inline constexpr std::size_t kLimbDigits = 9;

// True when every character is "0" to "9".
bool isAllDigits(std::string_view text);

// The digits (most significant first, digits only) as ceil(n / 9) limbs.
Limbs packDigits(std::string_view digits);

// Writes the value as exactly out.size() digits, leading zeros included. Limbs above that
// width must be zero; they are not read.
void unpackDigits(std::span<const Limb> limbs, std::span<char> out);

// sum += addend * base^offset. The carry runs up only as far as it must; sum must be long
// enough to hold the result.
void addLimbsAt(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset);

// value -= subtrahend, where value is not the smaller one.
void subtractLimbs(std::span<Limb> value, std::span<const Limb> subtrahend);

// The limbs without their leading (most significant) zero limbs.
std::span<const Limb> withoutLeadingZeros(std::span<const Limb> limbs);

} // namespace tallaro
