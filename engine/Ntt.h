#pragma once

#include "LimbNumber.h"
#include "Thresholds.h"

#include <span>

namespace tallaro {

// The builds of the transform's inner loops: portable C++, which runs everywhere, and AVX2,
// which runs only where the processor has it. Both give the same answers.
enum class NttKernel { Portable, Avx2 };

bool nttKernelAvailable(NttKernel kernel);
NttKernel fastestNttKernel();

// x * y into product (x.size() + y.size() limbs) by number-theoretic transforms modulo three
// primes, joined by the Chinese remainder theorem. The transform's length is the shortest
// of the form 2^k, 3 * 2^k or 5 * 2^k that holds the product; a product longer than
// maxLength (itself such a length) is assembled from products of maxLength / 2-limb slices.
// When x and y are the same span, each prime transforms it once.
void nttMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                 NttKernel kernel = fastestNttKernel(),
                 std::size_t maxLength = thresholds::kNttMaxLength);

} // namespace tallaro
