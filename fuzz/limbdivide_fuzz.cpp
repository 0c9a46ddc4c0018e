// Long division on wide limbs against division in blocks by Newton's reciprocal, made to run
// from two limbs up, on the same operands: both must give the same quotient and remainder,
// and these must put the dividend back together (q d + r = x with r < d). The reciprocal,
// its iteration run from three limbs up, must keep its bound d X < base^2n < d (X + 2),
// which the division would otherwise hide behind its corrections.
#include "LimbDivide.h"
#include "LimbMultiply.h"
#include "Reciprocal.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <random>

namespace {

using tallaro::kLimbBase;
using tallaro::Limb;
using tallaro::Limbs;

// Limbs from a generator the input seeds: random, mostly nines, mostly zeros, or at the edge.
Limbs operand(FuzzedDataProvider &input, std::size_t most) {
    Limbs value(input.ConsumeIntegralInRange<std::size_t>(1, most));
    const int shape = input.ConsumeIntegralInRange(0, 3);
    std::minstd_rand random(input.ConsumeIntegral<std::uint32_t>());
    for (Limb &limb : value) {
        const auto raw = static_cast<Limb>(random() % kLimbBase);
        limb = shape == 0   ? raw
               : shape == 1 ? (raw % 3 == 0 ? raw : kLimbBase - 1)
               : shape == 2 ? (raw % 3 == 0 ? raw : 0)
                            : kLimbBase - 1 - raw % 2;
    }
    if (value.back() == 0)
        value.back() = 1 + random() % (kLimbBase - 1);
    return value;
}

void check(bool holds) {
    if (!holds)
        std::abort();
}

// q d + r = x and r < d.
void checkDivision(const Limbs &x, const Limbs &d, const tallaro::LimbQuotient &qr) {
    Limbs back(qr.quotient.size() + d.size() + 1, 0);
    tallaro::multiplyLimbs(qr.quotient, d, std::span(back).first(qr.quotient.size() + d.size()));
    tallaro::addLimbsAt(back, qr.remainder, 0);
    check(tallaro::compareLimbs(back, x) == 0 && tallaro::compareLimbs(qr.remainder, d) < 0);
}

// d X < base^2n < d (X + 2) for d's reciprocal X, d of n limbs.
void checkReciprocal(Limbs d) {
    d.back() = std::max<Limb>(d.back(), kLimbBase / 2);
    const Limbs x = tallaro::reciprocal(d, 3);
    const std::size_t n = d.size();
    Limbs product(n + x.size() + 1, 0);
    tallaro::multiplyLimbs(d, x, std::span(product).first(n + x.size()));
    check(tallaro::withoutLeadingZeros(product).size() <= 2 * n);
    tallaro::addLimbsAt(product, d, 0);
    tallaro::addLimbsAt(product, d, 0);
    check(tallaro::withoutLeadingZeros(product).size() > 2 * n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Limbs d = operand(input, input.ConsumeBool() ? 24 : 300);
    const Limbs x = operand(input, input.ConsumeBool() ? 48 : 700);
    const tallaro::LimbQuotient longDivision = tallaro::divideLimbs(x, d, SIZE_MAX);
    const tallaro::LimbQuotient blocks = tallaro::divideLimbs(x, d, 2);
    check(longDivision.quotient == blocks.quotient && longDivision.remainder == blocks.remainder);
    checkDivision(x, d, blocks);
    checkReciprocal(d);
    return 0;
}
