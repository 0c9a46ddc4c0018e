#pragma once

#include "LimbNumber.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Long division on wide limbs: base 10^8 values held in signed 64-bit words, least
// significant first. A row of the division subtracts q times the divisor from the
// remainder without carrying: a product of two limbs is below 10^16, so a word takes
// hundreds of rows before it must be carried, and the row is a plain multiply-subtract that
// the compiler turns into vector instructions. Quotient limbs are estimated in floating
// point from the remainder's top limbs, may be one off either way, and are set right by the
// rows after them.
namespace tallaro {

using WideLimb = std::int64_t;
inline constexpr WideLimb kWideBase = 100'000'000;
inline constexpr std::size_t kWideDigits = 8;

// u / v. u holds the dividend's limbs, each in [0, base); on return its low v.size() limbs
// hold the remainder, each in [0, base), and the limbs above are zero. quotient gets the
// u.size() - v.size() + 1 limbs of the quotient, each in [0, base). v has at least two limbs,
// each below base, the top one not zero; u has at least as many.
void divideWide(std::span<WideLimb> u, std::span<const WideLimb> v, std::span<WideLimb> quotient);

// The same value in the other base: the digits regrouped, eight to a wide limb or nine to a
// limb. out must hold the value; its words above it are set to zero.
void toWide(std::span<const Limb> limbs, std::span<WideLimb> out);
void fromWide(std::span<const WideLimb> wide, std::span<Limb> out);

// The wide limbs a value of `limbs` limbs needs.
inline std::size_t wideSize(std::size_t limbs) {
    return (limbs * kLimbDigits + kWideDigits - 1) / kWideDigits;
}

} // namespace tallaro
