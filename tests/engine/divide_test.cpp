#include "DecimalEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tallaro {
namespace {

// Quotients at large are left to the comparison with GMP; these pin the stop rule, signs
// and scaling by hand. The precision is tested at the end of a step, and one step can write
// several places; an exact quotient ends at its last digit.
TEST(Divide, StopRuleSignsAndScaling) {
    const std::tuple<const char *, const char *, int, const char *> rows[] = {
        {"1", "7", 20, "0.14285714285714285714"}, {"1", "700", 20, "0.00142857142857142857"},
        {"1", "8", 1000, "0.125"},        {"105", "5", 1000, "21"},   {"1001", "1", 9, "1001"},
        {"1000000", "999", 2, "1001.00"}, {"1", "100000", 3, "0.00001"}, {"10", "4", 0, "2."},
        {"5", "700000", 2, "0.00000"},    {"1", "1001", 3, "0.000"},  {"1001", "1000", 1, "1.00"},
        {"1", "3", 0, "0."},              {"9", "80", 0, "0."},       {"9", "80000", 2, "0.000"},
        {"1", "30", 0, "0.0"},
        // A negative precision is taken as 0 rather than cutting the integer part short.
        {"12345", "7", -5, "1763."},      {"1", "8", -1, "0."},       {"105", "5", -9, "21"},
        {"5.0", "1", 4, "5"},             {"0.5", "0.25", 1000, "2"}, {"1.000", "3", 4, "0.3333"},
        {".5", "2.", 9, "0.25"},          {"007", "0.07", 9, "100"},  {"-6", "-3", 1000, "2"},
        {"6", "-3", 1000, "-2"},          {"--6", "3", 1000, "-2"},   {"6-", "-3", 1000, "2"},
        {"-1", "3", 0, "-0."},            {"-.1", "3", 2, "-0.03"},
    };
    for (const auto &[a, b, fractionDigits, quotient] : rows) {
        DecimalEngine engine;
        engine.m_fractionDigits = fractionDigits;
        EXPECT_EQ(engine.divide(a, b), quotient) << a << " / " << b << " to " << fractionDigits;
    }
}

// A zero, empty or malformed operand is refused before the last division's results change:
// the window divides on its own for the elapsed time, between the divisions it shows.
TEST(Divide, RefusedOperandsGiveTheEmptyTextAndChangeNoResult) {
    DecimalEngine engine;
    engine.m_findRepetend = 1;
    engine.divide("1", "7");
    const auto members = [&engine] {
        return std::tuple(engine.m_fractionPlace, engine.m_repetendHead, engine.m_repetendTail);
    };
    const auto before = members();
    const char *const refused[][2] = {
        {"0", "5"},   {"5", "0.0"},   {"", "5"},  {"5", ""},    {"-0", "5"},  {".", "5"},
        {"-", "3"},   {"5", "-."},    {"x", "3"}, {"1", "2a"},  {"1\t", "2"}, {"1", "+2"},
        {"1", "1 0"}, {"1.2.3", "1"},
    };
    for (const auto &[a, b] : refused)
        EXPECT_EQ(engine.divide(a, b), "") << '"' << a << "\" / \"" << b << '"';
    EXPECT_EQ(members(), before);
}

} // namespace
} // namespace tallaro
