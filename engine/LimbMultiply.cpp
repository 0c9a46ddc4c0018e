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

void schoolbookMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    assert(isProductBuffer(x, y, product));
    // Rows along the shorter operand keep every row short enough to poll between them.
    if (x.size() < y.size())
        std::swap(x, y);
    std::fill(product.begin(), product.end(), Limb{0});
    PollCounter polls;
    for (std::size_t i = 0; i < x.size(); ++i) {
        polls.count(y.size());
        const std::uint64_t xi = x[i];
        if (xi == 0)
            continue; // the row adds nothing, and its top limb is still zero
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < y.size(); ++j) {
            // At most (10^9 - 1) + (10^9 - 1)^2 + 10^9 - 1 < 2^64.
            const std::uint64_t t = product[i + j] + xi * y[j] + carry;
            product[i + j] = static_cast<Limb>(t % kLimbBase);
            carry = t / kLimbBase;
        }
        product[i + y.size()] = static_cast<Limb>(carry);
    }
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

void multiplyLimbs(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    assert(isProductBuffer(x, y, product));
    const std::size_t shorter = std::min(x.size(), y.size());
    if (shorter < thresholds::kKaratsubaMinLimbs)
        schoolbookMultiply(x, y, product);
    else if (shorter < thresholds::kNttMinLimbs)
        karatsubaMultiply(x, y, product);
    else
        nttMultiply(x, y, product);
}

void multiplyDigitTexts(std::string_view x, std::string_view y, std::span<char> out) {
    assert(out.size() == x.size() + y.size());
    // A square (A x A) passes one operand twice: the transform then runs once per prime
    // for both, a third less work.
    const bool square = x == y;
    const std::size_t lx = (x.size() + kLimbDigits - 1) / kLimbDigits;
    const std::size_t ly = (y.size() + kLimbDigits - 1) / kLimbDigits;
    const Scratch scratch(square ? 3 * lx : 2 * (lx + ly));
    const std::span<Limb> xl = scratch.words().first(lx), yl = scratch.words().subspan(lx, ly);
    const std::span<Limb> product = scratch.words().subspan(square ? lx : lx + ly, lx + ly);
    packDigits(x, xl);
    if (!square)
        packDigits(y, yl);
    multiplyLimbs(xl, square ? xl : yl, product);
    unpackDigits(product, out);
}

} // namespace tallaro
