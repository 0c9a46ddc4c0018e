#include "DecimalEngine.h"
#include "DivisionModel.h"
#include "RandomOperands.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallaro {
namespace {

struct Row {
    const char *a;
    const char *b;
    int fractionDigits;
    const char *quotient;
};

void expectQuotients(std::initializer_list<Row> rows) {
    for (const Row &row : rows) {
        DecimalEngine engine;
        engine.m_fractionDigits = row.fractionDigits;
        EXPECT_EQ(engine.divide(row.a, row.b), row.quotient)
            << row.a << " / " << row.b << " to " << row.fractionDigits << " digits";
    }
}

TEST(Divide, TruncatesAndEndsAnExactQuotientAtItsLastDigit) {
    expectQuotients({
        {"1", "7", 20, "0.14285714285714285714"}, {"22", "7", 20, "3.14285714285714285714"},
        {"2", "3", 5, "0.66666"},     {"10", "4", 1, "2.5"},        {"1", "8", 1000, "0.125"},
        {"105", "5", 1000, "21"},     {"100", "1", 1000, "100"},    {"1001", "1", 9, "1001"},
        {"7", "7", 0, "1"},           {"12", "34", 5, "0.35294"},   {"123", "45", 5, "2.73333"},
        {"1", "700", 20, "0.00142857142857142857"},                 {"1000000", "999", 2, "1001.00"},
    });
}

// The precision is tested at the end of a step, and one step can write several places.
TEST(Divide, StopRuleKeepsEveryPlaceOfTheLastStep) {
    expectQuotients({
        {"1", "100000", 3, "0.00001"}, {"5", "700000", 2, "0.00000"}, {"1", "1001", 3, "0.000"},
        {"1", "1001", 30, "0.00099900099900099900099900099900"}, {"1001", "1000", 1, "1.00"},
        {"10", "4", 0, "2."},          {"1", "3", 0, "0."},           {"12345", "7", 0, "1763."},
        {"9", "80", 0, "0."},          {"9", "80000", 2, "0.000"},    {"1", "30", 0, "0.0"},
        // A negative precision is taken as 0 rather than cutting the integer part short.
        {"12345", "7", -5, "1763."},   {"1", "8", -1, "0."},          {"105", "5", -9, "21"},
    });
}

TEST(Divide, SignsAndScaling) {
    expectQuotients({
        {"5.0", "1", 4, "5"},      {"0.5", "0.25", 1000, "2"}, {"1.000", "3", 4, "0.3333"},
        {".5", "2.", 9, "0.25"},    {"007", "0.07", 9, "100"},   {"-6", "-3", 1000, "2"},
        {"6", "-3", 1000, "-2"},    {"--6", "3", 1000, "-2"},    {"6-", "-3", 1000, "2"},
        {"-1", "3", 0, "-0."},      {"-.1", "3", 2, "-0.03"},
    });
}

TEST(Divide, ZeroEmptyAndMalformedOperandsGiveTheEmptyText) {
    expectQuotients({
        {"0", "5", 9, ""},  {"5", "0.0", 9, ""}, {"", "5", 9, ""},     {"5", "", 9, ""},
        {"-0", "5", 9, ""}, {".", "5", 9, ""},   {"5", "-.", 9, ""},   {"1.2.3", "1", 9, ""},
        {"1", "2a", 9, ""}, {"1\t", "2", 9, ""}, {"1", "+2", 9, ""},   {"1", "1 0", 9, ""},
    });
}

// The window shows the elapsed milliseconds in seconds, before any A÷B has set a precision.
TEST(Divide, ElapsedTimeInSeconds) {
    const char *const millis[] = {"15", "1234", "1000", "1500", "5", "120000"};
    const char *const atStart[] = {"0.015", "1.234", "1", "1.5", "0.005", "120"};
    const char *const toOneDigit[] = {"0.01", "1.2", "1", "1.5", "0.00", "120"};
    for (std::size_t i = 0; i < std::size(millis); ++i) {
        DecimalEngine engine;
        EXPECT_EQ(engine.divide(millis[i], "1000"), atStart[i]) << millis[i];
        engine.m_fractionDigits = 1;
        EXPECT_EQ(engine.divide(millis[i], "1000"), toOneDigit[i]) << millis[i];
    }
}

TEST(Divide, WorkingMembersDescribeTheLastDivision) {
    DecimalEngine engine;
    engine.divide("0.5", "0.25");
    EXPECT_EQ(engine.m_dividendDigits, "50");
    EXPECT_EQ(engine.m_divisorDigits, "25");
    engine.divide("-105", "5");
    EXPECT_EQ(engine.m_quotient, "21");
    EXPECT_EQ(engine.m_quotientSteps, 3);
    EXPECT_EQ(engine.m_fractionPlace, -1);
    engine.m_fractionDigits = 20;
    engine.divide("1", "700");
    EXPECT_EQ(engine.m_dividendLength, 1);
    EXPECT_EQ(engine.m_divisorLength, 3);
    EXPECT_EQ(engine.m_quotientSteps, 21); // the integer place and 20 fraction places
    EXPECT_EQ(engine.m_fractionPlace, 20);
    EXPECT_EQ(engine.m_remainderHistory, "*"); // detection off records nothing
}

TEST(Divide, RefusedOperandsChangeNoMember) {
    DecimalEngine engine;
    engine.m_findRepetend = 1;
    engine.divide("1", "7");
    const auto members = [&engine] {
        return std::tuple(engine.m_quotient, engine.m_remainderHistory, engine.m_dividendDigits,
                          engine.m_quotientSteps, engine.m_fractionPlace, engine.m_repetendFound);
    };
    const auto before = members();
    for (const char *bad : {"0", "", "1.2.3", "-", "x"}) {
        EXPECT_EQ(engine.divide(bad, "3"), "");
        EXPECT_EQ(engine.divide("3", bad), "");
    }
    EXPECT_EQ(members(), before);
}

// Every written digit must be the truncated quotient's, and the count of fraction digits
// must follow from the remainders; both from the digit loop itself and from the way divide
// picks by size. One engine runs all of them, as the window's does.
TEST(Divide, MatchesGmpAndTheRemainderWalk) {
    test::RandomOperands random(4);
    DecimalEngine engine;
    for (int i = 0; i < 6000; ++i) {
        const bool large = i % 40 < 2;
        engine.m_divisionMethod = i % 2 == 0 ? DecimalEngine::DivisionMethod::DigitLoop
                                             : DecimalEngine::DivisionMethod::BySize;
        const std::string a = random.number(large ? 300 : 7, large ? 60 : 4, i % 3 == 0);
        const std::string b = random.number(large ? 120 : 4, large ? 40 : 3, i % 5 == 0);
        engine.m_fractionDigits = static_cast<int>(random.length(0, large ? 400 : 40)) - 2;
        const std::string typedA = random.withSeparators(a), typedB = random.withSeparators(b);
        const std::string q = engine.calculate(typedA, "/", typedB);
        if (a.find_first_of("123456789") == std::string::npos ||
            b.find_first_of("123456789") == std::string::npos) {
            EXPECT_EQ(q, "") << a << " / " << b;
            continue;
        }
        EXPECT_EQ(q, test::expectedDivision(a, b, engine.m_fractionDigits).quotient)
            << a << " / " << b << " to " << engine.m_fractionDigits << " digits";
    }
}

} // namespace
} // namespace tallaro
