#pragma once

#include "LimbNumber.h"
#include "Ntt.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

// Products of limb magnitudes. Every function writes x * y into `product`, which has
// exactly x.size() + y.size() limbs and must not overlap the operands.
namespace tallaro {

// Whether product can take x * y as every function here requires: its length, and apart from
// both operands (the methods add partial products into it while they still read them).
inline bool isProductBuffer(std::span<const Limb> x, std::span<const Limb> y,
                            std::span<const Limb> product) {
    const std::less<const Limb *> before;
    const auto apart = [&](std::span<const Limb> operand) {
        return operand.empty() || product.empty() || before(&operand.back(), product.data()) ||
               before(&product.back(), operand.data());
    };
    return product.size() == x.size() + y.size() && apart(x) && apart(y);
}

using LimbMultiplier = void (*)(std::span<const Limb> x, std::span<const Limb> y,
                                std::span<Limb> product);

// The row-by-row long multiplication: quadratic, but with the smallest constant.
void schoolbookMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product);

// Karatsuba's three half-size products; falls back to schoolbook below its threshold.
void karatsubaMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product);

// Cuts both operands into slices of at most `slice` limbs, multiplies every pair of slices
// with `piece` (called as a LimbMultiplier) and adds the partial products in place. Turns a
// lopsided product into balanced ones and keeps each piece within a method's size limit.
template <class Piece>
void multiplyInSlices(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                      std::size_t slice, const Piece &piece) {
    assert(isProductBuffer(x, y, product) && slice > 0);
    // Zeroed a block at a time, between polls: the product may be fresh memory.
    for (std::size_t at = 0; at < product.size(); at += kPollUnits) {
        const auto block = product.subspan(at, std::min(kPollUnits, product.size() - at));
        std::fill(block.begin(), block.end(), Limb{0});
        pollForStop();
    }
    Limbs partial;
    for (std::size_t i = 0; i < x.size(); i += slice) {
        const auto xs = x.subspan(i, std::min(slice, x.size() - i));
        for (std::size_t j = 0; j < y.size(); j += slice) {
            const auto ys = y.subspan(j, std::min(slice, y.size() - j));
            pollForStop();
            if (partial.size() < xs.size() + ys.size())
                growPolled(partial, xs.size() + ys.size(), 0);
            partial.resize(xs.size() + ys.size());
            piece(xs, ys, partial);
            addLimbsAt(product, withoutLeadingZeros(partial), i + j);
        }
    }
}

// The fastest method for the operands' sizes.
void multiplyLimbs(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product);

// The length L of at least `minimum` limbs at which a product modulo base^L - 1 is cheapest
// (FixedFactor::wrapped): one the transform has, where there is one.
std::size_t cyclicLength(std::size_t minimum);

// Products of several operands by one factor. Where the transform forms them at the length
// given, the factor's transforms are worked out once and each product transforms only its
// other operand; elsewhere each is an ordinary product.
class FixedFactor {
  public:
    // length: one the transform has (nttLength, cyclicLength), or any other for none.
    FixedFactor(std::span<const Limb> factor, std::size_t length);

    // factor * y into out, which has factor.size() + y.size() limbs.
    void whole(std::span<const Limb> y, std::span<Limb> out) const;
    // floor(factor * y / base^shift) or one less into out, which has the product's limbs
    // from shift up.
    void high(std::span<const Limb> y, std::size_t shift, std::span<Limb> out) const;
    // factor * y modulo base^L - 1 into out, which has the length's L limbs; y may be longer.
    void wrapped(std::span<const Limb> y, std::span<Limb> out) const;

  private:
    std::span<const Limb> m_factor;
    std::size_t m_length;
    std::optional<NttFactor> m_transforms;
};

// The product of two digit texts (digits only) as exactly x.size() + y.size() digits,
// leading zeros included, written into out.
void multiplyDigitTexts(std::string_view x, std::string_view y, std::span<char> out);

} // namespace tallaro
