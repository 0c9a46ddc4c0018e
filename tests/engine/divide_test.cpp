#include "DecimalEngine.h"
#include "FailingAllocation.h"

#include <gtest/gtest.h>

#include <new>
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
        // A quotient that ends is found to end without writing the places asked for.
        {"1", "8", 2'000'000'000, "0.125"},
        {"12345678901234567890", "1024", 2'000'000'000, "12056327051986882.705078125"},
        {"1", "8", 2147483647, "0.125"},  {"-3", "64", 2147483647, "-0.046875"},
        // Zero in any form, and texts that are not numbers, are refused by divide itself:
        // the window calls it directly for the elapsed time.
        {"0", "5", 9, ""},  {"5", "0.0", 9, ""}, {"", "5", 9, ""},  {"-0", "5", 9, ""},
        {".", "5", 9, ""},  {"-", "3", 9, ""},   {"5", "-.", 9, ""}, {"x", "3", 9, ""},
        {"1", "2a", 9, ""}, {"1\t", "2", 9, ""}, {"1", "+2", 9, ""}, {"1.2.3", "1", 9, ""},
    };
    for (const auto &[a, b, fractionDigits, quotient] : rows) {
        DecimalEngine engine;
        engine.m_fractionDigits = fractionDigits;
        EXPECT_EQ(engine.divide(a, b), quotient) << a << " / " << b << " to " << fractionDigits;
    }
}

// A quotient to the largest precision that does not end has 2^31 digits or more: 1 / 1001
// ends at place 2^31, past the 32-bit range. Its text is one block of its whole length asked
// for before a digit is written, so where the memory is not there it is refused at once,
// never grown by copies nor counted short by a place that wrapped.
TEST(Divide, TheLargestPrecisionAsksForTheWholeQuotientAtOnce) {
    const std::size_t places = 2147483647;
    const std::tuple<const char *, const char *, std::size_t> rows[] = {
        {"1", "7", 2 + places},             // "0." and the places asked for
        {"1", "1001", 2 + places + 1},      // and the zero the last step brings down
        {"-22", "7", 3 + places},           // "-3."
        {"-1", "10000001", 3 + places + 5}, // five zeros
    };
    for (const auto &[a, b, length] : rows) {
        for (const int detect : {0, 1}) {
            DecimalEngine engine;
            engine.m_fractionDigits = static_cast<int>(places);
            engine.m_findRepetend = detect;
            const AllocationLimit limit(std::size_t{1} << 30);
            EXPECT_THROW(engine.divide(a, b), std::bad_alloc) << a << " / " << b;
            EXPECT_GE(largestRefusedAllocation(), length) << a << " / " << b;
        }
    }
}

constexpr int untouched = -7; // what head and tail hold before the division

struct Row {
    std::string a, b;
    int fractionDigits;
    int head, tail; // `untouched` where nothing may be found
};

void expectPlaces(std::initializer_list<Row> rows) {
    for (const Row &row : rows) {
        DecimalEngine engine;
        engine.m_findRepetend = 1;
        engine.m_fractionDigits = row.fractionDigits;
        engine.m_repetendHead = engine.m_repetendTail = untouched;
        engine.divide(row.a, row.b);
        EXPECT_EQ(engine.m_repetendHead, row.head) << row.a << " / " << row.b;
        EXPECT_EQ(engine.m_repetendTail, row.tail) << row.a << " / " << row.b;
    }
}

TEST(Repetend, FirstAndLastPlaceOfTheRepeatingBlock) {
    expectPlaces({
        {"1", "7", 30, 1, 6},     {"1", "6", 30, 2, 2},     {"1", "12", 30, 3, 3},
        {"1", "700", 30, 3, 8},   {"5", "70", 30, 2, 7},    {"9", "162", 30, 2, 2},
        {"5", "165", 30, 1, 2},   {"121", "12", 30, 3, 3},  {"131", "13", 30, 1, 6},
        {"1", "81", 30, 1, 9},    {"1", "1001", 30, 1, 6},  {"0.1", "-0.7", 30, 1, 6},
        {"1", "97", 100, 1, 96},  {"1", "7", 6, 1, 6},
        // No repeating block, or none complete within the quotient: head and tail keep
        // what they held.
        {"1", "8", 30, untouched, untouched},  {"1", "97", 30, untouched, untouched},
        {"1", "7", 5, untouched, untouched},   {"6", "3", 30, untouched, untouched},
        {"0", "7", 30, untouched, untouched},
    });
}

// The digit loop records places up to 99 only; the zero places in front of the first
// comparison (a dividend shorter than the divisor) are all entries, however many.
TEST(Repetend, RecordingLimitAndTheLeadingZeroPlaces) {
    const std::string zeros99(99, '0'), zeros100(100, '0'), zeros120(120, '0');
    expectPlaces({
        {"1", "3" + zeros99, 130, 100, 100},
        {"1", "3" + zeros100, 130, untouched, untouched},
        {"1", std::string(30, '9') + zeros120, 200, 121, 150},
        {"1", std::string(150, '9'), 200, 1, 150},
    });
}

} // namespace
} // namespace tallaro
