#include "LimbMultiply.h"

#include "Ntt.h"
#include "Scratch.h"
#include "Thresholds.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <utility>

namespace tallaro {

namespace {

// Products are summed in 64 bits and carried into limbs only every this many rows:
// 18 (10^9 - 1)^2 plus a value left from the last carrying (below 10^9, or a carry below
// 2^35) stays under 2^64. The division by 10^9 that a carry takes is then paid once for
// eighteen products instead of once for each.
constexpr std::size_t kRowsBetweenCarries = 18;

// Schoolbook pieces are at most this long, so that their sums fit on the stack.
constexpr std::size_t kPieceLimbs = 256;

void schoolbookPiece(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    if (x.size() < y.size())
        std::swap(x, y); // the long operand in the inner loop
    std::uint64_t sums[2 * kPieceLimbs];
    std::fill(sums, sums + product.size(), std::uint64_t{0});
    for (std::size_t first = 0; first < y.size(); first += kRowsBetweenCarries) {
        const std::size_t last = std::min(first + kRowsBetweenCarries, y.size());
        for (std::size_t i = first; i < last; ++i) {
            const std::uint64_t yi = y[i];
            for (std::size_t j = 0; j < x.size(); ++j)
                sums[i + j] += yi * x[j];
        }
        // Places below `last` are final; the rest are left below 10^9 for the next rows.
        std::uint64_t carry = 0;
        for (std::size_t k = first; k < last + x.size() - 1; ++k) {
            const std::uint64_t t = sums[k] + carry;
            carry = t / kLimbBase;
            sums[k] = t - carry * kLimbBase;
        }
        sums[last + x.size() - 1] += carry;
    }
    for (std::size_t k = 0; k < product.size(); ++k)
        product[k] = static_cast<Limb>(sums[k]);
}

} // namespace

void schoolbookMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    assert(isProductBuffer(x, y, product));
    if (x.empty() || y.empty())
        std::fill(product.begin(), product.end(), Limb{0});
    else if (x.size() > kPieceLimbs || y.size() > kPieceLimbs)
        multiplyInSlices(x, y, product, kPieceLimbs, schoolbookPiece);
    else
        schoolbookPiece(x, y, product);
}

namespace {

// a + b, one limb longer than the longer of the two.
Limbs sumOf(std::span<const Limb> a, std::span<const Limb> b) {
    if (a.size() < b.size())
        std::swap(a, b);
    Limbs sum(a.size() + 1, 0);
    std::copy(a.begin(), a.end(), sum.begin());
    addLimbsAt(sum, b, 0);
    return sum;
}

} // namespace

void karatsubaMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    assert(isProductBuffer(x, y, product));
    if (x.size() < y.size())
        std::swap(x, y);
    if (y.size() < thresholds::kKaratsubaMinLimbs) {
        schoolbookMultiply(x, y, product);
        return;
    }
    if (x.size() >= 2 * y.size()) {
        multiplyInSlices(x, y, product, y.size(), karatsubaMultiply);
        return;
    }
    // x = x1 * B^m + x0 and likewise y; y1 is not empty because y is more than half of x.
    const std::size_t m = x.size() / 2;
    const auto x0 = x.first(m), x1 = x.subspan(m), y0 = y.first(m), y1 = y.subspan(m);
    const auto low = product.first(2 * m), high = product.subspan(2 * m);
    karatsubaMultiply(x0, y0, low);
    karatsubaMultiply(x1, y1, high);
    const Limbs sx = sumOf(x0, x1), sy = sumOf(y0, y1);
    Limbs middle(sx.size() + sy.size());
    karatsubaMultiply(sx, sy, middle);
    subtractLimbs(middle, low);
    subtractLimbs(middle, high);
    addLimbsAt(product, withoutLeadingZeros(middle), m);
}

namespace {

// Where the transform takes over depends on how fast its kernels run here.
std::size_t nttMinLimbs() {
    static const std::size_t limbs = fastestNttKernel() == NttKernel::Avx2
                                         ? thresholds::kNttMinLimbs
                                         : thresholds::kNttMinLimbsPortable;
    return limbs;
}

// x * y modulo base^L - 1 into out, L = out.size(): the whole product, its limbs from L up
// added onto those below (base^L is 1 modulo base^L - 1), where the transform does not serve.
void multiplyCyclic(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> out) {
    Limbs product;
    growPolled(product, x.size() + y.size(), 0);
    multiplyLimbs(x, y, product);
    reduceCyclic(product, out);
}

} // namespace

void multiplyLimbs(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    assert(isProductBuffer(x, y, product));
    const std::size_t shorter = std::min(x.size(), y.size());
    if (shorter >= nttMinLimbs())
        nttMultiply(x, y, product);
    else if (shorter >= thresholds::kKaratsubaMinLimbs)
        karatsubaMultiply(x, y, product);
    else
        schoolbookMultiply(x, y, product);
}

std::size_t cyclicLength(std::size_t minimum) {
    const std::size_t length = nttCyclicLength(minimum);
    return length != 0 ? length : minimum;
}

FixedFactor::FixedFactor(std::span<const Limb> factor, std::size_t length)
    : m_factor(factor), m_length(length) {
    if (factor.size() >= nttMinLimbs() && factor.size() <= length && isNttLength(length))
        m_transforms.emplace(factor, length);
}

void FixedFactor::whole(std::span<const Limb> y, std::span<Limb> out) const {
    if (m_transforms && y.size() >= nttMinLimbs() && out.size() <= m_length + 1)
        m_transforms->multiplyWhole(y, out);
    else
        multiplyLimbs(m_factor, y, out);
}

void FixedFactor::high(std::span<const Limb> y, std::size_t shift, std::span<Limb> out) const {
    const std::size_t limbs = m_factor.size() + y.size();
    assert(out.size() + shift == limbs);
    if (m_transforms && y.size() >= nttMinLimbs() && limbs <= m_length + 1) {
        m_transforms->multiplyHigh(y, shift, out);
        return;
    }
    Limbs product;
    growPolled(product, limbs, 0);
    multiplyLimbs(m_factor, y, product);
    std::copy(product.begin() + static_cast<std::ptrdiff_t>(shift), product.end(), out.begin());
}

void FixedFactor::wrapped(std::span<const Limb> y, std::span<Limb> out) const {
    assert(out.size() == m_length);
    if (m_transforms && y.size() >= nttMinLimbs())
        m_transforms->multiplyWrapped(y, out);
    else
        multiplyCyclic(m_factor, y, out);
}

void multiplyDigitTexts(std::string_view x, std::string_view y, std::span<char> out) {
    assert(out.size() == x.size() + y.size());
    // A square (A x A) passes one operand twice: the transform then runs once per prime
    // for both, a third less work.
    const bool square = x == y;
    const std::size_t lx = limbCount(x.size()), ly = limbCount(y.size());
    if (std::min(lx, ly) >= nttMinLimbs()) {
        nttMultiplyDigits(x, square ? x : y, out);
        return;
    }
    const Scratch scratch(square ? 3 * lx : 2 * (lx + ly));
    const std::span<Limb> xl = scratch.words().first(lx), yl = scratch.words().subspan(lx, ly);
    const std::span<Limb> product = scratch.words().subspan(square ? lx : lx + ly, lx + ly);
    packDigits(x, 0, xl);
    if (!square)
        packDigits(y, 0, yl);
    multiplyLimbs(xl, square ? xl : yl, product);
    unpackDigits(product, out);
}

} // namespace tallaro
