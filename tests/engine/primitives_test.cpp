#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

std::string run(char c, std::size_t n) { return std::string(n, c); }

// The primitives keep their operands' width and leading zeros; long runs of nines and zeros
// carry and borrow across the eight-digit words and into the digit-by-digit tail.
TEST(DigitPrimitives, KeepWidthsAndCarryAcrossWords) {
    struct Sum {
        std::string x, y, sum;
    };
    for (const Sum &c : {Sum{"999", "001", "1000"}, {"000", "000", "000"}, {"", "", ""},
                         {run('9', 17), run('0', 16) + "1", "1" + run('0', 17)},
                         {"5" + run('9', 23), "4" + run('0', 22) + "1", "1" + run('0', 24)},
                         {"12345678", "87654321", "99999999"}}) {
        EXPECT_EQ(DecimalEngine::addDigits(c.x, c.y), c.sum) << c.x << " + " << c.y;
        EXPECT_EQ(DecimalEngine::addDigits(c.y, c.x), c.sum) << c.y << " + " << c.x;
    }

    struct Difference {
        std::string larger, smaller, difference;
    };
    for (const Difference &c :
         {Difference{"100", "001", "099"}, {"15", "15", "00"}, {"1000", "0999", "0001"},
          {"1" + run('0', 16), run('0', 16) + "1", "0" + run('9', 16)},
          {"1" + run('0', 20), "0" + run('9', 19) + "0", run('0', 19) + "10"},
          {"98765432109876543210", "12345678901234567890", "86419753208641975320"}}) {
        EXPECT_EQ(DecimalEngine::subtractDigits(c.larger, c.smaller, 1), c.difference);
        EXPECT_EQ(DecimalEngine::subtractDigits(c.smaller, c.larger, -1), c.difference);
    }

    EXPECT_EQ(DecimalEngine::compareDigits("0999", "1000"), 2);
    EXPECT_EQ(DecimalEngine::compareDigits("200", "199"), 1);
    EXPECT_EQ(DecimalEngine::compareDigits("123", "123"), 1);
}

} // namespace
} // namespace tallaro
