#include "DecimalEngine.h"
#include "GmpOracle.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tallaro {
namespace {

// A, B and the product, as texts.
using Product = std::array<const char *, 3>;

// Each answer also stays behind in the accumulator, where the window may read it; a refused
// operand leaves the fresh accumulator empty.
void expectProducts(std::initializer_list<Product> cases) {
    for (const auto &[a, b, product] : cases) {
        DecimalEngine engine;
        const std::string answer = engine.calculate(a, "*", b);
        EXPECT_EQ(answer, product) << '"' << a << "\" * \"" << b << '"';
        EXPECT_EQ(engine.m_product, answer) << '"' << a << "\" * \"" << b << '"';
    }
}

TEST(Multiply, CarriesAndFractionWidths) {
    expectProducts({
        {"12", "34", "408"}, {"99", "9", "891"}, {"999", "999", "998001"}, {"1.50", "2", "3.00"},
        {"123.456", "7.89", "974.06784"}, {"2.5", "4", "10.0"}, {"5", "0.2", "1.0"},
        {"0.5", "0.5", "0.25"}, {".5", ".5", "0.25"}, {"0.01", "0.02", "0.0002"},
        {".01", ".01", "0.0001"}, {"007", "3", "21"}, {"100", "100", "10000"},
        {"0.001", "1000", "1.000"}, {"1.", "2.", "2"},
        {"9999999999", "9999999999", "99999999980000000001"}, {"0.99", "0.99", "0.9801"},
        {"5", ".2", "1.0"},
    });
}

TEST(Multiply, SignsAndZeros) {
    expectProducts({
        {"-2", "3", "-6"}, {"2", "-3", "-6"}, {"-2", "-3", "6"}, {"1.5", "-2", "-3.0"},
        {"--5", "2", "-10"}, {"5-3", "2", "-106"}, {"0", "5", "0"}, {"-3", "0", "0"},
        {"-0", "-0", "0"}, {"0.0", "0.0", "0.00"}, {"-0.0", "5", "-0.0"}, {"-.0", "5", "-0.0"},
        {"00", "5", "00"}, {"-00", "5", "-00"}, {"000", "00", "0000"}, {"-0.5", "0.02", "-0.010"},
    });
}

TEST(Multiply, SeparatorsAndOperandsWithoutDigits) {
    expectProducts({
        {"1,000", "-2.5", "-2500.0"}, {"1 2", "1,1", "132"}, {"-", "5", ""}, {"5", "-", ""},
        {".", "5", ""}, {"-.", "5", ""}, {" ", "5", ""}, {"5", ",", ""}, {"--", "-.", ""},
    });
}

TEST(Multiply, RefusedOperandsLeaveTheAccumulatorAlone) {
    DecimalEngine engine;
    for (const char *operand : {"", "-", ".", "-.", "--"}) {
        engine.m_product = "kept";
        EXPECT_EQ(engine.multiply(operand, "5"), "") << operand;
        EXPECT_EQ(engine.multiply("5", operand), "") << operand;
        EXPECT_EQ(engine.m_product, "kept") << operand;
    }
}

TEST(MultiplyDigits, FillsEveryPlaceOfTheAccumulator) {
    struct Case {
        int lenX, lenY;
        const char *x, *y, *product;
    };
    for (const Case &c : {Case{2, 2, "12", "34", "0408"}, {2, 1, "00", "5", "000"},
                          {1, 1, "9", "9", "81"}, {3, 3, "999", "999", "998001"},
                          {5, 1, "12", "3", "036"}, {-1, 2, "7", "12", "00"}}) {
        DecimalEngine engine;
        engine.m_product = "stale 123";
        engine.multiplyDigits(c.lenX, c.lenY, c.x, c.y);
        EXPECT_EQ(engine.m_product, c.product) << c.x << " * " << c.y;
    }
}

TEST(AddDigitAt, CarriesLeftAsFarAsNeeded) {
    struct Case {
        const char *before;
        int value, place;
        const char *after;
    };
    for (const Case &c : {Case{"0000", 8, 3, "0008"}, {"0068", 4, 2, "0108"},
                          {"0999", 1, 3, "1000"}, {"0999", 9, 2, "1089"}, {"99", 1, 1, "00"},
                          {"12", 5, 2, "12"}, {"12", 5, -1, "12"}, {"15", 0, 1, "15"}}) {
        DecimalEngine engine;
        engine.m_product = c.before;
        engine.addDigitAt(c.value, c.place);
        EXPECT_EQ(engine.m_product, c.after) << c.before << " + " << c.value << " at " << c.place;
    }
}

TEST(AddDigitAt, CarriesAcrossHundredsOfThousandsOfPlaces) {
    const std::size_t n = 500000;
    DecimalEngine engine;
    engine.m_product = "0" + std::string(n, '9');
    engine.addDigitAt(1, static_cast<int>(n));
    EXPECT_EQ(engine.m_product, "1" + std::string(n, '0'));
}

TEST(PadWithZeros, FillsToTheTargetLength) {
    struct Case {
        const char *text;
        int length, side;
        const char *padded;
    };
    for (const Case &c : {Case{"12", 5, -1, "00012"}, {"12", 5, 1, "12000"}, {"", 2, -1, "00"},
                          {"12345", 3, -1, "12345"}, {"12", 2, 1, "12"}, {"7", -4, -1, "7"}}) {
        EXPECT_EQ(DecimalEngine::padWithZeros(c.text, c.length, c.side), c.padded)
            << c.text << ' ' << c.length << ' ' << c.side;
    }
}

std::size_t digitCount(const std::string &text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::size_t fractionCount(const std::string &text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

// GMP writes every zero as "0" or "0.00"; the engine keeps a zero's sign when it has fraction
// digits, and a whole zero keeps all but the one top place of the digit product.
std::string expectedProduct(const std::string &a, const std::string &b) {
    if (digitCount(a) == 0 || digitCount(b) == 0)
        return "";
    const std::string exact = test::exactProduct(a, b);
    if (exact.find_first_not_of("-0.") != std::string::npos)
        return exact;
    const std::size_t fraction = fractionCount(a) + fractionCount(b);
    const std::string zero = fraction > 0 ? "0." + std::string(fraction, '0')
                                          : std::string(digitCount(a) + digitCount(b) - 1, '0');
    const bool negative = (a.find('-') != std::string::npos) != (b.find('-') != std::string::npos);
    return negative && zero != "0" ? "-" + zero : zero;
}

TEST(Multiply, AgreesWithGmpOnRandomOperands) {
    test::RandomOperands random(20261207);
    DecimalEngine engine;
    for (int i = 0; i < 4000; ++i) {
        const std::size_t size = i % 400 == 0 ? 2400 : 24;
        const std::string a = random.number(size, size / 2, i % 2 == 0);
        const std::string b = random.number(size, size / 2, i % 3 == 0);
        const std::string typedA = random.withSeparators(a), typedB = random.withSeparators(b);
        // An operand left empty is refused as typed, like one without a digit.
        const std::string expected = typedA.empty() || typedB.empty() ? "" : expectedProduct(a, b);
        ASSERT_EQ(engine.calculate(typedA, "*", typedB), expected)
            << '"' << typedA << "\" * \"" << typedB << '"';
    }
}

} // namespace
} // namespace tallaro
