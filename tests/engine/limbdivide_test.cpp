#include "GmpOracle.h"
#include "LimbDivide.h"
#include "RandomOperands.h"
#include "Thresholds.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

std::string text(std::span<const Limb> limbs) {
    const std::size_t digits = decimalDigitCount(limbs);
    if (digits == 0)
        return "0";
    std::string out(digits, '?');
    unpackDigits(limbs, out);
    return out;
}

// x / d on limbs against GMP: the quotient and the remainder, and that neither keeps a
// leading zero limb (callers count digits from the top limb).
void expectDivision(const std::string &x, const std::string &d) {
    const LimbQuotient qr = divideLimbs(packDigits(x), packDigits(d));
    const std::string q = test::truncatedQuotient(x, d, 0);
    EXPECT_EQ(text(qr.quotient), q) << x << " / " << d;
    EXPECT_EQ(text(qr.remainder), test::exactSum(x, '-', test::exactProduct(q, d)))
        << x << " mod " << d;
    EXPECT_TRUE(qr.quotient.empty() || qr.quotient.back() != 0) << x << " / " << d;
    EXPECT_TRUE(qr.remainder.empty() || qr.remainder.back() != 0) << x << " mod " << d;
}

TEST(LimbDivide, SmallCasesWhereTheEstimatesAreTight) {
    const char *const cases[][2] = {
        {"0", "7"}, {"6", "7"}, {"7", "7"}, {"999999999999999999", "999999999"},
        {"999999999999999999999999999", "1000000000"},
        {"1000000000000000000000000000", "999999999999999999"},
        {"500000000000000000000000000", "500000000000000001"},
        {"4999999999999999999999999999999999", "5000000000000000000"},
        {"123456789012345678901234567890", "123456789012345678901234567890"},
        {"999999999000000000000000000999999999", "999999999000000000000000001"},
    };
    for (const auto &c : cases)
        expectDivision(c[0], c[1]);
}

// Divisor lengths sweep short division, long division and the recursion (odd and even
// halves, a length that must be padded, several levels), with quotients from one limb to
// several times the divisor; runs of 9s and 0s, and whole limbs of zeros, make the quotient
// estimates miss.
TEST(LimbDivide, AgreesWithGmpAcrossEveryMethod) {
    test::RandomOperands random(8);
    using enum test::DigitKind;
    const test::DigitKind kinds[] = {Random, Edgy, ZeroRuns};
    const std::size_t r = thresholds::kRecursiveDivideMinLimbs * kLimbDigits;
    const std::size_t divisorDigits[] = {1, 9, 10, 17, 19, 80, r - 9, r, r + 5, 2 * r + 1,
                                         4 * r - 3};
    for (const std::size_t n : divisorDigits) {
        for (const std::size_t extra : {std::size_t{0}, std::size_t{1}, n / 2, n, 3 * n + 40}) {
            for (const test::DigitKind kind : kinds) {
                const std::string d = random.digits(n, kind);
                const std::string x = random.digits(n + extra, kind);
                if (d.find_first_not_of('0') == std::string::npos)
                    continue;
                expectDivision("1" + x, d);
                expectDivision(x, "9" + d);
            }
        }
    }
}

// A quotient limb of base - 1 and a remainder of divisor - 1, where the recursive step's
// estimate is corrected.
TEST(LimbDivide, LargestQuotientLimbsAndRemainders) {
    const std::size_t n = 3 * thresholds::kRecursiveDivideMinLimbs * kLimbDigits;
    const std::string d = "5" + std::string(n - 1, '0') + "1";
    const std::string q = std::string(2 * n, '9');
    const std::string almost = test::exactSum(d, '-', "1");
    expectDivision(test::exactSum(test::exactProduct(q, d), '+', almost), d);
    expectDivision(test::exactProduct(q, d), d);
    expectDivision(std::string(3 * n, '9'), "1" + std::string(n, '0'));
}

} // namespace
} // namespace tallaro
