#include "Residues.h"

#include "WorkMonitor.h"

#include <cassert>

namespace tallaro::residue {

namespace {

// t modulo P for t below 2^122: 2^61 is 1 modulo P, so the bits from 61 up are added onto
// those below, twice, which leaves at most P + 1.
std::uint64_t reduce(Uint128 t) {
    std::uint64_t r =
        (static_cast<std::uint64_t>(t) & kPrime) + static_cast<std::uint64_t>(t >> 61);
    r = (r & kPrime) + (r >> 61);
    return r >= kPrime ? r - kPrime : r;
}

} // namespace

std::uint64_t multiply(std::uint64_t a, std::uint64_t b) {
    assert(a < kPrime && b < kPrime);
    return reduce(Uint128{a} * b);
}

std::uint64_t powerOfTen(std::uint64_t e) {
    std::uint64_t result = 1;
    for (std::uint64_t base = 10; e != 0; e >>= 1, base = multiply(base, base)) {
        if (e & 1)
            result = multiply(result, base);
    }
    return result;
}

std::uint64_t ofLimbs(std::span<const Limb> limbs) {
    std::uint64_t r = 0;
    PollCounter polls;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        r = reduce(Uint128{r} * kLimbBase + limbs[i]);
        polls.count(kLimbDigits);
    }
    return r;
}

std::uint64_t appendDigits(std::uint64_t high, std::string_view digits) {
    // Up to eighteen digits at a time, so one product modulo P for each.
    PollCounter polls;
    while (!digits.empty()) {
        polls.count(18);
        const std::string_view chunk = digits.substr(0, (digits.size() - 1) % 18 + 1);
        std::uint64_t value = 0, scale = 1;
        for (const char c : chunk) {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            scale *= 10;
        }
        high = reduce(Uint128{high} * scale + value);
        digits.remove_prefix(chunk.size());
    }
    return high;
}

} // namespace tallaro::residue
