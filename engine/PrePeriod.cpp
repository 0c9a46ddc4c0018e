#include "PrePeriod.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>

namespace tallaro {

namespace {

constexpr std::uint64_t kFiveTo27 = 7'450'580'596'923'828'125; // divides base^3
constexpr std::uint64_t kBase = kLimbBase;

// How many times a number holds 2 and 5; `exact` false where it holds at least that many.
struct Count {
    std::int64_t times;
    bool exact;
};

struct Valuations {
    Count twos, fives;
};

Limb limbAt(std::span<const Limb> x, std::size_t i) {
    return i < x.size() ? x[i] : 0;
}

// x's powers of 2 and 5: its trailing decimal zeros count for both, and what is left is not
// a multiple of 10, so it holds at most one of them. Modulo 2^64 and 5^27 that rest is fixed
// by its lowest eight and three limbs, since both divide base^8.
Valuations valuations(std::span<const Limb> x) {
    std::size_t k = 0;
    while (x[k] == 0)
        ++k;
    Limb scale = 1;
    std::int64_t zeros = static_cast<std::int64_t>(k * kLimbDigits);
    for (Limb low = x[k]; low % 10 == 0; low /= 10, scale *= 10)
        ++zeros;
    std::array<std::uint64_t, 8> rest{}; // the low limbs of x / 10^zeros
    for (std::size_t i = 0; i < rest.size(); ++i)
        rest[i] = limbAt(x, k + i) / scale + limbAt(x, k + i + 1) % scale * (kLimbBase / scale);
    std::uint64_t modTwo = 0, power = 1; // both modulo 2^64, which unsigned arithmetic is
    for (const std::uint64_t limb : rest) {
        modTwo += limb * power;
        power *= kBase;
    }
    std::uint64_t modFive = static_cast<std::uint64_t>(
        (rest[0] + Uint128{rest[1]} * kBase + Uint128{rest[2]} * (kBase * kBase % kFiveTo27)) %
        kFiveTo27);
    Valuations v{{zeros, modTwo != 0}, {zeros, modFive != 0}};
    v.twos.times += modTwo == 0 ? 64 : std::countr_zero(modTwo);
    if (modFive == 0)
        v.fives.times += 27;
    for (; modFive != 0 && modFive % 5 == 0; modFive /= 5)
        ++v.fives.times;
    return v;
}

// What of the divisor's count the dividend does not cancel, when both counts settle it.
std::optional<std::int64_t> uncancelled(Count dividend, Count divisor) {
    if (!divisor.exact || (!dividend.exact && dividend.times < divisor.times))
        return std::nullopt;
    return divisor.times - std::min(dividend.times, divisor.times);
}

} // namespace

std::optional<std::int64_t> prePeriod(std::span<const Limb> dividend,
                                      std::span<const Limb> divisor) {
    dividend = withoutLeadingZeros(dividend);
    divisor = withoutLeadingZeros(divisor);
    assert(!dividend.empty() && !divisor.empty());
    const Valuations a = valuations(dividend), d = valuations(divisor);
    const auto twos = uncancelled(a.twos, d.twos), fives = uncancelled(a.fives, d.fives);
    if (!twos || !fives)
        return std::nullopt;
    return std::max(*twos, *fives);
}

} // namespace tallaro
