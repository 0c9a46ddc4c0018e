// Newton's iteration for the reciprocal, in the form of Brent and Zimmermann's "Modern
// Computer Arithmetic" (algorithm 3.5): from X_h for d's top h limbs, the error
// T = base^(n+h) - d X_h is formed and X = X_h base^l + X_h T / base^(2h+l) corrects it, with
// l = n - h. Since d X_h lies within 2 base^n of base^(n+h), the product d X_h is needed only
// modulo base^L - 1 for some L > n + 1, which saves a third of it.
#include "Reciprocal.h"

#include "LimbDivide.h"
#include "LimbMultiply.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

namespace tallaro {

namespace {

constexpr std::array<Limb, 1> kOne = {1};

// base^2n - 1 divided by d, for the short reciprocals the iteration starts from.
Limbs reciprocalByDivision(std::span<const Limb> d) {
    const Limbs numerator(2 * d.size(), kLimbBase - 1);
    return divideLimbs(numerator, d, SIZE_MAX).quotient;
}

} // namespace

Limbs reciprocal(std::span<const Limb> d, std::size_t newtonFrom) {
    const std::size_t n = d.size();
    assert(n >= 1 && d.back() >= kLimbBase / 2);
    if (n < std::max<std::size_t>(newtonFrom, 3)) // from two limbs the halves would not shrink
        return reciprocalByDivision(d);
    const std::size_t l = (n - 1) / 2, h = n - l;
    Limbs x = reciprocal(d.last(h), newtonFrom); // h + 1 limbs
    pollForStop(); // each step on 10^8 digits is several long products

    // e = d x - base^(n+h), within 2 base^n of zero, from d x modulo base^L - 1. The product
    // of halves below (2h + 1 <= n + 2 limbs) fits the same length, so x is transformed once.
    const std::size_t length = cyclicLength(n + 2);
    const FixedFactor timesX(x, length);
    Limbs e(length);
    timesX.wrapped(d, e);
    // base^(n+h) taken off where it falls, a borrow out of the top coming back as one less.
    if (subtractLimbsWithBorrow(std::span(e).subspan((n + h) % length), kOne) != 0)
        subtractLimbs(e, kOne);
    std::size_t lowered = 0; // how much x is too big
    if (!takeCyclicSign(e, n + 1)) {
        // t = base^(n+h) - d x is made positive by taking d off it as often as x is lowered.
        for (e.resize(n + 1);; subtractLimbs(e, d)) {
            ++lowered;
            if (compareLimbs(e, d) < 0)
                break;
        }
        Limbs below(d.begin(), d.end());
        subtractLimbs(below, withoutLeadingZeros(e));
        e = std::move(below);
    }
    const std::span<const Limb> t = e; // base^(n+h) - d x, its limbs from n + 1 up zero

    // X = x base^l + floor((t / base^l) x / base^(2h - l)), with x lowered only after its
    // transforms have served for this product too: (x - k) tHigh = x tHigh - k tHigh.
    const std::span<const Limb> tHigh = withoutLeadingZeros(std::span<const Limb>(t).subspan(l));
    Limbs u(tHigh.size() + x.size());
    timesX.whole(tHigh, u);
    for (; lowered > 0; --lowered) {
        subtractLimbs(u, tHigh);
        subtractLimbs(x, kOne);
    }
    Limbs result(n + 1, 0);
    std::copy(x.begin(), x.end(), result.begin() + static_cast<std::ptrdiff_t>(l));
    if (u.size() > 2 * h - l)
        addLimbsAt(result, withoutLeadingZeros(std::span<const Limb>(u).subspan(2 * h - l)), 0);
    return result;
}

} // namespace tallaro
