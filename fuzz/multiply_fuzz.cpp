// Two limb operands built from the input (runs of nines and zeros, values at the limb's edge,
// lengths up to where the transform splits its blocks level by level) multiplied every way
// the engine can: schoolbook is the reference; Karatsuba, the transform on both kernels, whole
// and in slices, and the engine's own choice must give the same limbs. Texts of a few limbs
// are also multiplied digit by digit, against the limb path.
#include "DecimalEngine.h"
#include "LimbMultiply.h"
#include "Ntt.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

using tallaro::Limb;
using tallaro::Limbs;

// Beyond 4096 limbs a side, the transform splits blocks before it works in the cache; most
// operands are short, so that the fuzzer runs many.
std::size_t length(FuzzedDataProvider &input) {
    const int size = input.ConsumeIntegralInRange(0, 19);
    const std::size_t longest = size < 14 ? 128 : size < 19 ? 1200 : 4600;
    return input.ConsumeIntegralInRange<std::size_t>(1, longest);
}

// Schoolbook is the reference up to this many limb products, Karatsuba beyond.
constexpr std::size_t kSchoolbookProducts = 1'500'000;

// Digits from a generator the input seeds, so that a short input still makes long operands.
Limbs operand(FuzzedDataProvider &input, std::size_t limbs) {
    const int style = input.ConsumeIntegralInRange(0, 3);
    std::minstd_rand random(input.ConsumeIntegral<std::uint32_t>());
    Limbs value(limbs);
    for (Limb &limb : value) {
        const Limb raw = static_cast<Limb>(random() % tallaro::kLimbBase);
        switch (style) {
        case 0:
            limb = raw;
            break;
        case 1:
            limb = raw % 3 == 0 ? raw : tallaro::kLimbBase - 1;
            break; // mostly nines
        case 2:
            limb = raw % 3 == 0 ? raw : 0;
            break; // mostly zeros
        default:
            limb = tallaro::kLimbBase - 1 - raw % 2;
            break; // the edge
        }
    }
    return value;
}

void expectSame(tallaro::LimbMultiplier method, const Limbs &x, const Limbs &y,
                const Limbs &expected) {
    Limbs product(x.size() + y.size(), 12345);
    method(x, &y == &x ? x : y, product);
    if (product != expected)
        std::abort();
}

template <tallaro::NttKernel kernel, std::size_t maxLength>
void transform(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    tallaro::nttMultiply(x, y, product, kernel, maxLength);
}

// Both texts' digits, digit by digit, against the limb path of multiplyDigits.
void expectSameDigits(const Limbs &x, const Limbs &y) {
    std::string xs(9 * x.size(), '0'), ys(9 * y.size(), '0');
    tallaro::unpackDigits(x, xs);
    tallaro::unpackDigits(y, ys);
    tallaro::DecimalEngine loop, limbs;
    loop.m_product.assign(xs.size() + ys.size(), '0');
    for (std::size_t i = 0; i < xs.size(); ++i) {
        for (std::size_t j = 0; j < ys.size(); ++j)
            loop.addDigitAt((xs[i] - '0') * (ys[j] - '0'), static_cast<int>(i + j + 1));
    }
    limbs.m_product = "0";
    limbs.multiplyDigits(static_cast<int>(xs.size()), static_cast<int>(ys.size()), xs, ys);
    if (loop.m_product != limbs.m_product)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using tallaro::NttKernel;
    FuzzedDataProvider input(data, size);
    const bool square = input.ConsumeBool();
    const Limbs x = operand(input, length(input));
    const Limbs y = square ? Limbs{} : operand(input, length(input));
    const Limbs &other = square ? x : y;

    Limbs expected(x.size() + other.size());
    if (x.size() * other.size() <= kSchoolbookProducts) {
        tallaro::schoolbookMultiply(x, other, expected);
        expectSame(tallaro::karatsubaMultiply, x, other, expected);
    } else {
        tallaro::karatsubaMultiply(x, other, expected);
    }
    constexpr std::size_t whole = tallaro::thresholds::kNttMaxLength;
    for (const tallaro::LimbMultiplier method :
         {tallaro::multiplyLimbs, transform<NttKernel::Portable, whole>,
          transform<NttKernel::Avx2, whole>, transform<NttKernel::Avx2, 160>,
          transform<NttKernel::Portable, 3072>})
        expectSame(method, x, other, expected);
    if (x.size() + other.size() <= 24)
        expectSameDigits(x, other);
    return 0;
}
