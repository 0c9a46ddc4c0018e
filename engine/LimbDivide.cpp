#include "LimbDivide.h"

#include "LimbMultiply.h"
#include "Thresholds.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

namespace tallaro {

namespace {

void trim(Limbs &value) { value.resize(withoutLeadingZeros(value).size()); }

// The quotient estimates from leading limbs need a divisor whose top limb is base / 2 or more.
[[maybe_unused]] bool isNormalised(std::span<const Limb> b) {
    return !b.empty() && b.back() >= kLimbBase / 2;
}

// x (x.size() limbs) is below b * base^shift: its top limbs above `shift` are below b.
[[maybe_unused]] bool topBelow(std::span<const Limb> x, std::span<const Limb> b,
                               std::size_t shift) {
    return compareLimbs(x.subspan(shift), b) < 0;
}

// quotient = value / divisor, limb for limb from the top (quotient may be value itself);
// returns the remainder.
Limb divideByLimb(std::span<const Limb> value, Limb divisor, std::span<Limb> quotient) {
    assert(divisor != 0 && quotient.size() >= value.size());
    std::uint64_t rest = 0;
    Progress progress(value.size());
    for (std::size_t i = value.size(); i-- > 0;) {
        const std::uint64_t t = rest * kLimbBase + value[i];
        quotient[i] = static_cast<Limb>(t / divisor);
        rest = t % divisor;
        progress.reach(value.size() - i, 1);
    }
    return static_cast<Limb>(rest);
}

// Knuth's long division on a normalised divisor v (two limbs or more, top limb at least
// base / 2, so that the estimate from the leading limbs is never more than two too big).
// The top v.size() limbs of u must be below v. The remainder is left in u's low v.size()
// limbs; quotient gets u.size() - v.size() limbs.
void longDivide(std::span<Limb> u, std::span<const Limb> v, std::span<Limb> quotient) {
    const std::size_t n = v.size();
    assert(n >= 2 && isNormalised(v) && u.size() >= n && quotient.size() == u.size() - n);
    assert(topBelow(u, v, u.size() - n));
    const std::uint64_t top = v[n - 1], next = v[n - 2];
    Progress progress(u.size() - n);
    for (std::size_t j = u.size() - n; j-- > 0;) {
        const std::uint64_t head = std::uint64_t{u[j + n]} * kLimbBase + u[j + n - 1];
        std::uint64_t qhat = head / top, rhat = head % top;
        while (qhat >= kLimbBase || qhat * next > rhat * kLimbBase + u[j + n - 2]) {
            --qhat;
            rhat += top;
            if (rhat >= kLimbBase)
                break;
        }
        const auto window = u.subspan(j, n + 1);
        if (!subtractMultiple(window, v, qhat)) {
            --qhat;
            // The estimate was one too big; the carry out of the top limb cancels the wrap.
            [[maybe_unused]] const Limb carry = addLimbsWithCarry(window, v, 0);
            assert(carry == 1);
        }
        quotient[j] = static_cast<Limb>(qhat);
        progress.reach(u.size() - n - j, n);
    }
}

void divideThreeByTwo(std::span<const Limb> a, std::span<const Limb> b, std::span<Limb> q,
                      std::span<Limb> r);

// Burnikel and Ziegler's 2n / n step: a (2n limbs) below b * base^n, b normalised;
// q and r get n limbs each. Short halves go to long division; the block length makes every
// longer one even.
void divideTwoByOne(std::span<const Limb> a, std::span<const Limb> b, std::span<Limb> q,
                    std::span<Limb> r) {
    const std::size_t n = b.size();
    assert(isNormalised(b) && a.size() == 2 * n && q.size() == n && r.size() == n);
    assert(topBelow(a, b, n));
    if (n < thresholds::kRecursiveDivideBlockLimbs) {
        Limbs u(a.begin(), a.end());
        longDivide(u, b, q);
        std::copy_n(u.begin(), n, r.begin());
        return;
    }
    const std::size_t h = n / 2;
    Limbs low(3 * h); // a's lowest quarter under the first step's remainder
    divideThreeByTwo(a.subspan(h), b, q.subspan(h), std::span(low).subspan(h));
    std::copy_n(a.begin(), h, low.begin());
    divideThreeByTwo(low, b, q.first(h), r);
}

// The 3h / 2h step: a (3h limbs) below b * base^h, b (2h limbs) normalised; q gets h limbs
// and r 2h. The quotient is estimated from b's top half and corrected at most twice.
void divideThreeByTwo(std::span<const Limb> a, std::span<const Limb> b, std::span<Limb> q,
                      std::span<Limb> r) {
    const std::size_t h = b.size() / 2;
    assert(isNormalised(b) && b.size() == 2 * h && a.size() == 3 * h);
    assert(q.size() == h && r.size() == 2 * h && topBelow(a, b, h));
    const auto b1 = b.subspan(h), b2 = b.first(h), a1 = a.subspan(2 * h);
    Limbs rest(2 * h + 2, 0); // r1 * base^h + a's low third, with room to add b back
    std::copy_n(a.begin(), h, rest.begin());
    if (compareLimbs(a1, b1) < 0) {
        divideTwoByOne(a.subspan(h), b1, q, std::span(rest).subspan(h, h));
    } else {
        // a1 = b1 here, so q = base^h - 1 and r1 = a2 + b1.
        std::fill(q.begin(), q.end(), static_cast<Limb>(kLimbBase - 1));
        std::copy_n(a.begin() + static_cast<std::ptrdiff_t>(h), h, rest.begin() + static_cast<std::ptrdiff_t>(h));
        addLimbsAt(rest, b1, h);
    }
    Limbs product(2 * h);
    multiplyLimbs(q, b2, product);
    static constexpr std::array<Limb, 1> one = {1};
    while (compareLimbs(rest, product) < 0) {
        addLimbsAt(rest, b, 0);
        subtractLimbs(q, one);
    }
    subtractLimbs(rest, withoutLeadingZeros(product));
    std::copy_n(rest.begin(), 2 * h, r.begin());
}

// One block step: window (2n limbs, its top half below b) by b. When the top half is
// short, as the first block's often is, the quotient is short too, and long division of
// just the significant limbs costs a fraction of the recursion.
void divideWindow(std::span<const Limb> window, std::span<const Limb> b, std::span<Limb> q,
                  std::span<Limb> r) {
    const std::size_t n = b.size();
    assert(window.size() == 2 * n && topBelow(window, b, n));
    const std::size_t top = withoutLeadingZeros(window.subspan(n)).size();
    if (top >= thresholds::kRecursiveDivideMinLimbs) {
        divideTwoByOne(window, b, q, r);
        return;
    }
    // window is below base^(n + top), so the top n of these n + top + 1 limbs are below b.
    Limbs u(window.begin(), window.begin() + static_cast<std::ptrdiff_t>(n + top + 1));
    longDivide(u, b, q.first(top + 1));
    std::fill(q.begin() + static_cast<std::ptrdiff_t>(top + 1), q.end(), Limb{0});
    std::copy_n(u.begin(), n, r.begin());
}

// u / v by blocks of v's length rounded up to j * 2^k limbs, so that every half down to
// the threshold is even; v is shifted up by whole limbs to that length, which leaves the
// quotient as it is and the remainder shifted by the same limbs. j is at most the threshold,
// and reaches the recursion only when it equals it, so an even threshold keeps j even.
static_assert(thresholds::kRecursiveDivideBlockLimbs % 2 == 0);
void recursiveDivide(Limbs &u, std::span<const Limb> v, Limbs &quotient) {
    std::size_t k = 0;
    while ((v.size() >> k) >= thresholds::kRecursiveDivideBlockLimbs)
        ++k;
    const std::size_t n = ((v.size() + (std::size_t{1} << k) - 1) >> k) << k;
    const std::size_t shift = n - v.size();
    Limbs b(n, 0);
    std::copy(v.begin(), v.end(), b.begin() + static_cast<std::ptrdiff_t>(shift));
    std::size_t blocks = (u.size() + shift + n - 1) / n;
    Limbs a; // one spare block in case the top one is not below b
    growPolled(a, blocks * n + n, 0);
    std::copy(u.begin(), u.end(), a.begin() + static_cast<std::ptrdiff_t>(shift));
    if (compareLimbs(std::span(a).subspan((blocks - 1) * n, n), b) >= 0)
        ++blocks;

    quotient.clear();
    growPolled(quotient, (blocks - 1) * n, 0);
    Limbs r(a.begin() + static_cast<std::ptrdiff_t>((blocks - 1) * n),
            a.begin() + static_cast<std::ptrdiff_t>(blocks * n));
    Limbs window(2 * n);
    Progress progress(blocks - 1);
    for (std::size_t i = blocks - 1; i-- > 0;) {
        std::copy_n(a.begin() + static_cast<std::ptrdiff_t>(i * n), n, window.begin());
        std::copy(r.begin(), r.end(), window.begin() + static_cast<std::ptrdiff_t>(n));
        divideWindow(window, b, std::span(quotient).subspan(i * n, n), r);
        progress.reach(blocks - 1 - i, kPollUnits); // a block is long work: report each one
    }
    u.assign(r.begin() + static_cast<std::ptrdiff_t>(shift), r.end());
}

} // namespace

LimbQuotient divideLimbs(std::span<const Limb> x, std::span<const Limb> d) {
    x = withoutLeadingZeros(x);
    d = withoutLeadingZeros(d);
    assert(!d.empty());
    LimbQuotient result;
    if (compareLimbs(x, d) < 0) {
        result.remainder.assign(x.begin(), x.end());
        return result;
    }
    if (d.size() == 1) {
        growPolled(result.quotient, x.size(), 0);
        const Limb rest = divideByLimb(x, d[0], result.quotient);
        trim(result.quotient);
        if (rest != 0)
            result.remainder.push_back(rest);
        return result;
    }
    // Scaling both by the same factor lifts the divisor's top limb to base / 2 or more,
    // which the quotient estimates need; the remainder is scaled back at the end.
    const Limb factor = kLimbBase / (d.back() + 1);
    Limbs v(d.size() + 1), u;
    growPolled(u, x.size() + 1, 0);
    multiplyByLimb(d, factor, v);
    v.pop_back(); // d * factor stays below base^d.size()
    multiplyByLimb(x, factor, u);
    // Long division costs quotient limbs times divisor limbs, so it also wins when the
    // quotient is short, however long the divisor (1 / a long divisor to as many places).
    const std::size_t quotientLimbs = u.size() - v.size();
    if (std::min(v.size(), quotientLimbs) < thresholds::kRecursiveDivideMinLimbs) {
        growPolled(result.quotient, quotientLimbs, 0);
        longDivide(u, v, result.quotient);
        u.resize(v.size());
    } else {
        recursiveDivide(u, v, result.quotient);
    }
    divideByLimb(u, factor, u);
    trim(result.quotient);
    trim(u);
    result.remainder = std::move(u);
    return result;
}

} // namespace tallaro
