#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "LimbMultiply.h"
#include "LimbNumber.h"
#include "Ntt.h"
#include "NttArithmetic.h"
#include "RandomOperands.h"
#include "Thresholds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallaro {
namespace {

using test::DigitKind;
using test::kDigitKinds;

// multiplyDigits picks its method by the operands' sizes; the product has lenX + lenY digits.
std::string viaMultiplyDigits(const std::string &x, const std::string &y) {
    DecimalEngine engine;
    engine.multiplyDigits(static_cast<int>(x.size()), static_cast<int>(y.size()), x, y);
    return engine.m_product;
}

std::string expectedDigits(const std::string &x, const std::string &y) {
    const std::size_t width = x.size() + y.size();
    const std::string exact = test::exactProduct(x, y);
    if (exact == "0") // also when an operand is empty and the width may be 0
        return std::string(width, '0');
    return std::string(width - exact.size(), '0') + exact;
}

// The product of two digit texts by one limb method, as exactly lenX + lenY digits.
std::string limbProduct(LimbMultiplier method, const std::string &x, const std::string &y) {
    const Limbs xl = packDigits(x), yl = packDigits(y);
    Limbs product(xl.size() + yl.size(), 12345); // junk: every limb must be written
    method(xl, yl, product);
    std::string out(x.size() + y.size(), '?');
    unpackDigits(product, out);
    return out;
}

template <NttKernel kernel, std::size_t maxLength = thresholds::kNttMaxLength>
void transform(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    nttMultiply(x, y, product, kernel, maxLength);
}

// Digit lengths on both sides of every threshold: the digit pairs from which multiplyDigits
// takes limbs (3 x 2 and 5 x 2), Karatsuba's and the transform's limbs for either kernel, and
// lengths that are not whole limbs.
std::vector<std::size_t> sweepLengths() {
    std::vector<std::size_t> lengths{0, 1, 2, 3, 5, 8, 9, 10, 17};
    for (std::size_t limbs : {thresholds::kNttMinLimbs, thresholds::kKaratsubaMinLimbs,
                              thresholds::kNttMinLimbsPortable}) {
        for (std::size_t l : {limbs - 1, limbs, limbs + 1})
            lengths.insert(lengths.end(), {9 * l - 4, 9 * l});
    }
    return lengths;
}

// Every method, as multiplyDigits picks it, against GMP. Balanced operands of every kind against
// another (whole limbs of nines carry across limbs, powers of ten leave rows of zero limbs), and
// squares, whose transform runs once per prime; lopsided ones, which schoolbook and Karatsuba
// cut into balanced slices, take the kinds in turn. Karatsuba, which the engine picks only where
// the processor has no AVX2, is also run on its own from its threshold on.
TEST(FastMultiply, AgreesWithGmpAcrossTheThresholds) {
    test::RandomOperands random(8);
    for (const std::size_t a : sweepLengths()) {
        for (const std::size_t b : {a, a / 3 + 1, 2 * a + 5}) {
            for (std::size_t k = 0; k < (b == a ? std::size(kDigitKinds) : 1); ++k) {
                const std::string x = random.digits(a, kDigitKinds[(a + k) % 5]);
                const std::string y = random.digits(b, kDigitKinds[(b + 2 * k + 1) % 5]);
                const std::string expected = expectedDigits(x, y);
                ASSERT_EQ(viaMultiplyDigits(x, y), expected) << a << 'x' << b;
                if (a >= 9 * thresholds::kKaratsubaMinLimbs - 9) {
                    ASSERT_EQ(limbProduct(karatsubaMultiply, x, y), expected) << a << 'x' << b;
                }
                if (b == a) {
                    ASSERT_EQ(viaMultiplyDigits(x, x), expectedDigits(x, x)) << a << " squared";
                }
            }
        }
    }
}

// Both kernels at every coefficient count where the transform's length changes size or form
// (2^k, 3 * 2^k, 5 * 2^k and one more): lengths whose blocks are shorter than a vector, first
// steps of 3 and 5 parts shorter than one, and blocks long enough to be split level by level
// before the cache-sized rest. On limbs, and on texts whose limbs it packs as it reads them
// (the first of which starts inside a limb). The AVX2 rows run the portable kernels again where
// the processor has no AVX2.
TEST(Ntt, EveryLengthAgreesWithGmpOnBothKernels) {
    test::RandomOperands random(14);
    std::vector<std::size_t> counts;
    for (std::size_t k = 0; k <= 15; ++k) {
        for (const std::size_t radix : {1u, 3u, 5u}) {
            if ((radix << k) <= (std::size_t{1} << 15))
                counts.insert(counts.end(), {radix << k, (radix << k) + 1});
        }
    }
    for (std::size_t i = 0; i < counts.size(); ++i) {
        // x and y of lx and ly limbs give lx + ly - 1 coefficients.
        const std::size_t lx = (counts[i] + 1) / 2, ly = counts[i] + 1 - lx;
        const std::string x = random.digits(9 * lx - i % 5, kDigitKinds[i % 5]);
        const std::string y = random.digits(9 * ly, kDigitKinds[(i / 5) % 5]);
        const std::string expected = expectedDigits(x, y);
        for (const NttKernel kernel : {NttKernel::Avx2, NttKernel::Portable}) {
            std::string digits(x.size() + y.size(), '?');
            nttMultiplyDigits(x, y, digits, kernel);
            EXPECT_EQ(digits, expected) << counts[i];
        }
        EXPECT_EQ(limbProduct(transform<NttKernel::Avx2>, x, y), expected) << counts[i];
        EXPECT_EQ(limbProduct(transform<NttKernel::Portable>, x, y), expected) << counts[i];
    }
}

// The transform's length around every length of the three forms up to 2^26, where powers of
// two beyond 2^23 would be the cheapest but have no roots: it holds the product, all three
// primes have roots of unity of its order, and only a product longer than the longest length
// is left to slices. (A length of 2^24 for two 6 * 10^7-digit operands gave a wrong product.)
TEST(Ntt, EveryLengthHasRootsOfItsOrderInEveryPrime) {
    for (std::size_t k = 0; k <= 26; ++k) {
        for (const std::size_t radix : {1u, 3u, 5u}) {
            for (const std::size_t coefficients : {radix << k, (radix << k) + 1}) {
                const std::size_t n = nttLength(coefficients + 1);
                if (coefficients > thresholds::kNttMaxLength) {
                    EXPECT_EQ(n, 0u) << coefficients;
                    continue;
                }
                ASSERT_GE(n, coefficients);
                for (const ntt::Modulus &m : ntt::kModuli)
                    EXPECT_EQ((m.p - 1) % n, 0u) << coefficients << " in " << n;
            }
        }
    }
}

// The wrap-round product at lengths of the three forms, short and split level by level, on
// both kernels, against the whole product folded: all nines (every coefficient at its largest,
// so the carry out of the top takes two limbs), operands longer than the length (folded before
// the transform), lopsided ones, and a product that does not reach the length at all.
TEST(Ntt, WrapRoundAgreesWithTheFoldedProduct) {
    test::RandomOperands random(21);
    for (const std::size_t length : {32u, 96u, 160u, 4096u, 3u << 13, 5u << 13}) {
        const std::size_t sizes[][2] = {
            {length, length}, {2 * length + 3, length - 1}, {length / 2, 7}, {length / 3, 5}};
        for (std::size_t i = 0; i < std::size(sizes); ++i) {
            const DigitKind kind = i == 0 ? DigitKind::AllNines : kDigitKinds[(length + i) % 5];
            const Limbs x = packDigits(random.digits(9 * sizes[i][0], kind));
            const Limbs y = packDigits(random.digits(9 * sizes[i][1], kind));
            Limbs whole(x.size() + y.size()), expected(length);
            multiplyLimbs(x, y, whole);
            reduceCyclic(whole, expected);
            // The kept factor is the shorter operand; the other may be longer than the length.
            const bool xShorter = x.size() <= y.size();
            for (const NttKernel kernel : {NttKernel::Avx2, NttKernel::Portable}) {
                Limbs out(length, 12345);
                NttFactor(xShorter ? x : y, length, kernel).multiplyWrapped(xShorter ? y : x, out);
                EXPECT_EQ(out, expected) << length << " row " << i;
            }
        }
    }
}

// The product's limbs from a cut up, without the coefficients below the cut joined: the
// exact top or one less, on all nines (every coefficient left out at its largest) and on
// random limbs, from no cut to one near the top, on both kernels.
TEST(Ntt, HighLimbsAreTheProductsOrOneLess) {
    test::RandomOperands random(22);
    for (const DigitKind kind : {DigitKind::AllNines, DigitKind::Random}) {
        const Limbs x = packDigits(random.digits(9 * 3000, kind));
        const Limbs y = packDigits(random.digits(9 * 2000, kind));
        Limbs whole(x.size() + y.size());
        multiplyLimbs(x, y, whole);
        for (const std::size_t shift : {0u, 1u, 2u, 3u, 2500u, 4990u}) {
            const Limbs top(whole.begin() + static_cast<std::ptrdiff_t>(shift), whole.end());
            for (const NttKernel kernel : {NttKernel::Avx2, NttKernel::Portable}) {
                Limbs high(top.size(), 12345);
                NttFactor(x, nttLength(whole.size()), kernel).multiplyHigh(y, shift, high);
                if (high != top)
                    addLimbsAt(high, std::vector<Limb>{1}, 0);
                EXPECT_EQ(high, top) << shift;
            }
        }
    }
}

// Transforms of tens of thousands of points: all nines give the largest coefficients the
// three primes must hold, in a square; runs of nines and zeros, in a lopsided product. And
// products longer than the transform's length, assembled from slices: with a length of 128
// limbs, at sizes a test can reach.
TEST(MultiplyDigits, LongOperands) {
    test::RandomOperands random(77);
    const std::string nines(180000, '9');
    ASSERT_EQ(viaMultiplyDigits(nines, nines), expectedDigits(nines, nines));
    const std::string x = random.digits(150000, DigitKind::Edgy);
    const std::string y = random.digits(20000, DigitKind::Edgy);
    ASSERT_EQ(viaMultiplyDigits(x, y), expectedDigits(x, y));
    // A transform of more points than one pass over them takes (2^18), with an operand that
    // ends before the second pass begins: its later passes read nothing of it.
    const std::string lopsided = random.digits(2'400'000);
    ASSERT_EQ(viaMultiplyDigits(lopsided, y), expectedDigits(lopsided, y));
    const std::size_t ntt = 9 * thresholds::kNttMinLimbs;
    const std::string u = random.digits(ntt, DigitKind::AllNines);
    const std::string v = random.digits(ntt + 1, DigitKind::Edgy);
    for (const auto &[s, t] : {std::pair(u, v), std::pair(x.substr(0, 7000), u)}) {
        const Limbs sl = packDigits(s), tl = packDigits(t);
        Limbs product(sl.size() + tl.size());
        nttMultiply(sl, tl, product, fastestNttKernel(), 128);
        std::string digits(s.size() + t.size(), '?');
        unpackDigits(product, digits);
        EXPECT_EQ(digits, expectedDigits(s, t)) << s.size() << 'x' << t.size();
    }
}

// multiplyDigits is public: a text that is not all digits, on either side, takes the digit
// loop, where a character counts as its code minus that of "0" ("z" is worth 74), never the
// limb path, which would pack it into a limb beyond the base. The loop's product is the same
// whichever side the text is on. The "z" is a limb's leading digit, where 74 * 10^8 no longer
// fits a 32-bit limb: lower in a limb it would pack to the same value and hide a wrong path.
TEST(MultiplyDigits, TextsThatAreNotAllDigitsTakeTheDigitLoop) {
    std::string odd(600, '7');
    odd[odd.size() - kLimbDigits] = 'z';
    EXPECT_EQ(viaMultiplyDigits(odd, std::string(600, '3')),
              viaMultiplyDigits(std::string(600, '3'), odd));
}

} // namespace
} // namespace tallaro
