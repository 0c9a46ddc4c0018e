#include "GmpOracle.h"
#include "LimbNumber.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

using test::kDigitKinds;

// The value's decimal text, without leading zeros ("0" for zero).
std::string text(std::span<const Limb> limbs) {
    std::string digits(kLimbDigits * limbs.size(), '0');
    unpackDigits(limbs, digits);
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string power(std::size_t limbs) {
    return "1" + std::string(kLimbDigits * limbs, '0');
}

// Sums and differences go four limbs at a time unless a carry would run through a group of
// four, which runs of nines and zeros give, and the last few limbs go one by one: lengths
// around multiples of four, addends placed at every offset in a group, and operands of every
// kind, whose runs put such carries at every lane.
TEST(LimbArithmetic, SumsAndDifferencesAgreeWithGmp) {
    test::RandomOperands random(2026);
    for (std::size_t size = 1; size <= 13; ++size)
        for (const auto xKind : kDigitKinds)
            for (const auto yKind : kDigitKinds)
                for (std::size_t offset = 0; offset < 4 && offset < size; ++offset) {
                    const std::string xText = random.digits(kLimbDigits * size, xKind);
                    const std::size_t yLimbs = random.length(1, size - offset);
                    const std::string yText = random.digits(kLimbDigits * yLimbs, yKind);
                    const Limbs x = packDigits(xText), y = packDigits(yText);
                    SCOPED_TRACE(xText + " and " + yText + " at " + std::to_string(offset));

                    Limbs sum = x;
                    sum.push_back(addLimbsWithCarry(sum, y, offset)); // the carry as a top limb
                    const std::string shifted = yText + std::string(kLimbDigits * offset, '0');
                    EXPECT_EQ(text(sum), test::exactSum(xText, '+', shifted));

                    // A borrow out of the top leaves the difference plus base^size.
                    Limbs difference = x;
                    const Limb borrow = subtractLimbsWithBorrow(difference, y);
                    const std::string got =
                        borrow == 0 ? text(difference)
                                    : test::exactSum(text(difference), '-', power(size));
                    EXPECT_EQ(got, test::exactSum(xText, '-', yText));
                }
}

} // namespace
} // namespace tallaro
