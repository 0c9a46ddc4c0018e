#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>

namespace tallaro {
namespace {

struct Case {
    const char *a, *op, *b, *answer;
};

void expectAnswers(std::initializer_list<Case> cases) {
    for (const Case &c : cases) {
        DecimalEngine engine;
        EXPECT_EQ(engine.calculate(c.a, c.op, c.b), c.answer)
            << '"' << c.a << "\" " << c.op << " \"" << c.b << '"';
    }
}

// Carries, borrows and signs at large are left to the comparison with GMP; these pin what
// an oracle of our own making could get wrong alike.
TEST(AddSubtract, FractionWidthsSignsAndShortForms) {
    expectAnswers({
        {"1.50", "+", "2.5", "4.00"}, {"1.", "+", "2.", "3"},     {"12.5", "-", "12.75", "-0.25"},
        {"5", "-", "7", "-2"},        {"-5", "-", "-7", "2"},     {"-7", "+", "5", "-2"},
        {"--5", "+", "1", "-4"},      {"5-", "+", "1", "-4"},     {"-", "+", "5", "5"},
        {".5", "-", ".7", "-0.2"},    {".", "+", ".", "0"},       {",", "+", "5", "5"},
        {"1 234,5", "-", "1", "12344"}, {"1,2.3 4", "+", "0", "12.34"},
    });
}

TEST(AddSubtract, ZerosKeepTheSignOnlyWithFractionDigits) {
    expectAnswers({
        {"-1", "+", "1", "0"},         {"-0", "+", "0", "0"},      {"1.5", "-", "1.5", "0.0"},
        {"-1.5", "+", "1.5", "-0.0"},  {"-0.0", "+", "0", "-0.0"}, {"10", "-", "10.00", "0.00"},
        {"-10", "+", "10.00", "-0.00"}, {"000", "+", "000", "0"},
    });
}

// The primitives under both keep their operands' width and leading zeros; long runs of nines
// and zeros carry and borrow across the eight-digit words and into the digit-by-digit tail.
TEST(DigitPrimitives, KeepWidthsAndCarryAcrossWords) {
    const std::string nines16(16, '9'), zeros16(16, '0');
    const std::string sums[][3] = {
        {"999", "001", "1000"}, {"000", "000", "000"}, {"", "", ""},
        {"12345678", "87654321", "99999999"}, {"9" + nines16, zeros16 + "1", "1" + zeros16 + "0"},
        {"5" + nines16 + "9999999", "4" + zeros16 + "0000001", "1" + zeros16 + "00000000"},
    };
    for (const auto &[x, y, sum] : sums) {
        EXPECT_EQ(DecimalEngine::addDigits(x, y), sum) << x << " + " << y;
        EXPECT_EQ(DecimalEngine::addDigits(y, x), sum) << y << " + " << x;
    }
    const std::string differences[][3] = {
        {"100", "001", "099"}, {"15", "15", "00"}, {"1000", "0999", "0001"},
        {"1" + zeros16, zeros16 + "1", "0" + nines16},
    };
    for (const auto &[larger, smaller, difference] : differences) {
        EXPECT_EQ(DecimalEngine::subtractDigits(larger, smaller, 1), difference);
        EXPECT_EQ(DecimalEngine::subtractDigits(smaller, larger, -1), difference);
    }
    EXPECT_EQ(DecimalEngine::compareDigits("0999", "1000"), 2);
    EXPECT_EQ(DecimalEngine::compareDigits("200", "199"), 1);
    EXPECT_EQ(DecimalEngine::compareDigits("123", "123"), 1);
}

TEST(Calculate, RefusesOperandsThatAreNotNumbers) {
    const char *const bad[] = {"1\t2", "1\n", "1.2.3", "+5", "12a", "\xef\xbc\x91", "1\r", "..",
                               "1;2"};
    for (const char *op : {"+", "-", "*", "/"}) {
        for (const char *operand : bad) {
            DecimalEngine engine;
            EXPECT_EQ(engine.calculate(operand, op, "3"), "") << operand << ' ' << op;
            EXPECT_EQ(engine.calculate("3", op, operand), "") << operand << ' ' << op;
        }
    }
}

} // namespace
} // namespace tallaro
