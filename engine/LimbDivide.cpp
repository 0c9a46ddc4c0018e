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

// X f, where X is the reciprocal of the top `block` limbs of V = v f and the factor
// f = floor(base / (v's top limb + 1)) lifts V's top limb to base / 2 or more, as the
// reciprocal needs. X has block + 1 limbs and is below 2 base^block, so X f, f <= base / 2,
// fits block + 2.
Limbs scaledInverse(std::span<const Limb> v, std::size_t block, std::size_t newtonFrom) {
    newtonFrom = std::min(newtonFrom, thresholds::kNewtonReciprocalMinLimbs);
    const Limb f = kLimbBase / (v.back() + 1);
    if (f == 1)
        return reciprocal(v.last(block), newtonFrom);
    const auto timesF = [f](std::span<const Limb> value) {
        Limbs product;
        growPolled(product, value.size() + 1, 0);
        multiplyByLimb(value, f, product);
        return product;
    };
    // V's top limbs from v's top block + 2 alone: the limbs below bring less than f into the
    // lowest of them, which reaches the top block only where the next one is base - 1.
    std::span<const Limb> part = v.last(std::min(v.size(), block + 2));
    Limbs scaled = timesF(part); // v f stays below base^n: its top limb is 0
    if (part.size() < v.size() && scaled[1] == kLimbBase - 1) {
        part = v;
        scaled = timesF(v);
    }
    return timesF(
        reciprocal(std::span<const Limb>(scaled).subspan(part.size() - block, block), newtonFrom));
}

// Division in blocks of quotient limbs from the top, for a divisor v of n limbs: a block is
// estimated from the partial dividend's top limbs times a reciprocal of v's top, and set
// right by the remainder it leaves. The partial dividend of a block of k limbs is
// P = r base^k + next, for the remainder r < v of the blocks above; it is held as its limbs,
// next's below r's, in one buffer that also takes the remainder P - q v, so no block copies
// more than r into place.
class BlockDivision {
  public:
    // Blocks of at most `block` limbs, block <= n.
    BlockDivision(std::span<const Limb> v, std::size_t block, std::size_t newtonFrom)
        : m_v(v), m_block(block), m_inverse(scaledInverse(v, block, newtonFrom)),
          m_length(cyclicLength(v.size() + 2)),
          m_timesInverse(m_inverse, nttLength(m_inverse.size() + block + 1)),
          m_timesV(v, m_length) {
        growPolled(m_partial, std::max(v.size() + block, m_length), 0);
        growPolled(m_estimate, m_inverse.size(), 0);
        growPolled(m_product, m_length, 0);
    }
    // It holds spans of its own members.
    BlockDivision(const BlockDivision &) = delete;
    BlockDivision &operator=(const BlockDivision &) = delete;

    // Starts from r = top, which has fewer limbs than v.
    void start(std::span<const Limb> top) {
        assert(top.size() < m_v.size());
        std::fill(std::copy(top.begin(), top.end(), m_partial.begin()),
                  m_partial.begin() + static_cast<std::ptrdiff_t>(m_v.size()), Limb{0});
    }

    // The quotient of r base^k + next by v into q (both k limbs); r becomes the remainder.
    void next(std::span<const Limb> next, std::span<Limb> q) {
        const std::size_t k = next.size(), n = m_v.size();
        std::copy_backward(m_partial.begin(), m_partial.begin() + static_cast<std::ptrdiff_t>(n),
                           m_partial.begin() + static_cast<std::ptrdiff_t>(k + n));
        std::copy(next.begin(), next.end(), m_partial.begin());
        const std::span<Limb> estimated = estimate(k);
        settle(remainderModulo(k, estimated), estimated);
        assert(withoutLeadingZeros(estimated).size() <= k);
        std::copy_n(estimated.begin(), k, q.begin());
    }

    // r, v's length of limbs.
    std::span<const Limb> remainder() const {
        return std::span<const Limb>(m_partial).first(m_v.size());
    }

