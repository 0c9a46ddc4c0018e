#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tallaro {
namespace {

// Each answer also stays behind in the accumulator, where the window may read it; a refused
// operand leaves the accumulator as it was.
void expectProducts(std::initializer_list<std::array<const char *, 3>> cases) {
    for (const auto &[a, b, product] : cases) {
        DecimalEngine engine;
        engine.m_product = "kept";
        const std::string answer = engine.calculate(a, "*", b);
        EXPECT_EQ(answer, product) << '"' << a << "\" * \"" << b << '"';
        EXPECT_EQ(engine.m_product, *product == '\0' ? "kept" : answer) << a << " * " << b;
    }
}

// Products at large are left to the comparison with GMP; these pin the widths, signs and
// zeros that an oracle of our own making could get wrong alike.
TEST(Multiply, FractionWidthsSignsAndZeros) {
    expectProducts({
        {"1.50", "2", "3.00"}, {".01", ".01", "0.0001"}, {"1.", "2.", "2"}, {"5", ".2", "1.0"},
        {"-2", "-3", "6"},     {"1.5", "-2", "-3.0"},    {"--5", "2", "-10"}, {"5-3", "2", "-106"},
        {"-3", "0", "0"},      {"-0", "-0", "0"},        {"0.0", "0.0", "0.00"},
        {"-.0", "5", "-0.0"},
        {"00", "5", "00"},     {"-00", "5", "-00"},      {"000", "00", "0000"},
        {"-0.5", "0.02", "-0.010"},
        {"1 2", "1,1", "132"}, {"-", "5", ""},           {".", "5", ""},      {"5", "-.", ""},
        {" ", "5", ""},        {"--", "-.", ""},
    });
}

TEST(MultiplyDigits, SizesTheAccumulatorWhateverItHeld) {
    struct Case {
        int lenX, lenY;
        const char *x, *y, *product;
    };
    for (const Case &c :
         {Case{2, 1, "00", "5", "000"}, {5, 1, "12", "3", "036"}, {-1, 2, "7", "12", "00"}}) {
        DecimalEngine engine;
        engine.m_product = "stale 123";
        engine.multiplyDigits(c.lenX, c.lenY, c.x, c.y);
        EXPECT_EQ(engine.m_product, c.product) << c.x << " * " << c.y;
    }
}

// Places outside the accumulator are ignored, a carry out of the top is dropped, and a carry
// across half a million places runs in a loop rather than recursion.
TEST(AddDigitAt, CarriesLeftAsFarAsNeeded) {
    const std::string nines(500000, '9');
    struct Case {
        std::string before;
        int value, place;
        std::string after;
    };
    const Case cases[] = {
        {"0068", 4, 2, "0108"}, {"0999", 9, 2, "1089"}, {"99", 1, 1, "00"}, {"12", 5, 2, "12"},
        {"12", 5, -1, "12"},    {"0" + nines, 1, 500000, "1" + std::string(500000, '0')},
    };
    for (const Case &c : cases) {
        DecimalEngine engine;
        engine.m_product = c.before;
        engine.addDigitAt(c.value, c.place);
        EXPECT_EQ(engine.m_product, c.after) << c.before.size() << " places, at " << c.place;
    }
}

TEST(PadWithZeros, FillsToTheTargetLength) {
    struct Case {
        const char *text;
        int length, side;
        const char *padded;
    };
    for (const Case &c : {Case{"12", 5, -1, "00012"}, {"12", 5, 1, "12000"},
                          {"12345", 3, -1, "12345"}, {"7", -4, -1, "7"}}) {
        EXPECT_EQ(DecimalEngine::padWithZeros(c.text, c.length, c.side), c.padded) << c.text;
    }
}

} // namespace
} // namespace tallaro
