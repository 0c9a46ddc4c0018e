#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallaro {
namespace {

// Products at large are left to the comparison with GMP; these pin the widths, signs and
// zeros that an oracle of our own making could get wrong alike. Each answer also stays behind
// in the accumulator, where the window may read it; a refused operand leaves it as it was.
TEST(Multiply, FractionWidthsSignsAndZeros) {
    const char *const cases[][3] = {
        {"1.50", "2", "3.00"}, {".01", ".01", "0.0001"}, {"1.", "2.", "2"}, {"5", ".2", "1.0"},
        {"-2", "-3", "6"},     {"1.5", "-2", "-3.0"},    {"--5", "2", "-10"}, {"5-3", "2", "-106"},
        {"-3", "0", "0"},      {"00", "5", "00"},        {"-00", "5", "-00"},
        {"0.0", "0.0", "0.00"}, {"-.0", "5", "-0.0"},    {"-0.5", "0.02", "-0.010"},
        {"1 2", "1,1", "132"}, {"-", "5", ""},           {".", "5", ""},      {"5", "-.", ""},
        {" ", "5", ""},
    };
    for (const auto &[a, b, product] : cases) {
        DecimalEngine engine;
        engine.m_product = "kept";
        const std::string answer = engine.calculate(a, "*", b);
        EXPECT_EQ(answer, product) << '"' << a << "\" * \"" << b << '"';
        EXPECT_EQ(engine.m_product, *product == '\0' ? "kept" : answer) << a << " * " << b;
    }
}

// The accumulator is sized from the lengths given, whatever it held: a length beyond its text
// is cut to the text, a negative one to nothing.
TEST(MultiplyDigits, SizesTheAccumulatorWhateverItHeld) {
    const std::tuple<int, int, const char *, const char *, const char *> cases[] = {
        {2, 1, "00", "5", "000"}, {5, 1, "12", "3", "036"}, {-1, 2, "7", "12", "00"}};
    for (const auto &[lenX, lenY, x, y, product] : cases) {
        DecimalEngine engine;
        engine.m_product = "stale 123";
        engine.multiplyDigits(lenX, lenY, x, y);
        EXPECT_EQ(engine.m_product, product) << x << " * " << y;
    }
}

// Places outside the accumulator are ignored, a carry out of the top is dropped, and a carry
// across half a million places runs in a loop rather than recursion.
TEST(AddDigitAt, CarriesLeftAsFarAsNeeded) {
    const std::string nines(500000, '9'), zeros(500000, '0');
    const std::tuple<std::string, int, int, std::string> cases[] = {
        {"0068", 4, 2, "0108"}, {"0999", 9, 2, "1089"}, {"99", 1, 1, "00"}, {"12", 5, 2, "12"},
        {"12", 5, -1, "12"},    {"0" + nines, 1, 500000, "1" + zeros},
    };
    for (const auto &[before, value, place, after] : cases) {
        DecimalEngine engine;
        engine.m_product = before;
        engine.addDigitAt(value, place);
        EXPECT_EQ(engine.m_product, after) << before.size() << " places, at " << place;
    }
}

TEST(PadWithZeros, FillsToTheTargetLength) {
    const std::tuple<const char *, int, int, const char *> cases[] = {
        {"12", 5, -1, "00012"}, {"12", 5, 1, "12000"}, {"12345", 3, -1, "12345"},
        {"7", -4, -1, "7"}};
    for (const auto &[text, length, side, padded] : cases)
        EXPECT_EQ(DecimalEngine::padWithZeros(text, length, side), padded) << text;
}

} // namespace
} // namespace tallaro
