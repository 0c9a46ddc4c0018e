#include "LimbDivide.h"

#include "LimbMultiply.h"
#include "Ntt.h"
#include "Reciprocal.h"
#include "WideDivide.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

namespace tallaro {

namespace {

constexpr std::array<Limb, 1> kOne = {1};

void trim(Limbs &value) {
    value.resize(withoutLeadingZeros(value).size());
}

// quotient = value / divisor, limb for limb from the top (quotient may be value itself);
// returns the remainder.
Limb divideByLimb(std::span<const Limb> value, Limb divisor, std::span<Limb> quotient) {
    assert(quotient.size() >= value.size());
    const LimbDivisor d(divisor);
    std::uint64_t rest = 0;
    Progress progress(value.size());
    for (std::size_t i = value.size(); i-- > 0;) {
        quotient[i] = static_cast<Limb>(d.divide(rest * kLimbBase + value[i], rest));
        progress.reach(value.size() - i, 1);
    }
    return static_cast<Limb>(rest);
}

// Long division on wide limbs, for a divisor of two limbs or more.
LimbQuotient longDivision(std::span<const Limb> x, std::span<const Limb> d) {
    std::vector<WideLimb> u, v(wideSize(d.size()));
    growPolled(u, wideSize(x.size()), 0);
    toWide(x, u);
    toWide(d, v);
    while (v.back() == 0)
        v.pop_back();
    std::vector<WideLimb> q;
    growPolled(q, u.size() - v.size() + 1, 0);
    divideWide(u, v, q);
    LimbQuotient result;
    growPolled(result.quotient, x.size() - d.size() + 1, 0);
    result.remainder.resize(d.size());
    fromWide(q, result.quotient);
    fromWide(std::span(u).first(v.size()), result.remainder);
    trim(result.quotient);
    trim(result.remainder);
    return result;
}

// Division in blocks of quotient limbs from the top, for a normalised divisor v (top limb at
// least base / 2): a block is estimated from the partial remainder's top limbs times a
// reciprocal of v's top, and set right by the remainder it leaves.
class BlockDivision {
  public:
    BlockDivision(std::span<const Limb> v, std::size_t block, std::size_t newtonFrom)
        : m_v(v), m_block(block), m_inverse(reciprocal(v.last(block), newtonFrom)),
          m_length(cyclicLength(v.size() + 2)),
          m_timesInverse(m_inverse, nttLength(m_inverse.size() + block)), m_timesV(v, m_length) {}

    // The next block of k limbs of the quotient of r base^k + next by v, for r below v; r
    // becomes the remainder.
    Limbs next(Limbs &r, std::span<const Limb> next) const {
        const std::size_t k = next.size();
        Limbs q = estimate(r, k);
        settle(r, q, remainderModulo(r, next, q));
        assert(q.back() == 0);
        q.pop_back();
        return q;
    }

  private:
    // floor(r's top k limbs times the inverse / base^m_block): within a few of the block,
    // k + 1 limbs. (A shorter block could use only the inverse's top k + 1 limbs, but the
    // whole inverse's transforms are kept for the others.) r's top limbs are often short or
    // end in zero limbs (a power of ten as the dividend), so only their significant part is
    // multiplied.
    Limbs estimate(std::span<const Limb> r, std::size_t k) const {
        std::span<const Limb> top = withoutLeadingZeros(r.last(k));
        std::size_t zeros = 0;
        while (zeros < top.size() && top[zeros] == 0)
            ++zeros;
        top = top.subspan(zeros);
        Limbs product(top.size() + m_inverse.size() + zeros, 0);
        m_timesInverse.whole(top, std::span(product).subspan(zeros));
        Limbs q(product.begin() + static_cast<std::ptrdiff_t>(m_block), product.end());
        q.resize(k + 1, 0);
        return q;
    }

