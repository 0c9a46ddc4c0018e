#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "LimbMultiply.h"
#include "LimbNumber.h"
#include "MultiplyThresholds.h"
#include "Ntt.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallaro {
namespace {

using test::DigitKind;
using test::kDigitKinds;

std::string unpacked(std::span<const Limb> limbs, std::size_t width) {
    std::string out(width, '?');
    unpackDigits(limbs, out);
    return out;
}

// Carries that run across whole limbs (the sweep's all-nines operands meet them too), and
// the test that keeps a text with any other character off the limb path.
TEST(LimbNumber, CarriesBorrowsAndDigitTexts) {
    Limbs value{999999999, 999999999, 999999999, 0};
    addLimbsAt(value, Limbs{1}, 0);
    EXPECT_EQ(value, (Limbs{0, 0, 0, 1}));
    subtractLimbs(value, Limbs{1});
    EXPECT_EQ(value, (Limbs{999999999, 999999999, 999999999, 0}));
    Limbs shifted{5, 999999999, 999999999, 7};
    addLimbsAt(shifted, Limbs{999999999, 1}, 1);
    EXPECT_EQ(shifted, (Limbs{5, 999999998, 1, 8}));

    EXPECT_TRUE(isAllDigits("0123456789"));
    for (const char *bad : {"12a", "1-2", "/", ":", "1.5", " 1"})
        EXPECT_FALSE(isAllDigits(bad)) << bad;
}

// The product of two digit texts by one limb method, as exactly lenX + lenY digits.
std::string limbProduct(LimbMultiplier method, const std::string &x, const std::string &y) {
    const Limbs xl = packDigits(x), yl = packDigits(y);
    Limbs product(xl.size() + yl.size(), 12345); // junk: every limb must be written
    method(xl, &x == &y ? xl : yl, product); // a square passes one span twice
    return unpacked(product, x.size() + y.size());
}

std::string expectedDigits(const std::string &x, const std::string &y) {
    const std::size_t width = x.size() + y.size();
    const std::string exact = test::exactProduct(x, y);
    if (exact == "0") // also when an operand is empty and the width may be 0
        return std::string(width, '0');
    return std::string(width - exact.size(), '0') + exact;
}

struct Method {
    const char *name;
    LimbMultiplier multiply;
};

const Method kMethods[] = {
    {"schoolbook", schoolbookMultiply},
    {"karatsuba", karatsubaMultiply},
    {"ntt", [](std::span<const Limb> x, std::span<const Limb> y,
               std::span<Limb> p) { nttMultiply(x, y, p); }},
    {"ntt in slices of 64", [](std::span<const Limb> x, std::span<const Limb> y,
                               std::span<Limb> p) { nttMultiply(x, y, p, 64); }},
    {"multiplyLimbs", multiplyLimbs},
};

// Digit lengths on both sides of every limb threshold, and lengths that are not whole limbs.
std::vector<std::size_t> sweepLengths() {
    std::vector<std::size_t> lengths{0, 1, 8, 9, 10, 17};
    for (std::size_t limbs : {thresholds::kKaratsubaMinLimbs, 2 * thresholds::kKaratsubaMinLimbs,
                              thresholds::kNttMinLimbs}) {
        for (std::size_t l : {limbs - 1, limbs, limbs + 1})
            lengths.insert(lengths.end(), {9 * l - 4, 9 * l});
    }
    return lengths;
}

TEST(FastMultiply, EveryMethodAgreesWithGmpAcrossTheThresholds) {
    test::RandomOperands random(8);
    const std::vector<std::size_t> lengths = sweepLengths();
    for (std::size_t a : lengths) {
        // Balanced, lopsided and tiny second operands.
        for (std::size_t b : {a, a / 3 + 1, 2 * a + 5, std::size_t{7}}) {
            const std::string x = random.digits(a, kDigitKinds[(a + b) % 5]);
            const std::string y = random.digits(b, kDigitKinds[(a + 2 * b) % 5]);
            const std::string expected = expectedDigits(x, y);
            for (const Method &m : kMethods) {
                ASSERT_EQ(limbProduct(m.multiply, x, y), expected)
                    << m.name << ' ' << a << 'x' << b;
                if (b == a) { // a square, whose transform runs once per prime
                    ASSERT_EQ(limbProduct(m.multiply, x, x), expectedDigits(x, x)) << m.name;
                }
            }
        }
    }
}

// The accumulator the digit loop builds, one addDigitAt per digit pair: the reference
// that the limb path inside multiplyDigits must reproduce digit for digit.
std::string accumulated(const std::string &x, const std::string &y) {
    DecimalEngine engine;
    engine.m_product.assign(x.size() + y.size(), '0');
    for (std::size_t i = 0; i < x.size(); ++i) {
        for (std::size_t j = 0; j < y.size(); ++j)
            engine.addDigitAt((x[i] - '0') * (y[j] - '0'), static_cast<int>(i + j + 1));
    }
    return engine.m_product;
}

std::string viaMultiplyDigits(const std::string &x, const std::string &y) {
    DecimalEngine engine;
    engine.m_product = "0";
    engine.multiplyDigits(static_cast<int>(x.size()), static_cast<int>(y.size()), x, y);
    return engine.m_product;
}

TEST(MultiplyDigits, LimbPathMatchesTheDigitLoopAcrossEveryThreshold) {
    test::RandomOperands random(31);
    using enum DigitKind;
    struct Shape {
        std::size_t a, b;
        DigitKind kind;
    };
    const std::size_t karatsuba = 9 * thresholds::kKaratsubaMinLimbs;
    const std::size_t ntt = 9 * thresholds::kNttMinLimbs;
    const Shape shapes[] = {
        // around the limb path's threshold
        {1, 1, Random}, {2, 4, AllNines}, {3, 3, Random}, {1, 10, AllNines},
        {2, 5, Random}, {4, 4, AllNines}, {9, 9, ZeroRuns}, {10, 1, Random},
        // around Karatsuba's and the transform's
        {karatsuba - 9, karatsuba, AllNines}, {karatsuba, karatsuba + 5, ZeroRuns},
        {karatsuba, 3 * karatsuba, Random}, {ntt, ntt + 1, AllNines},
    };
    for (const Shape &s : shapes) {
        const std::string x = random.digits(s.a, s.kind), y = random.digits(s.b, Edgy);
        ASSERT_EQ(viaMultiplyDigits(x, y), accumulated(x, y)) << s.a << 'x' << s.b;
    }
}

TEST(MultiplyDigits, LongOperandsMatchGmp) {
    test::RandomOperands random(77);
    const std::string nines(180000, '9'), digits = random.digits(50000);
    struct Case {
        std::string x, y;
    };
    const Case cases[] = {
        {nines, nines}, // the largest coefficients the transform's primes must hold
        {digits, digits}, // a square shares its transforms
        {random.digits(100000), random.digits(100000)},
        {random.digits(150000, DigitKind::Edgy), random.digits(20000, DigitKind::Edgy)},
    };
    for (const Case &c : cases)
        ASSERT_EQ(viaMultiplyDigits(c.x, c.y), expectedDigits(c.x, c.y)) << c.x.size();
}

// multiplyDigits is public: a text that is not all digits, on either side, must take the
// digit loop, where each character counts as its code minus that of "0" ("z" is worth 74),
// and never send the limb path outside its buffers.
TEST(MultiplyDigits, TextsThatAreNotAllDigitsTakeTheDigitLoop) {
    test::RandomOperands random(12);
    const std::string digits = "1" + random.digits(600);
    std::string odd = digits, zero = digits;
    odd[295] = 'z'; // at the top of a limb, which its worth would overflow
    zero[295] = '0';
    const std::string worth = test::exactSum(zero, '+', "74" + std::string(600 - 295, '0'));
    EXPECT_EQ(viaMultiplyDigits(odd, digits), expectedDigits(worth, digits));
    EXPECT_EQ(viaMultiplyDigits(digits, odd), expectedDigits(digits, worth));
    for (const char c : {'-', '.', ' ', '\xff', '\0'}) {
        odd[300] = c;
        EXPECT_EQ(viaMultiplyDigits(odd, digits).size(), 2 * digits.size()) << int(c);
        EXPECT_EQ(viaMultiplyDigits(digits, odd).size(), 2 * digits.size()) << int(c);
    }
}

} // namespace
} // namespace tallaro