  private:
    // floor(T X f / base^(B+1)), or one less, for P's top k + 1 limbs T and the block length
    // B: q - 4 to q + 4 for the block q = floor(P / v), k + 2 limbs or k + 1. With V = v f,
    // V_B = floor(V / base^(n-B)) the top B limbs the reciprocal X was taken of
    // (V_B X < base^2B < V_B (X + 2), V_B >= base^B / 2, so X <= 2 base^B) and
    // t = T f base^(B-1) / V_B, the exact q = floor(P f / V):
    // - q + 1 > P f / V >= T f base^(n-1) / V > t V_B / (V_B + 1) = t - t / (V_B + 1), and
    //   t / (V_B + 1) < 4 since T f < P f / base^(n-1) < V base^k / base^(n-1) <= base^(B+1);
    //   the estimate is at most T f X / base^(B+1) <= t, so below q + 5.
    // - q <= P f / V < (T + 1) f base^(n-1) / V <= t + f base^(B-1) / V_B <= t + 1, and
    //   floor(T f X / base^(B+1)) > T f X / base^(B+1) - 1 > t - 2 T f / base^(B+1) - 1 > t - 3,
    //   so the estimate, that or one less, is above q - 5.
    // T often ends in zero limbs (a power of ten as the dividend), which are not multiplied.
    std::span<Limb> estimate(std::size_t k) {
        const std::size_t n = m_v.size(), shift = m_block + 1;
        std::span<const Limb> top = std::span<const Limb>(m_partial).subspan(n - 1, k + 1);
        std::size_t zeros = 0;
        while (zeros < top.size() && top[zeros] == 0)
            ++zeros;
        top = withoutLeadingZeros(top.subspan(zeros));
        const std::span<Limb> q = std::span(m_estimate).first(m_inverse.size() + k + 1 - shift);
        std::fill(q.begin(), q.end(), Limb{0});
        if (!top.empty()) {
            // The product's limbs below the estimate's, and where its first limb goes.
            const std::size_t cut = shift - std::min(shift, zeros), at = zeros + cut - shift;
            m_timesInverse.high(top, cut, q.subspan(at, top.size() + m_inverse.size() - cut));
        }
        return q;
    }

    // P - q v modulo base^L - 1: the limbs of q v from v's length up agree with those of P but
    // for the last few, so a cyclic product gives the rest. P's limbs from L up are added onto
    // those below in place (base^L is 1 modulo base^L - 1).
    std::span<Limb> remainderModulo(std::size_t k, std::span<const Limb> q) {
        const std::size_t width = m_v.size() + k;
        const std::span<Limb> e = std::span(m_partial).first(m_length);
        if (width > m_length)
            addCyclic(e, std::span<const Limb>(m_partial).subspan(m_length, width - m_length));
        else
            std::fill(e.begin() + static_cast<std::ptrdiff_t>(width), e.end(), Limb{0});
        m_timesV.wrapped(withoutLeadingZeros(q), m_product);
        subtractCyclic(e, m_product);
        return e;
    }

    // From e, P - q v modulo base^L - 1 for the estimate q, the remainder in e's low n limbs,
    // with q adjusted to match. P - q v lies within 4 v of [0, v), below base^(n+1) in size,
    // and L >= n + 2: a negative one is held as base^L - 1 - |P - q v|, whose top limb is
    // base - 1, and v is added until it is not.
    void settle(std::span<Limb> e, std::span<Limb> q) const {
        for (; e.back() != 0; subtractLimbs(q, kOne))
            addCyclic(e, m_v);
        assert(withoutLeadingZeros(e).size() <= m_v.size() + 1);
        const std::span<Limb> r = e.first(m_v.size() + 1);
        for (; compareLimbs(r, m_v) >= 0; addLimbsAt(q, kOne, 0))
            subtractLimbs(r, m_v);
    }

    std::span<const Limb> m_v;
    std::size_t m_block;
    Limbs m_inverse; // X f, block + 1 limbs (f = 1) or block + 2
    std::size_t m_length;
    // The products by X f and by v, whose transforms each block reuses.
    FixedFactor m_timesInverse, m_timesV;
    // The partial dividend and then the remainder (the wrap-round length, or n + block where
    // longer), the estimate's product and the cyclic one.
    Limbs m_partial, m_estimate, m_product;
};

// x / v, both long, x longer than v. The quotient goes in blocks of at most v's length, of
// equal size, from r = x's top n - 1 limbs, which is below v. A quotient of more than n / 3
// limbs takes two blocks at least: the reciprocal of the whole block would cost more than the
// second block's products (2n - 1 / n limbs at 10^4: 3.22 products of n x n in one block,
// 2.49 in two; 1.45 n / n: 1.79 against 1.62).
LimbQuotient blockDivide(std::span<const Limb> x, std::span<const Limb> v, std::size_t newtonFrom) {
    const std::size_t n = v.size(), limbs = x.size() - n + 1;
    const std::size_t blocks = std::max<std::size_t>((limbs + n - 1) / n, 3 * limbs > n ? 2 : 1);
    const std::size_t block = (limbs + blocks - 1) / blocks;
    BlockDivision division(v, block, newtonFrom);
    division.start(x.last(n - 1));
    LimbQuotient result;
    growPolled(result.quotient, limbs, 0);
    Progress progress(limbs);
    for (std::size_t end = limbs; end > 0;) {
        const std::size_t k = std::min(end, block);
        end -= k;
        division.next(x.subspan(end, k), std::span(result.quotient).subspan(end, k));
        progress.reach(limbs - end, kPollUnits); // a block is long work: report each one
    }
    trim(result.quotient);
    const std::span<const Limb> r = withoutLeadingZeros(division.remainder());
    result.remainder.assign(r.begin(), r.end());
    return result;
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
    return blockDivide(x, d, newtonFrom);
}

} // namespace tallaro