    // r base^k + next - q v modulo base^L - 1: the limbs of q v from v's length up agree with
    // those of r base^k + next but for the last few, so a cyclic product gives the rest.
    Limbs remainderModulo(std::span<const Limb> r, std::span<const Limb> next,
                          std::span<const Limb> q) const {
        Limbs partial(next.begin(), next.end());
        partial.insert(partial.end(), r.begin(), r.end());
        Limbs e(m_length), product(m_length);
        reduceCyclic(partial, e);
        m_timesV.wrapped(withoutLeadingZeros(q), product);
        subtractCyclic(e, product);
        return e;
    }

    // From e, the remainder modulo base^L - 1 within a few divisors of [0, v), the remainder
    // r in [0, v), with q adjusted to match.
    void settle(Limbs &r, Limbs &q, Limbs e) const {
        const std::size_t n = m_v.size();
        const bool negative = takeCyclicSign(e, n + 1);
        e.resize(n + 1);
        if (negative) {
            for (;; subtractLimbs(e, m_v)) {
                subtractLimbs(q, kOne);
                if (compareLimbs(e, m_v) <= 0)
                    break;
            }
            Limbs below(m_v.begin(), m_v.end());
            subtractLimbs(below, withoutLeadingZeros(e));
            e = std::move(below);
        }
        for (; compareLimbs(e, m_v) >= 0; addLimbsAt(q, kOne, 0))
            subtractLimbs(e, m_v);
        e.resize(n);
        r = std::move(e);
    }

    std::span<const Limb> m_v;
    std::size_t m_block;
    Limbs m_inverse; // m_block + 1 limbs
    std::size_t m_length;
    // The products by the inverse and by v, whose transforms each block reuses.
    FixedFactor m_timesInverse, m_timesV;
};

// u / v for a normalised v, both long; u has more limbs than v. The quotient's limbs below
// v's length at the top go in blocks of at most v's length, of equal size; the remainder is
// left in u's low v.size() limbs.
Limbs blockDivide(Limbs &u, std::span<const Limb> v, std::size_t newtonFrom) {
    const std::size_t n = v.size(), limbs = u.size() - n;
    Limbs quotient;
    growPolled(quotient, limbs + 1, 0);
    Limbs r(u.end() - static_cast<std::ptrdiff_t>(n), u.end());
    if (compareLimbs(r, v) >= 0) {
        subtractLimbs(r, v);
        quotient[limbs] = 1;
    }
    const std::size_t blocks = (limbs + n - 1) / n;
    const BlockDivision division(v, (limbs + blocks - 1) / blocks, newtonFrom);
    Progress progress(limbs);
    for (std::size_t end = limbs; end > 0;) {
        const std::size_t k = std::min(end, (limbs + blocks - 1) / blocks);
        end -= k;
        const Limbs q = division.next(r, std::span<const Limb>(u).subspan(end, k));
        std::copy(q.begin(), q.end(), quotient.begin() + static_cast<std::ptrdiff_t>(end));
        progress.reach(limbs - end, kPollUnits); // a block is long work: report each one
    }
    u = std::move(r);
    return quotient;
}

} // namespace

LimbDivisor::LimbDivisor(Limb d) : m_d(d), m_inverse(~std::uint64_t{0} / d) {
    assert(d != 0);
}

LimbQuotient divideLimbs(std::span<const Limb> x, std::span<const Limb> d, std::size_t newtonFrom) {
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
    // Long division costs quotient limbs times divisor limbs, so it also wins when the
    // quotient is short, however long the divisor (1 / a long divisor to as many places).
    if (std::min(d.size(), x.size() - d.size() + 1) < newtonFrom)
        return longDivision(x, d);
    // Scaling both by the same factor lifts the divisor's top limb to base / 2 or more, which
    // the reciprocal needs; the remainder is scaled back at the end.
    const Limb factor = kLimbBase / (d.back() + 1);
    Limbs v(d.size() + 1), u;
    growPolled(u, x.size() + 1, 0);
    multiplyByLimb(d, factor, v);
    v.pop_back(); // d * factor stays below base^d.size()
    multiplyByLimb(x, factor, u);
    result.quotient = blockDivide(u, v, newtonFrom);
    divideByLimb(u, factor, u);
    trim(result.quotient);
    trim(u);
    result.remainder = std::move(u);
    return result;
}

} // namespace tallaro
