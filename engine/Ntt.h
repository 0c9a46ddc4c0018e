#pragma once

#include "LimbNumber.h"
#include "Scratch.h"
#include "Thresholds.h"

#include <memory>
#include <span>
#include <string_view>

namespace tallaro {

// The builds of the transform's inner loops: portable C++, which runs everywhere, and AVX2,
// which runs only where the processor has it. Both give the same answers.
enum class NttKernel { Portable, Avx2 };

bool nttKernelAvailable(NttKernel kernel);
NttKernel fastestNttKernel();

// The length of the transforms that form a product of productLimbs (at least 2) limbs: of
// the form 2^k, 3 * 2^k or 5 * 2^k, with roots of unity of its order modulo every prime,
// and long enough that the cyclic convolution does not wrap round. 0 for a product longer
// than the longest such length, which nttMultiply assembles from slices.
std::size_t nttLength(std::size_t productLimbs);

// Whether length is one the transform has (2^k, 3 * 2^k or 5 * 2^k with roots of its order
// modulo every prime, up to the longest).
bool isNttLength(std::size_t length);

// The cheapest transform length of at least `limbs` points; 0 beyond the longest.
std::size_t nttCyclicLength(std::size_t limbs);

// x * y into product (x.size() + y.size() limbs) by number-theoretic transforms modulo three
// primes, joined by the Chinese remainder theorem. The transform's length is the cheapest
// of the form 2^k, 3 * 2^k or 5 * 2^k that holds the product, up to maxLength (itself such
// a length); a longer product is assembled from products of maxLength / 2-limb slices.
// When x and y are the same span, each prime transforms it once.
void nttMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                 NttKernel kernel = fastestNttKernel(),
                 std::size_t maxLength = thresholds::kNttMaxLength);

// One factor's transforms at one length, kept to multiply several others by it: each product
// then transforms only the other operand, two transforms per prime instead of three.
class NttFactor {
  public:
    // x of at most `length` limbs, a transform length (isNttLength).
    NttFactor(std::span<const Limb> x, std::size_t length, NttKernel kernel = fastestNttKernel());

    // x * y into product, which has x.size() + y.size() limbs, at most length + 1.
    void multiplyWhole(std::span<const Limb> y, std::span<Limb> product) const;
    // floor(x * y / base^shift) or one less into out (the product's limbs from shift up), at
    // a saving of the coefficients below shift - 2.
    void multiplyHigh(std::span<const Limb> y, std::size_t shift, std::span<Limb> out) const;
    // x * y modulo base^length - 1 into out, which has length limbs; y may be longer.
    void multiplyWrapped(std::span<const Limb> y, std::span<Limb> out) const;

  private:
    NttKernel m_kernel;
    std::size_t m_limbs, m_length;
    std::unique_ptr<Scratch> m_transforms; // one run of length values per prime
};

// The product of two digit texts (digits only, neither empty) as exactly x.size() + y.size()
// digits, leading zeros included, written into out. The transforms read their limbs straight
// from the texts and write the product's straight into out, so no limb copy of either is made
// (unless the product needs slices).
void nttMultiplyDigits(std::string_view x, std::string_view y, std::span<char> out,
                       NttKernel kernel = fastestNttKernel());

} // namespace tallaro
