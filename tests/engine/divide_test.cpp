#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallaro {
namespace {

struct Row {
    const char *a, *b;
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

// Quotients at large are left to the comparison with GMP; these pin the stop rule, signs
// and scaling by hand. The precision is tested at the end of a step, and one step can write
// several places; an exact quotient ends at its last digit.
TEST(Divide, StopRuleSignsAndScaling) {
    expectQuotients({
        {"1", "7", 20, "0.14285714285714285714"}, {"1", "700", 20, "0.00142857142857142857"},
        {"1", "8", 1000, "0.125"},     {"105", "5", 1000, "21"},      {"1001", "1", 9, "1001"},
        {"1000000", "999", 2, "1001.00"}, {"1", "100000", 3, "0.00001"},
        {"5", "700000", 2, "0.00000"}, {"1", "1001", 3, "0.000"},     {"1001", "1000", 1, "1.00"},
        {"10", "4", 0, "2."},
        {"1", "3", 0, "0."},           {"9", "80", 0, "0."},          {"9", "80000", 2, "0.000"},
        {"1", "30", 0, "0.0"},
        // A negative precision is taken as 0 rather than cutting the integer part short.
        {"12345", "7", -5, "1763."},   {"1", "8", -1, "0."},          {"105", "5", -9, "21"},
        {"5.0", "1", 4, "5"},          {"0.5", "0.25", 1000, "2"},    {"1.000", "3", 4, "0.3333"},
        {".5", "2.", 9, "0.25"},       {"007", "0.07", 9, "100"},     {"-6", "-3", 1000, "2"},
        {"6", "-3", 1000, "-2"},       {"--6", "3", 1000, "-2"},      {"6-", "-3", 1000, "2"},
        {"-1", "3", 0, "-0."},         {"-.1", "3", 2, "-0.03"},
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
    const char *const rows[][3] = {{"15", "0.015", "0.01"}, {"1000", "1", "1"},
                                   {"1500", "1.5", "1.5"},  {"5", "0.005", "0.00"},
                                   {"120000", "120", "120"}};
    for (const auto &[millis, atStart, toOneDigit] : rows) {
        DecimalEngine engine;
        EXPECT_EQ(engine.divide(millis, "1000"), atStart) << millis;
        engine.m_fractionDigits = 1;
        EXPECT_EQ(engine.divide(millis, "1000"), toOneDigit) << millis;
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

} // namespace
} // namespace tallaro
