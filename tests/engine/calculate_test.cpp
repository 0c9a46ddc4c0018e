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

// Answers at large are left to the comparison with GMP; these pin the widths, signs, zeros and
// short forms that an oracle of our own making could get wrong alike.
TEST(Calculate, FractionWidthsSignsAndZeros) {
    expectAnswers({
        {"1.50", "+", "2.5", "4.00"}, {"1.", "+", "2.", "3"},     {"12.5", "-", "12.75", "-0.25"},
        {"5", "-", "7", "-2"},        {"-5", "-", "-7", "2"},     {"-7", "+", "5", "-2"},
        {"--5", "+", "1", "-4"},      {"5-", "+", "1", "-4"},     {"-", "+", "5", "5"},
        {".5", "-", ".7", "-0.2"},    {".", "+", ".", "0"},       {",", "+", "5", "5"},
        {"1 234,5", "-", "1", "12344"}, {"1,2.3 4", "+", "0", "12.34"},
        // A sum or difference of zero keeps its sign only with fraction digits.
        {"-1", "+", "1", "0"},         {"-0", "+", "0", "0"},      {"1.5", "-", "1.5", "0.0"},
        {"-1.5", "+", "1.5", "-0.0"},  {"-0.0", "+", "0", "-0.0"}, {"10", "-", "10.00", "0.00"},
        {"-10", "+", "10.00", "-0.00"}, {"000", "+", "000", "0"},
        // A product has the fraction digits of both operands; a whole zero keeps its places.
        {"1.50", "*", "2", "3.00"},    {".01", "*", ".01", "0.0001"},   {"1.", "*", "2.", "2"},
        {"5", "*", ".2", "1.0"},       {"-2", "*", "-3", "6"},          {"1.5", "*", "-2", "-3.0"},
        {"--5", "*", "2", "-10"},      {"5-3", "*", "2", "-106"},       {"-3", "*", "0", "0"},
        {"00", "*", "5", "00"},        {"-00", "*", "5", "-00"},        {"0.0", "*", "0.0", "0.00"},
        {"-.0", "*", "5", "-0.0"},     {"-0.5", "*", "0.02", "-0.010"}, {"1 2", "*", "1,1", "132"},
        {"-", "*", "5", ""},           {".", "*", "5", ""},             {"5", "*", "-.", ""},
        {" ", "*", "5", ""},
    });
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
